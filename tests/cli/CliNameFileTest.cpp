// quaeryn-cli with name files: --chart casts a stored chart, --save-chart
// appends the entries of the flags to a name file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/TextEncoding.h"
#include "base/TextFile.h"
#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;
using test::ScriptedPrompt;

class CliNameFile : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ / "app");
        regional_.iDate = 0;
        env_.regional = &regional_;
        env_.clock = &clock_;
        env_.zone = &zone_;
    }

    int Run(std::vector<std::string> args, ScriptedPrompt& prompt) {
        args.insert(args.begin(), {"--app-dir", (root_ / "app").string()});
        out_.str("");
        err_.str("");
        return runCli(args, out_, err_, prompt, env_);
    }
    void Write(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string Json(std::vector<std::string> args) {
        args.push_back("--json");
        ScriptedPrompt prompt;
        EXPECT_EQ(Run(args, prompt), 0) << err_.str();
        return out_.str();
    }

    test::TempFolder root_;
    RegionalFormats regional_;
    test::FixedClock clock_{LocalDateTime{2001, 3, 5, 12, 0, 0}};
    test::FixedZone zone_;
    CliEnvironment env_;
    std::ostringstream out_, err_;
};

const char* const kCharts =
    "Test,04 Jul 1990,9.05,P,5,073.59,40.45\r\n"
    "Paris,14 Jul 1989,10.30,A,-1,-002.20,48.52\r\n"
    "Test,05 Jan 1990,1.00,A,5,073.59,40.45\r\n";

// The chart of a stored record is the chart of the same entries as flags.
TEST_F(CliNameFile, ChartCastsTheFirstRecordOfThatName) {
    const fs::path file = root_ / "charts.fil";
    Write(file, kCharts);
    struct Case {
        const char* name;
        std::vector<std::string> flags;
    } cases[] = {
        {"Test", {"--name", "Test", "--date", "1990-07-04", "--time", "9:05", "--pm", "--tz", "5",
                  "--long", "73W59", "--lat", "40N45"}},
        {"Paris", {"--name", "Paris", "--date", "1989-07-14", "--time", "10:30", "--am", "--tz",
                   "-1", "--long", "2E20", "--lat", "48N52"}},
    };
    for (const auto& c : cases) {
        const std::string stored = Json({"--chart", c.name, "--name-file", file.string()});
        EXPECT_NE(stored.find("\"ChartName\": \"" + std::string(c.name) + "\""), std::string::npos);
        EXPECT_EQ(stored, Json(c.flags)) << c.name;
    }
}

TEST_F(CliNameFile, ChartRefusesAnUnknownName) {
    const fs::path file = root_ / "charts.fil";
    Write(file, kCharts);
    for (const char* name : {"Nobody", "test", "TEST"}) {  // names match case-sensitively
        ScriptedPrompt prompt;
        EXPECT_EQ(Run({"--chart", name, "--name-file", file.string()}, prompt), 1) << name;
        EXPECT_NE(err_.str().find(name), std::string::npos) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
    ScriptedPrompt prompt;
    EXPECT_EQ(Run({"--chart", "Test", "--name-file", (root_ / "none.fil").string()}, prompt), 1);
    EXPECT_NE(err_.str().find("none.fil"), std::string::npos) << err_.str();
}

TEST_F(CliNameFile, ChartStopsAtAFormatError) {
    const fs::path file = root_ / "charts.fil";
    Write(file, "Bad,04 Jul 1990,9.o5,P,5,073.59,40.45\r\n");
    ScriptedPrompt prompt;
    prompt.expect("name-format-error");
    EXPECT_EQ(Run({"--chart", "Bad", "--name-file", file.string()}, prompt), 1);
    EXPECT_EQ(out_.str(), "");
}

// Without --name-file: the settings' DataFile, else the data folder's Horary.fil.
TEST_F(CliNameFile, ChartReadsTheNameFileInUse) {
    const fs::path other = root_ / "other.fil";
    Write(other, "Elsewhere,04 Jul 1990,9.05,P,5,073.59,40.45\r\n");
    Write(root_ / "app" / "HORARY.FIL", "Local,04 Jul 1990,9.05,P,5,073.59,40.45\r\n");
    struct Case {
        std::string settings;  // "" for no settings file
        const char* found;
        const char* missing;
    } cases[] = {
        {"", "Local", "Elsewhere"},
        {"[Quaeryn]\r\nDataFile=" + other.string() + "\r\n", "Elsewhere", "Local"},
        {"[Quaeryn]\r\nDataFile=" + (root_ / "gone.fil").string() + "\r\n", "Local", "Elsewhere"},
    };
    for (const auto& c : cases) {
        fs::remove(root_ / "app" / "Quaeryn.ini");
        if (!c.settings.empty()) Write(root_ / "app" / "Quaeryn.ini", c.settings);
        ScriptedPrompt prompt;
        EXPECT_EQ(Run({"--chart", c.found, "--json"}, prompt), 0) << c.settings << err_.str();
        EXPECT_EQ(Run({"--chart", c.missing, "--json"}, prompt), 1) << c.settings;
    }
    // The shipped file fills a new data folder: its charts are there.
    fs::remove(root_ / "app" / "HORARY.FIL");
    fs::remove(root_ / "app" / "Quaeryn.ini");
    ScriptedPrompt prompt;
    EXPECT_EQ(Run({"--chart", "Apollo 11 Moon landing (Houston)", "--json"}, prompt), 0) << err_.str();
}

TEST_F(CliNameFile, ChartExcludesTheFieldFlags) {
    const fs::path file = root_ / "charts.fil";
    Write(file, kCharts);
    for (std::vector<std::string> extra : {std::vector<std::string>{"--now"},
                                           std::vector<std::string>{"--tz", "3"}}) {
        std::vector<std::string> args = {"--chart", "Test", "--name-file", file.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        ScriptedPrompt prompt;
        EXPECT_EQ(Run(args, prompt), 1);
    }
    // The LMT box is not part of a record: it may be given, and the header shows it.
    ScriptedPrompt prompt;
    EXPECT_EQ(Run({"--chart", "Test", "--name-file", file.string(), "--lmt"}, prompt), 0);
    EXPECT_NE(out_.str().find(" LMT"), std::string::npos) << out_.str().substr(0, 400);
}

const std::vector<std::string> kSmithFlags = {
    "--name", "Smith", "--date", "1990-07-04", "--time", "21:05", "--tz", "5",
    "--long", "73W59", "--lat", "40N45"};
const char* const kSmithLine = "Smith,04 Jul 1990,9.05,P,5,073.59,40.45\r\n";

TEST_F(CliNameFile, SaveChartAppendsOrReplaces) {
    const std::string stored = "SMITH,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    struct Case {
        bool exists;
        bool replace;
        std::string after;
    } cases[] = {
        {false, false, kSmithLine},
        {true, false, stored + kSmithLine},
        {true, true, kSmithLine},
    };
    for (const auto& c : cases) {
        const fs::path file = root_ / "SAVED.FIL";
        fs::remove(file);
        fs::remove(root_ / "SAVED.OLD");
        if (c.exists) Write(file, stored);
        std::vector<std::string> args = kSmithFlags;
        args.insert(args.end(), {"--save-chart", file.string()});
        if (c.replace) args.push_back("--replace");
        ScriptedPrompt prompt;
        // The question is shown; --replace decides the answer, whatever the prompt says.
        if (c.exists) prompt.expect("name-exists", PromptAnswer::No);
        EXPECT_EQ(Run(args, prompt), 0) << err_.str();
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(ReadWholeFile(file).value_or(""), c.after);
        if (c.exists) {
            EXPECT_EQ(ReadWholeFile(root_ / "SAVED.OLD").value_or(""), stored);
        }
    }
}

TEST_F(CliNameFile, SaveChartRefusesWhatCannotBeStored) {
    const fs::path file = root_ / "SAVED.FIL";
    const std::string before = "Keep,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    struct Case {
        const char* name;
        const char* date;
        const char* message;
        int status;
    } cases[] = {
        {"Smith, John", "1990-07-04", "name-comma", 1},
        {"\"Lucky\" Smith", "1990-07-04", "name-quote", 1},
        {"Smith", "1990-13-04", "input-error", 2},  // entries a cast would refuse
        {"Smith", "1990-02-30", "day-past-month-end", 2},
        {"Lost\nring", "1990-07-04", "name-line-break", 2},
    };
    for (const auto& c : cases) {
        Write(file, before);
        ScriptedPrompt prompt;
        prompt.allow(c.message);
        EXPECT_EQ(Run({"--name", c.name, "--date", c.date, "--time", "21:05", "--tz", "5", "--long",
                       "73W59", "--lat", "40N45", "--save-chart", file.string()},
                      prompt),
                  c.status);
        EXPECT_FALSE(prompt.seen().empty());
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(ReadWholeFile(file).value_or(""), before);
        EXPECT_FALSE(fs::exists(root_ / "SAVED.OLD"));
    }
}

// A file whose list of names ends at a record without a name takes the new
// record before it, where --chart and the Names window find it; the records
// after the end stay as they were.
TEST_F(CliNameFile, SaveChartPutsTheRecordBeforeAnEarlyEndOfTheList) {
    const fs::path file = root_ / "SAVED.FIL";
    const std::string keep = "Keep,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    const std::string rest = ",02 Jan 2000,1.00,A,0,000.00,51.30\r\nHidden,03 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    Write(file, keep + rest);
    ScriptedPrompt prompt;
    std::vector<std::string> args = kSmithFlags;
    args.insert(args.end(), {"--save-chart", file.string()});
    ASSERT_EQ(Run(args, prompt), 0) << err_.str();
    EXPECT_EQ(ReadWholeFile(file).value_or(""), keep + kSmithLine + rest);
    EXPECT_EQ(ReadWholeFile(root_ / "SAVED.OLD").value_or(""), keep + rest);
    EXPECT_EQ(Run({"--chart", "Smith", "--name-file", file.string()}, prompt), 0) << err_.str();
}

// A name saved with blanks around it is stored without them and found
// whether asked for with them or without.
TEST_F(CliNameFile, SavedNamesAreFoundWithOrWithoutTheirBlanks) {
    const fs::path file = root_ / "SAVED.FIL";
    std::vector<std::string> args = kSmithFlags;
    args[1] = "  Smith ";
    args.insert(args.end(), {"--save-chart", file.string()});
    ScriptedPrompt prompt;
    ASSERT_EQ(Run(args, prompt), 0) << err_.str();
    EXPECT_EQ(ReadWholeFile(file).value_or(""), kSmithLine);
    for (const char* asked : {"Smith", "  Smith ", "Smith  "}) {
        EXPECT_EQ(Run({"--chart", asked, "--name-file", file.string()}, prompt), 0) << asked << err_.str();
        EXPECT_NE(out_.str().find("\n  Smith\n  04 Jul 1990"), std::string::npos) << out_.str().substr(0, 200);
    }
}

// A record the cast would refuse casts nothing: the fields it fills are
// named as typed ones are.
TEST_F(CliNameFile, ChartRefusesARecordACastWouldRefuse) {
    const fs::path file = root_ / "charts.fil";
    Write(file,
          "Negative,05 Mar 2001,-3.50,A,5,073.58,40.45\r\n"
          "Pole,05 Mar 2001,10.30,A,5,073.58,-91.00\r\n"
          "Antimeridian,05 Mar 2001,10.30,A,-12,-180.30,40.45\r\n");
    struct Case {
        const char* name;
        const char* err;
    } cases[] = {
        {"Negative",
         "Warning!: Error in natal input data section. Date, time and place take whole numbers typed as digits, "
         "and the time zone a number of hours. Please correct.\nhour: -3 is negative\nminute: -50 is negative\n"},
        {"Pole",
         "Warning!: Error in natal input data section. A latitude cannot pass 90 degrees 00 minutes. Please "
         "correct.\nlatitude degrees: 91 is past 90\n"},
        {"Antimeridian",
         "Warning!: Error in natal input data section. A longitude cannot pass 180 degrees 00 minutes. Please "
         "correct.\nlongitude minutes: 30 is past 180 degrees 00 minutes\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream err;
        StreamPrompt prompt(err);
        const int status = runCli({"--app-dir", (root_ / "app").string(), "--chart", c.name, "--name-file",
                                   file.string(), "--house", "M"},
                                  out_, err, prompt, env_);
        EXPECT_EQ(status, 2) << c.name;
        EXPECT_EQ(err.str(), c.err);
    }
    EXPECT_EQ(out_.str(), "");
}

// An empty file name saves nothing and says so, as any other usage error.
TEST_F(CliNameFile, SaveChartWithoutAFileNameIsAUsageError) {
    std::vector<std::string> args = kSmithFlags;
    args.insert(args.end(), {"--save-chart", ""});
    ScriptedPrompt prompt;
    EXPECT_EQ(Run(args, prompt), 1);
    EXPECT_NE(err_.str().find("--save-chart needs a name"), std::string::npos) << err_.str();
    EXPECT_EQ(out_.str(), "");  // no report either
    EXPECT_EQ(std::distance(fs::directory_iterator(root_.path()), fs::directory_iterator()), 1);  // app/ only
}

// A stored chart saved into another file keeps its fields.
TEST_F(CliNameFile, ChartAndSaveChartCopyARecord) {
    const fs::path from = root_ / "charts.fil";
    const fs::path to = root_ / "copy.fil";
    Write(from, kCharts);
    ScriptedPrompt prompt;
    EXPECT_EQ(Run({"--chart", "Paris", "--name-file", from.string(), "--save-chart", to.string()},
                  prompt),
              0)
        << err_.str();
    EXPECT_EQ(ReadWholeFile(to).value_or(""), "Paris,14 Jul 1989,10.30,A,-1,-002.20,48.52\r\n");
}

// A name file of the Windows era holds Windows-1252: "Ren\xe9e" is read as
// "Renée" in the JSON and the reports, found under either spelling, and
// copied to another file byte for byte.
TEST_F(CliNameFile, AWindows1252NameIsShownAsTextAndStoredAsRead) {
    const fs::path file = root_ / "old.fil";
    const std::string record = "Ren\xe9" "e,14 Jul 1989,10.30,A,-1,-002.20,48.52\r\n";
    Write(file, record);
    const std::string renee = "Ren\xc3\xa9" "e";
    for (const std::string& asked : {std::string("Ren\xe9" "e"), renee}) {
        const std::string json = Json({"--chart", asked, "--name-file", file.string()});
        EXPECT_NE(json.find("\"ChartName\": \"" + renee + "\""), std::string::npos) << json.substr(0, 200);
        ScriptedPrompt prompt;
        ASSERT_EQ(Run({"--chart", asked, "--name-file", file.string(), "--report", "basics"}, prompt), 0);
        EXPECT_NE(out_.str().find(renee), std::string::npos);
        EXPECT_EQ(out_.str().find("Ren\xe9"), std::string::npos);
    }
    const fs::path copy = root_ / "copy.fil";
    ScriptedPrompt prompt;
    ASSERT_EQ(Run({"--chart", renee, "--name-file", file.string(), "--save-chart", copy.string()}, prompt), 0)
        << err_.str();
    EXPECT_EQ(ReadWholeFile(copy).value_or(""), record);
}

// No byte sequence in a name ends the program: the JSON and the reports
// print, as UTF-8.
TEST_F(CliNameFile, AnyBytesInANamePrint) {
    for (const std::string& name : {std::string("\xff\xfe"), std::string("a\xc3"), std::string("\xed\xa0\x80"),
                                   std::string("\x81\x8d\x8f\x90\x9d"), std::string("\xc0\xaf")}) {
        std::vector<std::string> args = {"--name", name, "--date", "1990-07-04", "--time", "21:05", "--tz", "5",
                                         "--long", "73W59", "--lat", "40N45"};
        const std::string json = Json(args);
        EXPECT_TRUE(IsUtf8(json));
        EXPECT_NE(json.find("\"ChartName\": \"" + DisplayText(name) + "\""), std::string::npos);
        ScriptedPrompt prompt;
        args.insert(args.end(), {"--report", "basics"});
        ASSERT_EQ(Run(args, prompt), 0);
        EXPECT_TRUE(IsUtf8(out_.str()));
    }
}

}  // namespace
}  // namespace quaeryn
