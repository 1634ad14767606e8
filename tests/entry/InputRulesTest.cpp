#include <gtest/gtest.h>

#include <array>

#include "app/Numbers.h"
#include "entry/InputRules.h"
#include "entry/RegionalFormats.h"
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

TEST(FillPresentMoment, TakesTheClockAndTheDefaultPlace) {
    struct Case {
        int hour, minute;
        const char* h;
        const char* m;
        bool pm;
    } cases[] = {{0, 30, "12", "30", false}, {12, 5, "12", "5", true}, {18, 40, "6", "40", true},
                 {9, 0, "9", "0", false}};
    Options o;
    o.Set(18, -1);  // one hour east
    o.Set(19, 2);
    o.Set(20, 20);
    o.Set(21, 1);
    o.Set(22, 48);
    o.Set(23, 52);
    for (const auto& c : cases) {
        EventEntries e;
        ScriptedPrompt prompt;
        FillPresentMoment(e, LocalDateTime{2026, 12, 7, c.hour, c.minute, 0}, o, prompt);
        EXPECT_EQ(e.name, "Now");
        EXPECT_EQ(e.month, "12");
        EXPECT_EQ(e.day, "7");
        EXPECT_EQ(e.year, "2026");
        EXPECT_EQ(e.hour, c.h);
        EXPECT_EQ(e.minute, c.m);
        EXPECT_EQ(e.pm, c.pm);
        EXPECT_TRUE(e.east);
        EXPECT_EQ(e.tz, "-1");
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

TEST(RegionalFormats, ReadsDatesInTheRegionalOrderAndTheFileForm) {
    struct Case {
        int order;
        const char* text;
        int d, m, y;
    } cases[] = {
        {0, "3/5/2001", 5, 3, 2001},    {1, "5/3/2001", 5, 3, 2001},  {2, "2001/3/5", 5, 3, 2001},
        {0, "05 Mar 2001", 5, 3, 2001}, {2, "2001 Mar 05", 5, 3, 2001}, {1, "4 jul 1990", 4, 7, 1990},
        {0, "2/31/2001", 31, 2, 2001},
    };
    for (const auto& c : cases) {
        RegionalFormats r;
        r.iDate = c.order;
        const auto d = r.ParseDate(c.text);
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(d->day, c.d) << c.text;
        EXPECT_EQ(d->month, c.m) << c.text;
        EXPECT_EQ(d->year, c.y) << c.text;
    }
    RegionalFormats r;
    EXPECT_FALSE(r.ParseDate("not a date"));
    EXPECT_FALSE(r.ParseDate("1/2"));
    EXPECT_FALSE(r.ParseDate("05 Xyz 2001"));
}

TEST(RegionalFormats, EveryMonthOfTheUsersLanguageReadsBackAsItself) {
    using Names = std::array<std::string, 12>;
    const Names english = RegionalFormats{}.monthNames;
    const Names lists[] = {
        english,
        {"janv.", "f\xC3\xA9vr.", "mars", "avr.", "mai", "juin", "juil.", "ao\xC3\xBBt", "sept.",
         "oct.", "nov.", "d\xC3\xA9\x63."},
        {"Jan.", "Feb.", "M\xC3\xA4rz", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sept.", "Okt.", "Nov.",
         "Dez."},
        {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sept", "oct", "nov", "dic"},
    };
    for (const Names& names : lists) {
        RegionalFormats r;
        r.monthNames = names;
        for (int m = 1; m <= 12; ++m) {
            const std::string text = r.FormatDate({5, m, 1990});
            const auto d = r.ParseDate(text);
            ASSERT_TRUE(d) << text;
            EXPECT_EQ(d->month, m) << text;
            EXPECT_EQ(d->day, 5) << text;
            EXPECT_EQ(d->year, 1990) << text;
        }
        // The shipped name files are written in English and read everywhere.
        for (int m = 1; m <= 12; ++m) {
            const auto d = r.ParseDate(quaeryn::FormatDate(4, m, 1957));
            ASSERT_TRUE(d) << names[0] << " " << m;
            EXPECT_EQ(d->month, m) << names[0] << " " << m;
        }
    }
    RegionalFormats french;
    french.monthNames = lists[1];
    EXPECT_EQ(french.MonthFromName("JUI"), 0);  // June or July: no guess
    EXPECT_EQ(french.MonthFromName("Jul"), 7);  // the English abbreviation
}

TEST(RegionalFormats, LongTimeOnBothClocks) {
    RegionalFormats r24;
    EXPECT_EQ(r24.LongTime(0), "00:00:00");
    EXPECT_EQ(r24.LongTime(13 * 3600 + 20 * 60), "13:20:00");
    EXPECT_EQ(r24.LongTime(86400 + 60), "00:01:00");
    EXPECT_EQ(r24.LongTime(-60), "23:59:00");
    RegionalFormats r12;
    r12.iTime = 0;
    EXPECT_EQ(r12.LongTime(0), "12:00:00 AM");
    EXPECT_EQ(r12.LongTime(21 * 3600 + 14 * 60 + 5), "9:14:05 PM");
    EXPECT_EQ(r12.LongTime(12 * 3600), "12:00:00 PM");
}

}  // namespace
}  // namespace quaeryn
