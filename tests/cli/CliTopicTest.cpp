// quaeryn-cli --topic: a Horary Analyzer topic as plain text, or the list
// of the 24 topics.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/TextFile.h"
#include "cli/Cli.h"
#include "reference/Analyzer.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

using test::CliRun;

class CliTopicTest : public test::CliFixture {};

TEST_F(CliTopicTest, ListNamesTheTwentyFourTopics) {
    const CliRun r = run({"--topic", "list"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::string expected;
    for (const auto& line : TopicNameList()) expected += line + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), " 1  GENERAL     General horary");
    EXPECT_EQ(run({"--topic", "LIST"}).out, expected);
}

TEST_F(CliTopicTest, PrintsATopicByNameOrNumberAsTheAnalyzerShowsIt) {
    const CliRun r = run({"--topic", "lost"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto shipped = ReadWholeFile(fs::path(QUAERYN_SHIPPED_DATA_DIR) / "LOST.HA");
    ASSERT_TRUE(shipped.has_value());
    std::string expected;
    for (const auto& line : TopicListing(TopicByNumber(5), SplitLines(*shipped))) expected += line + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.out.rfind("Lost and Found (LOST.HA, topic 5)\n\n5000Q\n\n", 0), 0u) << r.out.substr(0, 80);
    EXPECT_EQ(run({"--topic", "5"}).out, r.out);
    EXPECT_EQ(run({"--topic", "LOST.HA"}).out, r.out);
}

TEST_F(CliTopicTest, ReadsTheTopicFileOfTheDataFolderAndNotesItsFaults) {
    // The data folder, already filled, with a HOUSE.HA of the user's own.
    dir_.SeedShippedData();
    dir_.Write("HOUSE.HA", "12000Q\r\nMy own question?\r\n;\r\n12002A\r\nMy own answer.\r\n;\r\n");
    const CliRun r = run({"--topic", "house"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "House rulerships (HOUSE.HA, topic 12)\n\n12000Q\n\nMy own question?\n\n  12002A\n  My own answer.\n\n"
              "1 question\n");  // a marker that does not fit is shown as text
    EXPECT_EQ(r.err,
              "quaeryn-cli: HOUSE.HA line 4: the marker 12002A where 12000A belongs\n"
              "quaeryn-cli: HOUSE.HA the file ends without a line FINIS\n");
}

TEST_F(CliTopicTest, AnUnreadableTopicFileIsReported) {
    fs::create_directories(dir_ / "TIMING.HA");  // not a file the folder can be filled with
    const CliRun r = run({"--topic", "timing"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Warning!: Cannot find correct file.\n");
}

TEST_F(CliTopicTest, RefusesAnUnknownTopicAndChartFlags) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string alone =
        "quaeryn-cli: --topic prints a topic file and casts nothing; leave out the chart, report, --json and "
        "wheel flags\n";
    const Case cases[] = {
        {{"--topic", "HOUSE13"}, "quaeryn-cli: unknown topic 'HOUSE13'; --topic list names the 24 topics\n"},
        {{"--topic", "25"}, "quaeryn-cli: unknown topic '25'; --topic list names the 24 topics\n"},
        {{"--topic", "lost", "--now"}, alone},
        {{"--topic", "lost", "--chart", "Lost ring"}, alone},
        {{"--topic", "lost", "--report", "basics"}, alone},
        {{"--topic", "lost", "--json"}, alone},
        {{"--topic", "lost", "--name", "Lost ring"}, alone},
        {{"--topic", "lost", "--wheel", "wheel.svg"}, alone},
        {{"--topic", "lost", "--dual"}, alone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1] + (c.args.size() > 2 ? " " + c.args[2] : ""));
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

}  // namespace
}  // namespace quaeryn
