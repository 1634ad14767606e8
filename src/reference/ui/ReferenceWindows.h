// The windows of the reference tools, opened by their commands: the Horary
// Analyzer and the Keywords card.
#pragma once

#include "base/ui/WindowOpeners.h"

namespace quaeryn::ui {

// "&Horary Analyzer" starts a new report with the chart's name and shows the
// Analyzer; "&Keywords" shows the card. A window already open is brought
// forward as it stands; one that was closed opens afresh.
void RegisterReferenceWindows(WindowOpeners& openers);

}  // namespace quaeryn::ui
