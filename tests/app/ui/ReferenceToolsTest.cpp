// The two reference tools as the main window runs them: "&Keywords" on the
// menu bar and "&Horary Analyzer" (F11) in the Data menu.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "app/ui/DataWindow.h"
#include "reference/ui/AnalyzerWindow.h"
#include "reference/ui/KeywordsWindow.h"
#include "support/ui/GuiSession.h"

namespace quaeryn::test {
namespace {

template <class Window>
QList<Window*> OpenWindows(const ui::MainWindow& main) {
    QList<Window*> open;
    for (Window* w : main.findChildren<Window*>())
        if (w->isVisible()) open << w;
    return open;
}

TEST(ReferenceTools, TheKeywordsCardOpensWithoutAChartAndOnce) {
    GuiSession g;
    QAction* keywords = g.window->action("mnuKeywords");
    ASSERT_NE(keywords, nullptr);
    EXPECT_EQ(keywords->text(), "&Keywords");
    EXPECT_TRUE(keywords->isVisible());
    EXPECT_TRUE(keywords->isEnabled());

    ASSERT_TRUE(g.window->trigger("mnuKeywords"));
    ASSERT_EQ(OpenWindows<ui::KeywordsWindow>(*g.window).size(), 1);
    ASSERT_TRUE(g.window->trigger("mnuKeywords"));  // brought forward, not opened twice
    ASSERT_EQ(OpenWindows<ui::KeywordsWindow>(*g.window).size(), 1);

    // Closed, it is gone; the command opens it afresh.
    OpenWindows<ui::KeywordsWindow>(*g.window).front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(g.window->findChildren<ui::KeywordsWindow*>().isEmpty());
    ASSERT_TRUE(g.window->trigger("mnuKeywords"));
    EXPECT_EQ(OpenWindows<ui::KeywordsWindow>(*g.window).size(), 1);
}

TEST(ReferenceTools, TheAnalyzerStartsAReportWithTheChartsNameAndCopiesBelowIt) {
    GuiSession g;
    QAction* analyzer = g.window->action("mnuHoraryAnalyzer");
    ASSERT_NE(analyzer, nullptr);
    EXPECT_EQ(analyzer->text(), "&Horary Analyzer");
    EXPECT_EQ(analyzer->shortcut(), QKeySequence("F11"));
    EXPECT_TRUE(analyzer->isEnabled());
    // Without a chart there is no name to start the report with.
    g.window->trigger("mnuHoraryAnalyzer");
    EXPECT_TRUE(OpenWindows<ui::AnalyzerWindow>(*g.window).isEmpty());

    g.FillGoodEntries();
    ASSERT_TRUE(g.window->CastFromEntries());
    const int before = g.session->buffer.DataLineCount();
    ASSERT_TRUE(g.window->trigger("mnuHoraryAnalyzer"));
    const auto open = OpenWindows<ui::AnalyzerWindow>(*g.window);
    ASSERT_EQ(open.size(), 1);
    ui::AnalyzerWindow* w = open.front();
    EXPECT_EQ(g.session->buffer.PageBuffer(), (std::vector<std::string>{"", "  John Smith", "", ""}));

    emit w->grdOutput->cellClicked(0, 0);  // General horary, from the data folder
    EXPECT_TRUE(w->Label1->text().startsWith("1000Q\n\n"));
    w->cmdYes->click();
    const std::vector<std::string> answer = w->analyzer().answerLines();
    ASSERT_FALSE(answer.empty());
    w->cmdCopy->click();

    std::vector<std::string> expected = {"", "  John Smith", ""};
    for (const auto& line : answer) expected.push_back("  " + line);
    expected.insert(expected.end(), {"", "", ""});  // the copy's empty line, the shown page's, the last entry
    EXPECT_EQ(g.session->buffer.PageBuffer(), expected);
    EXPECT_EQ(g.session->buffer.DataLineCount(), before + static_cast<int>(answer.size()) + 5);
    ui::DataWindow* data = g.window->dataWindow();
    EXPECT_TRUE(data->isVisible());
    EXPECT_TRUE(data->Text1()->toPlainText().startsWith(QString("\n  John Smith\n\n  ") + ui::Q(answer.front()) + "\n"));
}

}  // namespace
}  // namespace quaeryn::test
