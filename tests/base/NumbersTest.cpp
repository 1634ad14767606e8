#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Numbers.h"

namespace quaeryn {
namespace {

TEST(NumericValue, TakesTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},          {"abc", 0},        {"12", 12},        {"  2    Regiomontanus", 2},
        {"-5.5", -5.5},   {"+3", 3},         {".5", 0.5},       {"15.5", 15.5},
        {"8.5 orb", 8.5}, {"1e3", 1000},     {"2x", 2},         {"-", 0},
        {"-.", 0},        {" 7.75", 7.75},   {"FontSize", 0},   {"12abc34", 12},
        {"1e", 1},        {"3D2", 300},      {"\t4", 4},        {"- 5", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(RoundToInt16, HalfGoesToEvenAndOverflowIsRefused) {
    EXPECT_EQ(RoundToInt16(15.5), 16);
    EXPECT_EQ(RoundToInt16(16.5), 16);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(2.4999), 2);
    EXPECT_EQ(RoundToInt16(32767.0), 32767);
    EXPECT_EQ(RoundToInt16(-32768.0), -32768);
    EXPECT_FALSE(RoundToInt16(32767.5).has_value());  // rounds to 32768
    EXPECT_FALSE(RoundToInt16(1e9).has_value());
    EXPECT_FALSE(RoundToInt16(std::nan("")).has_value());
}

TEST(ClampedWhole, TruncatesAndHoldsAnyNumberToTheRange) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        long low, high, expected;
    } cases[] = {
        {7.9, 0, 200, 7},      {-7.9, -10, 10, -7},  {27, 1, 200, 27},   {1e10, 0, 201, 201},
        {-1e10, 0, 201, 0},    {inf, -5, 5, 5},      {-inf, -5, 5, -5},  {std::nan(""), 3, 9, 3},
        {2147483648.0, 0, 1L << 40, 2147483648L},    {1e300, -1, 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(ClampedWhole(c.value, c.low, c.high), c.expected) << c.value;
}

TEST(NumberText, PutsABlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(NumberText(10.0), " 10");
    EXPECT_EQ(NumberText(-1.0), "-1");
    EXPECT_EQ(NumberText(0.0), " 0");
    EXPECT_EQ(NumberText(12.25), " 12.25");
    EXPECT_EQ(NumberText(-5.5), "-5.5");
    EXPECT_EQ(NumberText(0.5), " 0.5");
    EXPECT_EQ(NumberText(1e-5), " 1E-05");
    EXPECT_EQ(NumberText(0.0001), " 0.0001");
    EXPECT_EQ(NumberText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(NumberText(1e15), " 1E+15");
    // Single precision shows 7 significant digits: 10.3f is not 10.30000019.
    EXPECT_EQ(NumberText(10.3f), " 10.3");
    EXPECT_EQ(NumberText(-73.58f), "-73.58");
}

TEST(FormatNumber, FollowsEachPatternOfTheReports) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {5.0, "##0.0", "5.0"},        {-5.5, "##0.0", "-5.5"},      {123.45, "##0.0", "123.5"},
        {10.3, "#0.00", "10.30"},     {9.0, "#0.00", "9.00"},       {0.5, "#0.00", "0.50"},
        {40.45, "##0.00", "40.45"},   {73.58, "##0.00", "73.58"},   {7.0, "00", "07"},
        {59.0, "00", "59"},           {12.5, "##0", "13"},          {-12.5, "##0", "-13"},
        {5.0, "##0", "5"},            {2.675, "0.00", "2.68"},      {1.05, "#0.0", "1.1"},
        {0.25, "0.0", "0.3"},         {7.0, "000", "007"},          {3.6, "0", "4"},
        {5.0, "#0", "5"},             {9.05, "##.#0", "9.05"},      {12.3, "##.#0", "12.30"},
        {73.59, "#00#.#0", "073.59"}, {-2.2, "#00#.#0", "-002.20"}, {40.45, "#0#.#0", "40.45"},
        {-33.52, "#0#.#0", "-33.52"}, {5.0, "#0#.#0", "05.00"},     {180.0, "#00#.#0", "180.00"},
        {0.05, "##.#0", ".05"},       {99.996, "#0.00", "100.00"},  {-0.4, "##0", "-0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

TEST(FormatNumber, SingleValuesRoundOnTheirOwnDigits) {
    // 0.285f is 0.28499999642… in binary; as a single it reads 0.285.
    EXPECT_EQ(FormatNumber(0.285f, "0.00"), "0.29");
    EXPECT_EQ(FormatNumber(10.3f, "#0.00"), "10.30");
    EXPECT_EQ(FormatNumber(5.0f, "##0.0"), "5.0");
}

TEST(RightAlign4, PadsByTheValue) {
    struct Case {
        double value;
        const char* text;
        const char* aligned;
    } cases[] = {
        {5, "5", "   5"},     {0, "0", "   0"},     {10, "10", "  10"},   {99, "99", "  99"},
        {100, "100", " 100"}, {-1, "-1", "  -1"},   {-9, "-9", "  -9"},   {-10, "-10", " -10"},
        {-12, "-12", " -12"}, {-99, "-99", " -99"}, {-100, "-100", "-100"}, {-0.5, "-0,5", "  -0,5"},
    };
    for (const auto& c : cases) EXPECT_EQ(RightAlign4(c.value, c.text), c.aligned) << c.value;
}

TEST(FormatDate, WritesTwoDigitDayMonthNameAndYear) {
    EXPECT_EQ(FormatDate(5, 3, 2001), "05 Mar 2001");
    EXPECT_EQ(FormatDate(31, 2, 2001), "31 Feb 2001");
    EXPECT_EQ(FormatDate(4, 7, 1990), "04 Jul 1990");
    EXPECT_EQ(FormatDate(1, 1, 100), "01 Jan 0100");
}

}  // namespace
}  // namespace quaeryn
