// The house cusps against Swiss Ephemeris (swe_houses_armc), for every house
// system the two share, over a spread of meridians, latitudes up to 66 degrees
// north and south, and obliquities of the years 100 to 2099.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/AngleMath.h"
#include "astro/Houses.h"
#include "astro/TimeScales.h"
#include "base/ChartState.h"

namespace quaeryn {
namespace {

double ArcBetween(double a, double b) {
    const double d = std::fabs(Normalize360(a) - Normalize360(b));
    return d > 180.0 ? 360.0 - d : d;
}

struct Triple {
    double ramc;       // degrees
    float latitudeDm;  // D.MM, south negative
    double obliquity;  // degrees
};

// The latitude in degrees that the house routines read from a D.MM entry.
double LatitudeDegrees(float dm) {
    const double lat = static_cast<double>(dm);
    return Sign(lat) * DotToDecimal(std::fabs(lat));
}

// A spread of (RAMC, latitude, obliquity) triples: meridians all round the
// circle, latitudes 0 to 66 degrees 00 minutes in both hemispheres, the
// obliquity between 23.40 and 23.70 degrees.
std::vector<Triple> Triples(int count, int minDegrees, int maxDegrees) {
    std::vector<Triple> triples;
    for (int i = 0; i < count; ++i) {
        const double ramc = std::fmod(i * 137.50776405, 360.0);
        const double u = std::fmod(i * 0.6180339887 + 0.1, 1.0);
        const int degrees = minDegrees + static_cast<int>(u * (maxDegrees - minDegrees + 1));
        const int minutes = degrees >= 66 ? 0 : (i * 37) % 60;
        float dm = static_cast<float>(std::min(degrees, 66) + minutes / 100.0);
        if (i % 2 == 1) dm = -dm;
        const double obliquity = 23.40 + 0.30 * std::fmod(i * 0.4142135624, 1.0);
        triples.push_back({ramc, dm, obliquity});
    }
    return triples;
}

ChartState ChartAt(const Triple& t, const std::string& code) {
    ChartState chart;
    chart.HouseSystemCode = code;
    chart.Ramc = t.ramc;
    chart.LatitudeDm = t.latitudeDm;
    chart.LatitudeSide = t.latitudeDm < 0 ? "SOUTH" : "NORTH";
    chart.LatitudeRad = DegToRad(LatitudeDegrees(t.latitudeDm));
    const double ramc = DegToRad(t.ramc);
    chart.Obliquity = DegToRad(t.obliquity);
    chart.Midheaven = MidheavenFrom(ramc, chart.Obliquity);
    chart.Obliquity = -chart.Obliquity;
    chart.Ascendant = AscendantFrom(ramc, chart.Obliquity, -chart.LatitudeRad);
    ComputeHouseCusps(chart);
    return chart;
}

struct SharedSystem {
    const char* code;  // ours
    int swissCode;     // the reference's
};

const SharedSystem kShared[] = {
    {"P", 'P'}, {"K", 'K'}, {"C", 'C'}, {"R", 'R'}, {"O", 'O'},
    {"EA", 'A'}, {"EM", 'D'}, {"M", 'X'}, {"I", 'M'},
};

// The largest difference from the reference over the triples, in degrees.
double LargestDifference(const std::vector<Triple>& triples, const SharedSystem& s) {
    double worst = 0;
    for (const auto& t : triples) {
        const ChartState chart = ChartAt(t, s.code);
        double cusps[37] = {};
        double ascmc[10] = {};
        swe_houses_armc(t.ramc, LatitudeDegrees(t.latitudeDm), t.obliquity, s.swissCode, cusps, ascmc);
        for (int h = 1; h <= 12; ++h) {
            const double ours = chart.Cusp[h >= 10 ? h - 9 : h + 3];
            const double d = ArcBetween(ours, cusps[h]);
            if (std::isnan(d)) return d;  // a cusp that is not a number fails the bound
            worst = std::max(worst, d);
        }
    }
    return worst;
}

// Bounds are the measured largest differences, rounded up. The floor of a
// few hundred-millionths of a degree is the ten-decimal pi of the angle
// arithmetic. Campanus carries its extra millionth of a degree of house
// angle, which near the Ascendant stretches with the flatness of the
// ecliptic against the horizon (up to 1E-04 degree at 66 degrees); Placidus
// carries the convergence tolerance of the semi-arc iteration. Ten fixed
// Placidus passes would miss by up to 0.4 degree between 60 and 66 degrees.
TEST(HousesAccuracy, EverySharedSystemAgreesWithTheReference) {
    const std::vector<Triple> spread = Triples(400, 0, 66);
    const std::vector<Triple> high = Triples(300, 60, 66);
    struct Case {
        int system;  // index in kShared
        const std::vector<Triple>* triples;
        const char* band;
        double bound;
    } cases[] = {
        {0, &spread, "0-66", 2E-06}, {1, &spread, "0-66", 3E-07}, {2, &spread, "0-66", 1E-05},
        {3, &spread, "0-66", 1E-07}, {4, &spread, "0-66", 2E-07}, {5, &spread, "0-66", 5E-08},
        {6, &spread, "0-66", 2E-07}, {7, &spread, "0-66", 5E-08}, {8, &spread, "0-66", 5E-08},
        {0, &high, "60-66", 3E-06},  {1, &high, "60-66", 1E-06},  {2, &high, "60-66", 1E-04},
        {3, &high, "60-66", 3E-07},
    };
    for (const auto& c : cases) {
        const SharedSystem& s = kShared[c.system];
        const double worst = LargestDifference(*c.triples, s);
        std::printf("  %-2s latitudes %-5s largest difference %.2g degree\n", s.code, c.band, worst);
        EXPECT_LE(worst, c.bound) << s.code << " latitudes " << c.band;
    }
}

TEST(HousesAccuracy, AnglesAgreeWithTheReference) {
    double worstMc = 0, worstAsc = 0;
    for (const auto& t : Triples(400, 0, 66)) {
        const ChartState chart = ChartAt(t, "P");
        double cusps[37] = {};
        double ascmc[10] = {};
        swe_houses_armc(t.ramc, LatitudeDegrees(t.latitudeDm), t.obliquity, 'P', cusps, ascmc);
        worstMc = std::max(worstMc, ArcBetween(chart.Midheaven, ascmc[SE_MC]));
        worstAsc = std::max(worstAsc, ArcBetween(chart.Ascendant, ascmc[SE_ASC]));
    }
    std::printf("  Midheaven %.2g, Ascendant %.2g degree\n", worstMc, worstAsc);
    EXPECT_LE(worstMc, 2E-07);
    EXPECT_LE(worstAsc, 5E-08);
}

// Whole casts through the time step: the cusps of each system follow the
// reference for the chart's own RAMC, latitude and obliquity, so the signs
// of the stored obliquity and of the house latitude meet correctly.
TEST(HousesAccuracy, CastsThroughTheTimeStepAgreeWithTheReference) {
    struct Event {
        int day, month, year;
        double clock;
        const char* ampm;
        double zone;
        float longitude, latitude;
    } events[] = {
        {5, 3, 2001, 10.30, "A.M.", 5, 73.58f, 40.45f},    {21, 6, 1950, 11.59, "P.M.", -1, -2.21f, 48.52f},
        {1, 1, 2000, 12.00, "P.M.", 0, 0.0f, -33.55f},      {30, 9, 1885, 3.07, "A.M.", 10, 151.12f, -65.3f},
        {14, 2, 2099, 7.45, "P.M.", -9, -139.46f, 35.41f},  {2, 8, 1410, 6.00, "A.M.", 0, -12.0f, 61.0f},
    };
    for (const auto& e : events) {
        for (const auto& s : kShared) {
            ChartState chart;
            chart.Day = static_cast<int16_t>(e.day);
            chart.Month = static_cast<int16_t>(e.month);
            chart.Year = static_cast<int16_t>(e.year);
            chart.ClockTime = e.clock;
            chart.AmPmText = e.ampm;
            chart.ZoneHours = e.zone;
            chart.LongitudeDm = e.longitude;
            chart.LatitudeDm = e.latitude;
            chart.LatitudeSide = e.latitude < 0 ? "SOUTH" : "NORTH";
            chart.HouseSystemCode = s.code;
            ComputeTimeAndAngles(chart);
            ComputeHouseCusps(chart);
            double cusps[37] = {};
            double ascmc[10] = {};
            swe_houses_armc(chart.Ramc, LatitudeDegrees(e.latitude), chart.ObliquityDegrees(), s.swissCode, cusps,
                            ascmc);
            for (int h = 1; h <= 12; ++h) {
                const double ours = chart.Cusp[h >= 10 ? h - 9 : h + 3];
                EXPECT_LE(ArcBetween(ours, cusps[h]), 1E-05)
                    << s.code << ' ' << e.year << '-' << e.month << '-' << e.day << " house " << h;
            }
        }
    }
}

}  // namespace
}  // namespace quaeryn
