#include <gtest/gtest.h>

#include "astro/TimeScales.h"

namespace quaeryn {
namespace {

ChartState Event(int day, double clock, bool pm, double zone) {
    ChartState c;
    c.Day = static_cast<int16_t>(day);
    c.Month = 3;
    c.Year = 2001;
    c.ClockTime = clock;
    c.AmPmText = pm ? "P.M." : "A.M.";
    c.ZoneHours = zone;
    c.LongitudeDm = 73.58f;
    c.LatitudeDm = 40.45f;
    c.LatitudeSide = "NORTH";
    ComputeTimeAndAngles(c);
    return c;
}

TEST(TimeArgument, IsContinuousWhenTheDayFractionPassesOne) {
    // 7 P.M. of the 5th in zone 5 leaves the day fraction at 1; 12 A.M. of
    // the 6th in zone 0 is the same instant: same T, same RAMC, same angles,
    // although the day numbers differ.
    const ChartState evening = Event(5, 7.00, true, 5);
    const ChartState midnight = Event(6, 12.00, false, 0);
    EXPECT_EQ(evening.UtDayFraction, 1.0);
    EXPECT_EQ(evening.JulianDayNumber + 1, midnight.JulianDayNumber);
    EXPECT_NEAR(evening.CenturiesT, midnight.CenturiesT, 1e-13);
    EXPECT_NEAR(evening.Ramc, midnight.Ramc, 1e-7);
    EXPECT_NEAR(evening.Midheaven, midnight.Midheaven, 1e-7);
    EXPECT_NEAR(evening.Ascendant, midnight.Ascendant, 1e-7);
}

}  // namespace
}  // namespace quaeryn
