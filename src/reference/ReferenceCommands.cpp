#include "reference/ReferenceCommands.h"

namespace quaeryn {

void RegisterReferenceCommands(CommandRegistry& registry) {
    registry.Add({.id = kAnalyzerCommand,
                  .kind = CommandKind::Tool,
                  .caption = "&Horary Analyzer",
                  .shortcut = "F11",
                  .menu = CommandMenu::Data,
                  .order = menu_order::HoraryAnalyzer});
    registry.Add({.id = kKeywordsCommand,
                  .kind = CommandKind::Tool,
                  .caption = "&Keywords",
                  .menu = CommandMenu::Bar,
                  .order = menu_order::Keywords,
                  .needsChart = false});
}

}  // namespace quaeryn
