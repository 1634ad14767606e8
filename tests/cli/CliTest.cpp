#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--app-dir", dir_.path().string()});
        std::ostringstream out, err;
        StreamPrompt prompt(err);
        CliEnvironment env;
        env.clock = &clock_;
        env.regional = &regional_;
        CliRun r;
        r.status = runCli(args, out, err, prompt, env);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    static std::vector<std::string> NewYork() {
        return {"--name", "Test",   "--month",    "3",  "--day",      "5",  "--year",
                "2001",   "--hour", "10",         "--minute",       "30", "--am",
                "--tz",   "5",      "--long-deg", "73", "--long-min", "58", "--west",
                "--lat-deg", "40",  "--lat-min",  "45", "--north"};
    }

    test::TempFolder dir_;
    test::FixedClock clock_{LocalDateTime{2026, 12, 7, 18, 40, 0}};
    RegionalFormats regional_;
};

std::vector<std::string> With(std::vector<std::string> base, const std::vector<std::string>& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

// Option values no integer holds cast as any other value does: option 27
// of 1e10 is no house system's number, so Placidus.
TEST_F(CliTest, OptionValuesOfAnySizeCast) {
    for (const char* value : {"1e10", "-1e10", "3e38", "1e999", "2147483648"}) {
        const CliRun r = run(With(NewYork(), {"--option", std::string("27=") + value, "--option",
                                              std::string("45=") + value, "--option", std::string("191=") + value,
                                              "--json"}));
        ASSERT_EQ(r.status, 0) << value << r.err;
        EXPECT_EQ(nlohmann::json::parse(r.out)["HouseSystemCode"], "P") << value;
    }
}

TEST_F(CliTest, PrintsTheHeaderOfTheDefaultReport) {
    const CliRun r = run(With(NewYork(), {"--house", "P"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n  Test\n  05 Mar 2001    TZ = 5.0      10.30 A.M.   40.45 NORTH    73.58 WEST\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err, "");
    // The data folder was filled with the shipped files.
    EXPECT_TRUE(fs::exists(dir_ / "OPTIONS.OPT"));
}

TEST_F(CliTest, RefusesInvalidEntriesWithTheMessagesAndExitTwo) {
    const std::string entry = "Warning!: Error in natal input data section. Please correct.\n";
    const std::string latitude =
        "Warning!: Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change "
        "house systems.\n";
    struct Case {
        std::vector<std::string> extra;
        std::string err;
    } cases[] = {
        {{"--month", ""}, entry + entry},
        {{"--lat-deg", "66", "--lat-min", "1", "--house", "P"}, latitude},
        {{"--hour", "13"}, entry},
        {{"--tz", "-5"}, entry},
        {{"--year", "99"}, entry},
    };
    for (const auto& c : cases) {
        const CliRun r = run(With(NewYork(), c.extra));
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
    const CliRun meridian = run(With(NewYork(), {"--lat-deg", "80", "--lat-min", "30", "--house", "M"}));
    EXPECT_EQ(meridian.status, 0) << meridian.err;
}

TEST_F(CliTest, JsonCarriesTheTimeQuantities) {
    const CliRun r = run({"--json", "--name", "J2000", "--date", "2000-01-01", "--time", "12:00", "--tz", "0",
                       "--long", "0W00", "--lat", "51N28"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["JulianDayNumber"], 2451545);
    EXPECT_NEAR(j["CenturiesT"].get<double>(), 1.0, 1e-12);
    EXPECT_EQ(j["AmPmText"], "P.M.");
    EXPECT_EQ(j["DateText"], "1/1/2000");
    EXPECT_NEAR(j["ObliquityDegrees"].get<double>(), 23.4393, 1e-4);
    EXPECT_EQ(j["ChartLongitude"].size(), 15u);
    EXPECT_EQ(j["ChartCusp"].size(), 13u);
    for (const char* key : {"ChartName", "Day", "Month", "Year", "ClockTime", "ZoneHours", "LongitudeDm",
                            "LongitudeSide", "LatitudeDm", "LatitudeSide", "HouseSystemCode",
                            "UtDayFraction", "StandardDayFraction", "Ramc", "SiderealTimeText",
                            "ChartLatitude", "ChartDeclination", "ChartRightAscension", "LongitudeLater",
                            "DailyMotion", "Antiscion", "HousePositionText", "RetrogradeText", "TrueNode",
                            "TrueNodeDeclination", "MeanNode", "MoonDeclinationNextDay",
                            "PrecessionSince1990", "PrecessionSince2000"})
        EXPECT_TRUE(j.contains(key)) << key;
}

TEST_F(CliTest, ConvenienceFormsSetTheSameTexts) {
    const CliRun a = run(With(NewYork(), {"--json"}));
    const CliRun b = run({"--json", "--name", "Test", "--date", "2001-03-05", "--time", "10:30", "--tz", "5",
                       "--long", "73W58", "--lat", "40N45"});
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(nlohmann::json::parse(a.out), nlohmann::json::parse(b.out));
    // 24-hour times become P.M. with the hour normalised.
    const CliRun pm = run({"--json", "--name", "x", "--date", "2001-03-05", "--time", "22:05", "--tz", "-1",
                        "--long", "2E20", "--lat", "48N52"});
    ASSERT_EQ(pm.status, 0) << pm.err;
    const auto j = nlohmann::json::parse(pm.out);
    EXPECT_EQ(j["AmPmText"], "P.M.");
    EXPECT_NEAR(j["ClockTime"].get<double>(), 10.05, 1e-12);
    EXPECT_EQ(j["LongitudeSide"], "EAST");
}

TEST_F(CliTest, NowUsesTheClockAndTheDefaultPlace) {
    const CliRun r = run({"--now", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["ChartName"], "Now");
    EXPECT_EQ(j["Day"], 7);
    EXPECT_EQ(j["AmPmText"], "P.M.");
    EXPECT_NEAR(j["ClockTime"].get<double>(), 6.40, 1e-12);
    EXPECT_NEAR(j["ZoneHours"].get<double>(), 5, 1e-12);  // shipped default: New York
}

TEST_F(CliTest, OptionOverridesChooseTheHouseSystem) {
    const CliRun r = run(With(NewYork(), {"--json", "--option", "27=3"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["HouseSystemCode"], "K");
    const CliRun shipped = run(With(NewYork(), {"--json"}));
    EXPECT_EQ(nlohmann::json::parse(shipped.out)["HouseSystemCode"], "R");
    const CliRun bad = run(With(NewYork(), {"--option", "201=1"}));
    EXPECT_EQ(bad.status, 1);
}

TEST_F(CliTest, HelpOffersExactlyTheReportsThatRun) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    const std::string intro = "Print a report: ";
    const auto start = help.out.find(intro);
    ASSERT_NE(start, std::string::npos) << help.out;
    const auto end = help.out.find(" (default basics)", start);
    ASSERT_NE(end, std::string::npos) << help.out;
    std::string list = help.out.substr(start + intro.size(), end - start - intro.size());
    std::vector<std::string> offered;
    for (std::size_t p = 0; p <= list.size();) {
        const auto comma = list.find(", ", p);
        offered.push_back(list.substr(p, comma == std::string::npos ? std::string::npos : comma - p));
        if (comma == std::string::npos) break;
        p = comma + 2;
    }
    ASSERT_FALSE(offered.empty());
    EXPECT_NE(std::find(offered.begin(), offered.end(), "basics"), offered.end());
    for (const auto& name : offered) {
        const CliRun r = run(With(NewYork(), {"--report", name}));
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    }
    // A report that is not offered says so when asked for.
    for (const char* name : {"natal", "aspects", "solstice", "parts", "almutens", "ascii"}) {
        if (std::find(offered.begin(), offered.end(), name) != offered.end()) continue;
        const CliRun r = run(With(NewYork(), {"--report", name}));
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find("not available"), std::string::npos) << name;
    }
}

TEST_F(CliTest, UsageErrorsExitOne) {
    EXPECT_EQ(run(With(NewYork(), {"--report", "nonsense"})).status, 1);
    EXPECT_EQ(run(With(NewYork(), {"--house", "Q"})).status, 1);
    EXPECT_EQ(run(With(NewYork(), {"--pm"})).status, 1);  // --am and --pm together
    EXPECT_EQ(run({"--date", "5 March"}).status, 1);
    EXPECT_EQ(run({"--long", "73X58"}).status, 1);
    // Nothing to cast: a pointer to the usage, not a row of entry errors.
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"--json"}, {"--report", "basics"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("nothing to cast"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Error in natal input data section"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace quaeryn
