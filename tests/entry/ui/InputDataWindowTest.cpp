#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "entry/ui/InputDataWindow.h"
#include "support/ui/GuiSession.h"

namespace quaeryn::test {
namespace {

using ui::InputDataWindow;

TEST(InputDataWindow, TheHourIsNormalisedAsItIsTyped) {
    struct Case {
        const char* typed;
        const char* shown;
        bool pm;
    } cases[] = {{"0", "12", false}, {"15", "3", true}, {"24", "12", true}, {"12", "12", false},
                 {"7", "7", false},  {"13", "1", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        GuiSession g;
        InputDataWindow* w = g.window->inputWindow();
        w->optAM->setChecked(true);
        w->txtBirthHour->selectAll();
        Type(w->txtBirthHour, c.typed);
        EXPECT_EQ(w->txtBirthHour->text(), c.shown);
        EXPECT_EQ(w->optPM->isChecked(), c.pm);
        EXPECT_EQ(g.session->entries.hour, c.shown);
        EXPECT_EQ(g.session->entries.pm, c.pm);
    }
}

TEST(InputDataWindow, DeletingTheHourAsksForOne) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    w->txtBirthHour->selectAll();
    Type(w->txtBirthHour, "5");
    g.prompt.expect("hour-empty");
    PressBackspace(w->txtBirthHour);
    EXPECT_EQ(w->txtBirthHour->text(), "");
    EXPECT_TRUE(g.prompt.done());
    // Pasted text is not filtered: a letter gets the second message and is
    // selected for retyping.
    g.prompt.expect("hour-not-number");
    w->txtBirthHour->insert("x");
    EXPECT_EQ(w->txtBirthHour->selectedText(), "x");
}

TEST(InputDataWindow, KeyFiltersDiscardWhatAFieldCannotHold) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    struct Case {
        QLineEdit* field;
        const char* typed;
        const char* kept;
    } cases[] = {
        {w->txtDay, "1a -.2", "12"},        {w->txtYear, "2O01x", "201"},
        {w->txtTZ, "-5.5h", "-5.5"},        {w->txtLongMin, "+59", "59"},
        {w->txtName, "Lost keys, 2", "Lost keys, 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        c.field->clear();
        Type(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.kept);
    }
    EXPECT_EQ(g.session->entries.tz, "-5.5");
    EXPECT_EQ(g.session->entries.name, "Lost keys, 2");
}

TEST(InputDataWindow, EastAndWestFlipTheZoneSign) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    w->optWest->setChecked(true);
    w->txtTZ->setText("5");
    w->optEast->click();
    EXPECT_EQ(w->txtTZ->text(), "-5");
    EXPECT_TRUE(g.session->entries.east);
    w->optWest->click();
    EXPECT_EQ(w->txtTZ->text(), " 5");  // the number-to-text form keeps a blank for the sign
    w->txtTZ->setText("-5.5");
    w->optWest->click();  // clicking the selected button still applies the rule
    EXPECT_EQ(w->txtTZ->text(), " 5.5");
    w->txtTZ->setText("abc");
    w->optEast->click();  // a zone that is not a number stays
    EXPECT_EQ(w->txtTZ->text(), "abc");
}

TEST(InputDataWindow, NowTakesTheComputersClockAndZoneAndTheDefaultPlace) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    w->txtName->setText("Other");
    w->txtLongDeg->setText("2");
    w->chkLMT->setChecked(true);
    // 05:30 universal time on a computer five hours behind it.
    g.zone.set(-5 * 3600);
    g.clock.set(LocalDateTime{2027, 1, 2, 5, 30, 0});
    w->cmdNow->click();
    EXPECT_EQ(w->txtName->text(), "Now");
    EXPECT_EQ(w->txtMonth->text(), "1");
    EXPECT_EQ(w->txtDay->text(), "2");
    EXPECT_EQ(w->txtYear->text(), "2027");
    EXPECT_EQ(w->txtBirthHour->text(), "12");
    EXPECT_EQ(w->txtBirthMinute->text(), "30");
    EXPECT_TRUE(w->optAM->isChecked());
    // The computer's zone; the shipped default place: 73 58 West, 40 45 North.
    EXPECT_EQ(w->txtTZ->text(), "5");
    EXPECT_FALSE(w->chkLMT->isChecked());
    EXPECT_EQ(w->txtLongDeg->text(), "73");
    EXPECT_EQ(w->txtLatMin->text(), "45");
    EXPECT_TRUE(w->optWest->isChecked());
}


TEST(InputDataWindow, FocusSelectsTheWholeField) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    for (QLineEdit* field : {w->txtName, w->txtYear, w->txtTZ, w->txtLatMin}) {
        field->deselect();
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);  // a click selects nothing by itself
        QCoreApplication::sendEvent(field, &focus);
        QCoreApplication::processEvents();
        EXPECT_EQ(field->selectedText(), field->text()) << field->objectName().toStdString();
        EXPECT_FALSE(field->text().isEmpty());
    }
}


TEST(Screens, EntryFieldsHaveTheSunkenBevel) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    w->resize(w->sizeHint());
    const QImage image = w->grab().toImage();
    for (QWidget* control : std::initializer_list<QWidget*>{w->txtName, w->txtTZ, w->chkLMT, w->Label1}) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QRect r = control->geometry();
        const int y = r.center().y(), x = r.center().x();
        EXPECT_EQ(image.pixel(r.left() - 1, y), qRgb(128, 128, 128));
        EXPECT_EQ(image.pixel(x, r.top() - 1), qRgb(128, 128, 128));
        EXPECT_EQ(image.pixel(r.right() + 1, y), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(x, r.bottom() + 1), qRgb(255, 255, 255));
    }
}


}  // namespace
}  // namespace quaeryn::test
