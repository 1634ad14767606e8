// quaeryn-cli --json prints the finished cast: every key carries the value
// of the chart that CastChart returns for the same entries.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <random>
#include <sstream>

#include "app/CastChart.h"
#include "base/TextEncoding.h"
#include "cli/ChartJson.h"
#include "cli/Cli.h"
#include "support/Entries.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

class CliJson : public ::testing::Test {
protected:
    test::TempFolder dir_;
};

TEST_F(CliJson, EveryKeyCarriesTheFinishedCast) {
    std::ostringstream out, err;
    StreamPrompt prompt(err);
    const RegionalFormats regional;
    const CliEnvironment env{nullptr, &regional};
    const int rc = runCli({"--app-dir", dir_.path().string(), "--json", "--house", "K", "--option", "191=2", "--name",
                           "Json", "--date", "2001-03-05", "--time", "10:30", "--tz", "5", "--long", "73W58",
                           "--lat", "40N45"},
                          out, err, prompt, env);
    ASSERT_EQ(rc, 0) << err.str();
    const auto j = nlohmann::json::parse(out.str());

    const EventEntries e = test::NewYorkEntries("Json");
    Options options;
    options.Set(191, 2);
    SilentPrompt silent;
    const auto chart = CastChart(e, "K", options, regional, silent);
    ASSERT_TRUE(chart);

    auto expectTable = [&](const char* key, const auto& table, std::size_t first, std::size_t last) {
        ASSERT_TRUE(j.contains(key)) << key;
        ASSERT_EQ(j[key].size(), last - first + 1) << key;
        for (std::size_t i = first; i <= last; ++i)
            EXPECT_DOUBLE_EQ(j[key][i - first].get<double>(), table[i]) << key << "[" << i << "]";
    };
    expectTable("ChartLongitude", chart->ChartLongitude, 1, 15);
    expectTable("ChartLatitude", chart->ChartLatitude, 1, 15);
    expectTable("ChartDeclination", chart->ChartDeclination, 1, 15);
    expectTable("ChartRightAscension", chart->ChartRightAscension, 1, 15);
    expectTable("LongitudeLater", chart->LongitudeLater, 1, 15);
    expectTable("DailyMotion", chart->DailyMotion, 1, 15);
    expectTable("Antiscion", chart->Antiscion, 1, 15);
    expectTable("ChartCusp", chart->ChartCusp, 1, 13);
    EXPECT_EQ(j["HousePositionText"], chart->HousePositionText);
    EXPECT_EQ(j["RetrogradeText"], chart->RetrogradeText);
    EXPECT_EQ(j["SiderealTimeText"], chart->SiderealTimeText);
    EXPECT_DOUBLE_EQ(j["TrueNode"].get<double>(), chart->TrueNode);
    EXPECT_DOUBLE_EQ(j["MeanNode"].get<double>(), chart->MeanNode);
    EXPECT_DOUBLE_EQ(j["TrueNodeDeclination"].get<double>(), chart->TrueNodeDeclination);
    EXPECT_DOUBLE_EQ(j["MoonDeclinationNextDay"].get<double>(), chart->MoonDeclinationNextDay);
    EXPECT_EQ(j["HouseSystemCode"], "K");

    // The values are those of a finished cast: the event's T, every body in
    // a house, the planets placed, the nodes opposite each other.
    const double t = (j["JulianDayNumber"].get<double>() - 2415020.0 + j["UtDayFraction"].get<double>() - 0.5) / 36525.0;
    EXPECT_DOUBLE_EQ(j["CenturiesT"].get<double>(), t);
    EXPECT_NEAR(j["ObliquityDegrees"].get<double>(), 23.439, 0.001);
    const std::string houses = j["HousePositionText"];
    ASSERT_EQ(houses.size(), 150u);
    for (int n = 1; n <= 15; ++n) {
        const std::string slot = houses.substr(static_cast<std::size_t>(10 * n - 10), 10);
        EXPECT_EQ(slot.substr(4), " HOUSE") << "body " << n;
        EXPECT_NE(slot.substr(0, 4), "    ") << "body " << n;
    }
    for (int n = 1; n <= 15; ++n) {
        const double lon = j["ChartLongitude"][n - 1];
        EXPECT_TRUE(lon >= 0 && lon < 360) << "body " << n;
    }
    EXPECT_NEAR(std::fabs(j["ChartLongitude"][10].get<double>() - j["ChartLongitude"][11].get<double>()), 180.0, 1e-9);
    EXPECT_DOUBLE_EQ(j["MeanNode"].get<double>(), j["ChartLongitude"][10].get<double>());
    EXPECT_GT(j["DailyMotion"][9].get<double>(), 11.0);  // the Moon
}

// Random bytes in every text of the chart: the JSON is always written, in
// UTF-8, with each text as the reports show it.
TEST(ChartJsonFuzz, AnyBytesInTheTextsDumpAsUtf8) {
    std::mt19937 rng(316u);
    std::uniform_int_distribution<int> length(0, 24), byte(0, 255);
    auto random = [&] {
        std::string s;
        for (int n = length(rng); n > 0; --n) s += static_cast<char>(byte(rng));
        return s;
    };
    for (int round = 0; round < 500; ++round) {
        ChartState chart;
        chart.ChartName = random();
        chart.DateText = random();
        chart.SiderealTimeText = random();
        chart.RetrogradeText = random();
        std::string dumped;
        ASSERT_NO_THROW(dumped = ChartJson(chart).dump(2)) << ::testing::PrintToString(chart.ChartName);
        EXPECT_TRUE(IsUtf8(dumped));
        EXPECT_EQ(nlohmann::json::parse(dumped)["ChartName"], DisplayText(chart.ChartName));
    }
}

}  // namespace
}  // namespace quaeryn
