#include "place/ComputerZone.h"

#include <gtest/gtest.h>

#include <string>

#include "base/ZoneSource.h"

namespace quaeryn {
namespace {

// A made-up computer: the zone its files name and the offset its C library
// keeps (seconds west).
class Machine final : public LocalZoneSource {
public:
    Machine(std::string name, int ownWest, ZoneKind kind = ZoneKind::Standard)
        : name_(std::move(name)), own_{ownWest, kind, "OWN"} {}
    std::string ZoneName() const override { return name_; }
    ZoneOffset OwnOffsetAt(std::int64_t) const override { return own_; }

private:
    std::string name_;
    ZoneOffset own_;
};

TEST(ComputerZone, NowIsReadInTheComputersZoneThroughTheDatabase) {
    struct Case {
        const char* machine;
        int ownWest;  // what the operating system agrees to
        LocalDateTime universal;
        LocalDateTime local;
        double zoneHours;
        const char* line;
    } cases[] = {
        {"Etc/UTC", 0, {2021, 7, 1, 12, 0, 5}, {2021, 7, 1, 12, 0, 5}, 0, "Etc/UTC, UTC+0, standard time"},
        {"Asia/Tokyo", -32400, {2021, 12, 31, 20, 30, 0}, {2022, 1, 1, 5, 30, 0}, -9,
         "Asia/Tokyo, UTC+9, standard time"},
        // A daylight-saving date: New York's summer time.
        {"America/New_York", 14400, {2021, 7, 1, 16, 0, 0}, {2021, 7, 1, 12, 0, 0}, 4,
         "America/New_York, UTC-4, summer time"},
        {"America/New_York", 18000, {2020, 1, 15, 17, 0, 0}, {2020, 1, 15, 12, 0, 0}, 5,
         "America/New_York, UTC-5, standard time"},
        // Half and quarter hours.
        {"Australia/Adelaide", -37800, {2021, 1, 15, 1, 30, 0}, {2021, 1, 15, 12, 0, 0}, -10.5,
         "Australia/Adelaide, UTC+10:30, summer time"},
        {"Asia/Kathmandu", -20700, {2020, 6, 1, 6, 15, 0}, {2020, 6, 1, 12, 0, 0}, -5.75,
         "Asia/Kathmandu, UTC+5:45, standard time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.machine);
        const Machine machine(c.machine, c.ownWest);
        const ComputerZone zone(machine, SystemZoneDatabase());
        const Instant instant = InstantOf(c.universal);
        EXPECT_EQ(zone.OffsetAt(instant), -c.ownWest);
        const PresentMoment now = PresentMomentAt(instant, zone);
        EXPECT_EQ(now.local.year, c.local.year);
        EXPECT_EQ(now.local.month, c.local.month);
        EXPECT_EQ(now.local.day, c.local.day);
        EXPECT_EQ(now.local.hour, c.local.hour);
        EXPECT_EQ(now.local.minute, c.local.minute);
        EXPECT_EQ(now.local.second, c.local.second);
        EXPECT_DOUBLE_EQ(now.zoneHours, c.zoneHours);
        EXPECT_EQ(now.zoneName, c.machine);
        EXPECT_EQ(now.zoneLine, c.line);
    }
}

// A zone the database does not know, or a name that contradicts the
// computer's own clock: the clock's offset, and no name to follow.
TEST(ComputerZone, TheOperatingSystemsOffsetWinsOverANameThatDisagrees) {
    struct Case {
        const char* why;
        const char* name;
        int ownWest;
        ZoneKind kind;
        const char* line;
    } cases[] = {
        {"a POSIX rule in TZ", "JST-9", -32400, ZoneKind::Standard, "UTC+9, standard time"},
        {"no name at all", "", -19800, ZoneKind::Standard, "UTC+5:30, standard time"},
        {"a stale /etc/timezone beside a Tokyo /etc/localtime", "Etc/UTC", -32400, ZoneKind::Standard,
         "UTC+9, standard time"},
        {"a New York name on a clock in Paris's summer", "America/New_York", -7200, ZoneKind::Summer,
         "UTC+2, summer time"},
    };
    const Instant instant = InstantOf({2021, 7, 1, 12, 0, 0});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const Machine machine(c.name, c.ownWest, c.kind);
        const ComputerZone zone(machine, SystemZoneDatabase());
        EXPECT_EQ(zone.OffsetAt(instant), -c.ownWest);
        EXPECT_EQ(zone.ZoneName(instant), "");
        EXPECT_EQ(zone.UsedLineAt(instant), c.line);
        EXPECT_EQ(PresentMomentAt(instant, zone).local.hour, 12 - c.ownWest / 3600);
    }
}

}  // namespace
}  // namespace quaeryn
