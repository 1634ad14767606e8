// The Arabian parts: the list's layout, the formulas (points, cusps, fixed
// degrees, Fortune and Spirit), the parts of day and night, the contacts
// with the planets at the edges of their orbs, and the formulas of the help.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "base/TextFile.h"
#include "reports/ArabianParts.h"
#include "reports/NatalReports.h"
#include "reports/NatalRun.h"

namespace quaeryn {
namespace {

using namespace body;
using test::NatalChart;
using test::NatalRun;

const ArabianPart& Part(std::string_view name) {
    for (const ArabianPart& p : ArabianParts())
        if (p.name == name) return p;
    throw std::logic_error("no part " + std::string(name));
}

double At(std::string_view name, const ChartState& chart) { return PartLongitude(Part(name), chart); }

// The distance of two longitudes along the shorter arc.
double Apart(double a, double b) {
    const double d = std::fabs(Normalize360(a) - Normalize360(b));
    return d > 180 ? 360 - d : d;
}

int Count(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& l) { return l.find(text) != std::string::npos; }));
}

TEST(ArabianParts, FormulasOfPointsCuspsAndFixedDegrees) {
    NatalChart c;
    c.at(Sun, 19).at(Moon, 200).at(Venus, 50).at(Saturn, 300).at(Neptune, 250).at(Uranus, 10);
    c.at(Ascendant, 0);
    c.cusp(3, 40).cusp(5, 95).cusp(7, 180).cusp(8, 215).cusp(9, 250);
    const ChartState chart = c.build();
    struct Case {
        const char* part;
        double expected;
    } cases[] = {
        {"HONOR", 0},                          // Asc + 19 - Sun: 0 Aries
        {"DEATH, SIBLING", 51},                // Asc + 70 - Sun
        {"WIDOWHOOD", Normalize360(189.8 - 250)},
        {"DEATH", Normalize360(215 - 200)},    // cusp 8 + Asc - Moon
        {"LEGAL AFFAIRS", Normalize360(40 + 250 - 50)},
        {"LOVERS", Normalize360(50 + chart.ChartLongitude[Mars] - 95)},
        {"SUICIDE 2", Normalize360(0 - 215 + 250)},  // Asc - cusp 8 + Neptune
        {"SORROW 1", Normalize360(200 + 0 - 19 + 0 - 250)},
        {"SORROW 2", Normalize360(19 + 0 - 200 + 0 - 250)},
        {"MARRIAGE", Normalize360(180 + 0 - 50)},
        {"ASSAULT 1", Normalize360(300 + 200 - chart.ChartLongitude[Midheaven])},
    };
    for (const auto& k : cases) EXPECT_NEAR(At(k.part, chart), k.expected, 1e-9) << k.part;

    NatalRun run;
    const auto lines = run.Lines(&ArabianPartsReport, chart);
    EXPECT_EQ(Count(lines, "00 ARI 00 =            HONOR"), 1);
}

TEST(ArabianParts, FortuneAndSpiritOfDayAndNight) {
    const double charts[][4] = {
        // Sun, Moon, Asc, Jupiter
        {10, 200, 95, 300}, {350, 5, 270, 12.5}, {123.4, 123.4, 0, 180}, {0.3, 0.1, 0.1, 359.9},
    };
    for (const auto& k : charts) {
        NatalChart c;
        c.at(Sun, k[0]).at(Moon, k[1]).at(Ascendant, k[2]).at(Jupiter, k[3]);
        const ChartState chart = c.build();
        // The night's part is the day's turned round: the lights change places.
        EXPECT_NEAR(Apart(At("FORTUNE, day", chart), At("SPIRIT, night", chart)), 0, 1e-9);
        EXPECT_NEAR(Apart(At("FORTUNE, night", chart), At("SPIRIT, day", chart)), 0, 1e-9);
        // Day and night parts lie either side of the Ascendant, the same distance away.
        EXPECT_NEAR(Apart(At("FORTUNE, day", chart) + At("FORTUNE, night", chart), 2 * k[2]), 0, 1e-9);
        EXPECT_NEAR(Apart(At("SUCCESS, day", chart) + At("SUCCESS, night", chart), 2 * k[3]), 0, 1e-9);
        EXPECT_NEAR(Apart(At("FORTUNE, day", chart), k[1] + k[2] - k[0]), 0, 1e-9);
        // The formulas built on Fortune and Spirit take the day's Fortune,
        // whatever the chart's own Part of Fortune (option 191) holds.
        ChartState night = chart;
        night.ChartLongitude[Fortune] = SpiritPoint(chart);
        EXPECT_NEAR(Apart(At("IMPRISONMENT", night), k[2] + FortunePoint(chart) - night.ChartLongitude[Saturn]), 0,
                    1e-9);
        EXPECT_NEAR(Apart(At("VICTORY/AID", night), k[3] + k[2] - SpiritPoint(chart)), 0, 1e-9);
        EXPECT_NEAR(Apart(At("FRIENDSHIP", night), k[2] + SpiritPoint(chart) - FortunePoint(chart)), 0, 1e-9);
    }
}

TEST(ArabianParts, ContactWindowsInTheirOrder) {
    NatalRun run;
    for (int line = 118; line <= 123; ++line) run.options.Set(line, 2);
    struct Case {
        double d;
        PartContact contact;
    } cases[] = {
        {0, PartContact::Conjunction},   {2, PartContact::Conjunction}, {2.01, PartContact::None},
        {58, PartContact::Sextile},      {62, PartContact::Sextile},    {62.01, PartContact::None},
        {88, PartContact::Square},       {92, PartContact::Square},     {118, PartContact::Trine},
        {122, PartContact::Trine},       {148, PartContact::Inconjunct}, {152, PartContact::Inconjunct},
        {177.9, PartContact::None},      {178, PartContact::Opposition}, {180, PartContact::Opposition},
        {100, PartContact::None},
    };
    for (const auto& c : cases) EXPECT_EQ(FindPartContact(c.d, run.options), c.contact) << c.d;
    // Overlapping windows: the first in the order decides.
    run.options.Set(118, 40);
    run.options.Set(119, 25);
    EXPECT_EQ(FindPartContact(38, run.options), PartContact::Conjunction);
    EXPECT_EQ(FindPartContact(41, run.options), PartContact::Sextile);
    EXPECT_EQ(PartContactWord(PartContact::Inconjunct), " inconjuncts ");
}

TEST(ArabianParts, AContactLinePerPartAndPlanet) {
    NatalRun run;
    for (int line = 118; line <= 123; ++line) run.options.Set(line, 0);
    run.options.Set(118, 3);
    NatalChart c;
    c.at(Ascendant, 0).at(Sun, 19).at(Venus, 1);  // HONOR at 0 Aries, Venus one degree on
    const auto lines = run.Lines(&ArabianPartsReport, c.build());
    EXPECT_EQ(Count(lines, "  (00 ARI 00)            HONOR CONJUNCTS   VENUS  "), 1);
    // Every contact line follows the note, one to a line.
    const auto note = std::find(lines.begin(), lines.end(),
                                "  See QUAERYN WINDOW under HELP for a list of the formulas used.");
    ASSERT_NE(note, lines.end());
    for (auto l = note + 3; l != lines.end(); ++l) {
        EXPECT_EQ(l->substr(0, 3), "  (") << *l;
        EXPECT_EQ(l->size(), 2u + 12 + 16 + 13 + 7) << *l;
    }
}

TEST(ArabianParts, AnExactContactWithOrbsOfNothingIsFoundDespiteRounding) {
    NatalRun run;
    for (int line = 118; line <= 123; ++line) run.options.Set(line, 0);
    NatalChart c;
    // FORTUNE, day = Moon + Asc - Sun = -0.1, which the sums make
    // 359.8999999999999773; Mars stands exactly opposite, at 179.9.
    c.at(Moon, 0.1).at(Ascendant, 0.1).at(Sun, 0.3).at(Mars, 179.9);
    const ChartState chart = c.build();
    ASSERT_LT(Apart(At("FORTUNE, day", chart), chart.ChartLongitude[Mars]), 180.0);  // the rounding is there
    const auto lines = run.Lines(&ArabianPartsReport, chart);
    EXPECT_EQ(Count(lines, "    FORTUNE, day OPPOSES     MARS   "), 1);
    EXPECT_EQ(Count(lines, "   SPIRIT, night OPPOSES     MARS   "), 1);
    EXPECT_EQ(FindPartContact(180 - 2e-9, run.options), PartContact::None);
    EXPECT_EQ(FindPartContact(5e-10, run.options), PartContact::Conjunction);
}

TEST(ArabianParts, FormulasReadOnlyTheirOwnWords) {
    const auto sorrow = ParsePartFormula("Moon + Asc - Sun + Asc - Neptune");
    ASSERT_EQ(sorrow.size(), 5u);
    const int signs[5] = {1, 1, -1, 1, -1};
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(sorrow[k].sign, signs[k]) << k;
    const auto widow = ParsePartFormula("Asc + 189.8 - cusp 12");
    ASSERT_EQ(widow.size(), 3u);
    EXPECT_EQ(widow[1].kind, PartOperand::Kind::Degrees);
    EXPECT_DOUBLE_EQ(widow[1].value, 189.8);
    EXPECT_EQ(widow[2].kind, PartOperand::Kind::Cusp);
    for (const char* bad : {"Asc + Vulcan - Sun", "cusp 13 + Asc - Sun", "cusp 0", "Asc +Sun", ""})
        EXPECT_THROW(ParsePartFormula(bad), std::invalid_argument) << bad;
}

TEST(ArabianParts, TheHelpListsEveryFormulaAsTheReportWorksIt) {
    const auto text = ReadWholeFile(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "Quaeryn.HLP");
    ASSERT_TRUE(text);
    const auto lines = SplitLines(*text);
    auto at = std::find(lines.begin(), lines.end(), "ARABIAN PARTS - THE FORMULAS");
    ASSERT_NE(at, lines.end());
    for (const ArabianPart& p : ArabianParts()) {
        const std::string expected = "  " + PadRight(p.name, 18) + std::string(p.formula);
        at = std::find(at, lines.end(), expected);
        EXPECT_NE(at, lines.end()) << expected;
        if (at == lines.end()) break;
    }
}

}  // namespace
}  // namespace quaeryn
