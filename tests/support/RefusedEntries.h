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
    const std::string E = "input-error", L = "latitude-too-high", N = "entry-not-number",
                      D = "day-past-month-end", G = "longitude-past-180", A = "latitude-past-90",
                      B = "name-line-break";
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

        // What the key filters keep out of the window, from a paste, a
        // record or the command line.
        {"zone five", {{"--tz", "five"}}, {}, "P", {{N, {"time zone: five is not a number of hours"}}}},
        {"zone -", {{"--tz", "-"}}, {}, "P", {{N, {"time zone: - is not a number of hours"}}}},
        {"zone inf", {{"--tz", "inf"}}, {}, "P", {{N, {"time zone: inf is not a number of hours"}}}},
        {"zone 0x10", {{"--tz", "0x10"}}, {}, "P", {{N, {"time zone: 0x10 is not a number of hours"}}}},
        {"zone 5:30", {{"--tz", "5:30"}}, {}, "P", {{N, {"time zone: 5:30 is not a number of hours"}}}},
        {"zone 5,5", {{"--tz", "5,5"}}, {}, "P", {{N, {"time zone: 5,5 is not a number of hours"}}}},
        {"zone 1e1", {{"--tz", "1e1"}}, {}, "P", {{N, {"time zone: 1e1 is not a number of hours"}}}},
        {"zone 5.5.5", {{"--tz", "5.5.5"}}, {}, "P", {{N, {"time zone: 5.5.5 is not a number of hours"}}}},
        {"zone -5.5 east", {{"--tz", "-5.5"}}, {"--east"}, "P", {}},
        {"zone .5", {{"--tz", ".5"}}, {}, "P", {}},
        {"zone with the window's leading blank", {{"--tz", " 5"}}, {}, "P", {}},
        {"minute 3o", {{"--minute", "3o"}}, {}, "P", {{N, {"minute: 3o is not a whole number"}}}},
        {"longitude degrees 7e", {{"--long-deg", "7e"}}, {}, "P", {{N, {"longitude degrees: 7e is not a whole number"}}}},
        {"day 5x", {{"--day", "5x"}}, {}, "P", {{N, {"day: 5x is not a whole number"}}}},
        {"hour 5abc", {{"--hour", "5abc"}}, {}, "P", {{N, {"hour: 5abc is not a whole number"}}}},
        {"year 1999.5", {{"--year", "1999.5"}}, {}, "P", {{N, {"year: 1999.5 is not a whole number"}}}},
        {"day 0.4", {{"--day", "0.4"}}, {}, "P", {{N, {"day: 0.4 is not a whole number"}}}},
        {"latitude minutes +5", {{"--lat-min", "+5"}}, {}, "P", {{N, {"latitude minutes: +5 is not a whole number"}}}},
        {"day with a blank", {{"--day", "5 "}}, {}, "P", {{N, {"day: 5  is not a whole number"}}}},
        {"leading zeros", {{"--day", "05"}, {"--minute", "007"}}, {}, "P", {}},

        // Negative fields.
        {"day -5", {{"--day", "-5"}}, {}, "P", {{N, {"day: -5 is negative"}}}},
        {"month -3", {{"--month", "-3"}}, {}, "P", {{N, {"month: -3 is negative"}}}},
        {"time -3.50 of a record", {{"--hour", "-3"}, {"--minute", "-50"}}, {}, "P",
         {{N, {"hour: -3 is negative", "minute: -50 is negative"}}}},
        {"longitude -73 -5", {{"--long-deg", "-73"}, {"--long-min", "-5"}}, {}, "P",
         {{N, {"longitude degrees: -73 is negative", "longitude minutes: -5 is negative"}}}},
        {"latitude -40 north", {{"--lat-deg", "-40"}}, {}, "P", {{N, {"latitude degrees: -40 is negative"}}}},
        {"latitude -80 Placidus", {{"--lat-deg", "-80"}}, {}, "P", {{N, {"latitude degrees: -80 is negative"}}}},
        {"latitude minutes -45", {{"--lat-min", "-45"}}, {}, "P", {{N, {"latitude minutes: -45 is negative"}}}},
        {"year -2001", {{"--year", "-2001"}}, {}, "P", {{E, {"year: -2001 is below 100"}}, {N, {"year: -2001 is negative"}}}},

        // Days past the end of the month, with the leap years of the time
        // step: Julian up to 1582, Gregorian from 1583.
        {"31 February 2001", {{"--month", "2"}, {"--day", "31"}}, {}, "P",
         {{D, {"day: 31 is past 28, the last day of February 2001"}}}},
        {"29 February 2001", {{"--month", "2"}, {"--day", "29"}}, {}, "P",
         {{D, {"day: 29 is past 28, the last day of February 2001"}}}},
        {"31 April", {{"--month", "4"}, {"--day", "31"}}, {}, "P", {{D, {"day: 31 is past 30, the last day of April 2001"}}}},
        {"31 November", {{"--month", "11"}, {"--day", "31"}}, {}, "P",
         {{D, {"day: 31 is past 30, the last day of November 2001"}}}},
        {"29 February 1900", {{"--month", "2"}, {"--day", "29"}, {"--year", "1900"}}, {}, "P",
         {{D, {"day: 29 is past 28, the last day of February 1900"}}}},
        {"29 February 1700, Gregorian", {{"--month", "2"}, {"--day", "29"}, {"--year", "1700"}}, {}, "P",
         {{D, {"day: 29 is past 28, the last day of February 1700"}}}},
        {"30 February 2000", {{"--month", "2"}, {"--day", "30"}, {"--year", "2000"}}, {}, "P",
         {{D, {"day: 30 is past 29, the last day of February 2000"}}}},
        {"29 February 2000", {{"--month", "2"}, {"--day", "29"}, {"--year", "2000"}}, {}, "P", {}},
        {"29 February 1500, Julian", {{"--month", "2"}, {"--day", "29"}, {"--year", "1500"}}, {}, "P", {}},
        {"29 February 1600", {{"--month", "2"}, {"--day", "29"}, {"--year", "1600"}}, {}, "P", {}},
        {"31 December", {{"--month", "12"}, {"--day", "31"}}, {}, "P", {}},

        // Latitudes past the pole, longitudes past 180, in every system.
        {"latitude 500 Meridian", {{"--lat-deg", "500"}}, {}, "M", {{A, {"latitude degrees: 500 is past 90"}}}},
        {"latitude 91 south Morinus", {{"--lat-deg", "91"}, {"--lat-min", "0"}}, {"--south"}, "I",
         {{A, {"latitude degrees: 91 is past 90"}}}},
        {"latitude 90 30 Morinus", {{"--lat-deg", "90"}, {"--lat-min", "30"}}, {}, "I",
         {{A, {"latitude minutes: 30 is past 90 degrees 00 minutes"}}}},
        {"latitude 90 00 Meridian", {{"--lat-deg", "90"}, {"--lat-min", "0"}}, {}, "M", {}},
        {"latitude 95 Placidus", {{"--lat-deg", "95"}}, {}, "P",
         {{L, {"latitude degrees: 95 is past 66 in this house system"}}, {A, {"latitude degrees: 95 is past 90"}}}},
        {"longitude 180 59", {{"--long-deg", "180"}, {"--long-min", "59"}}, {}, "P",
         {{G, {"longitude minutes: 59 is past 180 degrees 00 minutes"}}}},
        {"longitude 180 00 east", {{"--long-deg", "180"}, {"--long-min", "0"}}, {"--east"}, "P", {}},

        // A line break in the name.
        {"name with a line break", {{"--name", "Lost\nring"}}, {}, "P", {{B, {"name: holds a line break or control character"}}}},
        {"name with a carriage return", {{"--name", "Lost ring\r"}}, {}, "P",
         {{B, {"name: holds a line break or control character"}}}},
        {"name with a Unicode line separator", {{"--name", "Lost\xe2\x80\xa8ring"}}, {}, "P",
         {{B, {"name: holds a line break or control character"}}}},
        {"name with other letters", {{"--name", "Ring \xc3\xa0 perdre \"lost\""}}, {}, "P", {}},

        // Several new rules at once, in their order after the window's own.
        {"every new rule", {{"--name", "a\nb"}, {"--tz", "x"}, {"--month", "2"}, {"--day", "30"}, {"--long-deg", "180"},
                            {"--long-min", "1"}, {"--lat-deg", "90"}, {"--lat-min", "1"}}, {}, "M",
         {{B, {"name: holds a line break or control character"}},
          {N, {"time zone: x is not a number of hours"}},
          {D, {"day: 30 is past 28, the last day of February 2001"}},
          {G, {"longitude minutes: 1 is past 180 degrees 00 minutes"}},
          {A, {"latitude minutes: 1 is past 90 degrees 00 minutes"}}}},
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
