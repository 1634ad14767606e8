#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/CommandRegistry.h"
#include "support/ChartBuilder.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

void WriteTwoLines(const ChartState& chart, const ReportContext&, ReportBuffer& out) {
    out.AppendLine("head of " + chart.ChartName);
    out.AppendLine("body");
}

std::vector<std::string> Ids(const std::vector<const Command*>& commands) {
    std::vector<std::string> ids;
    for (const Command* c : commands) ids.push_back(c->id);
    return ids;
}

TEST(CommandRegistry, RefusesWhatCouldNeverRun) {
    struct Case {
        const char* why;
        Command command;
    } cases[] = {
        {"no id", {.caption = "x", .write = &WriteTwoLines}},
        {"a text report without a writer", {.id = "mnuA"}},
        {"a text report on no chart", {.id = "mnuA", .needsChart = false, .write = &WriteTwoLines}},
        {"a window with a writer", {.id = "mnuA", .kind = CommandKind::Window, .write = &WriteTwoLines}},
        {"a taken id", {.id = "mnuTaken", .write = &WriteTwoLines}},
        {"a taken command-line name", {.id = "mnuOther", .cliName = "taken", .write = &WriteTwoLines}},
        {"an id taken as a command-line name", {.id = "taken", .write = &WriteTwoLines}},
    };
    for (const auto& c : cases) {
        CommandRegistry r;
        r.Add({.id = "mnuTaken", .cliName = "taken", .write = &WriteTwoLines});
        EXPECT_THROW(r.Add(c.command), std::logic_error) << c.why;
        EXPECT_EQ(r.Commands().size(), 1u) << c.why;
    }
}

TEST(CommandRegistry, FindsByIdOrNameAndListsByKeys) {
    CommandRegistry r;
    r.Add({.id = "mnuLate", .menu = CommandMenu::Data, .order = 80, .cliName = "late", .write = &WriteTwoLines});
    r.Add({.id = "mnuFloating", .cliName = "floating", .write = &WriteTwoLines});
    r.Add({.id = "mnuEarly", .menu = CommandMenu::Data, .order = 10, .cliName = "early", .write = &WriteTwoLines});
    r.Add({.id = "mnuTool", .kind = CommandKind::Tool, .menu = CommandMenu::Bar, .order = 80, .needsChart = false});
    r.Add({.id = "mnuSilent", .menu = CommandMenu::Data, .order = 50, .write = &WriteTwoLines});
    r.Add({.id = "mnuWindow", .kind = CommandKind::Window, .menu = CommandMenu::Bar, .order = 50,
           .cliName = "window"});

    EXPECT_EQ(r.Find("early"), r.Find("mnuEarly"));
    ASSERT_NE(r.Find("mnuEarly"), nullptr);
    EXPECT_EQ(r.Find("mnuEarly")->cliName, "early");
    EXPECT_EQ(r.Find(""), nullptr);
    EXPECT_EQ(r.Find("nothing"), nullptr);
    EXPECT_EQ(Ids(r.InMenu(CommandMenu::Data)), (std::vector<std::string>{"mnuEarly", "mnuSilent", "mnuLate"}));
    EXPECT_EQ(Ids(r.InMenu(CommandMenu::Bar)), (std::vector<std::string>{"mnuWindow", "mnuTool"}));
    EXPECT_EQ(Ids(r.InMenu(CommandMenu::None)), (std::vector<std::string>{"mnuFloating"}));
    // The command line writes text reports with a name: the Data menu's in
    // its order, then those of no menu.
    EXPECT_EQ(Ids(r.CliReports()), (std::vector<std::string>{"mnuEarly", "mnuLate", "mnuFloating"}));
}

TEST(RunReport, OpensThePageWritesHeadAndBodyAndShowsIt) {
    CommandRegistry r;
    r.Add({.id = "mnuTwo", .write = &WriteTwoLines});
    test::ScriptedPrompt prompt;
    ReportBuffer out(prompt);
    out.AppendLine("an older page");
    const Options options;
    const AppData data;
    const RegionalFormats regional;
    const ReportContext context{options, data, regional, prompt};
    const ChartState chart = test::ChartBuilder().build();
    EXPECT_TRUE(RunReport(*r.Find("mnuTwo"), chart, context, out));
    EXPECT_EQ(out.PageText(), "head of Test\r\nbody\r\n\r\n\r\n");
    EXPECT_EQ(out.DataLineCount(), 4);
    // A minimized Data window: the page is written but not shown.
    EXPECT_FALSE(RunReport(*r.Find("mnuTwo"), chart, context, out, true));
    EXPECT_EQ(out.PageLineCount(), 2);
}

}  // namespace
}  // namespace quaeryn
