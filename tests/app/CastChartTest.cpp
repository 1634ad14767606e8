#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "app/CastChart.h"
#include "base/ChartHeader.h"
#include "support/Entries.h"
#include "support/RefusedEntries.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;

EventEntries NewYork() { return test::NewYorkEntries(); }

// Each case changes the New York entries and lists the messages the cast
// must show, in order, each with the lines naming its failing fields; an
// empty list means the cast goes through. The command line's test reads
// the same table.
TEST(CastChart, ValidationShowsOneMessagePerFailedRuleInOrderNamingItsFields) {
    for (const auto& c : test::RefusedEntries()) {
        SCOPED_TRACE(c.what);
        const EventEntries e = test::EntriesOf(c);
        ScriptedPrompt prompt;
        std::vector<std::string> ids, details, lines;
        for (const auto& r : c.refusals) {
            prompt.expect(r.id);
            ids.push_back(r.id);
            std::string detail;
            for (const auto& line : r.lines) {
                detail += (detail.empty() ? "" : "\n") + line;
                lines.push_back(line);
            }
            details.push_back(detail);
        }
        Options options;
        RegionalFormats regional;
        EntryFaults faults;
        const auto chart = CastChart(e, c.house, options, regional, prompt, &faults);
        EXPECT_EQ(chart.has_value(), c.refusals.empty());
        EXPECT_EQ(prompt.seenIds(), ids);
        std::vector<std::string> seenDetails, faultLines;
        for (const auto& m : prompt.seen()) seenDetails.push_back(m.detail);
        for (const auto& f : faults) faultLines.push_back(f.Line());
        EXPECT_EQ(seenDetails, details);
        EXPECT_EQ(faultLines, lines);
    }
}

// The window puts the focus on the first failing field in its own order,
// whatever rule found it first.
TEST(CastChart, TheFirstFailingFieldInTheWindowsOrder) {
    struct Case {
        const char* what;
        void (*change)(EventEntries&);
        std::optional<EntryField> first;
    } cases[] = {
        {"valid", [](EventEntries&) {}, std::nullopt},
        {"minute 60", [](EventEntries& e) { e.minute = "60"; }, EntryField::Minute},
        {"latitude first by rule, minute first by place",
         [](EventEntries& e) { e.latDeg = "70"; e.minute = "60"; }, EntryField::Minute},
        {"a negative longitude and an empty year",
         [](EventEntries& e) { e.longDeg = "-7"; e.year = ""; }, EntryField::Year},
        {"the name", [](EventEntries& e) { e.name = "a\nb"; e.tz = "x"; }, EntryField::Name},
    };
    for (const auto& c : cases) {
        EventEntries e = test::NewYorkEntries();
        c.change(e);
        SilentPrompt silent;
        EntryFaults faults;
        CastChart(e, "P", Options{}, RegionalFormats{}, silent, &faults);
        EXPECT_EQ(FirstFailingField(faults), c.first) << c.what;
    }
}

TEST(CastChart, MessagesCarryTheirTitlesTextsAndIcons) {
    ScriptedPrompt prompt;
    prompt.expect("latitude-too-high").expect("input-error");
    EventEntries e = NewYork();
    e.year = "2100";
    e.latDeg = "70";
    Options options;
    RegionalFormats regional;
    EXPECT_FALSE(CastChart(e, "P", options, regional, prompt));
    ASSERT_EQ(prompt.seen().size(), 2u);
    EXPECT_EQ(prompt.seen()[1].title, "Warning!");
    EXPECT_EQ(prompt.seen()[1].text, "Error in natal input data section. Please correct.");
    EXPECT_EQ(prompt.seen()[0].title, "Warning!");
    EXPECT_EQ(prompt.seen()[0].text,
              "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
              "systems.");
    EXPECT_EQ(prompt.seen()[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompt.seen()[1].icon, PromptIcon::Information);
    EXPECT_EQ(prompt.seen()[0].detail, "latitude degrees: 70 is past 66 in this house system");
    EXPECT_EQ(prompt.seen()[1].detail, "year: 2100 is past 2099");

    // The rules for what the window keeps out, in the same voice.
    ScriptedPrompt more;
    more.allow("name-line-break").allow("entry-not-number").allow("day-past-month-end");
    more.allow("longitude-past-180").allow("latitude-past-90");
    e = NewYork();
    e.name = "a\nb";
    e.tz = "five";
    e.month = "2";
    e.day = "30";
    e.longDeg = "180";
    e.longMin = "1";
    e.latDeg = "91";
    EXPECT_FALSE(CastChart(e, "M", options, regional, more));
    const std::vector<std::string> texts = {
        "Error in natal input data section. The name cannot hold a line break. Please correct.",
        "Error in natal input data section. Date, time and place take whole numbers typed as digits, and "
        "the time zone a number of hours. Please correct.",
        "Error in natal input data section. The day is past the end of its month. Please correct.",
        "Error in natal input data section. A longitude cannot pass 180 degrees 00 minutes. Please correct.",
        "Error in natal input data section. A latitude cannot pass 90 degrees 00 minutes. Please correct.",
    };
    ASSERT_EQ(more.seen().size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(more.seen()[i].title, "Warning!");
        EXPECT_EQ(more.seen()[i].text, texts[i]);
        EXPECT_EQ(more.seen()[i].icon, PromptIcon::Information);
    }
}

TEST(ParseEntries, FillsTheEventFields) {
    RegionalFormats regional;
    struct Case {
        const char* what;
        void (*change)(EventEntries&);
        void (*check)(const ChartState&);
    } cases[] = {
        {"day 15.5 rounds to 16", [](EventEntries& e) { e.day = "15.5"; },
         [](const ChartState& c) {
             EXPECT_EQ(c.Day, 16);
             EXPECT_EQ(c.DateText, "3/15.5/2001");
         }},
        {"day 16.5 rounds to 16", [](EventEntries& e) { e.day = "16.5"; },
         [](const ChartState& c) { EXPECT_EQ(c.Day, 16); }},
        {"longitude 0 east is -0 and WEST", [](EventEntries& e) { e.longDeg = "0"; e.longMin = "0"; e.east = true; },
         [](const ChartState& c) {
             EXPECT_EQ(c.LongitudeDm, 0.0f);
             EXPECT_TRUE(std::signbit(c.LongitudeDm));
             EXPECT_EQ(c.LongitudeSide, "WEST");
         }},
        {"east and south negate", [](EventEntries& e) { e.east = true; e.south = true; },
         [](const ChartState& c) {
             EXPECT_FLOAT_EQ(c.LongitudeDm, -73.58f);
             EXPECT_EQ(c.LongitudeSide, "EAST");
             EXPECT_FLOAT_EQ(c.LatitudeDm, -40.45f);
             EXPECT_EQ(c.LatitudeSide, "SOUTH");
         }},
        {"clock and zone", [](EventEntries& e) { e.pm = true; e.tz = "5.5"; },
         [](const ChartState& c) {
             EXPECT_DOUBLE_EQ(c.ClockTime, 10.30);
             EXPECT_EQ(c.ClockTimeSingle, 10.3f);
             EXPECT_EQ(c.AmPmText, "P.M.");
             EXPECT_DOUBLE_EQ(c.ZoneHours, 5.5);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EventEntries e = NewYork();
        c.change(e);
        ChartState chart;
        ASSERT_TRUE(ParseEntries(e, regional, chart));
        c.check(chart);
    }
}

TEST(ParseEntries, DateTextFollowsTheRegionalOrder) {
    const EventEntries e = NewYork();
    for (auto [order, text] : {std::pair{0, "3/5/2001"}, {1, "5/3/2001"}, {2, "2001/3/5"}}) {
        RegionalFormats regional;
        regional.iDate = order;
        ChartState chart;
        ASSERT_TRUE(ParseEntries(e, regional, chart));
        EXPECT_EQ(chart.DateText, text);
    }
}

TEST(ParseEntries, AValueBeyondSixteenBitsIsNoChart) {
    // The checks keep such a day out of a cast; parsing alone refuses it too.
    EventEntries e = NewYork();
    e.day = "-40000";
    ChartState chart;
    EXPECT_FALSE(ParseEntries(e, RegionalFormats{}, chart));
}

TEST(ComputeAntiscion, MirrorsAcrossTheSolstitialAxis) {
    struct Case {
        double longitude, antiscion;
    } cases[] = {
        {40, 140},   // 10 Taurus -> 20 Leo
        {190, 350},  // 10 Libra -> 20 Pisces
        {180, 360},  // 0 Libra -> the end of Pisces
        {0, 180},    // 0 Aries -> the end of Virgo
        {95, 85},    // 5 Cancer -> 25 Gemini
        {275, 265},  // 5 Capricorn -> 25 Sagittarius
        {359.5, 180.5},
    };
    for (const auto& c : cases) EXPECT_NEAR(ComputeAntiscion(c.longitude), c.antiscion, 1e-9) << c.longitude;
}

TEST(HouseSystem, CodesAndNames) {
    EXPECT_EQ(NormalizeHouseCode(""), "P");
    EXPECT_EQ(NormalizeHouseCode("X"), "P");
    EXPECT_EQ(NormalizeHouseCode("EM"), "EM");
    const std::pair<const char*, const char*> names[] = {
        {"P", "Placidus"}, {"R", "Regiomontanus"}, {"K", "Koch"},
        {"C", "Campanus"}, {"O", "Porphyry"},      {"EA", "Equal - Ascendant"},
        {"EM", "Equal - MC"}, {"M", "Meridian"},   {"I", "Morinus"}, {"Z", "Placidus"}};
    for (auto [code, name] : names) EXPECT_EQ(HouseSystemName(code), name);
}

}  // namespace
}  // namespace quaeryn
