// Name files: saved charts, one record per line of seven fields (name,
// date, time, meridiem, zone, longitude, latitude), written with commas and
// CR LF, read in free-field form (commas or line ends, blanks skipped,
// fields may be quoted).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/Prompt.h"
#include "entry/EventEntries.h"
#include "entry/RegionalFormats.h"

namespace quaeryn {

struct NameRecord {
    std::string name;
    std::string date;      // "05 Jan 1990"
    std::string time;      // "9.05"
    std::string meridiem;  // "A" or "P"
    std::string zone;      // as typed
    std::string longitude; // "073.59", west positive
    std::string latitude;  // "40.45", north positive
};

struct NameList {
    std::vector<NameRecord> records;  // in file order, up to the first empty name
    bool error = false;               // a malformed record stopped the reading
};

// LoadNameList from the text of a name file.
NameList ParseNameList(const std::string& text);

// Reads a name file; `opened` tells whether the file could be opened.
NameList ReadNameFile(const std::filesystem::path& file, bool* opened = nullptr);

// FillFromRecord: the entries from a record (the date rewritten year first
// under date order 2, in the record too). False after the format-error
// message when a field is not a number or a date; the fields already set
// keep their new values.
bool FillFromRecord(NameRecord& record, EventEntries& entries, const RegionalFormats& regional,
                    UserPrompt& prompt);

// The record line SaveNameRecord appends for the entries (without line end).
std::string FormatNameRecord(const EventEntries& entries, const RegionalFormats& regional);

// The backup of a name file: its last three characters replaced by "OLD".
std::filesystem::path BackupPathFor(const std::filesystem::path& file);

enum class SaveOutcome { Saved, CommaInName, Failed };

// SaveNameRecord: copies the file without the records the user agrees to
// replace (one question per matching name), keeps the previous file as the
// backup, and appends the entries as the last record. A save either
// completes or leaves the file and its backup exactly as they were.
SaveOutcome SaveNameRecord(const EventEntries& entries, const std::filesystem::path& file,
                           const RegionalFormats& regional, UserPrompt& prompt);

}  // namespace quaeryn
