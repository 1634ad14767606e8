#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/Planets.h"
#include "astro/TimeScales.h"

namespace quaeryn {
namespace {

TEST(MovesBackwards, AcrossZeroAriesInBothDirections) {
    struct Case {
        double today, nextDay;
        bool retrograde;
    } cases[] = {
        {0.2, 359.9, true},    // backwards over 0 Aries
        {359.9, 0.2, false},   // forwards over 0 Aries
        {10.0, 9.5, true},     {10.0, 10.5, false},
        {10.0, 10.0, false},   // stationary within the arithmetic
        {359.5, 359.5, false}, {180.0, 179.0, true}, {179.0, 180.0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MovesBackwards(c.today, c.nextDay), c.retrograde) << c.today << " -> " << c.nextDay;
}

ChartState PositionsAt(double jd) {
    ChartState c;
    c.JulianDayNumber = std::floor(jd + 0.5);
    c.UtDayFraction = jd + 0.5 - c.JulianDayNumber;
    c.CenturiesT = (c.JulianDayNumber - 2415020.0 + c.UtDayFraction - 0.5) / 36525.0;
    c.Obliquity = -DegToRad(ObliquityDegreesAt(c.CenturiesT));
    c.Ascendant = 100;
    c.Midheaven = 10;
    ComputeAllPositions(c);
    return c;
}

TEST(ComputeAllPositions, PlanetsAgreeWithPublishedPositions) {
    // Worked examples of Meeus' Astronomical Algorithms (apparent places; the
    // engine gives geometric places of the mean equinox, within 0.03 degrees).
    struct Case {
        const char* what;
        double jd;
        int body;
        double longitude, latitude;
    } cases[] = {
        {"Venus 1992 Dec 20.0", 2448976.5, 3, 313.08102, -2.08474},
    };
    for (const auto& c : cases) {
        const ChartState s = PositionsAt(c.jd);
        EXPECT_NEAR(std::remainder(s.Longitude[c.body] - c.longitude, 360.0), 0, 0.03)
            << c.what;
        EXPECT_NEAR(s.Latitude[c.body], c.latitude, 0.01) << c.what;
    }
}

TEST(ComputeAllPositions, KeepsTheFirstTrueNodeAndTheEventTime) {
    ChartState c;
    c.JulianDayNumber = 2451974;
    c.UtDayFraction = 15.5 / 24;
    c.CenturiesT = (c.JulianDayNumber - 2415020.0 + c.UtDayFraction - 0.5) / 36525.0;
    c.Obliquity = -DegToRad(ObliquityDegreesAt(c.CenturiesT));
    const double t = c.CenturiesT;

    c.TrueNode = 123.0;  // already computed in this cast: left alone
    ComputeAllPositions(c);
    EXPECT_EQ(c.TrueNode, 123.0);
    EXPECT_EQ(c.CenturiesT, t);

    c.TrueNode = -100;  // the mark: filled from the event's Moon
    ComputeAllPositions(c);
    EXPECT_GE(c.TrueNode, 0);
    EXPECT_LT(c.TrueNode, 360);
    EXPECT_LT(std::fabs(std::remainder(c.TrueNode - c.Longitude[11], 360.0)), 2.0);
    // The Moon's next-day declination is its own, about a day's motion away.
    EXPECT_NE(c.MoonDeclinationNextDay, c.Declination[10]);
    EXPECT_LT(std::fabs(c.MoonDeclinationNextDay - c.Declination[10]), 7.0);
}

TEST(ComputeAllPositions, EveryBodyIsFiniteAndReducedOverTwoCenturies) {
    for (double jd = 2415020.5; jd < 2488069.5; jd += 97.3) {
        const ChartState c = PositionsAt(jd);
        for (int i = 1; i <= 15; ++i) {
            const auto n = static_cast<std::size_t>(i);
            ASSERT_TRUE(c.Longitude[n] >= 0 && c.Longitude[n] < 360) << "body " << i << " JD " << jd;
            ASSERT_TRUE(c.LongitudeLater[n] >= 0 && c.LongitudeLater[n] < 360) << "body " << i << " JD " << jd;
            ASSERT_TRUE(std::isfinite(c.Latitude[n]) && std::fabs(c.Latitude[n]) < 18) << "body " << i;
            if (i <= 10) {
                ASSERT_TRUE(std::fabs(c.Declination[n]) < 32) << "body " << i << " JD " << jd;
                ASSERT_TRUE(c.RightAscension[n] >= 0 && c.RightAscension[n] <= 360) << "body " << i;
            }
        }
        // The Sun's right ascension lies in the same quadrant as its longitude.
        EXPECT_EQ(std::floor(c.RightAscension[1] / 90), std::floor(c.Longitude[1] / 90)) << jd;
    }
}

}  // namespace
}  // namespace quaeryn
