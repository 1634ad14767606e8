#include "app/ui/AppWindows.h"

namespace quaeryn::ui {

namespace {

WindowOpeners Assemble() {
    WindowOpeners openers;
    // One line per subsystem with windows of its own, as
    // RegisterWheelWindows(openers) from wheel/ui/WheelWindows.h; none of
    // this build's commands is a window or a tool yet.
    return openers;
}

}  // namespace

const WindowOpeners& AppWindowOpeners() {
    static const WindowOpeners openers = Assemble();
    return openers;
}

}  // namespace quaeryn::ui
