#include "reference/ui/KeywordsWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/ui/UiCommon.h"
#include "reference/Keywords.h"
#include "reference/ui/TopicGrid.h"

namespace quaeryn::ui {

namespace {

// Every row is 250 twips high and every column 1200 twips wide, or more
// when the font needs it.
constexpr int kRowTwips = 250;
constexpr int kColumnTwips = 1200;
// A column holds 16 characters of the fixed-pitch font, so that the
// heading above the grid stands over its columns.
constexpr int kColumnCharacters = 16;

}  // namespace

KeywordsWindow::KeywordsWindow(const WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setObjectName("Keywords");
    setWindowTitle("Keywords");
    const QFont fixed = FixedFont(9);
    const QFontMetrics metrics(fixed);

    Label2 = new QLabel(kKeywordsHeading, this);
    Label2->setObjectName("Label2");
    Label2->setFont(fixed);
    Label2->setTextFormat(Qt::PlainText);

    grdOutput = NewTopicGrid(kKeywordRows, kKeywordColumns, this);
    grdOutput->setFont(fixed);
    for (int row = 0; row < kKeywordRows; ++row)
        for (int column = 0; column < kKeywordColumns; ++column)
            grdOutput->setItem(row, column, new QTableWidgetItem(Q(KeywordCell(row, column))));
    SizeTopicGrid(grdOutput,
                  std::max(ToPixels(kColumnTwips), metrics.horizontalAdvance(QString(kColumnCharacters, 'M'))),
                  std::max(ToPixels(kRowTwips), metrics.height() + 4));

    Label1 = new QLabel(kKeywordsNote, this);
    Label1->setObjectName("Label1");
    QFont verdana = Label1->font();
    verdana.setFamily("Verdana");
    Label1->setFont(verdana);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addWidget(Label2, 0, Qt::AlignLeft);
    layout->addWidget(grdOutput, 0, Qt::AlignLeft);
    layout->addWidget(Label1, 0, Qt::AlignLeft);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(grdOutput, &QTableWidget::cellClicked, this, [this](int row, int column) { grdOutput_Click(row, column); });
}

void KeywordsWindow::grdOutput_Click(int row, int column) {
    const QTableWidgetItem* cell = grdOutput->item(row, column);
    if (!cell) return;
    if (const auto message = KeywordMessage(S(cell->text()))) context_.prompt.notify(*message);
}

void KeywordsWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    DrawSunkenBorder(painter, grdOutput);
    DrawSunkenBorder(painter, Label1);
}

}  // namespace quaeryn::ui
