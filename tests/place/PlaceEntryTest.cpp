#include "place/PlaceEntry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quaeryn {
namespace {

TEST(PlaceEntry, LongitudeToDegreesMinutesAndSide) {
    struct Case {
        double east;
        AngleEntry entry;
    } cases[] = {
        {2.0 + 20.0 / 60, {2, 20, 'E'}},          // 2°20' E
        {2.34880, {2, 21, 'E'}},                  // Paris: 20.93 minutes
        {-74.00597, {74, 0, 'W'}},                // New York: 0.36 minutes
        {-73.0 - 59.0 / 60, {73, 59, 'W'}},
        {2.0 + 59.5 / 60, {3, 0, 'E'}},           // 59.5 minutes carry into the degree
        {2.0 + 59.49 / 60, {2, 59, 'E'}},
        {-(2.0 + 59.5 / 60), {3, 0, 'W'}},
        {0.5 / 60, {0, 1, 'E'}},
        {0.4 / 60, {0, 0, 'W'}},                  // rounds to nothing: West, as 0 is stored
        {-0.4 / 60, {0, 0, 'W'}},
        {0.0, {0, 0, 'W'}},
        {180.0, {180, 0, 'E'}},
        {-180.0, {180, 0, 'W'}},
        {179.9999, {180, 0, 'E'}},
    };
    for (const auto& c : cases) {
        const auto e = LongitudeEntry(c.east);
        ASSERT_TRUE(e.has_value()) << c.east;
        EXPECT_EQ(*e, c.entry) << c.east << " gives " << e->degrees << " " << e->minutes << " "
                               << e->side;
    }
}

TEST(PlaceEntry, LatitudeToDegreesMinutesAndSide) {
    struct Case {
        double north;
        AngleEntry entry;
    } cases[] = {
        {48.85341, {48, 51, 'N'}},  {-33.86785, {33, 52, 'S'}}, {40.0 + 45.0 / 60, {40, 45, 'N'}},
        {0.0, {0, 0, 'N'}},         {-0.2 / 60, {0, 0, 'N'}},   {90.0, {90, 0, 'N'}},
        {-90.0, {90, 0, 'S'}},      {-(66.0 + 59.6 / 60), {67, 0, 'S'}},
    };
    for (const auto& c : cases) {
        const auto e = LatitudeEntry(c.north);
        ASSERT_TRUE(e.has_value()) << c.north;
        EXPECT_EQ(*e, c.entry) << c.north << " gives " << e->degrees << " " << e->minutes << " "
                               << e->side;
    }
}

TEST(PlaceEntry, RefusesWhatIsNoPlace) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double x : {180.0001, -181.0, nan, inf, -inf}) EXPECT_FALSE(LongitudeEntry(x)) << x;
    for (const double x : {90.0001, -91.0, nan, inf}) EXPECT_FALSE(LatitudeEntry(x)) << x;
}

}  // namespace
}  // namespace quaeryn
