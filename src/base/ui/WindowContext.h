// What the windows of a subsystem may use of the running program without
// knowing the session that holds it: the data folder, the options and
// settings, the regional formats, the prompt, the clock and the name file in
// use. The main window builds one from its session and hands it down.
#pragma once

#include <filesystem>

#include "base/AppDirectory.h"
#include "base/Clock.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "base/Settings.h"

namespace quaeryn::ui {

struct WindowContext {
    const AppDirectory& dir;
    const Options& options;
    Settings& settings;
    const RegionalFormats& regional;
    UserPrompt& prompt;
    const Clock& clock;
    std::filesystem::path& currentNameFile;  // the name file in use
};

}  // namespace quaeryn::ui
