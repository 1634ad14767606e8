#include "app/ui/AppWindows.h"

#include "reference/ui/ReferenceWindows.h"
#include "wheel/ui/WheelWindows.h"

namespace quaeryn::ui {

namespace {

WindowOpeners Assemble() {
    WindowOpeners openers;
    // One line per subsystem with windows of its own.
    RegisterReferenceWindows(openers);
    RegisterWheelWindows(openers);
    return openers;
}

}  // namespace

const WindowOpeners& AppWindowOpeners() {
    static const WindowOpeners openers = Assemble();
    return openers;
}

}  // namespace quaeryn::ui
