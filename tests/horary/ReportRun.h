// Runs one horary report on a small chart state and hands back its lines.
#pragma once

#include <string>
#include <vector>

#include "base/AppData.h"
#include "base/ChartState.h"
#include "base/CommandRegistry.h"
#include "base/Options.h"
#include "base/RegionalFormats.h"
#include "horary/HoraryCommands.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn::test {

class ReportRun {
public:
    ReportRun() {
        // The orbs of the shipped option file.
        const float orbs[] = {8.5f, 6.25f, 3.5f, 4.0f, 3.75f, 6.0f, 5.0f, 2.5f, 2.0f, 2.0f};
        for (int line = 34; line <= 43; ++line) options.Set(line, orbs[line - 34]);
    }

    using Report = void (*)(const ChartState&, const ReportContext&, ReportBuffer&);

    // The lines the report appends to an empty page.
    std::vector<std::string> Lines(Report report, const ChartState& chart) {
        ReportBuffer out(prompt);
        out.BeginReport();
        const ReportContext context{options, data, regional, prompt};
        report(chart, context, out);
        const auto& page = out.PageBuffer();
        return {page.begin(), page.begin() + out.PageLineCount()};
    }

    // The whole page text of a report (CR LF line ends).
    std::string Text(Report report, const ChartState& chart) {
        std::string text;
        for (const auto& line : Lines(report, chart)) text += line + "\r\n";
        return text;
    }

    // The page a menu command shows (head, body and the blank line of
    // showing the window); empty when the horary commands hold no such
    // command-line name for that menu id.
    std::string CommandText(const std::string& cliName, const std::string& menuId, const ChartState& chart) {
        CommandRegistry commands;
        RegisterHoraryCommands(commands);
        const Command* command = commands.Find(cliName);
        if (!command || command->id != menuId) return {};
        ReportBuffer out(prompt);
        const ReportContext context{options, data, regional, prompt};
        RunReport(*command, chart, context, out);
        return out.PageText();
    }

    Options options;
    AppData data;
    RegionalFormats regional;
    ScriptedPrompt prompt;
};

// The first line that starts with the prefix; empty when there is none.
inline std::string LineStarting(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const auto& l : lines)
        if (l.rfind(prefix, 0) == 0) return l;
    return {};
}

}  // namespace quaeryn::test
