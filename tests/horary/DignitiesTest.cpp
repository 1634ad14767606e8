#include <gtest/gtest.h>

#include <cmath>

#include "base/Numbers.h"
#include "horary/BasicsJudgement.h"
#include "horary/BasicsTestSupport.h"

namespace quaeryn::basics {
namespace {

using namespace body;
using test::ChartBuilder;
using test::LineStarting;
using test::QuietChart;

TEST(Rulers, TermsAndFacesChangeExactlyAtTheirBoundaries) {
    struct Case {
        double longitude;
        int term;
        int face;
    } cases[] = {
        {0.0, Jupiter, Mars},                  // 0 Aries
        {5.999, Jupiter, Mars},                // just before Venus's term
        {6.0, Venus, Mars},                    // 6 Aries: Venus's term
        {10.0, Venus, Sun},                    // second face of Aries
        {26.0, Saturn, Venus},                 // last term and face of Aries
        {30.0, Venus, Mercury},                // 0 Taurus
        {69.999, Jupiter, Jupiter},            // Gemini 9°59'
        {70.0, Jupiter, Mars},                 // the face order starts again
        {89.999, Mars, Sun},                   // end of Gemini
        {93.0, Mars, Venus},                   // Cancer 3
        {147.0, Mars, Mars},                   // Leo 27
        {210.0, Mars, Mars},                   // 0 Scorpio
        {350.0, Mars, Mars},                   // 20 Pisces: Mars's face
        {359.9833, Saturn, Mars},              // 29°59' Pisces
        {338.0, Jupiter, Saturn},              // 8 Pisces
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TermRuler(c.longitude), c.term) << c.longitude;
        EXPECT_EQ(FaceRuler(c.longitude), c.face) << c.longitude;
    }
}

TEST(Rulers, TriplicityFollowsTheElementAndTheSunAboveOrBelowTheHorizon) {
    struct Case {
        int sign;
        int day;
        int night;
    } cases[] = {
        {1, Sun, Jupiter},      {5, Sun, Jupiter},  {2, Venus, Moon},  {10, Venus, Moon},
        {3, Saturn, Mercury},   {11, Saturn, Mercury}, {4, Mars, Mars}, {8, Mars, Mars},
        {12, Mars, Mars},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TriplicityRuler(c.sign, true), c.day) << c.sign;
        EXPECT_EQ(TriplicityRuler(c.sign, false), c.night) << c.sign;
    }
    // The Sun above the horizon of the Ascendant (body 14) makes a day
    // chart, whatever house the Sun was placed in.
    struct Horizon {
        double sun, ascendant;
        int house;
        bool day;
    } horizon[] = {
        {100, 10, 10, false},   // 90 after the Ascendant: the lower heaven
        {100, 190, 4, true},    // 90 before it: the Midheaven
        {100, 100, 12, false},  // on the Ascendant: rising, counts below
        {100, 280, 6, true},    // on the Descendant: setting, counts above
        {5, 350, 10, false},    // across 0 Aries
        {350, 5, 1, true},
        {99.99, 100, 1, true},  // just above the eastern horizon
    };
    for (const auto& h : horizon) {
        ChartBuilder b;
        b.at(Sun, h.sun).at(Ascendant, h.ascendant, 0).house(Sun, h.house);
        EXPECT_EQ(IsDayChart(b.build()), h.day) << h.sun << " " << h.ascendant;
    }
}

TEST(DignityTable, EachColumnScoresItsOwnPointsAndMarksTheDignity) {
    // The planet's strength after the table at a dignified place, less the
    // same at a place with no dignity of its own: only the five columns
    // differ (same house, same motion, the Sun 30 degrees ahead both times).
    struct Case {
        const char* what;
        int body;
        double longitude;
        double reference;  // a place where the planet rules no column
        bool day;
        double points;
    } cases[] = {
        {"Sun in Leo by day: domicile, triplicity", Sun, 135.5, 75.5, true, 5 + 3},
        {"Sun in Leo by night: domicile", Sun, 135.5, 75.5, false, 5},
        {"Sun at 5 Aries by day: exaltation, triplicity", Sun, 5.0, 75.5, true, 4 + 3},
        {"Sun at 5 Aries by night: exaltation", Sun, 5.0, 75.5, false, 4},
        {"Moon at 10 Taurus by night: exaltation, triplicity, face", Moon, 40.0, 75.5, false, 4 + 3 + 1},
        {"Moon at 10 Taurus by day: exaltation, face", Moon, 40.0, 75.5, true, 4 + 1},
        {"Mercury at 3 Virgo: domicile, exaltation, term", Mercury, 153.0, 45.5, true, 5 + 4 + 2},
        {"Venus at 5 Pisces: exaltation, term", Venus, 335.0, 15.5, true, 4 + 2},
        {"Mars at 3 Scorpio by day: all but exaltation", Mars, 213.0, 45.5, true, 5 + 3 + 2 + 1},
        {"Mars at 3 Scorpio by night: the same", Mars, 213.0, 45.5, false, 5 + 3 + 2 + 1},
        {"Jupiter at 10 Cancer: exaltation, term", Jupiter, 100.0, 75.5, true, 4 + 2},
        {"Saturn at 3 Libra by day: exaltation, triplicity, term", Saturn, 183.0, 45.5, true, 4 + 3 + 2},
        {"Saturn at 3 Libra by night: exaltation, term", Saturn, 183.0, 45.5, false, 4 + 2},
    };
    for (const auto& c : cases) {
        auto table = [&](double longitude) {
            ChartBuilder b = QuietChart();
            b.at(c.body, longitude, MeanDailyMotion(c.body));
            if (c.body != Sun) b.at(Sun, std::fmod(longitude + 30.0, 360.0));
            b.sunAboveHorizon(c.day);
            BasicsWork w;
            WriteDignityTable(b.build(), Options{}, w);
            return w;
        };
        const BasicsWork dignified = table(c.longitude);
        const BasicsWork plain = table(c.reference);
        const auto n = static_cast<std::size_t>(c.body);
        EXPECT_EQ(dignified.strength[n] - plain.strength[n], c.points) << c.what;
        EXPECT_EQ(dignified.dignityFlags[n], 1) << c.what;
        EXPECT_EQ(plain.dignityFlags[n], 0) << c.what;
    }
}

TEST(DignityTable, RowsNameTheRulerOfEveryColumnAndTheMotion) {
    ChartBuilder b = QuietChart();
    b.at(Sun, 135.5, 1.0169).sunAboveHorizon(true);  // Leo 15 by day: 1°01' a day
    b.at(Moon, 40.5, 13.0 + 10.0 / 60).retrograde(Mars).at(Mars, 250.5, -0.5125);
    const BasicsWork w = BuildTableList(b.build(), Options{});
    ASSERT_GE(w.tableList.size(), 10u);
    EXPECT_EQ(w.tableList[0],
              "  Planet    Sign      Exlt.     Trip.     Term      Face      Speed      Rate   Strength");
    EXPECT_EQ(w.tableList[1],
              "  ------    ----      -----     -----     ----      ----      -----      ----   --------");
    EXPECT_EQ(w.tableList[2],
              "  SUN       SUN        ---      SUN       VENUS     JUPITER   FAST      1d 01m");
    EXPECT_EQ(w.tableList[3],
              "  MOON      VENUS     MOON      VENUS     MERCURY   MOON      SLOW     13d 10m");
    EXPECT_EQ(w.tableList[6],
              "  MARS      JUPITER    ---      SUN       VENUS     MOON      SLOW R    0d 31m");
}

TEST(DignityTable, RateWordsAndDailyMotionText) {
    struct Case {
        int body;
        double motion;
        const char* rate;
        const char* text;
    } cases[] = {
        {Sun, 0.9856103, "AVG.", "0d 59m"},       // exactly the mean motion
        {Venus, 1.2, "FAST", "1d 12m"},
        {Moon, 13.0 + 10.0 / 60, "SLOW", "13d 10m"},  // 13°10' is below the mean
        {Moon, 14.5, "FAST", "14d 30m"},
        {Mars, 0.00833, "stat", "0d 00m"},        // below half an arc minute
        {Mars, -0.00833333, "SLOW", "0d 00m"},    // exactly half a minute is not stationary
        {Saturn, -0.05, "FAST", "0d 03m"},        // retrograde speeds compare by size
        {Jupiter, 0.0125, "SLOW", "0d 01m"},      // 0.75 minutes round up
        {Jupiter, 0.99999, "FAST", "1d 00m"},     // 59.9994 minutes carry into the degree
        {Mercury, 1.99, "FAST", "1d 59m"},        // 59.4 minutes stay
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RateWord(c.body, c.motion), c.rate) << c.body << " " << c.motion;
        EXPECT_EQ(MotionText(c.motion), c.text) << c.motion;
    }
}

// The strength of body n in the quiet chart after the given change.
template <typename Change>
double StrengthAfter(int n, Change change, const Options& options = Options{}) {
    ChartBuilder b = QuietChart();
    change(b);
    return BuildTableList(b.build(), options).strength[n];
}

TEST(DignityTable, MotionScores) {
    auto none = [](ChartBuilder&) {};
    // Mars in Sagittarius at 1° a day: FAST +2, direct +4, oriental of the Sun
    // (the Sun 245° ahead is more than 180: occidental, -2), house 1 +5,
    // peregrine -5, free of the Sun +5.
    EXPECT_EQ(StrengthAfter(Mars, none), 9);
    // Retrograde: -5 in place of the +4.
    EXPECT_EQ(StrengthAfter(Mars, [](ChartBuilder& b) { b.retrograde(Mars); }), 0);
    // Slow and stationary: -2 in place of +2.
    EXPECT_EQ(StrengthAfter(Mars, [](ChartBuilder& b) { b.at(Mars, 250.5, 0.3); }), 5);
    EXPECT_EQ(StrengthAfter(Mars, [](ChartBuilder& b) { b.at(Mars, 250.5, 0.0); }), 5);
    // The Sun and the Moon never get the +4 for direct motion.
    const double sunDirect = StrengthAfter(Sun, none);
    EXPECT_EQ(StrengthAfter(Sun, [](ChartBuilder& b) { b.retrograde(Sun); }), sunDirect - 5);
    const double moonDirect = StrengthAfter(Moon, none);
    EXPECT_EQ(StrengthAfter(Moon, [](ChartBuilder& b) { b.retrograde(Moon); }), moonDirect - 5);
}

TEST(DignityTable, OrientalityByPlanet) {
    // The planet at 100°; the Sun 50° ahead (oriental), 50° behind
    // (occidental) or exactly opposite (oriental).
    struct Case {
        int body;
        int oriental;
        int occidental;
    } cases[] = {
        {Mercury, -2, 2}, {Venus, -2, 2}, {Mars, 2, -2}, {Jupiter, 2, -2}, {Saturn, 2, -2}, {Moon, -2, 2},
    };
    for (const auto& c : cases) {
        auto withSun = [&](double sun) {
            return StrengthAfter(c.body, [&](ChartBuilder& b) { b.at(c.body, 100.0).at(Sun, sun); });
        };
        const double ahead = withSun(150.0);
        const double behind = withSun(50.0);
        const double opposite = withSun(280.0);
        EXPECT_EQ(behind - ahead, c.occidental - c.oriental) << c.body;
        EXPECT_EQ(opposite, ahead) << c.body;
    }
}

TEST(DignityTable, FiveDegreeRuleMovesABodyIntoTheNextHouse) {
    struct Case {
        float option46;
        double longitude;
        int house;
        int expected;
    } cases[] = {
        {1, 355.5, 12, 1},   // 4°30' before the Ascendant
        {0, 355.5, 12, 12},
        {1, 355.0, 12, 1},   // exactly 5 degrees
        {1, 354.99, 12, 12},
        {1, 27.0, 1, 2},
        {1, 20.0, 1, 1},
        {2, 27.0, 1, 2},     // any non-zero value switches it on
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        b.at(Mars, c.longitude).house(Mars, c.house);
        EXPECT_EQ(HouseWithFiveDegreeRule(b.build(), Mars, c.option46 != 0), c.expected) << c.longitude;
    }
    // The 12th house scores -5, the 1st +5.
    Options on;
    on.Set(46, 1);
    auto mars12 = [](ChartBuilder& b) { b.at(Mars, 355.5).house(Mars, 12); };
    EXPECT_EQ(StrengthAfter(Mars, mars12, on) - StrengthAfter(Mars, mars12), 10);
}

TEST(DignityTable, HousePointsOfPlanetsAndOfTheFortune) {
    const int planet[13] = {0, 5, 3, 1, 4, 3, -2, 4, -2, 2, 5, 4, -5};
    const int fortune[13] = {0, 5, 3, 1, 4, 3, -4, 4, -4, 2, 5, 4, -5};
    for (int h = 1; h <= 12; ++h) {
        EXPECT_EQ(HousePoints(h, false), planet[h]) << h;
        EXPECT_EQ(HousePoints(h, true), fortune[h]) << h;
    }
}

TEST(DignityTable, FortuneRowCarriesItsOwnStrength) {
    struct Case {
        const char* what;
        void (*change)(ChartBuilder&);
        double strength;
    } cases[] = {
        // Virgo 15 (165.5): Virgo from 157 up to 168 +2, house 1 +5, the Sun 30° away +5.
        {"quiet", [](ChartBuilder&) {}, 12},
        {"Taurus", [](ChartBuilder& b) { b.at(Fortune, 45.5); }, 15},
        {"Aries, Mars's term", [](ChartBuilder& b) { b.at(Fortune, 22.5); }, 3},
        {"Virgo 7", [](ChartBuilder& b) { b.at(Fortune, 157.0).at(Mars, 300.5); }, 12},
        {"Virgo 18: Saturn's term", [](ChartBuilder& b) { b.at(Fortune, 168.0); }, 8},
        {"6th house", [](ChartBuilder& b) { b.house(Fortune, 6); }, 3},
        {"Sun 8 degrees", [](ChartBuilder& b) { b.at(Sun, 157.5); }, 2},
        {"Sun 17 degrees", [](ChartBuilder& b) { b.at(Sun, 148.5); }, 7},
        {"Venus trine", [](ChartBuilder& b) { b.at(Venus, 285.5); }, 16},
        {"Jupiter conjunct", [](ChartBuilder& b) { b.at(Jupiter, 171.5); }, 17},
        {"Mars square", [](ChartBuilder& b) { b.at(Mars, 255.5); }, 9},
        {"Saturn opposite", [](ChartBuilder& b) { b.at(Saturn, 345.5); }, 8},
        {"North Node", [](ChartBuilder& b) { b.at(NorthNode, 166.5); }, 15},
        {"South Node", [](ChartBuilder& b) { b.at(SouthNode, 164.5); }, 9},
        {"Regulus", [](ChartBuilder& b) { b.at(Fortune, 149.0).at(Sun, 100.5); }, 18},
        {"Spica", [](ChartBuilder& b) { b.at(Fortune, 204.5).at(Sun, 100.5); }, 17},
        // The bounds of the distance rules are included.
        {"Sun 0.2 degrees: neither afflicted nor free", [](ChartBuilder& b) { b.at(Sun, 165.3); }, 7},
        {"Sun 0.3 degrees", [](ChartBuilder& b) { b.at(Sun, 165.8); }, 2},
        {"on Algol (orb 0)", [](ChartBuilder& b) { b.at(Fortune, 56.03); }, 9},
        {"just past Algol", [](ChartBuilder& b) { b.at(Fortune, 56.04); }, 13},
        {"Mars square at 86.25", [](ChartBuilder& b) { b.at(Mars, 79.25); }, 9},
        {"Mars at 86.24", [](ChartBuilder& b) { b.at(Mars, 79.26); }, 12},
        {"Saturn opposite at 185", [](ChartBuilder& b) { b.at(Saturn, 350.5); }, 8},
        {"Saturn at 185.01", [](ChartBuilder& b) { b.at(Saturn, 350.51); }, 12},
        {"Jupiter trine at 126", [](ChartBuilder& b) { b.at(Jupiter, 291.5); }, 16},
        {"Jupiter at 126.01", [](ChartBuilder& b) { b.at(Jupiter, 291.51); }, 12},
        // The distances are plain differences: the Sun at 359 and the Part at 1 are 358 apart.
        {"across 0 Aries", [](ChartBuilder& b) { b.at(Fortune, 1.0).at(Sun, 359.0); }, 5},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        c.change(b);
        const BasicsWork w = BuildTableList(b.build(), Options{});
        EXPECT_EQ(w.fortuneStrength, c.strength) << c.what;
        const std::string row = w.tableList[9];
        ASSERT_EQ(row.rfind("  PART F.   ", 0), 0u) << row;
        const std::string value = FormatNumber(c.strength, "##0");
        EXPECT_EQ(row.substr(62), std::string(19, ' ') + RightAlign4(c.strength, value)) << c.what;
    }
}

TEST(PartileAspects, SameWholeDegreeWithinTheSummedOrbs) {
    struct Case {
        const char* what;
        int i;
        double li;
        int j;
        double lj;
        double toI;
        double toJ;
    } cases[] = {
        {"sextile 10°20' Gemini / 10°50' Leo", Venus, 70.0 + 20.0 / 60, Mercury, 130.0 + 50.0 / 60, 0, 3},
        {"10°50' Gemini / 11°05' Leo", Venus, 70.0 + 50.0 / 60, Mercury, 131.0 + 5.0 / 60, 0, 0},
        {"Mars squares Jupiter", Mars, 10.2, Jupiter, 100.9, 0, -3},
        {"Jupiter trine Saturn", Jupiter, 15.1, Saturn, 135.8, -0, 4},
        {"Saturn opposite Moon", Saturn, 15.1, Moon, 195.8, 0, -4},
        {"Venus conjunct Mars", Venus, 15.1, Mars, 15.8, -5, 5},
        {"North Node conjunct Sun", NorthNode, 20.1, Sun, 20.9, 0, 4},
        {"South Node conjunct Moon", SouthNode, 20.1, Moon, 20.9, 0, -4},
        {"beyond the orbs", Venus, 15.1, Mercury, 77.5, 0, 0},
        {"a node forms no sextile", NorthNode, 20.1, Jupiter, 80.5, 0, 0},
    };
    Options orbs;
    for (int line = 34; line <= 43; ++line) orbs.Set(line, 1.0f);
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        // Keep the other bodies well away.
        for (int n = 1; n <= 15; ++n) b.at(n, 200.0 + 10.5 * n);
        b.at(c.i, c.li).at(c.j, c.lj);
        BasicsWork w;
        ScorePartileAspects(b.build(), orbs, w);
        EXPECT_EQ(w.strength[c.i], c.toI) << c.what;
        EXPECT_EQ(w.strength[c.j], c.toJ) << c.what;
    }
}

TEST(StrengthTable, RowsAndSummaryShowTheSameFinalStrengths) {
    BasicsWork w;
    w.tableList.assign(10, "  row");
    const double values[16] = {0, 5, 100, -100, 0, 7, -3, 0, 0, 0, -12, 0, 0, 0, 0, 0};
    for (int n = 0; n < 16; ++n) w.strength[n] = values[n];
    WriteStrengthSummary(w);
    const auto printed = PrintedTableList(w);
    EXPECT_EQ(printed[0], "  row");
    EXPECT_EQ(printed[1], "  row");
    EXPECT_EQ(printed[2], "  row      5");     // Sun: six blanks, then 5
    EXPECT_EQ(printed[3], "  row    -12");     // Moon: four blanks, then -12
    EXPECT_EQ(printed[4], "  row    100");     // Mercury
    EXPECT_EQ(printed[5], "  row   -100");     // Venus
    EXPECT_EQ(printed[6], "  row      0");     // Mars
    EXPECT_EQ(printed[7], "  row      7");     // Jupiter
    EXPECT_EQ(printed[8], "  row     -3");     // Saturn
    EXPECT_EQ(printed[9], "  row");            // the Part of Fortune row is already finished
    EXPECT_EQ(printed[10], "  Planets' Strengths:");
    EXPECT_EQ(printed[11],
              "  SUN:  5  MERCURY:  100  VENUS: -100  MARS:  0  JUPITER:  7  SATURN: -3  MOON: -12  ");
}

}  // namespace
}  // namespace quaeryn::basics
