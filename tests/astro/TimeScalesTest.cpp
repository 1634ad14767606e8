#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/Position.h"
#include "astro/TimeScales.h"

namespace quaeryn {
namespace {

TEST(JulianDayNumber, SwitchesToTheGregorianCalendarAfter15October1582) {
    struct Case {
        int day, month, year;
        double jd;
    } cases[] = {
        {1, 1, 2000, 2451545},   {31, 12, 1899, 2415020},
        {4, 10, 1582, 2299160},  // the last Julian day
        {15, 10, 1582, 2299171}, // still reckoned in the Julian calendar
        {16, 10, 1582, 2299162}, // Gregorian
        {1, 3, 2000, 2451605},   {28, 2, 1900, 2415079}, {1, 3, 1900, 2415080},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JulianDayNumberOf(c.day, c.month, c.year), c.jd) << c.day << "/" << c.month << "/" << c.year;
}

ChartState Event(int day, int month, int year, double clock, bool pm, double zone, float longitude = 0,
                 bool lmt = false) {
    ChartState c;
    c.Day = static_cast<int16_t>(day);
    c.Month = static_cast<int16_t>(month);
    c.Year = static_cast<int16_t>(year);
    c.ClockTime = clock;
    c.AmPmText = pm ? "P.M." : "A.M.";
    c.ZoneHours = zone;
    c.LongitudeDm = longitude;
    c.LatitudeDm = 40.45f;
    c.LatitudeSide = "NORTH";
    c.LocalMeanTime = lmt;
    ComputeTimeAndAngles(c);
    return c;
}

TEST(ComputeTimeAndAngles, UniversalTimeFromTheTwelveHourClockAndTheZone) {
    struct Case {
        double clock;
        bool pm;
        double zone;
        double utHours;
    } cases[] = {
        {12.15, false, 0, 0.25},            // twelve o'clock counts as 0
        {12.15, true, 0, 12.25},
        {11.59, true, 0, 23 + 59 / 60.0},
        {10.30, false, 5, 15.5},
        {7.00, true, 5, 24.0},              // not folded back into the day
        {1.00, false, -5.5, -4.5},          // east of Greenwich: before midnight UT
    };
    for (const auto& c : cases) {
        const ChartState s = Event(5, 3, 2001, c.clock, c.pm, c.zone);
        EXPECT_NEAR(s.UtDayFraction, c.utHours / 24.0, 1e-12) << c.clock << (c.pm ? " P.M." : " A.M.");
        EXPECT_EQ(s.JulianDayNumber, 2451974);  // the day number is never advanced
    }
}

TEST(ComputeTimeAndAngles, TheTimeArgumentIsContinuousAcrossMidnight) {
    // 7 P.M. in zone 5 is midnight UT of the next day: same T, same RAMC.
    const ChartState evening = Event(5, 3, 2001, 7.00, true, 5);
    const ChartState midnight = Event(6, 3, 2001, 12.00, false, 0);
    EXPECT_NEAR(evening.CenturiesT, midnight.CenturiesT, 1e-13);
    EXPECT_NEAR(evening.Ramc, midnight.Ramc, 1e-7);
}

TEST(ComputeTimeAndAngles, NoonOfTheFirstOf2000IsOneCenturyFrom1900) {
    const ChartState s = Event(1, 1, 2000, 12.00, true, 0);
    EXPECT_EQ(s.JulianDayNumber, 2451545);
    EXPECT_NEAR(s.CenturiesT, 1.0, 1e-12);
    EXPECT_NEAR(s.ObliquityDegrees(), 23.4393, 0.00005);
    EXPECT_LT(s.Obliquity, 0);  // the field holds -ε after the time step
    // Greenwich sidereal time at 12h UT on 1 January 2000: 18h 41m 50.5s.
    EXPECT_NEAR(s.Ramc, (18 + 41 / 60.0 + 50.5 / 3600.0) * 15.0, 0.01);
}

TEST(ComputeTimeAndAngles, LocalMeanTimeMovesTheClockByTheLongitude) {
    // Zone 5, 80.00 west, 12.00 P.M. local mean time: 17h20m UT, and the zone
    // time of that instant is 12h20m.
    const ChartState s = Event(5, 3, 2001, 12.00, true, 5, 80.00f, true);
    EXPECT_NEAR(s.UtDayFraction * 24.0, 17 + 20 / 60.0, 1e-9);
    EXPECT_NEAR(s.StandardDayFraction * 24.0, 12 + 20 / 60.0, 1e-9);
    // East of the zone meridian the clock runs ahead: zone -1, 20.00 east,
    // 12.00 P.M. LMT is 11h40m zone time, 10h40m UT.
    const ChartState e = Event(5, 3, 2001, 12.00, true, -1, -20.00f, true);
    EXPECT_NEAR(e.UtDayFraction * 24.0, 10 + 40 / 60.0, 1e-9);
    EXPECT_NEAR(e.StandardDayFraction * 24.0, 11 + 40 / 60.0, 1e-9);
}

TEST(SplitPosition, RoundsMinutesWithoutCarryingIntoTheDegree) {
    struct Case {
        double longitude;
        const char* text;
    } cases[] = {
        {10.9999, "10 ARI 59"}, {29.999, "29 ARI 59"}, {30.0, "00 TAU 00"},  {0.1167, "00 ARI 07"},
        {125.5, "05 LEO 30"},   {59.0, "29 TAU 00"},   {359.99, "29 PIS 59"}, {270.0, "00 CPR 00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatPosition(c.longitude), c.text) << c.longitude;
    EXPECT_EQ(FormatPositionSeconds(5.12584), "05 ARI 07m 33s");
}

TEST(AngleMath, ZeroCasesAndFolding) {
    struct Case {
        double x, y, z, longitude, latitude;
    } cases[] = {
        {0, 0, -1, 0, -90}, {0, 0, 1, 0, 90}, {0, 0, 0, 0, 0},   {-1, 0, 0, 180, 0},
        {0, -1, 0, 270, 0}, {1, 1, 0, 45, 0}, {1, -1, 0, 315, 0}, {-1, -1, 0, 225, 0},
    };
    for (const auto& c : cases) {
        const Spherical s = RectToSpherical(c.x, c.y, c.z);
        // pi has ten decimals: a few billionths of a degree at 270.
        EXPECT_NEAR(s.longitude, c.longitude, 1e-8) << c.x << "," << c.y << "," << c.z;
        EXPECT_NEAR(s.latitude, c.latitude, 1e-9) << c.x << "," << c.y << "," << c.z;
    }
    EXPECT_DOUBLE_EQ(Normalize360(-30), 330);
    EXPECT_DOUBLE_EQ(Normalize360(720), 0);
    EXPECT_DOUBLE_EQ(Normalize360(359.5), 359.5);
}

}  // namespace
}  // namespace quaeryn
