// The "Place…" button of the Input Data window, its search dialog, the line
// under the zone box and the zone that follows the moment entered.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "entry/ui/InputDataWindow.h"
#include "entry/ui/NamesWindow.h"
#include "entry/ui/PlaceSearchDialog.h"
#include "place/ComputerZone.h"
#include "support/ui/GuiSession.h"

namespace quaeryn::test {
namespace {

using ui::InputDataWindow;
using ui::PlaceSearchDialog;

void PressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

// The entries' date and time on the 24-hour clock, typed as a user would.
void EnterMoment(InputDataWindow* w, int year, int month, int day, int hour, int minute) {
    w->txtYear->setText(QString::number(year));
    w->txtMonth->setText(QString::number(month));
    w->txtDay->setText(QString::number(day));
    w->txtBirthMinute->setText(QString::number(minute));
    (hour >= 12 ? w->optPM : w->optAM)->setChecked(true);
    w->txtBirthHour->setText(QString::number(hour % 12 == 0 ? 12 : hour % 12));
}

// Opens the search, types the text and picks the first city with Enter.
PlaceSearchDialog* Search(InputDataWindow* w, const QString& text) {
    w->cmdPlace->click();
    // The one just opened (a closed one waits for the event loop to go).
    PlaceSearchDialog* dialog = nullptr;
    for (auto* d : w->findChildren<PlaceSearchDialog*>("PlaceSearch"))
        if (d->isVisible()) dialog = d;
    if (dialog) Type(dialog->txtPlace, text);
    return dialog;
}

void PickFirst(InputDataWindow* w, const QString& text) {
    PlaceSearchDialog* dialog = Search(w, text);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    PressKey(dialog->txtPlace, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
}

// The settled moment: leaving the field.
void LeaveField(QLineEdit* field) { emit field->editingFinished(); }

TEST(PlaceSearch, ListsTheCitiesWithRegionCountryAndPopulationMostPopulousFirst) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    EXPECT_EQ(w->cmdPlace->text(), "Place…");
    PlaceSearchDialog* dialog = Search(w, "Paris");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Place");
    QTreeWidget* list = dialog->lstPlaces;
    ASSERT_GE(list->topLevelItemCount(), 3);
    const QStringList first = {"Paris", "Île-de-France Region", "France", "2,138,551"};
    const QStringList second = {"Paris", "Texas", "United States of America", "24,782"};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list->topLevelItem(0)->text(column), first[column]);
        EXPECT_EQ(list->topLevelItem(1)->text(column), second[column]);
    }
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    // More letters narrow the list; the arrows move through it.
    Type(dialog->txtPlace, ", Tex");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Texas");
    dialog->txtPlace->setText("york");
    ASSERT_GE(list->topLevelItemCount(), 2);
    PressKey(dialog->txtPlace, Qt::Key_Down);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    // A double click picks the row under it.
    EnterMoment(w, 2020, 1, 15, 12, 0);
    emit list->itemDoubleClicked(list->topLevelItem(1), 0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(w->txtLatDeg->text(), "39");  // York, Pennsylvania
    EXPECT_EQ(w->txtTZ->text(), "5");
    // Escape leaves the entries as they are.
    const EventEntries before = g.session->entries;
    PlaceSearchDialog* again = Search(w, "Tokyo");
    ASSERT_NE(again, nullptr);
    again->reject();
    EXPECT_EQ(g.session->entries, before);
}

// The facts of the zone files that do not change between their versions,
// picked in the window.
TEST(PlaceSearch, PickingFillsThePlaceAndTheZoneOfTheMomentEntered) {
    struct Case {
        const char* text;
        int year, month, day, hour;
        const char *longDeg, *longMin;
        bool east;
        const char *latDeg, *latMin;
        bool south;
        const char* tz;
        const char* line;
    } cases[] = {
        {"Paris", 2020, 7, 1, 12, "2", "21", true, "48", "51", false, "-2", "Europe/Paris, UTC+2, summer time"},
        {"New York", 2020, 1, 15, 12, "74", "0", false, "40", "43", false, "5",
         "America/New_York, UTC-5, standard time"},
        {"Kathmandu", 2020, 6, 1, 12, "85", "19", true, "27", "42", false, "-5.75",
         "Asia/Kathmandu, UTC+5:45, standard time"},
        {"Adelaide", 2021, 1, 15, 12, "138", "36", true, "34", "56", true, "-10.5",
         "Australia/Adelaide, UTC+10:30, summer time"},
        {"Arcueil", 2020, 1, 15, 12, "2", "20", true, "48", "48", false, "-1", "Europe/Paris, UTC+1, standard time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        GuiSession g;
        InputDataWindow* w = g.window->inputWindow();
        g.FillGoodEntries();  // New York's zone 5 and West
        EnterMoment(w, c.year, c.month, c.day, c.hour, 0);
        w->chkLMT->setChecked(true);
        PickFirst(w, c.text);
        EXPECT_EQ(w->txtLongDeg->text(), c.longDeg);
        EXPECT_EQ(w->txtLongMin->text(), c.longMin);
        EXPECT_EQ(w->optEast->isChecked(), c.east);
        EXPECT_EQ(w->txtLatDeg->text(), c.latDeg);
        EXPECT_EQ(w->txtLatMin->text(), c.latMin);
        EXPECT_EQ(w->optSouth->isChecked(), c.south);
        // The zone after E or W: its sign is the database's.
        EXPECT_EQ(w->txtTZ->text(), c.tz);
        EXPECT_FALSE(w->chkLMT->isChecked());
        EXPECT_EQ(w->ZoneUsed->text(), c.line);
        EXPECT_EQ(g.session->entries.tz, c.tz);
    }
}

// Paris, 14 July 1990, 3 P.M., with the zone found by the program: the
// chart is cast at 13.00 universal time and saved with the numbers.
TEST(PlaceSearch, BastilleDayInParisIsCastAndSavedWithTheResolvedNumbers) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    w->txtName->setText("Bastille Day");
    EnterMoment(w, 1990, 7, 14, 15, 0);
    PickFirst(w, "Paris");
    EXPECT_EQ(w->txtTZ->text(), "-2");
    w->cmdOK->click();
    ASSERT_TRUE(g.session->chart.has_value());
    EXPECT_DOUBLE_EQ(g.session->chart->ZoneHours, -2);
    EXPECT_NEAR(g.session->chart->JulianDayNumber + g.session->chart->UtDayFraction - 0.5, 2448087.0416667, 1e-6);
    EXPECT_EQ(g.session->buffer.PageBuffer()[2].substr(0, 70),
              "  14 Jul 1990    TZ = -2.0      3.00 P.M.   48.51 NORTH    2.21 EAST");

    const auto file = g.folder.path() / "PLACES.FIL";
    ui::Dialogs().append = [&file](QWidget*, const QString&, const QString&, const QString&) {
        return QString::fromStdString(file.string());
    };
    g.window->inputWindow()->cmdSave->click();
    std::ifstream in(file, std::ios::binary);
    const std::string record((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(record, "Bastille Day,14 Jul 1990,3.00,P,-2,-002.21,48.51\r\n");
}

TEST(PlaceSearch, TheZoneFollowsTheSettledMomentUntilTheZoneBoxIsTypedInto) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    g.FillGoodEntries();
    EnterMoment(w, 2020, 7, 1, 12, 0);
    PickFirst(w, "Paris");
    ASSERT_EQ(w->txtTZ->text(), "-2");
    // Not on every key: while the month is typed the zone stays.
    w->txtMonth->selectAll();
    Type(w->txtMonth, "12");
    EXPECT_EQ(w->txtTZ->text(), "-2");
    LeaveField(w->txtMonth);
    EXPECT_EQ(w->txtTZ->text(), "-1");
    EXPECT_EQ(w->ZoneUsed->text(), "Europe/Paris, UTC+1, standard time");
    // A year before standard time: the LMT box, the longitude's mean time.
    w->txtYear->selectAll();
    Type(w->txtYear, "1850");
    g.prompt.expect("local-mean-time-used");
    LeaveField(w->txtYear);
    EXPECT_TRUE(g.prompt.done());
    EXPECT_TRUE(w->chkLMT->isChecked());
    EXPECT_EQ(w->txtTZ->text(), "-0.1567");  // 2 degrees 21 minutes East
    EXPECT_EQ(w->ZoneUsed->text(), "Europe/Paris, local mean time (LMT)");
    w->txtYear->selectAll();
    Type(w->txtYear, "2021");
    LeaveField(w->txtYear);
    EXPECT_FALSE(w->chkLMT->isChecked());
    EXPECT_EQ(w->txtTZ->text(), "-1");

    // Typed by hand: the line goes and the zone stays the user's.
    w->txtTZ->selectAll();
    Type(w->txtTZ, "-3");
    EXPECT_EQ(w->ZoneUsed->text(), "");
    w->txtMonth->selectAll();
    Type(w->txtMonth, "7");
    LeaveField(w->txtMonth);
    EXPECT_EQ(w->txtTZ->text(), "-3");
    w->cmdOK->click();
    ASSERT_TRUE(g.session->chart.has_value());
    EXPECT_DOUBLE_EQ(g.session->chart->ZoneHours, -3);
}

TEST(PlaceSearch, EastOrWestClickedOrAStoredRecordDropTheLink) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    g.FillGoodEntries();
    EnterMoment(w, 2020, 7, 1, 12, 0);
    PickFirst(w, "Paris");
    w->optWest->click();  // the sign rule turns the zone: the user's now
    EXPECT_EQ(w->txtTZ->text(), " 2");
    EXPECT_EQ(w->ZoneUsed->text(), "");
    w->txtMonth->setText("1");
    LeaveField(w->txtMonth);
    EXPECT_EQ(w->txtTZ->text(), " 2");

    PickFirst(w, "Paris");
    EXPECT_EQ(w->txtTZ->text(), "-1");
    // A name picked in the Names window brings its own zone, even one that
    // reads the same.
    g.folder.Write("Horary.fil", "Winter,05 Jan 2001,9.05,A,-1,-002.21,48.51\r\n");
    g.session->currentNameFile = g.folder.path() / "Horary.fil";
    ui::NamesWindow* names = g.window->namesWindow();
    names->LoadList();
    names->NamesOnFile_Click("Winter");
    EXPECT_EQ(w->ZoneUsed->text(), "");
    EnterMoment(w, 2020, 7, 1, 12, 0);
    LeaveField(w->txtBirthHour);
    EXPECT_EQ(w->txtTZ->text(), "-1");
}

TEST(PlaceSearch, TheHardMomentsSpeakThroughThePrompt) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    g.FillGoodEntries("Skipped");
    // 2.30 A.M. on 14 March 2021 did not occur in New York.
    EnterMoment(w, 2021, 3, 14, 2, 30);
    g.prompt.expect("local-time-skipped");
    PickFirst(w, "New York");
    EXPECT_TRUE(g.prompt.done());
    EXPECT_EQ(g.prompt.seen().back().title, "Warning!");
    EXPECT_EQ(w->txtTZ->text(), "5");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York: no 2.30 A.M. on 14 Mar 2021, the clocks skipped it");
    // The cast hears it again and casts nothing.
    g.prompt.expect("local-time-skipped");
    w->cmdOK->click();
    EXPECT_TRUE(g.prompt.done());
    EXPECT_FALSE(g.session->chart.has_value());
    // So does a save, which writes nothing.
    ui::Dialogs().append = [](QWidget*, const QString&, const QString&, const QString&) {
        ADD_FAILURE() << "no file is to be chosen";
        return QString();
    };
    g.prompt.expect("local-time-skipped");
    w->cmdSave->click();
    EXPECT_TRUE(g.prompt.done());

    // 1.30 A.M. on 7 November 2021 occurred twice: the question, then the
    // answer's zone; A.M. or P.M. settles the moment too.
    EnterMoment(w, 2021, 11, 7, 13, 30);
    LeaveField(w->txtBirthHour);
    EXPECT_EQ(w->txtTZ->text(), "5");
    g.prompt.expect("local-time-repeated", PromptAnswer::Yes);
    w->optAM->click();
    EXPECT_TRUE(g.prompt.done());
    EXPECT_EQ(g.prompt.seen().back().title, "Information");
    EXPECT_EQ(w->txtTZ->text(), "4");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York, UTC-4, summer time");
    // Answered once, the cast does not ask again.
    w->cmdOK->click();
    ASSERT_TRUE(g.session->chart.has_value());
    EXPECT_DOUBLE_EQ(g.session->chart->ZoneHours, 4);

    // Before 18 November 1883 New York kept local mean time.
    g.window->inputWindow()->show();
    EnterMoment(w, 1850, 3, 1, 9, 15);
    g.prompt.expect("local-mean-time-used");
    LeaveField(w->txtYear);
    EXPECT_TRUE(g.prompt.done());
    EXPECT_TRUE(w->chkLMT->isChecked());
    EXPECT_EQ(w->txtTZ->text(), "4.9333");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York, local mean time (LMT)");
}

// A made-up computer in New York.
class NewYorkComputer final : public LocalZoneSource {
public:
    std::string ZoneName() const override { return "America/New_York"; }
    ZoneOffset OwnOffsetAt(std::int64_t utc) const override {
        return *SystemZoneDatabase().AtInstant("America/New_York", utc);
    }
};

// "NOW" in a named zone shows it and follows it; the Input command's
// refresh of a "Now" chart does too.
TEST(PlaceSearch, NowShowsTheComputersZoneAndFollowsIt) {
    GuiSession g;
    const NewYorkComputer computer;
    const ComputerZone zone(computer, SystemZoneDatabase());
    g.computerZone = &zone;
    g.Start();
    InputDataWindow* w = g.window->inputWindow();
    // 21.14 universal time on 6 December 2026: 4.14 P.M. in New York.
    EXPECT_EQ(w->txtBirthHour->text(), "4");
    EXPECT_EQ(w->txtTZ->text(), "5");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York, UTC-5, standard time");
    w->txtMonth->selectAll();
    Type(w->txtMonth, "7");
    LeaveField(w->txtMonth);
    EXPECT_EQ(w->txtTZ->text(), "4");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York, UTC-4, summer time");
    w->cmdNow->click();
    EXPECT_EQ(w->txtTZ->text(), "5");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York, UTC-5, standard time");
    // The Input command refreshes a "Now" chart in summer.
    g.clock.set({2027, 7, 4, 16, 0, 0});
    g.session->OpenInputWindows();
    EXPECT_EQ(w->txtBirthHour->text(), "12");
    EXPECT_EQ(w->txtTZ->text(), "4");
    EXPECT_EQ(w->ZoneUsed->text(), "America/New_York, UTC-4, summer time");
}

}  // namespace
}  // namespace quaeryn::test
