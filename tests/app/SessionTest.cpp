#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Session.h"
#include "base/CommandRegistry.h"
#include "base/TextFile.h"
#include "entry/NameFile.h"
#include "support/Entries.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// An option file whose lines carry the given values (1-based), 0 elsewhere.
std::string OptionText(std::initializer_list<std::pair<int, float>> values) {
    std::vector<float> v(200, 0.0f);
    for (const auto& [n, value] : values) v[static_cast<std::size_t>(n - 1)] = value;
    std::ostringstream out;
    for (std::size_t i = 0; i < v.size(); ++i) out << v[i] << "       line " << (i + 1) << "\r\n";
    return out.str();
}

EventEntries GoodEntries() { return test::NewYorkEntries("John Smith"); }

struct Fixture {
    TempFolder folder;
    test::ScriptedPrompt prompt;
    test::FixedClock clock{LocalDateTime{2026, 12, 6, 21, 14, 5}};
    test::FixedZone zone;
    Session session{AppDirectory(folder.path()), prompt, clock, zone};
    int shown = 0;
    int cast = 0;
    bool minimized = false;

    Fixture() {
        folder.Write("OPTIONS.OPT", OptionText({{27, 3}, {30, 60}, {45, 61}}));
        session.StartUp(RegionalFormats{}, ChooseLayout(1024, 15));
        session.view.showDataWindow = [this] { ++shown; };
        session.view.chartCast = [this] { ++cast; };
        session.view.dataWindowMinimized = [this] { return minimized; };
    }
};

TEST(Session, StartUpChecksTheHouseSystemOfOption27AndReadsTheSettings) {
    TempFolder folder;
    folder.Write("OPTIONS.OPT", OptionText({{27, 9}}));
    folder.Write("quaeryn.INI", "[Quaeryn]\r\nFontSize= 11.5\r\nDataFile=/x/CHARTS.FIL\r\n");
    test::ScriptedPrompt prompt;
    test::FixedClock clock{LocalDateTime{}};
    test::FixedZone zone;
    Session session(AppDirectory(folder.path()), prompt, clock, zone);
    session.StartUp(RegionalFormats{}, ChooseLayout(800, 12));
    EXPECT_EQ(session.houseCode, "I");
    EXPECT_DOUBLE_EQ(session.settings.FontSize, 11.5);
    EXPECT_EQ(session.currentNameFile, fs::path("/x/CHARTS.FIL"));
    EXPECT_DOUBLE_EQ(session.layout.FontStep(), 0.6);
}

TEST(Session, AGoodCastReplacesTheChartAndShowsTheDefaultReport) {
    Fixture f;
    f.session.entries = GoodEntries();
    ASSERT_TRUE(f.session.Cast());
    ASSERT_TRUE(f.session.chart.has_value());
    EXPECT_EQ(f.session.chart->ChartName, "John Smith");
    EXPECT_EQ(f.session.chart->HouseSystemCode, "K");
    EXPECT_EQ(f.cast, 1);
    EXPECT_EQ(f.shown, 1);
    const auto& page = f.session.buffer.PageBuffer();
    ASSERT_GE(f.session.buffer.PageLineCount(), 4);
    EXPECT_EQ(page[0], "");
    EXPECT_EQ(page[1], "  John Smith");
    EXPECT_EQ(page[2].substr(0, 13), "  05 Mar 2001");
    // The last line the Data window shows is the blank of ShowDataWindow.
    EXPECT_EQ(page[static_cast<std::size_t>(f.session.buffer.PageLineCount() - 1)], "");
    EXPECT_EQ(f.session.buffer.DataLineCount(), f.session.buffer.PageLineCount());
}

TEST(Session, AFailedCastKeepsThePreviousChartAndShowsNothing) {
    struct Case {
        const char* what;
        void (*spoil)(EventEntries&);
        std::vector<std::string> messages;
    } cases[] = {
        {"empty month", [](EventEntries& e) { e.month.clear(); }, {"input-error", "input-error"}},
        {"west zone below -2", [](EventEntries& e) { e.tz = "-5"; }, {"input-error"}},
        {"latitude above 66", [](EventEntries& e) { e.latDeg = "66"; e.latMin = "1"; }, {"latitude-too-high"}},
        {"year 2100", [](EventEntries& e) { e.year = "2100"; }, {"input-error"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.session.houseCode = "P";
        f.session.entries = GoodEntries();
        ASSERT_TRUE(f.session.Cast());
        const double sunBefore = f.session.chart->Longitude[1];
        const double ramcBefore = f.session.chart->Ramc;
        c.spoil(f.session.entries);
        f.session.entries.name = "Spoilt";
        for (const auto& id : c.messages) f.prompt.expect(id);
        EXPECT_FALSE(f.session.Cast());
        EXPECT_EQ(f.prompt.seenIds(), c.messages);
        EXPECT_EQ(f.session.chart->ChartName, "John Smith");
        EXPECT_EQ(f.session.chart->Longitude[1], sunBefore);
        EXPECT_EQ(f.session.chart->Ramc, ramcBefore);
        EXPECT_EQ(f.shown, 1);
        EXPECT_EQ(f.cast, 1);
    }
}

TEST(Session, SelectingAHouseSystemCastsAgainInIt) {
    Fixture f;
    f.session.entries = GoodEntries();
    ASSERT_TRUE(f.session.Cast());
    f.session.buffer.CurrentDocFile = "/tmp/old.DOC";
    ASSERT_TRUE(f.session.SelectHouseSystem("I"));
    EXPECT_EQ(f.session.houseCode, "I");
    EXPECT_EQ(f.session.chart->HouseSystemCode, "I");
    EXPECT_EQ(f.session.buffer.CurrentDocFile, "");  // "&Input" forgets the document
    EXPECT_EQ(f.shown, 2);
    // An unknown code is Placidus; Meridian lifts the latitude limit.
    ASSERT_TRUE(f.session.SelectHouseSystem("Z"));
    EXPECT_EQ(f.session.chart->HouseSystemCode, "P");
    f.session.entries.latDeg = "80";
    f.session.entries.latMin = "30";
    EXPECT_TRUE(f.session.SelectHouseSystem("M"));
    EXPECT_EQ(f.prompt.seen().size(), 0u);
}

TEST(Session, OpenInputWindowsRefreshesANowChartAndKeepsThePlace) {
    Fixture f;
    f.session.entries = GoodEntries();
    ASSERT_TRUE(f.session.Cast());
    f.session.entries.name = "Now";
    f.session.entries.longDeg = "2";
    f.session.entries.east = true;
    // 21:14 universal time on a computer an hour ahead of it.
    f.zone.set(3600);
    f.session.OpenInputWindows();
    const EventEntries& e = f.session.entries;
    EXPECT_EQ(e.month, "12");
    EXPECT_EQ(e.day, "6");
    EXPECT_EQ(e.year, "2026");
    EXPECT_EQ(e.hour, "10");
    EXPECT_EQ(e.minute, "14");
    EXPECT_TRUE(e.pm);
    EXPECT_EQ(e.tz, "-1");  // the time's zone comes with it
    EXPECT_EQ(e.longDeg, "2");
    EXPECT_TRUE(e.east);
    EXPECT_EQ(f.session.buffer.DataLineCount(), 0);
    // Any other name keeps its date and time.
    f.session.entries = GoodEntries();
    f.session.OpenInputWindows();
    EXPECT_EQ(f.session.entries, GoodEntries());
}

TEST(Session, TextReportsNeedAChartAndRunInTheirFrame) {
    Fixture f;
    EXPECT_EQ(f.session.RunCommand("mnuHoraryBasics"), Session::CommandOutcome::NoChart);
    f.session.entries = GoodEntries();
    ASSERT_TRUE(f.session.Cast());
    const std::vector<std::string> defaultPage = f.session.buffer.PageBuffer();
    const int16_t defaultCount = f.session.buffer.PageLineCount();
    EXPECT_EQ(f.session.RunCommand("no-such-command"), Session::CommandOutcome::UnknownCommand);
    EXPECT_EQ(f.session.RunCommand("mnuWheelsAscii"), Session::CommandOutcome::UnknownCommand);  // not in this build
    EXPECT_EQ(f.session.buffer.PageBuffer(), defaultPage);  // nothing ran
    // By menu id or by command-line name: the default report again.
    for (const char* name : {"mnuHoraryBasics", "basics"}) {
        EXPECT_EQ(f.session.RunCommand(name), Session::CommandOutcome::Done);
        EXPECT_EQ(f.session.buffer.PageBuffer(), defaultPage);
        EXPECT_EQ(f.session.buffer.PageLineCount(), defaultCount);
    }
    EXPECT_EQ(f.session.buffer.DataLineCount(), 3 * defaultCount);
    EXPECT_EQ(f.shown, 3);
    // Another report replaces the page and adds to the data buffer.
    ASSERT_EQ(f.session.RunCommand("horary-aspects"), Session::CommandOutcome::Done);
    EXPECT_EQ(f.session.buffer.PageBuffer()[1], "  John Smith");
    EXPECT_EQ(f.session.buffer.DataLineCount(), 3 * defaultCount + f.session.buffer.PageLineCount());
}

TEST(Session, ACastWithoutTheDefaultReportLeavesThePageEmpty) {
    Fixture f;
    f.session.entries = GoodEntries();
    ASSERT_TRUE(f.session.Cast(Session::AfterCast::NoReport));
    EXPECT_TRUE(f.session.chart.has_value());
    EXPECT_EQ(f.session.buffer.PageLineCount(), 0);
    EXPECT_EQ(f.session.buffer.DataLineCount(), 0);
    EXPECT_EQ(f.shown, 0);
    EXPECT_EQ(f.cast, 1);
}

TEST(Session, WindowsAndToolsOpenThroughTheView) {
    TempFolder folder;
    CommandRegistry registry;
    registry.Add({.id = "mnuTestWheel", .kind = CommandKind::Window, .caption = "&Wheel"});
    registry.Add({.id = "mnuTestCard", .kind = CommandKind::Tool, .caption = "&Card", .needsChart = false});
    test::ScriptedPrompt prompt;
    test::FixedClock clock{LocalDateTime{}};
    test::FixedZone zone;
    Session session(AppDirectory(folder.path()), prompt, clock, zone, registry);
    session.StartUp(RegionalFormats{}, ChooseLayout(1024, 15));
    // A build without the windows.
    EXPECT_EQ(session.RunCommand("mnuTestCard"), Session::CommandOutcome::NotAvailable);
    std::vector<std::string> opened;
    session.view.openWindow = [&opened](const Command& c) {
        opened.push_back(c.id);
        return true;
    };
    EXPECT_EQ(session.RunCommand("mnuTestCard"), Session::CommandOutcome::Done);
    // The window is on the current chart: none yet.
    EXPECT_EQ(session.RunCommand("mnuTestWheel"), Session::CommandOutcome::NoChart);
    session.entries = GoodEntries();
    ASSERT_TRUE(session.Cast());  // no default report in this registry: the page stays empty
    EXPECT_EQ(session.buffer.PageLineCount(), 0);
    EXPECT_EQ(session.RunCommand("mnuTestWheel"), Session::CommandOutcome::Done);
    EXPECT_EQ(opened, (std::vector<std::string>{"mnuTestCard", "mnuTestWheel"}));
}

TEST(Session, EveryCastGoesThroughTheSameStepsAndTheViewSeesThemInOrder) {
    Fixture f;
    std::vector<std::string> steps;
    SessionView& v = f.session.view;
    v.commitEntries = [&] { steps.push_back("commit"); };
    v.entriesOpened = [&] { steps.push_back("entries"); };
    v.castStarting = [&] { steps.push_back("start"); };
    v.castFinished = [&](bool cast) { steps.push_back(cast ? "done" : "refused"); };
    v.chartCast = [&] { steps.push_back("cast"); };
    v.showDataWindow = [&] { steps.push_back("page"); };
    f.session.entries = GoodEntries();
    ASSERT_TRUE(f.session.SelectHouseSystem("C"));
    EXPECT_EQ(steps, (std::vector<std::string>{"commit", "entries", "commit", "start", "cast", "page", "done"}));
    EXPECT_EQ(f.session.chart->HouseSystemCode, "C");
    steps.clear();
    f.session.entries.year = "99";
    f.prompt.expect("input-error");
    EXPECT_FALSE(f.session.Cast());
    EXPECT_EQ(steps, (std::vector<std::string>{"commit", "start", "refused"}));
}

TEST(Session, HelpTextsLandInTheBufferAndAMissingOneOnlyWarns) {
    Fixture f;
    std::string text;
    for (int i = 1; i <= 40; ++i) text += "help line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    f.folder.Write("hints.hlp", text);
    ASSERT_TRUE(f.session.ShowHelpText("HINTS.HLP"));
    EXPECT_EQ(f.session.HelpFileName, "HINTS.HLP");
    const auto& page = f.session.buffer.PageBuffer();
    // 40 lines, the closing blank line and the blank of ShowDataWindow.
    ASSERT_EQ(f.session.buffer.PageLineCount(), 42);
    EXPECT_EQ(page[0], "help line 1");
    EXPECT_EQ(page[39], "help line 40");
    EXPECT_EQ(page[40], "");
    EXPECT_EQ(page[41], "");
    EXPECT_EQ(f.session.buffer.DataLineCount(), 42);
    EXPECT_EQ(f.shown, 1);

    f.prompt.expect("help-file-missing");
    EXPECT_FALSE(f.session.ShowHelpText("NOSUCH.HLP"));
    EXPECT_EQ(f.session.buffer.PageLineCount(), 0);
    EXPECT_EQ(f.session.buffer.DataLineCount(), 42);  // the data buffer keeps its lines
    EXPECT_EQ(f.shown, 1);
    EXPECT_NE(f.prompt.seen().back().text.find("NOSUCH.HLP"), std::string::npos);
}

TEST(Session, AHelpTextLongerThanTheBufferFillsItAndIsShown) {
    Fixture f;
    std::string text;
    for (int i = 1; i <= 32800; ++i) text += "line " + std::to_string(i) + "\r\n";
    f.folder.Write("INDEX.TXT", text);
    // Lines 32768 to 32800, the closing blank line and the blank of
    // ShowDataWindow are refused one by one; then the nearly-full warning.
    for (int i = 0; i < 35; ++i) f.prompt.expect("buffer-full");
    f.prompt.expect("buffer-nearly-full");
    ASSERT_TRUE(f.session.ShowHelpText("INDEX.TXT"));
    EXPECT_EQ(f.shown, 1);
    EXPECT_EQ(f.session.buffer.PageLineCount(), ReportBuffer::kMaxLines);
    const std::string page = f.session.buffer.PageText();
    EXPECT_EQ(page.substr(page.size() - 14), "line 32767\r\n\r\n");
}

TEST(Session, AMinimizedDataWindowGetsNoPage) {
    Fixture f;
    f.folder.Write("A.HLP", "one\r\n");
    f.minimized = true;
    ASSERT_TRUE(f.session.ShowHelpText("A.HLP"));
    EXPECT_EQ(f.shown, 0);
    EXPECT_EQ(f.session.buffer.PageLineCount(), 2);  // no blank line of ShowDataWindow
}

TEST(Session, ShutDownWritesTheSettingsWithTheNameFileInUse) {
    Fixture f;
    f.session.settings.FontSize = 12.25;
    f.session.settings.DataLeft = -120;
    f.session.currentNameFile = f.folder.path() / "CHARTS.FIL";
    ASSERT_TRUE(f.session.ShutDown());
    const Settings reread = ReadSettings(f.session.SettingsPath(), f.folder.path());
    EXPECT_EQ(reread, f.session.settings);
    EXPECT_EQ(reread.DataFile, (f.folder.path() / "CHARTS.FIL").string());
    const auto text = ReadWholeFile(f.session.SettingsPath());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(0, 56), "[Quaeryn] - Do NOT change the order of these variables.\r");
}

TEST(Session, RestoringTheDefaultOptionsCopiesTheMasterFile) {
    Fixture f;
    f.prompt.expect("restore-defaults-failed");
    EXPECT_FALSE(f.session.RestoreDefaultOptions());
    EXPECT_EQ(f.session.options[27], 3.0f);

    f.folder.Write("OPTIONS.MST", OptionText({{27, 5}}));
    ASSERT_TRUE(f.session.RestoreDefaultOptions());
    EXPECT_EQ(f.session.options[27], 3.0f);  // read again only on Save
    ASSERT_TRUE(f.session.ReloadOptions());
    EXPECT_EQ(f.session.options[27], 5.0f);
    EXPECT_EQ(ReadWholeFile(f.folder.path() / "OPTIONS.OPT"), ReadWholeFile(f.folder.path() / "OPTIONS.MST"));
}

// A picked place's zone is filled for the moment entered as the cast
// begins; a moment the zone lacks refuses the cast and names the hour.
TEST(Session, ACastFillsTheLinkedZoneOrIsRefusedForAMomentTheZoneLacks) {
    Fixture f;
    int filled = 0;
    f.session.view.zoneFilled = [&filled] { ++filled; };
    EventEntries& e = f.session.entries;
    e = GoodEntries();
    e.name = "Paris";
    e.month = "7";
    e.day = "14";
    e.year = "1990";
    e.hour = "3";
    e.minute = "0";
    e.pm = true;
    e.tz = "";
    e.longDeg = "2";
    e.longMin = "21";
    e.east = true;
    e.latDeg = "48";
    e.latMin = "51";
    f.session.zoneLink.Link("Europe/Paris", e);
    ASSERT_TRUE(f.session.Cast(Session::AfterCast::NoReport));
    EXPECT_EQ(e.tz, "-2");
    EXPECT_EQ(filled, 1);
    EXPECT_DOUBLE_EQ(f.session.chart->ZoneHours, -2);
    EXPECT_EQ(f.session.zoneLink.line(), "Europe/Paris, UTC+2, summer time");

    e = GoodEntries();
    e.month = "3";
    e.day = "14";
    e.year = "2021";
    e.hour = "2";
    e.minute = "30";
    f.session.zoneLink.Link("America/New_York", e);
    f.prompt.expect("local-time-skipped");
    EXPECT_FALSE(f.session.Cast(Session::AfterCast::NoReport));
    EXPECT_TRUE(f.prompt.done());
    ASSERT_EQ(f.session.refusal.size(), 1u);
    EXPECT_EQ(f.session.refusal[0].field, EntryField::Hour);
    EXPECT_EQ(f.session.chart->ChartName, "Paris");
    EXPECT_EQ(f.cast, 1);
    EXPECT_EQ(filled, 1);
}

// Before standard time the LMT box is ticked and the zone box takes the
// mean time of the entered longitude, so the name-file record, which keeps
// no LMT box, casts the same chart.
TEST(Session, ALocalMeanTimeFillCastsTheSameChartAsItsRecord) {
    Fixture f;
    f.prompt.allow("local-mean-time-used");
    EventEntries& e = f.session.entries;
    e = GoodEntries();
    e.year = "1850";
    f.session.zoneLink.Link("America/New_York", e);
    ASSERT_TRUE(f.session.Cast(Session::AfterCast::NoReport));
    EXPECT_TRUE(e.lmt);
    const ChartState lmt = *f.session.chart;

    NameList list = ParseNameList(FormatNameRecord(e, f.session.regional) + "\r\n");
    NameRecord* record = FindNameRecord(list, "John Smith");
    ASSERT_NE(record, nullptr);
    EventEntries stored;
    ASSERT_TRUE(FillFromRecord(*record, stored, f.session.regional, f.prompt));
    EXPECT_FALSE(stored.lmt);
    f.session.entries = stored;
    ASSERT_TRUE(f.session.Cast(Session::AfterCast::NoReport));
    // 4.9311 hours against 4h 55m 52s: a tenth of a second of time.
    EXPECT_NEAR(f.session.chart->Ramc, lmt.Ramc, 1e-3);
    EXPECT_NEAR(f.session.chart->Longitude[10], lmt.Longitude[10], 1e-5);
}

}  // namespace
}  // namespace quaeryn
