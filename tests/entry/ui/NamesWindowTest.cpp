#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/ui/DataWindow.h"
#include "base/TextFile.h"
#include "entry/ui/InputDataWindow.h"
#include "entry/ui/NamesWindow.h"
#include "entry/ui/TimeZoneWindow.h"
#include "support/ui/GuiSession.h"

namespace quaeryn::test {
namespace {

using ui::InputDataWindow;
using ui::NamesWindow;

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

std::string Bytes(const fs::path& file) { return ReadWholeFile(file).value_or("<missing>"); }

TEST(NamesWindow, ListsTheNameFileSortedAndFillsTheInputWindow) {
    GuiSession g;
    NamesWindow* names = g.window->namesWindow();
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(names->isVisible());
    EXPECT_EQ(names->windowTitle(), "Names");
    EXPECT_EQ(names->lblNamesOnFile()->text(), "HORARY.FIL");
    const QStringList items = Items(names->NamesOnFile());
    ASSERT_GE(items.size(), 3);
    QStringList sorted = items;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(items, sorted);
    ASSERT_TRUE(items.contains("Trinity test"));

    InputDataWindow* w = g.window->inputWindow();
    w->optEast->click();  // the record's West must undo this
    names->NamesOnFile_Click("Trinity test");  // Trinity test,16 Jul 1945,5.29,A,6,106.29,33.41
    EXPECT_EQ(w->txtName->text(), "Trinity test");
    EXPECT_EQ(w->txtMonth->text(), "7");
    EXPECT_EQ(w->txtDay->text(), "16");
    EXPECT_EQ(w->txtYear->text(), "1945");
    EXPECT_EQ(w->txtBirthHour->text(), "5");
    EXPECT_EQ(w->txtBirthMinute->text(), "29");
    EXPECT_TRUE(w->optAM->isChecked());
    EXPECT_EQ(w->txtTZ->text().trimmed(), "6");
    EXPECT_EQ(w->txtLongDeg->text(), "106");
    EXPECT_EQ(w->txtLongMin->text(), "29");
    EXPECT_TRUE(w->optWest->isChecked());
    EXPECT_EQ(w->txtLatDeg->text(), "33");
    EXPECT_EQ(w->txtLatMin->text(), "41");
    EXPECT_TRUE(w->optNorth->isChecked());

    // Alphabetical order takes no account of capitals.
    g.folder.Write("Horary.fil",
                   "cherry,01 Jan 2000,1.00,A,0,000.00,51.30\r\n"
                   "Banana,01 Jan 2000,1.00,A,0,000.00,51.30\r\n"
                   "apple,01 Jan 2000,1.00,A,0,000.00,51.30\r\n"
                   "Apple,01 Jan 2000,1.00,A,0,000.00,51.30\r\n"
                   "Date palm,01 Jan 2000,1.00,A,0,000.00,51.30\r\n");
    names->LoadList();
    EXPECT_EQ(Items(names->NamesOnFile()), (QStringList{"Apple", "apple", "Banana", "cherry", "Date palm"}));
    g.folder.Write("Horary.fil", "Hindenburg disaster,06 May 1937,7.25,P,4,074.21,40.02\r\n");
    names->LoadList();

    // A double click fills and casts.
    names->NamesOnFile_DblClick("Hindenburg disaster");
    ASSERT_TRUE(g.session->chart.has_value());
    EXPECT_EQ(g.session->chart->ChartName, "Hindenburg disaster");
    EXPECT_EQ(g.session->chart->Year, 1937);
    EXPECT_FALSE(names->isVisible());
    EXPECT_TRUE(g.window->dataWindow()->isVisible());
    EXPECT_TRUE(g.window->action("mnuData")->isVisible());
}

TEST(NamesWindow, FallsBackToHoraryFilAndReportsABadList) {
    GuiSession g;
    NamesWindow* names = g.window->namesWindow();
    g.session->currentNameFile = g.folder.path() / "GONE.FIL";
    names->LoadList();
    EXPECT_EQ(names->lblNamesOnFile()->text(), "HORARY.FIL");
    EXPECT_GE(names->NamesOnFile()->count(), 3);
    EXPECT_EQ(g.session->currentNameFile.filename().string(), "Horary.fil");

    g.folder.Write("BAD.FIL", "Zed,05 Jan 1990,9.05,A,5,073.59,40.45\r\nAlpha,05 Jan 1990,9.05\r\n");
    g.session->currentNameFile = g.folder.path() / "BAD.FIL";
    g.prompt.expect("name-file-error");
    names->LoadList();
    EXPECT_TRUE(g.prompt.done());
    EXPECT_EQ(names->lblNamesOnFile()->text(), "BAD.FIL");
    EXPECT_TRUE(Items(names->NamesOnFile()).contains("Zed"));
}

TEST(NamesWindow, ChangeListIsRememberedAndCancelChangesNothing) {
    GuiSession g;
    NamesWindow* names = g.window->namesWindow();
    g.folder.Write("CLIENTS.FIL", "Beta,05 Jan 1990,9.05,A,5,073.59,40.45\r\nAlpha,06 Jan 1990,9.05,P,5,073.59,40.45\r\n");
    g.openPath.clear();
    names->cmdNewFileList_Click();
    EXPECT_EQ(names->lblNamesOnFile()->text(), "HORARY.FIL");
    ASSERT_EQ(g.dialogCalls.size(), 1);
    EXPECT_TRUE(g.dialogCalls[0].endsWith("Horary.fil|Name Files (*.FIL *.fil)")) << g.dialogCalls[0].toStdString();

    g.openPath = QString::fromStdString((g.folder.path() / "CLIENTS.FIL").string());
    names->cmdNewFileList_Click();
    EXPECT_EQ(names->lblNamesOnFile()->text(), "CLIENTS.FIL");
    EXPECT_EQ(Items(names->NamesOnFile()), (QStringList{"Alpha", "Beta"}));
    ASSERT_TRUE(g.session->ShutDown());
    EXPECT_NE(Bytes(g.session->SettingsPath()).find("DataFile=" + (g.folder.path() / "CLIENTS.FIL").string() + "\r\n"),
              std::string::npos);
    g.Start();
    EXPECT_EQ(g.window->namesWindow()->lblNamesOnFile()->text(), "CLIENTS.FIL");
}

TEST(NamesWindow, SaveToDiskAppendsAndAsksAboutTheSameName) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    const fs::path charts = g.folder.path() / "CHARTS.FIL";
    g.folder.Write("CHARTS.FIL", "TEST,01 Jan 2000,1.00,A,0,000.00,51.30\r\n");
    w->txtName->setText("Test");
    w->txtMonth->setText("7");
    w->txtDay->setText("4");
    w->txtYear->setText("1990");
    w->txtBirthHour->setText("9");
    w->txtBirthMinute->setText("5");
    w->optPM->setChecked(true);
    w->optWest->click();
    w->txtTZ->setText("5");
    w->txtLongDeg->setText("73");
    w->txtLongMin->setText("59");
    w->txtLatDeg->setText("40");
    w->txtLatMin->setText("45");
    w->optNorth->setChecked(true);
    g.savePath.clear();
    g.openPath.clear();
    QString caption;
    ui::Dialogs().append = [&](QWidget*, const QString& c, const QString&, const QString&) {
        caption = c;
        return QString::fromStdString(charts.string());
    };
    g.prompt.expect("name-exists", PromptAnswer::Yes);
    w->cmdSave->click();
    EXPECT_EQ(caption, "Select a File");
    EXPECT_EQ(Bytes(charts), "Test,04 Jul 1990,9.05,P,5,073.59,40.45\r\n");
    EXPECT_EQ(Bytes(g.folder.path() / "CHARTS.OLD"), "TEST,01 Jan 2000,1.00,A,0,000.00,51.30\r\n");

    g.prompt.expect("name-exists", PromptAnswer::No);
    w->cmdSave->click();
    EXPECT_EQ(Bytes(charts), "Test,04 Jul 1990,9.05,P,5,073.59,40.45\r\nTest,04 Jul 1990,9.05,P,5,073.59,40.45\r\n");

    // A comma in the name is refused before any file is chosen.
    w->txtName->setText("Smith, John");
    ui::Dialogs().append = [&](QWidget*, const QString&, const QString&, const QString&) {
        ADD_FAILURE() << "no file is to be chosen";
        return QString();
    };
    g.prompt.expect("name-comma");
    w->cmdSave->click();
    // So is a name of blanks only: such a record would end the list; and a
    // double quotation mark or a line break, which would not read back.
    w->txtName->setText("  ");
    g.prompt.expect("name-missing");
    w->cmdSave->click();
    w->txtName->setText("The \"lost\" ring");
    g.prompt.expect("name-quote");
    w->cmdSave->click();
    w->txtName->setText("Lost\nring");
    g.prompt.expect("name-line-break");
    w->cmdSave->click();
    const std::string after = Bytes(charts);
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'), 2);
}

TEST(NameEditWindow, SavesTheTextAndQuitRereadsTheList) {
    GuiSession g;
    g.folder.Write("MINE.FIL", "One,05 Jan 1990,9.05,A,5,073.59,40.45\r\n");
    g.session->currentNameFile = g.folder.path() / "MINE.FIL";
    NamesWindow* names = g.window->namesWindow();
    names->LoadList();
    names->cmdEditList_Click();
    ui::NameEditWindow* edit = names->nameEditWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->windowTitle(), QString::fromStdString("Edit: " + (g.folder.path() / "MINE.FIL").string()));
    EXPECT_EQ(edit->txtContent()->toPlainText(), "One,05 Jan 1990,9.05,A,5,073.59,40.45\n");
    edit->txtContent()->setPlainText(
        "One,05 Jan 1990,9.05,A,5,073.59,40.45\nTwo,06 Feb 1991,10.10,P,-1,-002.20,48.52\n");
    edit->btnSave_Click();
    EXPECT_EQ(Bytes(g.folder.path() / "MINE.FIL"),
              "One,05 Jan 1990,9.05,A,5,073.59,40.45\r\nTwo,06 Feb 1991,10.10,P,-1,-002.20,48.52\r\n");
    EXPECT_EQ(names->NamesOnFile()->count(), 1);  // not yet reread
    edit->btnQuit_Click();
    EXPECT_EQ(Items(names->NamesOnFile()), (QStringList{"One", "Two"}));
}

// A Windows-era name file: the list and the editor show "Renée", a click
// finds the record, and a save of the unchanged editor writes the bytes it
// read.
TEST(NamesWindow, AWindows1252FileReadsAsTextAndSavesAsRead) {
    GuiSession g;
    const std::string bytes = "Ren\xe9" "e,05 Jan 1990,9.05,P,5,073.59,40.45\r\n"
                              "Zo\xeb,06 Feb 1991,10.10,P,-1,-002.20,48.52\r\n";
    g.folder.Write("OLD.FIL", bytes);
    g.session->currentNameFile = g.folder.path() / "OLD.FIL";
    NamesWindow* names = g.window->namesWindow();
    names->LoadList();
    EXPECT_EQ(Items(names->NamesOnFile()), (QStringList{QString::fromUtf8("Ren\u00e9e"), QString::fromUtf8("Zo\u00eb")}));
    names->NamesOnFile_Click(QString::fromUtf8("Ren\u00e9e"));
    EXPECT_EQ(g.window->inputWindow()->txtName->text(), QString::fromUtf8("Ren\u00e9e"));
    EXPECT_EQ(g.window->inputWindow()->txtDay->text(), "5");

    names->cmdEditList_Click();
    ui::NameEditWindow* edit = names->nameEditWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->txtContent()->toPlainText().startsWith(QString::fromUtf8("Ren\u00e9e,05 Jan 1990")));
    edit->btnSave_Click();
    EXPECT_EQ(Bytes(g.folder.path() / "OLD.FIL"), bytes);
}

TEST(TimeZoneWindow, APickFillsZoneAndSide) {
    GuiSession g;
    InputDataWindow* w = g.window->inputWindow();
    w->Label1_Click();
    ui::TimeZoneWindow* tz = g.window->timeZoneWindow();
    ASSERT_NE(tz, nullptr);
    EXPECT_EQ(tz->windowTitle(), "Time Zones");
    ASSERT_GE(tz->lstTimeZones()->count(), 20);
    QString cet, gmt;
    for (const QString& line : Items(tz->lstTimeZones())) {
        EXPECT_EQ(line.indexOf(" - "), 32) << line.toStdString();
        if (line.startsWith("Central European Time")) cet = line;
        if (line.startsWith("Greenwich Mean Time")) gmt = line;
    }
    ASSERT_FALSE(cet.isEmpty());
    tz->lstTimeZones_Click(cet);
    EXPECT_EQ(w->txtTZ->text(), "-1");
    EXPECT_TRUE(w->optEast->isChecked());
    tz->lstTimeZones_Click(gmt);
    EXPECT_EQ(w->txtTZ->text().trimmed(), "0");
    EXPECT_TRUE(w->optWest->isChecked());
    // OK unloads the Time Zones window.
    g.FillGoodEntries();
    w->cmdOK->click();
    EXPECT_EQ(g.window->timeZoneWindow(), nullptr);
}

TEST(TimeZoneWindow, ACorruptTableShowsWhatWasRead) {
    GuiSession g;
    g.folder.Write("TZ.DAT", "\"Zone A\",\"ZA\",\"1\"\r\n\"" + std::string(33, 'x') + "\",\"XX\",\"2\"\r\n");
    g.prompt.expect("tz-corrupt");
    g.window->inputWindow()->Label1_Click();
    ASSERT_NE(g.window->timeZoneWindow(), nullptr);
    EXPECT_EQ(g.window->timeZoneWindow()->lstTimeZones()->count(), 1);
}

}  // namespace
}  // namespace quaeryn::test
