#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/MoonSun.h"
#include "astro/TimeScales.h"
#include "horary/PlanetaryHours.h"
#include "support/ChartBuilder.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn::hours {
namespace {

TEST(PlanetaryDay, WeekdayOfAnyDate) {
    struct Case {
        int day, month, year;
        int weekday;  // 0 Wednesday … 6 Tuesday
    } cases[] = {
        {1, 1, 2000, 3},    // Saturday
        {7, 12, 2026, 5},   // Monday
        {1, 1, 1890, 0},    // Wednesday, the reference day
        {31, 12, 1889, 6},  // Tuesday: before the reference day the remainder is negative
        {1, 1, 1800, 0},    // Wednesday
        {4, 7, 1776, 1},    // Thursday
        {16, 10, 1582, 3},  // Saturday, the second Gregorian day
        {4, 10, 1582, 1},   // Thursday, the last Julian day
    };
    for (const auto& c : cases)
        EXPECT_EQ(WeekdayIndex(JulianDayNumberOf(c.day, c.month, c.year)), c.weekday)
            << c.day << "/" << c.month << "/" << c.year;
}

TEST(PlanetaryDay, LocalClockTimeFromTheTwelveHourEntry) {
    struct Case {
        double hmm;
        bool pm;
        double hours;
    } cases[] = {
        {12.30, false, 0.5}, {12.30, true, 12.5}, {11.45, true, 23.75}, {6.00, false, 6.0},
        {1.15, true, 13.25}, {11.59, false, 11.0 + 59.0 / 60},
    };
    for (const auto& c : cases) EXPECT_NEAR(LocalClockHours(c.hmm, c.pm), c.hours, 1e-9) << c.hmm << c.pm;
}

TEST(PlanetaryHour, HoursRunFromSunriseAndFromSunset) {
    constexpr int Sunday = 4;
    struct Case {
        const char* what;
        double t, sunrise, sunset;
        const char* day;
        int hour;
        const char* ruler;
    } cases[] = {
        {"first hour after sunrise", 6.5, 6, 18, "Sun day    ", 1, "Sun hour    "},
        {"sunrise itself", 6.0, 6, 18, "Sun day    ", 1, "Sun hour    "},
        {"second hour", 7.5, 6, 18, "Sun day    ", 2, "Venus hour  "},
        {"third hour", 8.5, 6, 18, "Sun day    ", 3, "Mercury hour"},
        {"last day hour", 17.99, 6, 18, "Sun day    ", 12, "Saturn hour "},
        {"sunset itself", 18.0, 6, 18, "Sun day    ", 13, "Jupiter hour"},
        {"evening", 23.5, 6, 18, "Sun day    ", 18, "Moon hour   "},
        {"4:00 before a 6:00 sunrise", 4.0, 6, 18, "Saturn day ", 23, "Jupiter hour"},
        {"midnight", 0.0, 6, 18, "Saturn day ", 19, "Venus hour  "},
        {"just before sunrise", 5.999, 6, 18, "Saturn day ", 24, "Mars hour   "},
        // Unequal hours: a 16-hour day has hours of 80 minutes, its night 40.
        {"long day, hour 1", 6.3, 5, 21, "Sun day    ", 1, "Sun hour    "},
        {"long day, hour 2", 6.34, 5, 21, "Sun day    ", 2, "Venus hour  "},
        {"short night, hour 14", 21.7, 5, 21, "Sun day    ", 14, "Mars hour   "},
        {"short night after midnight", 1.2, 5, 21, "Saturn day ", 19, "Venus hour  "},
        // A sunset past midnight on the clock still closes the day before.
        {"sunset after midnight", 0.3, 5, 0.5, "Saturn day ", 12, "Venus hour  "},
    };
    // A day of no length (sunrise and sunset not found) still gives an hour
    // of the table.
    for (double t : {0.0, 6.0, 12.0, -1e10}) {
        const HourPosition p = LocatePlanetaryHour(Sunday, t, 6, 6);
        EXPECT_GE(p.hour, 1) << t;
        EXPECT_LE(p.hour, 24) << t;
    }
    for (const auto& c : cases) {
        const HourPosition p = LocatePlanetaryHour(Sunday, c.t, c.sunrise, c.sunset);
        EXPECT_EQ(DayText(p.dayIndex), c.day) << c.what;
        EXPECT_EQ(p.hour, c.hour) << c.what;
        EXPECT_EQ(HourText(HourRulerIndex(p.dayIndex, p.hour)), c.ruler) << c.what;
    }
}

TEST(PlanetaryHour, EveryInstantFromSunriseToTheNextFallsInExactlyOneHour) {
    // Each hour holds its start and not its end; the night runs on past
    // midnight to the next sunrise, and after midnight the day is the one before.
    constexpr int Sunday = 4;
    struct Case {
        double sunrise, sunset;
    } cases[] = {{6.0, 18.0}, {4.5, 21.25}, {7.9, 16.1}, {5.0, 0.5}, {3.25, 22.75}};
    for (const auto& c : cases) {
        const double day = std::fmod(c.sunset - c.sunrise + 24.0, 24.0);
        for (int k = 0; k < 24; ++k) {
            const double length = k < 12 ? day / 12 : (24.0 - day) / 12;
            const double start = k < 12 ? c.sunrise + k * length : c.sunset + (k - 12) * length;
            for (const double into : {1e-7, 0.5 * length, length - 1e-7}) {
                const double t = std::fmod(start + into, 24.0);
                const HourPosition p = LocatePlanetaryHour(Sunday, t, c.sunrise, c.sunset);
                EXPECT_EQ(p.hour, k + 1) << c.sunrise << "-" << c.sunset << " t=" << t;
                EXPECT_EQ(p.dayIndex, t < c.sunrise ? Sunday - 1 : Sunday)
                    << c.sunrise << "-" << c.sunset << " t=" << t;
            }
        }
    }
}

TEST(PlanetaryHour, EachDayBeginsWithItsOwnRulerAndTheHoursFollowTheChaldeanOrder) {
    for (int d = 0; d <= 6; ++d) {
        const std::string day = DayText(d);
        const std::string first = HourText(HourRulerIndex(d, 1));
        EXPECT_EQ(day.substr(0, day.find(' ')), first.substr(0, first.find(' '))) << d;
        for (int h = 1; h < 24; ++h)
            EXPECT_EQ(HourRulerIndex(d, h + 1), HourRulerIndex(d, h) % 7 + 1) << d << " " << h;
        // The day after follows on from the 24th hour.
        EXPECT_EQ(HourRulerIndex((d + 1) % 7, 1), HourRulerIndex(d, 24) % 7 + 1) << d;
    }
}

ChartState Event(int day, int month, int year, double hmm, bool pm, double zone, float longitudeDm,
                 float latitudeDm) {
    test::ChartBuilder b;
    b.latitude(latitudeDm);
    ChartState c = b.build();
    c.Day = static_cast<int16_t>(day);
    c.Month = static_cast<int16_t>(month);
    c.Year = static_cast<int16_t>(year);
    c.ClockTime = hmm;
    c.AmPmText = pm ? "P.M." : "A.M.";
    c.ZoneHours = zone;
    c.LongitudeDm = longitudeDm;
    return c;
}

TEST(SunriseAndSunset, FoundWhereTheSunCrossesTheHorizon) {
    struct Case {
        const char* what;
        ChartState chart;
        double sunrise, sunset;  // local clock hours, the Sun's centre on the horizon
        const char* day;
    } cases[] = {
        {"New York, 1 January 2000, noon", Event(1, 1, 2000, 12.00, true, 5, 73.58f, 40.45f), 7.42, 16.57,
         "Saturn day "},
        {"Sydney, 1 January 2000, 10 A.M.", Event(1, 1, 2000, 10.00, false, -10, -151.13f, -33.52f), 4.87,
         19.08, "Saturn day "},
        {"London, 21 June 2001, 3 A.M.", Event(21, 6, 2001, 3.00, false, 0, 0.07f, 51.30f), 3.78, 20.27,
         "Mercury day"},  // Thursday before sunrise: still Wednesday's night
        {"New York, 21 March 2001", Event(21, 3, 2001, 10.30, false, 5, 73.58f, 40.45f), 6.03, 18.1,
         "Mercury day"},
    };
    for (const auto& c : cases) {
        test::ScriptedPrompt prompt;
        const DayAndHour r = ComputeDayAndHour(c.chart, prompt, SunPosition);
        EXPECT_NEAR(r.sunrise, c.sunrise, 0.15) << c.what;
        EXPECT_NEAR(r.sunset, c.sunset, 0.15) << c.what;
        EXPECT_EQ(r.dayText, c.day) << c.what;
    }
}

TEST(SunriseAndSunset, LocalMeanTimeIsComparedOnItsOwnClock) {
    // Cairo entered in local mean time with zone 0: the clock of the place
    // runs 2h05m ahead of Greenwich, and so do its sunrise and sunset.
    ChartState zone = Event(1, 1, 2000, 7.30, false, 0, -31.15f, 30.03f);
    ChartState lmt = zone;
    lmt.LocalMeanTime = true;
    test::ScriptedPrompt prompt;
    const DayAndHour byZone = ComputeDayAndHour(zone, prompt, SunPosition);
    const DayAndHour byLmt = ComputeDayAndHour(lmt, prompt, SunPosition);
    const double shift = (31.0 + 15.0 / 60) / 15.0;
    EXPECT_NEAR(byLmt.sunrise - byZone.sunrise, shift, 1.0 / 60);
    EXPECT_NEAR(byLmt.sunset - byZone.sunset, shift, 1.0 / 60);
    // Sunrise is near 7:00 local mean time, so 7:30 is in the first hour;
    // read against sunrise on the Greenwich clock (4:55) it would be hours later.
    EXPECT_EQ(byLmt.hour, 1);
    EXPECT_GT(byZone.hour, 2);
    EXPECT_EQ(byLmt.hourText, "Saturn hour ");
}

TEST(SunriseAndSunset, PolarNightWarnsAndNamesNoRuler) {
    // 69 degrees south in June: the Sun stays below the horizon all day.
    test::ScriptedPrompt prompt;
    prompt.expect("no-sunrise").expect("no-sunset");
    const DayAndHour r =
        ComputeDayAndHour(Event(21, 6, 2001, 12.00, true, 0, 0.0f, -69.0f), prompt, SunPosition);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.sunrise, 0);
    EXPECT_EQ(r.sunset, 0);
    EXPECT_EQ(r.dayText, "");
    EXPECT_EQ(r.hourText, "");
    EXPECT_EQ(r.hour, 0);
    ASSERT_EQ(prompt.seen().size(), 2u);
    EXPECT_EQ(prompt.seen()[0].text, "I cannot find sunrise. The latitude is too extreme.");
    EXPECT_EQ(prompt.seen()[0].title, "Warning!");
    EXPECT_EQ(prompt.seen()[1].text, "I cannot find sunset. The latitude is too extreme.");
}

TEST(SunriseAndSunset, ASunThatNeverMeetsTheHorizonEndsTheSearch) {
    // A Sun that jumps about defeats every damping; the search gives up.
    int calls = 0;
    const SunLongitude restless = [&calls](double) { return (++calls % 2) ? 10.0 : 190.0; };
    SearchSite site;
    site.julianDayNumber = JulianDayNumberOf(1, 1, 2000);
    site.latitudeDm = 40.45;
    EXPECT_FALSE(FindSunOnHorizon(site, false, restless).has_value());
    EXPECT_EQ(calls, 7 * 2500);  // seven rounds of 2500 steps, from k = 4 down to 0.0625
}

}  // namespace
}  // namespace quaeryn::hours
