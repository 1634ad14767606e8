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
    const Parsed now = Parse({"--now", "--json"});
    ASSERT_TRUE(now.parse.request) << now.err;
    EXPECT_TRUE(now.parse.request->now);
    EXPECT_EQ(now.parse.request->entries, EventEntries{});  // the present moment decides
    EXPECT_TRUE(now.parse.request->refused.empty());
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
        {{"--house", "Q", "--now"}, "--house: Q not in"},
        {{"--name", "x", "--option", "27=abc"}, "--option 27 needs a number, not 'abc'"},
        {{"--name", "x", "--option", "27=inf"}, "--option 27 needs a number, not 'inf'"},
        {{"--name", "x", "--option", "27="}, "--option 27 needs a number, not ''"},
        {{"--name", "x", "--option", "0=1"}, "--option needs N=VALUE with N from 1 to 200, not '0=1'"},
        {{"--name", "x", "--option", "2.5=1"}, "--option needs N=VALUE with N from 1 to 200, not '2.5=1'"},
        {{"--name", "x", "--option", "x=1"}, "--option needs N=VALUE with N from 1 to 200, not 'x=1'"},
        // The present moment takes no fields: one of them would be dropped.
        {{"--now", "--pm", "--east"}, "--now takes the present moment and the default place"},
        {{"--now", "--date", "5 March"}, "--now takes the present moment"},
        {{"--now", "--name", "x"}, "--now takes the present moment"},
        {{"--now", "--lmt"}, "--now takes the present moment"},
        // A form and the flags of the same fields.
        {{"--date", "2001-03-05", "--day", "6"}, "--date gives the year, month and day; leave out --day"},
        {{"--date", "2001-03-05", "--year", "2001", "--month", ""},
         "--date gives the year, month and day; leave out --year --month"},
        {{"--time", "10:30", "--minute", "31"}, "--time gives the hour and minute; leave out --minute"},
        {{"--long", "73W58", "--east"}, "--long gives the longitude and its side; leave out --east"},
        {{"--long", "73W58", "--long-deg", "73"}, "--long gives the longitude and its side; leave out --long-deg"},
        {{"--lat", "40N45", "--south"}, "--lat gives the latitude and its side; leave out --south"},
        {{"--lat", "40N45", "--lat-min", "45"}, "--lat gives the latitude and its side; leave out --lat-min"},
        // A 24-hour time carries its own A.M. or P.M.
        {{"--time", "21:05", "--am"}, "--time 21:05 is a 24-hour time; leave out --am"},
        {{"--time", "0:30", "--am"}, "--time 0:30 is a 24-hour time; leave out --am"},
        {{"--time", "0:30", "--pm"}, "--time 0:30 is a 24-hour time; leave out --pm"},
        {{"--now", "--save-chart", ""}, "--save-chart needs a name, not an empty text"},
        {{"--chart", "", "--name-file", "x.fil"}, "--chart needs a name, not an empty text"},
        {{"--chart", "x", "--name-file", ""}, "--name-file needs a name, not an empty text"},
        {{"--now", "--app-dir", ""}, "--app-dir needs a name, not an empty text"},
        // A place or a zone by its name gives the zone: --tz would be dropped.
        {{"--place", "Paris", "--tz", "-1"}, "--place gives the longitude, the latitude and the time zone; leave out --tz"},
        {{"--place", "Paris", "--zone", "Europe/Paris", "--long", "2E20"},
         "--place gives the longitude, the latitude and the time zone; leave out --zone --long"},
        {{"--place", "Paris", "--east", "--lat-deg", "48"},
         "--place gives the longitude, the latitude and the time zone; leave out --east --lat-deg"},
        {{"--zone", "Europe/Paris", "--tz", "-1"}, "--zone gives the time zone; leave out --tz"},
        {{"--place", "Paris", "--earlier", "--later"}, "--earlier and --later exclude each other"},
        {{"--name", "x", "--tz", "5", "--later"}, "--earlier and --later choose a repeated hour of the zone of --place"},
        {{"--place", ""}, "--place needs a place's name"},
        {{"--name", "x", "--zone", ""}, "--zone needs a zone's name"},
        {{"--now", "--place", "Paris"}, "--now takes the present moment"},
        {{"--chart", "x", "--zone", "Europe/Paris"}, "--chart takes the whole chart"},
        {{"--places", "Paris", "--name", "x"}, "--places lists the places a text finds and casts nothing"},
        {{"--places", "Paris", "--json"}, "--places lists the places a text finds and casts nothing"},
        {{"--places", ""}, "--places needs the first letters of a place's name"},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.args);
        EXPECT_FALSE(p.parse.request) << c.message;
        EXPECT_EQ(p.parse.exitStatus, 1) << c.message;
        EXPECT_NE(p.err.find(c.message), std::string::npos) << p.err;
        EXPECT_EQ(p.out, "") << c.message;
    }
}

// Forms that do not match and missing choices are refused entries, not
// usage errors: the request carries them, each with the line that names it.
TEST(ParseCliArguments, FormsAndChoicesTheEntriesLack) {
    auto placed = [](std::vector<std::string> args) {
        for (const char* a : {"--name", "x", "--tz", "5", "--long", "73W58", "--lat", "40N45"}) args.push_back(a);
        return args;
    };
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> refused;
        const char* hour;  // when none is refused
        bool pm;
    } cases[] = {
        {placed({"--date", "5 March", "--time", "10:30"}), {"date: 5 March is not YYYY-MM-DD"}, "", false},
        {placed({"--date", "2001-3", "--time", "10:30"}), {"date: 2001-3 is not YYYY-MM-DD"}, "", false},
        {placed({"--time", "10.30"}), {"time: 10.30 is not HH:MM"}, "", false},
        {placed({"--time", "25:00"}), {"time: 25:00 is past 23:59"}, "", false},
        {placed({"--time", "24:00"}), {"time: 24:00 is past 23:59"}, "", false},
        {placed({"--time", "36:00"}), {"time: 36:00 is past 23:59"}, "", false},
        {{"--time", "10:30", "--long", "73X58", "--lat", "40N45"}, {"long: 73X58 is not like 73W58 or 2E20"}, "", false},
        {{"--time", "10:30", "--long", "73W58", "--lat", "40-45"}, {"lat: 40-45 is not like 40N45 or 33S52"}, "", false},
        {{"--time", "10:30", "--long", "73W58", "--lat", "40W45"}, {"lat: 40W45 is not like 40N45 or 33S52"}, "", false},
        // Without --time, --long and --lat the choices must be given.
        {{"--name", "x", "--hour", "10"},
         {"A.M./P.M.: neither --am nor --pm, nor a --time", "E/W: neither --east nor --west, nor a --long",
          "N/S: neither --north nor --south, nor a --lat"},
         "",
         false},
        {{"--hour", "10", "--am", "--long-deg", "73", "--west"}, {"N/S: neither --north nor --south, nor a --lat"}, "", false},
        // Times that are taken: the 24-hour clock, or 1 to 12 with the choice.
        {placed({"--time", "12:30"}), {}, "12", true},
        {placed({"--time", "0:30"}), {}, "12", false},
        {placed({"--time", "12:30", "--am"}), {}, "12", false},
        {placed({"--time", "9:05", "--pm"}), {}, "9", true},
        {placed({"--time", "21:05", "--pm"}), {}, "9", true},
        {placed({"--time", "23:59"}), {}, "11", true},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.args);
        ASSERT_TRUE(p.parse.request) << p.err;
        std::vector<std::string> lines;
        for (const auto& f : p.parse.request->refused) lines.push_back(f.Line());
        EXPECT_EQ(lines, c.refused) << c.args[0] << " " << c.args[1];
        if (c.refused.empty()) {
            EXPECT_EQ(p.parse.request->entries.hour, c.hour) << c.args[1];
            EXPECT_EQ(p.parse.request->entries.pm, c.pm) << c.args[1];
        }
    }
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

// --place fills the sides itself: no choice is missing; --earlier and
// --later choose the repeated hour, which is refused without them.
TEST(ParseCliArguments, APlaceNeedsNoSidesAndTheRepeatedHourIsChosenByFlag) {
    struct Case {
        std::vector<std::string> args;
        RepeatedHour repeated;
    } cases[] = {
        {{"--name", "x", "--place", "Paris", "--date", "2021-10-31", "--time", "2:30"}, RepeatedHour::Refuse},
        {{"--name", "x", "--place", "Paris", "--date", "2021-10-31", "--time", "2:30", "--earlier"},
         RepeatedHour::Earlier},
        {{"--name", "x", "--zone", "Europe/Paris", "--long", "2E20", "--lat", "48N50", "--date", "2021-10-31",
          "--time", "2:30", "--later"},
         RepeatedHour::Later},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.args);
        ASSERT_TRUE(p.parse.request) << p.err;
        EXPECT_TRUE(p.parse.request->refused.empty()) << FaultLines(p.parse.request->refused);
        EXPECT_EQ(p.parse.request->repeatedHour, c.repeated);
        EXPECT_EQ(p.parse.request->entries.tz, "");
    }
    const Parsed places = Parse({"--places", "sao paulo"});
    ASSERT_TRUE(places.parse.request) << places.err;
    EXPECT_EQ(places.parse.request->places, "sao paulo");
}

}  // namespace
}  // namespace quaeryn
