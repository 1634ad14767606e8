#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "horary/HoraryCommands.h"

namespace quaeryn {
namespace {

struct Parsed {
    CliParse parse;
    std::string out, err;
};

Parsed Parse(const std::vector<std::string>& args, const CommandRegistry* registry = nullptr) {
    CommandRegistry horary;
    RegisterHoraryCommands(horary);
    std::ostringstream out, err;
    Parsed p{ParseCliArguments(args, registry ? *registry : horary, "mnuHoraryBasics", out, err), "", ""};
    p.out = out.str();
    p.err = err.str();
    return p;
}

TEST(ParseCliArguments, TheFieldsWithTheirFormsAndChoicesMakeTheEntries) {
    const Parsed p = Parse({"--name", "Lost ring", "--date", "2001-03-05", "--time", "22:05", "--tz", "5",
                            "--long", "073w08", "--lat", "33S52", "--house", "K", "--option", "46=0",
                            "--option", "191=1", "--lmt"});
    ASSERT_TRUE(p.parse.request) << p.err;
    const CliRequest& r = *p.parse.request;
    const EventEntries& e = r.entries;
    EXPECT_EQ(e.name, "Lost ring");
    EXPECT_EQ(e.year, "2001");
    EXPECT_EQ(e.month, "3");
    EXPECT_EQ(e.day, "5");
    EXPECT_EQ(e.hour, "10");  // 22:05 on the 12-hour clock
    EXPECT_EQ(e.minute, "5");
    EXPECT_TRUE(e.pm);
    EXPECT_EQ(e.longDeg, "73");
    EXPECT_EQ(e.longMin, "8");
    EXPECT_FALSE(e.east);
    EXPECT_EQ(e.latDeg, "33");
    EXPECT_TRUE(e.south);
    EXPECT_TRUE(e.lmt);
    EXPECT_EQ(r.house, "K");
    EXPECT_EQ(r.options, (std::vector<std::pair<int, float>>{{46, 0.0f}, {191, 1.0f}}));
    EXPECT_EQ(r.reports, std::vector<std::string>{"basics"});  // the default report
    EXPECT_FALSE(r.json);
}

TEST(ParseCliArguments, NowAndStoredChartsKeepOnlyWhatTheyUse) {
    const Parsed now = Parse({"--now", "--pm", "--east", "--json"});
    ASSERT_TRUE(now.parse.request) << now.err;
    EXPECT_TRUE(now.parse.request->now);
    EXPECT_FALSE(now.parse.request->entries.pm);  // the present moment decides
    EXPECT_FALSE(now.parse.request->entries.east);
    EXPECT_TRUE(now.parse.request->reports.empty());  // --json alone prints no report
    const Parsed stored = Parse({"--chart", "John", "--name-file", "x.fil", "--lmt", "--report", "horary-aspects"});
    ASSERT_TRUE(stored.parse.request) << stored.err;
    EXPECT_EQ(stored.parse.request->chartName, "John");
    EXPECT_EQ(stored.parse.request->nameFile, "x.fil");
    EXPECT_TRUE(stored.parse.request->entries.lmt);
    EXPECT_EQ(stored.parse.request->reports, std::vector<std::string>{"horary-aspects"});
}

TEST(ParseCliArguments, UsageErrorsEndTheReadingWithStatusOne) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--name", "x", "--am", "--pm"}, "--am and --pm exclude each other"},
        {{"--name", "x", "--east", "--west"}, "choose one of --east/--west"},
        {{"--name", "x", "--option", "201=1"}, "--option needs N=VALUE with N from 1 to 200, not '201=1'"},
        {{"--name", "x", "--option", "27"}, "--option needs N=VALUE"},
        {{"--name", "x", "--option", "1e10=1"}, "--option needs N=VALUE with N from 1 to 200, not '1e10=1'"},
        {{"--name", "x", "--option", "-1e10=1"}, "--option needs N=VALUE with N from 1 to 200"},
        {{"--name", "x", "--option", "1e999=1"}, "--option needs N=VALUE with N from 1 to 200"},
        {{"--chart", "x", "--now"}, "--chart takes the whole chart"},
        {{"--chart", "x", "--name", "y"}, "--chart takes the whole chart"},
        {{"--json"}, "nothing to cast"},
        {{"--name", "x", "--name-file", "y"}, "--name-file goes with --chart"},
        {{"--date", "5 March"}, "--date needs YYYY-MM-DD, not '5 March'"},
        {{"--time", "10.30"}, "--time needs HH:MM"},
        {{"--long", "73X58"}, "--long needs W or E, not '73X58'"},
        {{"--lat", "40-45"}, "--lat needs a form like 73W58"},
        {{"--house", "Q", "--now"}, "--house: Q not in"},
        {{"--now", "--save-chart", ""}, "--save-chart needs a name, not an empty text"},
        {{"--chart", "", "--name-file", "x.fil"}, "--chart needs a name, not an empty text"},
        {{"--chart", "x", "--name-file", ""}, "--name-file needs a name, not an empty text"},
        {{"--now", "--app-dir", ""}, "--app-dir needs a name, not an empty text"},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.args);
        EXPECT_FALSE(p.parse.request) << c.message;
        EXPECT_EQ(p.parse.exitStatus, 1) << c.message;
        EXPECT_NE(p.err.find(c.message), std::string::npos) << p.err;
        EXPECT_EQ(p.out, "") << c.message;
    }
    // --now ignores the field forms it does not use.
    EXPECT_TRUE(Parse({"--now", "--date", "5 March"}).parse.request);
}

TEST(ParseCliArguments, HelpListsTheReportsOfTheRegistry) {
    const Parsed plain = Parse({"--help"});
    EXPECT_FALSE(plain.parse.request);
    EXPECT_EQ(plain.parse.exitStatus, 0);
    EXPECT_NE(plain.out.find("Print a report: basics, horary-aspects, other-degrees (default basics)"),
              std::string::npos)
        << plain.out;

    // A report registered by another subsystem joins the list in its menu place.
    CommandRegistry more;
    RegisterHoraryCommands(more);
    more.Add({.id = "mnuDataNatalData",
              .menu = CommandMenu::Data,
              .order = menu_order::NatalData,
              .cliName = "natal",
              .write = [](const ChartState&, const ReportContext&, ReportBuffer&) {}});
    more.Add({.id = "mnuWheelsSingleNatal", .kind = CommandKind::Window, .menu = CommandMenu::Bar,
              .order = menu_order::Wheel});
    const Parsed fuller = Parse({"--help"}, &more);
    EXPECT_NE(fuller.out.find("Print a report: natal, basics, horary-aspects, other-degrees (default basics)"),
              std::string::npos)
        << fuller.out;
}

}  // namespace
}  // namespace quaeryn
