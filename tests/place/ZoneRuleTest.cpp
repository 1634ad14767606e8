#include "place/ZoneRule.h"

#include <gtest/gtest.h>

#include <string>

namespace quaeryn {
namespace {

std::int64_t Utc(int y, int mo, int d, int h, int mi, int s = 0) {
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

TEST(CivilDays, CountsFromTheFirstOfJanuary1970BothWays) {
    struct Case {
        int y, m, d;
        std::int64_t days;
    } cases[] = {
        {1970, 1, 1, 0},         {1969, 12, 31, -1},      {2000, 1, 1, 10957},
        {2000, 3, 1, 11017},     {1600, 2, 29, -135081},  {2021, 3, 14, 18700},
        {1883, 11, 18, -31455},  {2400, 12, 31, 157419},  {1, 1, 1, -719162},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaysFromCivil(c.y, c.m, c.d), c.days) << c.y << "-" << c.m << "-" << c.d;
        int y = 0, m = 0, d = 0;
        CivilFromDays(c.days, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.days;
    }
    // Every day of four centuries goes there and back.
    for (std::int64_t n = -200000; n < -200000 + 146097; ++n) {
        int y = 0, m = 0, d = 0;
        CivilFromDays(n, y, m, d);
        ASSERT_EQ(DaysFromCivil(y, m, d), n);
    }
}

TEST(ParseZoneRule, ReadsTheLastLineOfAZoneFile) {
    struct Case {
        const char* text;
        const char* standardName;
        int standardWest;
        const char* summerName;
        int summerWest;
    } cases[] = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", "CET", -3600, "CEST", -7200},
        {"EST5EDT,M3.2.0,M11.1.0", "EST", 18000, "EDT", 14400},
        {"ACST-9:30ACDT,M10.1.0,M4.1.0/3", "ACST", -34200, "ACDT", -37800},
        {"IST-2IDT,M3.4.4/26,M10.5.0", "IST", -7200, "IDT", -10800},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", "IST", -3600, "GMT", 0},
        {"<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", "+1245", -45900, "+1345", -49500},
        {"<-03>3<-02>,M3.5.0/-2,M10.5.0/-1", "-03", 10800, "-02", 7200},
        {"<+01>-1", "+01", -3600, "", 0},
        {"JST-9", "JST", -32400, "", 0},
        {"HST10", "HST", 36000, "", 0},
        {"XXX3YYY,J60/0,300/25", "XXX", 10800, "YYY", 7200},
    };
    for (const auto& c : cases) {
        const auto rule = ParseZoneRule(c.text);
        ASSERT_TRUE(rule.has_value()) << c.text;
        EXPECT_EQ(rule->standardName, c.standardName) << c.text;
        EXPECT_EQ(rule->standardWest, c.standardWest) << c.text;
        EXPECT_EQ(rule->hasSummer, std::string(c.summerName).size() > 0) << c.text;
        if (rule->hasSummer) {
            EXPECT_EQ(rule->summerName, c.summerName) << c.text;
            EXPECT_EQ(rule->summerWest, c.summerWest) << c.text;
        }
    }
    for (const char* bad : {"", "CE-1", "CET", "CET-1CEST", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0",
                            "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,M3.5.7,M10.5.0", "CET-1CEST,J0,J10",
                            "CET-1CEST,M3.5.0,M10.5.0/200", "<+01-1", "CET-1CEST,M3.5.0,M10.5.0 ",
                            "CET-1:60"})
        EXPECT_FALSE(ParseZoneRule(bad).has_value()) << bad;
}

TEST(ZoneRule, DaysOfTheChanges) {
    struct Case {
        const char* text;
        int year;
        std::int64_t begins;
        std::int64_t ends;
    } cases[] = {
        // Last Sunday of March and of October, 1.00 UT.
        {"CET-1CEST,M3.5.0,M10.5.0/3", 2021, Utc(2021, 3, 28, 1, 0), Utc(2021, 10, 31, 1, 0)},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 2045, Utc(2045, 3, 26, 1, 0), Utc(2045, 10, 29, 1, 0)},
        // Second Sunday of March, first of November, 2.00 local.
        {"EST5EDT,M3.2.0,M11.1.0", 2021, Utc(2021, 3, 14, 7, 0), Utc(2021, 11, 7, 6, 0)},
        {"EST5EDT,M3.2.0,M11.1.0", 2040, Utc(2040, 3, 11, 7, 0), Utc(2040, 11, 4, 6, 0)},
        // Friday before the last Sunday of March (the Thursday of the fourth
        // week, at 26 hours), 2.00 local.
        {"IST-2IDT,M3.4.4/26,M10.5.0", 2021, Utc(2021, 3, 26, 0, 0), Utc(2021, 10, 30, 23, 0)},
        // Southern summer: begins in October, ends in April.
        {"ACST-9:30ACDT,M10.1.0,M4.1.0/3", 2021, Utc(2021, 10, 2, 16, 30), Utc(2021, 4, 3, 16, 30)},
        // Day numbers: J60 is 1 March in every year; day 59 counted from 0 is
        // 29 February in a leap year, 1 March in another.
        {"XXX3YYY,J60/0,59/0", 2024, Utc(2024, 3, 1, 3, 0), Utc(2024, 2, 29, 2, 0)},
        {"XXX3YYY,J60/0,59/0", 2023, Utc(2023, 3, 1, 3, 0), Utc(2023, 3, 1, 2, 0)},
    };
    for (const auto& c : cases) {
        const auto rule = ParseZoneRule(c.text);
        ASSERT_TRUE(rule.has_value()) << c.text;
        EXPECT_EQ(SummerBeginsUtc(*rule, c.year), c.begins) << c.text << " " << c.year;
        EXPECT_EQ(SummerEndsUtc(*rule, c.year), c.ends) << c.text << " " << c.year;
    }
}

TEST(ZoneRule, OffsetsAndKindsThroughTheYear) {
    struct Case {
        const char* text;
        std::int64_t utc;
        int secondsWest;
        ZoneKind kind;
        const char* abbreviation;
    } cases[] = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", Utc(2045, 3, 26, 0, 59, 59), -3600, ZoneKind::Standard, "CET"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", Utc(2045, 3, 26, 1, 0), -7200, ZoneKind::Summer, "CEST"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", Utc(2045, 12, 31, 23, 0), -3600, ZoneKind::Standard, "CET"},
        {"ACST-9:30ACDT,M10.1.0,M4.1.0/3", Utc(2045, 1, 1, 0, 0), -37800, ZoneKind::Summer, "ACDT"},
        {"ACST-9:30ACDT,M10.1.0,M4.1.0/3", Utc(2045, 6, 1, 0, 0), -34200, ZoneKind::Standard, "ACST"},
        // Winter time written as the "summer" part: the summer is still the
        // part whose clocks are ahead.
        {"IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2045, 1, 15, 12, 0), 0, ZoneKind::Standard, "GMT"},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", Utc(2045, 7, 15, 12, 0), -3600, ZoneKind::Summer, "IST"},
        {"JST-9", Utc(2045, 7, 15, 12, 0), -32400, ZoneKind::Standard, "JST"},
    };
    for (const auto& c : cases) {
        const auto rule = ParseZoneRule(c.text);
        ASSERT_TRUE(rule.has_value()) << c.text;
        const ZoneOffset o = RuleOffsetAt(*rule, c.utc);
        EXPECT_EQ(o.secondsWest, c.secondsWest) << c.text << " " << c.utc;
        EXPECT_EQ(o.kind, c.kind) << c.text << " " << c.utc;
        EXPECT_EQ(o.abbreviation, c.abbreviation) << c.text << " " << c.utc;
    }
}

TEST(ZoneRule, LocalTimesAroundTheChanges) {
    const auto rule = ParseZoneRule("EST5EDT,M3.2.0,M11.1.0");
    ASSERT_TRUE(rule.has_value());
    const auto local = [](int y, int mo, int d, int h, int mi) {
        return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60;
    };
    struct Case {
        std::int64_t local;
        LocalTimeStatus status;
        int earlierWest;
        int laterWest;
    } cases[] = {
        {local(2045, 3, 12, 1, 59), LocalTimeStatus::Unique, 18000, 18000},
        {local(2045, 3, 12, 2, 0), LocalTimeStatus::Skipped, 18000, 14400},
        {local(2045, 3, 12, 2, 59), LocalTimeStatus::Skipped, 18000, 14400},
        {local(2045, 3, 12, 3, 0), LocalTimeStatus::Unique, 14400, 14400},
        {local(2045, 11, 5, 0, 59), LocalTimeStatus::Unique, 14400, 14400},
        {local(2045, 11, 5, 1, 0), LocalTimeStatus::Repeated, 14400, 18000},
        {local(2045, 11, 5, 1, 59), LocalTimeStatus::Repeated, 14400, 18000},
        {local(2045, 11, 5, 2, 0), LocalTimeStatus::Unique, 18000, 18000},
        {local(2045, 1, 1, 0, 0), LocalTimeStatus::Unique, 18000, 18000},
    };
    for (const auto& c : cases) {
        const LocalTimeAnswer a = RuleAtLocalTime(*rule, c.local);
        EXPECT_EQ(a.status, c.status) << c.local;
        EXPECT_EQ(a.earlier.secondsWest, c.earlierWest) << c.local;
        EXPECT_EQ(a.later.secondsWest, c.laterWest) << c.local;
    }
    EXPECT_EQ(RuleAtLocalTime(*rule, local(2045, 3, 12, 2, 30)).changeUtc, Utc(2045, 3, 12, 7, 0));
    EXPECT_EQ(RuleAtLocalTime(*rule, local(2045, 11, 5, 1, 30)).changeUtc, Utc(2045, 11, 5, 6, 0));

    // A rule without summer time knows one offset only.
    const auto tokyo = ParseZoneRule("JST-9");
    ASSERT_TRUE(tokyo.has_value());
    const LocalTimeAnswer a = RuleAtLocalTime(*tokyo, local(2045, 7, 1, 12, 0));
    EXPECT_EQ(a.status, LocalTimeStatus::Unique);
    EXPECT_EQ(a.offset().secondsWest, -32400);
}

}  // namespace
}  // namespace quaeryn
