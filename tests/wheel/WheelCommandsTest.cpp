// The chartwheel's commands as the build registers them: the two window
// commands on the menu bar between the Data and Options menus, and the
// ASCII chart, a text report of the wheel window that the command line
// knows as "ascii".
#include <gtest/gtest.h>

#include "app/Commands.h"
#include "support/ScriptedPrompt.h"
#include "wheel/WheelCommands.h"
#include "wheel/WheelTestSupport.h"

namespace quaeryn {
namespace {

TEST(WheelCommands, TheWindowsOnTheBarAndTheAsciiChartOnNoMenu) {
    const CommandRegistry& commands = AppCommands();
    struct Case {
        const char* id;
        CommandKind kind;
        const char* caption;
        CommandMenu menu;
        int order;
        const char* cliName;
    } cases[] = {
        {"mnuWheelsSingleNatal", CommandKind::Window, "&Wheel", CommandMenu::Bar, menu_order::Wheel, ""},
        {"mnuWheelsDual", CommandKind::Window, "D&ual Wheel", CommandMenu::Bar, menu_order::DualWheel, ""},
        {"mnuAsciiChart", CommandKind::TextReport, "AS&CII", CommandMenu::None, 0, "ascii"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const Command* command = commands.Find(c.id);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->kind, c.kind);
        EXPECT_EQ(command->caption, c.caption);
        EXPECT_EQ(command->menu, c.menu);
        EXPECT_EQ(command->order, c.order);
        EXPECT_EQ(command->cliName, c.cliName);
        EXPECT_TRUE(command->needsChart);
        EXPECT_EQ(command->shortcut, "");
    }
    // The bar's keys put the wheels after the Data menu and before Options.
    EXPECT_GT(menu_order::Wheel, menu_order::Data);
    EXPECT_LT(menu_order::DualWheel, menu_order::Options);
    EXPECT_EQ(commands.Find("ascii"), commands.Find("mnuAsciiChart"));
    // The command line offers it after the reports of the Data menu.
    const auto cli = commands.CliReports();
    ASSERT_FALSE(cli.empty());
    EXPECT_EQ(cli.back()->cliName, "ascii");
}

TEST(WheelCommands, TheAsciiChartRunsInTheReportFrame) {
    test::ScriptedPrompt prompt;
    ReportBuffer out(prompt);
    const Options options;
    const AppData data;
    const RegionalFormats regional;
    const ChartState chart = test::CastNewYork(5, 3, 2001);
    ASSERT_TRUE(RunReport(*AppCommands().Find("ascii"), chart, ReportContext{options, data, regional, prompt}, out));
    // The blank line, seven header lines, 25 rows and the blank line of the
    // page's end.
    ASSERT_EQ(out.PageLineCount(), 34);
    EXPECT_EQ(out.PageBuffer()[0], "");
    EXPECT_EQ(out.PageBuffer()[1], "     Lost ring");
    EXPECT_EQ(out.PageBuffer()[33], "");
}

}  // namespace
}  // namespace quaeryn
