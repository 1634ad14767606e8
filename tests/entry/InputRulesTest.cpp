#include <gtest/gtest.h>

#include "entry/InputRules.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;

TEST(NormalizeHour, KeepsTheHourOnATwelveHourClock) {
    struct Case {
        const char* typed;
        bool pmBefore;
        const char* hour;
        bool pm;
    } cases[] = {
        {"0", false, "12", false}, {"15", false, "3", true},  {"12", false, "12", false},
        {"12", true, "12", true},  {"24", false, "12", true}, {"23", false, "11", true},
        {"13", false, "1", true},  {"7", true, "7", true},    {"1", false, "1", false},
    };
    for (const auto& c : cases) {
        EventEntries e;
        e.hour = c.typed;
        e.pm = c.pmBefore;
        ScriptedPrompt prompt;
        EXPECT_TRUE(NormalizeHour(e, prompt)) << c.typed;
        EXPECT_EQ(e.hour, c.hour) << c.typed;
        EXPECT_EQ(e.pm, c.pm) << c.typed;
    }
}

TEST(NormalizeHour, EmptyAndNonNumericTextsAreReported) {
    EventEntries e;
    ScriptedPrompt prompt;
    prompt.expect("hour-empty").expect("hour-not-number");
    EXPECT_FALSE(NormalizeHour(e, prompt));
    EXPECT_EQ(e.hour, "");
    e.hour = "x";
    EXPECT_FALSE(NormalizeHour(e, prompt));
    EXPECT_EQ(prompt.seen()[0].text, "Please fill in a value for birth hour.");
    EXPECT_EQ(prompt.seen()[1].text, "You are typing too fast. Please slow down.");
    // Pasted text that only begins with a number is no hour either; the
    // text stays for the window to select.
    for (const char* pasted : {"5abc", "15 o'clock", "1.2.3", " "}) {
        ScriptedPrompt p;
        p.expect("hour-not-number");
        EventEntries f;
        f.hour = pasted;
        EXPECT_FALSE(NormalizeHour(f, p)) << pasted;
        EXPECT_EQ(f.hour, pasted);
        EXPECT_FALSE(f.pm) << pasted;
    }
    // Blanks around a number are no obstacle.
    ScriptedPrompt quiet;
    EventEntries g;
    g.hour = " 14 ";
    EXPECT_TRUE(NormalizeHour(g, quiet));
    EXPECT_EQ(g.hour, "2");
    EXPECT_TRUE(g.pm);
}

TEST(SelectEast, TheZoneSignFollowsTheHemisphere) {
    EventEntries e;
    e.tz = "5";
    SelectEast(e, true, true);
    EXPECT_EQ(e.tz, "-5");
    SelectEast(e, false, true);
    EXPECT_EQ(e.tz, " 5");
    e.tz = "-5.5";
    SelectEast(e, false, true);
    EXPECT_EQ(e.tz, " 5.5");
    // The program selecting the option that is already selected changes nothing.
    e.tz = "-3";
    SelectEast(e, false);
    EXPECT_EQ(e.tz, "-3");
    // A zone that is not a number stays as it is.
    e.tz = "";
    SelectEast(e, true, true);
    EXPECT_EQ(e.tz, "");
    EXPECT_TRUE(e.east);
    e.tz = "5x";
    SelectEast(e, false, true);
    EXPECT_EQ(e.tz, "5x");
    EXPECT_FALSE(e.east);
}

TEST(FillPresentMoment, TakesTheComputersTimeAndZoneAndTheDefaultPlace) {
    struct Case {
        int hour, minute;
        double zoneHours;
        const char* h;
        const char* m;
        bool pm;
        const char* tz;
    } cases[] = {{0, 30, 0, "12", "30", false, "0"},
                 {12, 5, -5.5, "12", "5", true, "-5.5"},
                 {18, 40, 4, "6", "40", true, "4"},
                 {9, 0, -9, "9", "0", false, "-9"}};
    Options o;
    o.Set(18, 7);  // the default zone of the option file is not the computer's
    o.Set(19, 2);
    o.Set(20, 20);
    o.Set(21, 1);
    o.Set(22, 48);
    o.Set(23, 52);
    for (const auto& c : cases) {
        EventEntries e;
        e.lmt = true;  // the computer's clock keeps zone time
        ScriptedPrompt prompt;
        FillPresentMoment(e, PresentMoment{LocalDateTime{2026, 12, 7, c.hour, c.minute, 0}, c.zoneHours, {}, {}}, o,
                          prompt);
        EXPECT_EQ(e.name, "Now");
        EXPECT_EQ(e.month, "12");
        EXPECT_EQ(e.day, "7");
        EXPECT_EQ(e.year, "2026");
        EXPECT_EQ(e.hour, c.h);
        EXPECT_EQ(e.minute, c.m);
        EXPECT_EQ(e.pm, c.pm);
        // East is chosen without turning the computer's zone to the east.
        EXPECT_TRUE(e.east);
        EXPECT_EQ(e.tz, c.tz);
        EXPECT_FALSE(e.lmt);
        EXPECT_EQ(e.longDeg, "2");
        EXPECT_EQ(e.longMin, "20");
        EXPECT_EQ(e.latDeg, "48");
        EXPECT_EQ(e.latMin, "52");
        EXPECT_FALSE(e.south);
    }
}

TEST(KeyFilters, DigitsEverywhereSignAndPointInTheZoneOnly) {
    for (char c : std::string("0123456789\b")) {
        EXPECT_TRUE(AcceptsDigitKey(c));
        EXPECT_TRUE(AcceptsZoneKey(c));
    }
    for (char c : std::string("-.")) {
        EXPECT_FALSE(AcceptsDigitKey(c));
        EXPECT_TRUE(AcceptsZoneKey(c));
    }
    for (char c : std::string("aZ +,e")) {
        EXPECT_FALSE(AcceptsDigitKey(c));
        EXPECT_FALSE(AcceptsZoneKey(c));
    }
}

}  // namespace
}  // namespace quaeryn
