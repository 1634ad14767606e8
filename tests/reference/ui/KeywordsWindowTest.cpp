#include <QFontInfo>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "reference/Keywords.h"
#include "reference/ui/KeywordsWindow.h"
#include "reference/ui/ReferenceWindowFixture.h"

namespace quaeryn::test {
namespace {

using ui::KeywordsWindow;

TEST(KeywordsWindow, ShowsTheGridInAFixedPitchFontUnderItsHeading) {
    ReferenceWindowFixture f;
    KeywordsWindow w(f.context());
    w.show();
    EXPECT_EQ(w.windowTitle(), "Keywords");
    EXPECT_EQ(w.Label2->text(), "    Planet          Sign             House         Quality");
    EXPECT_EQ(w.Label1->text(), "NOTE: Click on a topic for information");
    ASSERT_EQ(w.grdOutput->rowCount(), 12);
    ASSERT_EQ(w.grdOutput->columnCount(), 4);
    EXPECT_TRUE(QFontInfo(w.grdOutput->font()).fixedPitch());
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(w.grdOutput->item(row, column)->text().toStdString(), KeywordCell(row, column));
    EXPECT_EQ(w.grdOutput->item(4, 1)->text(), "Leo");
    EXPECT_EQ(w.grdOutput->item(10, 0)->text(), "Aspects");
    // Each column is at least 1200 twips wide and every row 250 twips high.
    for (int column = 0; column < 4; ++column) EXPECT_GE(w.grdOutput->columnWidth(column), 80);
    for (int row = 0; row < 12; ++row) EXPECT_GE(w.grdOutput->rowHeight(row), 17);
}

TEST(KeywordsWindow, AClickOnATopicShowsItsMessageAndAnEmptyCellNothing) {
    ReferenceWindowFixture f;
    KeywordsWindow w(f.context());
    w.show();

    f.prompt.expect("keyword");
    emit w.grdOutput->cellClicked(4, 1);
    ASSERT_EQ(f.prompt.seen().size(), 1u);
    const PromptMessage& leo = f.prompt.seen()[0];
    EXPECT_EQ(leo.title, "Leo");
    EXPECT_EQ(leo.icon, PromptIcon::Information);
    EXPECT_EQ(leo.text.rfind("In the house where Leo rules the cusp is where:\r\n", 0), 0u);

    // The two empty cells: no message (the scripted prompt fails on any).
    emit w.grdOutput->cellClicked(4, 3);
    emit w.grdOutput->cellClicked(8, 3);
    EXPECT_EQ(f.prompt.seen().size(), 1u);

    // Every other cell: a message titled by its text.
    f.prompt.allow("keyword");
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 4; ++column) {
            const std::string cell = KeywordCell(row, column);
            if (cell.empty()) continue;
            const std::size_t before = f.prompt.seen().size();
            emit w.grdOutput->cellClicked(row, column);
            ASSERT_EQ(f.prompt.seen().size(), before + 1) << cell;
            EXPECT_EQ(f.prompt.seen().back().title, cell);
            EXPECT_EQ(f.prompt.seen().back().text, KeywordText(cell).value());
        }
}

TEST(KeywordsWindow, DrawsTheSunkenBevelAroundTheGridAndTheNote) {
    ReferenceWindowFixture f;
    KeywordsWindow w(f.context());
    w.show();
    const QImage picture = w.grab().toImage();
    EXPECT_TRUE(HasSunkenBorder(picture, w.grdOutput));
    EXPECT_TRUE(HasSunkenBorder(picture, w.Label1));
}

}  // namespace
}  // namespace quaeryn::test
