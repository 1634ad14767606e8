// Complete reports of real casts, as quaeryn-cli prints them (the lines the
// Data window shows). Rewritten only by `make golden`.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/Golden.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

std::string Report(const std::vector<std::string>& chartArgs, const std::string& report,
                   const std::vector<std::string>& more = {}) {
    const test::TempFolder dir;
    std::vector<std::string> args = {"--app-dir", dir.path().string(), "--report", report};
    args.insert(args.end(), chartArgs.begin(), chartArgs.end());
    args.insert(args.end(), more.begin(), more.end());
    std::ostringstream out, err;
    StreamPrompt prompt(err);
    test::FixedClock clock(LocalDateTime{2026, 12, 7, 12, 0, 0});
    test::FixedZone zone;
    RegionalFormats regional;  // month/day/year, 24-hour clock
    CliEnvironment env;
    env.clock = &clock;
    env.zone = &zone;
    env.regional = &regional;
    const int status = runCli(args, out, err, prompt, env);
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_EQ(err.str(), "");
    return out.str();
}

const std::vector<std::string> kLostRing = {"--name", "Lost ring", "--date", "2001-03-05", "--time", "10:30",
                                            "--tz", "5", "--long", "73W58", "--lat", "40N45", "--house", "R"};
const std::vector<std::string> kSydney = {"--name", "Will the contract be signed?", "--date", "2024-06-21",
                                          "--time", "21:15", "--tz", "-10", "--long", "151E12",
                                          "--lat", "33S52", "--house", "P"};
const std::vector<std::string> kLondonLmt = {"--name", "Test", "--month", "7", "--day", "4", "--year", "1990",
                                             "--hour", "9", "--minute", "5", "--pm", "--tz", "0",
                                             "--long-deg", "0", "--long-min", "10", "--west",
                                             "--lat-deg", "51", "--lat-min", "30", "--north", "--lmt",
                                             "--house", "K"};

TEST(ReportGolden, HoraryBasicsOfRealCasts) {
    EXPECT_GOLDEN("basics_lost_ring.txt", Report(kLostRing, "basics"));
    EXPECT_GOLDEN("basics_sydney.txt", Report(kSydney, "basics"));
    EXPECT_GOLDEN("basics_london_lmt.txt", Report(kLondonLmt, "basics"));
}

TEST(ReportGolden, HoraryAspectsAndOtherDegreesOfARealCast) {
    EXPECT_GOLDEN("all_pairs_lost_ring.txt", Report(kLostRing, "horary-aspects"));
    EXPECT_GOLDEN("other_degrees_sydney.txt", Report(kSydney, "other-degrees"));
}

TEST(ReportGolden, NatalDataOfRealCasts) {
    EXPECT_GOLDEN("natal_lost_ring.txt", Report(kLostRing, "natal"));
    EXPECT_GOLDEN("natal_sydney.txt", Report(kSydney, "natal"));
    EXPECT_GOLDEN("natal_london_lmt.txt", Report(kLondonLmt, "natal"));
}

TEST(ReportGolden, AspectGridWithAndWithoutTheMinorAspects) {
    EXPECT_GOLDEN("aspects_lost_ring.txt", Report(kLostRing, "aspects"));
    EXPECT_GOLDEN("aspects_sydney_minor.txt", Report(kSydney, "aspects", {"--option", "16=1"}));
}

TEST(ReportGolden, SolsticePointsPartsAndAlmutensOfRealCasts) {
    EXPECT_GOLDEN("solstice_lost_ring.txt", Report(kLostRing, "solstice"));
    EXPECT_GOLDEN("solstice_sydney.txt", Report(kSydney, "solstice"));
    EXPECT_GOLDEN("parts_lost_ring.txt", Report(kLostRing, "parts"));
    EXPECT_GOLDEN("almutens_lost_ring.txt", Report(kLostRing, "almutens"));
    EXPECT_GOLDEN("almutens_sydney.txt", Report(kSydney, "almutens"));
}

TEST(ReportGolden, AsciiChartOfARealCast) {
    EXPECT_GOLDEN("ascii_sydney.txt", Report(kSydney, "ascii"));
}

}  // namespace
}  // namespace quaeryn
