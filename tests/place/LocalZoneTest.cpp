#include "place/LocalZone.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "place/ZoneRule.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

std::int64_t Utc(int y, int mo, int d, int h, int mi, int s = 0) {
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

// A made-up computer: a zone name and the offset its C library would give.
class FakeLocalZone final : public LocalZoneSource {
public:
    FakeLocalZone(std::string name, int ownWest) : name_(std::move(name)), ownWest_(ownWest) {}
    std::string ZoneName() const override { return name_; }
    ZoneOffset OwnOffsetAt(std::int64_t) const override {
        return ZoneOffset{ownWest_, ZoneKind::Standard, "OWN"};
    }

private:
    std::string name_;
    int ownWest_;
};

TEST(LocalMomentAt, ThePresentMomentWhereverTheComputerIs) {
    struct Case {
        const char* machine;
        std::int64_t utc;
        LocalMoment local;
        double hoursWest;
        ZoneKind kind;
    } cases[] = {
        {"Etc/UTC", Utc(2021, 7, 1, 12, 0), {2021, 7, 1, 12, 0}, 0, ZoneKind::Standard},
        {"Asia/Tokyo", Utc(2021, 7, 1, 12, 0), {2021, 7, 1, 21, 0}, -9, ZoneKind::Standard},
        {"Asia/Tokyo", Utc(2021, 12, 31, 20, 30), {2022, 1, 1, 5, 30}, -9, ZoneKind::Standard},
        {"America/New_York", Utc(2021, 7, 1, 12, 0), {2021, 7, 1, 8, 0}, 4, ZoneKind::Summer},
        {"America/New_York", Utc(2021, 1, 1, 3, 0), {2020, 12, 31, 22, 0}, 5, ZoneKind::Standard},
        // Either side of the end of summer time, by the second.
        {"America/New_York", Utc(2021, 11, 7, 5, 59, 0), {2021, 11, 7, 1, 59}, 4, ZoneKind::Summer},
        {"America/New_York", Utc(2021, 11, 7, 5, 30), {2021, 11, 7, 1, 30}, 4, ZoneKind::Summer},
        {"America/New_York", Utc(2021, 11, 7, 6, 30), {2021, 11, 7, 1, 30}, 5, ZoneKind::Standard},
        {"Australia/Adelaide", Utc(2021, 1, 15, 12, 0), {2021, 1, 15, 22, 30}, -10.5,
         ZoneKind::Summer},
        {"Asia/Kathmandu", Utc(2021, 1, 15, 12, 0), {2021, 1, 15, 17, 45}, -5.75,
         ZoneKind::Standard},
        // After the last change the zone files list.
        {"Europe/Paris", Utc(2050, 7, 1, 12, 0), {2050, 7, 1, 14, 0}, -2, ZoneKind::Summer},
    };
    for (const auto& c : cases) {
        const FakeLocalZone machine(c.machine, 12345);
        const ZonedMoment now = LocalMomentAt(c.utc + 17, machine, SystemZoneDatabase());
        EXPECT_EQ(now.zone, c.machine);
        EXPECT_DOUBLE_EQ(now.offset.hoursWest(), c.hoursWest) << c.machine;
        EXPECT_EQ(now.offset.kind, c.kind) << c.machine;
        EXPECT_EQ(now.local.year, c.local.year) << c.machine;
        EXPECT_EQ(now.local.month, c.local.month) << c.machine;
        EXPECT_EQ(now.local.day, c.local.day) << c.machine;
        EXPECT_EQ(now.local.hour, c.local.hour) << c.machine;
        EXPECT_EQ(now.local.minute, c.local.minute) << c.machine;
        EXPECT_EQ(now.second, 17) << c.machine;
    }
}

TEST(LocalMomentAt, AZoneTheDatabaseDoesNotKnowTakesTheComputersOwnOffset) {
    for (const char* name : {"", "JST-9", "Nowhere/Atlantis"}) {
        const FakeLocalZone machine(name, -9 * 3600);
        const ZonedMoment now = LocalMomentAt(Utc(2021, 7, 1, 12, 0), machine, SystemZoneDatabase());
        EXPECT_EQ(now.zone, "") << name;
        EXPECT_EQ(now.offset.abbreviation, "OWN") << name;
        EXPECT_EQ(now.local.hour, 21) << name;
    }
}

// On the machine that runs the tests, the zone found and the C library
// agree on the local time of many instants of a year.
TEST(LocalMomentAt, AgreesWithTheCLibraryOnThisComputer) {
    const SystemLocalZone machine;
    for (std::int64_t t = Utc(2021, 1, 1, 0, 0); t < Utc(2022, 1, 1, 0, 0); t += 86400 * 7 + 3607) {
        const ZonedMoment now = LocalMomentAt(t, machine, SystemZoneDatabase());
        const auto tt = static_cast<std::time_t>(t);
        std::tm tm{};
        ASSERT_NE(localtime_r(&tt, &tm), nullptr);
        ASSERT_EQ(now.offset.secondsWest, -tm.tm_gmtoff) << t;
        ASSERT_EQ(now.local.hour, tm.tm_hour) << t;
        ASSERT_EQ(now.local.day, tm.tm_mday) << t;
    }
}

TEST(ZoneNameInPath, TakesThePartAfterZoneinfo) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"/usr/share/zoneinfo/Europe/Paris", "Europe/Paris"},
        {"../usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo"},
        {"/usr/share/zoneinfo/posix/America/New_York", "America/New_York"},
        {"/usr/share/zoneinfo/right/Asia/Kolkata", "Asia/Kolkata"},
        {"/usr/share/zoneinfo/Etc/UTC", "Etc/UTC"},
        {"/var/db/timezone/zoneinfo/Australia/Adelaide", "Australia/Adelaide"},
        {"/etc/localtime", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ZoneNameInPath(c.path), c.name) << c.path;
}

// A made-up machine's /etc in a folder of its own.
class SystemLocalZoneTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_ / "etc"); }

    SystemLocalZone::Places At(std::optional<std::string> tz) const {
        return SystemLocalZone::Places{std::move(tz), dir_ / "etc" / "localtime",
                                       dir_ / "etc" / "timezone"};
    }
    void WriteTimezone(const std::string& text) const {
        std::ofstream(dir_ / "etc" / "timezone") << text;
    }

    test::TempFolder folder_;
    const fs::path dir_ = folder_.path();
};

TEST_F(SystemLocalZoneTest, TheTzVariableComesFirst) {
    fs::create_symlink("/usr/share/zoneinfo/Asia/Tokyo", dir_ / "etc" / "localtime");
    WriteTimezone("Asia/Tokyo\n");
    struct Case {
        const char* tz;
        const char* name;
    } cases[] = {
        {"Europe/Paris", "Europe/Paris"},
        {":Europe/Paris", "Europe/Paris"},
        {"/usr/share/zoneinfo/Asia/Kathmandu", "Asia/Kathmandu"},
        {":/usr/share/zoneinfo/Asia/Kathmandu", "Asia/Kathmandu"},
        {"JST-9", "JST-9"},  // a rule: the offset comes from the C library
        {"", "UTC"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SystemLocalZone(At(std::string(c.tz))).ZoneName(), c.name) << c.tz;
    EXPECT_EQ(SystemLocalZone(At(std::nullopt)).ZoneName(), "Asia/Tokyo");
}

TEST_F(SystemLocalZoneTest, TheLocaltimeLinkThenTheTimezoneFile) {
    // Nothing to go by.
    EXPECT_EQ(SystemLocalZone(At(std::nullopt)).ZoneName(), "");
    // Only /etc/timezone.
    WriteTimezone("  Australia/Adelaide \n");
    EXPECT_EQ(SystemLocalZone(At(std::nullopt)).ZoneName(), "Australia/Adelaide");
    // A link wins over the file, relative or absolute, in the posix folder too.
    fs::create_symlink("../usr/share/zoneinfo/posix/America/New_York", dir_ / "etc" / "localtime");
    EXPECT_EQ(SystemLocalZone(At(std::nullopt)).ZoneName(), "America/New_York");
    fs::remove(dir_ / "etc" / "localtime");
    // A link through a link.
    fs::create_symlink("/usr/share/zoneinfo/Asia/Kolkata", dir_ / "zone");
    fs::create_symlink(dir_ / "zone", dir_ / "etc" / "localtime");
    EXPECT_EQ(SystemLocalZone(At(std::nullopt)).ZoneName(), "Asia/Kolkata");
    fs::remove(dir_ / "etc" / "localtime");
    // A copied zone file says nothing; the timezone file does.
    std::ofstream(dir_ / "etc" / "localtime") << "TZif2";
    EXPECT_EQ(SystemLocalZone(At(std::nullopt)).ZoneName(), "Australia/Adelaide");
}

}  // namespace
}  // namespace quaeryn
