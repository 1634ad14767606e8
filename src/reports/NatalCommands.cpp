#include "reports/NatalCommands.h"

#include "base/ChartHeader.h"
#include "reports/NatalReports.h"

namespace quaeryn {

void WriteNatalDataCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteChartHeader(chart, context.regional, out);
    NatalDataReport(chart, context, out);
}

void WriteNatalAspectsCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    NatalAspectGrid(chart, context, out);
}

void WriteSolsticePointsCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    out.AppendBlankLine();
    out.AppendLine("    NATAL PLANET ASPECTS TO NATAL SOLSTICE POINTS");
    SolsticePointAspects(chart, context, out);
}

void WriteArabianPartsCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    ArabianPartsReport(chart, context, out);
}

void WriteAlmutensCommand(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    AlmutenTable(chart, context, out);
    out.AppendBlankLine();
    AntiscionTable(chart, context, out);
}

}  // namespace quaeryn
