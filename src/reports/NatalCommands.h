// The menu commands of the natal and supplementary reports: each writes its
// head and its body, after BeginReport and before the page is shown.
#pragma once

#include "base/ChartState.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"

namespace quaeryn {

// "Natal &Data" (F2): the chart header and the natal data.
void WriteNatalDataCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out);
// "Natal &Aspects" (F3): the chart's name and the aspect grid.
void WriteNatalAspectsCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out);
// "Aspects to &Solstice Points" (F4): the name, the title line and the aspects.
void WriteSolsticePointsCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out);
// "Arabian &Parts" (F5): the name and the parts.
void WriteArabianPartsCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out);
// "&Almutens and Antiscions" (F8): the name, the almutens and the antiscions.
void WriteAlmutensCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

}  // namespace quaeryn
