// Every reader of the data folder's text files, fed random bytes with
// random line ends (CR LF, LF, CR, mixed): none may crash or abort (the
// sanitizer build runs this too), and each keeps its promises. Seeded, so
// every run reads the same texts.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "app/Session.h"
#include "base/AppData.h"
#include "base/Options.h"
#include "base/Settings.h"
#include "base/TextEncoding.h"
#include "base/TextFile.h"
#include "entry/NameFile.h"
#include "entry/TimeZones.h"
#include "support/FixedClock.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

// Pieces a file of the program is made of, and any byte at all.
std::string RandomText(std::mt19937& rng) {
    static const char* const kPieces[] = {
        "\r\n", "\n", "\r", "\r\n", "\n", "\r", ",", ",", "\"", " ", "  ", "\t", "-", ".", "0", "7", "12",
        "1e10", "1e999", "-3e38", "Test", "05 Jan 1990", "9.05", "P", "A", "073.59", "40.45", "\x1a",
        "FontSize=", "DataFile=", "StartScale=", "[Quaeryn]", "Ren\xe9" "e", "Ren\xc3\xa9" "e", "\xff"};
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s;
    for (int n = length(rng); n > 0; --n)
        s += kind(rng) == 0 ? std::string(1, static_cast<char>(byte(rng))) : std::string(kPieces[piece(rng)]);
    return s;
}

TEST(ReadersFuzz, TheOptionAndSettingsFilesAndTheDataFiles) {
    std::mt19937 rng(1303u);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = RandomText(rng);
        SCOPED_TRACE(::testing::PrintToString(text));

        const auto lines = SplitLines(text);
        for (const auto& line : lines) ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
        EXPECT_LE(lines.size(), text.size());

        Options options;
        ReadOptionsText(text, options);
        for (int n = 1; n <= Options::kCount; ++n) ASSERT_FALSE(std::isnan(options[n])) << n;
        EXPECT_FALSE(HouseCodeFromOption27(options[27]).empty());

        Settings settings = DefaultSettings("/data");
        ReadSettingsText(text, settings);
        EXPECT_TRUE(settings.FontSize >= 7.75) << settings.FontSize;
        EXPECT_GT(settings.DataHeight, 0);
        EXPECT_GT(settings.DataWidth, 0);

        std::array<int16_t, 121> table{};
        EXPECT_LE(ReadNumberTable(text, table), table.size());
    }
}

TEST(ReadersFuzz, NameFilesTheZoneTableAndASaveOfThem) {
    std::mt19937 rng(1990u);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = RandomText(rng);
        SCOPED_TRACE(::testing::PrintToString(text));

        const NameList list = ParseNameList(text);
        const StoredRecords stored = LocateNameRecords(text);
        // The records lie in order inside the text, and the list is a
        // beginning of them.
        std::size_t last = 0;
        for (const auto& s : stored.records) {
            ASSERT_LE(last, s.begin);
            ASSERT_LT(s.begin, s.end);
            ASSERT_LE(s.end, text.size());
            last = s.end;
        }
        EXPECT_EQ(stored.listComplete, !list.error);
        ASSERT_LE(list.records.size(), stored.records.size());
        for (std::size_t i = 0; i < list.records.size(); ++i)
            EXPECT_EQ(list.records[i].name, stored.records[i].record.name);

        // A save of a readable list: every byte kept, the new record listed last.
        if (stored.listComplete) {
            const std::string line = "New,05 Jan 1990,9.05,P,5,073.59,40.45";
            const std::vector<bool> none(stored.records.size(), false);
            const std::string saved = SpliceNameFile(text, stored, none, line);
            const NameList after = ParseNameList(saved);
            EXPECT_FALSE(after.error);
            ASSERT_EQ(after.records.size(), list.records.size() + 1);
            EXPECT_EQ(after.records.back().name, "New");
            std::string without = saved;
            without.erase(without.find(line), line.size() + 2);
            // Only the line end a last record lacked may have been added.
            if (without != text) {
                EXPECT_EQ(without, text.substr(0, stored.listEnd) + "\r\n" + text.substr(stored.listEnd));
            }
        }

        const TimeZoneTable zones = ParseTimeZones(text);
        EXPECT_EQ(zones.lines.size(), zones.zones.size());
    }
}

TEST(ReadersFuzz, TextsShowAsUtf8AndEditorsGiveTheirBytesBack) {
    std::mt19937 rng(1252u);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = RandomText(rng);
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_TRUE(IsUtf8(DisplayText(text)));
        EXPECT_TRUE(IsUtf8(DisplayLines(text)));
        const EditorText edited = DecodeForEditing(text);
        EXPECT_TRUE(IsUtf8(edited.utf8));
        EXPECT_EQ(EncodeAfterEditing(edited.utf8, edited.windows1252), text);
    }
}

// Whole data folders of random files: the start-up reads them all and a
// help text shows.
TEST(ReadersFuzz, AStartUpOnRandomFiles) {
    std::mt19937 rng(7u);
    SilentPrompt prompt;
    test::FixedClock clock{LocalDateTime{2001, 3, 5, 12, 0, 0}};
    test::FixedZone zone;
    for (int round = 0; round < 60; ++round) {
        test::TempFolder folder;
        for (const char* name : {"OPTIONS.OPT", "Quaeryn.ini", "STARS.TXT", "HCDATA.DAT", "RADIUS.DAT",
                                 "ALMUTD1.DAT", "TZ.DAT", "HINTS.HLP", "Horary.fil"})
            folder.Write(name, RandomText(rng) + RandomText(rng));
        Session session(AppDirectory(folder.path()), prompt, clock, zone);
        session.StartUp(RegionalFormats{}, ChooseLayout(1024, 15));
        EXPECT_FALSE(session.houseCode.empty());
        EXPECT_TRUE(session.ShowHelpText("HINTS.HLP"));
        LoadTimeZones(folder / "TZ.DAT", prompt);
        ReadNameFile(folder / "Horary.fil");
    }
}

}  // namespace
}  // namespace quaeryn
