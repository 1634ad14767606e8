#include "app/Session.h"

#include <system_error>

#include "app/CastChart.h"
#include "base/Messages.h"
#include "base/TextFile.h"
#include "entry/InputRules.h"
#include "wheel/WheelTables.h"

namespace quaeryn {

const HouseSystemItem (&HouseSystemItems())[9] {
    static const HouseSystemItem items[9] = {
        {"mnuHousePlacidus", "&Placidus", "P"},
        {"mnuHouseRegiomontanus", "&Regiomontanus", "R"},
        {"mnuHouseKoch", "&Koch", "K"},
        {"mnuHouseCampanus", "&Campanus", "C"},
        {"mnuHousePorphyry", "P&orphyry", "O"},
        {"mnuHouseEqualAsc", "&Equal - Asc", "EA"},
        {"mnuHouseEqualMC", "E&qual - MC", "EM"},
        {"mnuHouseMeridian", "&Meridian", "M"},
        {"mnuHouseMorinus", "Mor&inus", "I"},
    };
    return items;
}

Session::Session(AppDirectory directory, UserPrompt& userPrompt, const Clock& systemClock,
                 const ZoneSource& computerZone, const CommandRegistry& commandRegistry)
    : dir(std::move(directory)),
      buffer(userPrompt),
      prompt(userPrompt),
      clock(systemClock),
      zone(computerZone),
      commands(commandRegistry) {
    settings = DefaultSettings(dir.root());
    currentNameFile = settings.DataFile;
}

void Session::StartUp(const RegionalFormats& formats, const LayoutConstants& screen) {
    ReadOptions(OptionsPath(), options);
    settings = ReadSettings(SettingsPath(), dir.root());
    regional = formats;
    layout = screen;
    buffer.ResetBuffers();
    buffer.CurrentDocFile.clear();
    houseCode = HouseCodeFromOption27(options[27]);
    data = LoadDataFiles(dir);
    NotifyRefusedDataFiles(data, prompt);
    // The wheel's tables: a refused file is said once, and the wheel then
    // computes what it holds.
    for (const auto& file : CheckWheelTables(data).refused) prompt.notify(msg::DataFileCorrupt(file));
    currentNameFile = settings.DataFile;
}

bool Session::ReloadOptions() { return ReadOptions(OptionsPath(), options); }

bool Session::RestoreDefaultOptions() {
    std::error_code ec;
    const auto master = dir.Resolve("OPTIONS.MST");
    if (!std::filesystem::is_regular_file(master, ec)) {
        prompt.notify(msg::RestoreDefaultsFailed());
        return false;
    }
    const auto bytes = ReadWholeFile(master);
    if (!bytes || !WriteFileAtomically(OptionsPath(), *bytes)) {
        prompt.notify(msg::RestoreDefaultsFailed());
        return false;
    }
    return true;
}

bool Session::ShutDown() {
    settings.DataFile = currentNameFile.string();
    return WriteSettings(SettingsPath(), settings);
}

void Session::ShowPage() {
    if (buffer.ShowDataWindow(Minimized()) && view.showDataWindow) view.showDataWindow();
}

bool Session::Cast(AfterCast after) {
    if (view.commitEntries) view.commitEntries();
    // A linked zone is filled for the moment entered, before the busy
    // pointer: a repeated hour may be asked about.
    const ZoneLink::Outcome zone = zoneLink.Settle(entries, prompt, true);
    if (zone == ZoneLink::Outcome::Filled && view.zoneFilled) view.zoneFilled();
    if (view.castStarting) view.castStarting();
    buffer.ResetBuffers();
    refusal.clear();
    std::optional<ChartState> cast;
    if (zone == ZoneLink::Outcome::Refused)
        refusal.push_back(zoneLink.refusal());  // its message was shown
    else
        cast = CastChart(entries, houseCode, options, regional, prompt, &refusal);
    const bool done = cast.has_value();
    if (done) {
        chart = std::move(cast);
        if (view.chartCast) view.chartCast();
        if (after == AfterCast::DefaultReport) RunCommand(kDefaultReport);
    }
    if (view.castFinished) view.castFinished(done);
    return done;
}

void Session::OpenInputWindows() {
    if (view.commitEntries) view.commitEntries();
    buffer.CurrentDocFile.clear();
    buffer.ResetBuffers();
    if (entries.name == "Now") {
        const PresentMoment now = PresentMomentAt(clock.now(), zone);
        RefreshPresentTime(entries, now, prompt);
        // The zone box holds the computer's zone again.
        zoneLink.LinkFilled(now.zoneName, entries, now.zoneLine);
    }
    if (view.entriesOpened) view.entriesOpened();
}

bool Session::SelectHouseSystem(const std::string& code) {
    houseCode = NormalizeHouseCode(code);
    return RecastChart();
}

bool Session::RecastChart() {
    OpenInputWindows();
    return Cast();
}

Session::CommandOutcome Session::RunCommand(const std::string& idOrCliName) {
    const Command* command = commands.Find(idOrCliName);
    if (!command) return CommandOutcome::UnknownCommand;
    if (command->needsChart && !chart) return CommandOutcome::NoChart;
    if (command->kind != CommandKind::TextReport)
        return view.openWindow && view.openWindow(*command) ? CommandOutcome::Done : CommandOutcome::NotAvailable;
    if (RunReport(*command, *chart, Context(), buffer, Minimized()) && view.showDataWindow) view.showDataWindow();
    return CommandOutcome::Done;
}

bool Session::ShowHelpText(const std::string& file) {
    HelpFileName = file;
    buffer.BeginReport();
    const auto text = ReadWholeFile(dir.Resolve(file));
    if (!text) {
        prompt.notify(msg::HelpFileMissing(file));
        return false;
    }
    for (auto& line : SplitLines(*text)) buffer.AppendLine(std::move(line));
    buffer.AppendBlankLine();
    ShowPage();
    return true;
}

}  // namespace quaeryn
