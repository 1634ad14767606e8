// The ASCII chart: the grid, the slots bodies take, the crowded houses, and
// the whole report of real casts against its golden file.
#include <gtest/gtest.h>

#include "astro/Houses.h"
#include "base/Position.h"
#include "support/ChartBuilder.h"
#include "support/Golden.h"
#include "support/ScriptedPrompt.h"
#include "wheel/AsciiChart.h"
#include "wheel/WheelTestSupport.h"

namespace quaeryn {
namespace {

// The text at (row, column) of the grid, as the chart's positions count.
std::string At(const AsciiGrid& g, int row, int column, std::size_t length) {
    return g[static_cast<std::size_t>(row - 1)].substr(static_cast<std::size_t>(column + 4), length);
}

// A chart with equal houses from the Ascendant and its bodies where given;
// the others far away in the 7th house unless placed.
ChartState ChartWith(double ascendant, std::initializer_list<std::pair<int, double>> at) {
    test::ChartBuilder b;
    b.cuspsFromAscendant(ascendant);
    for (int n = 1; n <= 13; ++n) b.at(n, std::fmod(ascendant + 180 + 2.0 * n, 360.0));
    for (auto [n, lon] : at) b.at(n, lon);
    ChartState chart = b.build();
    PlaceBodiesInHouses(chart);
    return chart;
}

std::string Page(const ChartState& chart) {
    test::ScriptedPrompt prompt;
    ReportBuffer out(prompt);
    out.BeginReport();
    const Options options;
    const AppData data;
    const RegionalFormats regional;
    AsciiChartReport(chart, ReportContext{options, data, regional, prompt}, out);
    out.ShowDataWindow();
    return out.PageText();
}

TEST(AsciiChart, TheOutlineAndTheCuspsOfARealCast) {
    const ChartState chart = test::CastNewYork(5, 3, 2001);
    const AsciiGrid g = DrawAsciiGrid(chart, WheelSlots(chart));
    for (const auto& row : g) EXPECT_EQ(row.size(), 79u);
    EXPECT_EQ(At(g, 13, 8, 18), std::string(18, '*'));
    EXPECT_EQ(At(g, 13, 43, 19), std::string(19, '*'));
    for (int r = 2; r <= 10; ++r) EXPECT_EQ(At(g, r, 34, 1), "*") << r;
    EXPECT_EQ(At(g, 24, 51, 1), "*");
    EXPECT_EQ(At(g, 6, 62, 1), "*");
    // The Midheaven's label top centre, the Ascendant's on the left: «05 CAN».
    const auto mc = SplitPosition(chart.ChartCusp[1]);
    EXPECT_EQ(At(g, 1, 32, 6), (mc.degrees < 10 ? "0" : "") + std::to_string(mc.degrees) + " " +
                                   std::string(SignAbbreviation(mc.sign)));
    const auto asc = SplitPosition(chart.ChartCusp[4]);
    EXPECT_EQ(At(g, 13, 1, 3), std::string(asc.degrees < 10 ? "0" : "") + std::to_string(asc.degrees) + " ");
}

TEST(AsciiChart, SlotsOfTheBodies) {
    const struct {
        const char* name;
        double ascendant;
        std::vector<std::pair<int, double>> bodies;
        std::vector<std::pair<int, std::pair<int, int>>> cells;  // body, (row, column)
        std::vector<std::string> texts;
    } cases[] = {
        {"one body a house: slot 0 of each",
         0,
         {{1, 5}, {2, 35}, {3, 65}, {4, 95}, {5, 125}, {6, 155}, {7, 185}, {8, 215}, {9, 245}, {10, 275},
          {11, 305}, {12, 335}, {13, 336}},
         {{1, {14, 4}}, {2, {19, 13}}, {3, {18, 27}}, {4, {24, 36}}, {5, {23, 51}}, {6, {18, 57}},
          {7, {12, 57}}, {8, {7, 49}}, {9, {8, 35}}, {10, {2, 26}}, {11, {3, 11}}},
         {"SU05Ari", "ME05Tau", "VE05Gem", "MA05Can", "JU05Leo", "SA05Vir", "UR05Lib", "NE05Sco", "PL05Sag",
          "MO05Cpr", "NN05Aqu"}},
        {"three bodies in the 5th house fill its first three slots", 125,
         {{1, 245}, {2, 247}, {3, 249}},  // the 5th house from 245: 5, 7 and 9 Sagittarius
         {{1, {23, 51}}, {2, {22, 51}}, {3, {21, 51}}},
         {"SU05Sag", "ME07Sag", "VE09Sag"}},
        {"degrees of one digit and of two", 0, {{1, 7}, {2, 47}}, {{1, {14, 4}}, {2, {19, 13}}},
         {"SU07Ari", "ME17Tau"}},
        {"Pisces 28 and Aries 2 in one house, in longitude order across 0 Aries", 355,
         {{1, 358}, {2, 2}}, {{1, {14, 4}}, {2, {15, 4}}}, {"SU28Pis", "ME02Ari"}},
    };
    for (const auto& c : cases) {
        ChartState chart = ChartWith(c.ascendant, {});
        for (auto [n, lon] : c.bodies) {
            chart.ChartLongitude[static_cast<std::size_t>(n)] = lon;
            chart.Longitude[static_cast<std::size_t>(n)] = lon;
        }
        PlaceBodiesInHouses(chart);
        const AsciiGrid g = DrawAsciiGrid(chart, WheelSlots(chart));
        for (std::size_t i = 0; i < c.cells.size(); ++i) {
            const auto [row, column] = c.cells[i].second;
            EXPECT_EQ(At(g, row, column, 7), c.texts[i]) << c.name << ", body " << c.cells[i].first;
        }
    }
}

TEST(AsciiChart, AWheelSlotOfFourOrMoreTakesSlotFour) {
    // Three bodies late in the 1st house: the wheel gives them slots 4 to 6,
    // and the ASCII chart writes each into slot 4, the last one showing.
    ChartState chart = ChartWith(0, {{1, 25}, {2, 26}, {3, 27}});
    const auto slots = WheelSlots(chart);
    EXPECT_GE(slots[1], 4);
    const AsciiGrid g = DrawAsciiGrid(chart, slots);
    EXPECT_EQ(At(g, 18, 4, 7), "VE27Ari");
    EXPECT_EQ(At(g, 14, 4, 7), "       ");

    // A lone body keeps slot 0 whatever its wheel slot.
    ChartState lone = ChartWith(0, {{1, 29}});
    EXPECT_EQ(At(DrawAsciiGrid(lone, WheelSlots(lone)), 14, 4, 7), "SU29Ari");
}

TEST(AsciiChart, AHouseOfEightShowsNoneAndTheOthersStay) {
    ChartState chart =
        ChartWith(0, {{1, 1}, {2, 3}, {3, 5}, {4, 7}, {5, 9}, {6, 11}, {7, 13}, {8, 15}, {10, 100}});
    const AsciiGrid g = DrawAsciiGrid(chart, WheelSlots(chart));
    for (int row = 14; row <= 18; ++row) EXPECT_EQ(At(g, row, 4, 7), "       ") << row;
    EXPECT_EQ(At(g, 24, 36, 7), "MO10Can");  // the 4th house's first slot
    std::string all;
    for (const auto& row : g) all += row;
    EXPECT_EQ(all.find("SU01"), std::string::npos);

    // All thirteen in one house: none drawn, and the drawing ends.
    ChartState crowd = ChartWith(0, {});
    for (int n = 1; n <= 13; ++n) crowd.ChartLongitude[static_cast<std::size_t>(n)] = crowd.Longitude[static_cast<std::size_t>(n)] = 2.0 * n;
    PlaceBodiesInHouses(crowd);
    const AsciiGrid empty = DrawAsciiGrid(crowd, WheelSlots(crowd));
    for (const auto& row : empty) EXPECT_EQ(row.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
}

TEST(AsciiChart, TheReportAddsThirtyThreeLinesOfWhichTheGridIsSeventyNineWide) {
    test::ScriptedPrompt prompt;
    ReportBuffer out(prompt);
    out.BeginReport();
    const Options options;
    const AppData data;
    const RegionalFormats regional;
    AsciiChartReport(test::CastNewYork(5, 3, 2001), ReportContext{options, data, regional, prompt}, out);
    ASSERT_EQ(out.PageLineCount(), 33);  // the blank line, 7 header lines and 25 rows
    const auto& page = out.PageBuffer();
    EXPECT_EQ(page[0], "");
    EXPECT_EQ(page[1], "     Lost ring");
    EXPECT_EQ(page[3], "     10.30 A.M. (5)");
    EXPECT_EQ(page[7], "     Regiomontanus");
    for (std::size_t i = 8; i < 33; ++i) EXPECT_EQ(page[i].size(), 79u) << i;
    out.ShowDataWindow();
    EXPECT_EQ(out.PageLineCount(), 34);
}

TEST(AsciiChartGolden, RealCasts) {
    EXPECT_GOLDEN("ascii_lost_ring.txt", Page(test::CastNewYork(5, 3, 2001)));
    EXPECT_GOLDEN("ascii_new_york_evening.txt", Page(test::CastNewYork(21, 6, 2024, 9, "P", true)));
}

}  // namespace
}  // namespace quaeryn
