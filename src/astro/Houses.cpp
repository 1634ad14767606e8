#include "astro/Houses.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "astro/AngleMath.h"
#include "astro/TimeScales.h"
#include "base/Vocabulary.h"

namespace quaeryn {
namespace {

// Index 1 to 12 = house number; 0 unused.
using CuspByHouseTable = std::array<double, 13>;

// The angles every house formula works from, in radians.
//
// The house routines recompute their latitude from the entered D.MM value as
// φh = -(geographic latitude), and the chart's obliquity field holds -ε after
// the time step. Every formula below uses the latitude and the obliquity only
// in products of one odd function of each (tan φ · tan ε, tan φ · sin ε) or in
// even functions (cos φ, cos ε), so the two negations cancel and the formulas
// can be written with the true φ and ε.
struct HouseFrame {
    double ramc = 0;     // right ascension of the meridian
    double epsilon = 0;  // true obliquity
    double phi = 0;      // true geographic latitude, north positive
};

// φh: minus the geographic latitude, from the entered D.MM value with its
// hemisphere sign.
double HouseLatitude(const ChartState& chart) {
    const double latitude = static_cast<double>(chart.LatitudeDm);
    return -(Sign(latitude) * DegToRad(DotToDecimal(std::fabs(latitude))));
}

HouseFrame FrameOf(const ChartState& chart, double houseLatitude) {
    HouseFrame f;
    f.ramc = DegToRad(chart.Ramc);
    f.epsilon = -chart.Obliquity;
    f.phi = -houseLatitude;
    return f;
}

// The house angle of house n in the direct systems: house 1 = 90, house 4 =
// 180, house 10 = 360, house 12 = 420 (60 after reduction), in degrees.
double HouseAngleDeg(int n) { return 30.0 * n + 60.0; }

// arctan of a ratio already formed, resolved to the full circle by the sign of
// its numerator n (the arctan rule), in degrees 0 up to 360.
double ResolveRatioDeg(double ratio, double n) {
    double a = std::atan(ratio);
    if (a < 0) a += kPi;
    if (n < 0) a += kPi;
    return Normalize360(RadToDeg(a));
}

// The reduction can give exactly 360 for a value a hair below 0; a cusp is
// kept below 360 so that it splits into a sign like any other longitude.
double FoldFull(double degrees) { return degrees >= 360.0 ? degrees - 360.0 : degrees; }

// ---------------------------------------------------------------- Placidus

// Ten passes of the semi-arc iteration are not enough at high latitudes: the
// 12th and 2nd cusps stay up to 0.01 degree off at 60 degrees, 0.17 at 65 and
// 0.42 at 66. The iteration runs until successive right ascensions agree to
// 1E-12 radian, with at most this many passes (about 65 are needed at 66).
constexpr int kPlacidusMaxPasses = 100;
constexpr double kPlacidusTolerance = 1E-12;

// One intermediate Placidus cusp: the right ascension R that lies the given
// fraction (1/f) of the semi-arc of its own ecliptic degree from the meridian
// (upper arc) or from the lower meridian (lower arc); returned as a longitude.
double PlacidusCusp(const HouseFrame& h, double r0, double f, bool upperArc) {
    const double k = upperArc ? 1.0 : -1.0;
    const double tanProduct = std::tan(h.epsilon) * std::tan(h.phi);
    double r = r0;
    for (int pass = 0; pass < kPlacidusMaxPasses; ++pass) {
        double a = ArcCos(-k * std::sin(r) * tanProduct);
        if (a < 0) a += kPi;  // ArcCos gives the arc cosine minus pi below zero
        const double next = upperArc ? h.ramc + a / f : h.ramc + kPi - a / f;
        const bool settled = std::fabs(next - r) < kPlacidusTolerance;
        r = next;
        if (settled) break;
    }
    return ResolveRatioDeg(std::tan(r) / std::cos(h.epsilon), std::sin(r));
}

void PlacidusCusps(const ChartState& chart, CuspByHouseTable& c) {
    double houseLatitude = HouseLatitude(chart);
    if (houseLatitude == 0) houseLatitude = kTinyLatitude;  // keeps the semi-arc defined
    const HouseFrame h = FrameOf(chart, houseLatitude);

    c[4] = Normalize360(chart.Midheaven + 180.0);
    c[1] = chart.Ascendant;
    const double cusp11 = PlacidusCusp(h, h.ramc + DegToRad(30.0), 3.0, true);
    const double cusp12 = PlacidusCusp(h, h.ramc + DegToRad(60.0), 1.5, true);
    c[2] = PlacidusCusp(h, h.ramc + DegToRad(120.0), 1.5, false);
    c[3] = PlacidusCusp(h, h.ramc + DegToRad(150.0), 3.0, false);
    // The 11th and 12th are kept as their opposites, the 5th and 6th.
    c[5] = Normalize360(cusp11 + 180.0);
    c[6] = Normalize360(cusp12 + 180.0);
    for (int n = 1; n <= 12; ++n) {
        if (n <= 6)
            c[n] = Normalize360(c[n]);
        else
            c[n] = Normalize360(c[n - 6] + 180.0);
    }
}

// ---------------------------------------------------------------- Koch

void KochCusps(const ChartState& chart, CuspByHouseTable& c) {
    const HouseFrame h = FrameOf(chart, HouseLatitude(chart));
    const double tanPhi = std::tan(h.phi);
    // Ascensional difference of the Midheaven's degree.
    const double ad = ArcSin(std::sin(h.ramc) * tanPhi * std::tan(h.epsilon));
    const double adDeg = RadToDeg(ad);
    for (int n = 1; n <= 12; ++n) {
        const double hAngle = Normalize360(HouseAngleDeg(n));
        double k = 0;
        double q = 0;
        if (hAngle < 180.0) {
            k = 1.0;
            q = hAngle / 90.0 - 1.0;
        } else {
            k = -1.0;
            q = hAngle / 90.0 - 3.0;
        }
        const double x = DegToRad(Normalize360(chart.Ramc + hAngle + q * adDeg));
        c[n] = ResolveArctanDeg(std::sin(x),
                                std::cos(x) * std::cos(h.epsilon) - k * tanPhi * std::sin(h.epsilon));
    }
}

// ---------------------------------------------------------------- Campanus

void CampanusCusps(const ChartState& chart, CuspByHouseTable& c) {
    const HouseFrame h = FrameOf(chart, HouseLatitude(chart));
    const double tanPhi = std::tan(h.phi);
    for (int n = 1; n <= 12; ++n) {
        // The extra millionth of a degree keeps the tangent finite at 90 and 270.
        const double hAngle = DegToRad(30.0 * n + 60.000001);
        double a = std::atan(std::tan(hAngle) * std::cos(h.phi));
        if (a < 0) a += kPi;
        if (std::sin(hAngle) < 0) a += kPi;
        const double x = h.ramc + a;
        c[n] = ResolveArctanDeg(std::sin(x), std::cos(x) * std::cos(h.epsilon) -
                                                 tanPhi * std::sin(a) * std::sin(h.epsilon));
    }
}

// ---------------------------------------------------------------- Regiomontanus

void RegiomontanusCusps(const ChartState& chart, CuspByHouseTable& c) {
    const HouseFrame h = FrameOf(chart, HouseLatitude(chart));
    const double tanPhi = std::tan(h.phi);
    for (int n = 1; n <= 12; ++n) {
        const double hAngle = DegToRad(HouseAngleDeg(n));
        const double x = h.ramc + hAngle;
        c[n] = ResolveArctanDeg(std::sin(x), std::cos(h.epsilon) * std::cos(x) -
                                                 tanPhi * std::sin(hAngle) * std::sin(h.epsilon));
    }
}

// ---------------------------------------------------------------- Meridian, Morinus

void MeridianCusps(const ChartState& chart, CuspByHouseTable& c) {
    const HouseFrame h = FrameOf(chart, HouseLatitude(chart));
    for (int n = 1; n <= 12; ++n) {
        const double x = h.ramc + DegToRad(HouseAngleDeg(n));
        c[n] = ResolveArctanDeg(std::sin(x), std::cos(h.epsilon) * std::cos(x));
    }
}

void MorinusCusps(const ChartState& chart, CuspByHouseTable& c) {
    const HouseFrame h = FrameOf(chart, HouseLatitude(chart));
    for (int n = 1; n <= 12; ++n) {
        const double x = h.ramc + DegToRad(HouseAngleDeg(n));
        c[n] = ResolveArctanDeg(std::sin(x) * std::cos(h.epsilon), std::cos(x));
    }
}

// ---------------------------------------------------------------- Porphyry

void PorphyryCusps(const ChartState& chart, CuspByHouseTable& c) {
    const double ic = Normalize360(chart.Midheaven + 180.0);
    double q1 = chart.Ascendant - chart.Midheaven;  // Midheaven to Ascendant
    if (q1 < 0) q1 += 360.0;
    double q2 = ic - chart.Ascendant;  // Ascendant to the lower heaven
    if (q2 < 0) q2 += 360.0;
    c[4] = ic;
    c[1] = chart.Ascendant;
    for (int k = 1; k <= 2; ++k) {
        c[4 + k] = Normalize360(chart.Midheaven + 180.0 + k * q1 / 3.0);
        c[1 + k] = Normalize360(chart.Ascendant + k * q2 / 3.0);
    }
    for (int n = 7; n <= 12; ++n) c[n] = Normalize360(c[n - 6] + 180.0);
}

// ---------------------------------------------------------------- equal houses

// Equal houses written straight into the display table: the first entry
// given, each following entry 30 degrees on, wrapping from entry 12 to 1.
void EqualCusps(ChartState& chart, int firstEntry, double firstCusp) {
    double cusp = firstCusp;
    for (int i = 0; i < 12; ++i) {
        const int entry = (firstEntry - 1 + i) % 12 + 1;
        chart.Cusp[entry] = FoldFull(cusp);
        cusp = Normalize360(cusp + 30.0);
    }
}

}  // namespace

void ComputeHouseCusps(ChartState& chart) {
    chart.SiderealTimeText = SiderealTimeTextFor(chart.Ramc, chart.LatitudeSide == "SOUTH");

    const std::string& code = chart.HouseSystemCode;
    if (code == "EA") {
        EqualCusps(chart, 4, chart.Ascendant);
        return;
    }
    if (code == "EM") {
        EqualCusps(chart, 1, chart.Midheaven);
        return;
    }

    CuspByHouseTable byHouse{};
    if (code == "P")
        PlacidusCusps(chart, byHouse);
    else if (code == "K")
        KochCusps(chart, byHouse);
    else if (code == "C")
        CampanusCusps(chart, byHouse);
    else if (code == "O")
        PorphyryCusps(chart, byHouse);
    else if (code == "M")
        MeridianCusps(chart, byHouse);
    else if (code == "I")
        MorinusCusps(chart, byHouse);
    else
        RegiomontanusCusps(chart, byHouse);  // "R" and any code not known

    // Display order: the 10th, 11th and 12th first, then the 1st to the 9th.
    // Entry 13 is not part of the table and is left as it was.
    for (int j = 1; j <= 12; ++j) {
        const int house = j <= 3 ? j + 9 : j - 3;
        chart.Cusp[j] = FoldFull(byHouse[static_cast<std::size_t>(house)]);
    }
}

void PlaceBodiesInHouses(ChartState& chart) {
    // The text is built afresh, so a body that falls in no house (possible
    // only with cusps out of order) shows no house rather than the one it had
    // in an earlier placement.
    std::string text(150, ' ');
    for (int n = 1; n <= 15; ++n) text.replace(static_cast<std::size_t>(10 * n - 6), 6, " HOUSE");

    // A body exactly on a cusp belongs to the house that begins there: each
    // longitude is moved on by a tenth of an arc second, and brought back
    // into 0 up to 360 so that a body just below 360 finds the house of 0 Aries.
    constexpr double kCuspNudge = 1.0 / 36000.0;
    for (int j = 1; j <= 12; ++j) {
        const double c1 = chart.Cusp[j];
        const double c2 = chart.Cusp[j == 12 ? 1 : j + 1];
        const std::string_view ordinal = HouseOrdinal(j);
        for (int n = 1; n <= 15; ++n) {
            const double x = Normalize360(chart.Longitude[n] + kCuspNudge);
            const bool inside = c1 <= c2 ? (c1 <= x && x < c2) : (c1 <= x || x < c2);
            if (inside) text.replace(static_cast<std::size_t>(10 * n - 10), 4, ordinal);
        }
    }
    chart.HousePositionText = std::move(text);
}

}  // namespace quaeryn
