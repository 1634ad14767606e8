// quaeryn-cli --place, --places, --zone, --earlier and --later: a chart
// cast for a place by its name without knowing its zone.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "base/TextFile.h"
#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

using test::CliRun;

class CliPlaceTest : public test::CliFixture {};

std::vector<std::string> Args(std::initializer_list<const char*> more) {
    std::vector<std::string> args = {"--name", "t", "--json"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The julian day of the chart's universal time.
double UniversalJulianDay(const nlohmann::json& j) {
    return j["JulianDayNumber"].get<double>() + j["UtDayFraction"].get<double>() - 0.5;
}

TEST_F(CliPlaceTest, ThePlaceGivesTheCoordinatesAndTheZoneOfTheDateAndTime) {
    struct Case {
        std::vector<std::string> args;
        double zoneHours;
        const char* zoneLine;
        double longitudeDm;  // negative east, as the chart keeps it
        const char* longitudeSide;
        double latitudeDm;
    } cases[] = {
        {Args({"--place", "Paris", "--date", "2020-07-01", "--time", "12:00"}), -2,
         "quaeryn-cli: zone: Europe/Paris, UTC+2, summer time\n", -2.21, "EAST", 48.51},
        {Args({"--place", "New York", "--date", "2020-01-15", "--time", "12:00"}), 5,
         "quaeryn-cli: zone: America/New_York, UTC-5, standard time\n", 74.00, "WEST", 40.43},
        {Args({"--place", "Kathmandu", "--date", "2020-06-01", "--time", "12:00"}), -5.75,
         "quaeryn-cli: zone: Asia/Kathmandu, UTC+5:45, standard time\n", -85.19, "EAST", 27.42},
        {Args({"--place", "Adelaide", "--date", "2021-01-15", "--time", "12:00"}), -10.5,
         "quaeryn-cli: zone: Australia/Adelaide, UTC+10:30, summer time\n", -138.36, "EAST", -34.56},
        // Narrowed by the region: Texas keeps Chicago's time.
        {Args({"--place", "Paris, Texas", "--date", "2020-07-01", "--time", "12:00"}), 5,
         "quaeryn-cli: zone: America/Chicago, UTC-5, summer time\n", 95.33, "WEST", 33.40},
        // 2 degrees 20 minutes East.
        {Args({"--place", "Arcueil", "--date", "2020-01-15", "--time", "12:00"}), -1,
         "quaeryn-cli: zone: Europe/Paris, UTC+1, standard time\n", -2.20, "EAST", 48.48},
        // --zone fills only the zone.
        {Args({"--zone", "Asia/Kathmandu", "--date", "2020-06-01", "--time", "12:00", "--long", "85E19", "--lat",
               "27N42"}),
         -5.75, "quaeryn-cli: zone: Asia/Kathmandu, UTC+5:45, standard time\n", -85.19, "EAST", 27.42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[4]);
        const CliRun r = run(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_DOUBLE_EQ(j["ZoneHours"].get<double>(), c.zoneHours);
        EXPECT_NEAR(j["LongitudeDm"].get<double>(), c.longitudeDm, 1e-5);  // single precision
        EXPECT_EQ(j["LongitudeSide"], c.longitudeSide);
        EXPECT_NEAR(j["LatitudeDm"].get<double>(), c.latitudeDm, 1e-5);
        EXPECT_TRUE(r.err.ends_with(c.zoneLine)) << r.err;
    }
}

// Paris, 14 July 1990, 15:00: the chart of 13:00 universal time, and the
// place and zone chosen on the error stream.
TEST_F(CliPlaceTest, BastilleDayInParisWithoutKnowingTheZone) {
    const CliRun r = run({"--name", "Paris", "--place", "Paris", "--date", "1990-07-14", "--time", "15:00"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n  Paris\n  14 Jul 1990    TZ = -2.0      3.00 P.M.   48.51 NORTH    2.21 EAST\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err,
              "quaeryn-cli: 'Paris' matches 4 places; taking the most populous, Paris, Île-de-France Region, "
              "France; --places 'Paris' lists them\n"
              "quaeryn-cli: place: Paris, Île-de-France Region, France, 48N51 2E21\n"
              "quaeryn-cli: zone: Europe/Paris, UTC+2, summer time\n");
    const CliRun json = run({"--name", "Paris", "--place", "Paris", "--date", "1990-07-14", "--time", "15:00",
                             "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NEAR(UniversalJulianDay(nlohmann::json::parse(json.out)), 2448087.0416667, 1e-6);
}

TEST_F(CliPlaceTest, TheHardMomentsAreRefusedOrChosenByFlag) {
    const std::vector<std::string> repeated = {"--name", "t", "--place", "New York", "--date", "2021-11-07",
                                               "--time", "1:30", "--am"};
    const CliRun skipped =
        run({"--name", "t", "--place", "New York", "--date", "2021-03-14", "--time", "2:30", "--am"});
    EXPECT_EQ(skipped.status, 2);
    EXPECT_EQ(skipped.out, "");
    EXPECT_TRUE(skipped.err.ends_with(
        "Warning!: There is no 2.30 A.M. on 14 Mar 2021 in America/New_York: at 2.00 A.M. the clocks went forward "
        "to 3.00 A.M., as summer time began (UTC-5 to UTC-4). Please correct the time.\n"))
        << skipped.err;

    const CliRun unchosen = run(repeated);
    EXPECT_EQ(unchosen.status, 2);
    EXPECT_EQ(unchosen.out, "");
    EXPECT_TRUE(unchosen.err.ends_with(
        "Warning!: 1.30 A.M. on 07 Nov 2021 occurs twice in America/New_York: first in summer time (UTC-4), then "
        "again in standard time (UTC-5). Please say which one is meant, the first or the second.\n"
        "--earlier takes the first, --later the second\n"))
        << unchosen.err;

    struct Case {
        const char* flag;
        double zoneHours;
        double julianDay;  // 5.30 and 6.30 universal time
    } cases[] = {{"--earlier", 4, 2459525.7291667}, {"--later", 5, 2459525.7708333}};
    for (const auto& c : cases) {
        std::vector<std::string> args = repeated;
        args.push_back(c.flag);
        args.push_back("--json");
        const CliRun r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_DOUBLE_EQ(j["ZoneHours"].get<double>(), c.zoneHours) << c.flag;
        EXPECT_NEAR(UniversalJulianDay(j), c.julianDay, 1e-6) << c.flag;
    }
}

// New York in 1850 kept local mean time: the LMT box, with the mean time of
// the place's longitude (74 degrees 00 minutes West) in the zone box.
TEST_F(CliPlaceTest, BeforeStandardTimeTheChartIsInLocalMeanTime) {
    const CliRun r =
        run({"--name", "t", "--place", "New York", "--date", "1850-03-01", "--time", "9:15", "--am", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_NEAR(j["ZoneHours"].get<double>(), 4.9333, 1e-9);
    // 9.15 local mean time at 74 West is 14.11 universal time.
    EXPECT_NEAR(j["UtDayFraction"].get<double>(), (9.25 + 74.0 / 15) / 24, 1e-6);
    EXPECT_NE(r.err.find("Information: America/New_York kept no standard time on 01 Mar 1850: its clocks showed "
                         "local mean time (UTC-4:56:02 at its own city). The time is taken as local mean time at "
                         "the entered longitude (LMT).\n"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(r.err.ends_with("quaeryn-cli: zone: America/New_York, local mean time (LMT)\n")) << r.err;
    const CliRun header = run({"--name", "t", "--place", "New York", "--date", "1850-03-01", "--time", "9:15", "--am"});
    EXPECT_NE(header.out.find("9.15 A.M. LMT"), std::string::npos) << header.out;
}

TEST_F(CliPlaceTest, UnknownPlacesAndZonesAndDatesThatAreNoMomentExitTwo) {
    struct Case {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{"--name", "t", "--place", "Xyzzy", "--date", "2020-06-01", "--time", "12:00"},
         "quaeryn-cli: no place matches 'Xyzzy'; --places lists what a text finds\n"},
        {{"--name", "t", "--zone", "Mars/Base", "--date", "2020-06-01", "--time", "12:00", "--long", "85E19",
          "--lat", "27N42"},
         "Warning!: The time zone Mars/Base is not in the time-zone database. Please give a zone such as "
         "America/New_York, Europe/Paris or Asia/Kathmandu.\n"},
        // The date's own refusal, without a word about the zone box.
        {{"--name", "t", "--zone", "Europe/Paris", "--date", "2021-02-30", "--time", "12:00", "--long", "2E20",
          "--lat", "48N50"},
         "Warning!: Error in natal input data section. The day is past the end of its month. Please correct.\n"
         "day: 30 is past 28, the last day of February 2021\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CliPlaceTest, PlacesListsTheMatchesMostPopulousFirst) {
    const CliRun r = run({"--places", "Paris"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with(
        "Paris, Île-de-France Region, France; population 2138551; 48N51 2E21; Europe/Paris\n"
        "Paris, Texas, United States of America; population 24782; 33N40 95W33; America/Chicago\n"))
        << r.out;
    // Later words of a name follow the names that begin so.
    EXPECT_NE(r.out.find("\nCormeilles-en-Parisis, "), std::string::npos) << r.out;
    const CliRun none = run({"--places", "Xyzzy"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "quaeryn-cli: no place matches 'Xyzzy'\n");
}

// The record keeps the resolved numbers in its usual form: the zone in
// hours, no place name.
TEST_F(CliPlaceTest, SavingStoresTheResolvedNumbers) {
    const auto file = dir_ / "PLACES.FIL";
    const CliRun r = run({"--name", "Bastille Day", "--place", "Paris", "--date", "1990-07-14", "--time", "15:00",
                          "--save-chart", file.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto text = ReadWholeFile(file);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Bastille Day,14 Jul 1990,3.00,P,-2,-002.21,48.51\r\n");
    const CliRun stored = run({"--chart", "Bastille Day", "--name-file", file.string()});
    ASSERT_EQ(stored.status, 0) << stored.err;
    EXPECT_NE(stored.out.find("  14 Jul 1990    TZ = -2.0      3.00 P.M.   48.51 NORTH    2.21 EAST\n"),
              std::string::npos)
        << stored.out;
}

}  // namespace
}  // namespace quaeryn
