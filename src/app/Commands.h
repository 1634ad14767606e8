// The command registry of this build: every subsystem's commands, assembled
// once. A subsystem that is not built registers nothing, and its menu items
// and report names are simply absent.
#pragma once

#include "base/CommandRegistry.h"

namespace quaeryn {

// The report every cast writes and shows (the one of "Horary &Basics").
inline constexpr const char* kDefaultReport = "mnuHoraryBasics";

const CommandRegistry& AppCommands();

}  // namespace quaeryn
