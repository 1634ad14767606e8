#include "app/Commands.h"

#include "base/ChartHeader.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace {

void WriteBasics(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteDefaultReport(chart, context, out);
}

void WriteHoraryAspects(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    HoraryAspectsReport(chart, context, out);
}

void WriteOtherDegrees(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNameHead(chart, out);
    OtherDegreesReport(chart, context, out);
}

}  // namespace

void WriteNameHead(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  " + chart.ChartName);
}

void WriteDefaultReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteChartHeader(chart, context.regional, out);
    HoraryBasicsReport(chart, context, out);
    out.AppendBlankLine();
    NodesPartsAndMoonBlock(chart, context, out);
    out.AppendBlankLine();
    CriticalDegreesTable(chart, context, out);
}

const std::vector<ReportCommand>& ReportCommands() {
    static const std::vector<ReportCommand> commands = {
        {"mnuDataNatalData", "natal", "Natal &Data", "F2", nullptr},
        {"mnuDataNatalAspects", "aspects", "Natal &Aspects", "F3", nullptr},
        {"mnuDataNatalAspectsSP", "solstice", "Aspects to &Solstice Points", "F4", nullptr},
        {"mnuDataNatalArabianParts", "parts", "Arabian &Parts", "F5", nullptr},
        {"mnuHoraryBasics", "basics", "Horary &Basics", "F6", &WriteBasics},
        {"mnuHoraryAspects", "horary-aspects", "Horary As&pects", "F7", &WriteHoraryAspects},
        {"mnuHoraryAlmutens", "almutens", "&Almutens and Antiscions", "F8", nullptr},
        {"mnuHoraryOtherDegrees", "other-degrees", "&Other Degrees and Dwads", "F9", &WriteOtherDegrees},
        {"mnuWheelsAscii", "ascii", "ASCII chart", "", nullptr},
    };
    return commands;
}

const ReportCommand* FindReportCommand(const std::string& nameOrId) {
    for (const auto& c : ReportCommands())
        if (c.cliName == nameOrId || c.id == nameOrId) return &c;
    return nullptr;
}

bool RunReport(const ReportCommand& command, const ChartState& chart, const ReportContext& context,
               ReportBuffer& out, bool windowMinimized) {
    if (!command.write) return false;
    out.BeginReport();
    command.write(chart, context, out);
    out.ShowDataWindow(windowMinimized);
    return true;
}

}  // namespace quaeryn
