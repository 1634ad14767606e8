#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "horary/HoraryCommands.h"
#include "astro/AngleMath.h"
#include "base/Vocabulary.h"
#include "horary/HoraryReports.h"
#include "horary/BodyOrders.h"
#include "horary/HoraryContacts.h"
#include "horary/ReportRun.h"
#include "support/ChartBuilder.h"
#include "support/Golden.h"

namespace quaeryn {
namespace {

using test::ChartBuilder;
using test::LineStarting;
using test::ReportRun;

constexpr double kMinute = 1.0 / 60.0;

// Every body but the Moon one sign after the Moon (no aspect by sign, none
// within orb), the Moon fastest and the others slower in body order.
ChartBuilder QuietChart(double moon) {
    ChartBuilder b;
    for (int n = 1; n <= 15; ++n)
        if (n != body::Moon) b.at(n, Normalize360(moon + 30.0), 1.0 - 0.05 * n);
    b.at(body::Moon, moon, 13.0);
    return b;
}

// ---------------------------------------------------------------- FindAspect

TEST(FindAspect, SumsTheOrbsOfTheTwoBodies) {
    Options options;
    for (int line = 34; line <= 43; ++line) options.Set(line, static_cast<float>(line));
    // Moon (orb 35) and Mars (orb 38) at 72 degrees: within 73 of the
    // conjunction, but a sextile is tried first and holds.
    ChartState chart = ChartBuilder().at(body::Moon, 0).at(body::Mars, 72).build();
    EXPECT_EQ(FindAspect(chart, options, body::Moon, body::Mars).code, aspect::Sextile);
    // The Ascendant adds no orb: Moon alone with 2 degrees does not reach 3.
    options.Set(35, 2);
    chart = ChartBuilder().at(body::Moon, 0).at(body::Ascendant, 3).build();
    EXPECT_FALSE(FindAspect(chart, options, body::Moon, body::Ascendant).found());
}

// ---------------------------------------------------------------- orders

TEST(BodyOrders, KeepTheExchangeSortsOrderOfEqualValues) {
    // Degrees in sign: Sun 20, Mercury 20, Venus 10, the rest later and
    // rising. The exchange sort gives Venus, Mercury, Sun.
    ChartBuilder b;
    b.at(body::Sun, 20).at(body::Mercury, 50).at(body::Venus, 70);
    for (int n = 4; n <= 14; ++n) b.at(n, 21 + n * 0.5);
    const BodyOrder byDegree = BodiesByDegreeInSign(b.build());
    EXPECT_EQ(byDegree[1], body::Venus);
    EXPECT_EQ(byDegree[2], body::Mercury);
    EXPECT_EQ(byDegree[3], body::Sun);
    EXPECT_EQ(byDegree[4], 4);

    // Speeds: Sun 1, Mercury -1 (absolute value counts), Venus 2, the rest
    // slower: Venus, Mercury, Sun; entries 11 to 15 stay in body order.
    ChartBuilder s;
    s.at(body::Sun, 0, 1).at(body::Mercury, 0, -1).at(body::Venus, 0, 2);
    for (int n = 4; n <= 10; ++n) s.at(n, 0, 0.9 - 0.08 * n);
    s.at(body::NorthNode, 0, -20);  // a fast node does not move up
    const BodyOrder bySpeed = BodiesBySpeed(s.build());
    const int expected[16] = {0, 3, 2, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int p = 1; p <= 15; ++p) EXPECT_EQ(bySpeed[p], expected[p]) << p;
}

// ---------------------------------------------------------------- by sign

TEST(MoonAspectsBySign, WritesFromAndToLinesAndTheVoidMoon) {
    struct Case {
        const char* why;
        double moon;
        std::vector<std::pair<int, double>> bodies;
        std::vector<std::string> lines;  // the lines from "From - " on, up to the empty line
    } cases[] = {
        {"Moon at 28 Aries, nothing later", 28, {{body::Mars, 130}},
         {"  From - TRINE MARS  ", "  To   - VOID OF COURSE (modern)"}},
        {"a planet at 29 Leo clears the void Moon", 28, {{body::Mars, 149}},
         {"  From - ", "  To   - TRINE MARS  "}},
        {"later degrees in adjacent and quincunx signs do not count", 28,
         {{body::Sun, 59}, {body::Venus, 359}, {body::Mars, 179}, {body::Jupiter, 239}},
         {"  From - ", "  To   - VOID OF COURSE (modern)"}},
        {"nodes and Ascendant are never listed", 28,
         {{body::NorthNode, 149}, {body::SouthNode, 329}, {body::Ascendant, 148}},
         {"  From - ", "  To   - VOID OF COURSE (modern)"}},
        {"the Part of Fortune is listed", 28, {{body::Fortune, 298.5}},
         {"  From - ", "  To   - SQUARE PART F.  "}},
        {"every Ptolemaic distance, both ways round", 15,
         {{body::Sun, 5}, {body::Mercury, 66}, {body::Venus, 277}, {body::Mars, 98}, {body::Jupiter, 249},
          {body::Saturn, 140}, {body::Uranus, 201}},
         {"  From - CONJUNCT SUN  SEXTILE MERCURY  SQUARE VENUS  SQUARE MARS  ",
          "         TRINE JUPITER  ", "  To   - TRINE SATURN  OPPOSITE URANUS  "}},
        {"exactly four entries: the new line of 9 blanks is appended too", 15,
         {{body::Sun, 5}, {body::Mercury, 66}, {body::Venus, 277}, {body::Mars, 98}},
         {"  From - CONJUNCT SUN  SEXTILE MERCURY  SQUARE VENUS  SQUARE MARS  ", "         ",
          "  To   - VOID OF COURSE (modern)"}},
    };
    for (const auto& c : cases) {
        ChartBuilder b;
        for (int n = 1; n <= 14; ++n) b.at(n, Normalize360(c.moon + 30.0) - 10.0);  // adjacent sign, early
        b.at(body::Moon, c.moon, 13);
        for (const auto& [n, lon] : c.bodies) b.at(n, lon);
        ReportRun run;
        const auto lines = run.Lines(&NodesPartsAndMoonBlock, b.build());
        std::size_t k = 0;
        while (k < lines.size() && lines[k] != "  Moon's Aspects - ") ++k;
        ASSERT_LT(k + 1, lines.size()) << c.why;
        EXPECT_EQ(lines[k - 1], "") << c.why;
        std::vector<std::string> got;
        for (++k; k < lines.size() && !lines[k].empty(); ++k) got.push_back(lines[k]);
        EXPECT_EQ(got, c.lines) << c.why;
    }
}

// ---------------------------------------------------------------- within orb

TEST(MoonAspectsWithinOrb, QualifiesEachAspectByMotionAndSide) {
    struct Case {
        const char* why;
        double moon, other;
        int body;
        const char* line;
    } cases[] = {
        {"30 seconds from an exact trine", 10, 130 + 0.5 * kMinute, body::Mars,
         "  MOON      Trine       partile      MARS       0.0 degree"},
        {"one degree past the trine, Mars ahead", 11, 130, body::Mars,
         "  MOON      Trine       sep, sin     MARS       1.0 degree"},
        {"one degree before the trine, Mars ahead", 9, 130, body::Mars,
         "  MOON      Trine       APP, sin     MARS       1.0 degree"},
        {"one degree past the trine, Mars behind", 131, 10, body::Mars,
         "  MOON      Trine       sep, dex     MARS       1.0 degree"},
        {"across 0 Aries the words change places", 350, 115, body::Mars,
         "  MOON      Trine       APP, sin     MARS       5.0 degree"},
        {"applying conjunction: no side", 10, 12, body::Mars,
         "  MOON      Conjunct    APP          MARS       2.0 degree"},
        {"separating conjunction: no side", 12, 10, body::Mars,
         "  MOON      Conjunct    sep          MARS       2.0 degree"},
        {"partile conjunction", 10, 10 + 0.9 * kMinute, body::Mars,
         "  MOON      Conjunct    partile      MARS       0.0 degree"},
        {"two-digit orb without the leading blank", 10, 22.34, body::Sun,
         "  MOON      Conjunct    APP          SUN       12.3 degree"},
        {"no qualifier for the Ascendant", 9, 130, body::Ascendant,
         "  MOON      Trine                    ASC        1.0 degree"},
        {"no qualifier for a node", 9, 14, body::NorthNode,
         "  MOON      Conjunct                 N. NODE    5.0 degree"},
        {"no qualifier for the Part of Fortune", 9, 189, body::Fortune,
         "  MOON      Opposite                 P. OF F.   0.0 degree"},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart(c.moon);
        b.at(c.body, c.other, c.body == body::Sun ? 0.99 : 0.5);
        ReportRun run;
        run.options.Set(34, 15);  // the Sun's orb
        const auto lines = run.Lines(&NodesPartsAndMoonBlock, b.build());
        std::size_t k = 0;
        while (k < lines.size() && lines[k] != "  Moon's Aspects Within Orb") ++k;
        ASSERT_LT(k + 3, lines.size()) << c.why;
        EXPECT_EQ(lines[k + 1], "  -------------------------") << c.why;
        EXPECT_EQ(lines[k + 2], c.line) << c.why;
        EXPECT_EQ(lines[k + 3], "") << c.why;
    }
}

// ---------------------------------------------------------------- parts

TEST(NodesAndParts, NormalisesEachPartAndReadsTheFirstCusp) {
    ChartBuilder b = QuietChart(200);
    b.cuspsFromAscendant(350).at(body::Mars, 100).at(body::Saturn, 20).at(body::Sun, 40).at(body::Venus, 300);
    b.chart().ChartLongitude[body::Ascendant] = 123;  // the cusp of the 1st house counts, not body 14
    b.chart().MeanNode = 45.5;
    b.chart().TrueNode = 47.25;
    ReportRun run;
    const auto lines = run.Lines(&NodesPartsAndMoonBlock, b.build());
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "  15 TAU 30   MEAN NORTH NODE" + std::string(32, ' ') + "17 TAU 15   TRUE NORTH NODE");
    EXPECT_EQ(lines[2], "");
    // Illness 350 + 100 - 20 = 430 = 70; death 350 + 8th (200) - Moon 200;
    // marriage 350 + 7th (170) - Venus 300 = 220.
    EXPECT_EQ(lines[3], "  10 GEM 00  P of ILLNESS      20 PIS 00  P/DEATH-trad.      10 SCO 00  P of MARRIAGE");
    // Fatality 350 + 20 - 40 = 330; point of death 100 + 20 - 10th (260) =
    // -140 = 220; night fortune 350 + 40 - 200 = 190.
    EXPECT_EQ(lines[4], "  00 PIS 00  P of FATALITY     10 SCO 00  Point of DEATH     10 LIB 00  P.F. - night");
}

TEST(NodesAndParts, WritesTheMoonsDeclinationNowAndNextDay) {
    ChartBuilder b = QuietChart(10);
    b.chart().ChartDeclination[body::Moon] = -(0.3);
    b.chart().MoonDeclinationNextDay = 23 + 59.6 * kMinute;  // minutes rounded, never carried
    ReportRun run;
    const auto lines = run.Lines(&NodesPartsAndMoonBlock, b.build());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(),
              "  Moon's declination = 00 S 18            Moon's declination next day = 23 N 59");
}

// ---------------------------------------------------------------- horary aspects

TEST(HoraryAspects, QualifiesOnlyLaterPlanetsAndSwapsForARetrogradeBody) {
    // Moon fastest, Mars next, Saturn last of the three; Mars at 9 Aries
    // applies to Saturn's trine at 10 Aries from behind.
    auto build = [](bool marsRetrograde) {
        ChartBuilder b = QuietChart(200);
        b.at(body::Mars, 9, 0.5).at(body::Saturn, 130, 0.03).retrograde(body::Mars, marsRetrograde);
        return b.build();
    };
    for (bool retro : {false, true}) {
        ReportRun run;
        const auto lines = run.Lines(&HoraryAspectsReport, build(retro));
        const std::string marsToSaturn = LineStarting(lines, "  MARS      Trine");
        EXPECT_EQ(marsToSaturn, std::string("  MARS      Trine       ") + (retro ? "sep, sin " : "APP, sin ") +
                                    "    SATURN     1.0 degree");
        EXPECT_EQ(LineStarting(lines, "  SATURN    Trine"),
                  "  SATURN    Trine                    MARS       1.0 degree");
        // Fifteen bodies, each followed by an empty line.
        int empty = 0;
        for (const auto& l : lines) empty += l.empty() ? 1 : 0;
        EXPECT_EQ(empty, 15);
        EXPECT_EQ(lines.back(), "");
    }
}

TEST(HoraryAspects, TheMoonAfterAFasterBodyIsQualifiedLikeAPlanet) {
    // Should anything outrun the Moon, the Moon still takes its qualifier as
    // one of the ten moving bodies; the Ascendant never does.
    ChartBuilder b = QuietChart(200);
    b.at(body::Mercury, 9, 14).at(body::Moon, 130, 13).at(body::Ascendant, 250, 0);
    ReportRun run;
    const auto lines = run.Lines(&HoraryAspectsReport, b.build());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "  MERCURY   Trine       APP, sin     MOON       1.0 degree");
    EXPECT_EQ(LineStarting(lines, "  MERCURY   Trine       ASC"), "");
    EXPECT_EQ(LineStarting(lines, "  MERCURY   Trine         "),
              "  MERCURY   Trine                    ASC        1.0 degree");
    // The within-orb block starts from the fastest body, whatever it is.
    const auto block = run.Lines(&NodesPartsAndMoonBlock, b.build());
    EXPECT_NE(std::find(block.begin(), block.end(), lines[0]), block.end());
}

// ---------------------------------------------------------------- goldens

// A hand-built chart with Mercury retrograde (its aspects to the slower
// planets change APP and sep). Note that some separations are held just
// below a twentieth: Mars - Moon is 128.14999… in a double, so its orb
// shows as 8.1, and Pluto - Moon (124.4499…) as 4.4.
ChartState SampleChart() {
    ChartBuilder b;
    b.at(body::Sun, 344.5, 1.0)
        .at(body::Mercury, 330.2, -1.1)
        .at(body::Venus, 15.7, 1.21)
        .at(body::Mars, 258.9, 0.61)
        .at(body::Jupiter, 64.3, 0.11)
        .at(body::Saturn, 55.05, 0.05)
        .at(body::Uranus, 321.4, 0.06)
        .at(body::Neptune, 307.9, 0.03)
        .at(body::Pluto, 255.2, -0.01)
        .at(body::Moon, 130.75, 12.9)
        .at(body::NorthNode, 103.1, -0.05)
        .at(body::SouthNode, 283.1, -0.05)
        .at(body::Fortune, 243.62, 0)
        .retrograde(body::Mercury)
        .retrograde(body::Pluto);
    // Cusps 1st to 12th.
    const double cusps[13] = {0, 97.37, 118.9, 141.2, 166.5, 198.7, 238.1, 277.37, 298.9, 321.2, 346.5, 18.7, 58.1};
    for (int h = 1; h <= 12; ++h) b.cusp(h, cusps[h]);
    b.at(body::Ascendant, cusps[1], 0).at(body::Midheaven, cusps[10], 0);
    ChartState chart = b.build();
    chart.ChartName = "Will the ship return?";
    chart.MeanNode = 103.1;
    chart.TrueNode = 101.55;
    chart.ChartDeclination[body::Moon] = 18.4;
    chart.MoonDeclinationNextDay = 15.2;
    return chart;
}

TEST(MoonAspectsGolden, NodesPartsAndMoonBlock) {
    ReportRun run;
    EXPECT_GOLDEN("nodes_parts_moon.txt", run.Text(&NodesPartsAndMoonBlock, SampleChart()));
}

TEST(MoonAspectsGolden, HoraryAspectsCommand) {
    ReportRun run;
    const std::string text = run.CommandText("horary-aspects", "mnuHoraryAspects", SampleChart());
    ASSERT_FALSE(text.empty());
    EXPECT_GOLDEN("all_pairs_report.txt", text);
}

}  // namespace
}  // namespace quaeryn
