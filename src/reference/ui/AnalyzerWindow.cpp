#include "reference/ui/AnalyzerWindow.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "base/ui/UiCommon.h"
#include "reference/ui/TopicGrid.h"

namespace quaeryn::ui {

namespace {

// Each row of the grid is 250 twips high and each column 1660 twips wide,
// or more when the captions need it.
constexpr int kRowTwips = 250;
constexpr int kColumnTwips = 1660;

}  // namespace

AnalyzerWindow::AnalyzerWindow(const WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setObjectName("Analyzer");
    setWindowTitle("Horary Analyzer");

    Label3 = new QLabel("Choose a topic:", this);
    Label3->setObjectName("Label3");

    // The grid of topics: fixed rows and columns, no headers, no editing.
    grdOutput = NewTopicGrid(kAnalyzerGridRows, kAnalyzerGridColumns, this);
    const QFontMetrics gridMetrics(grdOutput->font());
    int columnWidth = ToPixels(kColumnTwips);
    for (const auto& topic : AnalyzerTopics()) {
        const int column = (topic.number - 1) / kAnalyzerGridRows;
        const int row = (topic.number - 1) % kAnalyzerGridRows;
        grdOutput->setItem(row, column, new QTableWidgetItem(Q(topic.caption)));
        columnWidth = std::max(columnWidth, gridMetrics.horizontalAdvance(Q(topic.caption)) + 12);
    }
    SizeTopicGrid(grdOutput, columnWidth, std::max(ToPixels(kRowTwips), gridMetrics.height() + 4));

    // The answer area holds the widest line of a topic file without
    // wrapping; the question area above it has the same width.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setFont(FixedFont(10));
    const QFontMetrics textMetrics(Text1->font());
    const int textWidth = textMetrics.horizontalAdvance(QString(static_cast<int>(kAnswerAreaColumns), 'M')) +
                          static_cast<int>(2 * Text1->document()->documentMargin()) + 2 * Text1->frameWidth() +
                          Text1->verticalScrollBar()->sizeHint().width() + 4;
    Text1->setMinimumWidth(textWidth);
    Text1->setMinimumHeight(textMetrics.lineSpacing() * 12);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMinimumWidth(textWidth);
    Label1->setMinimumHeight(QFontMetrics(Label1->font()).lineSpacing() * 6);

    cmdYes = new QPushButton("Yes", this);
    cmdYes->setObjectName("cmdYes");
    cmdNo = new QPushButton("No", this);
    cmdNo->setObjectName("cmdNo");
    cmdNext = new QPushButton("Next ?", this);
    cmdNext->setObjectName("cmdNext");
    cmdCopy = new QPushButton("Copy", this);
    cmdCopy->setObjectName("cmdCopy");
    cmdQuit = new QPushButton("Quit", this);
    cmdQuit->setObjectName("cmdQuit");

    // Room around every bordered control for its bevel.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addWidget(Label3, 0, Qt::AlignLeft);
    layout->addWidget(grdOutput, 0, Qt::AlignLeft);
    layout->addWidget(Label1);
    layout->addWidget(Text1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdYes, cmdNo, cmdNext, cmdCopy}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdQuit);
    layout->addLayout(buttons);

    connect(grdOutput, &QTableWidget::cellClicked, this, [this](int row, int column) { grdOutput_Click(row, column); });
    connect(cmdYes, &QPushButton::clicked, this, &AnalyzerWindow::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &AnalyzerWindow::cmdNo_Click);
    connect(cmdNext, &QPushButton::clicked, this, &AnalyzerWindow::cmdNext_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &AnalyzerWindow::cmdCopy_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &AnalyzerWindow::cmdQuit_Click);

    // Load: only the grid and the note until a topic is chosen.
    Apply();
}

void AnalyzerWindow::Apply() {
    const AnalyzerView& v = analyzer_.view();
    Label1->setText(Q(v.question));
    Text1->setPlainText(Q(v.answer));
    cmdYes->setVisible(v.yes);
    cmdNo->setVisible(v.no);
    cmdNext->setVisible(v.next);
    cmdCopy->setVisible(v.copy);
    if (v.focus == AnalyzerView::Focus::Next) cmdNext->setFocus();
    if (v.focus == AnalyzerView::Focus::No) cmdNo->setFocus();
}

void AnalyzerWindow::grdOutput_Click(int row, int column) {
    if (row < 0 || row >= kAnalyzerGridRows || column < 0 || column >= kAnalyzerGridColumns) return;
    if (!analyzer_.StartTopic(TopicOfCell(column, row), context_.dir, context_.prompt)) {
        close();
        return;
    }
    Apply();
}

void AnalyzerWindow::cmdYes_Click() {
    analyzer_.Yes();
    Apply();
}

void AnalyzerWindow::cmdNo_Click() {
    analyzer_.No();
    Apply();
}

void AnalyzerWindow::cmdNext_Click() {
    analyzer_.Next();
    Apply();
}

void AnalyzerWindow::cmdCopy_Click() {
    analyzer_.Copy(context_.buffer);
    Apply();
    if (context_.showPage) context_.showPage();
}

void AnalyzerWindow::cmdQuit_Click() { close(); }

void AnalyzerWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    for (const QWidget* control : {static_cast<QWidget*>(grdOutput), static_cast<QWidget*>(Label1),
                                   static_cast<QWidget*>(Text1), static_cast<QWidget*>(Label3)})
        DrawSunkenBorder(painter, control);
}

}  // namespace quaeryn::ui
