// The shipped almuten tables (written by scripts/make-almuten-tables) and
// their loading: degrees scored by hand, the whole tables against the
// judgement's own dignity tables, and the refusal of a value outside the
// names.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "horary/BasicsJudgement.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

using namespace body;

AppData Shipped() { return LoadDataFiles(AppDirectory(QUAERYN_SHIPPED_DATA_DIR)); }

TEST(AlmutenTables, DegreesScoredByHand) {
    // Points: domicile 5, exaltation 4, triplicity 3, term 2, face 1. Equal
    // scores go to the planet with the higher dignity.
    struct Case {
        int degree;
        bool day;
        int first, second;
        const char* scores;
    } cases[] = {
        {15, true, Sun, Mars,  // 15 Aries by day
         "Sun 8 (exaltation 4, day triplicity 3, face 1), Mars 5 (domicile), Mercury 2 (term)"},
        {15, false, Mars, Sun,  // 15 Aries by night
         "Mars 5 (domicile), Sun 5 (exaltation 4, face 1): a tie, domicile first; Jupiter 3, Mercury 2"},
        {21, true, Mars, Sun,  // 21 Aries by day
         "Mars 7 (domicile 5, term 2), Sun 7 (exaltation 4, triplicity 3); Venus 1 (face)"},
        {67, true, Mercury, Saturn,  // 7 Gemini by day: two tie for second
         "Mercury 5 (domicile), Saturn 3 (day triplicity), Jupiter 3 (term 2, face 1)"},
        {67, false, Mercury, Jupiter,  // 7 Gemini by night
         "Mercury 8 (domicile 5, night triplicity 3), Jupiter 3 (term 2, face 1)"},
        {356, true, Jupiter, Venus,  // 26 Pisces by day: two tie for second
         "Jupiter 5 (domicile), Venus 4 (exaltation), Mars 4 (triplicity 3, face 1), Saturn 2 (term)"},
        {210, true, Mars, 0,  // 0 Scorpio: Mars holds every dignity there
         "Mars 11 (domicile 5, triplicity 3, term 2, face 1); no other planet"},
        {199, false, Venus, Mercury,  // 19 Libra by night: three tie, the report adds Saturn
         "Venus 5 (domicile), Saturn 5 (exaltation 4, face 1), Mercury 5 (night triplicity 3, term 2)"},
        {199, true, Saturn, Venus,  // 19 Libra by day
         "Saturn 8 (exaltation 4, day triplicity 3, face 1), Venus 5 (domicile), Mercury 2 (term)"},
        {133, false, Sun, Jupiter,  // 13 Leo by night
         "Sun 5 (domicile), Jupiter 4 (night triplicity 3, face 1), Venus 2 (term)"},
    };
    const AppData d = Shipped();
    ASSERT_TRUE(d.refusedFiles.empty());
    for (const auto& c : cases) {
        const std::size_t g = static_cast<std::size_t>(c.degree);
        EXPECT_EQ(c.day ? d.almutD1[g] : d.almutN1[g], c.first) << c.degree << ": " << c.scores;
        EXPECT_EQ(c.day ? d.almutD2[g] : d.almutN2[g], c.second) << c.degree << ": " << c.scores;
    }
}

// The ranking the script makes, from the judgement's dignity tables.
std::pair<int, int> Almutens(int degree, bool day) {
    const double lon = degree + 0.5;
    const int sign = degree / 30 + 1;
    const int rulers[5] = {basics::DomicileRuler(sign), basics::ExaltationRuler(sign),
                           basics::TriplicityRuler(sign, day), basics::TermRuler(lon), basics::FaceRuler(lon)};
    const int points[5] = {5, 4, 3, 2, 1};
    std::map<int, int> score, rank;
    for (int k = 0; k < 5; ++k) {
        if (rulers[k] == 0) continue;
        score[rulers[k]] += points[k];
        rank.emplace(rulers[k], k);
    }
    std::vector<int> order;
    for (const auto& [planet, s] : score) order.push_back(planet);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return score[a] != score[b] ? score[a] > score[b] : rank[a] < rank[b];
    });
    if (degree == 199 && !day) std::erase(order, Saturn);  // the report names it itself
    return {order[0], order.size() > 1 ? order[1] : 0};
}

TEST(AlmutenTables, AgreeWithTheJudgementsDignitiesAtEveryDegree) {
    const AppData d = Shipped();
    for (int g = 0; g < 360; ++g) {
        const std::size_t i = static_cast<std::size_t>(g);
        const auto day = Almutens(g, true), night = Almutens(g, false);
        EXPECT_EQ(d.almutD1[i], day.first) << g;
        EXPECT_EQ(d.almutD2[i], day.second) << g;
        EXPECT_EQ(d.almutN1[i], night.first) << g;
        EXPECT_EQ(d.almutN2[i], night.second) << g;
    }
    // Entry 360 repeats 0 Aries.
    EXPECT_EQ(d.almutD1[360], d.almutD1[0]);
    EXPECT_EQ(d.almutN2[360], d.almutN2[0]);
}

TEST(ReadAlmutenTable, TakesWholeNumbersOfTheNamesOnly) {
    struct Case {
        const char* text;
        bool accepted;
        int16_t first;
    } cases[] = {
        {"0,15\n1", true, 0},       {" 4 ,5\r\n6", true, 4},  {"3,,\n\n4", true, 3},
        {"16", false, 0},           {"-1", false, 0},         {"3.5", false, 0},
        {"4x", false, 0},           {"99999", false, 0},      {"1e400", false, 0},
        {"2,3,sun", false, 0},      {"", true, 0},
    };
    for (const auto& c : cases) {
        std::array<int16_t, 361> table{};
        table.fill(7);
        EXPECT_EQ(ReadAlmutenTable(c.text, table), c.accepted) << c.text;
        EXPECT_EQ(table[0], c.first) << c.text;
        if (!c.accepted) {
            // A refused text leaves nothing of itself behind.
            for (const int16_t v : table) ASSERT_EQ(v, 0) << c.text;
        }
    }
    // An overlong table is cut at its size, as the other tables are.
    std::string overlong;
    for (int i = 0; i < 400; ++i) overlong += std::to_string(i % 16) + ",";
    std::array<int16_t, 361> table{};
    EXPECT_TRUE(ReadAlmutenTable(overlong, table));
    EXPECT_EQ(table[360], 360 % 16);
}

TEST(LoadDataFiles, RefusesAnAlmutenTableNamingNoBodyWithTheDataFileMessage) {
    test::TempFolder dir;
    dir.SeedShippedData();
    dir.Write("ALMUTD2.DAT", "1,2,3,40,5\n");
    dir.Write("ALMUTN1.DAT", "10,11,12,13,14,15\n");  // every value names an entry
    const AppData d = LoadDataFiles(AppDirectory(dir.path()));
    EXPECT_EQ(d.refusedFiles, std::vector<std::string>{"ALMUTD2.DAT"});
    EXPECT_EQ(d.almutD2[0], 0);  // not used
    EXPECT_EQ(d.almutN1[5], 15);
    EXPECT_NE(d.almutD1[15], 0);  // the others load as shipped

    test::ScriptedPrompt prompt;
    prompt.expect("data-file-corrupt");
    NotifyRefusedDataFiles(d, prompt);
    ASSERT_EQ(prompt.seen().size(), 1u);
    EXPECT_EQ(prompt.seen()[0].title, "Error!");
    EXPECT_EQ(prompt.seen()[0].text, "The file ALMUTD2.DAT is corrupt.");
}

}  // namespace
}  // namespace quaeryn
