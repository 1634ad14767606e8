#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <ostream>
#include <regex>

#include "app/CastChart.h"
#include "app/Commands.h"
#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/Options.h"
#include "base/ReportBuffer.h"
#include "base/Settings.h"
#include "base/TextFile.h"
#include "entry/InputRules.h"
#include "entry/NameFile.h"

namespace quaeryn {

PromptAnswer StreamPrompt::ask(const PromptMessage& message) {
    err_ << message.title << ": " << message.text << "\n";
    return message.buttons == PromptButtons::YesNo ? yesNo_ : PromptAnswer::Ok;
}

namespace {

std::string StripLeadingZeros(const std::string& s) {
    const auto p = s.find_first_not_of('0');
    return p == std::string::npos ? (s.empty() ? s : "0") : s.substr(p);
}

nlohmann::json Table(const auto& table, std::size_t first, std::size_t last) {
    nlohmann::json a = nlohmann::json::array();
    for (std::size_t i = first; i <= last; ++i) a.push_back(table[i]);
    return a;
}

nlohmann::json ChartJson(const ChartState& c) {
    nlohmann::json j;
    j["ChartName"] = c.ChartName;
    j["Day"] = c.Day;
    j["Month"] = c.Month;
    j["Year"] = c.Year;
    j["DateText"] = c.DateText;
    j["ClockTime"] = c.ClockTime;
    j["AmPmText"] = c.AmPmText;
    j["ZoneHours"] = c.ZoneHours;
    j["LongitudeDm"] = c.LongitudeDm;
    j["LongitudeSide"] = c.LongitudeSide;
    j["LatitudeDm"] = c.LatitudeDm;
    j["LatitudeSide"] = c.LatitudeSide;
    j["HouseSystemCode"] = c.HouseSystemCode;
    j["UtDayFraction"] = c.UtDayFraction;
    j["StandardDayFraction"] = c.StandardDayFraction;
    j["JulianDayNumber"] = c.JulianDayNumber;
    j["CenturiesT"] = c.CenturiesT;
    j["Ramc"] = c.Ramc;
    j["ObliquityDegrees"] = c.ObliquityDegrees();
    j["SiderealTimeText"] = c.SiderealTimeText;
    j["ChartLongitude"] = Table(c.ChartLongitude, 1, 15);
    j["ChartLatitude"] = Table(c.ChartLatitude, 1, 15);
    j["ChartDeclination"] = Table(c.ChartDeclination, 1, 15);
    j["ChartRightAscension"] = Table(c.ChartRightAscension, 1, 15);
    j["LongitudeLater"] = Table(c.LongitudeLater, 1, 15);
    j["DailyMotion"] = Table(c.DailyMotion, 1, 15);
    j["Antiscion"] = Table(c.Antiscion, 1, 15);
    j["ChartCusp"] = Table(c.ChartCusp, 1, 13);
    j["HousePositionText"] = c.HousePositionText;
    j["RetrogradeText"] = c.RetrogradeText;
    j["TrueNode"] = c.TrueNode;
    j["TrueNodeDeclination"] = c.TrueNodeDeclination;
    j["MeanNode"] = c.MeanNode;
    j["MoonDeclinationNextDay"] = c.MoonDeclinationNextDay;
    j["PrecessionSince1990"] = c.PrecessionSince1990;
    j["PrecessionSince2000"] = c.PrecessionSince2000;
    return j;
}

// The answer to "already exists" comes from --replace; every other message
// goes to the caller's prompt as it is.
class ReplaceAnswerPrompt final : public UserPrompt {
public:
    ReplaceAnswerPrompt(UserPrompt& inner, bool replace) : inner_(inner), replace_(replace) {}
    PromptAnswer ask(const PromptMessage& message) override {
        const PromptAnswer answer = inner_.ask(message);
        if (message.id == "name-exists") return replace_ ? PromptAnswer::Yes : PromptAnswer::No;
        return answer;
    }

private:
    UserPrompt& inner_;
    bool replace_;
};

std::filesystem::path ProgramPath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("quaeryn-cli") : p;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           UserPrompt& prompt, const CliEnvironment& env) {
    CLI::App app{"Quaeryn: casts a horary chart and prints its reports.", "quaeryn-cli"};
    app.set_help_flag("-h,--help", "Print this help and exit");
    // A field given twice takes its last value, as retyping a field would.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    std::string appDir, house, chartName, nameFile, saveFile;
    std::vector<std::string> optionOverrides, reports;
    bool json = false, now = false, replace = false;
    EventEntries e;
    std::string date, time, longText, latText;
    bool am = false, pm = false, east = false, west = false, north = false, south = false;

    app.add_option("--app-dir", appDir, "The data folder (default: $QUAERYN_HOME, else $XDG_DATA_HOME/Quaeryn)");
    app.add_option("--house", house, "House system: P R K C O EA EM M I (default: option 27)")
        ->check(CLI::IsMember({"P", "R", "K", "C", "O", "EA", "EM", "M", "I"}));
    app.add_option("--option", optionOverrides, "Override option line N for this run: N=VALUE")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--json", json, "Print the chart state as one JSON object");
    // Only the reports this version can write are offered.
    std::string reportNames;
    for (const auto& command : ReportCommands()) {
        if (!command.write) continue;
        if (!reportNames.empty()) reportNames += ", ";
        reportNames += command.cliName;
    }
    app.add_option("--report", reports, "Print a report: " + reportNames + " (default basics)")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--now", now, "Cast the present moment at the default place of options 18-24");
    app.add_option("--chart", chartName, "Cast a stored chart of the name file");
    app.add_option("--name-file", nameFile,
                   "The name file for --chart (default: the settings' DataFile, else Horary.fil)");
    app.add_option("--save-chart", saveFile,
                   "Append the entries to this name file as a record instead of casting");
    app.add_flag("--replace", replace,
                 "With --save-chart: replace stored records of the same name (default: keep them)");

    app.add_option("--name", e.name, "Chart name");
    app.add_option("--month", e.month, "Month as typed");
    app.add_option("--day", e.day, "Day as typed");
    app.add_option("--year", e.year, "Year as typed");
    app.add_option("--hour", e.hour, "Hour (12-hour clock) as typed");
    app.add_option("--minute", e.minute, "Minute as typed");
    app.add_flag("--am", am, "A.M.");
    app.add_flag("--pm", pm, "P.M.");
    app.add_option("--tz", e.tz, "Time zone in hours, positive west of Greenwich");
    app.add_option("--long-deg", e.longDeg, "Longitude degrees");
    app.add_option("--long-min", e.longMin, "Longitude minutes");
    app.add_flag("--east", east, "East longitude");
    app.add_flag("--west", west, "West longitude");
    app.add_option("--lat-deg", e.latDeg, "Latitude degrees");
    app.add_option("--lat-min", e.latMin, "Latitude minutes");
    app.add_flag("--north", north, "North latitude");
    app.add_flag("--south", south, "South latitude");
    app.add_flag("--lmt", e.lmt, "The time is local mean time");
    app.add_option("--date", date, "Date as YYYY-MM-DD");
    app.add_option("--time", time, "Time as HH:MM (24-hour accepted)");
    app.add_option("--long", longText, "Longitude as 73W58 or 2E20");
    app.add_option("--lat", latText, "Latitude as 40N45 or 33S52");

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& ex) {
        return app.exit(ex, out, err) == 0 ? 0 : 1;
    }
    if (am && pm) {
        err << "quaeryn-cli: --am and --pm exclude each other\n";
        return 1;
    }
    if ((east && west) || (north && south)) {
        err << "quaeryn-cli: choose one of --east/--west and one of --north/--south\n";
        return 1;
    }

    // The data folder, filled with the shipped files it lacks.
    const AppDirectory dir(appDir.empty() ? DefaultCliAppDir() : std::filesystem::path(appDir));
    if (!dir.Seed(ShippedDataDir(ProgramPath()))) {
        err << "quaeryn-cli: cannot prepare the data folder " << dir.root().string() << "\n";
        return 1;
    }

    Options options;
    ReadOptions(dir.Resolve("OPTIONS.OPT"), options);
    for (const auto& o : optionOverrides) {
        const auto eq = o.find('=');
        const int n = eq == std::string::npos ? 0 : static_cast<int>(NumericValue(o.substr(0, eq)));
        if (n < 1 || n > Options::kCount) {
            err << "quaeryn-cli: --option needs N=VALUE with N from 1 to 200, not '" << o << "'\n";
            return 1;
        }
        options.Set(n, static_cast<float>(NumericValue(o.substr(eq + 1))));
    }
    const std::string houseCode = house.empty() ? HouseCodeFromOption27(options[27]) : house;

    const RegionalFormats regional = env.regional ? *env.regional : RegionalFromLocale();
    SystemClock systemClock;
    const Clock& clock = env.clock ? *env.clock : static_cast<const Clock&>(systemClock);

    const bool fieldFlags = !e.name.empty() || !e.month.empty() || !e.day.empty() ||
                            !e.year.empty() || !e.hour.empty() || !e.minute.empty() ||
                            !e.tz.empty() || !e.longDeg.empty() || !e.longMin.empty() ||
                            !e.latDeg.empty() || !e.latMin.empty() || am || pm || east || west ||
                            north || south || !date.empty() || !time.empty() ||
                            !longText.empty() || !latText.empty();
    // --lmt goes with --chart: a record does not hold the LMT box.
    if (!chartName.empty() && (now || fieldFlags)) {
        err << "quaeryn-cli: --chart takes the whole chart from the name file; leave out --now "
               "and the field flags (--lmt may stay)\n";
        return 1;
    }
    if (chartName.empty() && !now && !fieldFlags) {
        err << "quaeryn-cli: nothing to cast: give the entries (--name, --date, --time, --tz, "
               "--long, --lat ...), --now or --chart NAME; --help lists them\n";
        return 1;
    }
    if (!nameFile.empty() && chartName.empty()) {
        err << "quaeryn-cli: --name-file goes with --chart\n";
        return 1;
    }

    if (!chartName.empty()) {
        // The name file in use: the settings' DataFile, else Horary.fil in
        // the data folder; --name-file names another.
        std::filesystem::path file = nameFile;
        std::optional<std::string> text;
        if (file.empty()) {
            const Settings settings = ReadSettings(dir.Resolve("Quaeryn.ini"), dir.root());
            if (!settings.DataFile.empty()) {
                file = settings.DataFile;
                text = ReadWholeFile(file);
            }
            if (!text) {
                file = dir.Resolve("Horary.fil");
                text = ReadWholeFile(file);
            }
        } else {
            text = ReadWholeFile(file);
        }
        if (!text) {
            err << "quaeryn-cli: cannot read the name file " << file.string() << "\n";
            return 1;
        }
        NameList list = ParseNameList(*text);
        if (list.error) prompt.notify(msg::NameFileError());
        NameRecord* record = FindNameRecord(list, chartName);
        if (!record) {
            err << "quaeryn-cli: no chart named '" << chartName << "' in " << file.string() << "\n";
            return 1;
        }
        if (!FillFromRecord(*record, e, regional, prompt)) return 1;
    } else if (now) {
        FillPresentMoment(e, clock.now(), options, prompt);
    } else {
        e.pm = pm;
        e.east = east;
        e.south = south;
        if (!date.empty()) {
            static const std::regex re(R"((\d{3,4})-(\d{1,2})-(\d{1,2}))");
            std::smatch m;
            if (!std::regex_match(date, m, re)) {
                err << "quaeryn-cli: --date needs YYYY-MM-DD, not '" << date << "'\n";
                return 1;
            }
            e.year = StripLeadingZeros(m[1]);
            e.month = StripLeadingZeros(m[2]);
            e.day = StripLeadingZeros(m[3]);
        }
        if (!time.empty()) {
            static const std::regex re(R"((\d{1,2}):(\d{1,2}))");
            std::smatch m;
            if (!std::regex_match(time, m, re)) {
                err << "quaeryn-cli: --time needs HH:MM, not '" << time << "'\n";
                return 1;
            }
            e.hour = StripLeadingZeros(m[1]);
            e.minute = StripLeadingZeros(m[2]);
            if (!pm && !am && NumericValue(e.hour) >= 12) e.pm = true;
            NormalizeHour(e, prompt);
        }
        auto place = [&err](const std::string& text, char plus, char minus, std::string& deg,
                            std::string& min, bool& negative, const char* flag) {
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
        };
        if (!longText.empty() && !place(longText, 'W', 'E', e.longDeg, e.longMin, e.east, "--long"))
            return 1;
        if (!latText.empty() && !place(latText, 'N', 'S', e.latDeg, e.latMin, e.south, "--lat"))
            return 1;
    }

    if (!saveFile.empty()) {
        // The record is checked as a cast would check it, so that a stored
        // chart can be cast again; nothing is written after a message.
        const bool refused = CheckEntriesComplete(e, prompt) | CheckEntryRanges(e, prompt);
        if (refused) return 2;
        ReplaceAnswerPrompt savePrompt(prompt, replace);
        return SaveNameRecord(e, saveFile, regional, savePrompt) == SaveOutcome::Saved ? 0 : 1;
    }

    const auto chart = CastChart(e, houseCode, options, regional, prompt);
    if (!chart) return 2;

    const AppData data = LoadDataFiles(dir);
    const ReportContext context{options, data, regional, prompt};
    ReportBuffer buffer(prompt);
    if (reports.empty() && !json) reports.push_back("basics");
    for (const auto& name : reports) {
        const ReportCommand* command = FindReportCommand(name);
        if (!command) {
            err << "quaeryn-cli: unknown report '" << name << "'\n";
            return 1;
        }
        if (!RunReport(*command, *chart, context, buffer)) {
            err << "quaeryn-cli: the report '" << name << "' is not available in this version\n";
            return 1;
        }
        for (int i = 0; i <= buffer.PageLineCount(); ++i)
            out << buffer.PageBuffer()[static_cast<std::size_t>(i)] << "\n";
    }
    if (json) out << ChartJson(*chart).dump(2) << "\n";
    return 0;
}

}  // namespace quaeryn
