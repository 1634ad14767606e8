// Every text file of the data folder reads the same whether its lines end
// in CR LF (as the program writes them), LF, or a CR alone (an old Mac
// file, or text pasted from one).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Session.h"
#include "base/AppData.h"
#include "base/Options.h"
#include "base/Settings.h"
#include "entry/NameFile.h"
#include "entry/TimeZones.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

std::string Join(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

const char* const kEnds[] = {"\r\n", "\n", "\r"};

TEST(LineEnds, TheOptionFileReadsEveryLine) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 200; ++n) lines.push_back(std::to_string(n % 7 + 1) + "      line " + std::to_string(n));
    for (const char* end : kEnds) {
        SCOPED_TRACE(::testing::PrintToString(end));
        Options o;
        ReadOptionsText(Join(lines, end), o);
        // A file read as one line would set option 1 and leave 2 to 200 at 0.
        for (int n = 1; n <= 200; ++n) ASSERT_FLOAT_EQ(o[n], static_cast<float>(n % 7 + 1)) << n;
        EXPECT_EQ(HouseCodeFromOption27(o[27]), "EM");  // 27 % 7 + 1 = 7: Equal - MC
    }
}

TEST(LineEnds, TheSettingsFileReadsEveryKey) {
    const std::vector<std::string> lines = {"[Quaeryn] - Do NOT change the order of these variables.",
                                            "FontSize= 12", "DataLeft=-120", "DataFile=/home/a/CHARTS.FIL",
                                            "TypeChart= 1"};
    for (const char* end : kEnds) {
        SCOPED_TRACE(::testing::PrintToString(end));
        Settings s = DefaultSettings("/data");
        ReadSettingsText(Join(lines, end), s);
        EXPECT_EQ(s.FontSize, 12);
        EXPECT_EQ(s.DataLeft, -120);
        EXPECT_EQ(s.DataFile, "/home/a/CHARTS.FIL");
        EXPECT_EQ(s.TypeChart, 1);
    }
}

TEST(LineEnds, NameFilesAndTheZoneTableReadEveryRecord) {
    const std::vector<std::string> names = {"Test,04 Jul 1990,9.05,P,5,073.59,40.45",
                                            "Paris,14 Jul 1989,10.30,A,-1,-002.20,48.52"};
    const std::vector<std::string> zones = {"\"Eastern Standard Time\",\"EST\",\"5\"", "\"Tokyo\",\"JST\",\"-9\""};
    for (const char* end : kEnds) {
        SCOPED_TRACE(::testing::PrintToString(end));
        const NameList list = ParseNameList(Join(names, end));
        EXPECT_FALSE(list.error);
        ASSERT_EQ(list.records.size(), 2u);
        EXPECT_EQ(list.records[1].name, "Paris");
        EXPECT_EQ(list.records[0].latitude, "40.45");
        EXPECT_EQ(NameEditText(Join(names, end)), Join(names, "\r\n"));

        const TimeZoneTable table = ParseTimeZones(Join(zones, end));
        EXPECT_FALSE(table.corrupt);
        ASSERT_EQ(table.zones.size(), 2u);
        EXPECT_EQ(table.zones[1].offset, "-9");
    }
}

TEST(LineEnds, DataFilesAndHelpTextsReadEveryLine) {
    for (const char* end : kEnds) {
        SCOPED_TRACE(::testing::PrintToString(end));
        test::TempFolder folder;
        folder.Write("STARS.TXT", Join({"first star", "second star", "", "fourth star"}, end));
        folder.Write("RADIUS.DAT", Join({"1,2", "3", "4"}, end));
        folder.Write("HINTS.HLP", Join({"HINTS", "", "  one", "  two"}, end));

        const AppData data = LoadDataFiles(AppDirectory(folder.path()));
        EXPECT_EQ(data.stars[1], "second star");
        EXPECT_EQ(data.stars[3], "fourth star");
        EXPECT_EQ(data.radius[3], 4);

        test::ScriptedPrompt prompt;
        test::FixedClock clock{LocalDateTime{2001, 3, 5, 12, 0, 0}};
        test::FixedZone zone;
        Session session(AppDirectory(folder.path()), prompt, clock, zone);
        ASSERT_TRUE(session.ShowHelpText("HINTS.HLP"));
        // The file's four lines, then the blank lines that close the page.
        const auto& page = session.buffer.PageBuffer();
        ASSERT_GE(session.buffer.PageLineCount(), 5);
        EXPECT_EQ((std::vector<std::string>(page.begin(), page.begin() + 5)),
                  (std::vector<std::string>{"HINTS", "", "  one", "  two", ""}));
    }
}

}  // namespace
}  // namespace quaeryn
