// What the windows of the desktop program share: the data folder, the
// options, settings and data files, the entries of the Input Data window,
// the checked house system, the current chart, the report buffer and the
// name file in use. The windows hold a reference to one Session and call
// these operations; none of them reads another window's widgets.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/ChartState.h"
#include "base/Clock.h"
#include "base/Layout.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"
#include "base/Settings.h"
#include "entry/EventEntries.h"

namespace quaeryn {

// The caption prefix of the main, Data and wheel windows.
inline constexpr const char* kCaptionPrefix = "Quaeryn - Version 5.00 - ";

// The nine house systems in menu order: item id, caption, code, option 27.
struct HouseSystemItem {
    const char* id;
    const char* caption;
    const char* code;
};
const HouseSystemItem (&HouseSystemItems())[9];

class Session {
public:
    Session(AppDirectory dir, UserPrompt& prompt, const Clock& clock);

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
    // ResetBuffers and CastChart from the entries; on success the chart is
    // replaced and the default report written and shown. False after the
    // messages of a failed cast: the chart and the windows stay as they were
    // (the buffers were emptied, as every cast does first).
    bool Cast();
    // The data side of the "&Input" command: forgets the document file and
    // the data buffer, and refreshes the date and time of a chart named
    // "Now" from the clock.
    void OpenInputWindows();
    // Checks one house system (unknown codes give Placidus) and casts again.
    bool SelectHouseSystem(const std::string& code);
    bool RecastChart();

    // ---- reports and help
    enum class ReportOutcome { Shown, NoChart, NotAvailable, UnknownCommand };
    ReportOutcome RunReportCommand(const std::string& id);
    // A plain-text file of the data folder in the Data window. A missing
    // file gives its message and leaves the page as BeginReport left it.
    bool ShowHelpText(const std::string& file);
    std::string HelpFileName;  // the help file last chosen

    ReportContext Context() const { return ReportContext{options, data, regional, prompt}; }

    // ---- shared state
    AppDirectory dir;
    Options options;
    Settings settings;
    AppData data;
    RegionalFormats regional;
    LayoutConstants layout;
    EventEntries entries;
    std::string houseCode = "P";
    std::optional<ChartState> chart;
    ReportBuffer buffer;
    std::filesystem::path currentNameFile;
    UserPrompt& prompt;
    const Clock& clock;

    // ---- what the windows attach
    // True while the Data window is minimized (the page is then not shown).
    std::function<bool()> dataWindowMinimized;
    // Shows the current page in the Data window.
    std::function<void()> showDataWindow;
    // A cast succeeded: hide the entry windows, show the hidden menus.
    std::function<void()> chartCast;

private:
    void ShowPage();
    bool Minimized() const { return dataWindowMinimized && dataWindowMinimized(); }
};

}  // namespace quaeryn
