#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Layout.h"
#include "base/ReportBuffer.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;

TEST(ReportBuffer, ShowingAReportAppendsABlankLineAndShowsTheEmptyLastEntry) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    b.BeginReport();
    b.AppendLine("one");
    b.AppendLine("two");
    b.AppendBlankLine();
    EXPECT_EQ(b.PageLineCount(), 3);
    EXPECT_TRUE(b.ShowDataWindow());
    EXPECT_EQ(b.PageLineCount(), 4);
    EXPECT_EQ(b.PageText(), "one\r\ntwo\r\n\r\n\r\n\r\n");  // five text lines, the last two empty
    EXPECT_EQ(b.DataLineCount(), 4);
    EXPECT_EQ(b.DataBuffer().size(), 5u);
    EXPECT_EQ(b.DataBuffer().back(), "");
}

TEST(ReportBuffer, AppendLineKeepsCurrentLine) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    b.CurrentLine = "  kept";
    b.AppendLine();
    b.AppendLine();
    EXPECT_EQ(b.CurrentLine, "  kept");
    EXPECT_EQ(b.PageBuffer()[1], "  kept");
}

TEST(ReportBuffer, AMinimizedWindowOrAnEmptyBufferShowsNothing) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    EXPECT_FALSE(b.ShowDataWindow());
    b.AppendLine("x");
    EXPECT_FALSE(b.ShowDataWindow(true));
    EXPECT_EQ(b.DataLineCount(), 1);
}

TEST(ReportBuffer, BeginReportEmptiesOnlyThePage) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    b.AppendLine("a");
    b.BeginReport();
    b.AppendLine("b");
    EXPECT_EQ(b.PageLineCount(), 1);
    EXPECT_EQ(b.DataLineCount(), 2);
    b.ResetBuffers();
    EXPECT_EQ(b.PageLineCount(), 0);
    EXPECT_EQ(b.DataLineCount(), 0);
}

TEST(ReportBuffer, WarnsWhenNearlyFullAndRefusesThe32768thLine) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    for (int i = 0; i < 999; ++i) b.AppendLine("line");
    EXPECT_TRUE(b.ShowDataWindow());  // 1000 lines now: not yet
    EXPECT_EQ(prompt.seenIds(), std::vector<std::string>{});
    prompt.expect("buffer-nearly-full");
    b.BeginReport();
    EXPECT_TRUE(b.ShowDataWindow());  // 1001 > 1000
    while (b.DataLineCount() < ReportBuffer::kMaxLines) b.AppendLine("fill");
    prompt.expect("buffer-full").expect("buffer-full");
    b.AppendLine("refused");
    b.AppendLine("refused again");
    EXPECT_EQ(b.DataLineCount(), 32767);
    EXPECT_NE(b.DataBuffer()[32766], "refused");
    ASSERT_EQ(prompt.seen().size(), 3u);
    EXPECT_EQ(prompt.seen()[1].icon, PromptIcon::Critical);
    EXPECT_EQ(prompt.seen()[1].title, "Warning!");
}

TEST(ReportBuffer, AFullPageRefusesLinesAfterTheDataBufferWasCleared) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    while (b.PageLineCount() < ReportBuffer::kMaxLines) b.AppendLine("fill");
    prompt.expect("data-cleared").expect("buffer-full");
    b.ClearDataBuffer();
    b.AppendLine("refused");
    EXPECT_EQ(b.PageLineCount(), ReportBuffer::kMaxLines);
    EXPECT_EQ(b.DataLineCount(), 0);
    EXPECT_EQ(b.PageBuffer().size(), static_cast<std::size_t>(ReportBuffer::kMaxLines) + 1);
    EXPECT_EQ(b.PageBuffer().back(), "");
    EXPECT_EQ(b.PageText().find("refused"), std::string::npos);
    // A new report starts a new page and is taken again.
    b.BeginReport();
    b.AppendLine("taken");
    EXPECT_EQ(b.PageLineCount(), 1);
    EXPECT_EQ(b.DataLineCount(), 1);
}

TEST(ReportBuffer, ClearAllDataEmptiesTheDataBufferOnly) {
    ScriptedPrompt prompt;
    prompt.expect("data-cleared");
    ReportBuffer b(prompt);
    b.AppendLine("a");
    b.ClearDataBuffer();
    EXPECT_EQ(b.DataLineCount(), 0);
    EXPECT_EQ(b.PageLineCount(), 1);
    EXPECT_EQ(prompt.seen()[0].text, "All data cleared from buffer.");
    EXPECT_EQ(prompt.seen()[0].title, "Information!");
}

TEST(DocumentText, PutsAFormFeedLineAfterEveryPageAndAtTheEnd) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    for (int i = 0; i < 125; ++i) b.AppendLine("L" + std::to_string(i));
    const std::string doc = DocumentText(b, 61.0f);
    // Lines 0 … 125 (the last is the empty last entry); a form feed after
    // lines 60 and 120, and one at the end.
    std::string expected;
    for (int i = 0; i <= 125; ++i) {
        expected += (i < 125 ? "L" + std::to_string(i) : std::string()) + "\r\n";
        if (i != 0 && i % 60 == 0) expected += "\f\r\n";
    }
    expected += "\f\r\n";
    EXPECT_EQ(doc, expected);
}

TEST(DocumentText, AnOptionBelowTwoWritesOnlyTheFinalFormFeed) {
    ScriptedPrompt prompt;
    ReportBuffer b(prompt);
    b.AppendLine("a");
    b.AppendLine("b");
    EXPECT_EQ(DocumentText(b, 1.0f), "a\r\nb\r\n\r\n\f\r\n");
    EXPECT_EQ(DocumentText(b, 0.0f), "a\r\nb\r\n\r\n\f\r\n");
    // A page longer than any buffer (or no number at all) breaks nowhere.
    for (float option45 : {1e30f, std::numeric_limits<float>::infinity(), std::nanf(""), -1e30f})
        EXPECT_EQ(DocumentText(b, option45), "a\r\nb\r\n\r\n\f\r\n") << option45;
}

TEST(ProposedDocumentName, TakesTheFirstWordUpToEightCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"John Smith", "John.DOC"},     {"Elizabeth Ann", "Elizabet.DOC"},
        {"Question", "Question.DOC"},   {"LostKeys2", "LostKeys.DOC"},
        {"", ".DOC"},                   {" Leading", ".DOC"},
        {"Abcdefgh ij", "Abcdefgh.DOC"}, {"Abcdefghi j", "Abcdefgh.DOC"},
        {"Q1/2026 sale", "Q1-2026.DOC"}, {"a\\b", "a-b.DOC"}};
    for (auto [name, doc] : cases) EXPECT_EQ(ProposedDocumentName(name), doc) << name;
}

TEST(ChooseLayout, FollowsTheScreenTable) {
    struct Case {
        int width, twips, classWidth, wheelW, wheelH;
        double factor;
    } cases[] = {
        {640, 15, 640, 8490, 7200, 1.5},      {800, 15, 800, 10725, 8940, 1.5},
        {800, 12, 800, 8400, 7200, 1.2},      {800, 10, 800, 10725, 8940, 1.5},
        {1024, 15, 1024, 14050, 11505, 1.5}, {1920, 15, 1024, 14050, 11505, 1.5},
        {1024, 12, 1024, 10970, 9204, 1.2},  {2560, 8, 1024, 10970, 9204, 1.2},
    };
    for (const auto& c : cases) {
        const auto l = ChooseLayout(c.width, c.twips);
        EXPECT_EQ(l.screenClassWidth, c.classWidth);
        EXPECT_EQ(l.wheelWidthTwips, c.wheelW);
        EXPECT_EQ(l.wheelHeightTwips, c.wheelH);
        EXPECT_DOUBLE_EQ(l.FontStep(), c.factor / 2);
    }
}

}  // namespace
}  // namespace quaeryn
