// The menu commands of the natal and supplementary reports: Natal Data,
// Natal Aspects, Aspects to Solstice Points, Arabian Parts, and Almutens and
// Antiscions.
#pragma once

#include "base/CommandRegistry.h"

namespace quaeryn {

void RegisterNatalCommands(CommandRegistry& registry);

}  // namespace quaeryn
