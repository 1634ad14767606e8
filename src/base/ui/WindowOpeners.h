// The windows of the window and tool commands, registered by the ui/ folder
// of the subsystem that owns them under the command's id (for example
// wheel/ui registers "mnuWheelsSingleNatal"), and assembled by app/ui. A
// command whose opener is not in the build shows disabled.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "base/ui/WindowContext.h"

namespace quaeryn::ui {

// A window that shows the chart cast last (the chartwheel) sets this
// property to true; "&Input" closes every such window of the main window,
// since the chart is about to change.
inline constexpr const char* kShowsChartProperty = "showsChart";

// Opens (or brings forward) the command's window over `parent`.
using WindowOpener = std::function<void(const WindowContext& context, QWidget* parent)>;

class WindowOpeners {
public:
    // A second opener for one id replaces the first.
    void Add(const std::string& commandId, WindowOpener opener) { openers_[commandId] = std::move(opener); }
    // nullptr when the build has no window for the command.
    const WindowOpener* Find(const std::string& commandId) const {
        const auto it = openers_.find(commandId);
        return it == openers_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, WindowOpener> openers_;
};

}  // namespace quaeryn::ui
