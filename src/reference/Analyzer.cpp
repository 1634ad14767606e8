#include "reference/Analyzer.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "base/TextFile.h"

namespace quaeryn {

namespace {

std::string Upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool IsFinis(const std::string& line) { return Upper(line) == "FINIS"; }
bool IsSeparator(const std::string& line) { return line == ";"; }

// A marker line: digits followed by Q or A.
bool IsMarker(const std::string& line, char kind) {
    return line.size() >= 2 && line.back() == kind &&
           std::all_of(line.begin(), line.end() - 1, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const std::array<AnalyzerTopic, 24>& AnalyzerTopics() {
    static const std::array<AnalyzerTopic, 24> topics = {{
        {1, "General horary", "GENERAL.HA"},
        {2, "Location & Distance", "DIRECT.HA"},
        {3, "Timing", "TIMING.HA"},
        {4, "Careers", "CAREER.HA"},
        {5, "Lost and Found", "LOST.HA"},
        {6, "Real Estate", "LAND.HA"},
        {7, "Money", "MONEY.HA"},
        {8, "Marriage", "MARRIAGE.HA"},
        {9, "Miscellaneous info", "MISC.HA"},
        {10, "Planet rulerships", "PLANET.HA"},
        {11, "Sign rulerships", "SIGN.HA"},
        {12, "House rulerships", "HOUSE.HA"},
        {13, "House  1 information", "HOUSE1.HA"},
        {14, "House  2 information", "HOUSE2.HA"},
        {15, "House  3 information", "HOUSE3.HA"},
        {16, "House  4 information", "HOUSE4.HA"},
        {17, "House  5 information", "HOUSE5.HA"},
        {18, "House  6 information", "HOUSE6.HA"},
        {19, "House  7 information", "HOUSE7.HA"},
        {20, "House  8 information", "HOUSE8.HA"},
        {21, "House  9 information", "HOUSE9.HA"},
        {22, "House 10 information", "HOUSE10.HA"},
        {23, "House 11 information", "HOUSE11.HA"},
        {24, "House 12 information", "HOUSE12.HA"},
    }};
    return topics;
}

int TopicOfCell(int column, int row) { return column * kAnalyzerGridRows + row + 1; }

const AnalyzerTopic& TopicByNumber(int topic) {
    if (topic < 1 || topic > 24) throw std::out_of_range("no analyzer topic " + std::to_string(topic));
    return AnalyzerTopics()[static_cast<std::size_t>(topic - 1)];
}

const AnalyzerTopic* FindTopic(std::string_view name) {
    const std::string wanted = Upper(name);
    for (const auto& t : AnalyzerTopics()) {
        const std::string file = t.file;
        if (wanted == file || wanted == file.substr(0, file.size() - 3) || wanted == std::to_string(t.number))
            return &t;
    }
    return nullptr;
}

std::vector<std::string> TopicNameList() {
    std::vector<std::string> list;
    for (const auto& t : AnalyzerTopics()) {
        std::string name = t.file;
        name.resize(name.size() - 3);
        std::string number = std::to_string(t.number);
        list.push_back(std::string(2 - number.size(), ' ') + number + "  " + name + std::string(12 - name.size(), ' ') +
                       t.caption);
    }
    return list;
}

PromptMessage msg::TopicFileMissing() {
    return {"topic-file-missing", "Warning!", "Cannot find correct file.", "", PromptIcon::Information,
            PromptButtons::Ok};
}

// ---------------------------------------------------------------- walker

const std::string* HoraryAnalyzer::Peek() const { return pos_ < lines_.size() ? &lines_[pos_] : nullptr; }

std::optional<std::string> HoraryAnalyzer::Read() {
    if (pos_ >= lines_.size()) return std::nullopt;
    return lines_[pos_++];
}

bool HoraryAnalyzer::StartTopic(int topic, const AppDirectory& dir, UserPrompt& prompt) {
    view_.answer.clear();
    view_.copy = false;
    answerLines_.clear();
    const auto text = ReadWholeFile(dir.Resolve(TopicByNumber(topic).file));
    if (!text) {
        prompt.notify(msg::TopicFileMissing());
        return false;
    }
    StartTopic(topic, SplitLines(*text));
    return true;
}

void HoraryAnalyzer::StartTopic(int topic, std::vector<std::string> lines) {
    view_.answer.clear();
    view_.copy = false;
    answerLines_.clear();
    lines_ = std::move(lines);
    pos_ = 0;
    topic_ = topic;
    questionNumber_ = topic * 1000;
    finished_ = false;
    ShowNextQuestion();
}

void HoraryAnalyzer::Finish() {
    finished_ = true;
    view_.question = std::string("\n") + kPickAnotherTopic;
    view_.yes = view_.no = view_.next = view_.copy = false;
    view_.focus = AnalyzerView::Focus::None;
}

void HoraryAnalyzer::ShowNextQuestion() {
    answerLines_.clear();
    view_.yes = view_.no = true;
    view_.next = false;
    view_.focus = AnalyzerView::Focus::None;
    const std::string marker = std::to_string(questionNumber_) + "Q";
    std::string text;
    while (auto line = Read()) {
        if (IsFinis(*line)) break;
        if (IsSeparator(*line)) continue;
        if (*line == marker) {
            text = *line + "\n\n";
            continue;
        }
        // The question's lines follow one another without a separator up
        // to the ";" that closes the block. A question cut off by FINIS or
        // by the end of the file ends the topic: nothing of it can be
        // answered.
        text += *line;
        while (const std::string* next = Peek()) {
            if (IsFinis(*next)) break;
            Read();
            if (IsSeparator(*next)) {
                view_.question = text;
                return;
            }
            text += *next;
        }
        break;
    }
    // FINIS, or the end of the file, which counts as FINIS.
    Finish();
}

void HoraryAnalyzer::Yes() {
    if (finished_ || !view_.yes) return;
    view_.answer.clear();
    const std::string marker = std::to_string(questionNumber_) + "A";
    while (const std::string* line = Peek()) {
        if (!IsSeparator(*line) && *line != marker) break;
        Read();
    }
    // A question whose answer never comes (FINIS or the end of the file)
    // ends the topic.
    if (!Peek() || IsFinis(*Peek())) {
        Finish();
        return;
    }
    bool first = true;
    while (const std::string* line = Peek()) {
        if (IsSeparator(*line)) {
            Read();
            break;
        }
        if (IsFinis(*line)) break;  // left for the next question to find
        view_.answer += *line + "\n";
        answerLines_.push_back(*line);
        Read();
        if (first) {
            ++questionNumber_;
            first = false;
        }
    }
    view_.next = view_.copy = true;
    view_.yes = view_.no = false;
    view_.focus = AnalyzerView::Focus::Next;
}

void HoraryAnalyzer::No() {
    if (finished_ || !view_.no) return;
    ++questionNumber_;
    // Skips the answer block up to and including its ";"; FINIS stays for
    // the next question to find.
    while (const std::string* line = Peek()) {
        if (IsFinis(*line)) break;
        Read();
        if (IsSeparator(*line)) break;
    }
    ShowNextQuestion();
}

void HoraryAnalyzer::Next() {
    if (finished_ || !view_.next) return;
    view_.answer.clear();
    view_.copy = false;
    ShowNextQuestion();
    if (view_.no) view_.focus = AnalyzerView::Focus::No;
}

void HoraryAnalyzer::Copy(ReportBuffer& out) {
    view_.copy = false;
    for (const auto& line : answerLines_) out.AppendLine("  " + line);
    out.AppendBlankLine();
}

// ---------------------------------------------------------------- whole topics

std::vector<TopicQuestion> WalkTopic(int topic, const std::vector<std::string>& lines) {
    std::vector<TopicQuestion> questions;
    HoraryAnalyzer analyzer;
    analyzer.StartTopic(topic, lines);
    while (!analyzer.finished()) {
        TopicQuestion q{analyzer.questionNumber(), analyzer.view().question, {}};
        analyzer.Yes();
        q.answer = analyzer.answerLines();
        questions.push_back(std::move(q));
        analyzer.Next();
    }
    return questions;
}

std::vector<std::string> TopicListing(const AnalyzerTopic& topic, const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.push_back(std::string(topic.caption) + " (" + topic.file + ", topic " + std::to_string(topic.number) + ")");
    out.emplace_back();
    const auto questions = WalkTopic(topic.number, lines);
    for (const auto& q : questions) {
        std::size_t start = 0;
        while (true) {
            const std::size_t end = q.question.find('\n', start);
            out.push_back(q.question.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        out.emplace_back();
        for (const auto& line : q.answer) out.push_back("  " + line);
        out.emplace_back();
    }
    out.push_back(std::to_string(questions.size()) + (questions.size() == 1 ? " question" : " questions"));
    return out;
}

std::vector<std::string> TopicFileProblems(int topic, const std::vector<std::string>& lines) {
    std::vector<std::string> problems;
    auto at = [](std::size_t index) { return "line " + std::to_string(index + 1) + ": "; };

    // The blocks between ";" lines, up to FINIS.
    struct Block {
        std::vector<std::size_t> lines;
        bool closed = false;
    };
    std::vector<Block> blocks;
    Block current;
    bool finis = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsFinis(line)) {
            finis = true;
            break;
        }
        if (line.size() > kAnswerAreaColumns)
            problems.push_back(at(i) + std::to_string(line.size()) + " characters, wider than the " +
                               std::to_string(kAnswerAreaColumns) + " of the answer area");
        if (IsSeparator(line)) {
            if (current.lines.empty()) {
                problems.push_back(at(i) + "an empty block: \";\" follows \";\"");
                continue;
            }
            current.closed = true;
            blocks.push_back(std::move(current));
            current = Block{};
        } else {
            current.lines.push_back(i);
        }
    }
    if (!current.lines.empty()) blocks.push_back(std::move(current));

    // Where a block's text begins: after its marker line, which should be
    // the number with Q or A (`kind`); a marker of another number is
    // reported and skipped.
    auto textAfterMarker = [&](const Block& block, int number, char kind, const char* what) -> std::size_t {
        const std::string marker = std::to_string(number) + kind;
        const std::size_t first = block.lines.front();
        if (lines[first] == marker) return 1;
        if (IsMarker(lines[first], kind)) {
            problems.push_back(at(first) + "the marker " + lines[first] + " where " + marker + " belongs");
            return 1;
        }
        problems.push_back(at(first) + what + " " + std::to_string(number) + " has no marker " + marker);
        return 0;
    };

    int number = topic * 1000;
    for (std::size_t k = 0; k < blocks.size(); k += 2, ++number) {
        const Block& q = blocks[k];
        const std::size_t first = q.lines.front();
        const std::size_t text = textAfterMarker(q, number, 'Q', "question");
        if (text >= q.lines.size()) problems.push_back(at(first) + "question " + std::to_string(number) + " has no text");
        for (std::size_t j = text; j + 1 < q.lines.size(); ++j) {
            const std::string& line = lines[q.lines[j]];
            if (!line.empty() && line.back() != ' ')
                problems.push_back(at(q.lines[j]) + "the question line runs into the next without a blank");
        }
        if (!q.closed) {
            problems.push_back(at(q.lines.back()) + "question " + std::to_string(number) + " is not closed by \";\"");
            break;
        }
        if (k + 1 >= blocks.size()) {
            problems.push_back(at(q.lines.back()) + "question " + std::to_string(number) + " has no answer");
            break;
        }
        const Block& a = blocks[k + 1];
        const std::size_t aText = textAfterMarker(a, number, 'A', "answer");
        if (aText >= a.lines.size())
            problems.push_back(at(a.lines.front()) + "question " + std::to_string(number) + " has no answer");
        if (!a.closed)
            problems.push_back(at(a.lines.back()) + "answer " + std::to_string(number) + " is not closed by \";\"");
    }
    if (!finis) problems.push_back("the file ends without a line FINIS");
    return problems;
}

void BeginAnalyzerReport(const std::string& chartName, ReportBuffer& out) {
    out.BeginReport();
    out.AppendBlankLine();
    out.AppendLine("  " + chartName);
    out.AppendBlankLine();
}

}  // namespace quaeryn
