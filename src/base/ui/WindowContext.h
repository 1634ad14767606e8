// What the windows of a subsystem may use of the running program without
// knowing the session that holds it: the data folder and its data files,
// the options and settings, the regional formats, the screen's layout, the
// prompt, the clock and the computer's zone, the name file in use, the chart
// last cast and the report buffer. The main window builds one from its
// session and hands it down.
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
#include "base/Settings.h"
#include "base/ZoneSource.h"

namespace quaeryn::ui {

struct WindowContext {
    const AppDirectory& dir;
    const AppData& data;  // the data files read at start
    const Options& options;
    Settings& settings;
    const RegionalFormats& regional;
    const LayoutConstants& layout;  // chosen at start from the screen
    UserPrompt& prompt;
    const Clock& clock;
    const ZoneSource& zone;
    std::filesystem::path& currentNameFile;  // the name file in use
    const std::optional<ChartState>& chart;  // the chart last cast, if any
    // A window that writes into the report (the report buffer) and shows
    // the page it wrote, as a report shows it: the blank line and the
    // nearly-full warning of the buffer, then the Data window (nothing
    // while the Data window is minimized).
    ReportBuffer& buffer;
    std::function<void()> showPage;
    // Runs a registered command by its id (a window's button that writes a
    // text report); false when it did not run.
    std::function<bool(const std::string& commandId)> runCommand;
    // Shows a help text of the data folder in the Data window, as the
    // main window's Help menu does.
    std::function<void(const std::string& file)> showHelpText;
};

}  // namespace quaeryn::ui
