// The report commands of the main window, kept once so that the menu, its
// shortcut, quaeryn-cli --report and the tests run the same code: each is
// BeginReport, a head, the report's body, and showing the Data window.
#pragma once

#include <string>
#include <vector>

#include "base/ChartState.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"

namespace quaeryn {

struct ReportCommand {
    std::string id;        // menu item, e.g. "mnuHoraryBasics"
    std::string cliName;   // quaeryn-cli --report NAME, e.g. "basics"
    std::string caption;   // menu caption with its access key
    std::string shortcut;  // "F6", or empty
    // Writes the head and the body (without BeginReport and ShowDataWindow).
    void (*write)(const ChartState&, const ReportContext&, ReportBuffer&) = nullptr;
};

// Every report command, in menu order. A command whose report is not built
// yet has no write function.
const std::vector<ReportCommand>& ReportCommands();

// The command of a CLI name or a menu id; nullptr when unknown.
const ReportCommand* FindReportCommand(const std::string& nameOrId);

// RunReport: BeginReport, head and body, ShowDataWindow. Returns false when
// the command has no report yet.
bool RunReport(const ReportCommand& command, const ChartState& chart, const ReportContext& context,
               ReportBuffer& out, bool windowMinimized = false);

// The default report of every cast: header, Horary Basics, nodes and parts,
// critical degrees.
void WriteDefaultReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// The head used by most report commands: a blank line, then two blanks and
// the chart's name.
void WriteNameHead(const ChartState& chart, ReportBuffer& out);

}  // namespace quaeryn
