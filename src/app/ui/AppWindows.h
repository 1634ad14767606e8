// The windows of this build's window and tool commands, assembled from the
// subsystems' ui/ folders.
#pragma once

#include "base/ui/WindowOpeners.h"

namespace quaeryn::ui {

const WindowOpeners& AppWindowOpeners();

}  // namespace quaeryn::ui
