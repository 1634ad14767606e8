#include "entry/TimeZones.h"

#include <cmath>

#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/TextFile.h"
#include "entry/InputRules.h"
#include "entry/NameFile.h"

namespace quaeryn {

namespace {

constexpr std::size_t kNameWidth = 32;
constexpr std::size_t kCodeWidth = 4;

// An offset must be a number of hours, possibly with a sign and decimals
// (a quoted offset may carry a comma as its decimal mark).
bool IsOffset(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    std::size_t digits = 0, points = 0;
    for (; i < text.size() && text[i] != ' ' && text[i] != '\t'; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if ((text[i] == '.' || text[i] == ',') && points == 0)
            ++points;
        else
            return false;
    }
    if (text.find_first_not_of(" \t", i) != std::string::npos) return false;
    return digits > 0;
}

double OffsetValue(std::string text) {
    const auto comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    return NumericValue(text);
}

}  // namespace

std::string TimeZoneListLine(const TimeZoneEntry& zone) {
    std::string code = zone.code;
    if (code.size() < kCodeWidth) code.insert(0, kCodeWidth - code.size(), ' ');
    std::string name = zone.name;
    if (name.size() < kNameWidth) name.append(kNameWidth - name.size(), ' ');
    return name + " - " + code + " =" + RightAlign4(OffsetValue(zone.offset), zone.offset);
}

TimeZoneTable ParseTimeZones(const std::string& text) {
    TimeZoneTable table;
    FreeFieldReader in(text);
    while (!in.AtEnd()) {
        TimeZoneEntry z;
        in.Read(z.name);
        if (z.name.empty()) break;  // an empty name ends the table
        if (!in.Read(z.code) || !in.Read(z.offset) || z.name.size() > kNameWidth ||
            z.code.size() > kCodeWidth || !IsOffset(z.offset)) {
            table.corrupt = true;
            break;
        }
        table.lines.push_back(TimeZoneListLine(z));
        table.zones.push_back(std::move(z));
    }
    return table;
}

TimeZoneTable LoadTimeZones(const std::filesystem::path& file, UserPrompt& prompt) {
    const auto text = ReadWholeFile(file);
    TimeZoneTable table;
    if (text)
        table = ParseTimeZones(*text);
    else
        table.corrupt = true;
    if (table.corrupt) prompt.notify(msg::TimeZoneFileCorrupt());
    return table;
}

bool PickTimeZone(const std::string& listLine, const TimeZoneTable& table, EventEntries& entries,
                  UserPrompt& prompt) {
    // The name is what stands before the first dash, less the blank before
    // it and the padding.
    const auto dash = listLine.find('-');
    std::string name;
    if (dash != std::string::npos && dash > 0) name = listLine.substr(0, dash - 1);
    while (!name.empty() && name.back() == ' ') name.pop_back();

    // The first zone of that name; when several share it, the one whose
    // line was picked.
    const TimeZoneEntry* zone = nullptr;
    if (!name.empty()) {
        for (std::size_t i = 0; i < table.zones.size(); ++i) {
            if (table.zones[i].name != name) continue;
            if (!zone) zone = &table.zones[i];
            if (i < table.lines.size() && table.lines[i] == listLine) {
                zone = &table.zones[i];
                break;
            }
        }
    }
    if (!zone) {
        prompt.notify(msg::TimeZoneFileCorrupt());
        return false;
    }

    const double offset = OffsetValue(zone->offset);
    entries.tz = NumberText(offset);
    SelectEast(entries, offset < 0);
    return true;
}

}  // namespace quaeryn
