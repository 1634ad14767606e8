#include "cli/CliArguments.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <ostream>
#include <regex>

#include "base/Numbers.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "entry/InputRules.h"

namespace quaeryn {

namespace {

// Everything as typed, before the checks.
struct Flags {
    CliRequest request;
    std::vector<std::string> optionOverrides;
    std::string date, time, longText, latText;
    bool am = false, pm = false, east = false, west = false, north = false, south = false;

    // Any of the Input Data fields or choices was given.
    bool FieldsGiven() const {
        const EventEntries& e = request.entries;
        return !e.name.empty() || !e.month.empty() || !e.day.empty() || !e.year.empty() || !e.hour.empty() ||
               !e.minute.empty() || !e.tz.empty() || !e.longDeg.empty() || !e.longMin.empty() ||
               !e.latDeg.empty() || !e.latMin.empty() || am || pm || east || west || north || south ||
               !date.empty() || !time.empty() || !longText.empty() || !latText.empty();
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
    app.add_flag("--now", r.now, "Cast the present moment at the default place of options 18-24");
    app.add_option("--chart", r.chartName, "Cast a stored chart of the name file");
    app.add_option("--name-file", r.nameFile,
                   "The name file for --chart (default: the settings' DataFile, else Horary.fil)");
    app.add_option("--save-chart", r.saveFile,
                   "Append the entries to this name file as a record instead of casting");
    app.add_flag("--replace", r.replace,
                 "With --save-chart: replace stored records of the same name (default: keep them)");

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
    app.add_option("--date", f.date, "Date as YYYY-MM-DD");
    app.add_option("--time", f.time, "Time as HH:MM (24-hour accepted)");
    app.add_option("--long", f.longText, "Longitude as 73W58 or 2E20");
    app.add_option("--lat", f.latText, "Latitude as 40N45 or 33S52");
}

// --option N=VALUE, N from 1 to 200.
bool ReadOptionOverrides(Flags& f, std::ostream& err) {
    for (const auto& o : f.optionOverrides) {
        const auto eq = o.find('=');
        // Held to 0..201 before it becomes an int: 1e10 is out of range, not undefined.
        const long n =
            eq == std::string::npos ? 0 : ClampedWhole(NumericValue(o.substr(0, eq)), 0, Options::kCount + 1);
        if (n < 1 || n > Options::kCount) {
            err << "quaeryn-cli: --option needs N=VALUE with N from 1 to 200, not '" << o << "'\n";
            return false;
        }
        f.request.options.emplace_back(static_cast<int>(n), static_cast<float>(NumericValue(o.substr(eq + 1))));
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

// "73W58" into degrees, minutes and the side.
bool ReadPlace(const std::string& text, char plus, char minus, std::string& deg, std::string& min, bool& negative,
               const char* flag, std::ostream& err) {
    static const std::regex re(R"((\d{1,3})([A-Za-z])(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(text, m, re)) {
        err << "quaeryn-cli: " << flag << " needs a form like 73W58, not '" << text << "'\n";
        return false;
    }
    const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(m[2].str()[0])));
    if (side != plus && side != minus) {
        err << "quaeryn-cli: " << flag << " needs " << plus << " or " << minus << ", not '" << text << "'\n";
        return false;
    }
    deg = StripLeadingZeros(m[1]);
    min = StripLeadingZeros(m[3]);
    negative = side == minus;
    return true;
}

// The choices and the convenience forms into the fields, as the Input Data
// window would hold them.
bool ApplyFieldForms(Flags& f, std::ostream& err) {
    EventEntries& e = f.request.entries;
    e.pm = f.pm;
    e.east = f.east;
    e.south = f.south;
    if (!f.date.empty()) {
        static const std::regex re(R"((\d{3,4})-(\d{1,2})-(\d{1,2}))");
        std::smatch m;
        if (!std::regex_match(f.date, m, re)) {
            err << "quaeryn-cli: --date needs YYYY-MM-DD, not '" << f.date << "'\n";
            return false;
        }
        e.year = StripLeadingZeros(m[1]);
        e.month = StripLeadingZeros(m[2]);
        e.day = StripLeadingZeros(m[3]);
    }
    if (!f.time.empty()) {
        static const std::regex re(R"((\d{1,2}):(\d{1,2}))");
        std::smatch m;
        if (!std::regex_match(f.time, m, re)) {
            err << "quaeryn-cli: --time needs HH:MM, not '" << f.time << "'\n";
            return false;
        }
        e.hour = StripLeadingZeros(m[1]);
        e.minute = StripLeadingZeros(m[2]);
        if (!f.pm && !f.am && NumericValue(e.hour) >= 12) e.pm = true;
        // The hour is digits, so the normalisation has nothing to say.
        SilentPrompt silent;
        NormalizeHour(e, silent);
    }
    if (!f.longText.empty() && !ReadPlace(f.longText, 'W', 'E', e.longDeg, e.longMin, e.east, "--long", err))
        return false;
    if (!f.latText.empty() && !ReadPlace(f.latText, 'N', 'S', e.latDeg, e.latMin, e.south, "--lat", err))
        return false;
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
    if (!ReadOptionOverrides(f, err) || !CheckChartSource(f, err)) return usageError;
    const bool fields = f.request.chartName.empty() && !f.request.now;
    if (fields && !ApplyFieldForms(f, err)) return usageError;
    if (f.request.reports.empty() && !f.request.json) {
        if (const Command* fallback = commands.Find(defaultReport)) f.request.reports.push_back(fallback->cliName);
    }
    return CliParse{std::move(f.request), 0};
}

}  // namespace quaeryn
