#include "horary/HoraryCommands.h"

#include "base/ChartHeader.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace {

void WriteHoraryAspects(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    HoraryAspectsReport(chart, context, out);
}

void WriteOtherDegrees(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    OtherDegreesReport(chart, context, out);
}

}  // namespace

void WriteDefaultReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteChartHeader(chart, context.regional, out);
    HoraryBasicsReport(chart, context, out);
    out.AppendBlankLine();
    NodesPartsAndMoonBlock(chart, context, out);
    out.AppendBlankLine();
    CriticalDegreesTable(chart, context, out);
}

void RegisterHoraryCommands(CommandRegistry& registry) {
    registry.Add({.id = "mnuHoraryBasics",
                  .caption = "Horary &Basics",
                  .shortcut = "F6",
                  .menu = CommandMenu::Data,
                  .order = menu_order::HoraryBasics,
                  .separatorBefore = true,
                  .cliName = "basics",
                  .write = &WriteDefaultReport});
    registry.Add({.id = "mnuHoraryAspects",
                  .caption = "Horary As&pects",
                  .shortcut = "F7",
                  .menu = CommandMenu::Data,
                  .order = menu_order::HoraryAspects,
                  .cliName = "horary-aspects",
                  .write = &WriteHoraryAspects});
    registry.Add({.id = "mnuHoraryOtherDegrees",
                  .caption = "&Other Degrees and Dwads",
                  .shortcut = "F9",
                  .menu = CommandMenu::Data,
                  .order = menu_order::OtherDegrees,
                  .cliName = "other-degrees",
                  .write = &WriteOtherDegrees});
}

}  // namespace quaeryn
