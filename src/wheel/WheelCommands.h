// The commands of the chartwheel: "&Wheel" and "D&ual Wheel" on the menu
// bar (windows, opened by wheel/ui), and the ASCII chart, the text report of
// the wheel window's "AS&CII" item and of quaeryn-cli --report ascii.
#pragma once

#include "base/CommandRegistry.h"

namespace quaeryn {

inline constexpr const char* kSingleWheelCommand = "mnuWheelsSingleNatal";
inline constexpr const char* kDualWheelCommand = "mnuWheelsDual";
inline constexpr const char* kAsciiChartCommand = "mnuAsciiChart";

void RegisterWheelCommands(CommandRegistry& registry);

}  // namespace quaeryn
