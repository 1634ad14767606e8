// The option file, the settings file and the data files: read exactly as
// written, and never a crash on a missing, short, overlong or malformed file.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/Options.h"
#include "base/Settings.h"
#include "base/TextFile.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(ReadOptions, TakesTheLeadingNumberOfTheFirstSevenCharacters) {
    Options o;
    ReadOptionsText("8.5    combustion orb\r\n  2    Regiomontanus is the default\n-1.25\n12345678\n", o);
    EXPECT_FLOAT_EQ(o[1], 8.5f);
    EXPECT_FLOAT_EQ(o[2], 2.0f);
    EXPECT_FLOAT_EQ(o[3], -1.25f);
    EXPECT_FLOAT_EQ(o[4], 1234567.0f);  // the 8th character is not read
    EXPECT_FLOAT_EQ(o[5], 0.0f);
}

TEST(ReadOptions, AnEmptyLineEndsTheReadingAndOldValuesStay) {
    Options o;
    o.Set(5, 9.0f);
    o.Set(200, 7.0f);
    ReadOptionsText("1\n2\n3\n4\n\n6\n", o);
    EXPECT_FLOAT_EQ(o[4], 4.0f);
    EXPECT_FLOAT_EQ(o[5], 9.0f);   // not present: keeps its value
    EXPECT_FLOAT_EQ(o[6], 0.0f);   // after the empty line: not read
    EXPECT_FLOAT_EQ(o[200], 7.0f);
}

TEST(ReadOptions, AnOverlongFileFillsTwoHundredAndStops) {
    std::string text;
    for (int i = 1; i <= 260; ++i) text += std::to_string(i) + "\r\n";
    Options o;
    ReadOptionsText(text, o);
    EXPECT_FLOAT_EQ(o[200], 200.0f);
    EXPECT_FLOAT_EQ(o[201], 0.0f);
    EXPECT_FLOAT_EQ(o[0], 0.0f);
}

TEST(ReadOptions, AMissingFileLeavesTheValues) {
    TempFolder dir;
    Options o;
    o.Set(27, 3);
    EXPECT_FALSE(ReadOptions(dir.path() / "OPTIONS.OPT", o));
    EXPECT_FLOAT_EQ(o[27], 3.0f);
}

TEST(ShippedOptions, HoldTwoHundredDescribedLinesWithTheExpectedValues) {
    for (const char* name : {"OPTIONS.OPT", "OPTIONS.MST"}) {
        const auto text = ReadWholeFile(fs::path(QUAERYN_SHIPPED_DATA_DIR) / name);
        ASSERT_TRUE(text) << name;
        const auto lines = SplitLines(*text);
        ASSERT_EQ(lines.size(), 200u) << name;
        for (const auto& l : lines) {
            EXPECT_GT(l.size(), 10u) << "every line carries a description: " << l;
            EXPECT_NE(text->find("\r\n"), std::string::npos);
        }
        Options o;
        ReadOptionsText(*text, o);
        EXPECT_EQ(HouseCodeFromOption27(o[27]), "R");
        EXPECT_FLOAT_EQ(o[30], 60);
        EXPECT_FLOAT_EQ(o[32], 8.5f);
        EXPECT_FLOAT_EQ(o[45], 61);
        EXPECT_NE(o[46], 0.0f);
        EXPECT_FLOAT_EQ(o[117], 80);
        for (int n = 34; n <= 43; ++n) EXPECT_GT(o[n], 0.0f) << "moiety on line " << n;
        for (int n = 118; n <= 123; ++n) EXPECT_GT(o[n], 0.0f) << "part orb on line " << n;
        EXPECT_NE(lines[16].find("(not used)"), std::string::npos);
    }
}

TEST(HouseCodeFromOption27, ChoosesTheMenuEntry) {
    const float inf = std::numeric_limits<float>::infinity();
    // Any other number is Placidus, however large (1e10 does not fit an int).
    const std::pair<float, const char*> cases[] = {
        {1, "P"},     {2, "R"},      {3, "K"},    {4, "C"},     {5, "O"},      {6, "EA"},
        {7, "EM"},    {8, "M"},      {9, "I"},    {0, "P"},     {10, "P"},     {2.5f, "P"},
        {1e10f, "P"}, {-1e10f, "P"}, {3e38f, "P"}, {inf, "P"},  {-inf, "P"},   {std::nanf(""), "P"},
        {8.999999f, "P"}, {-2, "P"}};
    for (auto [v, code] : cases) EXPECT_EQ(HouseCodeFromOption27(v), code) << v;
}

TEST(ReadSettings, AppliesEachKeysRule) {
    const fs::path app = "/data";
    struct Case {
        const char* line;
        void (*check)(const Settings&);
    } cases[] = {
        {"FontSize= 7.5", [](const Settings& s) { EXPECT_EQ(s.FontSize, 10); }},
        {"FontSize= 7.75", [](const Settings& s) { EXPECT_EQ(s.FontSize, 7.75); }},
        {"FontSize= 12.25", [](const Settings& s) { EXPECT_EQ(s.FontSize, 12.25); }},
        {"FontBold=-1", [](const Settings& s) { EXPECT_EQ(s.FontBold, -1); }},
        {"QuaerynHeight= 0", [](const Settings& s) { EXPECT_EQ(s.QuaerynHeight, 675); }},
        {"QuaerynWidth= 9000", [](const Settings& s) { EXPECT_EQ(s.QuaerynWidth, 9000); }},
        {"QuaerynTop=-300", [](const Settings& s) { EXPECT_EQ(s.QuaerynTop, -300); }},
        {"DataLeft=-120", [](const Settings& s) { EXPECT_EQ(s.DataLeft, -120); }},
        {"DataTop=-5", [](const Settings& s) { EXPECT_EQ(s.DataTop, 660); }},
        {"DataHeight= 7000.5", [](const Settings& s) { EXPECT_EQ(s.DataHeight, 7000); }},
        {"DataWidth= 99999", [](const Settings& s) { EXPECT_EQ(s.DataWidth, 9600); }},
        {"StartScale= 300", [](const Settings& s) { EXPECT_EQ(s.StartScale, 300); }},
        {"DataFile=", [](const Settings& s) { EXPECT_EQ(s.DataFile, "/data/Horary.fil"); }},
        {"DataFile=/home/a/CHARTS.FIL", [](const Settings& s) { EXPECT_EQ(s.DataFile, "/home/a/CHARTS.FIL"); }},
        {"TypeChart= 1", [](const Settings& s) { EXPECT_EQ(s.TypeChart, 1); }},
        {"garbage without equals", [](const Settings& s) { EXPECT_EQ(s, DefaultSettings("/data")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Settings s = DefaultSettings(app);
        ReadSettingsText(std::string("[Quaeryn] - header\r\n") + c.line + "\r\n", s);
        c.check(s);
    }
}

TEST(WriteSettings, WritesTheFixedOrderAndReadsBack) {
    TempFolder dir;
    Settings s = DefaultSettings(dir.path());
    s.FontSize = 12.25;
    s.FontBold = -1;
    s.DataLeft = -120;
    s.QuaerynWidth = 9000;
    s.DataFile = (dir.path() / "CHARTS.FIL").string();
    const fs::path file = dir.path() / "Quaeryn.ini";
    ASSERT_TRUE(WriteSettings(file, s));
    const auto text = ReadWholeFile(file);
    ASSERT_TRUE(text);
    const auto lines = SplitLines(*text);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "[Quaeryn] - Do NOT change the order of these variables.");
    EXPECT_EQ(lines[1], "FontSize= 12.25");
    EXPECT_EQ(lines[2], "FontBold=-1");
    EXPECT_EQ(lines[3], "FontItalic= 0");
    EXPECT_EQ(lines[7], "QuaerynWidth= 9000");
    EXPECT_EQ(lines[9], "DataLeft=-120");
    EXPECT_EQ(lines[13], "DataFile=" + s.DataFile);
    EXPECT_EQ(lines[14], "TypeChart= 0");
    EXPECT_NE(text->find("\r\n"), std::string::npos);
    EXPECT_EQ(ReadSettings(file, dir.path()), s);
}

TEST(ReadSettings, MissingOrShortFilesKeepTheDefaults) {
    TempFolder dir;
    EXPECT_EQ(ReadSettings(dir.path() / "Quaeryn.ini", dir.path()), DefaultSettings(dir.path()));
    dir.Write("Quaeryn.ini", "FontSize= 11\n");
    const Settings s = ReadSettings(dir.path() / "Quaeryn.ini", dir.path());
    EXPECT_EQ(s.FontSize, 11);
    EXPECT_EQ(s.DataFile, (dir.path() / "Horary.fil").string());
    // A directory in the file's place is not readable: defaults, no crash.
    fs::create_directories(dir.path() / "sub" / "Quaeryn.ini");
    EXPECT_EQ(ReadSettings(dir.path() / "sub" / "Quaeryn.ini", dir.path()), DefaultSettings(dir.path()));
}

TEST(LoadDataFiles, FillsTablesInFileOrderAndSurvivesBadFiles) {
    TempFolder dir;
    std::string stars;
    for (int i = 0; i < 80; ++i) stars += "star line " + std::to_string(i) + "\r\n";
    dir.Write("stars.txt", stars);  // matched without regard to case
    std::string radius;
    for (int i = 0; i < 400; ++i) radius += std::to_string(i) + (i % 10 == 9 ? "\n" : ",");
    dir.Write("RADIUS.DAT", radius);
    dir.Write("HCDATA.DAT", "1, 2,,3\r\n-4\r\nabc,70000,5");
    dir.Write("ALMUTD1.DAT", "");
    const AppData d = LoadDataFiles(AppDirectory(dir.path()));
    EXPECT_EQ(d.stars[0], "star line 0");
    EXPECT_EQ(d.stars[74], "star line 74");
    EXPECT_EQ(d.radius[360], 360);  // overlong: cut at the table's size
    const int16_t hc[] = {1, 2, 3, -4, 0, 0, 5, 0};
    for (std::size_t i = 0; i < std::size(hc); ++i) EXPECT_EQ(d.hcData[i], hc[i]) << i;
    EXPECT_EQ(d.almutD1[0], 0);  // empty
    EXPECT_EQ(d.almutN2[0], 0);  // missing
}

TEST(LoadDataFiles, RandomBytesNeverCrash) {
    TempFolder dir;
    std::mt19937 rng(12345);
    for (int round = 0; round < 50; ++round) {
        for (const char* name : {"STARS.TXT", "HCDATA.DAT", "RADIUS.DAT", "ALMUTD2.DAT"}) {
            std::string bytes(rng() % 4000, '\0');
            for (char& c : bytes) c = static_cast<char>(rng() % 256);
            dir.Write(name, bytes);
        }
        const AppData d = LoadDataFiles(AppDirectory(dir.path()));
        EXPECT_LE(d.stars[74].size(), 4000u);
    }
}

TEST(AppDirectory, ResolvesWithoutRegardToCaseAndSeedsWhatIsMissing) {
    TempFolder shipped, home;
    shipped.Write("OPTIONS.OPT", "shipped");
    shipped.Write("TZ.DAT", "zones");
    home.Write("options.opt", "mine");
    const AppDirectory dir(home.path() / "Quaeryn");
    std::vector<std::string> copied;
    fs::create_directories(dir.root());
    std::ofstream(dir.root() / "options.opt") << "mine";
    ASSERT_TRUE(dir.Seed(shipped.path(), &copied));
    EXPECT_EQ(copied, std::vector<std::string>{"TZ.DAT"});
    EXPECT_EQ(ReadWholeFile(dir.Resolve("OPTIONS.OPT")), std::optional<std::string>("mine"));
    EXPECT_EQ(dir.Resolve("\\TZ.DAT").filename(), "TZ.DAT");
    EXPECT_EQ(dir.Resolve("Missing.TXT"), dir.root() / "Missing.TXT");
}

TEST(TextFile, SplitsLinesAtEveryLineEnd) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\rb\rc\r", {"a", "b", "c"}},              // CR alone, as an old Mac wrote
        {"a\r\n\r\n", {"a", ""}},
        {"a\r\r\nb", {"a", "", "b"}},                 // CR, then CR LF: two line ends
        {"a\n\rb", {"a", "", "b"}},                    // LF CR is not one line end
        {"\r", {""}},
        {"\n\n", {"", ""}},
        {"", {}},
        {"no line end", {"no line end"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << ::testing::PrintToString(c.text);
}

}  // namespace
}  // namespace quaeryn
