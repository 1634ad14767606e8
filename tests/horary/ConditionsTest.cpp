#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "horary/BasicsJudgement.h"
#include "horary/BasicsTestSupport.h"

namespace quaeryn::basics {
namespace {

using namespace body;
using test::ChartBuilder;
using test::HasLineStarting;
using test::LineStarting;
using test::QuietChart;

// The conditions alone, every planet already dignified (so nobody is peregrine).
BasicsWork Conditions(const ChartState& chart, const Options& options = Options{}) {
    BasicsWork w;
    w.dignityFlags.fill(1);
    WriteConditions(chart, options, w);
    return w;
}

double StrengthOf(const BasicsWork& w, int n) { return w.strength[n]; }

TEST(Conditions, PeregrineDetrimentAndFallAreAlwaysWritten) {
    const BasicsWork quiet = Conditions(QuietChart().build());
    ASSERT_GE(quiet.tableList.size(), 4u);
    EXPECT_EQ(quiet.tableList[0], "");
    EXPECT_EQ(quiet.tableList[1], "  Peregrine - ");
    EXPECT_EQ(quiet.tableList[2], "  Detriment - ");
    EXPECT_EQ(quiet.tableList[3], "  Fall - ");
    // The optional sections do not appear without an entry.
    for (const char* heading : {"  Mutual", "  Mixed", "  Via", "  Cazimi", "  Combust", "  Under",
                                "  Fateful", "  House", "  Besieged"})
        EXPECT_FALSE(HasLineStarting(quiet.tableList, heading)) << heading;

    ChartBuilder b = QuietChart();
    b.at(Sun, 310.5).at(Moon, 280.5).at(Venus, 20.5).at(Saturn, 10.5).at(Mercury, 345.5);
    BasicsWork w;
    w.dignityFlags.fill(1);
    w.dignityFlags[Mars] = 0;
    w.dignityFlags[Moon] = 0;
    WriteConditions(b.build(), Options{}, w);
    EXPECT_EQ(w.tableList[1], "  Peregrine - MARS MOON ");
    EXPECT_EQ(w.tableList[2], "  Detriment - SUN MOON MERCURY VENUS ");
    EXPECT_EQ(w.tableList[3], "  Fall - MERCURY SATURN ");
    // Mercury in Pisces is in both its detriment and its fall.
    EXPECT_EQ(StrengthOf(w, Mercury), -5 - 4 + 5);  // and more than 17 degrees from the Sun
}

TEST(Conditions, DetrimentAndFallRangesIncludeTheirLowerBoundOnly) {
    struct Case {
        int body;
        double longitude;
        bool detriment;
        bool fall;
    } cases[] = {
        {Sun, 300.0, true, false},     {Sun, 329.99, true, false},   {Sun, 330.0, false, false},
        {Sun, 299.99, false, false},   {Sun, 180.0, false, true},    {Sun, 210.0, false, false},
        {Moon, 270.0, true, false},    {Moon, 300.0, false, false},  {Moon, 210.0, false, true},
        {Moon, 239.99, false, true},   {Moon, 240.0, false, false},  {Mercury, 240.0, true, false},
        {Mercury, 270.0, false, false}, {Mercury, 330.0, true, true}, {Mercury, 359.99, true, true},
        {Mercury, 0.0, false, false},  {Venus, 0.0, true, false},    {Venus, 30.0, false, false},
        {Venus, 210.0, true, false},   {Venus, 240.0, false, false}, {Venus, 150.0, false, true},
        {Venus, 180.0, false, false},  {Mars, 30.0, true, false},    {Mars, 60.0, false, false},
        {Mars, 180.0, true, false},    {Mars, 209.99, true, false},  {Mars, 90.0, false, true},
        {Mars, 120.0, false, false},   {Jupiter, 60.0, true, false}, {Jupiter, 90.0, false, false},
        {Jupiter, 150.0, true, false}, {Jupiter, 180.0, false, false}, {Jupiter, 270.0, false, true},
        {Jupiter, 300.0, false, false}, {Saturn, 90.0, true, false},  {Saturn, 149.99, true, false},
        {Saturn, 150.0, false, false}, {Saturn, 0.0, false, true},   {Saturn, 30.0, false, false},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        b.at(c.body, c.longitude);
        // The Sun more than 17 degrees away, and no scoring star near the planet.
        if (c.body != Sun) b.at(Sun, std::fabs(c.longitude - 135.5) > 17 ? 135.5 : 60.5);
        b.chart().PrecessionSince1990 = -5.0;
        const BasicsWork w = Conditions(b.build());
        const std::string name = std::string(BodyShortName(c.body)) + " ";
        EXPECT_EQ(w.tableList[2], c.detriment ? "  Detriment - " + name : "  Detriment - ")
            << c.body << " at " << c.longitude;
        EXPECT_EQ(w.tableList[3], c.fall ? "  Fall - " + name : "  Fall - ") << c.body << " at " << c.longitude;
        const double free = c.body == Sun ? 0 : 5;  // more than 17 degrees from the Sun
        EXPECT_EQ(StrengthOf(w, c.body), free - (c.detriment ? 5 : 0) - (c.fall ? 4 : 0))
            << c.body << " at " << c.longitude;
    }
}

TEST(Conditions, Receptions) {
    struct Case {
        const char* what;
        void (*change)(ChartBuilder&);
        std::vector<std::string> lines;  // the reception lines, in order
    } cases[] = {
        {"Mars in Cancer, the Moon in Aries", [](ChartBuilder& b) { b.at(Mars, 100.5).at(Moon, 10.5); },
         {"  Mutual Reception (by sign) - MARS-MOON   "}},
        {"the Sun in Cancer, the Moon in Leo", [](ChartBuilder& b) { b.at(Sun, 100.5).at(Moon, 130.5); },
         {"  Mutual Reception (by sign) - SUN-MOON   "}},
        {"the Sun in Capricorn, Mars in Aries", [](ChartBuilder& b) { b.at(Sun, 280.5).at(Mars, 10.5); },
         {"  Mutual Reception (by exaltation) - SUN-MARS   "}},
        {"Venus in Capricorn, Mars in Taurus", [](ChartBuilder& b) { b.at(Venus, 280.5).at(Mars, 45.5); },
         {"  Mixed Reception (sign/exaltation) - VENUS-MARS   "}},
        {"Mercury in Cancer, Jupiter in Virgo",
         [](ChartBuilder& b) { b.at(Mercury, 100.5).at(Jupiter, 160.5); },
         {"  Mutual Reception (by exaltation) - MERCURY-JUPITER   ",
          "  Mixed Reception (sign/exaltation) - MERCURY-JUPITER   "}},
        {"Venus in Aquarius, Uranus in Taurus", [](ChartBuilder& b) { b.at(Venus, 320.5).at(Uranus, 45.5); },
         {"  Mutual Reception (by sign) - VENUS-URANUS   "}},
        {"traditional and modern rulers on two lines",
         [](ChartBuilder& b) { b.at(Sun, 100.5).at(Moon, 130.5).at(Mars, 220.5).at(Pluto, 20.5); },
         {"  Mutual Reception (by sign) - SUN-MOON   ",
          "  Mutual Reception (by sign) - MARS-PLUTO   "}},
        {"Mercury in Virgo receives nobody", [](ChartBuilder& b) { b.at(Mercury, 170.5); }, {}},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        c.change(b);
        const BasicsWork w = Conditions(b.build());
        std::vector<std::string> lines;
        for (const auto& l : w.tableList)
            if (l.find("Reception") != std::string::npos) lines.push_back(l);
        EXPECT_EQ(lines, c.lines) << c.what;
    }
}

TEST(Conditions, ReceptionPoints) {
    ChartBuilder b = QuietChart();
    b.at(Mars, 100.5).at(Moon, 10.5);  // by sign: +5 each
    const BasicsWork bySign = Conditions(b.build());
    EXPECT_EQ(StrengthOf(bySign, Mars), 5 - 4 + 5);  // reception, fall in Cancer, far from the Sun
    EXPECT_EQ(StrengthOf(bySign, Moon), 5 + 5);

    ChartBuilder e = QuietChart();
    e.at(Sun, 280.5).at(Mars, 10.5);  // by exaltation: +4 each
    const BasicsWork byExaltation = Conditions(e.build());
    EXPECT_EQ(StrengthOf(byExaltation, Sun), 4);
    EXPECT_EQ(StrengthOf(byExaltation, Mars), 4 + 5);

    ChartBuilder m = QuietChart();
    m.at(Venus, 280.5).at(Mars, 45.5);  // mixed and modern receptions score nothing
    const BasicsWork mixed = Conditions(m.build());
    EXPECT_EQ(StrengthOf(mixed, Venus), 5);
    EXPECT_EQ(StrengthOf(mixed, Mars), 5 - 5);  // detriment in Taurus
}

TEST(Conditions, CazimiCombustAndTheSunsBeams) {
    struct Case {
        const char* what;
        double sun;
        int body;
        double longitude;
        float orb;         // option 32
        float acrossSigns;  // option 197
        const char* line;  // "" when none of the three sections appears
        double strength;
    } cases[] = {
        {"10 minutes", 80.0, Venus, 80.0 + 10.0 / 60, 8.5f, 0, "  Cazimi - VENUS ", 5},
        {"0.28 degrees", 80.0, Venus, 80.28, 8.5f, 0, "  Cazimi - VENUS ", 5},
        {"0.29 degrees", 80.0, Venus, 80.29, 8.5f, 0, "  Combust - VENUS ", -5},
        {"1 degree", 80.0, Venus, 81.0, 8.5f, 0, "  Combust - VENUS ", -5},
        {"8 degrees, orb 8.5", 80.0, Venus, 72.0, 8.5f, 0, "  Combust - VENUS ", -5},
        {"8 degrees, orb 5", 80.0, Venus, 72.0, 5.0f, 0, "  Under Sun's Beam - VENUS ", -4},
        {"12 degrees", 80.0, Venus, 68.0, 8.5f, 0, "  Under Sun's Beam - VENUS ", -4},
        {"17 degrees", 80.0, Venus, 63.0, 8.5f, 0, "  Under Sun's Beam - VENUS ", -4},
        {"20 degrees", 80.0, Venus, 60.0, 8.5f, 0, "", 5},
        {"3 degrees, next sign", 58.0, Venus, 61.0, 8.5f, 0, "", 0},
        {"3 degrees, next sign, beams across", 58.0, Venus, 61.0, 8.5f, 1, "  Under Sun's Beam - VENUS ", -4},
        {"10 degrees, next sign", 58.0, Venus, 68.0, 8.5f, 0, "", 0},
        {"10 degrees, next sign, beams across", 58.0, Venus, 68.0, 8.5f, 1, "  Under Sun's Beam - VENUS ", -4},
        // Plain differences: the Sun at 359 and Mercury at 1 are 358 apart.
        {"Sun 359, Mercury 1", 359.0, Mercury, 1.0, 8.5f, 0, "", 5},
        {"Sun 359, Mercury 1, beams across", 359.0, Mercury, 1.0, 8.5f, 1, "", 5},
        {"the Moon combust", 200.0, Moon, 206.0, 8.5f, 0, "  Combust - MOON ", -5},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        b.at(Sun, c.sun).at(c.body, c.longitude);
        Options o;
        o.Set(32, c.orb);
        o.Set(197, c.acrossSigns);
        const BasicsWork w = Conditions(b.build(), o);
        std::vector<std::string> found;
        for (const char* heading : {"  Cazimi - ", "  Combust - ", "  Under Sun's Beam - "}) {
            const std::string l = LineStarting(w.tableList, heading);
            if (!l.empty()) found.push_back(l);
        }
        const std::vector<std::string> expected =
            *c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{};
        EXPECT_EQ(found, expected) << c.what;
        EXPECT_EQ(StrengthOf(w, c.body), c.strength) << c.what;
    }
}

TEST(Conditions, BesiegedOnlyBetweenMarsAndSaturnInOneSign) {
    struct Case {
        double mars, saturn, moon, fortune;
        const char* line;
    } cases[] = {
        {10.5, 20.5, 15.5, 165.5, "  Besieged Planets - MOON "},
        {20.5, 10.5, 15.5, 12.0, "  Besieged Planets - MOON PART F. "},
        {10.5, 20.5, 10.5, 165.5, "  Besieged Planets - MOON "},  // bounds included
        {10.5, 35.5, 15.5, 165.5, ""},                               // Saturn in the next sign
        {10.5, 20.5, 25.5, 165.5, ""},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        b.at(Mars, c.mars).at(Saturn, c.saturn).at(Moon, c.moon).at(Fortune, c.fortune);
        const BasicsWork w = Conditions(b.build());
        EXPECT_EQ(LineStarting(w.tableList, "  Besieged"), c.line) << c.moon;
    }
    ChartBuilder in = QuietChart();
    in.at(Mars, 10.5).at(Saturn, 20.5).at(Moon, 15.5);
    ChartBuilder out = QuietChart();
    out.at(Mars, 10.5).at(Saturn, 35.5).at(Moon, 15.5);
    EXPECT_EQ(StrengthOf(Conditions(in.build()), Moon) - StrengthOf(Conditions(out.build()), Moon), -5);
}

TEST(Conditions, ViaCombustaFatefulDegreeAndHousesOfJoy) {
    ChartBuilder b = QuietChart();
    b.at(Mars, 200.0).at(Moon, 224.9);
    b.at(Venus, 37.9).at(Fortune, 67.2).at(Ascendant, 7.0);  // the North Node's 7th degree
    b.at(Mercury, 15.0).at(Saturn, 327.0);
    const BasicsWork off = Conditions(b.build());
    EXPECT_EQ(LineStarting(off.tableList, "  Via"), "  Via Combusta - MARS MOON ");
    // The South Node in the same degree is not listed.
    EXPECT_EQ(LineStarting(off.tableList, "  Fateful"), "  Fateful Degree - VENUS PART F. ASC ");
    EXPECT_EQ(LineStarting(off.tableList, "  House"), "  House of Joy - MERCURY ");

    // With the five-degree rule Saturn 3 degrees before the 12th cusp is in
    // the 12th; Mercury at 27 Aries has moved on to the 2nd.
    Options rule;
    rule.Set(46, 1);
    b.at(Mercury, 27.0);
    EXPECT_EQ(LineStarting(Conditions(b.build(), rule).tableList, "  House"), "  House of Joy - SATURN ");
    b.at(Mercury, 357.0);
    EXPECT_EQ(LineStarting(Conditions(b.build(), rule).tableList, "  House"),
              "  House of Joy - MERCURY SATURN ");
}

TEST(FixedStars, LinesWrapAfterTheFourthSeventhEleventhFifteenthAndNineteenthHit) {
    ChartBuilder b = QuietChart();
    for (const int n : {Sun, Mercury, Venus, Mars, Jupiter, Saturn}) b.at(n, 81.6);
    b.at(Ascendant, 10.0);
    const BasicsWork w = Conditions(b.build());
    std::vector<std::string> stars;
    bool in = false;
    for (const auto& l : w.tableList) {
        if (l.rfind("  Fixed Stars - ", 0) == 0) in = true;
        if (in) stars.push_back(l);
    }
    const std::string pad(16, ' ');
    const std::vector<std::string> expected = {
        "  Fixed Stars - SUN - Bellatrix   SUN - Capella   SUN - Phact   SUN - El Nath   ",
        pad + "MERCURY - Bellatrix   MERCURY - Capella   MERCURY - Phact   ",
        pad + "MERCURY - El Nath   VENUS - Bellatrix   VENUS - Capella   VENUS - Phact   ",
        pad + "VENUS - El Nath   MARS - Bellatrix   MARS - Capella   MARS - Phact   ",
        pad + "MARS - El Nath   JUPITER - Bellatrix   JUPITER - Capella   JUPITER - Phact   ",
        pad + "JUPITER - El Nath   SATURN - Bellatrix   SATURN - Capella   SATURN - Phact   "
              "SATURN - El Nath   ",
    };
    EXPECT_EQ(stars, expected);
}

TEST(FixedStars, WindowsPrecessionAndPoints) {
    struct Case {
        const char* what;
        double precession;
        double longitude;
        float algolOrb;
        const char* star;  // expected in the line; "" for no hit at all
        double points;
    } cases[] = {
        {"Regulus, lower bound", 0, 148.7, 0, " - Regulus   ", 6},
        {"Regulus, inside the upper bound", 0, 150.69, 0, " - Regulus   ", 6},
        {"past Regulus", 0, 150.71, 0, "", 0},
        {"Spica", 0, 203.5, 0, " - Spica   ", 5},
        {"Spica with precession", 1.0, 205.5, 0, " - Spica   ", 5},
        {"Algol within its orb", 0, 54.6, 1.5f, " - Algol   ", -5},
        {"beyond Algol's orb", 0, 54.5, 1.5f, "", 0},
        {"Scheat before 0 Aries", 0, 359.0, 0, " - Scheat   ", 0},
        {"Scheat after 0 Aries", 0, 0.2, 0, " - Scheat   ", 0},
        {"past Scheat", 0, 0.3, 0, "", 0},
        {"Scheat precessed past 0 Aries", 0.5, 0.7, 0, " - Scheat   ", 0},
        {"before Scheat precessed", 0.5, 358.7, 0, "", 0},
        // Early years: the precession carries a window below 0 Aries.
        {"Alpheratz in an early year", -20.0, 353.4, 0, " - Alpheratz   ", 0},
    };
    for (const auto& c : cases) {
        auto run = [&](double precession) {
            ChartBuilder b = QuietChart();
            b.at(Moon, c.longitude).at(Sun, std::fmod(c.longitude + 100.0, 360.0)).at(Ascendant, 10.0);
            b.chart().PrecessionSince1990 = precession;
            Options o;
            o.Set(44, c.algolOrb);
            return Conditions(b.build(), o);
        };
        const BasicsWork hit = run(c.precession);
        std::string line;  // every fixed-star line, joined
        bool in = false;
        for (const auto& l : hit.tableList) {
            if (l.rfind("  Fixed Stars - ", 0) == 0) in = true;
            if (in) line += l;
        }
        if (*c.star) {
            EXPECT_NE(line.find(std::string("MOON") + c.star), std::string::npos) << c.what << ": " << line;
        } else {
            EXPECT_EQ(line.find("MOON"), std::string::npos) << c.what << ": " << line;
        }
        // Ten degrees more precession moves every window away from the Moon.
        EXPECT_EQ(StrengthOf(hit, Moon) - StrengthOf(run(c.precession + 10.0), Moon), c.points) << c.what;
    }
}

}  // namespace
}  // namespace quaeryn::basics
