// The natal aspect grid: its shape, every aspect at the edges of its orb,
// the minor-aspect switch in the grid and the legend alike, and the
// parallels below the diagonal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/BodyContacts.h"
#include "reports/NatalReports.h"
#include "reports/NatalRun.h"

namespace quaeryn {
namespace {

using namespace body;
using test::NatalChart;
using test::NatalRun;

// The grid's lines (after its blank line and title, blank line and column
// heading): row i is lines[4 + i - 1].
struct Grid {
    std::vector<std::string> lines;
    // The cell of row i, column j (columns run from the Midheaven to the Sun).
    std::string Cell(int i, int j) const {
        const std::string& row = lines.at(static_cast<std::size_t>(3 + i));
        return row.substr(7 + 5 * static_cast<std::size_t>(15 - j), 5);
    }
    // The legend: the lines after the fifteen rows.
    std::vector<std::string> Legend() const { return {lines.begin() + 19, lines.end()}; }
};

Grid RunGrid(NatalRun& run, const ChartState& chart) { return Grid{run.Lines(&NatalAspectGrid, chart)}; }

// The orbs of the shipped option file (whole degrees, so that every window
// edge is exact), the minor aspects switched off.
NatalRun OrbsRun() {
    NatalRun run;
    const float orbs[16] = {0, 8, 6, 8, 8, 8, 1, 2, 2, 2, 3, 1, 1, 2, 1, 2};
    for (int line = 1; line <= 15; ++line) run.options.Set(line, orbs[line]);
    run.options.Set(16, 0);
    return run;
}

TEST(AspectGrid, EveryAspectAtTheEdgesOfItsOrb) {
    NatalRun run = OrbsRun();
    run.options.Set(16, 1);
    struct Case {
        int aspect;
        const char* cell;
    } cases[] = {
        {aspect::Conjunction, "  0  "}, {aspect::Sextile, " 60  "},      {aspect::Square, " 90  "},
        {aspect::Trine, "120  "},       {aspect::Opposition, "180  "},   {aspect::SemiSextile, " 30  "},
        {aspect::SemiSquare, " 45  "},  {aspect::Sesquisquare, "135  "}, {aspect::Quincunx, "150  "},
        {aspect::SemiQuintile, " 36  "}, {aspect::Nonagen, " 40  "},     {aspect::Quintile, " 72  "},
        {aspect::Trecile, "108  "},     {aspect::BiQuintile, "144  "},
    };
    for (const auto& c : cases) {
        const AspectKind* kind = FindAspectKind(c.aspect);
        const double orb = run.options[kind->orbLine];
        for (const double d : {kind->angle - orb, kind->angle + orb, static_cast<double>(kind->angle)}) {
            if (d < 0 || d > 180) continue;
            NatalChart chart;
            chart.at(Sun, 100).at(Mercury, 100 + d);
            EXPECT_EQ(RunGrid(run, chart.build()).Cell(Sun, Mercury), c.cell) << c.cell << " at " << d;
            // The same distance the other way round the circle.
            chart.at(Mercury, 100 - d);
            EXPECT_EQ(RunGrid(run, chart.build()).Cell(Sun, Mercury), c.cell) << c.cell << " at -" << d;
        }
        for (const double d : {kind->angle - orb - 0.01, kind->angle + orb + 0.01}) {
            if (d < 0 || d > 180) continue;
            NatalChart chart;
            chart.at(Sun, 100).at(Mercury, 100 + d);
            EXPECT_NE(RunGrid(run, chart.build()).Cell(Sun, Mercury), c.cell) << c.cell << " outside at " << d;
        }
    }
}

TEST(AspectGrid, ALaterWindowWinsWhereTwoOverlap) {
    NatalRun run = OrbsRun();
    run.options.Set(7, 2);   // semi-sextile
    run.options.Set(1, 10);  // conjunction
    NatalChart chart;
    chart.at(Sun, 100).at(Mercury, 129);
    EXPECT_EQ(RunGrid(run, chart.build()).Cell(Sun, Mercury), " 30  ");
    chart.at(Mercury, 109);
    EXPECT_EQ(RunGrid(run, chart.build()).Cell(Sun, Mercury), "  0  ");
    chart.at(Mercury, 131);  // the semi-sextile's window only
    EXPECT_EQ(RunGrid(run, chart.build()).Cell(Sun, Mercury), " 30  ");
    chart.at(Mercury, 132.5);
    EXPECT_EQ(RunGrid(run, chart.build()).Cell(Sun, Mercury), "---  ");
}

TEST(AspectGrid, TheMinorAspectSwitchRulesTheGridAndTheLegendAlike) {
    const std::vector<std::string> major = {
        "",
        "    0  = conjunction    60 = sextile          90 = square         120 = trine",
        "  180  = opposition      P = parallel         CP = contra-parallel",
        "",
        "   30  = semi-sextile   45 = semi-square     135 = sesquisquare   150 = quincunx",
    };
    std::vector<std::string> all = major;
    all.push_back("   36  = semi-quintile  40 = nonagen          72 = quintile       108 = trecile");
    all.push_back("  144  = bi-quintile");
    struct Case {
        float switchValue;
        const char* cell;
        bool minorLegend;
    } cases[] = {{0, "---  ", false}, {1, " 72  ", true}, {2, "---  ", false}, {-1, "---  ", false}};
    for (const auto& c : cases) {
        NatalRun run = OrbsRun();
        run.options.Set(16, c.switchValue);
        NatalChart chart;
        chart.at(Sun, 100).at(Mercury, 172);
        const Grid g = RunGrid(run, chart.build());
        EXPECT_EQ(g.Cell(Sun, Mercury), c.cell) << c.switchValue;
        EXPECT_EQ(g.Legend(), c.minorLegend ? all : major) << c.switchValue;
    }
}

TEST(AspectGrid, ParallelsAndContraParallelsBelowTheDiagonal) {
    struct Case {
        double a, b;
        const char* cell;
    } cases[] = {
        {10, -10.5, " CP  "}, {10, 12, "---  "},   {10, 10.5, " P   "}, {-10, -11, " P   "},
        {0, -0.5, " CP  "},   {0, 0.5, " P   "},   {-3, 4, " CP  "},   {23.4, -24.41, "---  "},
    };
    for (const auto& c : cases) {
        NatalRun run = OrbsRun();  // parallel orb 1
        NatalChart chart;
        chart.declination(Sun, c.a).declination(Moon, c.b);
        const Grid g = RunGrid(run, chart.build());
        EXPECT_EQ(g.Cell(Moon, Sun), c.cell) << c.a << " " << c.b;
        // Above the diagonal the same pair is an aspect of longitude, never a parallel.
        EXPECT_NE(g.Cell(Sun, Moon).substr(0, 2), " P") << c.a << " " << c.b;
    }
}

}  // namespace
}  // namespace quaeryn
