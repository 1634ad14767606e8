// Entries the cast refuses, each with the messages it shows and the lines
// naming the failing fields, in order. The New York entries are the base;
// a case changes some fields (by the command line's flag for that field)
// and choices. The cast's own tests and the command line's read the same
// table.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "entry/EventEntries.h"
#include "support/Entries.h"

namespace quaeryn::test {

struct Refusal {
    std::string id;                  // the message
    std::vector<std::string> lines;  // its detail, one line per failing field
};

struct RefusedEntry {
    const char* what;
    std::vector<std::pair<std::string, std::string>> fields;  // {"--day", "31"}
    std::vector<std::string> choices;                         // "--pm", "--east", "--south"
    std::string house;                                        // the house system
    std::vector<Refusal> refusals;                            // none: the cast goes through
};

inline std::vector<RefusedEntry> RefusedEntries() {
    const std::string E = "input-error", L = "latitude-too-high";
    return {
        // The rules of the Input Data window, each now naming its fields.
        {"valid", {}, {}, "P", {}},
        {"empty month: value 0 and empty", {{"--month", ""}}, {}, "P", {{E, {"month: empty"}}, {E, {"month: empty"}}}},
        {"month 0", {{"--month", "0"}}, {}, "P", {{E, {"month: 0 is no month"}}}},
        {"day and year 0", {{"--day", "0"}, {"--year", "0"}}, {}, "P",
         {{E, {"day: 0 is no day", "year: 0 is no year"}}, {E, {"year: 0 is below 100"}}}},
        {"empty hour", {{"--hour", ""}}, {}, "P", {{E, {"hour: empty"}}}},
        {"empty minute and zone", {{"--minute", ""}, {"--tz", ""}}, {}, "P",
         {{E, {"minute: empty", "time zone: empty"}}}},
        {"empty longitude minutes", {{"--long-min", ""}}, {}, "P", {{E, {"longitude minutes: empty"}}}},
        {"empty latitude degrees", {{"--lat-deg", ""}}, {}, "P", {{E, {"latitude degrees: empty"}}}},
        {"zone -5 west", {{"--tz", "-5"}}, {}, "P", {{E, {"time zone: -5 is below -2 with W chosen"}}}},
        {"zone -2 west", {{"--tz", "-2"}}, {}, "P", {}},
        {"zone -5 east", {{"--tz", "-5"}}, {"--east"}, "P", {}},
        {"66 00 Placidus", {{"--lat-deg", "66"}, {"--lat-min", "0"}}, {}, "P", {}},
        {"66 01 Placidus", {{"--lat-deg", "66"}, {"--lat-min", "1"}}, {}, "P",
         {{L, {"latitude minutes: 1 is past 66 degrees 00 minutes in this house system"}}}},
        {"67 00 Koch", {{"--lat-deg", "67"}, {"--lat-min", "0"}}, {}, "K",
         {{L, {"latitude degrees: 67 is past 66 in this house system"}}}},
        {"80 30 Meridian", {{"--lat-deg", "80"}, {"--lat-min", "30"}}, {}, "M", {}},
        {"80 30 Morinus", {{"--lat-deg", "80"}, {"--lat-min", "30"}}, {}, "I", {}},
        {"hour 12 minute 59", {{"--hour", "12"}, {"--minute", "59"}}, {}, "P", {}},
        {"hour 13", {{"--hour", "13"}}, {}, "P", {{E, {"hour: 13 is past 12"}}}},
        {"minute 60", {{"--minute", "60"}}, {}, "P", {{E, {"minute: 60 is past 59"}}}},
        {"day 32 month 13", {{"--day", "32"}, {"--month", "13"}}, {}, "P",
         {{E, {"month: 13 is past 12", "day: 32 is past 31"}}}},
        {"year 99", {{"--year", "99"}}, {}, "P", {{E, {"year: 99 is below 100"}}}},
        {"year 2100", {{"--year", "2100"}}, {}, "P", {{E, {"year: 2100 is past 2099"}}}},
        {"zone 13", {{"--tz", "13"}}, {}, "P", {{E, {"time zone: 13 is past 12"}}}},
        {"zone -14 east", {{"--tz", "-14"}}, {"--east"}, "P", {{E, {"time zone: -14 is below -13"}}}},
        {"longitude 181", {{"--long-deg", "181"}}, {}, "P", {{E, {"longitude degrees: 181 is past 180"}}}},
        {"latitude minutes 60", {{"--lat-min", "60"}}, {}, "P", {{E, {"latitude minutes: 60 is past 59"}}}},
        {"three rules at once", {{"--month", ""}, {"--lat-deg", "70"}, {"--hour", "13"}}, {}, "P",
         {{E, {"month: empty"}},
          {E, {"month: empty"}},
          {L, {"latitude degrees: 70 is past 66 in this house system"}},
          {E, {"hour: 13 is past 12"}}}},

    };
}

// The New York entries with a case's fields and choices.
inline EventEntries EntriesOf(const RefusedEntry& c) {
    EventEntries e = NewYorkEntries();
    for (const auto& [flag, text] : c.fields) {
        std::string* field = flag == "--name"       ? &e.name
                             : flag == "--month"    ? &e.month
                             : flag == "--day"      ? &e.day
                             : flag == "--year"     ? &e.year
                             : flag == "--hour"     ? &e.hour
                             : flag == "--minute"   ? &e.minute
                             : flag == "--tz"       ? &e.tz
                             : flag == "--long-deg" ? &e.longDeg
                             : flag == "--long-min" ? &e.longMin
                             : flag == "--lat-deg"  ? &e.latDeg
                                                    : &e.latMin;
        *field = text;
    }
    for (const auto& choice : c.choices) {
        if (choice == "--pm") e.pm = true;
        if (choice == "--east") e.east = true;
        if (choice == "--south") e.south = true;
    }
    return e;
}

// The same as command-line flags: the New York flags with the case's
// fields in place of theirs and its choices in place of --am, --west and
// --north.
inline std::vector<std::string> FlagsOf(const RefusedEntry& c) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {"--name", "Test"},  {"--month", "3"},     {"--day", "5"},       {"--year", "2001"},
        {"--hour", "10"},    {"--minute", "30"},   {"--tz", "5"},        {"--long-deg", "73"},
        {"--long-min", "58"}, {"--lat-deg", "40"}, {"--lat-min", "45"}};
    for (const auto& [flag, text] : c.fields)
        for (auto& f : fields)
            if (f.first == flag) f.second = text;
    std::vector<std::string> args;
    for (const auto& [flag, text] : fields) {
        args.push_back(flag);
        args.push_back(text);
    }
    auto has = [&c](const char* choice) {
        for (const auto& x : c.choices)
            if (x == choice) return true;
        return false;
    };
    args.push_back(has("--pm") ? "--pm" : "--am");
    args.push_back(has("--east") ? "--east" : "--west");
    args.push_back(has("--south") ? "--south" : "--north");
    args.push_back("--house");
    args.push_back(c.house);
    return args;
}

}  // namespace quaeryn::test
