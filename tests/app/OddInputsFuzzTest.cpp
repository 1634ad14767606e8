// Option files and entries with any numbers in them: a cast either refuses
// or gives a finite chart, and every report of it writes its lines. Run in
// the sanitizer build too, where a number converted to an integer it does
// not fit (float-cast-overflow) stops the test.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/CastChart.h"
#include "app/Commands.h"
#include "base/AppData.h"
#include "base/CommandRegistry.h"
#include "base/ReportBuffer.h"
#include "base/TextFile.h"
#include "support/Entries.h"

namespace quaeryn {
namespace {

const char* const kHouseCodes[] = {"P", "R", "K", "C", "O", "EA", "EM", "M", "I"};

// Numbers as an option file or a user may write them: ordinary ones and the
// ones no integer holds.
const char* const kNumbers[] = {"0",    "1",     "2",      "-1",     "0.5",   "7",     "12",    "30",
                                "59",   "61",    "90",     "180",    "360",   "2099",  "32767", "32768",
                                "1e10", "-1e10", "3e38",   "-3e38",  "1e39",  "1e999", "-1e999", "2147483648",
                                "-2147483649", "1e-45", "99999999999999999999", "4.9e-324", "0.0001", "-0"};

std::string PickNumber(std::mt19937& rng) {
    return kNumbers[std::uniform_int_distribution<std::size_t>(0, std::size(kNumbers) - 1)(rng)];
}

// Every text report of the build on the chart.
void RunEveryReport(const ChartState& chart, const Options& options, UserPrompt& prompt) {
    const AppData data;
    const RegionalFormats regional;
    const ReportContext context{options, data, regional, prompt};
    ReportBuffer buffer(prompt);
    for (const Command& command : AppCommands().Commands()) {
        if (command.kind != CommandKind::TextReport) continue;
        SCOPED_TRACE(command.id);
        RunReport(command, chart, context, buffer);
        EXPECT_GT(buffer.PageLineCount(), 0);
    }
}

TEST(OddInputsFuzz, AnyOptionValuesCastAndReport) {
    std::mt19937 rng(27u);
    for (int round = 0; round < 150; ++round) {
        // An option file of odd numbers, read as the program reads it.
        std::string text;
        for (int n = 1; n <= 200; ++n) text += (rng() % 3 == 0 ? PickNumber(rng) : "1") + std::string("\r\n");
        Options options;
        ReadOptionsText(text, options);
        const std::string code = HouseCodeFromOption27(options[27]);
        EXPECT_FALSE(code.empty());

        SilentPrompt prompt;
        const auto chart = CastChart(test::NewYorkEntries(), kHouseCodes[round % 9], options, RegionalFormats{}, prompt);
        ASSERT_TRUE(chart.has_value()) << "the options do not refuse a cast";
        EXPECT_TRUE(ChartIsFinite(*chart));
        RunEveryReport(*chart, options, prompt);
    }
}

TEST(OddInputsFuzz, AnyEntryNumbersCastOrRefuse) {
    std::mt19937 rng(1990u);
    Options options;
    ReadOptions(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "OPTIONS.OPT", options);
    int cast = 0;
    for (int round = 0; round < 400; ++round) {
        EventEntries e = test::NewYorkEntries();
        // One to four fields take an odd number; the others stay good.
        std::string* fields[] = {&e.month, &e.day, &e.year, &e.hour, &e.minute, &e.tz,
                                 &e.longDeg, &e.longMin, &e.latDeg, &e.latMin};
        const int changes = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < changes; ++k) *fields[rng() % std::size(fields)] = PickNumber(rng);
        e.pm = rng() % 2;
        e.east = rng() % 2;
        e.south = rng() % 2;
        e.lmt = rng() % 4 == 0;
        SCOPED_TRACE(e.month + "/" + e.day + "/" + e.year + " " + e.hour + "." + e.minute + " tz " + e.tz + " " +
                     e.longDeg + "." + e.longMin + " " + e.latDeg + "." + e.latMin);

        SilentPrompt prompt;
        const auto chart = CastChart(e, kHouseCodes[round % 9], options, RegionalFormats{}, prompt);
        if (!chart) continue;
        ++cast;
        EXPECT_TRUE(ChartIsFinite(*chart));
        RunEveryReport(*chart, options, prompt);
    }
    EXPECT_GT(cast, 0);
}

}  // namespace
}  // namespace quaeryn
