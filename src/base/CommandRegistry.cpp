#include "base/CommandRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace quaeryn {

namespace {

// Menus in the order their reports are listed for the command line.
int MenuRank(CommandMenu menu) {
    switch (menu) {
        case CommandMenu::Data: return 0;
        case CommandMenu::Bar: return 1;
        case CommandMenu::None: break;
    }
    return 2;
}

}  // namespace

void CommandRegistry::Add(Command command) {
    auto refuse = [&command](const char* why) {
        throw std::logic_error("command " + command.id + ": " + why);
    };
    if (command.id.empty()) refuse("no id");
    if (Find(command.id)) refuse("the id is taken");
    if (!command.cliName.empty() && Find(command.cliName)) refuse("the command-line name is taken");
    if (command.kind == CommandKind::TextReport) {
        if (!command.write) refuse("a text report needs a writer");
        if (!command.needsChart) refuse("a text report writes about a chart");
    } else if (command.write) {
        refuse("a window or tool writes through its window");
    }
    commands_.push_back(std::move(command));
}

const Command* CommandRegistry::Find(std::string_view idOrCliName) const {
    if (idOrCliName.empty()) return nullptr;
    for (const Command& c : commands_)
        if (c.id == idOrCliName || c.cliName == idOrCliName) return &c;
    return nullptr;
}

std::vector<const Command*> CommandRegistry::InMenu(CommandMenu menu) const {
    std::vector<const Command*> list;
    for (const Command& c : commands_)
        if (c.menu == menu) list.push_back(&c);
    std::stable_sort(list.begin(), list.end(), [](const Command* a, const Command* b) { return a->order < b->order; });
    return list;
}

std::vector<const Command*> CommandRegistry::CliReports() const {
    std::vector<const Command*> list;
    for (const Command& c : commands_)
        if (c.kind == CommandKind::TextReport && !c.cliName.empty()) list.push_back(&c);
    std::stable_sort(list.begin(), list.end(), [](const Command* a, const Command* b) {
        const int ra = MenuRank(a->menu), rb = MenuRank(b->menu);
        return ra != rb ? ra < rb : (a->menu != CommandMenu::None && a->order < b->order);
    });
    return list;
}

bool RunReport(const Command& command, const ChartState& chart, const ReportContext& context,
               ReportBuffer& out, bool windowMinimized) {
    out.BeginReport();
    command.write(chart, context, out);
    return out.ShowDataWindow(windowMinimized);
}

}  // namespace quaeryn
