// The command-line program run in the test's own process, on a data folder
// of its own, at a fixed moment on a computer on universal time.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/TempFolder.h"

namespace quaeryn::test {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

class CliFixture : public ::testing::Test {
protected:
    // Runs quaeryn-cli with ARGS after "--app-dir" and the fixture's folder.
    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--app-dir", dir_.path().string()});
        std::ostringstream out, err;
        StreamPrompt prompt(err);
        CliEnvironment env;
        env.clock = &clock_;
        env.zone = &zone_;
        env.regional = &regional_;
        CliRun r;
        r.status = runCli(args, out, err, prompt, env);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    TempFolder dir_;
    FixedClock clock_{LocalDateTime{2026, 12, 7, 18, 40, 0}};
    FixedZone zone_;  // a computer on universal time
    RegionalFormats regional_;
};

}  // namespace quaeryn::test
