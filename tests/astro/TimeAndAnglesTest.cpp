#include <gtest/gtest.h>

#include <cmath>

#include "app/CastChart.h"
#include "astro/AngleMath.h"
#include "astro/TimeScales.h"
#include "base/Numbers.h"

namespace quaeryn {
namespace {

ChartState Parsed(const char* month, const char* day, const char* year, const char* hour,
                  const char* minute, bool pm, const char* tz, const char* longDeg,
                  const char* longMin, bool east, bool lmt = false) {
    EventEntries e;
    e.month = month;
    e.day = day;
    e.year = year;
    e.hour = hour;
    e.minute = minute;
    e.pm = pm;
    e.tz = tz;
    e.longDeg = longDeg;
    e.longMin = longMin;
    e.east = east;
    e.latDeg = "40";
    e.latMin = "0";
    e.lmt = lmt;
    ChartState c;
    EXPECT_TRUE(ParseEntries(e, RegionalFormats{}, c));
    ComputePrecessionTerms(c);
    ComputeTimeAndAngles(c);
    return c;
}

TEST(ComputeTimeAndAngles, UniversalTimeFromClockZoneAndMeridiem) {
    struct Case {
        const char* hour;
        const char* minute;
        bool pm;
        const char* tz;
        double utHours;
    } cases[] = {
        {"12", "15", false, "0", 0.25},         // 12.15 A.M. is 0h15m
        {"12", "15", true, "0", 12.25},         // 12.15 P.M. is 12h15m
        {"11", "59", true, "0", 23 + 59 / 60.0},
        {"7", "0", true, "5", 24.0},            // not folded back: the fraction reaches 1
        {"10", "30", false, "-5.5", 5.0},       // east zones subtract
    };
    for (const auto& c : cases) {
        const ChartState s = Parsed("1", "1", "2000", c.hour, c.minute, c.pm, c.tz, "0", "0", false);
        EXPECT_NEAR(s.UtDayFraction * 24.0, c.utHours, 1e-9) << c.hour << "." << c.minute;
    }
}

TEST(ComputeTimeAndAngles, LocalMeanTimeCorrectsTheUniversalTime) {
    // Zone 5, longitude 80 W, 12.00 P.M. LMT: 17h20m UT, standard time 12h20m.
    const ChartState s = Parsed("1", "1", "2000", "12", "0", true, "5", "80", "0", false, true);
    EXPECT_NEAR(s.UtDayFraction * 24.0, 17 + 20 / 60.0, 1e-9);
    EXPECT_NEAR(s.StandardDayFraction * 24.0, 12 + 20 / 60.0, 1e-9);
    // East: zone -1, 20 E: the Sun is 1h20m ahead of Greenwich.
    const ChartState e = Parsed("1", "1", "2000", "9", "0", false, "-1", "20", "0", true, true);
    EXPECT_NEAR(e.UtDayFraction * 24.0, 9 - 4 / 3.0, 1e-9);
    EXPECT_NEAR(e.StandardDayFraction * 24.0, 9 - 4 / 3.0 + 1.0, 1e-9);
}

TEST(JulianDayNumberOf, SwitchesCalendarAfterTheFifteenthOfOctober1582) {
    struct Case {
        int d, m, y;
        double jd;
    } cases[] = {
        {1, 1, 2000, 2451545},   {31, 12, 1899, 2415020}, {4, 10, 1582, 2299160},
        {15, 10, 1582, 2299171}, {16, 10, 1582, 2299162}, {1, 1, 100, 1757583},
        {31, 12, 2099, 2488069}, {1, 3, 1900, 2415080},
    };
    for (const auto& c : cases) EXPECT_EQ(JulianDayNumberOf(c.d, c.m, c.y), c.jd) << c.d << "/" << c.m << "/" << c.y;
}

TEST(ComputeTimeAndAngles, NoonOfTheFirstOfJanuary2000) {
    const ChartState s = Parsed("1", "1", "2000", "12", "0", true, "0", "0", "0", false);
    EXPECT_EQ(s.JulianDayNumber, 2451545);
    EXPECT_NEAR(s.CenturiesT, 1.0, 1e-12);
    EXPECT_NEAR(s.ObliquityDegrees(), 23.4393, 5e-5);
    EXPECT_LT(s.Obliquity, 0);  // the stored field holds -ε after the time step
    // Greenwich sidereal time at 2000-01-01 12h UT is about 18h41m50s.
    EXPECT_NEAR(s.Ramc, 280.46, 0.01);
    EXPECT_NEAR(s.RightAscension[15], s.Ramc, 1e-12);
    EXPECT_DOUBLE_EQ(s.PrecessionSince2000, 0);
    EXPECT_NEAR(s.PrecessionSince1990, 10 * 50.23 / 3600, 1e-12);
}

TEST(ComputeTimeAndAngles, WestLongitudesAreSubtractedFromSiderealTime) {
    const ChartState g = Parsed("1", "1", "2000", "12", "0", true, "0", "0", "0", false);
    const ChartState w = Parsed("1", "1", "2000", "12", "0", true, "0", "74", "30", false);
    const ChartState e = Parsed("1", "1", "2000", "12", "0", true, "0", "74", "30", true);
    // 74.30 is held in single precision, as entered.
    EXPECT_NEAR(Normalize360(g.Ramc - w.Ramc), 74.5, 1e-4);
    EXPECT_NEAR(Normalize360(e.Ramc - g.Ramc), 74.5, 1e-4);
}

TEST(Angles, MidheavenAndAscendantAtRamcThirty) {
    const double ramc = DegToRad(30.0);
    const double eps = DegToRad(23.44);
    const double phi = DegToRad(40.0);
    EXPECT_NEAR(MidheavenFrom(ramc, eps), 32.18, 0.005);
    // The cast passes -ε and the negated latitude: the two negations cancel.
    EXPECT_NEAR(AscendantFrom(ramc, -eps, -phi), 132.46, 0.005);
    EXPECT_NEAR(AscendantFrom(ramc, eps, phi), 132.46, 0.005);
}

TEST(SiderealTimeText, TwoDigitsEachAndTwelveHoursAheadInTheSouth) {
    EXPECT_EQ(SiderealTimeTextFor(15 * (5 + 7 / 60.0 + 33.5 / 3600), false), "05H  07M  33S ");
    EXPECT_EQ(SiderealTimeTextFor(15 * (5 + 7 / 60.0 + 33.5 / 3600), true), "17H  07M  33S ");
    EXPECT_EQ(SiderealTimeTextFor(0, false), "00H  00M  00S ");
    EXPECT_EQ(SiderealTimeTextFor(359.999, true), "11H  59M  59S ");
}

TEST(AngleHelpers, EdgeValues) {
    EXPECT_DOUBLE_EQ(Normalize360(-30), 330);
    EXPECT_DOUBLE_EQ(Normalize360(720), 0);
    EXPECT_DOUBLE_EQ(Normalize360(359.5), 359.5);
    EXPECT_EQ(Normalize360(-1e-15), 0.0);  // would round to 360, a thirteenth sign
    EXPECT_LT(Normalize360(-1e-12), 360.0);
    EXPECT_NEAR(DotToDecimal(74.05), 74 + 5 / 60.0, 1e-12);
    EXPECT_NEAR(DotToDecimal(10.30), 10.5, 1e-12);
    EXPECT_DOUBLE_EQ(Round2(0.125), 0.13);
    // ArcCos keeps its quirk: negative arguments give the arc cosine minus pi.
    EXPECT_NEAR(ArcCos(0.5), DegToRad(60), 1e-9);
    EXPECT_NEAR(ArcCos(-0.5), DegToRad(120) - kPi, 1e-9);
    EXPECT_NEAR(ArcSin(0.5), DegToRad(30), 1e-9);

    const Spherical down = RectToSpherical(0, 0, -1);
    EXPECT_EQ(down.longitude, 0);
    EXPECT_EQ(down.latitude, -90);
    EXPECT_DOUBLE_EQ(RectToSpherical(-1, 0, 0).longitude, 180);
    // The system's pi of ten decimals shows in the ninth decimal of degrees.
    EXPECT_NEAR(RectToSpherical(0, -1, 0).longitude, 270, 1e-8);
    EXPECT_NEAR(RectToSpherical(1, 1, 0).longitude, 45, 1e-8);
    EXPECT_EQ(RectToSpherical(0, 0, 0).latitude, 0);

    double y = 0;
    const Polar p = RectToPolar(1, y);
    EXPECT_EQ(y, kTinyAngle);  // the caller's y is changed too
    EXPECT_NEAR(p.angle, kTinyAngle, 1e-15);
    double y2 = -1;
    EXPECT_NEAR(RectToPolar(-1, y2).angle, DegToRad(225), 1e-9);
    EXPECT_NEAR(ResolveArctanDeg(-1, -1), 225, 1e-7);
    EXPECT_NEAR(ResolveArctanDeg(1, -1), 135, 1e-7);
    EXPECT_NEAR(ResolveArctanDeg(-1, 1), 315, 1e-7);
    // The declination of 90° of longitude is the obliquity (the stored field is -ε).
    EXPECT_NEAR(EclipticDeclination(90, -DegToRad(23.44)), 23.44, 1e-7);
    EXPECT_NEAR(EclipticDeclination(270, -DegToRad(23.44)), -23.44, 1e-7);
}

}  // namespace
}  // namespace quaeryn
