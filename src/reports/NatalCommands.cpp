#include "reports/NatalCommands.h"

#include "base/ChartHeader.h"
#include "reports/NatalReports.h"

namespace quaeryn {

namespace {

// "Natal &Data": the chart header and the natal data.
void WriteNatalData(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteChartHeader(chart, context.regional, out);
    NatalDataReport(chart, context, out);
}

void WriteNatalAspects(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    NatalAspectGrid(chart, context, out);
}

// "Aspects to &Solstice Points": the name, then the title line.
void WriteSolsticePoints(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    out.AppendBlankLine();
    out.AppendLine("    NATAL PLANET ASPECTS TO NATAL SOLSTICE POINTS");
    SolsticePointAspects(chart, context, out);
}

void WriteArabianParts(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    ArabianPartsReport(chart, context, out);
}

void WriteAlmutens(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    AlmutenTable(chart, context, out);
    out.AppendBlankLine();
    AntiscionTable(chart, context, out);
}

}  // namespace

void RegisterNatalCommands(CommandRegistry& registry) {
    registry.Add({.id = "mnuDataNatalData",
                  .caption = "Natal &Data",
                  .shortcut = "F2",
                  .menu = CommandMenu::Data,
                  .order = menu_order::NatalData,
                  .cliName = "natal",
                  .write = &WriteNatalData});
    registry.Add({.id = "mnuDataNatalAspects",
                  .caption = "Natal &Aspects",
                  .shortcut = "F3",
                  .menu = CommandMenu::Data,
                  .order = menu_order::NatalAspects,
                  .cliName = "aspects",
                  .write = &WriteNatalAspects});
    registry.Add({.id = "mnuDataNatalAspectsSP",
                  .caption = "Aspects to &Solstice Points",
                  .shortcut = "F4",
                  .menu = CommandMenu::Data,
                  .order = menu_order::SolsticePoints,
                  .cliName = "solstice",
                  .write = &WriteSolsticePoints});
    registry.Add({.id = "mnuDataNatalArabianParts",
                  .caption = "Arabian &Parts",
                  .shortcut = "F5",
                  .menu = CommandMenu::Data,
                  .order = menu_order::ArabianParts,
                  .cliName = "parts",
                  .write = &WriteArabianParts});
    registry.Add({.id = "mnuHoraryAlmutens",
                  .caption = "&Almutens and Antiscions",
                  .shortcut = "F8",
                  .menu = CommandMenu::Data,
                  .order = menu_order::Almutens,
                  .cliName = "almutens",
                  .write = &WriteAlmutens});
}

}  // namespace quaeryn
