#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/Messages.h"
#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/RefusedEntries.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

using test::CliRun;

class CliTest : public test::CliFixture {
protected:
    static std::vector<std::string> NewYork() {
        return {"--name", "Test",   "--month",    "3",  "--day",      "5",  "--year",
                "2001",   "--hour", "10",         "--minute",       "30", "--am",
                "--tz",   "5",      "--long-deg", "73", "--long-min", "58", "--west",
                "--lat-deg", "40",  "--lat-min",  "45", "--north"};
    }
};

std::vector<std::string> With(std::vector<std::string> base, const std::vector<std::string>& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

// Option values no integer holds cast as any other value does: option 27
// of 1e10 is no house system's number, so Placidus.
TEST_F(CliTest, OptionValuesOfAnySizeCast) {
    for (const char* value : {"1e10", "-1e10", "3e38", "2147483648"}) {
        const CliRun r = run(With(NewYork(), {"--option", std::string("27=") + value, "--option",
                                              std::string("45=") + value, "--option", std::string("191=") + value,
                                              "--json"}));
        ASSERT_EQ(r.status, 0) << value << r.err;
        EXPECT_EQ(nlohmann::json::parse(r.out)["HouseSystemCode"], "P") << value;
    }
    // A value past what an option holds is no number of it.
    const CliRun r = run(With(NewYork(), {"--option", "27=1e999"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--option 27 needs a number, not '1e999'"), std::string::npos) << r.err;
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

// The cast's table of refused entries, typed as flags: each message as
// "Title: text", then one line per failing field; exit status 2 and nothing
// on standard output. The entries that pass cast with status 0.
TEST_F(CliTest, RefusesInvalidEntriesWithTheMessagesTheirFieldsAndExitTwo) {
    const std::map<std::string, PromptMessage> messages = {
        {"input-error", msg::InputError()},           {"latitude-too-high", msg::LatitudeTooHigh()},
        {"entry-not-number", msg::EntryNotNumber()},  {"day-past-month-end", msg::DayPastMonthEnd()},
        {"longitude-past-180", msg::LongitudePast180()}, {"latitude-past-90", msg::LatitudePast90()},
        {"name-line-break", msg::NameLineBreak()}};
    for (const auto& c : test::RefusedEntries()) {
        SCOPED_TRACE(c.what);
        const CliRun r = run(test::FlagsOf(c));
        if (c.refusals.empty()) {
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.err, "");
            continue;
        }
        std::string err;
        for (const auto& refusal : c.refusals) {
            const PromptMessage& m = messages.at(refusal.id);
            err += m.title + ": " + m.text + "\n";
            for (const auto& line : refusal.lines) err += line + "\n";
        }
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, err);
    }
}

// What the flags' forms and choices refuse is an entry error too: exit 2,
// one message with its line each, and no cast.
TEST_F(CliTest, RefusedFormsAndMissingChoicesExitTwo) {
    const std::string entry = "Warning!: Error in natal input data section. Please correct.\n";
    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--name", "t", "--date", "2001-03-05", "--time", "25:00", "--tz", "5", "--long", "73W58", "--lat", "40N45"},
         entry + "time: 25:00 is past 23:59\n"},
        {{"--name", "t", "--date", "5 March", "--time", "10:30", "--tz", "5", "--long", "73W58", "--lat", "40N45"},
         entry + "date: 5 March is not YYYY-MM-DD\n"},
        {{"--name", "t", "--date", "2001-03-05", "--time", "10:30", "--tz", "5", "--long", "73X58", "--lat", "40N45"},
         entry + "long: 73X58 is not like 73W58 or 2E20\n"},
        // The cast's own rules see what the forms gave.
        {{"--name", "t", "--date", "2001-03-05", "--time", "10:60", "--tz", "5", "--long", "73W58", "--lat", "40N45"},
         entry + "minute: 60 is past 59\n"},
        {{"--name", "t", "--date", "2001-03-05", "--time", "10:30", "--tz", "5", "--long", "180W59", "--lat", "40N45"},
         "Warning!: Error in natal input data section. A longitude cannot pass 180 degrees 00 minutes. Please "
         "correct.\nlongitude minutes: 59 is past 180 degrees 00 minutes\n"},
        {{"--name", "t", "--date", "2001-03-05", "--time", "10:30", "--tz", "5", "--long", "73W58", "--lat", "91N00",
          "--house", "M"},
         "Warning!: Error in natal input data section. A latitude cannot pass 90 degrees 00 minutes. Please "
         "correct.\nlatitude degrees: 91 is past 90\n"},
        {{"--name", "t", "--month", "3", "--day", "5", "--year", "2001", "--hour", "10", "--minute", "30", "--tz", "5",
          "--long-deg", "73", "--long-min", "58", "--lat-deg", "40", "--lat-min", "45"},
         entry + "A.M./P.M.: neither --am nor --pm, nor a --time\n" + entry +
             "E/W: neither --east nor --west, nor a --long\n" + entry +
             "N/S: neither --north nor --south, nor a --lat\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CliTest, APolarDateWarnsAndNamesNoPlanetaryHour) {
    const CliRun r = run({"--name", "Polar", "--date", "2020-06-21", "--time", "12:00", "--tz", "0", "--long",
                          "0W00", "--lat", "80S00", "--house", "M"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "Warning!: I cannot find sunrise. The latitude is too extreme.\n"
              "Warning!: I cannot find sunset. The latitude is too extreme.\n");
    EXPECT_NE(r.out.find("\n\n  Planetary hour ruler cannot be calculated at this latitude and date.\n\n"
                         "  STRICTURES and WARNINGS - \n"),
              std::string::npos)
        << r.out;
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

// --now reads the clock in the computer's own zone and puts that zone in the
// zone box, so the chart's universal time is the clock's instant on every
// machine. The expected Julian days are the instants' own (2440587.5 plus
// the seconds since 1970 over 86400).
TEST_F(CliTest, NowCastsTheClocksInstantInTheComputersZone) {
    const std::vector<std::string> delhi = {"--option", "19=77", "--option", "20=13", "--option", "21=1",
                                            "--option", "22=28", "--option", "23=37"};
    struct Case {
        const char* what;
        LocalDateTime universal;
        long offsetSeconds;
        std::vector<std::string> place;
        int day;
        double clockTime;
        const char* amPm;
        double zoneHours;
        double julianDay;
    } cases[] = {
        {"a computer on universal time", {2026, 12, 7, 18, 40, 0}, 0, {}, 7, 6.40, "P.M.", 0, 2461382.2777778},
        {"New York in winter", {2026, 12, 7, 18, 40, 0}, -5 * 3600, {}, 7, 1.40, "P.M.", 5, 2461382.2777778},
        {"New York on summer time", {2026, 7, 4, 16, 0, 0}, -4 * 3600, {}, 4, 12.00, "P.M.", 4, 2461226.1666667},
        {"a half-hour zone past midnight", {2026, 12, 7, 18, 40, 0}, 19800, delhi, 8, 12.10, "A.M.", -5.5,
         2461382.2777778},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clock_.set(c.universal);
        zone_.set(c.offsetSeconds);
        const CliRun r = run(With({"--now", "--json"}, c.place));
        ASSERT_EQ(r.status, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_EQ(j["ChartName"], "Now");
        EXPECT_EQ(j["Day"], c.day);
        EXPECT_NEAR(j["ClockTime"].get<double>(), c.clockTime, 1e-12);
        EXPECT_EQ(j["AmPmText"], c.amPm);
        EXPECT_DOUBLE_EQ(j["ZoneHours"].get<double>(), c.zoneHours);
        EXPECT_NEAR(j["JulianDayNumber"].get<double>() + j["UtDayFraction"].get<double>() - 0.5, c.julianDay,
                    1e-6);
    }
    // A computer in Tokyo with the default place in New York: a zone east of
    // Greenwich with a west longitude is refused, as a typed one would be,
    // rather than cast fourteen hours wrong.
    zone_.set(9 * 3600);
    const CliRun tokyo = run({"--now"});
    EXPECT_EQ(tokyo.status, 2);
    EXPECT_EQ(tokyo.err,
              "Warning!: Error in natal input data section. Please correct.\n"
              "time zone: -9 is below -2 with W chosen\n");

    // The header shows the zone that was used.
    clock_.set({2026, 12, 7, 18, 40, 0});
    zone_.set(0);
    const CliRun header = run({"--now"});
    ASSERT_EQ(header.status, 0) << header.err;
    EXPECT_NE(header.out.find("  07 Dec 2026    TZ = 0.0      6.40 P.M.   40.45 NORTH    73.58 WEST"),
              std::string::npos)
        << header.out;
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
    for (const char* name : {"natal", "aspects", "solstice", "parts", "basics", "horary-aspects", "almutens"})
        EXPECT_NE(std::find(offered.begin(), offered.end(), name), offered.end()) << name;
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

TEST_F(CliTest, AnAlmutenTableNamingNoBodyIsReportedAndLeftUnused) {
    dir_.SeedShippedData();
    dir_.Write("ALMUTN1.DAT", "1,2,3,17\n");
    const CliRun r = run(With(NewYork(), {"--report", "almutens", "--house", "R"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Error!: The file ALMUTN1.DAT is corrupt.\n");
    // A day chart reads the day tables, which are sound.
    EXPECT_NE(r.out.find("  10TH HOUSE =  19 AQU 34   SATURN   VENUS   "), std::string::npos) << r.out;
}

TEST_F(CliTest, UsageErrorsExitOne) {
    EXPECT_EQ(run(With(NewYork(), {"--report", "nonsense"})).status, 1);
    EXPECT_EQ(run(With(NewYork(), {"--house", "Q"})).status, 1);
    EXPECT_EQ(run(With(NewYork(), {"--pm"})).status, 1);  // --am and --pm together
    EXPECT_EQ(run(With(NewYork(), {"--date", "2001-03-05"})).status, 1);  // and --day, --month, --year
    EXPECT_EQ(run({"--now", "--tz", "0"}).status, 1);
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
