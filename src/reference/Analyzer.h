// The Horary Analyzer: a guided checklist of yes/no questions on one of 24
// topics. Each topic is a plain-text file of the data folder ("GENERAL.HA" …
// "HOUSE12.HA"):
//
//   3000Q            the marker of question 3000 (optional)
//   Is the ...       question lines, shown joined one after another
//   ;                a line ";" alone ends a block
//   3000A            the marker of its answer (optional)
//   The ...          answer lines, shown one per line
//   ;
//   FINIS            ends the topic (any case)
//
// The first question of topic t is t x 1000; every "Yes" or "No" counts one
// on. HoraryAnalyzer walks a topic file the way the window does and holds
// what the window shows; the window only applies it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/AppDirectory.h"
#include "base/Prompt.h"
#include "base/ReportBuffer.h"

namespace quaeryn {

struct AnalyzerTopic {
    int number;           // 1 to 24
    const char* caption;  // the grid's caption
    const char* file;     // the file in the data folder
};

// The 24 topics in number order: column 0 of the grid holds topics 1 to 8,
// column 1 topics 9 to 16, column 2 topics 17 to 24, top to bottom.
const std::array<AnalyzerTopic, 24>& AnalyzerTopics();

inline constexpr int kAnalyzerGridColumns = 3;
inline constexpr int kAnalyzerGridRows = 8;

// The topic of a grid cell (column and row from 0): column x 8 + row + 1.
int TopicOfCell(int column, int row);
const AnalyzerTopic& TopicByNumber(int topic);  // 1 to 24
// A topic by its number ("12"), its file name ("HOUSE.HA") or the file
// name without ".HA" ("house"), in any case; nullptr when there is none.
const AnalyzerTopic* FindTopic(std::string_view name);
// The 24 topics one to a line: number, file name without ".HA", caption
// (" 1  GENERAL     General horary").
std::vector<std::string> TopicNameList();

// The widest line the answer area shows without wrapping, in characters of
// its fixed-pitch font; topic files keep every line within it.
inline constexpr std::size_t kAnswerAreaColumns = 64;

inline constexpr const char* kAnalyzerNote = "NOTE: Click on a topic for information";
inline constexpr const char* kPickAnotherTopic = "Please pick another topic";

namespace msg {
// A topic file that cannot be opened.
PromptMessage TopicFileMissing();
}  // namespace msg

// What the window shows: the question area (Label1), the answer area
// (Text1) and which buttons are visible; `focus` names the button that
// takes the focus after the last step.
struct AnalyzerView {
    enum class Focus { None, Next, No };
    std::string question = kAnalyzerNote;
    std::string answer;
    bool yes = false;
    bool no = false;
    bool next = false;
    bool copy = false;
    Focus focus = Focus::None;
};

class HoraryAnalyzer {
public:
    // StartTopic from a grid click: reads the topic's file from the data
    // folder and shows its first question. A file that cannot be opened
    // gives "Cannot find correct file." and false; the window then closes.
    bool StartTopic(int topic, const AppDirectory& dir, UserPrompt& prompt);
    // The same with the file's lines already read.
    void StartTopic(int topic, std::vector<std::string> lines);

    // "Yes": the answer of the shown question, one line per line.
    void Yes();
    // "No": the answer is skipped and the next question shown.
    void No();
    // "Next ?": the next question after an answer.
    void Next();
    // "Copy": the answer lines, each after two blanks, and an empty line are
    // appended to the report (the caller then shows the Data window).
    void Copy(ReportBuffer& out);

    const AnalyzerView& view() const { return view_; }
    int topic() const { return topic_; }
    int questionNumber() const { return questionNumber_; }
    const std::vector<std::string>& answerLines() const { return answerLines_; }
    // The topic reached FINIS (or the end of its file): "Please pick
    // another topic".
    bool finished() const { return finished_; }

private:
    void ShowNextQuestion();
    void Finish();
    const std::string* Peek() const;
    std::optional<std::string> Read();

    std::vector<std::string> lines_;
    std::size_t pos_ = 0;
    int topic_ = 0;
    int questionNumber_ = 0;
    std::vector<std::string> answerLines_;
    bool finished_ = false;
    AnalyzerView view_;
};

// One question of a topic as the window shows it, with its answer.
struct TopicQuestion {
    int number = 0;                   // the question number it was shown under
    std::string question;             // the question area's text
    std::vector<std::string> answer;  // the answer lines
};

// Walks a topic answering "Yes" to every question up to "Please pick
// another topic".
std::vector<TopicQuestion> WalkTopic(int topic, const std::vector<std::string>& lines);

// The questions and answers of a topic as plain text: a title line, then
// each question as shown (a line break starts a new line) and its answer
// lines after two blanks, an empty line after each.
std::vector<std::string> TopicListing(const AnalyzerTopic& topic, const std::vector<std::string>& lines);

// What keeps a topic file from the format, one text per fault with its line
// number: markers that do not count up from topic x 1000 without a gap, a
// question or an answer without text or without its closing ";", lines
// wider than the answer area, a question line that runs into the next
// without a blank, a missing FINIS. Empty for a sound file.
std::vector<std::string> TopicFileProblems(int topic, const std::vector<std::string>& lines);

// The head of the "&Horary Analyzer" command: a new report with an empty
// line, two blanks and the chart's name, and an empty line; the answers
// copied from the window follow it.
void BeginAnalyzerReport(const std::string& chartName, ReportBuffer& out);

}  // namespace quaeryn
