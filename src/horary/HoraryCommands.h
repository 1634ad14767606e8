// The menu commands of the horary reports: Horary Basics (the default
// report of every cast), Horary Aspects, and Other Degrees and Dwads.
#pragma once

#include "base/CommandRegistry.h"

namespace quaeryn {

void RegisterHoraryCommands(CommandRegistry& registry);

// The default report of every cast, and the body of "Horary &Basics": the
// chart header, the Horary Basics report, the nodes, parts and Moon's
// aspects, the critical degrees.
void WriteDefaultReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

}  // namespace quaeryn
