#include "wheel/WheelCommands.h"

#include "wheel/AsciiChart.h"

namespace quaeryn {

void RegisterWheelCommands(CommandRegistry& registry) {
    registry.Add({.id = kSingleWheelCommand,
                  .kind = CommandKind::Window,
                  .caption = "&Wheel",
                  .menu = CommandMenu::Bar,
                  .order = menu_order::Wheel});
    registry.Add({.id = kDualWheelCommand,
                  .kind = CommandKind::Window,
                  .caption = "D&ual Wheel",
                  .menu = CommandMenu::Bar,
                  .order = menu_order::DualWheel});
    // On no menu of the main window: the single wheel's window offers it.
    registry.Add({.id = kAsciiChartCommand,
                  .caption = "AS&CII",
                  .cliName = "ascii",
                  .write = &AsciiChartReport});
}

}  // namespace quaeryn
