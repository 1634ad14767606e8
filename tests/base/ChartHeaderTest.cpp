#include <gtest/gtest.h>

#include "app/CastChart.h"
#include "base/ChartHeader.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

EventEntries Entries(const char* month, const char* day, const char* year, const char* hour,
                     const char* minute, bool pm, const char* tz) {
    EventEntries e;
    e.name = "Question";
    e.month = month;
    e.day = day;
    e.year = year;
    e.hour = hour;
    e.minute = minute;
    e.pm = pm;
    e.tz = tz;
    e.longDeg = "73";
    e.longMin = "58";
    e.latDeg = "40";
    e.latMin = "45";
    return e;
}

std::vector<std::string> HeaderLines(const EventEntries& e, const RegionalFormats& regional) {
    test::ScriptedPrompt prompt;
    Options options;
    const auto chart = CastChart(e, "P", options, regional, prompt);
    EXPECT_TRUE(chart.has_value());
    ReportBuffer out(prompt);
    if (chart) WriteChartHeader(*chart, regional, out);
    return std::vector<std::string>(out.PageBuffer().begin(),
                                    out.PageBuffer().begin() + out.PageLineCount());
}

TEST(WriteChartHeader, WritesNameDateTimeAndPlace) {
    RegionalFormats regional;
    const auto lines = HeaderLines(Entries("3", "5", "2001", "10", "30", false, "5"), regional);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "  Question");
    EXPECT_EQ(lines[2], "  05 Mar 2001    TZ = 5.0      10.30 A.M.   40.45 NORTH    73.58 WEST");
}

TEST(WriteChartHeader, AZoneEastOfGreenwichKeepsItsSign) {
    RegionalFormats regional;
    const auto lines = HeaderLines(Entries("2", "28", "2001", "9", "5", true, "-1.5"), regional);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "  28 Feb 2001    TZ = -1.5      9.05 P.M.   40.45 NORTH    73.58 WEST");
}

TEST(WriteChartHeader, ReadsTheDateInTheRegionalOrder) {
    for (int order : {0, 1, 2}) {
        RegionalFormats regional;
        regional.iDate = order;
        const auto lines = HeaderLines(Entries("12", "1", "1999", "1", "0", false, "0"), regional);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2].substr(0, 13), "  01 Dec 1999") << "order " << order;
    }
}

// With " LMT" the header has a fourth line: the zone time of the same
// instant. It is computed from universal time, so the twelve-o'clock and
// P.M. rules hold for it as for the cast.
TEST(WriteChartHeader, LocalMeanTimeAddsTheStandardTime) {
    struct Case {
        const char* hour;
        const char* minute;
        bool pm;
        const char* longDeg;
        const char* standard;
    } cases[] = {
        {"12", "0", true, "80", "  Standard time would be 12:20."},   // 80 W in zone 5
        {"1", "0", true, "80", "  Standard time would be 13:20."},    // not 1:20
        {"12", "30", false, "80", "  Standard time would be 00:50."}, // not 12:50
        {"11", "0", false, "70", "  Standard time would be 10:40."},  // east of the zone meridian
    };
    RegionalFormats regional;  // 24-hour clock: "Long Time" is hh:mm:ss
    for (const auto& c : cases) {
        EventEntries e = Entries("6", "1", "2000", c.hour, c.minute, c.pm, "5");
        e.longDeg = c.longDeg;
        e.longMin = "0";
        e.lmt = true;
        const auto lines = HeaderLines(e, regional);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_NE(lines[2].find(" LMT   "), std::string::npos) << lines[2];
        EXPECT_EQ(lines[3], c.standard);
    }
}

TEST(WriteChartHeader, TwelveHourClockKeepsTheLineRule) {
    RegionalFormats regional;
    regional.iTime = 0;
    EventEntries e = Entries("6", "1", "2000", "12", "0", true, "5");
    e.longDeg = "80";
    e.longMin = "0";
    e.lmt = true;
    const auto lines = HeaderLines(e, regional);
    ASSERT_EQ(lines.size(), 4u);
    // "12:20:00 PM" loses its last three characters.
    EXPECT_EQ(lines[3], "  Standard time would be 12:20:00.");
}

}  // namespace
}  // namespace quaeryn
