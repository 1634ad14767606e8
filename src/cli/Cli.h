// quaeryn-cli: casts a chart from flags, a stored chart or the present
// moment and prints reports or the chart state as JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "base/ZoneSource.h"

namespace quaeryn {

// Prints every message as "Title: text" on a stream, its detail on the
// lines after it, and answers questions with a fixed answer (No unless told
// otherwise).
class StreamPrompt final : public UserPrompt {
public:
    explicit StreamPrompt(std::ostream& err, PromptAnswer yesNoAnswer = PromptAnswer::No)
        : err_(err), yesNo_(yesNoAnswer) {}
    PromptAnswer ask(const PromptMessage& message) override;
    void setYesNoAnswer(PromptAnswer a) { yesNo_ = a; }

private:
    std::ostream& err_;
    PromptAnswer yesNo_;
};

struct CliEnvironment {
    const Clock* clock = nullptr;                 // the system clock when null
    const RegionalFormats* regional = nullptr;    // the process locale when null
    const ZoneSource* zone = nullptr;             // the computer's zone (ComputerZone) when null
};

// Runs the command line (args without the program name). Returns the exit
// status: 0 done, 1 usage or file error, 2 the cast was refused.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           UserPrompt& prompt, const CliEnvironment& env = {});

// The regional formats of the process locale (LC_TIME).
RegionalFormats RegionalFromLocale();

}  // namespace quaeryn
