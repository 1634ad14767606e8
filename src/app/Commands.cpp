#include "app/Commands.h"

#include "horary/HoraryCommands.h"
#include "reports/NatalCommands.h"
#include "reference/ReferenceCommands.h"
#include "wheel/WheelCommands.h"

namespace quaeryn {

namespace {

CommandRegistry Assemble() {
    CommandRegistry registry;
    // One line per subsystem.
    RegisterHoraryCommands(registry);
    RegisterNatalCommands(registry);
    RegisterReferenceCommands(registry);
    RegisterWheelCommands(registry);
    return registry;
}

}  // namespace

const CommandRegistry& AppCommands() {
    static const CommandRegistry registry = Assemble();
    return registry;
}

}  // namespace quaeryn
