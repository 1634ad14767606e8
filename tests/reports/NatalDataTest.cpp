// The natal data report on small built charts: the cusps, the body table,
// the true node, out of bounds, the decanates and the fixed stars; and the
// aspects to the solstice points.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Vocabulary.h"
#include "reports/NatalReports.h"
#include "reports/NatalRun.h"

namespace quaeryn {
namespace {

using namespace body;
using test::NatalChart;
using test::NatalRun;

constexpr double kMinute = 1.0 / 60.0;

// The index of the first line equal to text; lines.size() when none.
std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), text) - lines.begin());
}

std::vector<std::string> Natal(const ChartState& chart) {
    NatalRun run;
    return run.Lines(&NatalDataReport, chart);
}

TEST(NatalData, TheCuspsOfTheHouseSystemInUseComeFirst) {
    NatalChart c;
    c.cusp(10, 95 + 12 * kMinute).cusp(11, 128 + 40 * kMinute).cusp(12, 156 + 2 * kMinute);
    c.cusp(1, 125.5);
    c.chart().HouseSystemCode = "P";
    auto lines = Natal(c.build());
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "  HOUSE CUSPS - Placidus");
    EXPECT_EQ(lines[2], "  10TH house = 05 CAN 12 11TH house = 08 LEO 40 12TH house = 06 VIR 02");
    EXPECT_EQ(lines[3].substr(0, 25), "   1ST house = 05 LEO 30 ");
    c.chart().HouseSystemCode = "EM";
    EXPECT_EQ(Natal(c.build())[1], "  HOUSE CUSPS - Equal - MC");
}

TEST(NatalData, BodyTableHasFourteenLinesWithoutTheSouthNode) {
    NatalChart c;
    c.at(Sun, 345 + 7 * kMinute + 20.5 / 3600, -5 - 52 * kMinute).at(Moon, 108.5, 22.6);
    c.chart().ChartLatitude[Sun] = 0.001;
    c.chart().ChartLatitude[Moon] = -4.5;
    c.chart().RetrogradeText[Mercury - 1] = 'R';
    c.house(Sun, 10).house(Moon, 2);
    c.at(SouthNode, 200);
    c.at(Fortune, 180.0);  // 0 Libra: its solstice point is the end of Pisces, 0 Aries
    const auto lines = Natal(c.build());
    const std::size_t caption = IndexOf(lines, std::string(51, ' ') + "Decl.   Solstice Pt    Lat.");
    ASSERT_LT(caption, lines.size());
    ASSERT_GE(caption, 15u);
    const std::vector<std::string> table(lines.begin() + static_cast<long>(caption) - 14,
                                         lines.begin() + static_cast<long>(caption));
    EXPECT_EQ(lines[caption - 15], "");
    const int order[14] = {Sun,    Moon,    Mercury, Venus,     Mars,     Jupiter,   Saturn,
                           Uranus, Neptune, Pluto,   NorthNode, Fortune, Ascendant, Midheaven};
    for (std::size_t k = 0; k < 14; ++k) {
        EXPECT_EQ(table[k].substr(19, 10), BodyName10(order[k])) << k;
        // Planets and the Moon carry their latitude, the points do not.
        EXPECT_EQ(table[k].size(), order[k] <= Moon ? 79u : 69u) << table[k];
    }
    EXPECT_EQ(table[0], "  15 PIS 07m 20s   SUN            (10TH HOUSE)    05 S 52   14 LIB 53   00 N 00");
    EXPECT_EQ(table[1].substr(0, 69), "  18 CAN 30m 00s   MOON           ( 2ND HOUSE)    22 N 36   11 GEM 30");
    EXPECT_EQ(table[1].substr(69), "   04 S 30");
    EXPECT_EQ(table[2][29], 'R');  // Mercury's motion flag
    EXPECT_EQ(table[11].substr(0, 19), "  00 LIB 00m 00s   ");
    EXPECT_EQ(table[11].substr(57), "   00 ARI 00");  // never a thirteenth sign
    for (const auto& l : lines) EXPECT_EQ(l.find("S. NODE"), std::string::npos) << l;
}

TEST(NatalData, TrueNodeAndMoonDeclinationLines) {
    NatalChart c;
    c.chart().TrueNode = 103 + 41 * kMinute + 7.5 / 3600;
    c.chart().TrueNodeDeclination = 22.74;
    c.at(Moon, 50, -18.25);
    c.chart().MoonDeclinationNextDay = -17.5;
    const auto lines = Natal(c.build());
    const std::size_t node = IndexOf(lines, "  13 CAN 41m 07s   TRUE NORTH NODE                22 N 44   16 GEM 19");
    ASSERT_LT(node, lines.size());
    EXPECT_EQ(lines[node - 1], "");
    EXPECT_EQ(lines[node + 1], "");
    EXPECT_EQ(lines[node + 2], "  Moon's declination = 18 S 15            Moon's declination next day = 17 S 30");
}

TEST(NatalData, OutOfBoundsBeyondTwentyThreeDegreesTwentyEight) {
    struct Case {
        double sun, mars, moon, node;
        const char* line;
    } cases[] = {
        {10, -5, 20, 0, "  Out of Bounds Planets - None"},
        {23.4666666666667, -23.4666666666667, 0, 0, "  Out of Bounds Planets - None"},  // at the limit: in
        {10, 0, -(23 + 29 * kMinute), 0, "  Out of Bounds Planets - MOON "},
        {23.47, -24.5, 25, 0, "  Out of Bounds Planets - SUN MARS MOON "},
        {0, 0, 0, 27, "  Out of Bounds Planets - None"},  // the node is no planet
    };
    for (const auto& k : cases) {
        NatalChart c;
        c.declination(Sun, k.sun).declination(Mars, k.mars).declination(Moon, k.moon).declination(NorthNode, k.node);
        const auto lines = Natal(c.build());
        const std::size_t at = IndexOf(lines, k.line);
        ASSERT_LT(at, lines.size()) << k.line;
        EXPECT_EQ(lines[at - 1], "");
    }
    EXPECT_FALSE(IsOutOfBounds(23.4666666666667));
    EXPECT_TRUE(IsOutOfBounds(-23.467));
}

TEST(NatalData, DecanatesAtTheirBoundaries) {
    struct Case {
        double longitude;
        const char* keyword;
    } cases[] = {
        {0, "Boldness"},
        {9 + 59 * kMinute, "Boldness"},
        {10, "Nobility"},
        {29.999, "Grace"},
        {30, "Husbandry"},
        {120, "Audacity"},
        {180, "Justice"},
        {330 + 19 + 59 * kMinute, "Aspiration"},
        {330 + 29 + 59 * kMinute, "Leisure"},
        {360, "Boldness"},  // a full turn is 0 Aries
        {-0.5, "Leisure"},
    };
    for (const auto& k : cases) EXPECT_EQ(DecanateKeyword(k.longitude), k.keyword) << k.longitude;
    // The 36 keywords are all different.
    std::vector<std::string> all;
    for (int d = 0; d < 36; ++d) all.emplace_back(DecanateKeyword(d * 10 + 5));
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::unique(all.begin(), all.end()), all.end());

    NatalChart c;
    c.at(Sun, 9 + 59 * kMinute).at(Moon, 10).at(Pluto, 359.99).at(SouthNode, 0);
    c.cuspsFromAscendant(125);
    const auto lines = Natal(c.build());
    const std::size_t head = IndexOf(lines, "  PLANET   is in Decanate of");
    ASSERT_LT(head + 16, lines.size());
    EXPECT_EQ(lines[head - 1], "");
    EXPECT_EQ(lines[head + 1], "  ------   -----------------");
    const std::vector<std::string> expected = {
        "  SUN      Boldness",  "  MERCURY  " + std::string(DecanateKeyword(c.chart().ChartLongitude[Mercury])),
    };
    EXPECT_EQ(lines[head + 2], expected[0]);
    EXPECT_EQ(lines[head + 3], expected[1]);
    EXPECT_EQ(lines[head + 10], "  PLUTO    Leisure");
    EXPECT_EQ(lines[head + 11], "  MOON     Nobility");
    EXPECT_EQ(lines[head + 12].substr(0, 11), "  N. NODE  ");
    EXPECT_EQ(lines[head + 13].substr(0, 11), "  PART F.  ");  // the South Node is left out
    EXPECT_EQ(lines[head + 14], "  ASC      Audacity");
    EXPECT_EQ(lines[head + 15].substr(0, 11), "  MC       ");
    EXPECT_EQ(lines[head + 16], "");  // then the fixed stars
}

TEST(FixedStarsReport, PrecessedFromTheirPlacesOf2000WithTheirStarLines) {
    NatalRun run;
    ChartState chart;
    auto star = [&](const std::string& name) {
        const auto lines = run.Lines(&FixedStarsReport, chart);
        for (const auto& l : lines)
            if (l.rfind("  " + name, 0) == 0) return l.substr(17, 9);
        return std::string("<none>");
    };
    chart.PrecessionSince2000 = 0;
    EXPECT_EQ(star("Regulus"), "29 LEO 42");
    EXPECT_EQ(star("Spica"), "23 LIB 42");
    EXPECT_EQ(star("Scheat"), "29 PIS 14");
    chart.PrecessionSince2000 = -100 * 50.23 / 3600;  // 1900: 1°24' earlier
    EXPECT_EQ(star("Regulus"), "28 LEO 18");
    EXPECT_EQ(star("Alpheratz"), "12 ARI 54");
    chart.PrecessionSince2000 = 56 * 50.23 / 3600;  // 2056: Scheat has passed 0 Aries
    EXPECT_EQ(star("Scheat"), "00 ARI 01");

    chart.PrecessionSince2000 = 0;
    const auto lines = run.Lines(&FixedStarsReport, chart);
    ASSERT_EQ(lines.size(), 77u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "  Fixed Stars    Longitude" + run.data.stars[0]);
    EXPECT_EQ(lines[3], "  Alpheratz    = 14 ARI 18" + run.data.stars[1]);
    EXPECT_EQ(lines[76], "  Scheat       = 29 PIS 14" + run.data.stars[74]);
    EXPECT_EQ(lines[34], "  Regulus      = 29 LEO 42   Mars-Jupiter        honour and success, lost through revenge");

    // Without the star file the lines end after the longitude.
    run.data.stars = {};
    const auto bare = run.Lines(&FixedStarsReport, chart);
    EXPECT_EQ(bare[2], "  Fixed Stars    Longitude");
    EXPECT_EQ(bare[34], "  Regulus      = 29 LEO 42");
}

// ---------------------------------------------------------------- solstice points

TEST(SolsticePoints, WindowsOfOneDegreeAndOrbsInTenths) {
    struct Case {
        double a;
        int aspect;
        double orb;
    } cases[] = {
        {0, 2, 0},       {1, 2, 1.0},       {1.01, 1, 0},     {28.99, 1, 0},    {29, 8, -1.0},
        {31, 8, 1.0},    {44, 9, -1.0},     {46, 9, 1.0},     {58.99, 1, 0},    {59, 3, -1.0},
        {59.96, 3, 0},   {61, 3, 1.0},      {61.01, 1, 0},    {89.5, 4, -0.5},  {91, 4, 1.0},
        {119, 5, -1.0},  {121, 5, 1.0},     {134, 10, -1.0},  {136, 10, 1.0},   {149, 11, -1.0},
        {151, 11, 1.0},  {178.99, 1, 0},    {179, 6, -1.0},   {180, 6, 0},      {100, 1, 0},
    };
    for (const auto& c : cases) {
        const SolsticeAspect found = FindSolsticeAspect(c.a);
        EXPECT_EQ(found.aspect, c.aspect) << c.a;
        if (c.aspect != 1) {
            EXPECT_NEAR(found.orb, c.orb, 1e-12) << c.a;
        }
    }
}

std::vector<std::string> Solstice(const ChartState& chart) {
    NatalRun run;
    return run.Lines(&SolsticePointAspects, chart);
}

// A chart where no body makes an aspect to another's solstice point: all
// between 4 and 7 Gemini, about 50 degrees from the mirrors of the others
// (and about 55 degrees from 10 Aries and 20 Virgo, where the tests put a
// body and another's mirror).
NatalChart QuietSolsticeChart() {
    NatalChart c;
    for (int n = 1; n <= 15; ++n) c.at(n, 63.9 + 0.15 * n);
    return c;
}

TEST(SolsticePoints, EachPairOnceWithItsSignedOrb) {
    NatalChart c = QuietSolsticeChart();
    EXPECT_EQ(Solstice(c.build()), std::vector<std::string>{""});

    // Sun 10 Aries, Moon 20 Virgo: the Moon's solstice point is 10 Aries.
    c.at(Sun, 10).at(Moon, 170);
    auto lines = Solstice(c.build());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "  SUN         Conjunct        MOON         0.0 degrees");  // not -0.0

    // Venus 61 degrees past Mars's solstice point: a sextile, orb -1.0;
    // 61 degrees before it, orb 1.0.
    c = QuietSolsticeChart();
    c.at(Mars, 300).at(Venus, Normalize360(Antiscion(300) + 61));
    lines = Solstice(c.build());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "  VENUS       Sextile         MARS        -1.0 degrees");
    c.at(Venus, Normalize360(Antiscion(300) - 61));
    EXPECT_EQ(Solstice(c.build())[1], "  VENUS       Sextile         MARS         1.0 degrees");
    c.at(Venus, Normalize360(Antiscion(300) - 61.01));
    EXPECT_EQ(Solstice(c.build()).size(), 1u);

    // The South Node is never looked at.
    c = QuietSolsticeChart();
    c.at(SouthNode, 10).at(Sun, 170);
    EXPECT_EQ(Solstice(c.build()).size(), 1u);
    // The points are: the Ascendant square the Midheaven's solstice point.
    c = QuietSolsticeChart();
    c.at(Ascendant, 100).at(Midheaven, 170.5);
    lines = Solstice(c.build());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "  ASC         Square          MC          -0.5 degrees");
}

}  // namespace
}  // namespace quaeryn
