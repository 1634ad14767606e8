#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "reference/ui/AnalyzerWindow.h"
#include "reference/ui/ReferenceWindowFixture.h"

namespace quaeryn::test {
namespace {

using ui::AnalyzerWindow;

// A Lost and Found topic of three questions; the first answer has three
// lines.
const char* const kLostTopic =
    "5000Q\r\nIs the lord of the 2nd \r\nin an angle?\r\n;\r\n5000A\r\n"
    "Near at hand.\r\nIn the house.\r\nLikely found.\r\n;\r\n"
    "5001Q\r\nIs the Moon void of course?\r\n;\r\n5001A\r\nThe search fails for now.\r\n;\r\n"
    "5002Q\r\nIs the significator retrograde?\r\n;\r\n5002A\r\nIt comes back.\r\n;\r\nFINIS\r\n";

struct Buttons {
    bool yes, no, next, copy;
};

void ExpectButtons(const AnalyzerWindow& w, Buttons b) {
    EXPECT_EQ(w.cmdYes->isVisibleTo(&w), b.yes);
    EXPECT_EQ(w.cmdNo->isVisibleTo(&w), b.no);
    EXPECT_EQ(w.cmdNext->isVisibleTo(&w), b.next);
    EXPECT_EQ(w.cmdCopy->isVisibleTo(&w), b.copy);
    EXPECT_TRUE(w.cmdQuit->isVisibleTo(&w));
}

TEST(AnalyzerWindow, LoadsWithTheTopicGridAndOnlyTheNote) {
    ReferenceWindowFixture f;
    AnalyzerWindow w(f.context());
    w.show();
    EXPECT_EQ(w.windowTitle(), "Horary Analyzer");
    EXPECT_EQ(w.Label3->text(), "Choose a topic:");
    EXPECT_EQ(w.Label1->text(), "NOTE: Click on a topic for information");
    EXPECT_EQ(w.Text1->toPlainText(), "");
    ExpectButtons(w, {false, false, false, false});
    EXPECT_EQ(w.cmdNext->text(), "Next ?");
    ASSERT_EQ(w.grdOutput->rowCount(), 8);
    ASSERT_EQ(w.grdOutput->columnCount(), 3);
    for (const auto& topic : AnalyzerTopics()) {
        const int column = (topic.number - 1) / 8, row = (topic.number - 1) % 8;
        ASSERT_NE(w.grdOutput->item(row, column), nullptr);
        EXPECT_EQ(w.grdOutput->item(row, column)->text().toStdString(), topic.caption);
    }
    EXPECT_EQ(w.grdOutput->item(3, 1)->text(), "House rulerships");
    // Every caption fits its cell, and no cell is smaller than 1660 x 250 twips.
    const QFontMetrics metrics(w.grdOutput->font());
    for (int c = 0; c < 3; ++c) {
        EXPECT_GE(w.grdOutput->columnWidth(c), 111);
        for (int r = 0; r < 8; ++r)
            EXPECT_LT(metrics.horizontalAdvance(w.grdOutput->item(r, c)->text()), w.grdOutput->columnWidth(c));
    }
    for (int r = 0; r < 8; ++r) EXPECT_GE(w.grdOutput->rowHeight(r), 17);
}

TEST(AnalyzerWindow, WalksATopicWithYesNoNextAndCopy) {
    ReferenceWindowFixture f;
    f.folder.Write("LOST.HA", kLostTopic);
    BeginAnalyzerReport("Lost ring", f.buffer);  // the menu command's head
    AnalyzerWindow w(f.context());
    w.show();

    emit w.grdOutput->cellClicked(4, 0);  // Lost and Found
    EXPECT_EQ(w.Label1->text(), "5000Q\n\nIs the lord of the 2nd in an angle?");
    ExpectButtons(w, {true, true, false, false});

    w.cmdYes->click();
    EXPECT_EQ(w.Text1->toPlainText(), "Near at hand.\nIn the house.\nLikely found.\n");
    ExpectButtons(w, {false, false, true, true});
    EXPECT_EQ(w.focusWidget(), w.cmdNext);

    w.cmdCopy->click();
    EXPECT_EQ(f.pagesShown, 1);
    ExpectButtons(w, {false, false, true, false});
    const std::vector<std::string> copied = {
        "", "  Lost ring", "", "  Near at hand.", "  In the house.", "  Likely found.", "",
        "",  // the blank line of showing the Data window
        "",  // the empty last entry
    };
    EXPECT_EQ(f.buffer.PageBuffer(), copied);

    w.cmdNext->click();
    EXPECT_EQ(w.Label1->text(), "5001Q\n\nIs the Moon void of course?");
    EXPECT_EQ(w.Text1->toPlainText(), "");
    ExpectButtons(w, {true, true, false, false});
    EXPECT_EQ(w.focusWidget(), w.cmdNo);

    w.cmdNo->click();  // its answer is never shown
    EXPECT_EQ(w.Label1->text(), "5002Q\n\nIs the significator retrograde?");
    EXPECT_EQ(w.Text1->toPlainText(), "");
    ExpectButtons(w, {true, true, false, false});

    w.cmdYes->click();
    EXPECT_EQ(w.Text1->toPlainText(), "It comes back.\n");
    w.cmdNext->click();
    EXPECT_EQ(w.Label1->text(), "\nPlease pick another topic");
    ExpectButtons(w, {false, false, false, false});
    EXPECT_EQ(f.buffer.PageBuffer(), copied);  // nothing more was copied

    // Another click starts the topic over.
    emit w.grdOutput->cellClicked(4, 0);
    EXPECT_EQ(w.analyzer().questionNumber(), 5000);
    ExpectButtons(w, {true, true, false, false});

    w.cmdQuit->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(AnalyzerWindow, AMissingTopicFileWarnsAndClosesTheWindow) {
    ReferenceWindowFixture f;
    AnalyzerWindow w(f.context());
    w.show();
    f.prompt.expect("topic-file-missing");
    emit w.grdOutput->cellClicked(3, 1);
    EXPECT_TRUE(f.prompt.done());
    EXPECT_EQ(f.prompt.seen().at(0).text, "Cannot find correct file.");
    EXPECT_FALSE(w.isVisible());
}

TEST(AnalyzerWindow, EveryShippedTopicCanBeWalkedToItsEnd) {
    ReferenceWindowFixture f;
    f.folder.SeedShippedData();
    AnalyzerWindow w(f.context());
    w.show();
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 8; ++row) {
            const AnalyzerTopic& topic = TopicByNumber(TopicOfCell(column, row));
            SCOPED_TRACE(topic.file);
            emit w.grdOutput->cellClicked(row, column);
            int answered = 0;
            while (w.cmdYes->isVisibleTo(&w) && answered < 100) {
                EXPECT_TRUE(w.Label1->text().startsWith(QString::number(w.analyzer().questionNumber()) + "Q\n\n"));
                w.cmdYes->click();
                EXPECT_FALSE(w.Text1->toPlainText().isEmpty());
                ++answered;
                w.cmdNext->click();
            }
            EXPECT_GE(answered, 15);
            EXPECT_EQ(w.Label1->text(), "\nPlease pick another topic");
            EXPECT_EQ(w.analyzer().questionNumber(), topic.number * 1000 + answered);
        }
}

TEST(AnalyzerWindow, TheAnswerAreaHoldsTheWidestLineOfATopicFile) {
    ReferenceWindowFixture f;
    AnalyzerWindow w(f.context());
    w.show();
    w.adjustSize();
    const QFontMetrics metrics(w.Text1->font());
    const int line = metrics.horizontalAdvance(QString(static_cast<int>(kAnswerAreaColumns), 'M'));
    EXPECT_GE(w.Text1->viewport()->width(), line + 2 * w.Text1->document()->documentMargin());
    EXPECT_EQ(w.Label1->width(), w.Text1->width());
}

TEST(AnalyzerWindow, DrawsTheSunkenBevelAroundItsControls) {
    ReferenceWindowFixture f;
    AnalyzerWindow w(f.context());
    w.show();
    w.adjustSize();
    const QImage picture = w.grab().toImage();
    for (const QWidget* control : std::initializer_list<const QWidget*>{w.grdOutput, w.Label1, w.Text1, w.Label3}) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_TRUE(HasSunkenBorder(picture, control));
    }
}

}  // namespace
}  // namespace quaeryn::test
