#include <gtest/gtest.h>

#include <string>

#include "astro/BodyContacts.h"
#include "base/Vocabulary.h"

namespace quaeryn {
namespace {

// A name as the vocabulary holds it: padded to twelve characters.
std::string PadName(const char* name) {
    std::string s = name;
    s.resize(12, ' ');
    return s;
}

TEST(AspectKinds, EveryAspectOfTheVocabularyWithItsAngleAndOrbLine) {
    struct Row {
        const char* name;
        int angle, orbLine;
        bool minor;
    } rows[] = {
        {"Conjunct", 0, 1, false},      {"Sextile", 60, 2, false},     {"Square", 90, 3, false},
        {"Trine", 120, 4, false},       {"Opposite", 180, 5, false},   {"PARALLEL", 0, 6, false},
        {"S.Sextile", 30, 7, false},    {"S.Square", 45, 8, false},    {"Ses.Square", 135, 9, false},
        {"Quincunx", 150, 10, false},   {"S.Quintile", 36, 11, true},  {"Nonagen", 40, 12, true},
        {"Quintile", 72, 13, true},     {"Trecile", 108, 14, true},    {"BiQuintile", 144, 15, true},
    };
    ASSERT_EQ(AspectKinds().size(), std::size(rows));
    for (int n = aspect::Conjunction; n <= aspect::BiQuintile; ++n) {
        const Row& row = rows[n - aspect::Conjunction];
        const AspectKind* kind = FindAspectKind(n);
        ASSERT_NE(kind, nullptr) << n;
        EXPECT_EQ(kind->number, n);
        EXPECT_EQ(std::string(AspectName12(n)), PadName(row.name)) << n;
        EXPECT_EQ(kind->angle, row.angle) << row.name;
        EXPECT_EQ(kind->orbLine, row.orbLine) << row.name;
        EXPECT_EQ(kind->minor, row.minor) << row.name;
        EXPECT_EQ(kind->declination, n == aspect::Parallel) << row.name;
    }
    EXPECT_EQ(FindAspectKind(aspect::None), nullptr);
    EXPECT_EQ(FindAspectKind(17), nullptr);
    EXPECT_EQ(std::string(AspectName12(aspect::None)), std::string(12, ' '));
}

TEST(Separation, TheShorterArcAcrossZeroAries) {
    EXPECT_DOUBLE_EQ(Separation(10, 75), 65);
    EXPECT_DOUBLE_EQ(Separation(350, 10), 20);
    EXPECT_DOUBLE_EQ(Separation(0, 180), 180);
    EXPECT_DOUBLE_EQ(Separation(300, 90), 150);
}

TEST(FindAspectBetween, FindsTheFirstMajorAspectWithinTheSummedOrb) {
    struct Case {
        double a, b, orb;
        bool node;
        int code;
        double difference, rounded;
        const char* why;
    } cases[] = {
        {10, 75, 10, false, aspect::Sextile, 5, 5.0, "sextile, separation above 60"},
        {75, 10, 10, false, aspect::Sextile, 5, 5.0, "order of the bodies does not matter"},
        {0, 70, 10, false, aspect::None, 0, 0, "the window excludes 60 + orb itself"},
        {0, 50.0001, 10, false, aspect::Sextile, -9.9999, 10.0, "just inside 60 - orb"},
        {0, 75, 20, false, aspect::Sextile, 15, 15.0, "sextile is tried before square"},
        {0, 84, 20, false, aspect::Square, -6, 6.0, "past the sextile's window: square"},
        {0, 118.94, 5, false, aspect::Trine, -1.06, 1.1, "trine below exact"},
        {0, 175, 10, false, aspect::Opposition, -5, 5.0, "opposition"},
        {350, 10, 25, false, aspect::Conjunction, 20, 20.0, "separation across 0 Aries"},
        {355, 5, 12, false, aspect::Conjunction, 10, 10.0, "conjunction across 0 Aries"},
        {0, 60, 10, true, aspect::None, 0, 0, "a node makes only conjunctions"},
        {0, 5, 10, true, aspect::Conjunction, 5, 5.0, "a node's conjunction"},
        {0, 180, 0, false, aspect::None, 0, 0, "no orb, no aspect"},
        {0, 61.06, 5, false, aspect::Sextile, 1.06, 1.1, "rounded to the tenth above"},
        {0, 61.04, 5, false, aspect::Sextile, 1.04, 1.0, "rounded to the tenth below"},
    };
    for (const auto& c : cases) {
        const AspectFound f = FindAspectBetween(c.a, c.b, c.orb, c.node);
        EXPECT_EQ(f.code, c.code) << c.why;
        if (c.code == aspect::None) continue;
        EXPECT_NEAR(f.difference, c.difference, 1e-9) << c.why;
        EXPECT_DOUBLE_EQ(f.roundedOrb, c.rounded) << c.why;
    }
}

TEST(BodyOrb, EachBodysOrbFromItsOptionLine) {
    Options options;
    for (int line = 34; line <= 43; ++line) options.Set(line, static_cast<float>(line));
    const int lineOf[16] = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35, 0, 0, 0, 0, 0};
    for (int n = 0; n <= 15; ++n) EXPECT_DOUBLE_EQ(BodyOrb(options, n), lineOf[n]) << n;
    EXPECT_DOUBLE_EQ(BodyOrb(options, 16), 0);
}

// The grid's orbs: conjunction 8, sextile 6, square 7, trine 8, opposition
// 8, parallel 1, semi-sextile 2, semi-square 2, sesquisquare 2, quincunx 3,
// the minor ones 1.5 each.
Options GridOptions(float minorSwitch) {
    Options o;
    const float orbs[] = {8, 6, 7, 8, 8, 1, 2, 2, 2, 3, 1.5f, 1.5f, 1.5f, 1.5f, 1.5f};
    for (int line = 1; line <= 15; ++line) o.Set(line, orbs[line - 1]);
    o.Set(16, minorSwitch);
    return o;
}

TEST(FindAspectByOptionOrbs, ClosedWindowsALaterMatchWinsAndTheConjunctionLast) {
    struct Case {
        float separation;
        float minorSwitch;
        int expected;
        const char* why;
    } cases[] = {
        {120, 0, aspect::Trine, "exact trine"},
        {128, 0, aspect::Trine, "the window includes angle + orb"},
        {128.01f, 0, aspect::None, "just outside"},
        {2, 0, aspect::Conjunction, "within the conjunction's orb"},
        {8, 0, aspect::Conjunction, "the conjunction's bound is included"},
        {172, 0, aspect::Opposition, "180 - orb"},
        {180, 0, aspect::Opposition, "exact opposition"},
        {29, 0, aspect::SemiSextile, "the semi-sextile replaces nothing"},
        {55, 0, aspect::Sextile, "inside the sextile's window (54 to 66)"},
        {50, 0, aspect::None, "between the semi-square's window and the sextile's"},
        {47, 0, aspect::SemiSquare, "semi-square"},
        {147.5f, 0, aspect::Quincunx, "quincunx"},
        {137, 0, aspect::Sesquisquare, "sesquisquare over nothing"},
        {72, 0, aspect::None, "quintile left out while the switch is off"},
        {72, 1, aspect::Quintile, "quintile with the switch on"},
        {72, 2, aspect::None, "only exactly 1 switches them on"},
        {36, 1, aspect::SemiQuintile, "semi-quintile"},
        {40, 1, aspect::Nonagen, "nonagen"},
        {108, 1, aspect::Trecile, "trecile"},
        {144, 1, aspect::BiQuintile, "bi-quintile"},
        {114, 1, aspect::Trine, "the trine's window (112 to 128)"},
        {66, 0, aspect::Sextile, "sextile's upper bound"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindAspectByOptionOrbs(c.separation, GridOptions(c.minorSwitch)), c.expected) << c.why;

    // With a semi-sextile orb of 2 and a conjunction orb of 10, a distance of
    // 29 shows the semi-sextile and a distance of 9 the conjunction.
    Options o = GridOptions(0);
    o.Set(1, 10);
    EXPECT_EQ(FindAspectByOptionOrbs(29, o), aspect::SemiSextile);
    EXPECT_EQ(FindAspectByOptionOrbs(9, o), aspect::Conjunction);
    // Where windows overlap, the one tried later wins: the trecile after the
    // trine, the conjunction after everything.
    Options wideTrine = GridOptions(1);
    wideTrine.Set(4, 13);
    EXPECT_EQ(FindAspectByOptionOrbs(109, wideTrine), aspect::Trecile);
    EXPECT_EQ(FindAspectByOptionOrbs(111, wideTrine), aspect::Trine);
    o.Set(1, 31);
    EXPECT_EQ(FindAspectByOptionOrbs(30, o), aspect::Conjunction);
    EXPECT_TRUE(MinorAspectsOn(GridOptions(1)));
    EXPECT_FALSE(MinorAspectsOn(GridOptions(0.5f)));
}

TEST(FindParallel, SizesWithinTheOrbOnTheSameOrOppositeSides) {
    const Options o = GridOptions(0);  // parallel orb 1
    EXPECT_EQ(FindParallel(10, -10.5, o), DeclinationAspect::ContraParallel);
    EXPECT_EQ(FindParallel(10, 12, o), DeclinationAspect::None);
    EXPECT_EQ(FindParallel(-20, -19, o), DeclinationAspect::Parallel);
    EXPECT_EQ(FindParallel(0, 0.5, o), DeclinationAspect::Parallel);  // 0 counts as north
    EXPECT_EQ(FindParallel(0, -0.5, o), DeclinationAspect::ContraParallel);
}

}  // namespace
}  // namespace quaeryn
