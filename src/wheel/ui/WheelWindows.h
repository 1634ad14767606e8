// The chartwheel's windows in the window openers: "&Wheel" and "D&ual
// Wheel" each close the wheel window that is open and show a new one on the
// chart of this moment.
#pragma once

#include "base/ui/WindowOpeners.h"

namespace quaeryn::ui {

void RegisterWheelWindows(WindowOpeners& openers);

}  // namespace quaeryn::ui
