#include <QCheckBox>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QAction>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPrinterInfo>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/ui/DataWindow.h"
#include "app/ui/OptionsWindow.h"
#include "app/ui/PrintWindow.h"
#include "base/CommandRegistry.h"
#include "horary/HoraryCommands.h"
#include "reference/ReferenceCommands.h"
#include "base/TextFile.h"
#include "entry/ui/InputDataWindow.h"
#include "wheel/WheelCommands.h"
#include "support/ui/GuiSession.h"

namespace quaeryn::test {

namespace {

using ui::DataWindow;
using ui::InputDataWindow;

std::string Bytes(const fs::path& file) { return ReadWholeFile(file).value_or("<missing>"); }

bool NotUniform(const QImage& image) {
    if (image.isNull()) return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixel(x, y) != first) return true;
    return false;
}

int CountPdfPages(const fs::path& pdf) {
    const std::string bytes = ReadWholeFile(pdf).value_or("");
    int pages = 0;
    for (std::size_t p = bytes.find("/Type /Page"); p != std::string::npos; p = bytes.find("/Type /Page", p + 1))
        if (bytes.compare(p, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

// A refused cast shows its messages, each naming its fields, and puts the
// focus on the first failing field of the window, its text selected.
TEST(MainWindow, BadEntriesOnOkShowTheirMessagesFocusTheFirstFailingFieldAndCastNothing) {
    struct Case {
        const char* what;
        void (*spoil)(InputDataWindow*);
        std::vector<std::string> messages;
        std::string firstDetail;
        QLineEdit* InputDataWindow::*focus;
    } cases[] = {
        {"empty month", [](InputDataWindow* w) { w->txtMonth->clear(); }, {"input-error", "input-error"},
         "month: empty", &InputDataWindow::txtMonth},
        {"month 13 and minute 60",
         [](InputDataWindow* w) {
             w->txtMonth->setText("13");
             w->txtBirthMinute->setText("60");
         },
         {"input-error", "input-error"}, "month: 13 is past 12", &InputDataWindow::txtMonth},
        {"latitude 67", [](InputDataWindow* w) { w->txtLatDeg->setText("67"); }, {"latitude-too-high"},
         "latitude degrees: 67 is past 66 in this house system", &InputDataWindow::txtLatDeg},
        // Pasted texts pass the key filters; the cast refuses them.
        {"a pasted day and zone", [](InputDataWindow* w) {
             w->txtTZ->setText("5:30");
             w->txtDay->setText("5x");
         },
         {"entry-not-number"}, "day: 5x is not a whole number\ntime zone: 5:30 is not a number of hours",
         &InputDataWindow::txtDay},
        {"31 February", [](InputDataWindow* w) {
             w->txtMonth->setText("2");
             w->txtDay->setText("31");
         },
         {"day-past-month-end"}, "day: 31 is past 28, the last day of February 2001", &InputDataWindow::txtDay},
        {"a pasted name with a line break and minute 60", [](InputDataWindow* w) {
             w->txtBirthMinute->setText("60");
             w->txtName->setText("Lost\nring");
         },
         {"input-error", "name-line-break"}, "minute: 60 is past 59", &InputDataWindow::txtName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GuiSession g;
        g.window->action("mnuHousePlacidus")->setChecked(true);
        g.session->houseCode = "P";
        g.FillGoodEntries();
        InputDataWindow* w = g.window->inputWindow();
        c.spoil(w);
        w->txtYear->setFocus();
        for (const auto& id : c.messages) g.prompt.expect(id);
        w->cmdOK->click();
        EXPECT_EQ(g.prompt.seenIds(), c.messages);
        ASSERT_FALSE(g.prompt.seen().empty());
        EXPECT_EQ(g.prompt.seen()[0].detail, c.firstDetail);
        EXPECT_EQ(w->focusWidget(), w->*c.focus);
        EXPECT_EQ((w->*c.focus)->selectedText(), (w->*c.focus)->text());
        EXPECT_FALSE(g.session->chart.has_value());
        EXPECT_FALSE(g.window->action("mnuData")->isVisible());
        EXPECT_FALSE(g.window->action("mnuInputData")->isVisible());
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(g.window->dataWindow()->isVisible());
    }
}

TEST(MainWindow, AGoodCastShowsTheReportAndTheHiddenMenus) {
    GuiSession g;
    for (const char* id : {"mnuData", "mnuInputData"}) EXPECT_FALSE(g.window->action(id)->isVisible()) << id;
    g.FillGoodEntries();
    g.window->inputWindow()->cmdOK->click();
    ASSERT_TRUE(g.session->chart.has_value());
    for (const char* id : {"mnuData", "mnuInputData"}) EXPECT_TRUE(g.window->action(id)->isVisible()) << id;
    DataWindow* data = g.window->dataWindow();
    EXPECT_TRUE(data->isVisible());
    EXPECT_FALSE(g.window->inputWindow()->isVisible());
    EXPECT_EQ(data->windowTitle(), "Quaeryn - Version 5.00 - Data");
    const QStringList lines = data->Text1()->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "  John Smith");
    EXPECT_TRUE(lines[2].startsWith("  05 Mar 2001    TZ = 5.0      10.30 A.M.   40.45 NORTH    73.58 WEST"))
        << lines[2].toStdString();
    // Horary Basics (F6) shows the same page again.
    const QString page = data->Text1()->toPlainText();
    EXPECT_TRUE(g.window->trigger("mnuHoraryBasics"));
    EXPECT_EQ(data->Text1()->toPlainText(), page);
    // Natal Data (F2) shows the cusps of the house system in use.
    QAction* natal = g.window->action("mnuDataNatalData");
    ASSERT_NE(natal, nullptr);
    EXPECT_EQ(natal->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(g.window->trigger("mnuDataNatalData"));
    EXPECT_TRUE(data->Text1()->toPlainText().contains("\n  HOUSE CUSPS - ")) << data->Text1()->toPlainText().toStdString();
    // The reports of subsystems this build leaves out have no items.
    EXPECT_EQ(g.window->action("mnuWheelsAscii"), nullptr);
    EXPECT_FALSE(g.window->trigger("mnuWheelsAscii"));
}

TEST(MainWindow, EnterCastsAndEscapeInTheDataWindowHandsBackTheFocus) {
    GuiSession g;
    g.FillGoodEntries();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(g.window->inputWindow()->txtLatMin, &enter);
    ASSERT_TRUE(g.session->chart.has_value());
    int handed = 0;
    g.window->dataWindow()->focusMainWindow = [&handed] { ++handed; };
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(g.window->dataWindow()->Text1(), &escape);
    EXPECT_EQ(handed, 1);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(g.window->dataWindow()->Text1(), &letter);
    EXPECT_EQ(handed, 1);
}

TEST(MainWindow, SwitchingTheHouseSystemRecastsWithExactlyOneChecked) {
    GuiSession g;
    g.FillGoodEntries();
    g.window->inputWindow()->cmdOK->click();
    ASSERT_TRUE(g.session->chart.has_value());
    struct Case {
        const char* id;
        const char* code;
        const char* name;
    } cases[] = {{"mnuHouseKoch", "K", "Koch"},         {"mnuHouseMorinus", "I", "Morinus"},
                 {"mnuHouseMorinus", "I", "Morinus"},   {"mnuHouseEqualAsc", "EA", "Equal - Ascendant"},
                 {"mnuHousePlacidus", "P", "Placidus"}};
    double ramc = g.session->chart->Ramc;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        g.session->chart->ChartName = "stale";
        ASSERT_TRUE(g.window->trigger(c.id));
        int checked = 0;
        for (const auto& item : HouseSystemItems()) checked += g.window->action(item.id)->isChecked();
        EXPECT_EQ(checked, 1);
        EXPECT_EQ(g.window->CheckedHouseSystem(), c.id);
        ASSERT_TRUE(g.session->chart.has_value());
        EXPECT_EQ(g.session->chart->HouseSystemCode, c.code);
        EXPECT_EQ(g.session->chart->ChartName, "John Smith");  // cast again
        EXPECT_EQ(g.session->chart->Ramc, ramc);
        EXPECT_TRUE(g.window->dataWindow()->isVisible());
    }
    // With entries that fail, the recast shows the messages and leaves the
    // Input Data window open.
    g.window->inputWindow()->txtYear->setText("99");
    g.prompt.expect("input-error");
    g.window->trigger("mnuHouseKoch");
    EXPECT_TRUE(g.window->inputWindow()->isVisible());
    EXPECT_EQ(g.window->CheckedHouseSystem(), "mnuHouseKoch");
}

// The menu bar's texts, the texts of a menu's items ("-" for a separator)
// and every shortcut key of the window.
QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions) texts << (a->isSeparator() ? QString("-") : a->text());
    return texts;
}

QStringList Shortcuts(const ui::MainWindow& window) {
    QStringList all;
    for (QAction* a : window.findChildren<QAction*>())
        if (!a->shortcut().isEmpty()) all << a->shortcut().toString();
    return all;
}

TEST(MainWindow, MenusCarryTheirShortcutsOnce) {
    GuiSession g;
    const std::pair<const char*, const char*> keys[] = {
        {"mnuFileExit", "F12"},           {"mnuDataNatalData", "F2"},      {"mnuDataNatalAspects", "F3"},
        {"mnuDataNatalAspectsSP", "F4"},  {"mnuDataNatalArabianParts", "F5"}, {"mnuHoraryBasics", "F6"},
        {"mnuHoraryAspects", "F7"},       {"mnuHoraryAlmutens", "F8"},     {"mnuHoraryOtherDegrees", "F9"},
        {"mnuHoraryAnalyzer", "F11"},     {"mnuHelpQuaeryn", "F1"}};
    const QStringList all = Shortcuts(*g.window);
    for (const auto& [id, key] : keys) {
        ASSERT_NE(g.window->action(id), nullptr) << id;
        EXPECT_EQ(g.window->action(id)->shortcut().toString(), key) << id;
        EXPECT_EQ(all.count(key), 1) << key;
    }
    EXPECT_EQ(all.size(), 11);
    EXPECT_EQ(Texts(g.window->menuBar()->actions()),
              (QStringList{"&File", "&Input", "Hou&ses", "&Data", "&Wheel", "D&ual Wheel", "&Options", "&Keywords",
                           "&Help"}));
    EXPECT_EQ(Texts(g.window->action("mnuData")->menu()->actions()),
              (QStringList{"Natal &Data", "Natal &Aspects", "Aspects to &Solstice Points", "Arabian &Parts", "-",
                           "Horary &Basics", "Horary As&pects", "&Almutens and Antiscions",
                           "&Other Degrees and Dwads", "&Horary Analyzer"}));
}

void WriteStandIn(const ChartState& chart, const ReportContext&, ReportBuffer& out) {
    out.AppendLine("  stand-in report of " + chart.ChartName);
}

// A registry with stand-ins for the commands of the subsystems this build
// leaves out, registered in no particular order: the menus place every one
// by its keys, whatever registers it when.
CommandRegistry FullerRegistry() {
    using M = CommandMenu;
    namespace o = menu_order;
    CommandRegistry r;
    RegisterHoraryCommands(r);
    RegisterReferenceCommands(r);
    r.Add({.id = "mnuHoraryAlmutens", .caption = "&Almutens and Antiscions", .shortcut = "F8", .menu = M::Data,
           .order = o::Almutens, .cliName = "almutens", .write = &WriteStandIn});
    r.Add({.id = "mnuDataNatalArabianParts", .caption = "Arabian &Parts", .shortcut = "F5", .menu = M::Data,
           .order = o::ArabianParts, .cliName = "parts", .write = &WriteStandIn});
    r.Add({.id = "mnuDataNatalAspectsSP", .caption = "Aspects to &Solstice Points", .shortcut = "F4",
           .menu = M::Data, .order = o::SolsticePoints, .cliName = "solstice", .write = &WriteStandIn});
    r.Add({.id = "mnuDataNatalAspects", .caption = "Natal &Aspects", .shortcut = "F3", .menu = M::Data,
           .order = o::NatalAspects, .cliName = "aspects", .write = &WriteStandIn});
    r.Add({.id = "mnuDataNatalData", .caption = "Natal &Data", .shortcut = "F2", .menu = M::Data,
           .order = o::NatalData, .cliName = "natal", .write = &WriteStandIn});
    RegisterWheelCommands(r);
    return r;
}

TEST(MainWindow, TheMenusPlaceTheCommandsOfAFullerBuildByTheirKeys) {
    const CommandRegistry registry = FullerRegistry();
    ui::WindowOpeners openers;
    std::vector<bool> wheelsOpenedOnAChart;
    openers.Add("mnuWheelsSingleNatal", [&](const ui::WindowContext& context, QWidget* parent) {
        wheelsOpenedOnAChart.push_back(context.chart.has_value() && parent != nullptr);
    });
    GuiSession g(0, &registry, &openers);

    EXPECT_EQ(Texts(g.window->menuBar()->actions()),
              (QStringList{"&File", "&Input", "Hou&ses", "&Data", "&Wheel", "D&ual Wheel", "&Options",
                           "&Keywords", "&Help"}));
    EXPECT_EQ(Texts(g.window->action("mnuData")->menu()->actions()),
              (QStringList{"Natal &Data", "Natal &Aspects", "Aspects to &Solstice Points", "Arabian &Parts", "-",
                           "Horary &Basics", "Horary As&pects", "&Almutens and Antiscions",
                           "&Other Degrees and Dwads", "&Horary Analyzer"}));
    const QStringList all = Shortcuts(*g.window);
    for (const char* key : {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F11", "F12"})
        EXPECT_EQ(all.count(key), 1) << key;
    EXPECT_EQ(g.window->action("mnuAsciiChart"), nullptr);  // a report of the wheel window, on no menu

    // What needs a chart waits for the first cast; the Keywords card does not.
    for (const char* id : {"mnuData", "mnuWheelsSingleNatal", "mnuWheelsDual", "mnuInputData"})
        EXPECT_FALSE(g.window->action(id)->isVisible()) << id;
    EXPECT_TRUE(g.window->action("mnuKeywords")->isVisible());
    EXPECT_FALSE(g.window->trigger("mnuWheelsSingleNatal"));
    g.FillGoodEntries();
    ASSERT_TRUE(g.window->CastFromEntries());
    for (const char* id : {"mnuData", "mnuWheelsSingleNatal", "mnuWheelsDual", "mnuInputData"})
        EXPECT_TRUE(g.window->action(id)->isVisible()) << id;
    // A window or tool whose window is not in the build shows disabled.
    EXPECT_TRUE(g.window->action("mnuWheelsSingleNatal")->isEnabled());
    for (const char* id : {"mnuWheelsDual", "mnuKeywords", "mnuHoraryAnalyzer"})
        EXPECT_FALSE(g.window->action(id)->isEnabled()) << id;

    EXPECT_TRUE(g.window->trigger("mnuWheelsSingleNatal"));
    EXPECT_EQ(wheelsOpenedOnAChart, std::vector<bool>{true});
    EXPECT_FALSE(g.window->trigger("mnuWheelsDual"));
    ASSERT_TRUE(g.window->trigger("mnuDataNatalData"));
    EXPECT_EQ(g.session->buffer.PageBuffer()[0], "  stand-in report of John Smith");
}

TEST(MainWindow, EveryHelpItemShowsItsFile) {
    GuiSession g;
    const std::pair<const char*, const char*> items[] = {
        {"mnuHelpQuaeryn", "Quaeryn.HLP"},     {"mnuHelpInputD", "INPUTD.HLP"},
        {"mnuHelpNames", "NAMES.HLP"},         {"mnuHelpOptions", "OPTIONS.HLP"},
        {"mnuHelpOutputD1", "OUTPUTD1.HLP"},   {"mnuHelpWheels", "WHEELS.HLP"},
        {"mnuHelpNameedit", "NAMEEDIT.HLP"},   {"mnuHelpPrntfile", "PRNTFILE.HLP"},
        {"mnuHelpAnalyzer", "ANALYZER.HLP"},   {"mnuHelpHints", "HINTS.HLP"},
        {"mnuShortcutKeys", "SHORTCUT.HLP"},   {"mnuHelpLicense", "LICENSE.HLP"},
        {"mnuHelpHoraryNotes", "HORARY.NOT"},  {"mnuHelpHoraryIndex", "INDEX.TXT"},
        {"mnuHelpRevisions", "REVISION.HLP"}};
    // Every shipped help text is there and shows without a message, each
    // on its own (all of them together pass the thousand lines at which the
    // data buffer warns).
    for (const auto& [id, file] : items) {
        SCOPED_TRACE(id);
        g.session->buffer.ResetBuffers();
        ASSERT_TRUE(g.window->trigger(id));
        EXPECT_GE(g.session->buffer.PageLineCount(), 12);
        EXPECT_FALSE(g.window->dataWindow()->Text1()->toPlainText().trimmed().isEmpty());
    }
    EXPECT_TRUE(g.prompt.seen().empty());
    for (const auto& [id, file] : items) {
        SCOPED_TRACE(id);
        g.folder.Write(file, std::string("first line of ") + file + "\r\nsecond\r\n");
        ASSERT_TRUE(g.window->trigger(id));
        EXPECT_EQ(g.session->HelpFileName, file);
        const QStringList lines = g.window->dataWindow()->Text1()->toPlainText().split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0], QString("first line of ") + file);
        EXPECT_EQ(lines[1], "second");
    }
    // A missing file only warns.
    fs::remove(g.folder.path() / "HINTS.HLP");
    g.prompt.expect("help-file-missing");
    EXPECT_TRUE(g.window->trigger("mnuHelpHints"));
    EXPECT_EQ(g.session->buffer.PageLineCount(), 0);
}

TEST(MainWindow, TheCaptionClockUsesTheRegionalTime) {
    struct Case {
        int iTime;
        LocalDateTime now;
        const char* caption;
    } cases[] = {
        {0, {2026, 12, 6, 21, 14, 5}, "Quaeryn - Version 5.00 - 06 Dec 2026     9:14:05 PM"},
        {0, {2026, 1, 9, 0, 5, 0}, "Quaeryn - Version 5.00 - 09 Jan 2026     12:05:00 AM"},
        {1, {2026, 12, 6, 21, 14, 5}, "Quaeryn - Version 5.00 - 06 Dec 2026     21:14:05"},
    };
    for (const auto& c : cases) {
        GuiSession g(c.iTime);
        g.clock.set(c.now);
        g.window->ClockTick();
        EXPECT_EQ(g.window->windowTitle(), c.caption);
    }
}

TEST(DataWindow, SaveWritesTheDocumentWithFormFeeds) {
    GuiSession g;
    g.FillGoodEntries();
    g.window->inputWindow()->cmdOK->click();
    ASSERT_TRUE(g.session->chart.has_value());
    std::string help;
    for (int i = 1; i <= 130; ++i) help += "line " + std::to_string(i) + "\r\n";
    g.folder.Write("HINTS.HLP", help);
    ASSERT_TRUE(g.window->trigger("mnuHelpHints"));
    ASSERT_EQ(g.session->options[45], 61.0f);  // the shipped option file

    const fs::path target = g.folder.path() / "saved.DOC";
    g.savePath = QString::fromStdString(target.string());
    g.window->dataWindow()->SaveDocument();  // no document yet: Save As
    ASSERT_EQ(g.dialogCalls.size(), 1);
    EXPECT_EQ(g.dialogCalls[0], QString("Save As|%1|Data Files (*.DOC *.doc)")
                                    .arg(QString::fromStdString((g.folder.path() / "John.DOC").string())));

    // Expected bytes: every data line with CR LF, a form-feed line after
    // lines 60, 120 … and one at the end.
    const auto& data = g.session->buffer.DataBuffer();
    std::string expected;
    for (int i = 0; i <= g.session->buffer.DataLineCount(); ++i) {
        expected += data[static_cast<std::size_t>(i)] + "\r\n";
        if (i != 0 && i % 60 == 0) expected += "\f\r\n";
    }
    expected += "\f\r\n";
    const std::string written = Bytes(target);
    EXPECT_EQ(written, expected);
    EXPECT_GE(g.session->buffer.DataLineCount(), 130);
    EXPECT_NE(written.find("line 55\r\n"), std::string::npos);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\f'),
              g.session->buffer.DataLineCount() / 60 + 1);

    // Save again goes to the same file without a dialog.
    g.window->dataWindow()->SaveDocument();
    EXPECT_EQ(g.dialogCalls.size(), 1);
    // Cancelling Save As keeps the document file.
    g.savePath.clear();
    g.window->dataWindow()->SaveDocumentAs();
    EXPECT_EQ(g.session->buffer.CurrentDocFile, target.string());
    // After Clear all data there is nothing to write, though the page shows.
    g.prompt.expect("data-cleared").expect("no-data-to-write").expect("no-data-to-print");
    g.window->dataWindow()->ClearData();
    g.window->dataWindow()->SaveDocument();
    g.window->dataWindow()->PrintData();
    EXPECT_FALSE(g.window->dataWindow()->Text1()->toPlainText().isEmpty());
}


TEST(PrintWindow, PrintsPagesOfOption30LinesInTheRightSize) {
    struct Case {
        int lines;
        int width;  // characters of the longest line
        int pages;
        int points;
    } cases[] = {{20, 80, 1, 12}, {130, 90, 3, 10}, {60, 10, 2, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        GuiSession g;
        std::string help;
        for (int i = 1; i < c.lines; ++i) help += "l" + std::to_string(i) + "\r\n";
        help += std::string(static_cast<std::size_t>(c.width), 'x') + "\r\n";
        g.folder.Write("HINTS.HLP", help);
        ASSERT_TRUE(g.window->trigger("mnuHelpHints"));  // c.lines + 2 page lines
        g.window->dataWindow()->PrintPage();
        ui::PrintWindow* print = g.window->dataWindow()->printWindow();
        ASSERT_NE(print, nullptr);
        EXPECT_TRUE(print->isVisible());
        EXPECT_EQ(print->windowTitle(), "Data To Be Printed");
        EXPECT_EQ(print->PrinterPointSize(), c.points);
        // The scratch file holds the page (entries 0 to PageLineCount).
        EXPECT_EQ(SplitLines(Bytes(g.folder.path() / "PRNTFILE.XXX")).size(),
                  static_cast<std::size_t>(c.lines + 3));
        // An edit in the window reaches the printout and the scratch file.
        print->txtContent()->appendPlainText("edited");
        const fs::path pdf = g.folder.path() / "out.pdf";
        // Option 30 is 60 lines a page; the scratch file has c.lines + 4 lines.
        EXPECT_EQ(print->PrintToPdf(QString::fromStdString(pdf.string())), c.pages);
        EXPECT_EQ(CountPdfPages(pdf), c.pages);
        EXPECT_NE(Bytes(g.folder.path() / "PRNTFILE.XXX").find("edited\r\n"), std::string::npos);
    }
}

TEST(PrintWindow, WithoutAPrinterThePrintGoesToAChosenPdf) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this system has a printer";
    GuiSession g;
    g.folder.Write("A.HLP", "alpha\r\nbeta\r\n");
    g.session->ShowHelpText("A.HLP");
    g.window->dataWindow()->PrintData();
    ui::PrintWindow* print = g.window->dataWindow()->printWindow();
    ASSERT_NE(print, nullptr);
    const fs::path pdf = g.folder.path() / "chosen.pdf";
    g.savePath = QString::fromStdString(pdf.string());
    print->btnPrint_Click();
    ASSERT_EQ(g.dialogCalls.size(), 1);
    EXPECT_TRUE(g.dialogCalls[0].endsWith("|PDF Files (*.pdf)"));
    EXPECT_EQ(CountPdfPages(pdf), 1);
    EXPECT_FALSE(print->isVisible());
    // Cancelling the file choice prints nothing.
    g.window->dataWindow()->PrintData();
    g.savePath.clear();
    const fs::path none = g.folder.path() / "none.pdf";
    g.window->dataWindow()->printWindow()->btnPrint_Click();
    EXPECT_FALSE(fs::exists(none));
}

TEST(DataWindow, AFullerBufferWarnsOnEveryShowing) {
    GuiSession g;
    std::string help;
    for (int i = 0; i < 600; ++i) help += "x\r\n";
    g.folder.Write("BIG.HLP", help);
    ASSERT_TRUE(g.session->ShowHelpText("BIG.HLP"));  // 602 lines: no warning yet
    g.prompt.expect("buffer-nearly-full");
    ASSERT_TRUE(g.session->ShowHelpText("BIG.HLP"));  // 1204 lines
    EXPECT_TRUE(g.prompt.done());
    EXPECT_TRUE(g.window->dataWindow()->isVisible());
    g.prompt.expect("buffer-nearly-full");
    g.window->dataWindow()->action("mnuFontsBold")->trigger();  // shows the page again
    EXPECT_TRUE(g.prompt.done());
}

TEST(DataWindow, FontCommandsKeepTheirLimitsAndAddABlankLineEach) {
    GuiSession g;
    g.folder.Write("A.HLP", "text\r\n");
    g.session->settings.FontSize = 11.5;
    g.session->ShowHelpText("A.HLP");
    DataWindow* data = g.window->dataWindow();
    const int16_t before = g.session->buffer.DataLineCount();
    data->action("mnuFontsIncrease")->trigger();
    EXPECT_DOUBLE_EQ(g.session->settings.FontSize, 12.25);
    EXPECT_DOUBLE_EQ(data->Text1()->font().pointSizeF(), 12.25);
    EXPECT_FALSE(data->action("mnuFontsIncrease")->isEnabled());
    data->action("mnuFontsIncrease")->trigger();  // disabled: nothing happens
    EXPECT_DOUBLE_EQ(g.session->settings.FontSize, 12.25);
    data->action("mnuFontsBold")->trigger();
    EXPECT_TRUE(data->Text1()->font().bold());
    EXPECT_EQ(g.session->settings.FontBold, -1);
    data->action("mnuFontsItalic")->trigger();
    EXPECT_TRUE(data->action("mnuFontsItalic")->isChecked());
    data->action("mnuFontsDecrease")->trigger();
    EXPECT_DOUBLE_EQ(g.session->settings.FontSize, 11.5);
    EXPECT_TRUE(data->action("mnuFontsIncrease")->isEnabled());
    EXPECT_EQ(g.session->buffer.DataLineCount(), before + 4);
    const QStringList lines = data->Text1()->toPlainText().split('\n');
    EXPECT_EQ(lines[0], "text");
    // The text, the help text's blank, the blank of the first showing, four
    // more and the empty last entry, each ended by a line break.
    EXPECT_EQ(g.session->buffer.PageLineCount(), 7);
    EXPECT_EQ(lines.size(), 9);
    for (int i = 0; i < 8; ++i) data->action("mnuFontsDecrease")->trigger();
    EXPECT_FALSE(data->action("mnuFontsDecrease")->isEnabled());
    EXPECT_LE(g.session->settings.FontSize, 8.0);
    EXPECT_GT(g.session->settings.FontSize, 8.0 - 0.75);
}

TEST(Settings, DataWindowPlaceAndFontSurviveARestart) {
    GuiSession g;
    g.folder.Write("A.HLP", "text\r\n");
    g.session->ShowHelpText("A.HLP");
    DataWindow* data = g.window->dataWindow();
    data->setGeometry(60, 90, 600, 420);
    data->action("mnuFontsBold")->trigger();
    data->action("mnuFontsDecrease")->trigger();
    const Settings kept = g.session->settings;
    EXPECT_EQ(kept.DataLeft, 60 * 15);
    EXPECT_EQ(kept.DataTop, 90 * 15);
    EXPECT_EQ(kept.DataWidth, 600 * 15);
    EXPECT_EQ(kept.DataHeight, 420 * 15);
    ASSERT_TRUE(g.session->ShutDown());

    g.Start();
    EXPECT_EQ(g.session->settings.DataLeft, kept.DataLeft);
    EXPECT_DOUBLE_EQ(g.session->settings.FontSize, 9.25);
    DataWindow* again = g.window->dataWindow();
    EXPECT_EQ(again->geometry(), QRect(60, 90, 600, 420));
    EXPECT_TRUE(again->Text1()->font().bold());
    EXPECT_TRUE(again->action("mnuFontsBold")->isChecked());
    EXPECT_DOUBLE_EQ(again->Text1()->font().pointSizeF(), 9.25);
}

TEST(OptionsWindow, SaveRereadsAndRestoreCopiesTheMaster) {
    GuiSession g;
    ASSERT_TRUE(g.window->trigger("mnuOptions"));
    ui::OptionsWindow* w = g.window->optionsWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Edit: OPTIONS.OPT");
    QStringList lines = w->txtContent()->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 27);
    lines[26] = "9       27  Morinus now";
    w->txtContent()->setPlainText(lines.join('\n'));
    w->btnSave_Click();
    EXPECT_EQ(g.session->options[27], 9.0f);
    const std::string saved = Bytes(g.folder.path() / "OPTIONS.OPT");
    EXPECT_NE(saved.find("\r\n9       27  Morinus now\r\n"), std::string::npos);
    EXPECT_EQ(saved.substr(saved.size() - 2), "\r\n");
    EXPECT_NE(saved.substr(saved.size() - 4), "\r\n\r\n");  // no blank line added at the end

    w->cmdRestoreDefault_Click();
    EXPECT_EQ(Bytes(g.folder.path() / "OPTIONS.OPT"), Bytes(g.folder.path() / "OPTIONS.MST"));
    EXPECT_EQ(g.session->options[27], 9.0f);  // the table is read again only on Save
    EXPECT_FALSE(w->txtContent()->toPlainText().contains("Morinus now"));

    fs::remove(g.folder.path() / "OPTIONS.OPT");
    g.prompt.expect("options-not-found");
    g.window->optionsWindow()->close();
    g.window->trigger("mnuOptions");
    EXPECT_FALSE(g.window->optionsWindow()->isVisible());
}

TEST(MainWindow, ExitWritesTheSettings) {
    GuiSession g;
    fs::remove(g.folder.path() / "Quaeryn.ini");
    g.session->settings.FontSize = 11;
    g.window->ShutDown();
    const std::string text = Bytes(g.folder.path() / "Quaeryn.ini");
    EXPECT_NE(text.find("FontSize= 11\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DataFile="), std::string::npos);
    // The main window reopens where it was, without drifting by its frame.
    g.Start();
    g.window->setGeometry(30, 40, 700, 60);
    const QRect place = g.window->geometry();
    g.window->ShutDown();
    EXPECT_NE(Bytes(g.folder.path() / "Quaeryn.ini").find("QuaerynWidth= " + std::to_string(place.width() * 15) + "\r\n"),
              std::string::npos);
    g.Start();
    EXPECT_EQ(g.window->geometry(), place);
}

TEST(Screens, TheMainWindowsRenderSomething) {
    GuiSession g;
    g.FillGoodEntries();
    const QImage input = g.window->inputWindow()->grab().toImage();
    g.window->inputWindow()->cmdOK->click();
    const QImage data = g.window->dataWindow()->grab().toImage();
    const QImage main = g.window->grab().toImage();
    EXPECT_TRUE(NotUniform(input));
    EXPECT_TRUE(NotUniform(data));
    EXPECT_TRUE(NotUniform(main));
    if (const char* dir = std::getenv("QUAERYN_SCREENSHOT_DIR")) {
        input.save(QString(dir) + "/input.png");
        data.save(QString(dir) + "/data.png");
        main.save(QString(dir) + "/main.png");
    }
}

}  // namespace
}  // namespace quaeryn::test
