#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "base/ZoneSource.h"
#include "support/FixedClock.h"

namespace quaeryn {
namespace {

bool SameMoment(const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

// Instants checked against the Unix time of the same dates (date -u -d ... +%s).
TEST(CivilTime, InstantsAndDatesAgree) {
    struct Case {
        Instant instant;
        LocalDateTime universal;
    } cases[] = {
        {0, {1970, 1, 1, 0, 0, 0}},
        {-1, {1969, 12, 31, 23, 59, 59}},
        {951782400, {2000, 2, 29, 0, 0, 0}},
        {4107542399, {2100, 2, 28, 23, 59, 59}},
        {4107542400, {2100, 3, 1, 0, 0, 0}},  // 2100 is no leap year
        {1796601600, {2026, 12, 7, 0, 0, 0}},
        {-2208988800, {1900, 1, 1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.instant);
        EXPECT_TRUE(SameMoment(CivilTimeAt(c.instant), c.universal));
        EXPECT_EQ(InstantOf(c.universal), c.instant);
    }
    // An offset moves the clock across midnight and the year's end.
    EXPECT_TRUE(SameMoment(CivilTimeAt(InstantOf({2026, 12, 31, 23, 30, 0}), 3600), {2027, 1, 1, 0, 30, 0}));
    EXPECT_TRUE(SameMoment(CivilTimeAt(InstantOf({2027, 1, 1, 2, 0, 0}), -5 * 3600), {2026, 12, 31, 21, 0, 0}));
}

TEST(PresentMoment, TheComputersZoneInHoursWest) {
    const Instant instant = InstantOf({2026, 12, 7, 18, 40, 0});
    struct Case {
        long offsetSeconds;
        LocalDateTime local;
        double zoneHours;
    } cases[] = {
        {0, {2026, 12, 7, 18, 40, 0}, 0},
        {-5 * 3600, {2026, 12, 7, 13, 40, 0}, 5},
        {9 * 3600, {2026, 12, 8, 3, 40, 0}, -9},
        {19800, {2026, 12, 8, 0, 10, 0}, -5.5},         // India
        {20700, {2026, 12, 8, 0, 25, 0}, -5.75},        // Nepal
        {-9 * 3600 - 1800, {2026, 12, 7, 9, 10, 0}, 9.5},  // the Marquesas
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offsetSeconds);
        const PresentMoment p = PresentMomentAt(instant, test::FixedZone(c.offsetSeconds));
        EXPECT_TRUE(SameMoment(p.local, c.local));
        EXPECT_DOUBLE_EQ(p.zoneHours, c.zoneHours);
        if (c.zoneHours == 0) {
            EXPECT_FALSE(std::signbit(p.zoneHours));  // 0, not -0
        }
    }
}

// The system's zone follows the rules the C library reads for TZ; POSIX
// rule strings need no zone files.
class SystemZoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
    }
    void TearDown() override {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    static void Use(const char* rule) {
        setenv("TZ", rule, 1);
        tzset();
    }
    std::optional<std::string> saved_;
};

TEST_F(SystemZoneTest, OffsetsIncludeDaylightSaving) {
    struct Case {
        const char* rule;
        LocalDateTime universal;
        long offsetSeconds;
    } cases[] = {
        {"UTC0", {2026, 12, 7, 18, 40, 0}, 0},
        {"EST5EDT,M3.2.0,M11.1.0", {2026, 1, 15, 12, 0, 0}, -5 * 3600},
        {"EST5EDT,M3.2.0,M11.1.0", {2026, 7, 4, 16, 0, 0}, -4 * 3600},
        // Summer time begins at 2:00 local time on 8 March 2026 (7:00 UT).
        {"EST5EDT,M3.2.0,M11.1.0", {2026, 3, 8, 6, 59, 0}, -5 * 3600},
        {"EST5EDT,M3.2.0,M11.1.0", {2026, 3, 8, 7, 0, 0}, -4 * 3600},
        {"IST-5:30", {2026, 12, 7, 18, 40, 0}, 19800},
        {"JST-9", {2026, 12, 7, 18, 40, 0}, 9 * 3600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Use(c.rule);
        EXPECT_EQ(SystemZone::Instance().OffsetAt(InstantOf(c.universal)), c.offsetSeconds);
    }
    Use("EST5EDT,M3.2.0,M11.1.0");
    const PresentMoment summer = PresentMomentAt(InstantOf({2026, 7, 4, 16, 0, 0}), SystemZone::Instance());
    EXPECT_EQ(summer.local.hour, 12);
    EXPECT_DOUBLE_EQ(summer.zoneHours, 4);
}

}  // namespace
}  // namespace quaeryn
