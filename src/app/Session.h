// The running program: the data folder, the options, settings and data
// files, the entries of the Input Data window, the checked house system,
// the current chart, the report buffer, the name file in use and the
// commands. The desktop program attaches its windows through the view; the
// command line runs the same session without one. Every cast, every
// command and the house-system switch go through these operations.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/Commands.h"
#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/ChartState.h"
#include "base/Clock.h"
#include "base/CommandRegistry.h"
#include "base/Layout.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"
#include "base/Settings.h"
#include "base/Vocabulary.h"
#include "base/ZoneSource.h"
#include "entry/EntryChecks.h"
#include "entry/EventEntries.h"
#include "entry/ZoneLink.h"

namespace quaeryn {

// The nine house systems in menu order: item id, caption, code, option 27.
struct HouseSystemItem {
    const char* id;
    const char* caption;
    const char* code;
};
const HouseSystemItem (&HouseSystemItems())[9];

// What the desktop attaches to a session. A session without a view (the
// command line, most tests) runs the same steps and shows nothing.
struct SessionView {
    // True while the Data window is minimized (the page is then not shown).
    std::function<bool()> dataWindowMinimized;
    // Shows the current page in the Data window.
    std::function<void()> showDataWindow;
    // The Input Data window's controls into the entries, before a cast or
    // "&Input" reads them.
    std::function<void()> commitEntries;
    // "&Input" ran: the entry windows show the entries, the Data window closes.
    std::function<void()> entriesOpened;
    // The zone link filled the zone box (or the LMT box) as a cast began:
    // the Input Data window shows the entries.
    std::function<void()> zoneFilled;
    // A cast begins (the Time Zones window closes, the busy pointer shows)
    // and ends; a refused cast leaves the entry windows showing the entries.
    std::function<void()> castStarting;
    // After a refused cast the session's refusal names the failing fields.
    std::function<void(bool cast)> castFinished;
    // A cast succeeded: hide the entry windows, show what needs a chart.
    std::function<void()> chartCast;
    // A window or tool command: opens its window; false when this build has
    // no window for it.
    std::function<bool(const Command&)> openWindow;
};

class Session {
public:
    // The clock and the computer's zone give the present moment of "NOW".
    Session(AppDirectory dir, UserPrompt& prompt, const Clock& clock, const ZoneSource& zone,
            const CommandRegistry& commands = AppCommands());

    // ---- start-up and shut-down
    // Reads the options, the settings and the data files, takes the regional
    // formats and the layout, and checks the house system of option 27.
    void StartUp(const RegionalFormats& regional, const LayoutConstants& layout);
    // ReadOptions again (after the Options window saved the file).
    bool ReloadOptions();
    // Copies OPTIONS.MST over OPTIONS.OPT; false (with its message) when the
    // copy fails. The option table is not re-read here.
    bool RestoreDefaultOptions();
    // Writes the settings file (with the name file in use).
    bool ShutDown();

    std::filesystem::path OptionsPath() const { return dir.Resolve("OPTIONS.OPT"); }
    std::filesystem::path SettingsPath() const { return dir.Resolve("Quaeryn.ini"); }

    // ---- casting
    enum class AfterCast { DefaultReport, NoReport };
    // Settles the linked zone for the moment entered (ZoneLink), then
    // ResetBuffers and CastChart from the entries; on success the chart is
    // replaced and (unless told otherwise) the default report written and
    // shown. False after the messages of a failed cast: the chart and the
    // windows stay as they were (the buffers were emptied, as every cast
    // does first).
    bool Cast(AfterCast after = AfterCast::DefaultReport);
    // The "&Input" command: forgets the document file and the data buffer,
    // refreshes the date, time and zone of a chart named "Now" from the
    // clock and the computer's zone, and
    // has the view show the entry windows.
    void OpenInputWindows();
    // The house-system switch: checks one system (unknown codes give
    // Placidus) and casts again.
    bool SelectHouseSystem(const std::string& code);
    // "&Input", then a cast with the default report.
    bool RecastChart();

    // ---- commands and help
    enum class CommandOutcome { Done, NoChart, NotAvailable, UnknownCommand };
    // Runs a command by its menu id or command-line name: a text report in
    // its frame (BeginReport, head and body, the page shown), a window or
    // tool through the view.
    CommandOutcome RunCommand(const std::string& idOrCliName);
    // A plain-text file of the data folder in the Data window. A missing
    // file gives its message and leaves the page as BeginReport left it.
    bool ShowHelpText(const std::string& file);
    std::string HelpFileName;  // the help file last chosen
    // Shows the page the last lines were written to: the buffer's step of
    // showing the Data window (unless it is minimized: a blank line, the
    // nearly-full warning), then the window itself. For the windows that
    // write into the report.
    void ShowPage();

    ReportContext Context() const { return ReportContext{options, data, regional, prompt}; }

    // ---- shared state
    AppDirectory dir;
    Options options;
    Settings settings;
    AppData data;
    RegionalFormats regional;
    LayoutConstants layout;
    EventEntries entries;
    // The zone box's link to a zone of the time-zone database (a picked
    // place, --place, --zone, or "NOW" in a named zone).
    ZoneLink zoneLink;
    std::string houseCode = "P";
    std::optional<ChartState> chart;
    // The fields the last cast refused, in the order of its messages; empty
    // after a cast that went through.
    EntryFaults refusal;
    ReportBuffer buffer;
    std::filesystem::path currentNameFile;
    UserPrompt& prompt;
    const Clock& clock;
    const ZoneSource& zone;
    const CommandRegistry& commands;
    SessionView view;

private:
    bool Minimized() const { return view.dataWindowMinimized && view.dataWindowMinimized(); }
};

}  // namespace quaeryn
