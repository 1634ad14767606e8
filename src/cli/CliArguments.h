// The command line read into a plain request: every flag as typed, checked
// for what can be told without the data folder (conflicting flags, the forms
// of --date, --time, --long, --lat and --option, the choices). runCli hands
// the request to a session; --place and --zone are looked up there.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/CommandRegistry.h"
#include "entry/EntryChecks.h"
#include "entry/EventEntries.h"
#include "place/ZoneChoice.h"

namespace quaeryn {

struct CliRequest {
    std::string appDir;                            // --app-dir, empty: the default folder
    std::string house;                             // --house, empty: option 27
    std::vector<std::pair<int, float>> options;    // --option N=VALUE, in order
    std::vector<std::string> reports;              // --report, in order
    bool json = false;                             // --json
    bool now = false;                              // --now
    std::string chartName;                         // --chart
    std::string nameFile;                          // --name-file
    std::string saveFile;                          // --save-chart
    bool replace = false;                          // --replace
    std::string topic;                             // --topic NAME or "list": no chart is cast
    std::string places;                            // --places TEXT: the matching places; no chart is cast
    std::string place;                             // --place TEXT: the coordinates and the zone
    std::string zone;                              // --zone NAME: the zone only
    // --earlier or --later: the hour the clocks showed twice; without one
    // such a time is refused.
    RepeatedHour repeatedHour = RepeatedHour::Refuse;
    std::string wheelFile;                         // --wheel: the picture to write
    bool dualWheel = false;                        // --dual
    std::string wheelType;                         // --type american|european, empty: the settings' TypeChart
    int wheelPixels = 0;                           // --size, 0: the default width
    // The Input Data entries: with neither --now nor --chart, the fields as
    // typed with the convenience forms and the choices applied; otherwise
    // only what those keep (--lmt with --chart).
    EventEntries entries;
    // Entries refused while the flags were read: a --date, --time, --long or
    // --lat that does not have its form, a time past 23:59, a missing
    // A.M./P.M., E/W or N/S choice. runCli shows each as an entry error and
    // exits with 2, before any cast.
    EntryFaults refused;
};

// The outcome of reading the arguments: a request to run, or the exit status
// when the reading already ended (0 after --help, 1 after a usage error,
// which has been written to err).
struct CliParse {
    std::optional<CliRequest> request;
    int exitStatus = 0;
};

// Reads the arguments (without the program name). The --report names and
// --help's list come from the registry; `defaultReport` is the report
// printed when none is asked for.
CliParse ParseCliArguments(const std::vector<std::string>& args, const CommandRegistry& commands,
                           const std::string& defaultReport, std::ostream& out, std::ostream& err);

}  // namespace quaeryn
