#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Position.h"
#include "base/Zodiac.h"

namespace quaeryn {
namespace {

TEST(Zodiac, SignAndDegreeOfAnyLongitudeAreNormalised) {
    struct Case {
        double longitude;
        int sign;
        double degree;
        int wholeDegree;
    } cases[] = {
        {0, 1, 0, 0},           {29.999, 1, 29.999, 29},  {30, 2, 0, 0},
        {125.5, 5, 5.5, 5},     {359.5, 12, 29.5, 29},    {360, 1, 0, 0},
        {-30, 12, 0, 0},        {-0.5, 12, 29.5, 29},     {-1e-15, 1, 0, 0},
        {725.25, 1, 5.25, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignOf(c.longitude), c.sign) << c.longitude;
        EXPECT_NEAR(DegreeInSign(c.longitude), c.degree, 1e-9) << c.longitude;
        EXPECT_EQ(WholeDegreeInSign(c.longitude), c.wholeDegree) << c.longitude;
    }
    // Within 0 to 360 the degree is the longitude less whole signs, exactly.
    for (double l = 0.0; l < 360.0; l += 7.3) EXPECT_EQ(DegreeInSign(l), l - 30.0 * (SignOf(l) - 1)) << l;
}

TEST(Zodiac, PositionTextsOfLongitudesOutsideOneTurn) {
    EXPECT_EQ(FormatPosition(360.0), "00 ARI 00");
    EXPECT_EQ(FormatPosition(-10.5), "19 PIS 30");
    EXPECT_EQ(FormatPosition(485.5), "05 LEO 30");
    EXPECT_EQ(DeclinationText(-12.5), "12 S 30");
    EXPECT_EQ(DeclinationText(0), "00 N 00");
}

// A longitude that is not a number (a computation gone wrong) still splits
// into a sign and degrees of the tables, never an undefined conversion.
TEST(Zodiac, ALongitudeThatIsNoNumberSplitsWithinTheTables) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double l : {std::nan(""), inf, -inf}) {
        EXPECT_EQ(SignOf(l), 1) << l;
        EXPECT_EQ(WholeDegreeInSign(l), 0) << l;
        const SignPosition p = SplitPositionSeconds(l);
        EXPECT_EQ(p.sign, 1);
        EXPECT_EQ(p.degrees, 0);
        EXPECT_EQ(p.minutes, 0);
        EXPECT_EQ(p.seconds, 0);
        EXPECT_EQ(FormatPosition(l), "00 ARI 00") << l;
    }
}

}  // namespace
}  // namespace quaeryn
