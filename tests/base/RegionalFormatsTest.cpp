#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/Numbers.h"
#include "base/RegionalFormats.h"

namespace quaeryn {
namespace {

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
    // Digits no int holds make no date; leading zeros do not count.
    EXPECT_FALSE(r.ParseDate("3/5/99999999999"));
    EXPECT_FALSE(r.ParseDate("99999999999 Mar 2001"));
    EXPECT_EQ(r.ParseDate("3/5/0000000002001").value_or(CalendarDate{}).year, 2001);
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
