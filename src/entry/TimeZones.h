// The time-zone table TZ.DAT: records of name, code and offset (hours,
// positive west), shown as fixed-width list lines.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/Prompt.h"
#include "entry/EventEntries.h"

namespace quaeryn {

struct TimeZoneEntry {
    std::string name;    // at most 32 characters, no "-"
    std::string code;    // at most 4 characters
    std::string offset;  // hours as text, positive west
};

struct TimeZoneTable {
    std::vector<TimeZoneEntry> zones;
    std::vector<std::string> lines;  // the list lines, one per zone
    bool corrupt = false;            // loading stopped at a bad record
};

// The list line of a zone: name padded to 32, " - ", code right-aligned in
// 4, " =", the offset with its leading blanks.
std::string TimeZoneListLine(const TimeZoneEntry& zone);

TimeZoneTable ParseTimeZones(const std::string& text);
// Loads TZ.DAT; a missing file is corrupt. Shows "The file TZ.DAT is
// corrupt." through the prompt when loading stops at an error.
TimeZoneTable LoadTimeZones(const std::filesystem::path& file, UserPrompt& prompt);

// Picking a list line: the zone and East/West of the entries (the sign rule
// runs). False, with the corrupt-file message, when no zone matches.
bool PickTimeZone(const std::string& listLine, const TimeZoneTable& table, EventEntries& entries,
                  UserPrompt& prompt);

}  // namespace quaeryn
