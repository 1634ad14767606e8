#include "entry/TimeZones.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "entry/NameFile.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;

const std::string kName32NoDash = "Name Of Exactly Thirty Two Chars";

TEST(TimeZoneListLine, AlignsNameCodeAndOffset) {
    struct Case {
        TimeZoneEntry zone;
        std::string line;
    } cases[] = {
        {{"Eastern Standard Time", "EST", "5"}, "Eastern Standard Time            -  EST =   5"},
        {{"Pakistan Standard Time", "PKT", "-5"}, "Pakistan Standard Time           -  PKT =  -5"},
        {{"Hawaii Standard Time", "HST", "10"}, "Hawaii Standard Time             -  HST =  10"},
        {{"Newfoundland Standard Time", "NST", "3.5"}, "Newfoundland Standard Time       -  NST =   3.5"},
        {{"Indian Standard Time", "IST", "-5.5"}, "Indian Standard Time             -  IST =  -5.5"},
        {{"Australian Eastern Standard", "AEST", "-10"}, "Australian Eastern Standard      - AEST = -10"},
        {{"Greenwich Mean Time", "GMT", "0"}, "Greenwich Mean Time              -  GMT =   0"},
        {{"Far", "F", "100"}, "Far                              -    F = 100"},
        {{"Far East", "FE", "-100"}, "Far East                         -   FE =-100"},
        {{"Half", "H", "-0,5"}, "Half                             -    H =  -0,5"},
        {{kName32NoDash, "X", "1"}, kName32NoDash + " -    X =   1"},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeZoneListLine(c.zone), c.line) << c.zone.name;
}

TEST(ParseTimeZones, StopsAtAnEmptyNameOrABadRecord) {
    const std::string est = "\"Eastern Standard Time\",\"EST\",\"5\"\r\n";
    const std::string cet = "Central European Time,CET,-1\r\n";
    struct Case {
        std::string text;
        std::size_t zones;
        bool corrupt;
    } cases[] = {
        {est + cet, 2, false},
        {est + cet + "\r\n", 2, false},    // an empty last line ends the list quietly
        {est + "\r\n" + cet, 1, false},    // an empty name ends it too
        {"", 0, false},
        {est + "\"" + kName32NoDash + "\",X,1\r\n", 2, false},
        {est + "\"" + kName32NoDash + "s\",X,1\r\n" + cet, 1, true},  // 33 characters
        {est + "Central European Time,CETXX,-1\r\n", 1, true},          // a code of 5
        {est + "Central European Time,CET\r\n", 1, true},               // no offset
        {est + "Central European Time,CET,one\r\n", 1, true},           // not a number
        {est + "Central European Time,CET,\r\n" + cet, 1, true},
        {"Half,H,\"-0,5\"\r\n", 1, false},                             // a decimal comma
    };
    for (const auto& c : cases) {
        const TimeZoneTable t = ParseTimeZones(c.text);
        EXPECT_EQ(t.zones.size(), c.zones) << c.text;
        EXPECT_EQ(t.lines.size(), c.zones) << c.text;
        EXPECT_EQ(t.corrupt, c.corrupt) << c.text;
    }
    const TimeZoneTable t = ParseTimeZones(est + cet);
    ASSERT_EQ(t.zones.size(), 2u);
    EXPECT_EQ(t.zones[1].name, "Central European Time");
    EXPECT_EQ(t.zones[1].code, "CET");
    EXPECT_EQ(t.zones[1].offset, "-1");
    EXPECT_EQ(t.lines[0], "Eastern Standard Time            -  EST =   5");
}

TEST(LoadTimeZones, ReportsAMissingOrCorruptFile) {
    const test::TempFolder dir;
    {
        ScriptedPrompt prompt;
        prompt.expect("tz-corrupt");
        const TimeZoneTable t = LoadTimeZones(dir / "TZ.DAT", prompt);
        EXPECT_TRUE(t.corrupt);
        EXPECT_TRUE(t.zones.empty());
    }
    {
        std::ofstream(dir / "TZ.DAT", std::ios::binary)
            << "Zone A,A,1\r\n\"" << kName32NoDash << "++\",B,2\r\nZone C,C,3\r\n";
        ScriptedPrompt prompt;
        prompt.expect("tz-corrupt");
        const TimeZoneTable t = LoadTimeZones(dir / "TZ.DAT", prompt);
        EXPECT_TRUE(t.corrupt);
        ASSERT_EQ(t.lines.size(), 1u);
        EXPECT_EQ(t.zones[0].name, "Zone A");
    }
    const PromptMessage m = msg::TimeZoneFileCorrupt();
    EXPECT_EQ(m.title, "Error!");
    EXPECT_EQ(m.text, "The file TZ.DAT is corrupt.");
    EXPECT_EQ(m.icon, PromptIcon::Critical);
}

TEST(PickTimeZone, SetsTheZoneAndTheHemisphere) {
    const TimeZoneTable table = ParseTimeZones(
        "Greenwich Mean Time,GMT,0\r\n"
        "Central European Time,CET,-1\r\n"
        "Eastern Standard Time,EST,5\r\n"
        "India Standard Time,IST,-5.5\r\n"
        "Twin,A,3\r\n"
        "Twin,B,-3\r\n"
        "Dash-Zone,D,4\r\n");
    ASSERT_FALSE(table.corrupt);
    struct Case {
        std::size_t index;
        bool startEast;
        const char* tz;
        bool east;
    } cases[] = {
        {0, true, " 0", false},   // 0 lies West
        {1, false, "-1", true},
        {1, true, "-1", true},
        {2, true, " 5", false},
        {3, false, "-5.5", true},
        {4, false, " 3", false},
        {5, false, "-3", true},   // of two equal names, the picked line counts
    };
    for (const auto& c : cases) {
        EventEntries e;
        e.east = c.startEast;
        e.tz = "7";
        ScriptedPrompt prompt;
        EXPECT_TRUE(PickTimeZone(table.lines[c.index], table, e, prompt)) << table.lines[c.index];
        EXPECT_EQ(e.tz, c.tz) << table.lines[c.index];
        EXPECT_EQ(e.east, c.east) << table.lines[c.index];
    }
    // No stored name matches: the entries keep their values.
    for (const std::string& line : {table.lines[6], std::string("Nowhere"), std::string("- x"),
                                   std::string("Unknown Zone - X = 1")}) {
        EventEntries e;
        e.tz = "7";
        e.east = true;
        const EventEntries before = e;
        ScriptedPrompt prompt;
        prompt.expect("tz-corrupt");
        EXPECT_FALSE(PickTimeZone(line, table, e, prompt)) << line;
        EXPECT_EQ(e, before) << line;
    }
}

// The shipped table loads cleanly, and every zone can be picked.
TEST(ShippedTimeZones, LoadAndPickEveryZone) {
    ScriptedPrompt prompt;
    const TimeZoneTable t =
        LoadTimeZones(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "TZ.DAT", prompt);
    ASSERT_FALSE(t.corrupt);
    EXPECT_GT(t.zones.size(), 30u);
    std::set<std::string> names;
    for (std::size_t i = 0; i < t.zones.size(); ++i) {
        EXPECT_TRUE(names.insert(t.zones[i].name).second) << "twice: " << t.zones[i].name;
        EventEntries e;
        ASSERT_TRUE(PickTimeZone(t.lines[i], t, e, prompt)) << t.lines[i];
        EXPECT_EQ(e.tz, NumberText(NumericValue(t.zones[i].offset))) << t.lines[i];
        // Every zone is one the cast accepts: from 13 East to 12 West.
        EXPECT_GE(NumericValue(t.zones[i].offset), -13.0) << t.lines[i];
        EXPECT_LE(NumericValue(t.zones[i].offset), 12.0) << t.lines[i];
        EXPECT_EQ(t.zones[i].name.find('-'), std::string::npos) << t.lines[i];
    }
    const auto text = ReadWholeFile(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "TZ.DAT");
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("\r\n"), std::string::npos);
    EXPECT_EQ(text->find_first_of('\n'), text->find("\r\n") + 1);
}

}  // namespace
}  // namespace quaeryn
