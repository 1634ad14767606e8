#include <gtest/gtest.h>

#include <cmath>

#include "app/CastChart.h"
#include "base/ChartHeader.h"
#include "support/Entries.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;

EventEntries NewYork() { return test::NewYorkEntries(); }

// Each case changes the New York entries and lists the messages the cast
// must show, in order; an empty list means the cast goes through.
TEST(CastChart, ValidationShowsOneMessagePerFailedRuleInOrder) {
    const std::string E = "input-error", L = "latitude-too-high";
    struct Case {
        const char* what;
        void (*change)(EventEntries&);
        std::string house;
        std::vector<std::string> messages;
    } cases[] = {
        {"valid", [](EventEntries&) {}, "P", {}},
        {"empty month: value 0 and empty", [](EventEntries& e) { e.month = ""; }, "P", {E, E}},
        {"month 0", [](EventEntries& e) { e.month = "0"; }, "P", {E}},
        {"empty hour", [](EventEntries& e) { e.hour = ""; }, "P", {E}},
        {"empty longitude minutes", [](EventEntries& e) { e.longMin = ""; }, "P", {E}},
        {"empty latitude degrees", [](EventEntries& e) { e.latDeg = ""; }, "P", {E}},
        {"zone -5 west", [](EventEntries& e) { e.tz = "-5"; }, "P", {E}},
        {"zone -2 west", [](EventEntries& e) { e.tz = "-2"; }, "P", {}},
        {"zone -5 east", [](EventEntries& e) { e.tz = "-5"; e.east = true; }, "P", {}},
        {"66 00 Placidus", [](EventEntries& e) { e.latDeg = "66"; e.latMin = "0"; }, "P", {}},
        {"66 01 Placidus", [](EventEntries& e) { e.latDeg = "66"; e.latMin = "1"; }, "P", {L}},
        {"67 00 Koch", [](EventEntries& e) { e.latDeg = "67"; e.latMin = "0"; }, "K", {L}},
        {"80 30 Meridian", [](EventEntries& e) { e.latDeg = "80"; e.latMin = "30"; }, "M", {}},
        {"80 30 Morinus", [](EventEntries& e) { e.latDeg = "80"; e.latMin = "30"; }, "I", {}},
        {"67 south Placidus", [](EventEntries& e) { e.latDeg = "67"; e.south = true; }, "P", {L}},
        {"hour 12 minute 59", [](EventEntries& e) { e.hour = "12"; e.minute = "59"; }, "P", {}},
        {"hour 13", [](EventEntries& e) { e.hour = "13"; }, "P", {E}},
        {"minute 60", [](EventEntries& e) { e.minute = "60"; }, "P", {E}},
        {"31 February", [](EventEntries& e) { e.month = "2"; e.day = "31"; }, "P", {}},
        {"day 32", [](EventEntries& e) { e.day = "32"; }, "P", {E}},
        {"month 13", [](EventEntries& e) { e.month = "13"; }, "P", {E}},
        {"year 99", [](EventEntries& e) { e.year = "99"; }, "P", {E}},
        {"year 100", [](EventEntries& e) { e.year = "100"; }, "P", {}},
        {"year 2099", [](EventEntries& e) { e.year = "2099"; }, "P", {}},
        {"year 2100", [](EventEntries& e) { e.year = "2100"; }, "P", {E}},
        {"zone 13", [](EventEntries& e) { e.tz = "13"; }, "P", {E}},
        {"zone -14 east", [](EventEntries& e) { e.tz = "-14"; e.east = true; }, "P", {E}},
        {"longitude 181", [](EventEntries& e) { e.longDeg = "181"; }, "P", {E}},
        {"latitude minutes 60", [](EventEntries& e) { e.latMin = "60"; }, "P", {E}},
        {"three rules at once",
         [](EventEntries& e) { e.month = ""; e.latDeg = "70"; e.hour = "13"; },
         "P",
         {E, E, L, E}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EventEntries e = NewYork();
        c.change(e);
        ScriptedPrompt prompt;
        for (const auto& id : c.messages) prompt.expect(id);
        Options options;
        RegionalFormats regional;
        const auto chart = CastChart(e, c.house, options, regional, prompt);
        EXPECT_EQ(chart.has_value(), c.messages.empty());
        EXPECT_EQ(prompt.seenIds(), c.messages);
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

TEST(CastChart, AnOversizedDayEndsTheCastWithAMessage) {
    // 40000 passes the checks (only > 31 is refused, and negatives are not
    // checked) but cannot be held in 16 bits.
    EventEntries e = NewYork();
    e.day = "-40000";
    ScriptedPrompt prompt;
    prompt.expect("cast-failed");
    Options options;
    RegionalFormats regional;
    EXPECT_FALSE(CastChart(e, "P", options, regional, prompt));
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
