// The commands of the program, registered once by the subsystem that owns
// them, so that the main window's menus and shortcuts, quaeryn-cli --report
// and --help, and the tests all read the same table.
//
// A command is one of three kinds:
//  - a text report: writes its head and body into the report buffer; the
//    runner opens the page (BeginReport) and shows it (ShowDataWindow);
//  - a window: opens a window on the current chart;
//  - a tool: opens a reference window.
// Windows and tools are opened by the window openers the ui/ folders
// register under the same id (base/ui/WindowOpeners.h); a build without
// the opener shows the command disabled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/ChartState.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"

namespace quaeryn {

enum class CommandKind { TextReport, Window, Tool };

// Where a command shows in the main window: on the menu bar itself, in the
// Data menu, or nowhere (a report only the command line or a window runs).
enum class CommandMenu { None, Bar, Data };

// Position keys: a menu lists its entries by key, so every command knows its
// place without knowing the others. They follow the main window's menus.
namespace menu_order {
// The menu bar. File, Input, Houses, Data, Options and Help are the main
// window's own menus; commands take the keys between them.
inline constexpr int File = 10, Input = 20, Houses = 30, Data = 40, Wheel = 50, DualWheel = 60,
                     Options = 70, Keywords = 80, Help = 90;
// The Data menu: the natal reports, a separator, the horary reports.
inline constexpr int NatalData = 10, NatalAspects = 20, SolsticePoints = 30, ArabianParts = 40,
                     HoraryBasics = 50, HoraryAspects = 60, Almutens = 70, OtherDegrees = 80,
                     HoraryAnalyzer = 90;
}  // namespace menu_order

// The head and body of a text report, written after BeginReport.
using ReportWriter = void (*)(const ChartState&, const ReportContext&, ReportBuffer&);

struct Command {
    std::string id{};                     // the menu item, "mnuHoraryBasics"
    CommandKind kind = CommandKind::TextReport;
    std::string caption{};                // with its access key, "Horary &Basics"
    std::string shortcut{};               // "F6", or empty
    CommandMenu menu = CommandMenu::None;
    int order = 0;                        // its key in that menu (menu_order)
    bool separatorBefore = false;         // a separator line above it in its menu
    std::string cliName{};                // quaeryn-cli --report NAME, or empty
    bool needsChart = true;               // runs only on a cast chart
    ReportWriter write = nullptr;         // a text report's head and body
};

class CommandRegistry {
public:
    // Adds a command. A programming error (an empty or repeated id or
    // command-line name, a text report without a writer or that needs no
    // chart, a window with one) throws std::logic_error.
    void Add(Command command);

    // By menu id or command-line name; nullptr when there is none.
    const Command* Find(std::string_view idOrCliName) const;

    // Every command in registration order.
    const std::vector<Command>& Commands() const { return commands_; }
    // The commands of one menu by their keys.
    std::vector<const Command*> InMenu(CommandMenu menu) const;
    // The text reports the command line can write, in menu order (the Data
    // menu's first, then those of no menu).
    std::vector<const Command*> CliReports() const;

private:
    std::vector<Command> commands_;
};

// The frame every text report runs in: BeginReport, the command's head and
// body, ShowDataWindow. True when the page is to be shown (see
// ReportBuffer::ShowDataWindow).
bool RunReport(const Command& command, const ChartState& chart, const ReportContext& context,
               ReportBuffer& out, bool windowMinimized = false);

}  // namespace quaeryn
