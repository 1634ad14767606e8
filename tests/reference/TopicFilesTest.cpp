// Every topic file shipped in data/: it parses to its FINIS, its markers
// count up from topic x 1000 without a gap, every question has an answer,
// and no line is wider than the answer area.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/TextFile.h"
#include "reference/Analyzer.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ShippedLines(const AnalyzerTopic& topic) {
    const auto text = ReadWholeFile(fs::path(QUAERYN_SHIPPED_DATA_DIR) / topic.file);
    if (!text) ADD_FAILURE() << topic.file << " is not shipped";
    return text ? SplitLines(*text) : std::vector<std::string>{};
}

TEST(ShippedTopicFiles, AreExactlyTheTwentyFourTopics) {
    std::set<std::string> shipped;
    for (const auto& entry : fs::directory_iterator(QUAERYN_SHIPPED_DATA_DIR))
        if (entry.path().extension() == ".HA") shipped.insert(entry.path().filename().string());
    std::set<std::string> topics;
    for (const auto& t : AnalyzerTopics()) topics.insert(t.file);
    EXPECT_EQ(shipped, topics);
}

TEST(ShippedTopicFiles, FollowTheFormat) {
    for (const auto& topic : AnalyzerTopics()) {
        SCOPED_TRACE(topic.file);
        const auto lines = ShippedLines(topic);
        const auto problems = TopicFileProblems(topic.number, lines);
        for (const auto& p : problems) ADD_FAILURE() << topic.file << " " << p;
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "FINIS");  // nothing follows it
        for (const auto& line : lines) {
            for (const char c : line)
                EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII: " << line;
            EXPECT_FALSE(line.empty()) << "an empty line";
        }
    }
}

TEST(ShippedTopicFiles, WalkToTheEndWithEveryAnswerInItsPlace) {
    for (const auto& topic : AnalyzerTopics()) {
        SCOPED_TRACE(topic.file);
        const auto lines = ShippedLines(topic);
        const auto questions = WalkTopic(topic.number, lines);
        EXPECT_GE(questions.size(), 15u);
        EXPECT_LE(questions.size(), 40u);
        for (std::size_t k = 0; k < questions.size(); ++k) {
            const TopicQuestion& q = questions[k];
            const int number = topic.number * 1000 + static_cast<int>(k);
            EXPECT_EQ(q.number, number);
            EXPECT_EQ(q.question.rfind(std::to_string(number) + "Q\n\n", 0), 0u) << q.question;
            EXPECT_FALSE(q.answer.empty()) << "question " << number << " has no answer";
            EXPECT_EQ(q.question.find("  "), std::string::npos) << "words run apart: " << q.question;
        }

        // "No" to every question passes the same questions and ends too.
        HoraryAnalyzer no;
        no.StartTopic(topic.number, lines);
        std::size_t shown = 0;
        while (!no.finished() && shown < questions.size()) {
            EXPECT_EQ(no.view().question, questions[shown].question);
            ++shown;
            no.No();
        }
        EXPECT_TRUE(no.finished());
        EXPECT_EQ(shown, questions.size());
        EXPECT_EQ(no.view().question, "\nPlease pick another topic");
    }
}

TEST(ShippedTopicFiles, TheAnalyzerHelpListsEveryTopicWithItsFile) {
    const auto help = ReadWholeFile(fs::path(QUAERYN_SHIPPED_DATA_DIR) / "ANALYZER.HLP");
    ASSERT_TRUE(help.has_value());
    for (const auto& line : SplitLines(*help)) EXPECT_LE(line.size(), 76u) << line;
    for (const auto& topic : AnalyzerTopics()) {
        const std::string entry = std::string(topic.caption) + std::string(24 - std::string(topic.caption).size(), ' ') +
                                  topic.file;
        EXPECT_NE(help->find(entry), std::string::npos) << entry;
    }
}

}  // namespace
}  // namespace quaeryn
