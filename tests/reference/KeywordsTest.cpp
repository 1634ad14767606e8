#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "reference/Keywords.h"

namespace quaeryn {
namespace {

// A message split at its CR LF line ends; the final line break leaves an
// empty last part.
std::vector<std::string> Parts(const std::string& message) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = message.find("\r\n", start);
        if (end == std::string::npos) {
            parts.push_back(message.substr(start));
            return parts;
        }
        parts.push_back(message.substr(start, end - start));
        start = end + 2;
    }
}

int Sentences(const std::string& paragraph) {
    int n = 0;
    for (std::size_t i = 0; i < paragraph.size(); ++i)
        if (paragraph[i] == '.' && (i + 1 == paragraph.size() || paragraph[i + 1] == ' ')) ++n;
    return n;
}

struct KeywordRow {
    const char* topic;
    const char* best;
    const char* worst;
    const char* thought;
};

const KeywordRow kPlanetRows[] = {
    {"Sun", "Rulership", "Dictativeness", "Power"},
    {"Moon", "Adaptability", "Inconstancy", "Domestic"},
    {"Mercury", "Expression", "Restlessness", "Intellectual"},
    {"Venus", "Affection", "Pliancy (bending too easily, taking the easy way out)", "Social"},
    {"Mars", "Initiative", "Harshness", "Aggressive"},
    {"Jupiter", "Benevolence (kindness)", "Conceit", "Religious"},
    {"Saturn", "System and organization", "Selfishness", "Safety"},
    {"Uranus", "Originality", "Eccentricity", "Individualistic"},
    {"Neptune", "Idealism", "Vagueness", "Utopian"},
    {"Pluto", "Spirituality", "Inversion (turning things upside down)", "Universal welfare"},
};

const KeywordRow kSignRows[] = {
    {"Aries", "Leadership", "Officiousness (minding other people's business, meddling)", "Egotistical"},
    {"Taurus", "Stability", "Obstinacy", "Possessive"},
    {"Gemini", "Versatility", "Changeableness", "Thought"},
    {"Cancer", "Tenacity", "Touchiness", "Feeling"},
    {"Leo", "Kindness", "Domination", "Will"},
    {"Virgo", "Analysis", "Criticism", "Analytical"},
    {"Libra", "Affability", "Approbation (always needing approval)", "Equilibrium"},
    {"Scorpio", "Resourcefulness", "Troublesomeness", "Desire"},
    {"Sagittarius", "Loyalty", "Sportiveness", "Comprehension"},
    {"Capricorn", "Diplomacy", "Deceitfulness", "Utility"},
    {"Aquarius", "Altruism", "Argumentation", "Knowledge"},
    {"Pisces", "Sympathy", "Worry", "Belief"},
};

TEST(KeywordsGrid, HoldsFortySixTopicsAndTwoEmptyCells) {
    std::set<std::string> topics;
    for (int row = 0; row < kKeywordRows; ++row)
        for (int column = 0; column < kKeywordColumns; ++column) {
            const std::string cell = KeywordCell(row, column);
            const bool empty = column == 3 && (row == 4 || row == 8);
            EXPECT_EQ(cell.empty(), empty) << row << "," << column;
            if (!empty) topics.insert(cell);
        }
    EXPECT_EQ(topics.size(), 46u);
    // The columns: planets, signs and houses in their order, then the rest.
    for (int row = 0; row < 10; ++row) EXPECT_EQ(KeywordCell(row, 0), kPlanetRows[row].topic);
    EXPECT_EQ(KeywordCell(10, 0), "Aspects");
    EXPECT_EQ(KeywordCell(11, 0), "Symbolism");
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(KeywordCell(row, 1), kSignRows[row].topic);
        EXPECT_EQ(KeywordCell(row, 2).substr(0, KeywordCell(row, 2).find(' ')),
                  std::to_string(row + 1) + (row == 0 ? "st" : row == 1 ? "nd" : row == 2 ? "rd" : "th"));
    }
    const std::vector<std::string> fourth = {"Fire",     "Earth", "Air",    "Water", "",          "Cardinal",
                                             "Fixed",    "Common", "",      "General 1", "General 2", "General 3"};
    for (int row = 0; row < 12; ++row) EXPECT_EQ(KeywordCell(row, 3), fourth[static_cast<std::size_t>(row)]);
    EXPECT_EQ(KeywordCell(12, 0), "");
    EXPECT_EQ(KeywordCell(0, 4), "");
    EXPECT_EQ(KeywordCell(-1, 0), "");
}

TEST(KeywordsText, PlanetsAreADescriptionThenTheirThreeKeywords) {
    for (const auto& row : kPlanetRows) {
        SCOPED_TRACE(row.topic);
        const auto text = KeywordText(row.topic);
        ASSERT_TRUE(text.has_value());
        const auto parts = Parts(*text);
        ASSERT_EQ(parts.size(), 6u);
        EXPECT_GE(Sentences(parts[0]), 2);
        EXPECT_LE(Sentences(parts[0]), 4);
        EXPECT_EQ(parts[1], "");
        EXPECT_EQ(parts[2], std::string("Best quality: ") + row.best);
        EXPECT_EQ(parts[3], std::string("Worst quality: ") + row.worst);
        EXPECT_EQ(parts[4], std::string("Thought series: ") + row.thought);
        EXPECT_EQ(parts[5], "");  // the message ends with a line break
    }
}

TEST(KeywordsText, SignsCompleteTheSentenceOfTheirHouse) {
    for (const auto& row : kSignRows) {
        SCOPED_TRACE(row.topic);
        const auto text = KeywordText(row.topic);
        ASSERT_TRUE(text.has_value());
        const auto parts = Parts(*text);
        ASSERT_EQ(parts.size(), 8u);
        EXPECT_EQ(parts[0], std::string("In the house where ") + row.topic + " rules the cusp is where:");
        EXPECT_EQ(parts[1], "");
        ASSERT_FALSE(parts[2].empty());
        EXPECT_TRUE(std::islower(static_cast<unsigned char>(parts[2][0]))) << parts[2];
        EXPECT_GE(Sentences(parts[2]), 2);
        EXPECT_LE(Sentences(parts[2]), 4);
        EXPECT_EQ(parts[3], "");
        EXPECT_EQ(parts[4], std::string("Best quality: ") + row.best);
        EXPECT_EQ(parts[5], std::string("Worst quality: ") + row.worst);
        EXPECT_EQ(parts[6], std::string("Thought series: ") + row.thought);
        EXPECT_EQ(parts[7], "");
    }
}

TEST(KeywordsText, HousesElementsAndQualitiesAreOneSentenceOfKeywords) {
    std::vector<std::string> topics = {"Fire", "Earth", "Air", "Water", "Cardinal", "Fixed", "Common"};
    for (int row = 0; row < 12; ++row) topics.push_back(KeywordCell(row, 2));
    for (const auto& topic : topics) {
        SCOPED_TRACE(topic);
        const auto text = KeywordText(topic);
        ASSERT_TRUE(text.has_value());
        const auto parts = Parts(*text);
        ASSERT_EQ(parts.size(), 2u);
        EXPECT_EQ(Sentences(parts[0]), 1);
        EXPECT_EQ(parts[1], "");
    }
    EXPECT_EQ(KeywordText("2nd house"),
              "Money and possessions, values, hidden talents, sense of self-worth, self-esteem.\r\n");
    EXPECT_EQ(KeywordText("Cardinal"),
              "Initiates action, forceful activity, concerned about the here and now, lives in the moment, "
              "starts things.\r\n");
}

TEST(KeywordsText, AspectsPairEachAspectWithItsKeywordTwoToALine) {
    const auto parts = Parts(KeywordText("Aspects").value());
    ASSERT_EQ(parts.size(), 6u);
    EXPECT_EQ(parts[0], "Conjunction    =  Prominence      Semi-sextile =  Growth");
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"Conjunction", "Prominence"}, {"Semi-sextile", "Growth"},     {"Sextile", "Opportunity"},
        {"Square", "Obstacle"},       {"Trine", "Luck"},              {"Quincunx", "Expansion"},
        {"Semi-square", "Friction"},  {"Opposition", "Separation"},   {"Sesquisquare", "Agitation"},
        {"Parallel", "Intensity"},
    };
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const std::string& line = parts[i / 2];
        // The first pair of a line starts it; the second starts in column 35.
        const std::size_t at = i % 2 == 0 ? 0 : 34;
        EXPECT_EQ(line.substr(at, pairs[i].first.size()), pairs[i].first) << line;
        const std::size_t eq = line.find("=  ", at);
        ASSERT_NE(eq, std::string::npos);
        EXPECT_EQ(line.substr(eq + 3, pairs[i].second.size()), pairs[i].second) << line;
    }
    EXPECT_EQ(parts[5], "");
}

TEST(KeywordsText, GeneralTextsAreFiveToElevenLines) {
    for (const char* topic : {"Symbolism", "General 1", "General 2", "General 3"}) {
        SCOPED_TRACE(topic);
        const auto parts = Parts(KeywordText(topic).value());
        EXPECT_GE(parts.size() - 1, 5u);
        EXPECT_LE(parts.size() - 1, 11u);
        EXPECT_EQ(parts.back(), "");
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            EXPECT_FALSE(parts[i].empty());
            EXPECT_LE(parts[i].size(), 64u) << parts[i];
        }
    }
}

TEST(KeywordMessage, TitledByTheCellWithTheInformationIcon) {
    const auto leo = KeywordMessage("Leo");
    ASSERT_TRUE(leo.has_value());
    EXPECT_EQ(leo->title, "Leo");
    EXPECT_EQ(leo->icon, PromptIcon::Information);
    EXPECT_EQ(leo->buttons, PromptButtons::Ok);
    EXPECT_EQ(leo->text.substr(0, leo->text.find("\r\n")), "In the house where Leo rules the cusp is where:");
    for (const char* nothing : {"", "leo", "Leo ", "Quality"}) EXPECT_FALSE(KeywordMessage(nothing).has_value()) << nothing;
}

}  // namespace
}  // namespace quaeryn
