// The menu commands of the reference tools: the Horary Analyzer (Data menu,
// F11), which needs a chart for the name its report starts with, and the
// Keywords card on the menu bar, which needs none. Both are tools: their
// windows are opened by the openers of reference/ui.
#pragma once

#include "base/CommandRegistry.h"

namespace quaeryn {

inline constexpr const char* kAnalyzerCommand = "mnuHoraryAnalyzer";
inline constexpr const char* kKeywordsCommand = "mnuKeywords";

void RegisterReferenceCommands(CommandRegistry& registry);

}  // namespace quaeryn
