// Random bytes through the readers: nothing may crash (the sanitizer build
// runs these too), and what the readers return keeps their promises.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "base/TextFile.h"
#include "entry/NameFile.h"
#include "entry/TimeZones.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

// Bytes weighted towards the characters the readers care about.
std::string RandomText(std::mt19937& rng) {
    static const std::string kAlphabet = ",,,\"\"\r\n\n  \t-.0123456789eE+APJanJul x\x1a";
    std::uniform_int_distribution<int> length(0, 120);
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> letter(0, kAlphabet.size() - 1);
    std::string s;
    const int n = length(rng);
    for (int i = 0; i < n; ++i)
        s += pick(rng) == 0 ? static_cast<char>(byte(rng)) : kAlphabet[letter(rng)];
    return s;
}

TEST(NameFileFuzz, RandomTextNeverBreaksTheReaders) {
    std::mt19937 rng(19900704u);
    RegionalFormats regional[3];
    for (int k = 0; k < 3; ++k) regional[k].iDate = k;
    for (int round = 0; round < 4000; ++round) {
        const std::string text = RandomText(rng);
        SCOPED_TRACE(::testing::PrintToString(text));

        NameList list = ParseNameList(text);
        for (auto& r : list.records) {
            EXPECT_FALSE(r.name.empty());
            EventEntries e;
            test::ScriptedPrompt prompt;
            prompt.allow("name-format-error").allow("hour-empty").allow("hour-not-number");
            const bool ok = FillFromRecord(r, e, regional[round % 3], prompt);
            EXPECT_EQ(ok, prompt.seen().empty() || prompt.seenIds().back() != "name-format-error");
        }

        // Every record read for a rewrite reads back the same from its line.
        bool complete = false;
        for (const auto& r : ReadAllNameRecords(text, &complete)) {
            const std::string line = NameRecordLine(r);
            bool again = false;
            const auto back = ReadAllNameRecords(line + "\r\n", &again);
            ASSERT_TRUE(again) << line;
            ASSERT_EQ(back.size(), 1u) << line;
            EXPECT_EQ(back[0].name, r.name);
            EXPECT_EQ(back[0].date, r.date);
            EXPECT_EQ(back[0].time, r.time);
            EXPECT_EQ(back[0].meridiem, r.meridiem);
            EXPECT_EQ(back[0].zone, r.zone);
            EXPECT_EQ(back[0].longitude, r.longitude);
            EXPECT_EQ(back[0].latitude, r.latitude);
        }

        const TimeZoneTable t = ParseTimeZones(text);
        ASSERT_EQ(t.lines.size(), t.zones.size());
        for (std::size_t i = 0; i < t.zones.size(); ++i) {
            EXPECT_LE(t.zones[i].name.size(), 32u);
            EXPECT_LE(t.zones[i].code.size(), 4u);
            EXPECT_EQ(t.lines[i].substr(0, t.zones[i].name.size()), t.zones[i].name);
            EventEntries e;
            test::ScriptedPrompt prompt;
            prompt.allow("tz-corrupt");
            PickTimeZone(t.lines[i], t, e, prompt);
        }
    }
}

// Random entries always make one record of seven fields.
TEST(NameFileFuzz, AnyEntriesMakeOneRecord) {
    std::mt19937 rng(20010305u);
    for (int round = 0; round < 2000; ++round) {
        EventEntries e;
        for (std::string* f : {&e.month, &e.day, &e.year, &e.hour, &e.minute, &e.tz, &e.longDeg,
                               &e.longMin, &e.latDeg, &e.latMin})
            *f = RandomText(rng).substr(0, 8);
        e.name = RandomText(rng);
        if (e.name.find(',') != std::string::npos) e.name.clear();
        e.pm = round % 2;
        e.east = round % 3 == 0;
        e.south = round % 5 == 0;
        RegionalFormats regional;
        regional.iDate = round % 3;
        const std::string line = FormatNameRecord(e, regional);
        SCOPED_TRACE(::testing::PrintToString(line));
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        bool complete = false;
        const auto records = ReadAllNameRecords(line + "\r\n", &complete);
        EXPECT_TRUE(complete);
        EXPECT_EQ(records.size(), 1u);
    }
}

// The shipped name file lists every chart, and each one fills the entries.
TEST(ShippedNameFile, EveryChartFillsTheEntries) {
    const auto text = ReadWholeFile(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "Horary.fil");
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("\r\n"), std::string::npos);
    bool complete = false;
    const auto all = ReadAllNameRecords(*text, &complete);
    EXPECT_TRUE(complete);
    NameList list = ParseNameList(*text);
    EXPECT_FALSE(list.error);
    EXPECT_EQ(list.records.size(), all.size());
    EXPECT_GE(list.records.size(), 5u);
    for (auto& r : list.records) {
        EventEntries e;
        test::ScriptedPrompt prompt;
        EXPECT_TRUE(FillFromRecord(r, e, RegionalFormats{}, prompt)) << r.name;
        // A stored record is written back as it stands (the zone box shows a
        // blank before a positive zone, which the writer keeps as typed).
        ASSERT_FALSE(e.tz.empty());
        if (e.tz.front() == ' ') e.tz.erase(0, 1);
        EXPECT_EQ(FormatNameRecord(e, RegionalFormats{}), NameRecordLine(r)) << r.name;
    }
}

}  // namespace
}  // namespace quaeryn
