// "Horary Analyzer": the grid of the 24 topics, the question and answer
// areas and the buttons that walk a topic. The walking itself is
// HoraryAnalyzer's; the window shows what it holds after every step. "Copy"
// writes into the context's report buffer and shows the page.
#pragma once

#include <QWidget>

#include "base/ui/WindowContext.h"
#include "reference/Analyzer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace quaeryn::ui {

class AnalyzerWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalyzerWindow(const WindowContext& context, QWidget* parent = nullptr);

    // A click on the grid cell (row and column from 0) starts its topic.
    void grdOutput_Click(int row, int column);
    void cmdYes_Click();
    void cmdNo_Click();
    void cmdNext_Click();
    void cmdCopy_Click();
    void cmdQuit_Click();

    QTableWidget* grdOutput = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdNo = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdQuit = nullptr;

    const HoraryAnalyzer& analyzer() const { return analyzer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Shows the analyzer's question, answer and buttons.
    void Apply();

    WindowContext context_;
    HoraryAnalyzer analyzer_;
};

}  // namespace quaeryn::ui
