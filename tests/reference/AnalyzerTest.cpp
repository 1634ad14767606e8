#include <gtest/gtest.h>

#include <algorithm>

#include "base/TextFile.h"
#include "reference/Analyzer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;
using test::TempFolder;

// A topic file from its lines, with CR LF line ends as the shipped ones.
std::string File(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

// Two questions of topic 12 with markers; the first question runs over two
// lines, its answer over three.
const std::string kHouseTopic = File({
    "12000Q",
    "Does the question concern ",
    "the querent himself?",
    ";",
    "12000A",
    "The 1st house: the querent.",
    "Body: the head and face.",
    "Colour: white.",
    ";",
    "12001Q",
    "Does it concern money?",
    ";",
    "12001A",
    "The 2nd house.",
    ";",
    "FINIS",
});

std::vector<std::string> Lines(const std::string& text) { return SplitLines(text); }

void ExpectFinished(const HoraryAnalyzer& a) {
    EXPECT_TRUE(a.finished());
    EXPECT_EQ(a.view().question, "\nPlease pick another topic");
    EXPECT_FALSE(a.view().yes);
    EXPECT_FALSE(a.view().no);
    EXPECT_FALSE(a.view().copy);
    EXPECT_FALSE(a.view().next);
}

TEST(AnalyzerTopics, GridCellsNameTheirTopicAndFile) {
    struct Case {
        int column, row, topic;
        const char* caption;
        const char* file;
    };
    const Case cases[] = {
        {0, 0, 1, "General horary", "GENERAL.HA"},
        {0, 1, 2, "Location & Distance", "DIRECT.HA"},
        {0, 7, 8, "Marriage", "MARRIAGE.HA"},
        {1, 0, 9, "Miscellaneous info", "MISC.HA"},
        {1, 3, 12, "House rulerships", "HOUSE.HA"},
        {1, 4, 13, "House  1 information", "HOUSE1.HA"},
        {2, 0, 17, "House  5 information", "HOUSE5.HA"},
        {2, 5, 22, "House 10 information", "HOUSE10.HA"},
        {2, 7, 24, "House 12 information", "HOUSE12.HA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const int topic = TopicOfCell(c.column, c.row);
        EXPECT_EQ(topic, c.topic);
        EXPECT_STREQ(TopicByNumber(topic).caption, c.caption);
        EXPECT_STREQ(TopicByNumber(topic).file, c.file);
    }
    for (int t = 1; t <= 24; ++t) EXPECT_EQ(AnalyzerTopics()[static_cast<std::size_t>(t - 1)].number, t);
}

TEST(AnalyzerTopics, FoundByNumberOrFileNameInAnyCase) {
    struct Case {
        const char* name;
        int topic;  // 0: none
    };
    const Case cases[] = {
        {"house", 12},  {"HOUSE.HA", 12}, {"House12.ha", 24}, {"HOUSE1", 13}, {"7", 7},
        {"lost", 5},    {"HOUSE13", 0},   {"25", 0},          {"0", 0},       {"", 0},
        {"GENERAL.", 0}, {"HA", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalyzerTopic* t = FindTopic(c.name);
        if (c.topic == 0) {
            EXPECT_EQ(t, nullptr);
        } else {
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->number, c.topic);
        }
    }
}

TEST(AnalyzerTopics, ListedOneToALineWithNumberNameAndCaption) {
    const auto list = TopicNameList();
    ASSERT_EQ(list.size(), 24u);
    EXPECT_EQ(list[0], " 1  GENERAL     General horary");
    EXPECT_EQ(list[11], "12  HOUSE       House rulerships");
    EXPECT_EQ(list[23], "24  HOUSE12     House 12 information");
    for (const auto& line : list) EXPECT_EQ(FindTopic(line.substr(4, line.find(' ', 4) - 4)), &TopicByNumber(std::stoi(line)));
}

TEST(HoraryAnalyzer, TheCellInColumnOneRowThreeOpensHouseRulershipsAt12000) {
    TempFolder folder;
    folder.Write("house.ha", kHouseTopic);  // found without regard to case
    ScriptedPrompt prompt;
    HoraryAnalyzer a;
    ASSERT_TRUE(a.StartTopic(TopicOfCell(1, 3), AppDirectory(folder.path()), prompt));
    EXPECT_EQ(a.topic(), 12);
    EXPECT_EQ(a.questionNumber(), 12000);
    // The marker, two line breaks, and the two question lines joined.
    EXPECT_EQ(a.view().question, "12000Q\n\nDoes the question concern the querent himself?");
    EXPECT_TRUE(a.view().yes);
    EXPECT_TRUE(a.view().no);
    EXPECT_FALSE(a.view().next);
    EXPECT_FALSE(a.view().copy);
    EXPECT_EQ(a.view().answer, "");
}

TEST(HoraryAnalyzer, YesShowsTheAnswerOneLinePerLineAndCountsOn) {
    HoraryAnalyzer a;
    a.StartTopic(12, Lines(kHouseTopic));
    a.Yes();
    EXPECT_EQ(a.view().answer, "The 1st house: the querent.\nBody: the head and face.\nColour: white.\n");
    EXPECT_EQ(a.answerLines(), (std::vector<std::string>{"The 1st house: the querent.", "Body: the head and face.",
                                                          "Colour: white."}));
    EXPECT_EQ(a.questionNumber(), 12001);
    EXPECT_FALSE(a.view().yes);
    EXPECT_FALSE(a.view().no);
    EXPECT_TRUE(a.view().next);
    EXPECT_TRUE(a.view().copy);
    EXPECT_EQ(a.view().focus, AnalyzerView::Focus::Next);
    // The question stays in view with its answer.
    EXPECT_EQ(a.view().question, "12000Q\n\nDoes the question concern the querent himself?");

    a.Next();
    EXPECT_EQ(a.view().question, "12001Q\n\nDoes it concern money?");
    EXPECT_EQ(a.view().answer, "");
    EXPECT_FALSE(a.view().copy);
    EXPECT_TRUE(a.view().no);
    EXPECT_EQ(a.view().focus, AnalyzerView::Focus::No);
    EXPECT_TRUE(a.answerLines().empty());

    a.Yes();
    EXPECT_EQ(a.view().answer, "The 2nd house.\n");
    a.Next();
    ExpectFinished(a);
    EXPECT_EQ(a.questionNumber(), 12002);
}

TEST(HoraryAnalyzer, NoSkipsTheAnswerAndShowsTheNextBlock) {
    HoraryAnalyzer a;
    a.StartTopic(12, Lines(kHouseTopic));
    a.No();
    EXPECT_EQ(a.questionNumber(), 12001);
    EXPECT_EQ(a.view().question, "12001Q\n\nDoes it concern money?");
    EXPECT_EQ(a.view().answer, "");
    EXPECT_TRUE(a.answerLines().empty());
    EXPECT_TRUE(a.view().yes);
    a.No();
    ExpectFinished(a);
    EXPECT_EQ(a.questionNumber(), 12002);
}

TEST(HoraryAnalyzer, ButtonsThatAreHiddenDoNothing) {
    HoraryAnalyzer a;
    a.StartTopic(12, Lines(kHouseTopic));
    a.Next();  // no answer shown yet
    EXPECT_EQ(a.view().question, "12000Q\n\nDoes the question concern the querent himself?");
    a.Yes();
    a.Yes();  // the answer is shown: Yes and No are hidden
    a.No();
    EXPECT_EQ(a.questionNumber(), 12001);
    EXPECT_EQ(a.answerLines().size(), 3u);
}

TEST(HoraryAnalyzer, CopyAppendsTheAnswerBelowTheChartNameAndCopiesAccumulate) {
    ScriptedPrompt prompt;
    ReportBuffer report(prompt);
    BeginAnalyzerReport("Lost ring", report);
    HoraryAnalyzer a;
    a.StartTopic(12, Lines(kHouseTopic));
    a.Yes();
    a.Copy(report);
    EXPECT_FALSE(a.view().copy);
    EXPECT_TRUE(a.view().next);
    a.Next();
    a.Yes();
    a.Copy(report);
    const std::vector<std::string> expected = {
        "",   "  Lost ring", "", "  The 1st house: the querent.", "  Body: the head and face.", "  Colour: white.", "",
        "  The 2nd house.", "",
        "",  // the empty last entry
    };
    EXPECT_EQ(report.PageBuffer(), expected);
    EXPECT_EQ(report.PageLineCount(), 9);
    EXPECT_EQ(report.DataLineCount(), 9);
}

TEST(HoraryAnalyzer, AFileThatBeginsWithFinisEndsAtOnce) {
    for (const char* finis : {"FINIS", "finis", "Finis"}) {
        SCOPED_TRACE(finis);
        HoraryAnalyzer a;
        a.StartTopic(3, Lines(File({finis, "3000Q", "Never shown?", ";"})));
        ExpectFinished(a);
        EXPECT_EQ(a.questionNumber(), 3000);
    }
}

TEST(HoraryAnalyzer, TheEndOfTheFileCountsAsFinis) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> answers;  // the answers a walk of Yes shows
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"no FINIS after the last answer", File({"3000Q", "Soon?", ";", "3000A", "Days.", ";"}), {"Days.\n"}},
        {"no ';' after the last answer", File({"3000Q", "Soon?", ";", "3000A", "Days.", "Or weeks."}),
         {"Days.\nOr weeks.\n"}},
        {"the file ends after the question", File({"3000Q", "Soon?", ";"}), {}},
        {"the file ends after the answer marker", File({"3000Q", "Soon?", ";", "3000A"}), {}},
        {"a question without its ';'", File({"3000Q", "Soon?", ";", "3000A", "Days.", ";", "3001Q", "Late?"}),
         {"Days.\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HoraryAnalyzer a;
        a.StartTopic(3, Lines(c.file));
        std::vector<std::string> answers;
        for (int step = 0; step < 10 && !a.finished(); ++step) {
            a.Yes();
            if (!a.finished()) answers.push_back(a.view().answer);
            a.Next();
        }
        EXPECT_EQ(answers, c.answers);
        ExpectFinished(a);

        // Answering No all the way ends the same way.
        HoraryAnalyzer b;
        b.StartTopic(3, Lines(c.file));
        for (int step = 0; step < 10 && !b.finished(); ++step) b.No();
        ExpectFinished(b);
    }
}

TEST(HoraryAnalyzer, AQuestionCutOffByFinisEndsTheTopicInsteadOfShowingTheLastOneAgain) {
    HoraryAnalyzer a;
    a.StartTopic(3, Lines(File({"3000Q", "Soon?", ";", "3000A", "Days.", ";", "3001Q", "Late", "FINIS"})));
    a.No();
    ExpectFinished(a);
}

TEST(HoraryAnalyzer, FinisInsideAnAnswerEndsTheAnswerAndTheTopic) {
    HoraryAnalyzer a;
    a.StartTopic(3, Lines(File({"3000Q", "Soon?", ";", "3000A", "Days.", "FINIS", "3001Q", "Hidden?", ";"})));
    a.Yes();
    EXPECT_EQ(a.view().answer, "Days.\n");
    a.Next();
    ExpectFinished(a);
}

TEST(HoraryAnalyzer, MarkersAreOptionalAndAStrayMarkerIsQuestionText) {
    HoraryAnalyzer a;
    a.StartTopic(3, Lines(File({"Soon?", ";", "Days.", ";", "3005Q", "Late?", ";", "3001A", "Weeks.", ";", "FINIS"})));
    EXPECT_EQ(a.view().question, "Soon?");
    a.Yes();
    EXPECT_EQ(a.view().answer, "Days.\n");
    a.Next();
    // 3005Q is not the marker of question 3001: it is read as text.
    EXPECT_EQ(a.view().question, "3005QLate?");
    a.Yes();
    EXPECT_EQ(a.view().answer, "Weeks.\n");
}

TEST(HoraryAnalyzer, AMissingFileIsReportedAndNothingStarts) {
    TempFolder folder;
    ScriptedPrompt prompt;
    prompt.expect("topic-file-missing");
    HoraryAnalyzer a;
    EXPECT_FALSE(a.StartTopic(5, AppDirectory(folder.path()), prompt));
    ASSERT_EQ(prompt.seen().size(), 1u);
    EXPECT_EQ(prompt.seen()[0].title, "Warning!");
    EXPECT_EQ(prompt.seen()[0].text, "Cannot find correct file.");
    EXPECT_EQ(prompt.seen()[0].icon, PromptIcon::Information);
    EXPECT_FALSE(a.finished());
    EXPECT_EQ(a.view().question, kAnalyzerNote);
}

TEST(HoraryAnalyzer, ClickingAnotherTopicStartsOverAtItsFirstQuestion) {
    HoraryAnalyzer a;
    a.StartTopic(12, Lines(kHouseTopic));
    a.Yes();
    a.StartTopic(3, Lines(File({"3000Q", "Soon?", ";", "3000A", "Days.", ";", "FINIS"})));
    EXPECT_EQ(a.questionNumber(), 3000);
    EXPECT_EQ(a.view().question, "3000Q\n\nSoon?");
    EXPECT_EQ(a.view().answer, "");
    EXPECT_FALSE(a.view().copy);
    EXPECT_TRUE(a.answerLines().empty());
}

TEST(TopicListing, PrintsEachQuestionAsShownWithItsAnswer) {
    const auto listing = TopicListing(TopicByNumber(12), Lines(kHouseTopic));
    const std::vector<std::string> expected = {
        "House rulerships (HOUSE.HA, topic 12)",
        "",
        "12000Q",
        "",
        "Does the question concern the querent himself?",
        "",
        "  The 1st house: the querent.",
        "  Body: the head and face.",
        "  Colour: white.",
        "",
        "12001Q",
        "",
        "Does it concern money?",
        "",
        "  The 2nd house.",
        "",
        "2 questions",
    };
    EXPECT_EQ(listing, expected);
}

TEST(TopicFileProblems, ASoundFileHasNone) {
    EXPECT_TRUE(TopicFileProblems(12, Lines(kHouseTopic)).empty());
}

TEST(TopicFileProblems, NamesEachFaultWithItsLine) {
    const std::string wide(65, 'x');
    struct Case {
        const char* name;
        std::string file;
        std::string problem;
    };
    const Case cases[] = {
        {"a gap in the numbers",
         File({"3000Q", "A?", ";", "3000A", "a", ";", "3002Q", "B?", ";", "3002A", "b", ";", "FINIS"}),
         "line 7: the marker 3002Q where 3001Q belongs"},
        {"numbers from another topic", File({"4000Q", "A?", ";", "4000A", "a", ";", "FINIS"}),
         "line 1: the marker 4000Q where 3000Q belongs"},
        {"an answer marker out of step", File({"3000Q", "A?", ";", "3001A", "a", ";", "FINIS"}),
         "line 4: the marker 3001A where 3000A belongs"},
        {"no question marker", File({"A?", ";", "3000A", "a", ";", "FINIS"}), "line 1: question 3000 has no marker 3000Q"},
        {"no answer marker", File({"3000Q", "A?", ";", "a", ";", "FINIS"}), "line 4: answer 3000 has no marker 3000A"},
        {"a question without text", File({"3000Q", ";", "3000A", "a", ";", "FINIS"}), "line 1: question 3000 has no text"},
        {"an answer without text", File({"3000Q", "A?", ";", "3000A", ";", "FINIS"}), "line 4: question 3000 has no answer"},
        {"a question without an answer", File({"3000Q", "A?", ";", "FINIS"}), "line 2: question 3000 has no answer"},
        {"an open question", File({"3000Q", "A?", "FINIS"}), "line 2: question 3000 is not closed by \";\""},
        {"an open answer", File({"3000Q", "A?", ";", "3000A", "a", "FINIS"}), "line 5: answer 3000 is not closed by \";\""},
        {"an empty block", File({"3000Q", "A?", ";", ";", "3000A", "a", ";", "FINIS"}),
         "line 4: an empty block: \";\" follows \";\""},
        {"a line too wide", File({"3000Q", "A?", ";", "3000A", wide.c_str(), ";", "FINIS"}),
         "line 5: 65 characters, wider than the 64 of the answer area"},
        {"question lines that run together", File({"3000Q", "Is the", "Moon void?", ";", "3000A", "a", ";", "FINIS"}),
         "line 2: the question line runs into the next without a blank"},
        {"no FINIS", File({"3000Q", "A?", ";", "3000A", "a", ";"}), "the file ends without a line FINIS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problems = TopicFileProblems(3, Lines(c.file));
        EXPECT_NE(std::find(problems.begin(), problems.end(), c.problem), problems.end())
            << "got: " << (problems.empty() ? std::string("nothing") : problems.front());
    }
    // A line after FINIS is never read, so it may be as wide as it likes.
    EXPECT_TRUE(TopicFileProblems(3, Lines(File({"3000Q", "A?", ";", "3000A", "a", ";", "FINIS", wide.c_str()}))).empty());
}

TEST(BeginAnalyzerReport, StartsANewPageWithTheChartName) {
    ScriptedPrompt prompt;
    ReportBuffer report(prompt);
    report.AppendLine("an earlier report");
    BeginAnalyzerReport("Lost ring", report);
    EXPECT_EQ(report.PageBuffer(), (std::vector<std::string>{"", "  Lost ring", "", ""}));
    EXPECT_EQ(report.DataLineCount(), 4);
}

}  // namespace
}  // namespace quaeryn
