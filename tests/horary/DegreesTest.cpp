#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "horary/HoraryCommands.h"
#include "base/Vocabulary.h"
#include "horary/Degrees.h"
#include "horary/HoraryReports.h"
#include "horary/ReportRun.h"
#include "support/ChartBuilder.h"
#include "support/Golden.h"

namespace quaeryn {
namespace {

using test::ChartBuilder;
using test::ReportRun;

constexpr double kMinute = 1.0 / 60.0;

TEST(CriticalDegrees, WindowsHalfADegreeAroundTheMansions) {
    struct Case {
        double longitude;
        bool critical;
    } cases[] = {
        {13.0, true},                  // 13°00' Aries
        {12.357, true},                {13.357, true},    {12.35, false},   {13.36, false},
        {90 + 20 * kMinute, true},     // 0°20' Cancer
        {60 + 29 + 40 * kMinute, true},  // 29°40' Gemini
        {89.49, false},                {0.5, true},       {0.51, false},    {90.0, true},
        {180 + 25.5, true},            {270 + 38.5, true}, {270 + 37.9, false},
        {51.0, true},                  {64.0, true},      {77.0, true},     {45.0, false},
        {359.9, true},                 {200.0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsCriticalDegree(c.longitude), c.critical) << c.longitude;
}

TEST(CriticalDegrees, TheLineNamesPlanetsAndMoonOnly) {
    ChartBuilder b;
    for (int n = 1; n <= 15; ++n) b.at(n, 100 + 5 * n);  // 115 to 145: none critical
    b.at(body::Sun, 13).at(body::Moon, 90 + 20 * kMinute).at(body::Mercury, 89 + 40 * kMinute);
    b.at(body::NorthNode, 13).at(body::Ascendant, 13);  // critical, but never listed
    ReportRun run;
    const auto lines = run.Lines(&CriticalDegreesTable, b.build());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "  In Critical Degrees:  SUN       MERCURY   MOON      ");

    ChartBuilder none;
    for (int n = 1; n <= 15; ++n) none.at(n, 2 + n);
    EXPECT_EQ(run.Lines(&CriticalDegreesTable, none.build())[1], "  In Critical Degrees:  ");
}

// A chart whose bodies 1 to 14 all lie in different whole degrees (10 to 23).
ChartBuilder SpreadChart() {
    ChartBuilder b;
    for (int n = 1; n <= 15; ++n) b.at(n, 30.0 * (n % 12) + 9.5 + n);
    return b;
}

struct Strip {
    std::vector<std::string> lines;
    // Two characters of line (1 to 5) of block k (1 to …) at degree d.
    std::string At(int k, int line, int d, int width = 2) const {
        const std::size_t row = 4 + 5 * static_cast<std::size_t>(k - 1) + static_cast<std::size_t>(line - 1);
        if (row >= lines.size()) return "<none>";
        return lines[row].substr(2 + 3 * static_cast<std::size_t>(d), static_cast<std::size_t>(width));
    }
    std::size_t blocks() const { return (lines.size() - 4) / 5; }
};

Strip RunStrip(const ChartState& chart) {
    ReportRun run;
    Strip s{run.Lines(&CriticalDegreesTable, chart)};
    EXPECT_EQ(s.lines[2], "");
    EXPECT_EQ(s.lines[3],
              "  00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 ");
    EXPECT_EQ((s.lines.size() - 4) % 5, 0u);
    for (std::size_t i = 4; i < s.lines.size(); ++i) EXPECT_EQ(s.lines[i].size(), 92u) << i;
    return s;
}

TEST(DegreeStrip, StacksBodiesOfOneWholeDegreeInSuccessiveBlocks) {
    // One body per degree: everything in the first block.
    Strip one = RunStrip(SpreadChart().build());
    EXPECT_EQ(one.blocks(), 1u);

    ChartBuilder b = SpreadChart();
    b.at(body::Sun, 5.2).at(body::Mars, 35.7).retrograde(body::Mars);
    b.at(body::SouthNode, 5.1);  // never drawn
    Strip two = RunStrip(b.build());
    EXPECT_EQ(two.blocks(), 2u);
    EXPECT_EQ(two.At(1, 1, 5), "SU");
    EXPECT_EQ(two.At(1, 2, 5), " 5");
    EXPECT_EQ(two.At(1, 3, 5), "AR");
    EXPECT_EQ(two.At(1, 4, 5), "12");
    EXPECT_EQ(two.At(1, 5, 5), "  ");
    EXPECT_EQ(two.At(2, 1, 5), "MA");
    EXPECT_EQ(two.At(2, 3, 5), "TA");
    EXPECT_EQ(two.At(2, 4, 5), "42");
    EXPECT_EQ(two.At(2, 5, 5), " R");  // the flag one column further right

    // A third body, lowest in the degree, takes the first block.
    b.at(body::Jupiter, 185 + 3 * kMinute);
    Strip three = RunStrip(b.build());
    EXPECT_EQ(three.blocks(), 3u);
    EXPECT_EQ(three.At(1, 1, 5), "JU");
    EXPECT_EQ(three.At(1, 3, 5), "LI");
    EXPECT_EQ(three.At(1, 4, 5), " 3");
    EXPECT_EQ(three.At(2, 1, 5), "SU");
    EXPECT_EQ(three.At(3, 1, 5), "MA");
    EXPECT_EQ(three.At(3, 5, 5), " R");
}

TEST(DegreeStrip, CodesOfNodeFortuneAndAscendant) {
    ChartBuilder b = SpreadChart();
    b.at(body::NorthNode, 24.5).at(body::Fortune, 55.5).at(body::Ascendant, 86.5).at(body::Moon, 297.25);
    Strip s = RunStrip(b.build());
    EXPECT_EQ(s.At(1, 1, 24), "NN");
    EXPECT_EQ(s.At(1, 1, 25), "PF");
    EXPECT_EQ(s.At(1, 1, 26), "AS");
    EXPECT_EQ(s.At(1, 1, 27), "MO");
    EXPECT_EQ(s.At(1, 2, 27), "27");
    EXPECT_EQ(s.At(1, 3, 27), "CP");
    EXPECT_EQ(s.At(1, 4, 27), "15");
}

TEST(DegreeStrip, ATenthBodyInOneDegreeGetsABlockOfItsOwn) {
    ChartBuilder b = SpreadChart();
    for (int n = 1; n <= 10; ++n) b.at(n, 30.0 * (n - 1) + 7 + n * 0.05);
    Strip s = RunStrip(b.build());
    ASSERT_EQ(s.blocks(), 10u);
    // Lowest minute first: Sun, Mercury … Moon.
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(s.At(k, 1, 7), std::string(BodyShortName(k)).substr(0, 2)) << k;
}

TEST(DegreeQualities, ReadTheTablesAtTheirBounds) {
    struct Case {
        double longitude;
        char mf, ldsv, pitted, lame, fortune;
    } cases[] = {
        {134.98, 'M', 'S', 'P', '-', '-'},  // 14°59' Leo
        {135.0, 'F', 'S', '-', '-', '-'},   // 15°00' Leo
        {0.0, 'M', 'D', '-', '-', '-'},
        {5.0, 'M', 'L', 'P', '-', '-'},
        {6.0, 'M', 'L', '-', '-', '-'},
        {35.0, 'M', 'L', '-', 'L', '-'},
        {39.99, 'M', 'V', '-', 'L', '-'},
        {40.0, 'M', 'V', '-', '-', '-'},
        {90.0, 'M', 'L', '-', '-', 'I'},
        {93.99, 'F', 'L', '-', '-', 'I'},
        {94.0, 'F', 'L', '-', '-', '-'},
        {108.0, 'M', 'S', '-', '-', '-'},
        {104.5, 'M', 'V', '-', 'L', 'I'},
        {232.5, 'F', 'S', 'P', '-', '-'},
        {316.0, 'M', 'L', 'P', '-', 'I'},
        {317.5, 'M', 'L', '-', 'L', '-'},
        {357.99, 'F', 'L', 'P', '-', '-'},
        {359.99, 'M', 'D', '-', '-', '-'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MasculineOrFeminine(c.longitude), c.mf) << c.longitude;
        EXPECT_EQ(LightDarkSmokyVoid(c.longitude), c.ldsv) << c.longitude;
        EXPECT_EQ(PittedMark(c.longitude), c.pitted) << c.longitude;
        EXPECT_EQ(LameMark(c.longitude), c.lame) << c.longitude;
        EXPECT_EQ(IncreasingFortuneMark(c.longitude), c.fortune) << c.longitude;
    }
}

TEST(DegreeQualities, DecanateAndDwadSigns) {
    for (int s = 1; s <= 12; ++s) {
        const double at25 = 30.0 * (s - 1) + 25.0;
        EXPECT_EQ(DecanateSign(at25), (s + 8 - 1) % 12 + 1) << s;  // third decanate
        EXPECT_EQ(DwadSign(at25), (s + 10 - 1) % 12 + 1) << s;     // eleventh dwad
        EXPECT_EQ(DecanateSign(30.0 * (s - 1)), s) << s;
        EXPECT_EQ(DwadSign(30.0 * (s - 1)), s) << s;
    }
    struct Case {
        double longitude;
        int decanate, dwad;
    } cases[] = {
        {9.99, 1, 4},   {10.0, 5, 5},    {2.49, 1, 1},   {2.5, 1, 2},
        {19.99, 5, 8},  {20.0, 9, 9},    {359.99, 8, 11}, {285.0, 2, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecanateSign(c.longitude), c.decanate) << c.longitude;
        EXPECT_EQ(DwadSign(c.longitude), c.dwad) << c.longitude;
    }
}

TEST(OtherDegrees, RowsFollowTheirNames) {
    ChartBuilder b;
    b.at(body::Sun, 134.98).at(body::Moon, 135.0).cuspsFromAscendant(25.0);
    ReportRun run;
    const auto lines = run.Lines(&OtherDegreesReport, b.build());
    ASSERT_EQ(lines.size(), 1u + 2u + 10u + 12u + 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], std::string(53, ' ') + "Increasing");
    EXPECT_EQ(lines[2], "  Object            M/F    L/D/S/V   Pitted   Lame    Fortune   Decanate   Dwad");
    // Two blanks and the ten-character name (or the ordinal and " house
    // cusp"), then the letters with their gaps of 8 and 6 blanks.
    EXPECT_EQ(lines[3].substr(0, 13), "  SUN       M");
    EXPECT_EQ(lines[12].substr(0, 13), "  MOON      F");
    // 25 Aries: masculine, light, not pitted, not lame, no fortune,
    // decanate Sagittarius, dwad Aquarius.
    EXPECT_EQ(lines[3 + 10 + 3], " 1ST house cuspM        L        -        -        -        SAG      AQU");
    EXPECT_EQ(lines[3 + 10].substr(0, 15), "10TH house cusp");
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], "  M/F = masculine/feminine");
    EXPECT_EQ(lines.back(), "  L/D/S/V = light/dark/smoky/void");
}

// The chart of the horary aspects golden: two bodies share the 7th and the
// 15th whole degree; Jupiter and Uranus lie in critical degrees.
ChartState SampleChart() {
    ChartBuilder b;
    b.at(body::Sun, 344.5).at(body::Mercury, 330.2).at(body::Venus, 15.7).at(body::Mars, 258.9)
        .at(body::Jupiter, 64.3).at(body::Saturn, 55.05).at(body::Uranus, 321.4).at(body::Neptune, 307.9)
        .at(body::Pluto, 255.2).at(body::Moon, 130.75).at(body::NorthNode, 103.1).at(body::SouthNode, 283.1)
        .at(body::Fortune, 243.62)
        .retrograde(body::Mercury)
        .retrograde(body::Pluto);
    const double cusps[13] = {0, 97.37, 118.9, 141.2, 166.5, 198.7, 238.1, 277.37, 298.9, 321.2, 346.5, 18.7, 58.1};
    for (int h = 1; h <= 12; ++h) b.cusp(h, cusps[h]);
    b.at(body::Ascendant, cusps[1]).at(body::Midheaven, cusps[10]);
    ChartState chart = b.build();
    chart.ChartName = "Will the ship return?";
    return chart;
}

TEST(DegreesGolden, CriticalDegreesTable) {
    ReportRun run;
    EXPECT_GOLDEN("critical_degrees.txt", run.Text(&CriticalDegreesTable, SampleChart()));
}

TEST(DegreesGolden, OtherDegreesCommand) {
    ReportRun run;
    const std::string text = run.CommandText("other-degrees", "mnuHoraryOtherDegrees", SampleChart());
    ASSERT_FALSE(text.empty());
    EXPECT_GOLDEN("other_degrees.txt", text);
}

}  // namespace
}  // namespace quaeryn
