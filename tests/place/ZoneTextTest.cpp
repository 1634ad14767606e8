#include "place/ZoneText.h"

#include <gtest/gtest.h>

namespace quaeryn {
namespace {

TEST(ZoneText, OffsetAsPeopleWriteIt) {
    struct Case {
        int secondsWest;
        const char* text;
    } cases[] = {
        {-7200, "UTC+2"},      {18000, "UTC-5"},       {0, "UTC+0"},
        {-20700, "UTC+5:45"},  {-37800, "UTC+10:30"},  {12600, "UTC-3:30"},
        {17762, "UTC-4:56:02"}, {-561, "UTC+0:09:21"}, {-50400, "UTC+14"},
        {1800, "UTC-0:30"},
    };
    for (const auto& c : cases) EXPECT_EQ(UtcOffsetText(c.secondsWest), c.text) << c.secondsWest;
}

TEST(ZoneText, TheLineUnderTheZoneBox) {
    EXPECT_EQ(ZoneUsedLine("Europe/Paris", {-7200, ZoneKind::Summer, "CEST"}),
              "Europe/Paris, UTC+2, summer time");
    EXPECT_EQ(ZoneUsedLine("America/New_York", {18000, ZoneKind::Standard, "EST"}),
              "America/New_York, UTC-5, standard time");
    EXPECT_EQ(ZoneUsedLine("Asia/Kathmandu", {-20700, ZoneKind::Standard, "+0545"}),
              "Asia/Kathmandu, UTC+5:45, standard time");
    EXPECT_EQ(ZoneUsedLine("America/New_York", {17762, ZoneKind::LocalMeanTime, "LMT"}),
              "America/New_York, UTC-4:56:02, local mean time");
    EXPECT_EQ(ZoneUsedLine("", {-32400, ZoneKind::Standard, "JST"}), "UTC+9, standard time");
}

TEST(ZoneText, TheZoneBoxCountsHoursWest) {
    struct Case {
        int secondsWest;
        const char* text;
    } cases[] = {
        {-7200, "-2"},      {18000, "5"},        {0, "0"},          {-20700, "-5.75"},
        {-37800, "-10.5"},  {12600, "3.5"},      {-19800, "-5.5"},  {-45900, "-12.75"},
        {17762, "4.9339"},  {-1200, "-0.3333"},  {-19270, "-5.3528"}, {1800, "0.5"},
        {-50400, "-14"},    {36000, "10"},
    };
    for (const auto& c : cases) EXPECT_EQ(ZoneHoursText(c.secondsWest), c.text) << c.secondsWest;
}

}  // namespace
}  // namespace quaeryn
