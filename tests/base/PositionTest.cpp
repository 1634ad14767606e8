#include <gtest/gtest.h>

#include "base/Position.h"

namespace quaeryn {
namespace {

TEST(SplitPosition, RoundsMinutesWithoutCarryingIntoTheDegree) {
    struct Case {
        double longitude;
        int sign, degrees, minutes;
        const char* text;
    } cases[] = {
        {10.9999, 1, 10, 59, "10 ARI 59"}, {29.999, 1, 29, 59, "29 ARI 59"},
        {30.0, 2, 0, 0, "00 TAU 00"},      {59.0, 2, 29, 0, "29 TAU 00"},
        {0.1167, 1, 0, 7, "00 ARI 07"},    {125.5, 5, 5, 30, "05 LEO 30"},
        {359.99, 12, 29, 59, "29 PIS 59"}, {275.25, 10, 5, 15, "05 CPR 15"},
    };
    for (const auto& c : cases) {
        const SignPosition p = SplitPosition(c.longitude);
        EXPECT_EQ(p.sign, c.sign) << c.longitude;
        EXPECT_EQ(p.degrees, c.degrees) << c.longitude;
        EXPECT_EQ(p.minutes, c.minutes) << c.longitude;
        EXPECT_EQ(FormatPosition(c.longitude), c.text);
    }
}

TEST(SplitPositionSeconds, TruncatesMinutesAndSeconds) {
    const double lon = 5 + 7 / 60.0 + 33.9 / 3600;
    EXPECT_EQ(FormatPositionSeconds(lon), "05 ARI 07m 33s");
    const SignPosition p = SplitPositionSeconds(10.9999);
    EXPECT_EQ(p.minutes, 59);
    EXPECT_EQ(p.seconds, 59);
    EXPECT_EQ(FormatPositionSeconds(200.5), "20 LIB 30m 00s");
}

}  // namespace
}  // namespace quaeryn
