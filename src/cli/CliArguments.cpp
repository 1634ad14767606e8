#include "cli/CliArguments.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <cmath>
#include <functional>
#include <ostream>
#include <regex>
#include <string_view>

#include "base/Numbers.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "entry/InputRules.h"
#include "reference/Analyzer.h"
#include "wheel/WheelFile.h"

namespace quaeryn {

namespace {

// The flags of the Input Data fields and choices, and the convenience forms.
constexpr const char* kFieldFlags[] = {"--name", "--month", "--day",      "--year",     "--hour",
                                       "--minute", "--am",  "--pm",       "--tz",       "--long-deg",
                                       "--long-min", "--east", "--west",  "--lat-deg",  "--lat-min",
                                       "--north", "--south", "--lmt",     "--date",     "--time",
                                       "--long", "--lat",   "--place",    "--zone",     "--earlier",
                                       "--later"};

// Everything as typed, before the checks.
struct Flags {
    CliRequest request;
    std::vector<std::string> optionOverrides;
    std::string date, time, longText, latText;
    bool am = false, pm = false, east = false, west = false, north = false, south = false;
    bool earlier = false, later = false;
    // Whether a flag was given at all (an empty text counts: it is a field
    // typed empty).
    std::function<bool(const char*)> given;

    // Any of the Input Data fields, choices or forms was given (--lmt
    // aside, which a stored chart keeps).
    bool FieldsGiven() const {
        for (const char* flag : kFieldFlags)
            if (std::string_view(flag) != "--lmt" && given(flag)) return true;
        return false;
    }
};

std::string StripLeadingZeros(const std::string& s) {
    const auto p = s.find_first_not_of('0');
    return p == std::string::npos ? (s.empty() ? s : "0") : s.substr(p);
}

// The flags, one line each; a new flag is one more line here and, when it
// needs checking, one more step in ParseCliArguments.
void DefineFlags(CLI::App& app, Flags& f, const CommandRegistry& commands, const std::string& defaultReport) {
    CliRequest& r = f.request;
    EventEntries& e = r.entries;
    app.add_option("--app-dir", r.appDir, "The data folder (default: $QUAERYN_HOME, else $XDG_DATA_HOME/Quaeryn)");
    app.add_option("--house", r.house, "House system: P R K C O EA EM M I (default: option 27)")
        ->check(CLI::IsMember({"P", "R", "K", "C", "O", "EA", "EM", "M", "I"}));
    app.add_option("--option", f.optionOverrides, "Override option line N for this run: N=VALUE")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--json", r.json, "Print the chart state as one JSON object");
    // Only the reports this build can write are offered.
    std::string reportNames;
    for (const Command* command : commands.CliReports()) {
        if (!reportNames.empty()) reportNames += ", ";
        reportNames += command->cliName;
    }
    const Command* fallback = commands.Find(defaultReport);
    app.add_option("--report", r.reports,
                   "Print a report: " + reportNames + " (default " + (fallback ? fallback->cliName : "") + ")")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--now", r.now,
                 "Cast the present moment (the computer's clock and zone) at the default place of options 19-24");
    app.add_option("--chart", r.chartName, "Cast a stored chart of the name file");
    app.add_option("--name-file", r.nameFile,
                   "The name file for --chart (default: the settings' DataFile, else Horary.fil)");
    app.add_option("--save-chart", r.saveFile,
                   "Append the entries to this name file as a record instead of casting");
    app.add_flag("--replace", r.replace,
                 "With --save-chart: replace stored records of the same name (default: keep them)");
    app.add_option("--topic", r.topic,
                   "Print a Horary Analyzer topic's questions and answers as plain text: its file name "
                   "(GENERAL, LOST, HOUSE7 ...) or number; 'list' prints the 24 topics");
    app.add_option("--wheel", r.wheelFile,
                   std::string("Write the chart wheel to this file: .svg, .png or .pdf") +
                       (WheelPainterBuilt() ? "" : " (not in this build: it has no Qt)"));
    app.add_flag("--dual", r.dualWheel, "With --wheel: the dual wheel (the solstice points inside)");
    app.add_option("--type", r.wheelType, "With --wheel: the single wheel's type (default: the settings' TypeChart)")
        ->check(CLI::IsMember({"american", "european"}));
    app.add_option("--size", r.wheelPixels,
                   "With --wheel: the picture's width in pixels, " + std::to_string(kWheelFileMinPixels) + " to " +
                       std::to_string(kWheelFileMaxPixels) + " (default " + std::to_string(kWheelFilePixels) +
                       ")");

    app.add_option("--name", e.name, "Chart name");
    app.add_option("--month", e.month, "Month as typed");
    app.add_option("--day", e.day, "Day as typed");
    app.add_option("--year", e.year, "Year as typed");
    app.add_option("--hour", e.hour, "Hour (12-hour clock) as typed");
    app.add_option("--minute", e.minute, "Minute as typed");
    app.add_flag("--am", f.am, "A.M.");
    app.add_flag("--pm", f.pm, "P.M.");
    app.add_option("--tz", e.tz, "Time zone in hours, positive west of Greenwich");
    app.add_option("--long-deg", e.longDeg, "Longitude degrees");
    app.add_option("--long-min", e.longMin, "Longitude minutes");
    app.add_flag("--east", f.east, "East longitude");
    app.add_flag("--west", f.west, "West longitude");
    app.add_option("--lat-deg", e.latDeg, "Latitude degrees");
    app.add_option("--lat-min", e.latMin, "Latitude minutes");
    app.add_flag("--north", f.north, "North latitude");
    app.add_flag("--south", f.south, "South latitude");
    app.add_flag("--lmt", e.lmt, "The time is local mean time");
    app.add_option("--date", f.date, "Date as YYYY-MM-DD (instead of --year, --month, --day)");
    app.add_option("--time", f.time,
                   "Time as HH:MM on the 24-hour clock, or 1-12 with --am or --pm (instead of --hour, --minute)");
    app.add_option("--long", f.longText, "Longitude as 73W58 or 2E20 (instead of --long-deg, --long-min, the side)");
    app.add_option("--lat", f.latText, "Latitude as 40N45 or 33S52 (instead of --lat-deg, --lat-min, the side)");
    app.add_option("--place", r.place,
                   "A city by its name ('Paris', 'Paris, Texas'): its longitude, latitude and the time zone "
                   "of its zone at the date and time given (instead of --long, --lat and --tz)");
    app.add_option("--places", r.places, "List the cities a --place text finds, most populous first, and exit");
    app.add_option("--zone", r.zone,
                   "A time zone by its name (Asia/Kathmandu): its offset at the date and time given (instead of --tz)");
    app.add_flag("--earlier", f.earlier,
                 "With --place or --zone: a time the clocks showed twice is the first one (summer time)");
    app.add_flag("--later", f.later,
                 "With --place or --zone: a time the clocks showed twice is the second one (standard time)");
}

// --option N=VALUE, N from 1 to 200, VALUE a number.
bool ReadOptionOverrides(Flags& f, std::ostream& err) {
    for (const auto& o : f.optionOverrides) {
        const auto eq = o.find('=');
        const std::string line = eq == std::string::npos ? o : o.substr(0, eq);
        // Held to 0..201 before it becomes an int: 1e10 is out of range, not undefined.
        const double lineValue = NumericValue(line);
        const long n = IsNumberText(line) ? ClampedWhole(lineValue, 0, Options::kCount + 1) : 0;
        if (eq == std::string::npos || n < 1 || n > Options::kCount || lineValue != static_cast<double>(n)) {
            err << "quaeryn-cli: --option needs N=VALUE with N from 1 to 200, not '" << o << "'\n";
            return false;
        }
        const std::string value = o.substr(eq + 1);
        const float v = static_cast<float>(NumericValue(value));
        if (!IsNumberText(value) || !std::isfinite(v)) {
            err << "quaeryn-cli: --option " << n << " needs a number, not '" << value << "'\n";
            return false;
        }
        f.request.options.emplace_back(static_cast<int>(n), v);
    }
    return true;
}

// One way to give the chart: the fields, --now or --chart.
bool CheckChartSource(const Flags& f, std::ostream& err) {
    const CliRequest& r = f.request;
    // --lmt goes with --chart: a record does not hold the LMT box.
    if (!r.chartName.empty() && (r.now || f.FieldsGiven())) {
        err << "quaeryn-cli: --chart takes the whole chart from the name file; leave out --now "
               "and the field flags (--lmt may stay)\n";
        return false;
    }
    // The present moment is the computer's zone time at the default place.
    if (r.now && (f.FieldsGiven() || f.given("--lmt"))) {
        err << "quaeryn-cli: --now takes the present moment and the default place; leave out the "
               "field flags\n";
        return false;
    }
    if (r.chartName.empty() && !r.now && !f.FieldsGiven()) {
        err << "quaeryn-cli: nothing to cast: give the entries (--name, --date, --time, --tz, "
               "--long, --lat ...), --now or --chart NAME; --help lists them\n";
        return false;
    }
    if (!r.nameFile.empty() && r.chartName.empty()) {
        err << "quaeryn-cli: --name-file goes with --chart\n";
        return false;
    }
    return true;
}

// --topic prints a topic file and casts nothing: it goes alone (with
// --app-dir), and names one of the 24 topics or "list".
bool CheckTopic(const Flags& f, std::ostream& err) {
    const CliRequest& r = f.request;
    if (r.now || !r.chartName.empty() || !r.nameFile.empty() || !r.saveFile.empty() || f.FieldsGiven() ||
        !r.reports.empty() || r.json || f.given("--places") || !r.wheelFile.empty() || r.dualWheel ||
        !r.wheelType.empty() || r.wheelPixels != 0) {
        err << "quaeryn-cli: --topic prints a topic file and casts nothing; leave out the chart, report, "
               "--json and wheel flags\n";
        return false;
    }
    std::string name = r.topic;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name != "list" && !FindTopic(r.topic)) {
        err << "quaeryn-cli: unknown topic '" << r.topic << "'; --topic list names the 24 topics\n";
        return false;
    }
    return true;
}

// --places lists places and casts nothing: it goes alone (--app-dir aside).
bool CheckPlaces(const Flags& f, std::ostream& err) {
    const CliRequest& r = f.request;
    if (r.now || !r.chartName.empty() || !r.nameFile.empty() || !r.saveFile.empty() || f.FieldsGiven() ||
        f.given("--lmt") || !r.reports.empty() || r.json || !r.options.empty() || !r.house.empty()) {
        err << "quaeryn-cli: --places lists the places a text finds and casts nothing; leave out the other "
               "flags\n";
        return false;
    }
    if (r.places.empty()) {
        err << "quaeryn-cli: --places needs the first letters of a place's name\n";
        return false;
    }
    return true;
}

// --place and --zone: a text to look up, and --earlier or --later only with
// one of them.
bool CheckPlaceAndZone(const Flags& f, std::ostream& err) {
    const CliRequest& r = f.request;
    if (f.given("--place") && r.place.empty()) {
        err << "quaeryn-cli: --place needs a place's name\n";
        return false;
    }
    if (f.given("--zone") && r.zone.empty()) {
        err << "quaeryn-cli: --zone needs a zone's name, such as Europe/Paris\n";
        return false;
    }
    if (f.earlier && f.later) {
        err << "quaeryn-cli: --earlier and --later exclude each other\n";
        return false;
    }
    if ((f.earlier || f.later) && !f.given("--place") && !f.given("--zone")) {
        err << "quaeryn-cli: --earlier and --later choose a repeated hour of the zone of --place or --zone\n";
        return false;
    }
    return true;
}

// A convenience form and the flags of the fields it gives: given together,
// one of them would be dropped.
bool CheckFormConflicts(const Flags& f, std::ostream& err) {
    struct Form {
        const char* flag;
        const char* gives;
        std::vector<const char*> fields;
    } forms[] = {
        {"--date", "the year, month and day", {"--year", "--month", "--day"}},
        {"--time", "the hour and minute", {"--hour", "--minute"}},
        {"--long", "the longitude and its side", {"--long-deg", "--long-min", "--east", "--west"}},
        {"--lat", "the latitude and its side", {"--lat-deg", "--lat-min", "--north", "--south"}},
        {"--place",
         "the longitude, the latitude and the time zone",
         {"--tz", "--zone", "--long", "--lat", "--long-deg", "--long-min", "--east", "--west", "--lat-deg",
          "--lat-min", "--north", "--south"}},
        {"--zone", "the time zone", {"--tz"}},
    };
    for (const auto& form : forms) {
        if (!f.given(form.flag)) continue;
        std::string clash;
        for (const char* field : form.fields)
            if (f.given(field)) clash += (clash.empty() ? "" : " ") + std::string(field);
        if (!clash.empty()) {
            err << "quaeryn-cli: " << form.flag << " gives " << form.gives << "; leave out " << clash << "\n";
            return false;
        }
    }
    return true;
}

// --wheel and the flags that go with it.
bool CheckWheelFlags(const CliRequest& r, std::ostream& err) {
    if (r.wheelFile.empty()) {
        if (r.dualWheel || !r.wheelType.empty() || r.wheelPixels != 0) {
            err << "quaeryn-cli: --dual, --type and --size go with --wheel\n";
            return false;
        }
        return true;
    }
    if (!WheelFileFormatOf(r.wheelFile)) {
        err << "quaeryn-cli: --wheel writes .svg, .png or .pdf files, not '" << r.wheelFile << "'\n";
        return false;
    }
    if (r.dualWheel && !r.wheelType.empty()) {
        err << "quaeryn-cli: the dual wheel has no type; leave out --type\n";
        return false;
    }
    if (r.wheelPixels != 0 && (r.wheelPixels < kWheelFileMinPixels || r.wheelPixels > kWheelFileMaxPixels)) {
        err << "quaeryn-cli: --size needs a width from " << kWheelFileMinPixels << " to " << kWheelFileMaxPixels
            << " pixels, not " << r.wheelPixels << "\n";
        return false;
    }
    return true;
}

// "73W58" into degrees, minutes and the side; a fault when the text has
// another form.
bool ReadPlace(const std::string& text, char plus, char minus, std::string& deg, std::string& min, bool& negative) {
    static const std::regex re(R"((\d{1,3})([A-Za-z])(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(text, m, re)) return false;
    const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(m[2].str()[0])));
    if (side != plus && side != minus) return false;
    deg = StripLeadingZeros(m[1]);
    min = StripLeadingZeros(m[3]);
    negative = side == minus;
    return true;
}

// The choices and the convenience forms into the fields, as the Input Data
// window would hold them. A form that does not match, a time past 23:59
// and a missing choice are refused entries; a 24-hour time beside --am (or
// 0 hours beside --pm) is a conflict, as a usage error.
bool ApplyFieldForms(Flags& f, EntryFaults& refused, std::ostream& err) {
    EventEntries& e = f.request.entries;
    e.pm = f.pm;
    e.east = f.east;
    e.south = f.south;
    if (f.given("--date")) {
        static const std::regex re(R"((\d{3,4})-(\d{1,2})-(\d{1,2}))");
        std::smatch m;
        if (std::regex_match(f.date, m, re)) {
            e.year = StripLeadingZeros(m[1]);
            e.month = StripLeadingZeros(m[2]);
            e.day = StripLeadingZeros(m[3]);
        } else {
            refused.push_back({EntryField::Day, ShownText(f.date) + " is not YYYY-MM-DD", "date"});
        }
    }
    if (f.given("--time")) {
        static const std::regex re(R"((\d{1,2}):(\d{1,2}))");
        std::smatch m;
        if (!std::regex_match(f.time, m, re)) {
            refused.push_back({EntryField::Hour, ShownText(f.time) + " is not HH:MM", "time"});
        } else if (NumericValue(m[1].str()) > 23) {
            refused.push_back({EntryField::Hour, f.time + " is past 23:59", "time"});
        } else {
            const double hour = NumericValue(m[1].str());
            const bool twentyFour = hour == 0 || hour > 12;
            if ((f.am && twentyFour) || (f.pm && hour == 0)) {
                err << "quaeryn-cli: --time " << f.time << " is a 24-hour time; leave out "
                    << (f.am ? "--am" : "--pm") << "\n";
                return false;
            }
            e.hour = StripLeadingZeros(m[1]);
            e.minute = StripLeadingZeros(m[2]);
            // Without --am or --pm the time is on the 24-hour clock.
            if (!f.pm && !f.am && hour >= 12) e.pm = true;
            // The hour is digits, so the normalisation has nothing to say.
            SilentPrompt silent;
            NormalizeHour(e, silent);
        }
    }
    if (f.given("--long") && !ReadPlace(f.longText, 'W', 'E', e.longDeg, e.longMin, e.east))
        refused.push_back({EntryField::LongDeg, ShownText(f.longText) + " is not like 73W58 or 2E20", "long"});
    if (f.given("--lat") && !ReadPlace(f.latText, 'N', 'S', e.latDeg, e.latMin, e.south))
        refused.push_back({EntryField::LatDeg, ShownText(f.latText) + " is not like 40N45 or 33S52", "lat"});

    // The window always has one of each pair selected; the command line
    // must say which, or give a form that does.
    if (!f.am && !f.pm && !f.given("--time"))
        refused.push_back({EntryField::AmPm, "neither --am nor --pm, nor a --time", {}});
    if (!f.east && !f.west && !f.given("--long") && !f.given("--place"))
        refused.push_back({EntryField::EastWest, "neither --east nor --west, nor a --long", {}});
    if (!f.north && !f.south && !f.given("--lat") && !f.given("--place"))
        refused.push_back({EntryField::NorthSouth, "neither --north nor --south, nor a --lat", {}});
    return true;
}

}  // namespace

CliParse ParseCliArguments(const std::vector<std::string>& args, const CommandRegistry& commands,
                           const std::string& defaultReport, std::ostream& out, std::ostream& err) {
    CLI::App app{"Quaeryn: casts a horary chart and prints its reports.", "quaeryn-cli"};
    app.set_help_flag("-h,--help", "Print this help and exit");
    // A field given twice takes its last value, as retyping a field would.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    Flags f;
    DefineFlags(app, f, commands, defaultReport);
    f.given = [&app](const char* flag) { return app.count(flag) > 0; };

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& ex) {
        return CliParse{std::nullopt, app.exit(ex, out, err) == 0 ? 0 : 1};
    }
    const CliParse usageError{std::nullopt, 1};
    // A file or chart named by an empty text would quietly mean another
    // one (or, for --save-chart, none at all).
    for (const char* flag : {"--save-chart", "--name-file", "--chart", "--app-dir"}) {
        const CLI::Option* option = app.get_option(flag);
        if (option->count() > 0 && option->as<std::string>().empty()) {
            err << "quaeryn-cli: " << flag << " needs a name, not an empty text\n";
            return usageError;
        }
    }
    if (f.am && f.pm) {
        err << "quaeryn-cli: --am and --pm exclude each other\n";
        return usageError;
    }
    if ((f.east && f.west) || (f.north && f.south)) {
        err << "quaeryn-cli: choose one of --east/--west and one of --north/--south\n";
        return usageError;
    }
    if (!ReadOptionOverrides(f, err)) return usageError;
    if (!f.request.topic.empty()) return CheckTopic(f, err) ? CliParse{std::move(f.request), 0} : usageError;
    if (f.given("--places")) return CheckPlaces(f, err) ? CliParse{std::move(f.request), 0} : usageError;
    if (!CheckChartSource(f, err) || !CheckPlaceAndZone(f, err) || !CheckWheelFlags(f.request, err))
        return usageError;
    if (f.earlier) f.request.repeatedHour = RepeatedHour::Earlier;
    if (f.later) f.request.repeatedHour = RepeatedHour::Later;
    const bool fields = f.request.chartName.empty() && !f.request.now;
    if (fields && (!CheckFormConflicts(f, err) || !ApplyFieldForms(f, f.request.refused, err))) return usageError;
    // The default report only when nothing else was asked for.
    if (f.request.reports.empty() && !f.request.json && f.request.wheelFile.empty()) {
        if (const Command* fallback = commands.Find(defaultReport)) f.request.reports.push_back(fallback->cliName);
    }
    return CliParse{std::move(f.request), 0};
}

}  // namespace quaeryn
