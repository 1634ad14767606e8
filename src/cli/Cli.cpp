#include "cli/Cli.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "app/Commands.h"
#include "app/CastChart.h"
#include "app/Session.h"
#include "base/AppDirectory.h"
#include "base/Messages.h"
#include "base/TextEncoding.h"
#include "base/TextFile.h"
#include "cli/ChartJson.h"
#include "cli/CliArguments.h"
#include "entry/InputRules.h"
#include "entry/NameFile.h"
#include "entry/PlaceEntries.h"
#include "place/ComputerZone.h"
#include "place/Places.h"
#include "reference/Analyzer.h"
#include "wheel/WheelFile.h"
#include "wheel/WheelTables.h"

namespace quaeryn {

PromptAnswer StreamPrompt::ask(const PromptMessage& message) {
    err_ << DisplayText(message.title) << ": " << DisplayText(message.text) << "\n";
    if (!message.detail.empty()) err_ << DisplayText(message.detail) << "\n";
    return message.buttons == PromptButtons::YesNo ? yesNo_ : DefaultAnswer(message.buttons);
}

namespace {

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

// The command line's words for what the window asks: a repeated hour is
// chosen with a flag.
class PlaceFlagsPrompt final : public UserPrompt {
public:
    explicit PlaceFlagsPrompt(UserPrompt& inner) : inner_(inner) {}
    PromptAnswer ask(const PromptMessage& message) override {
        if (message.id != "local-time-repeated-unchosen") return inner_.ask(message);
        PromptMessage told = message;
        told.detail = "--earlier takes the first, --later the second";
        return inner_.ask(told);
    }

private:
    UserPrompt& inner_;
};

// --places: the cities a text finds, most populous first.
int ListPlaces(const std::string& text, std::ostream& out, std::ostream& err) {
    const std::vector<Place> found = CityDatabase().Search(text);
    if (found.empty()) {
        err << "quaeryn-cli: no place matches '" << text << "'\n";
        return 2;
    }
    for (const Place& place : found) out << PlaceListLine(place) << "\n";
    return 0;
}

// --place and --zone: the coordinates of the first place the text finds
// (said on the error stream, with a word when the text finds more than
// one), then the zone linked and settled for the date and time given, as
// the window settles it before a cast. 0, or the exit status of a refusal.
int TakePlaceAndZone(const CliRequest& r, Session& session, std::ostream& err) {
    std::string zone = r.zone;
    if (!r.place.empty()) {
        const std::vector<Place> found = CityDatabase().Search(r.place);
        if (found.empty()) {
            err << "quaeryn-cli: no place matches '" << r.place << "'; --places lists what a text finds\n";
            return 2;
        }
        const Place& place = found.front();
        if (found.size() > 1) {
            // The finder lists the names that begin with the text first: a
            // later word ("york" in New York) may belong to a larger city.
            const bool largest = std::none_of(found.begin(), found.end(), [&place](const Place& p) {
                return p.population > place.population;
            });
            err << "quaeryn-cli: '" << r.place << "' matches " << found.size()
                << (found.size() >= PlaceFinder::kDefaultLimit ? " or more" : "") << " places; taking "
                << (largest ? "the most populous, " + PlaceText(place)
                            : PlaceText(place) + ", the most populous whose name begins so")
                << "; --places '" << r.place << "' lists them\n";
        }
        if (!FillPlace(session.entries, place)) {
            err << "quaeryn-cli: the place " << PlaceText(place) << " has no usable coordinates\n";
            return 2;
        }
        const auto latitude = LatitudeEntry(place.latitudeNorth);
        const auto longitude = LongitudeEntry(place.longitudeEast);
        err << "quaeryn-cli: place: " << PlaceText(place) << ", " << AngleForm(*latitude) << " "
            << AngleForm(*longitude) << "\n";
        zone = place.zone;
    }
    session.zoneLink.Link(zone, session.entries, r.repeatedHour);
    switch (session.zoneLink.Settle(session.entries, session.prompt, true)) {
        case ZoneLink::Outcome::Filled:
            err << "quaeryn-cli: zone: " << session.zoneLink.line() << "\n";
            return 0;
        case ZoneLink::Outcome::Refused:
            return 2;
        case ZoneLink::Outcome::Waiting: {
            // The date or time is refused: its own lines say which, without
            // one for the zone box the zone would have filled.
            EventEntries probe = session.entries;
            probe.tz = "0";
            if (ValidateEntries(probe, session.houseCode, session.prompt)) {
                err << "quaeryn-cli: the date and time give no moment to take the zone " << zone << " at\n";
            }
            return 2;
        }
        case ZoneLink::Outcome::Kept:
        case ZoneLink::Outcome::Unlinked:
            break;
    }
    return 0;
}

std::filesystem::path ProgramPath() {
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("quaeryn-cli") : p;
}

// --chart: the record of that name from the name file in use (the
// settings' DataFile, else Horary.fil in the data folder) or --name-file.
bool TakeStoredChart(const CliRequest& r, Session& session, std::ostream& err) {
    std::filesystem::path file = r.nameFile;
    std::optional<std::string> text;
    if (file.empty()) {
        if (!session.settings.DataFile.empty()) {
            file = session.settings.DataFile;
            text = ReadWholeFile(file);
        }
        if (!text) {
            file = session.dir.Resolve("Horary.fil");
            text = ReadWholeFile(file);
        }
    } else {
        text = ReadWholeFile(file);
    }
    if (!text) {
        err << "quaeryn-cli: cannot read the name file " << file.string() << "\n";
        return false;
    }
    NameList list = ParseNameList(*text);
    if (list.error) session.prompt.notify(msg::NameFileError());
    NameRecord* record = FindNameRecord(list, r.chartName);
    if (!record) {
        err << "quaeryn-cli: no chart named '" << r.chartName << "' in " << file.string() << "\n";
        return false;
    }
    return FillFromRecord(*record, session.entries, session.regional, session.prompt);
}

// --save-chart: the entries checked as a cast would check them (so that the
// stored chart can be cast again; the latitude limit belongs to the house
// system of a cast) and appended; nothing is written after a message.
int SaveChart(const CliRequest& r, Session& session) {
    if (!ValidateEntriesToStore(session.entries, session.prompt)) return 2;
    ReplaceAnswerPrompt savePrompt(session.prompt, r.replace);
    return SaveNameRecord(session.entries, r.saveFile, session.regional, savePrompt) == SaveOutcome::Saved ? 0 : 1;
}

// --topic: the 24 topics, or one topic file of the data folder walked as
// the Analyzer shows it; what keeps the file from the format is noted on
// the error stream.
int PrintTopic(const std::string& name, const AppDirectory& dir, std::ostream& out, std::ostream& err,
               UserPrompt& prompt) {
    const AnalyzerTopic* topic = FindTopic(name);
    if (!topic) {  // "list": the name was checked with the arguments
        for (const auto& line : TopicNameList()) out << line << "\n";
        return 0;
    }
    const auto text = ReadWholeFile(dir.Resolve(topic->file));
    if (!text) {
        prompt.notify(msg::TopicFileMissing());
        return 1;
    }
    const std::vector<std::string> lines = SplitLines(*text);
    for (const auto& line : TopicListing(*topic, lines)) out << line << "\n";
    for (const auto& problem : TopicFileProblems(topic->number, lines))
        err << "quaeryn-cli: " << topic->file << " " << problem << "\n";
    return 0;
}

// --wheel: the wheel of the cast chart as a picture, the type from --type
// or the settings. A missing glyph font is said and the wheel still drawn.
int WriteWheel(const CliRequest& r, Session& session, std::ostream& err) {
    const WheelMode mode = r.dualWheel ? WheelMode::Dual : WheelMode::Single;
    ChartType type = session.settings.TypeChart == 1 ? ChartType::European : ChartType::American;
    if (!r.wheelType.empty()) type = r.wheelType == "european" ? ChartType::European : ChartType::American;
    const WheelDrawing drawing = WheelFileDrawing(*session.chart, mode, type, session.options,
                                                  CheckWheelTables(session.data).tables, session.regional);
    const WheelFileResult result = WriteWheelFile(drawing, r.wheelFile, *WheelFileFormatOf(r.wheelFile),
                                                  r.wheelPixels > 0 ? r.wheelPixels : kWheelFilePixels);
    if (result.glyphFontMissing) session.prompt.notify(msg::GlyphFontMissing());
    if (!result.written) {
        err << "quaeryn-cli: cannot write the wheel to " << r.wheelFile << ": " << result.error << "\n";
        return 1;
    }
    return 0;
}

// A headless session on the data folder, started as the desktop program
// starts, given the request's entries; then the cast and the reports.
int RunRequest(const CliRequest& r, std::ostream& out, std::ostream& err, UserPrompt& prompt,
               const CliEnvironment& env) {
    const AppDirectory dir(r.appDir.empty() ? DefaultCliAppDir() : std::filesystem::path(r.appDir));
    if (!dir.Seed(ShippedDataDir(ProgramPath()))) {
        err << "quaeryn-cli: cannot prepare the data folder " << dir.root().string() << "\n";
        return 1;
    }
    if (!r.topic.empty()) return PrintTopic(r.topic, dir, out, err, prompt);
    SystemClock systemClock;
    PlaceFlagsPrompt sessionPrompt(prompt);
    Session session(dir, sessionPrompt, env.clock ? *env.clock : static_cast<const Clock&>(systemClock),
                    env.zone ? *env.zone : static_cast<const ZoneSource&>(ComputerZone::Instance()));
    session.StartUp(env.regional ? *env.regional : RegionalFromLocale(), LayoutConstants{});
    for (const auto& [line, value] : r.options) session.options.Set(line, value);
    session.houseCode = r.house.empty() ? HouseCodeFromOption27(session.options[27]) : r.house;

    session.entries = r.entries;
    if (!r.chartName.empty()) {
        if (!TakeStoredChart(r, session, err)) return 1;
    } else if (r.now) {
        FillPresentMoment(session.entries, PresentMomentAt(session.clock.now(), session.zone), session.options,
                          session.prompt);
    } else if (!r.place.empty() || !r.zone.empty()) {
        if (const int refused = TakePlaceAndZone(r, session, err)) return refused;
    }
    if (!r.saveFile.empty()) return SaveChart(r, session);

    if (!session.Cast(Session::AfterCast::NoReport)) return 2;
    for (const auto& name : r.reports) {
        const Session::CommandOutcome outcome = session.RunCommand(name);
        if (outcome == Session::CommandOutcome::UnknownCommand) {
            err << "quaeryn-cli: unknown report '" << name << "'\n";
            return 1;
        }
        if (outcome != Session::CommandOutcome::Done) {
            err << "quaeryn-cli: the report '" << name << "' is not available in this version\n";
            return 1;
        }
        const ReportBuffer& page = session.buffer;
        for (int i = 0; i <= page.PageLineCount(); ++i)
            out << DisplayText(page.PageBuffer()[static_cast<std::size_t>(i)]) << "\n";
    }
    // The texts are UTF-8 already; the replacing handler only makes sure
    // that no byte can end the program.
    if (r.json)
        out << ChartJson(*session.chart).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    if (!r.wheelFile.empty()) return WriteWheel(r, session, err);
    return 0;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, UserPrompt& prompt,
           const CliEnvironment& env) {
    const CliParse parsed = ParseCliArguments(args, AppCommands(), kDefaultReport, out, err);
    if (!parsed.request) return parsed.exitStatus;
    // Entries refused as they were read: one entry error each, naming it.
    for (const FieldFault& fault : parsed.request->refused) ReportInputError(prompt, {fault});
    if (!parsed.request->refused.empty()) return 2;
    if (!parsed.request->places.empty()) return ListPlaces(parsed.request->places, out, err);
    return RunRequest(*parsed.request, out, err, prompt, env);
}

}  // namespace quaeryn
