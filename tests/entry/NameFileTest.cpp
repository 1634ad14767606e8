#include "entry/NameFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/SafeFile.h"
#include "base/TextFile.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;
using test::ScriptedPrompt;
using test::TempFolder;

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string Bytes(const fs::path& file) { return ReadWholeFile(file).value_or("<missing>"); }

// 9:05 P.M., zone 5, 73 59 West, 40 45 North, 4 July 1990.
EventEntries TestEntries() {
    EventEntries e;
    e.name = "Test";
    e.month = "7";
    e.day = "4";
    e.year = "1990";
    e.hour = "9";
    e.minute = "5";
    e.pm = true;
    e.tz = "5";
    e.longDeg = "73";
    e.longMin = "59";
    e.latDeg = "40";
    e.latMin = "45";
    return e;
}

const char* const kTestLine = "Test,04 Jul 1990,9.05,P,5,073.59,40.45";

std::vector<std::string> Names(const NameList& list) {
    std::vector<std::string> names;
    for (const auto& r : list.records) names.push_back(r.name);
    return names;
}

TEST(FreeFieldReader, SplitsAtCommasAndLineEnds) {
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,b\r\nc", {"a", "b", "c"}},
        {"a,b\nc\n", {"a", "b", "c"}},
        {"a\rb", {"a", "b"}},
        {"   a ,\tb", {"a ", "b"}},                      // blanks before a field are skipped
        {"\"Smith, J\"  ignored,x", {"Smith, J", "x"}},  // quoted field keeps its comma
        {"\" lead\",x", {" lead", "x"}},
        {"\"open\r\nb", {"open", "b"}},  // an unclosed quote ends at the line end
        {"a\r\n\r\nb", {"a", "", "b"}},  // an empty line is an empty field
        {"a,\r\nb", {"a", "", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a\x1a,b\r\n", {"a"}},  // Ctrl-Z ends the text
        {"", {}},
    };
    for (const auto& c : cases) {
        FreeFieldReader in(c.text);
        std::vector<std::string> got;
        std::string f;
        while (in.Read(f)) got.push_back(f);
        EXPECT_EQ(got, c.fields) << c.text;
    }
}

TEST(ParseNameList, ReadsRecordsUpToAnEmptyNameOrAnError) {
    const std::string other = "Other,05 Jan 1990,12.30,A,-1,-002.20,48.52";
    struct Case {
        std::string text;
        std::vector<std::string> names;
        bool error;
    } cases[] = {
        {std::string(kTestLine) + "\r\n" + other + "\r\n", {"Test", "Other"}, false},
        {std::string(kTestLine) + "\n" + other, {"Test", "Other"}, false},
        {"", {}, false},
        {"\r\n", {}, false},
        // An empty line ends the list; the records after it are not shown.
        {std::string(kTestLine) + "\r\n\r\n" + other + "\r\n", {"Test"}, false},
        {",04 Jul 1990,9.05,P,5,073.59,40.45\r\n" + other, {}, false},
        // A last record that stops short: the records before it stay.
        {std::string(kTestLine) + "\r\nBroken,04 Jul 1990\r\n", {"Test"}, true},
        {std::string(kTestLine) + "\r\nBroken", {"Test"}, true},
        // Free-field form: a record may run over several lines, a name may be quoted.
        {"Test\r\n04 Jul 1990\r\n9.05\r\nP\r\n5\r\n073.59\r\n40.45\r\n", {"Test"}, false},
        {"\"Smith, John\",04 Jul 1990,9.05,P,5,073.59,40.45\r\n", {"Smith, John"}, false},
    };
    for (const auto& c : cases) {
        const NameList list = ParseNameList(c.text);
        EXPECT_EQ(Names(list), c.names) << c.text;
        EXPECT_EQ(list.error, c.error) << c.text;
    }
    const NameList list = ParseNameList(std::string(kTestLine) + "\r\n");
    ASSERT_EQ(list.records.size(), 1u);
    const NameRecord& r = list.records[0];
    EXPECT_EQ(r.date, "04 Jul 1990");
    EXPECT_EQ(r.time, "9.05");
    EXPECT_EQ(r.meridiem, "P");
    EXPECT_EQ(r.zone, "5");
    EXPECT_EQ(r.longitude, "073.59");
    EXPECT_EQ(r.latitude, "40.45");
}

NameRecord RecordOf(const std::string& line) {
    const NameList list = ParseNameList(line + "\r\n");
    EXPECT_EQ(list.records.size(), 1u) << line;
    return list.records.empty() ? NameRecord{} : list.records[0];
}

TEST(FillFromRecord, SetsTheEntriesFromTheStoredFields) {
    struct Case {
        std::string line;
        bool startEast;  // the entries' hemisphere before the pick
        // month day year hour minute tz longDeg longMin latDeg latMin
        std::vector<std::string> texts;
        bool pm, east, south;
    } cases[] = {
        {kTestLine, false, {"7", "4", "1990", "9", "5", " 5", "73", "59", "40", "45"}, true, false, false},
        {"Sydney,26 Jan 1988,8.00,A,-10,-151.13,-33.52", true,
         {"1", "26", "1988", "8", "0", "-10", "151", "13", "33", "52"}, false, true, true},
        {"Paris,14 Jul 1989,10.30,a,-1,-002.20,48.52", true,
         {"7", "14", "1989", "10", "30", "-1", "2", "20", "48", "52"}, false, true, false},
        // Turning to East makes the zone follow: 5 becomes -5.
        {"Paris,14 Jul 1989,10.30,A,5,-002.20,48.52", false,
         {"7", "14", "1989", "10", "30", "-5", "2", "20", "48", "52"}, false, true, false},
        // Already East: the zone is left as stored.
        {"Paris,14 Jul 1989,10.30,A,5,-002.20,48.52", true,
         {"7", "14", "1989", "10", "30", " 5", "2", "20", "48", "52"}, false, true, false},
        // Back to West from East: the zone turns positive.
        {"Quito,01 Mar 2001,0.45,x,-5,078.30,-00.13", true,
         {"3", "1", "2001", "12", "45", " 5", "78", "30", "0", "13"}, true, false, true},
        // A stored hour above 12 is normalised, then the meridiem field decides.
        {"Late,01 Mar 2001,15.30,A,0,000.00,51.30", false,
         {"3", "1", "2001", "3", "30", " 0", "0", "0", "51", "30"}, false, false, false},
        // Quoted fields and blanks around them.
        {"\"Late\", \"01 Mar 2001\" , 12.59 ,P, 5.5 ,  100.01,  1.01", false,
         {"3", "1", "2001", "12", "59", " 5.5", "100", "1", "1", "1"}, true, false, false},
    };
    for (const auto& c : cases) {
        NameRecord r = RecordOf(c.line);
        EventEntries e;
        e.east = c.startEast;
        ScriptedPrompt prompt;
        EXPECT_TRUE(FillFromRecord(r, e, RegionalFormats{}, prompt)) << c.line;
        const std::vector<std::string> got = {e.month,  e.day,     e.year,   e.hour,   e.minute,
                                              e.tz,     e.longDeg, e.longMin, e.latDeg, e.latMin};
        EXPECT_EQ(got, c.texts) << c.line;
        EXPECT_EQ(e.name, r.name);
        EXPECT_EQ(e.pm, c.pm) << c.line;
        EXPECT_EQ(e.east, c.east) << c.line;
        EXPECT_EQ(e.south, c.south) << c.line;
    }
}

TEST(FillFromRecord, StopsAtAFieldThatIsNotANumberOrADate) {
    struct Case {
        std::string line;
        // what the entries show afterwards: the fields set before the bad one
        std::string month, hour, tz, longDeg;
    } cases[] = {
        {"Bad,Tuesday,9.05,P,5,073.59,40.45", "old", "old", "old", "old"},
        {"Bad,31 Feb 1990,9.05,P,5,073.59,40.45", "old", "old", "old", "old"},
        {"Bad,13/45/1990,9.05,P,5,073.59,40.45", "old", "old", "old", "old"},
        {"Bad,04 Jul 123456789012,9.05,P,5,073.59,40.45", "old", "old", "old", "old"},
        {"Bad,04 Jul 1990,9.o5,P,5,073.59,40.45", "7", "old", "old", "old"},
        {"Bad,04 Jul 1990,,P,5,073.59,40.45", "7", "old", "old", "old"},
        {"Bad,04 Jul 1990,9.05,P,five,073.59,40.45", "7", "9", "old", "old"},
        {"Bad,04 Jul 1990,9.05,P,5,73W59,40.45", "7", "9", " 5", "old"},
        {"Bad,04 Jul 1990,9.05,P,5,073.59,40.45N", "7", "9", " 5", "73"},
        {"Bad,04 Jul 1990,9.05,P,5,073.59,1e999", "7", "9", " 5", "73"},
    };
    for (const auto& c : cases) {
        NameRecord r = RecordOf(c.line);
        EventEntries e;
        e.month = e.hour = e.tz = e.longDeg = "old";
        ScriptedPrompt prompt;
        prompt.expect("name-format-error");
        EXPECT_FALSE(FillFromRecord(r, e, RegionalFormats{}, prompt)) << c.line;
        EXPECT_EQ(e.name, "Bad");
        EXPECT_EQ(e.month, c.month) << c.line;
        EXPECT_EQ(e.hour, c.hour) << c.line;
        EXPECT_EQ(e.tz, c.tz) << c.line;
        EXPECT_EQ(e.longDeg, c.longDeg) << c.line;
    }
    const PromptMessage m = msg::NameFormatError();
    EXPECT_EQ(m.title, "Error!");
    EXPECT_EQ(m.icon, PromptIcon::Critical);
}

TEST(FillFromRecord, RewritesTheDateYearFirstOnlyOnce) {
    struct Case {
        int iDate;
        const char* stored;
        const char* afterFirst;
    } cases[] = {
        {2, "04 Jul 1990", "1990 Jul 04"},
        {2, "4 Jul 1990", "1990 Jul 04"},
        {2, "1990 Jul 04", "1990 Jul 04"},  // a blank in the fifth place: left alone
        {0, "04 Jul 1990", "04 Jul 1990"},
        {1, "04 Jul 1990", "04 Jul 1990"},
    };
    for (const auto& c : cases) {
        RegionalFormats regional;
        regional.iDate = c.iDate;
        NameRecord r = RecordOf(std::string("Test,") + c.stored + ",9.05,P,5,073.59,40.45");
        for (int click = 1; click <= 2; ++click) {
            EventEntries e;
            ScriptedPrompt prompt;
            ASSERT_TRUE(FillFromRecord(r, e, regional, prompt)) << c.stored;
            EXPECT_EQ(r.date, c.afterFirst) << c.stored << " click " << click;
            EXPECT_EQ(e.month + "/" + e.day + "/" + e.year, "7/4/1990") << c.stored;
        }
    }
}

TEST(FindNameRecord, TakesTheFirstOfTwoEqualNames) {
    NameList list = ParseNameList(
        "Twin,01 Jan 2000,1.00,A,0,000.00,00.00\r\nTwin,02 Feb 2001,2.00,P,0,000.00,00.00\r\n");
    ASSERT_EQ(Names(list), (std::vector<std::string>{"Twin", "Twin"}));
    NameRecord* r = FindNameRecord(list, "Twin");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r, &list.records[0]);
    EXPECT_EQ(FindNameRecord(list, "twin"), nullptr);  // the list's pick is case-sensitive
}

TEST(FormatNameRecord, WritesSevenFieldsWithPeriods) {
    EventEntries east = TestEntries();
    east.name = "Sydney";
    east.month = "1";
    east.day = "26";
    east.year = "1988";
    east.hour = "12";
    east.minute = "30";
    east.pm = false;
    east.tz = "-10";
    east.east = true;
    east.south = true;
    east.longDeg = "2";
    east.longMin = "20";
    east.latDeg = "33";
    east.latMin = "52";
    EventEntries typed = TestEntries();
    typed.tz = " -5.5";
    typed.minute = "";
    EventEntries badDate = TestEntries();
    badDate.month = "13";
    badDate.day = "4,5";
    EventEntries month13 = TestEntries();
    month13.month = "13";
    EventEntries feb31 = TestEntries();
    feb31.month = "2";
    feb31.day = "31";
    EventEntries lineBreak = TestEntries();
    lineBreak.name = "Two\r\nLines";
    EventEntries quoted = TestEntries();
    quoted.name = "\"Lost ring";  // would read as a quoted field running to the line end
    quoted.tz = " \"5";
    struct Case {
        EventEntries e;
        int iDate;
        const char* line;
    } cases[] = {
        {TestEntries(), 0, kTestLine},
        {TestEntries(), 1, kTestLine},  // the texts are joined in the regional order
        {TestEntries(), 2, kTestLine},
        {east, 0, "Sydney,26 Jan 1988,12.30,A,-10,-002.20,-33.52"},
        {typed, 0, "Test,04 Jul 1990,9.00,P, -5.5,073.59,40.45"},
        {badDate, 0, "Test,13/4/5/1990,9.05,P,5,073.59,40.45"},
        {month13, 0, "Test,13/4/1990,9.05,P,5,073.59,40.45"},
        {feb31, 1, "Test,31/2/1990,9.05,P,5,073.59,40.45"},
        {lineBreak, 0, "Two  Lines,04 Jul 1990,9.05,P,5,073.59,40.45"},
        {quoted, 0, "'Lost ring,04 Jul 1990,9.05,P, '5,073.59,40.45"},
    };
    for (const auto& c : cases) {
        RegionalFormats regional;
        regional.iDate = c.iDate;
        const std::string line = FormatNameRecord(c.e, regional);
        EXPECT_EQ(line, c.line) << "iDate " << c.iDate;
        // Whatever was typed, the record reads back as one record.
        const NameList list = ParseNameList(line + "\r\n");
        EXPECT_FALSE(list.error) << line;
        EXPECT_EQ(list.records.size(), 1u) << line;
    }
}

TEST(FormatNameRecord, ReadsBackAsTheSameEntries) {
    EventEntries south = TestEntries();
    south.name = "Cape Town";
    south.east = true;
    south.tz = "-2";
    south.longDeg = "18";
    south.longMin = "25";
    south.south = true;
    south.latDeg = "33";
    south.latMin = "55";
    south.hour = "12";
    south.minute = "0";
    south.pm = false;
    for (const EventEntries& original : {TestEntries(), south}) {
        for (int iDate : {0, 1, 2}) {
            RegionalFormats regional;
            regional.iDate = iDate;
            NameRecord r = RecordOf(FormatNameRecord(original, regional));
            EventEntries back;
            back.east = original.east;
            ScriptedPrompt prompt;
            ASSERT_TRUE(FillFromRecord(r, back, regional, prompt));
            EventEntries expected = original;
            expected.tz = NumberText(NumericValue(original.tz));
            EXPECT_EQ(back, expected) << original.name << " iDate " << iDate;
        }
    }
}

TEST(BackupPathFor, ReplacesTheLastThreeCharactersOfTheName) {
    struct Case {
        const char* file;
        const char* backup;
    } cases[] = {
        {"CHARTS.FIL", "CHARTS.OLD"},
        {"/home/a/names.fil", "/home/a/names.OLD"},
        {"dir.x/Horary.fil", "dir.x/Horary.OLD"},
        {"charts", "chaOLD"},
        {"SAVED.OLD", "SAVED.OLD.OLD"},  // never the file itself
        {"x/ab", "x/ab.OLD"},
    };
    for (const auto& c : cases) EXPECT_EQ(BackupPathFor(c.file), fs::path(c.backup)) << c.file;
}

// Saving: each stored record of the same name is asked about separately.
TEST(SaveNameRecord, AsksAboutEachRecordOfTheSameName) {
    const std::string smith1 = "SMITH,01 Jan 2000,1.00,A,0,000.00,51.30";
    const std::string jones = "Jones,02 Jan 2000,2.00,A,0,000.00,51.30";
    const std::string smith2 = "smith,03 Jan 2000,3.00,P,0,000.00,51.30";
    const std::string before = smith1 + "\r\n" + jones + "\r\n" + smith2 + "\r\n";
    EventEntries e = TestEntries();
    e.name = "Smith";
    const std::string added = FormatNameRecord(e, RegionalFormats{}) + "\r\n";
    struct Case {
        PromptAnswer first, second;
        std::string after;
    } cases[] = {
        {PromptAnswer::No, PromptAnswer::No, before + added},
        {PromptAnswer::Yes, PromptAnswer::No, jones + "\r\n" + smith2 + "\r\n" + added},
        {PromptAnswer::No, PromptAnswer::Yes, smith1 + "\r\n" + jones + "\r\n" + added},
        {PromptAnswer::Yes, PromptAnswer::Yes, jones + "\r\n" + added},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const fs::path file = dir / "CHARTS.FIL";
        WriteBytes(file, before);
        ScriptedPrompt prompt;
        prompt.expect("name-exists", c.first).expect("name-exists", c.second);
        EXPECT_EQ(SaveNameRecord(e, file, RegionalFormats{}, prompt), SaveOutcome::Saved);
        EXPECT_EQ(Bytes(file), c.after);
        EXPECT_EQ(Bytes(dir / "CHARTS.OLD"), before);
        ASSERT_EQ(prompt.seen().size(), 2u);
        EXPECT_EQ(prompt.seen()[0].title, "SMITH already exists");
        EXPECT_EQ(prompt.seen()[1].title, "smith already exists");
    }
}

TEST(SaveNameRecord, TheQuestionShowsTheStoredRecord) {
    const PromptMessage m =
        msg::NameAlreadyExists("Test", "04 Jul 1990", "9.05", "P", "5", "073.59", "40.45");
    EXPECT_EQ(m.title, "Test already exists");
    EXPECT_EQ(m.icon, PromptIcon::Question);
    EXPECT_EQ(m.buttons, PromptButtons::YesNo);
    EXPECT_EQ(m.text,
              "There is already a name on file matching your current name with the following "
              "associated data: \r\n\r\nDate =  04 Jul 1990\r\nTime =  9.05 P\r\nTime zone =  5\r\n"
              "Longitude =  073.59\r\nLatitude =  40.45\r\n\r\nDo you want to replace it?\r\n\r\n"
              "Answering 'NO' will append the current name and data to file, not replace the "
              "existing entry.");
}

TEST(SaveNameRecord, KeepsThePreviousVersionAsTheBackup) {
    TempFolder dir;
    const fs::path file = dir / "CHARTS.FIL";
    const std::string first = "Jones,02 Jan 2000,2.00,A,0,000.00,51.30\n";  // LF only
    WriteBytes(file, first);
    ScriptedPrompt prompt;
    ASSERT_EQ(SaveNameRecord(TestEntries(), file, RegionalFormats{}, prompt), SaveOutcome::Saved);
    const std::string second = Bytes(file);
    EXPECT_EQ(second, first + kTestLine + "\r\n");  // the stored line as it was
    EXPECT_EQ(Bytes(dir / "CHARTS.OLD"), first);

    // A second save overwrites the backup with the file as it was.
    EventEntries other = TestEntries();
    other.name = "Other";
    ASSERT_EQ(SaveNameRecord(other, file, RegionalFormats{}, prompt), SaveOutcome::Saved);
    EXPECT_EQ(Bytes(dir / "CHARTS.OLD"), second);
    EXPECT_EQ(Names(ParseNameList(Bytes(file))), (std::vector<std::string>{"Jones", "Test", "Other"}));
}

// A save carries every byte it does not change forward, and puts the new
// record at the end of the list, where the list and --chart find it.
TEST(SaveNameRecord, CarriesEveryByteForwardAndAddsTheRecordToTheList) {
    const std::string a = "A,01 Jan 2000,1.00,A,0,000.00,51.30";
    const std::string b = "B,01 Jan 2000,1.00,A,0,000.00,51.30";
    const std::string test = std::string(kTestLine) + "\r\n";
    struct Case {
        const char* why;
        std::string before;
        std::string after;
    } cases[] = {
        {"an empty file", "", test},
        {"quoted fields, blanks and text after a closing mark", "\"Smith, J\" (old),  01 Jan 2000,1.00,A,0,000.00,51.30\r\n",
         "\"Smith, J\" (old),  01 Jan 2000,1.00,A,0,000.00,51.30\r\n" + test},
        {"a record over several lines", "A\r\n01 Jan 2000\r\n1.00\r\nA\r\n0\r\n000.00\r\n51.30\r\n",
         "A\r\n01 Jan 2000\r\n1.00\r\nA\r\n0\r\n000.00\r\n51.30\r\n" + test},
        {"two records on one line", a + "," + b + "\r\n", a + "," + b + "\r\n" + test},
        {"no line end after the last record", a, a + "\r\n" + test},
        {"a quotation left open at the end", "A,01 Jan 2000,1.00,A,0,000.00,\"51.30,",
         "A,01 Jan 2000,1.00,A,0,000.00,\"51.30,\r\n" + test},
        {"LF line ends", a + "\n" + b + "\n", a + "\n" + b + "\n" + test},
        {"CR line ends", a + "\r" + b + "\r", a + "\r" + b + "\r" + test},
        {"Windows-1252", "Ren\xe9" "e,01 Jan 2000,1.00,A,0,000.00,51.30\r\n",
         "Ren\xe9" "e,01 Jan 2000,1.00,A,0,000.00,51.30\r\n" + test},
        // The list ends at a line of blanks or a record without a name: the
        // record goes before it, and everything after it stays.
        {"a line of blanks", a + "\r\n  \r\n" + b + "\r\n", a + "\r\n" + test + "  \r\n" + b + "\r\n"},
        {"a record without a name", a + "\r\n,x,1,A,0,0,0\r\n" + b + "\r\n\r\n",
         a + "\r\n" + test + ",x,1,A,0,0,0\r\n" + b + "\r\n\r\n"},
        {"blank lines at the end", a + "\r\n\r\n\r\n", a + "\r\n" + test + "\r\n\r\n"},
        {"a blank line first", "\r\n" + a + "\r\n", test + "\r\n" + a + "\r\n"},
        // A Ctrl-Z ends what the list reads: the record goes before it, and
        // the records after it are kept, unread, as they were.
        {"an end-of-file mark", a + "\r\n\x1a", a + "\r\n" + test + "\x1a"},
        {"records after a Ctrl-Z", a + "\r\n\x1a" + b + "\r\n", a + "\r\n" + test + "\x1a" + b + "\r\n"},
        {"a Ctrl-Z before any record", "\x1a" + a + "\r\n", test + "\x1a" + a + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder dir;
        const fs::path file = dir / "K.FIL";
        WriteBytes(file, c.before);
        ScriptedPrompt prompt;
        ASSERT_EQ(SaveNameRecord(TestEntries(), file, RegionalFormats{}, prompt), SaveOutcome::Saved);
        EXPECT_EQ(Bytes(file), c.after);
        EXPECT_EQ(Bytes(dir / "K.OLD"), c.before);
        const NameList list = ParseNameList(Bytes(file));
        ASSERT_FALSE(list.records.empty());
        EXPECT_EQ(list.records.back().name, "Test");
        EXPECT_FALSE(list.error);
    }
}

// A record replaced on Yes leaves, with its line end; the bytes around it stay.
TEST(SaveNameRecord, AReplacedRecordLeavesAndTheRestStays) {
    const std::string test = std::string(kTestLine) + "\r\n";
    struct Case {
        std::string before;
        std::string after;
    } cases[] = {
        {"Test,01 Jan 2000,1.00,A,0,000.00,51.30\rKeep,01 Jan 2000,1.00,A,0,000.00,51.30\r",
         "Keep,01 Jan 2000,1.00,A,0,000.00,51.30\r" + test},
        {"Keep,01 Jan 2000,1.00,A,0,000.00,51.30\nTEST,01 Jan 2000,1.00,A,0,000.00,51.30\n\x1atail",
         "Keep,01 Jan 2000,1.00,A,0,000.00,51.30\n" + test + "\x1atail"},
        {"A,1,2,3,4,5,6,test,1,2,3,4,5,6,B,1,2,3,4,5,6\r\n", "A,1,2,3,4,5,6,B,1,2,3,4,5,6\r\n" + test},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const fs::path file = dir / "K.FIL";
        WriteBytes(file, c.before);
        ScriptedPrompt prompt;
        prompt.expect("name-exists", PromptAnswer::Yes);
        ASSERT_EQ(SaveNameRecord(TestEntries(), file, RegionalFormats{}, prompt), SaveOutcome::Saved);
        EXPECT_EQ(Bytes(file), c.after) << c.before;
        EXPECT_EQ(Bytes(dir / "K.OLD"), c.before);
    }
}

TEST(SaveNameRecord, FollowsALinkToTheNameFile) {
    TempFolder dir;
    const std::string before = "Keep,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    WriteBytes(dir / "REAL.FIL", before);
    fs::create_symlink(dir / "REAL.FIL", dir / "LINK.FIL");
    ScriptedPrompt prompt;
    ASSERT_EQ(SaveNameRecord(TestEntries(), dir / "LINK.FIL", RegionalFormats{}, prompt),
              SaveOutcome::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / "LINK.FIL"));
    EXPECT_EQ(Bytes(dir / "REAL.FIL"), before + kTestLine + "\r\n");
    EXPECT_EQ(Bytes(dir / "REAL.OLD"), before);
}

// Private birth data stays private: the file and its backup keep the
// file's mode; a dangling link gets its file.
TEST(SaveNameRecord, KeepsTheModeAndWritesThroughADanglingLink) {
    TempFolder dir;
    const std::string before = "Keep,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    WriteBytes(dir / "PRIVATE.FIL", before);
    ::chmod((dir / "PRIVATE.FIL").c_str(), 0600);
    WriteBytes(dir / "PRIVATE.OLD", "an old backup, readable by all\r\n");
    ::chmod((dir / "PRIVATE.OLD").c_str(), 0644);
    ScriptedPrompt prompt;
    ASSERT_EQ(SaveNameRecord(TestEntries(), dir / "PRIVATE.FIL", RegionalFormats{}, prompt), SaveOutcome::Saved);
    struct stat st {};
    ::stat((dir / "PRIVATE.FIL").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::stat((dir / "PRIVATE.OLD").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(Bytes(dir / "PRIVATE.OLD"), before);

    fs::create_symlink("LATER.FIL", dir / "DANGLING.FIL");
    ASSERT_EQ(SaveNameRecord(TestEntries(), dir / "DANGLING.FIL", RegionalFormats{}, prompt), SaveOutcome::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / "DANGLING.FIL"));
    EXPECT_EQ(Bytes(dir / "LATER.FIL"), std::string(kTestLine) + "\r\n");
}

// What a save must not replace is refused with a message before anything is
// asked or written: a read-only file or backup, one with other names, a
// file another save holds.
TEST(SaveNameRecord, RefusesWhatItMustNotReplace) {
    const std::string before = "Test,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    const std::string older = "Older,01 Jan 1999,1.00,A,0,000.00,51.30\r\n";
    enum class Setup { ReadOnlyFile, ReadOnlyBackup, HardLinkedFile, HardLinkedBackup, Locked };
    struct Case {
        Setup setup;
        const char* message;
        const char* path;  // the file the message names
    } cases[] = {
        {Setup::ReadOnlyFile, "name-file-read-only", "CHARTS.FIL"},
        {Setup::ReadOnlyBackup, "name-file-read-only", "CHARTS.OLD"},
        {Setup::HardLinkedFile, "name-file-hard-linked", "CHARTS.FIL"},
        {Setup::HardLinkedBackup, "name-file-hard-linked", "CHARTS.OLD"},
        {Setup::Locked, "name-file-busy", "CHARTS.FIL"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const fs::path file = dir / "CHARTS.FIL";
        const fs::path backup = dir / "CHARTS.OLD";
        WriteBytes(file, before);
        WriteBytes(backup, older);
        std::optional<FileLock> held;
        switch (c.setup) {
            case Setup::ReadOnlyFile: ::chmod(file.c_str(), 0444); break;
            case Setup::ReadOnlyBackup: ::chmod(backup.c_str(), 0400); break;
            case Setup::HardLinkedFile: fs::create_hard_link(file, dir / "ELSEWHERE.FIL"); break;
            case Setup::HardLinkedBackup: fs::create_hard_link(backup, dir / "KEPT.OLD"); break;
            case Setup::Locked: held = FileLock::Take(LockPathFor(file), std::chrono::milliseconds(0)); break;
        }
        ScriptedPrompt prompt;
        prompt.expect(c.message);
        EXPECT_EQ(SaveNameRecord(TestEntries(), file, RegionalFormats{}, prompt, std::chrono::milliseconds(20)),
                  SaveOutcome::Failed)
            << c.message;
        ASSERT_EQ(prompt.seen().size(), 1u);
        EXPECT_NE(prompt.seen()[0].text.find((dir / c.path).string()), std::string::npos) << prompt.seen()[0].text;
        EXPECT_EQ(Bytes(file), before);
        EXPECT_EQ(Bytes(backup), older);
    }
}

// The Name Edit window's save: under the lock, with the same refusals.
TEST(WriteNameFile, ReplacesTheFileOrSaysWhyNot) {
    TempFolder dir;
    const fs::path file = dir / "EDIT.FIL";
    WriteBytes(file, "old\r\n");
    ::chmod(file.c_str(), 0640);
    ScriptedPrompt prompt;
    ASSERT_TRUE(WriteNameFile(file, "new\r\n", prompt));
    EXPECT_EQ(Bytes(file), "new\r\n");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    {
        auto held = FileLock::Take(LockPathFor(file), std::chrono::milliseconds(0));
        prompt.expect("name-file-busy");
        EXPECT_FALSE(WriteNameFile(file, "lost\r\n", prompt, std::chrono::milliseconds(10)));
    }
    ::chmod(file.c_str(), 0444);
    prompt.expect("name-file-read-only");
    EXPECT_FALSE(WriteNameFile(file, "lost\r\n", prompt));
    EXPECT_EQ(Bytes(file), "new\r\n");
    EXPECT_TRUE(prompt.done());
}

TEST(SaveNameRecord, ANewFileGetsTheRecordAndNoBackup) {
    TempFolder dir;
    const fs::path file = dir / "NEW.FIL";
    ScriptedPrompt prompt;
    ASSERT_EQ(SaveNameRecord(TestEntries(), file, RegionalFormats{}, prompt), SaveOutcome::Saved);
    EXPECT_EQ(Bytes(file), std::string(kTestLine) + "\r\n");
    EXPECT_FALSE(fs::exists(dir / "NEW.OLD"));
    // In a folder that does not exist: it cannot be written (nobody is busy).
    prompt.expect("name-file-write-failed");
    EXPECT_EQ(SaveNameRecord(TestEntries(), dir / "none" / "NEW.FIL", RegionalFormats{}, prompt), SaveOutcome::Failed);
}

// A save that cannot finish changes nothing: not the file, not its backup.
TEST(SaveNameRecord, AFailedSaveLeavesFileAndBackupAsTheyWere) {
    const std::string good = "Test,04 Jul 1990,9.05,P,5,073.59,40.45\r\nKeep,01 Jan 2000,1.00,A,0,000.00,51.30\r\n";
    const std::string older = "Older,01 Jan 1999,1.00,A,0,000.00,51.30\r\n";
    enum class Fault {
        LastRecordShort,
        UnclosedLastRecord,
        FileNotWritable,
        BackupNotWritable,
        Comma,
        NoName,
        Quote,
        LineBreak
    };
    struct Case {
        Fault fault;
        std::string before;
        bool hadBackup;
        const char* message;
    } cases[] = {
        {Fault::LastRecordShort, good + "Broken,04 Jul 1990,9.05\r\n", true, "name-file-unreadable"},
        {Fault::UnclosedLastRecord, good + "Test,04 Jul 1990,9.05,P,5,073.59", false, "name-file-unreadable"},
        {Fault::FileNotWritable, good, true, "name-file-write-failed"},
        {Fault::FileNotWritable, good, false, "name-file-write-failed"},
        {Fault::BackupNotWritable, good, true, "name-file-write-failed"},
        {Fault::Comma, good, true, "name-comma"},
        {Fault::NoName, good, true, "name-missing"},
        {Fault::Quote, good, true, "name-quote"},
        {Fault::LineBreak, good, true, "name-line-break"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const fs::path file = dir / "CHARTS.FIL";
        const fs::path backup = dir / "CHARTS.OLD";
        WriteBytes(file, c.before);
        if (c.hadBackup) WriteBytes(backup, older);
        // The new versions are written beside their targets first; a folder
        // in that place makes the write fail, even for the superuser.
        const std::string temp = ".tmp-" + std::to_string(::getpid());
        if (c.fault == Fault::FileNotWritable) fs::create_directory(file.string() + temp);
        if (c.fault == Fault::BackupNotWritable) fs::create_directory(backup.string() + temp);
        EventEntries e = TestEntries();  // the same name as a stored record
        if (c.fault == Fault::Comma) e.name = "Test, again";
        if (c.fault == Fault::NoName) e.name = "  ";
        if (c.fault == Fault::Quote) e.name = "\"Lucky\" Smith";
        if (c.fault == Fault::LineBreak) e.name = "Test\r\nagain";
        ScriptedPrompt prompt;
        // No question is asked before the file is known to be readable.
        if (c.fault == Fault::FileNotWritable || c.fault == Fault::BackupNotWritable)
            prompt.expect("name-exists", PromptAnswer::Yes);
        prompt.expect(c.message);
        const SaveOutcome outcome = SaveNameRecord(e, file, RegionalFormats{}, prompt);
        EXPECT_EQ(outcome, c.fault == Fault::Comma ? SaveOutcome::CommaInName : SaveOutcome::Failed);
        EXPECT_EQ(Bytes(file), c.before);
        if (c.hadBackup) {
            EXPECT_EQ(Bytes(backup), older);
        } else {
            EXPECT_FALSE(fs::exists(backup));
        }
        EXPECT_TRUE(prompt.done());
    }
    EXPECT_EQ(msg::CommaInName().text,
              "You cannot have a comma in the name. Please remove the comma and try again.");
    EXPECT_EQ(msg::CommaInName().title, "Warning!");
    EXPECT_EQ(msg::CommaInName().icon, PromptIcon::Critical);
    EXPECT_EQ(msg::QuoteInName().text,
              "You cannot have a double quotation mark in the name. Please remove it and try again.");
    EXPECT_EQ(msg::QuoteInName().title, "Warning!");
    EXPECT_EQ(msg::NameListEndsEarly("/x/CHARTS.FIL").text,
              "The name file /x/CHARTS.FIL has a record without a name, and the list of names ends there: a "
              "chart saved after it could not be found. Nothing was saved. Please name or remove that record "
              "with Edit this List and save again.");
    EXPECT_EQ(msg::NameListEndsEarly("/x/CHARTS.FIL").title, "Error!");
}

// Names are stored without the blanks around them and found without them:
// a name saved with blanks is found as typed and as trimmed, and asks about
// a stored record of the same name whatever blanks either has.
TEST(SaveNameRecord, NamesAreStoredAndFoundWithoutTheBlanksAroundThem) {
    TempFolder dir;
    const fs::path file = dir / "CHARTS.FIL";
    // A record written by hand with blanks after its name.
    WriteBytes(file, "Jones  ,02 Jan 2000,2.00,A,0,000.00,51.30\r\n");
    EventEntries e = TestEntries();
    e.name = "  Lost ring   ";
    ScriptedPrompt prompt;
    ASSERT_EQ(SaveNameRecord(e, file, RegionalFormats{}, prompt), SaveOutcome::Saved);
    EXPECT_EQ(Bytes(file), "Jones  ,02 Jan 2000,2.00,A,0,000.00,51.30\r\n"
                           "Lost ring,04 Jul 1990,9.05,P,5,073.59,40.45\r\n");
    const NameList list = ReadNameFile(file);
    for (const char* typed : {"Lost ring", "  Lost ring   ", " Lost ring"}) {
        const NameRecord* r = FindNameRecord(list, typed);
        ASSERT_NE(r, nullptr) << typed;
        EXPECT_EQ(r->date, "04 Jul 1990");
    }
    for (const char* typed : {"Jones", " Jones ", "Jones  "}) EXPECT_NE(FindNameRecord(list, typed), nullptr) << typed;
    EXPECT_EQ(FindNameRecord(list, "Lost  ring"), nullptr);  // blanks inside a name count

    // The same name with other blanks is the same name.
    EventEntries again = TestEntries();
    again.name = " JONES";
    prompt.expect("name-exists", PromptAnswer::Yes);
    ASSERT_EQ(SaveNameRecord(again, file, RegionalFormats{}, prompt), SaveOutcome::Saved);
    EXPECT_EQ(Names(ReadNameFile(file)), (std::vector<std::string>{"Lost ring", "JONES"}));
}

}  // namespace
}  // namespace quaeryn

namespace quaeryn {
namespace {

TEST(NameEdit, WritesTheEditedTextWholeWithOneLineEnd) {
    struct Case {
        std::string edited;
        std::string written;
    } cases[] = {
        {"A,1\r\nB,2\r\n", "A,1\r\nB,2\r\n"},  // ends with a line break: written as it is
        {"A,1\nB,2\n", "A,1\r\nB,2\r\n"},      // the editor's own line ends
        {"A,1\r\nB,2", "A,1\r\nB,2\r\n"},      // the last record keeps its last characters
        {"x", "x\r\n"},
        {"", ""},
        {"A,1\r\n\r\n", "A,1\r\n\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(NameEditFileBytes(c.edited), c.written) << c.edited;
    EXPECT_EQ(NameEditText("A,1\nB,2"), "A,1\r\nB,2\r\n");
}

}  // namespace
}  // namespace quaeryn
