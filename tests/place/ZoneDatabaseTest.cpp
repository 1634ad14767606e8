#include "place/ZoneDatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "place/ZoneRule.h"

namespace quaeryn {
namespace {

std::int64_t Utc(int y, int mo, int d, int h, int mi, int s = 0) {
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

const char* KindName(ZoneKind k) {
    switch (k) {
        case ZoneKind::Standard:
            return "standard";
        case ZoneKind::Summer:
            return "summer";
        case ZoneKind::LocalMeanTime:
            return "lmt";
    }
    return "?";
}

// Offsets and kinds of moments the clocks showed once. Past dates only
// (a later edition of the database never changes them), and a few years
// after the files' last listed change, which follow the zone's lasting rule.
TEST(ZoneDatabase, OffsetOfAMomentInTheProgramsConvention) {
    struct Case {
        const char* zone;
        LocalMoment at;
        double hoursWest;
        ZoneKind kind;
    } cases[] = {
        {"Europe/Paris", {2020, 7, 1, 12, 0}, -2, ZoneKind::Summer},
        {"Europe/Paris", {2020, 1, 15, 12, 0}, -1, ZoneKind::Standard},
        {"America/New_York", {2020, 1, 15, 12, 0}, 5, ZoneKind::Standard},
        {"America/New_York", {2020, 7, 4, 12, 0}, 4, ZoneKind::Summer},
        {"Asia/Kathmandu", {2020, 6, 1, 12, 0}, -5.75, ZoneKind::Standard},
        {"Asia/Kathmandu", {2020, 12, 1, 0, 0}, -5.75, ZoneKind::Standard},
        {"Australia/Adelaide", {2020, 1, 15, 12, 0}, -10.5, ZoneKind::Summer},
        {"Australia/Adelaide", {2020, 7, 15, 12, 0}, -9.5, ZoneKind::Standard},
        {"Asia/Kolkata", {2020, 3, 1, 9, 30}, -5.5, ZoneKind::Standard},
        {"America/St_Johns", {2019, 1, 10, 8, 0}, 3.5, ZoneKind::Standard},
        {"Etc/UTC", {2020, 7, 1, 12, 0}, 0, ZoneKind::Standard},
        // Ireland flags its winter time in the files (clocks put back for
        // the winter); the summer is still the summer time.
        {"Europe/Dublin", {2020, 1, 15, 12, 0}, 0, ZoneKind::Standard},
        {"Europe/Dublin", {2020, 7, 15, 12, 0}, -1, ZoneKind::Summer},
        // British double summer time in the war.
        {"Europe/London", {1941, 6, 1, 12, 0}, -2, ZoneKind::Summer},
        {"Europe/London", {1941, 1, 10, 12, 0}, -1, ZoneKind::Summer},
        {"America/New_York", {1943, 1, 10, 12, 0}, 4, ZoneKind::Summer},  // war time
        // After the last change the files list (2037): the lasting rule.
        {"Europe/Paris", {2040, 7, 1, 12, 0}, -2, ZoneKind::Summer},
        {"Europe/Paris", {2040, 12, 1, 12, 0}, -1, ZoneKind::Standard},
        {"America/New_York", {2050, 1, 15, 12, 0}, 5, ZoneKind::Standard},
        {"America/New_York", {2050, 7, 15, 12, 0}, 4, ZoneKind::Summer},
        {"Australia/Sydney", {2045, 1, 15, 12, 0}, -11, ZoneKind::Summer},
        {"Australia/Sydney", {2045, 7, 15, 12, 0}, -10, ZoneKind::Standard},
        {"Asia/Tokyo", {2060, 7, 1, 12, 0}, -9, ZoneKind::Standard},
    };
    const ZoneDatabase& zones = SystemZoneDatabase();
    ASSERT_TRUE(zones.Available());
    for (const auto& c : cases) {
        const LocalTimeAnswer a = zones.AtLocalTime(c.zone, c.at);
        const std::string what = std::string(c.zone) + " " + std::to_string(c.at.year) + "-" +
                                 std::to_string(c.at.month) + "-" + std::to_string(c.at.day);
        ASSERT_EQ(a.status, LocalTimeStatus::Unique) << what;
        EXPECT_DOUBLE_EQ(a.offset().hoursWest(), c.hoursWest) << what;
        EXPECT_STREQ(KindName(a.offset().kind), KindName(c.kind)) << what;
        EXPECT_EQ(a.earlier, a.later) << what;
    }
}

TEST(ZoneDatabase, BeforeStandardTimeTheZoneKeptLocalMeanTime) {
    const ZoneDatabase& zones = SystemZoneDatabase();
    struct Case {
        const char* zone;
        LocalMoment at;
        double longitudeWest;  // of the zone's own city
    } cases[] = {
        {"America/New_York", {1850, 1, 1, 12, 0}, 74.006},
        {"America/New_York", {1883, 11, 18, 11, 0}, 74.006},  // the morning of the change
        {"Europe/Paris", {1850, 6, 1, 12, 0}, -2.34},
        {"Europe/Paris", {1500, 2, 29, 12, 0}, -2.34},  // a Julian-calendar leap day
    };
    for (const auto& c : cases) {
        const LocalTimeAnswer a = zones.AtLocalTime(c.zone, c.at);
        ASSERT_EQ(a.status, LocalTimeStatus::Unique) << c.zone << " " << c.at.year;
        EXPECT_EQ(a.offset().kind, ZoneKind::LocalMeanTime) << c.zone << " " << c.at.year;
        EXPECT_EQ(a.offset().abbreviation, "LMT");
        // Mean time is the city's longitude at 4 minutes a degree.
        EXPECT_NEAR(a.offset().hoursWest(), c.longitudeWest / 15.0, 1.0 / 60) << c.zone;
    }
    // The afternoon of 18 November 1883 New York kept standard time.
    const LocalTimeAnswer after = zones.AtLocalTime("America/New_York", {1883, 11, 18, 13, 0});
    EXPECT_EQ(after.offset().kind, ZoneKind::Standard);
    EXPECT_DOUBLE_EQ(after.offset().hoursWest(), 5);
}

TEST(ZoneDatabase, SkippedAndRepeatedLocalTimes) {
    struct Case {
        const char* zone;
        LocalMoment at;
        LocalTimeStatus status;
        double earlierWest;
        ZoneKind earlierKind;
        double laterWest;
        ZoneKind laterKind;
        std::int64_t changeUtc;
    } cases[] = {
        // Summer time began at 2.00 A.M.: 2.30 A.M. never showed.
        {"America/New_York", {2021, 3, 14, 2, 30}, LocalTimeStatus::Skipped, 5, ZoneKind::Standard,
         4, ZoneKind::Summer, Utc(2021, 3, 14, 7, 0)},
        {"America/New_York", {2021, 3, 14, 2, 0}, LocalTimeStatus::Skipped, 5, ZoneKind::Standard,
         4, ZoneKind::Summer, Utc(2021, 3, 14, 7, 0)},
        // Summer time ended at 2.00 A.M.: 1.00 to 1.59 A.M. showed twice.
        {"America/New_York", {2021, 11, 7, 1, 30}, LocalTimeStatus::Repeated, 4, ZoneKind::Summer,
         5, ZoneKind::Standard, Utc(2021, 11, 7, 6, 0)},
        {"America/New_York", {2021, 11, 7, 1, 0}, LocalTimeStatus::Repeated, 4, ZoneKind::Summer,
         5, ZoneKind::Standard, Utc(2021, 11, 7, 6, 0)},
        {"Europe/Paris", {2021, 10, 31, 2, 30}, LocalTimeStatus::Repeated, -2, ZoneKind::Summer,
         -1, ZoneKind::Standard, Utc(2021, 10, 31, 1, 0)},
        {"Europe/Paris", {2021, 3, 28, 2, 15}, LocalTimeStatus::Skipped, -1, ZoneKind::Standard,
         -2, ZoneKind::Summer, Utc(2021, 3, 28, 1, 0)},
        // Adelaide ends its summer in April, half an hour off the hour.
        {"Australia/Adelaide", {2021, 4, 4, 2, 45}, LocalTimeStatus::Repeated, -10.5,
         ZoneKind::Summer, -9.5, ZoneKind::Standard, Utc(2021, 4, 3, 16, 30)},
        // New York's clocks went back 3 min 58 s at noon to standard time.
        {"America/New_York", {1883, 11, 18, 12, 2}, LocalTimeStatus::Repeated, 17762.0 / 3600,
         ZoneKind::LocalMeanTime, 5, ZoneKind::Standard, Utc(1883, 11, 18, 17, 0)},
        // Samoa skipped 30 December 2011 when it crossed the date line.
        {"Pacific/Apia", {2011, 12, 30, 12, 0}, LocalTimeStatus::Skipped, 10, ZoneKind::Summer, -14,
         ZoneKind::Summer, Utc(2011, 12, 30, 10, 0)},
        // After 2037: the lasting rule (first Sunday of November 2045 is the 5th).
        {"America/New_York", {2045, 11, 5, 1, 30}, LocalTimeStatus::Repeated, 4, ZoneKind::Summer,
         5, ZoneKind::Standard, Utc(2045, 11, 5, 6, 0)},
        {"America/New_York", {2045, 3, 12, 2, 30}, LocalTimeStatus::Skipped, 5, ZoneKind::Standard,
         4, ZoneKind::Summer, Utc(2045, 3, 12, 7, 0)},
        {"Europe/Paris", {2045, 10, 29, 2, 30}, LocalTimeStatus::Repeated, -2, ZoneKind::Summer, -1,
         ZoneKind::Standard, Utc(2045, 10, 29, 1, 0)},
    };
    const ZoneDatabase& zones = SystemZoneDatabase();
    for (const auto& c : cases) {
        const LocalTimeAnswer a = zones.AtLocalTime(c.zone, c.at);
        const std::string what = std::string(c.zone) + " " + std::to_string(c.at.year) + "-" +
                                 std::to_string(c.at.month) + "-" + std::to_string(c.at.day) +
                                 " " + std::to_string(c.at.hour) + ":" + std::to_string(c.at.minute);
        ASSERT_EQ(a.status, c.status) << what;
        EXPECT_NEAR(a.earlier.hoursWest(), c.earlierWest, 1e-9) << what;
        EXPECT_STREQ(KindName(a.earlier.kind), KindName(c.earlierKind)) << what;
        EXPECT_NEAR(a.later.hoursWest(), c.laterWest, 1e-9) << what;
        EXPECT_STREQ(KindName(a.later.kind), KindName(c.laterKind)) << what;
        EXPECT_EQ(a.changeUtc, c.changeUtc) << what;
    }
    // The minutes next to the change are ordinary.
    EXPECT_EQ(zones.AtLocalTime("America/New_York", {2021, 3, 14, 1, 59}).status,
              LocalTimeStatus::Unique);
    EXPECT_EQ(zones.AtLocalTime("America/New_York", {2021, 3, 14, 3, 0}).status,
              LocalTimeStatus::Unique);
    EXPECT_EQ(zones.AtLocalTime("America/New_York", {2021, 11, 7, 0, 59}).status,
              LocalTimeStatus::Unique);
    EXPECT_EQ(zones.AtLocalTime("America/New_York", {2021, 11, 7, 2, 0}).status,
              LocalTimeStatus::Unique);
}

// The rules the zones have kept since 2014, evaluated on their own, give
// what the files list for those years, second for second around each change.
TEST(ZoneDatabase, LastingRulesAgreeWithTheFilesInPastYears) {
    struct Case {
        const char* zone;
        const char* rule;
    } cases[] = {
        {"Europe/Paris", "CET-1CEST,M3.5.0,M10.5.0/3"},
        {"America/New_York", "EST5EDT,M3.2.0,M11.1.0"},
        {"Australia/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3"},
        {"Asia/Jerusalem", "IST-2IDT,M3.4.4/26,M10.5.0"},
        {"Europe/Dublin", "IST-1GMT0,M10.5.0,M3.5.0/1"},
    };
    const ZoneDatabase& zones = SystemZoneDatabase();
    for (const auto& c : cases) {
        const auto rule = ParseZoneRule(c.rule);
        ASSERT_TRUE(rule.has_value()) << c.rule;
        const auto agree = [&](std::int64_t t) {
            const auto fromFile = zones.AtInstant(c.zone, t);
            ASSERT_TRUE(fromFile.has_value()) << c.zone;
            const ZoneOffset fromRule = RuleOffsetAt(*rule, t);
            ASSERT_EQ(fromFile->secondsWest, fromRule.secondsWest) << c.zone << " at " << t;
            ASSERT_EQ(fromFile->kind, fromRule.kind) << c.zone << " at " << t;
        };
        for (int year = 2014; year <= 2024; ++year) {
            for (const std::int64_t change : {SummerBeginsUtc(*rule, year), SummerEndsUtc(*rule, year)}) {
                agree(change - 1);
                agree(change);
            }
            for (int day = 0; day < 365; day += 5) agree(Utc(year, 1, 1, 12, 0) + day * 86400LL);
        }
    }
}

TEST(ZoneDatabase, RefusesUnknownZonesAndImpossibleMoments) {
    const ZoneDatabase& zones = SystemZoneDatabase();
    for (const char* zone : {"", "Nowhere/Atlantis", "../../etc/passwd", "Europe/../Europe/Paris",
                             "/usr/share/zoneinfo/Europe/Paris", "Europe/Paris ", "europe/paris"}) {
        EXPECT_FALSE(zones.Knows(zone)) << zone;
        EXPECT_EQ(zones.AtLocalTime(zone, {2020, 1, 1, 0, 0}).status, LocalTimeStatus::UnknownZone)
            << zone;
    }
    for (const char* zone : {"Europe/Paris", "Asia/Kolkata", "Etc/UTC", "UTC"})
        EXPECT_TRUE(zones.Knows(zone)) << zone;

    const LocalMoment invalid[] = {
        {2021, 0, 10, 12, 0},  {2021, 13, 10, 12, 0}, {2021, 4, 31, 12, 0}, {2021, 2, 29, 12, 0},
        {1900, 2, 29, 12, 0},  {2021, 1, 0, 12, 0},   {2021, 1, 10, 24, 0}, {2021, 1, 10, -1, 0},
        {2021, 1, 10, 12, 60}, {2021, 1, 10, 12, -1}, {10000, 1, 1, 0, 0},
    };
    for (const auto& m : invalid)
        EXPECT_EQ(zones.AtLocalTime("Europe/Paris", m).status, LocalTimeStatus::InvalidMoment)
            << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":" << m.minute;
    // Leap days: 2000 and 2024 are leap years; 1500 too in the Julian calendar.
    for (const LocalMoment m : {LocalMoment{2000, 2, 29, 12, 0}, LocalMoment{2024, 2, 29, 0, 0},
                                LocalMoment{1500, 2, 29, 0, 0}})
        EXPECT_EQ(zones.AtLocalTime("Europe/Paris", m).status, LocalTimeStatus::Unique) << m.year;
}

}  // namespace
}  // namespace quaeryn
