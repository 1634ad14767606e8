#include "base/AppData.h"

#include <cmath>

#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/TextFile.h"

namespace quaeryn {

namespace {

// Calls visit(field) for every field of a free-field number list (fields
// apart by commas and line ends; blank fields are skipped, as free-field
// input does) until visit returns false. False when it did.
template <typename Visit>
bool ForEachField(const std::string& text, Visit visit) {
    std::string field;
    auto flush = [&]() {
        const bool blank = field.find_first_not_of(" \t") == std::string::npos;
        const bool go_on = blank || visit(field);
        field.clear();
        return go_on;
    };
    for (char c : text) {
        if (c != ',' && c != '\n' && c != '\r')
            field += c;
        else if (!flush())
            return false;
    }
    return flush();
}

}  // namespace

NumberFileReading ReadNumberListChecked(const std::string& text, int16_t* table, std::size_t size) {
    NumberFileReading reading;
    reading.found = true;
    std::size_t& count = reading.count;
    ForEachField(text, [&](const std::string& field) {
        if (count < size) {
            const double value = NumericValue(field);
            const auto v = RoundToInt16(value);
            if (!IsNumberText(field) || !v || static_cast<double>(*v) != value) reading.malformed = true;
            table[count++] = v.value_or(0);
        }
        return true;
    });
    return reading;
}

std::size_t ReadNumberList(const std::string& text, int16_t* table, std::size_t size) {
    return ReadNumberListChecked(text, table, size).count;
}

bool ReadAlmutenTable(const std::string& text, std::array<int16_t, 361>& table) {
    table.fill(0);
    std::size_t count = 0;
    const bool sound = ForEachField(text, [&](const std::string& field) {
        if (count >= table.size()) return true;
        const double v = NumericValue(field);
        // Range first: only a value inside it is turned into a number.
        if (!IsNumberText(field) || v < 0 || v > kAlmutenNameLimit || std::floor(v) != v) return false;
        table[count++] = static_cast<int16_t>(v);
        return true;
    });
    if (!sound) table.fill(0);
    return sound;
}

AppData LoadDataFiles(const AppDirectory& dir) {
    AppData data;
    if (const auto text = ReadWholeFile(dir.Resolve("STARS.TXT"))) {
        std::size_t i = 0;
        for (auto& line : SplitLines(*text)) {
            if (i >= data.stars.size()) break;
            data.stars[i++] = std::move(line);
        }
    }
    auto loadChecked = [&dir](const char* name, auto& table, NumberFileReading& reading) {
        if (const auto text = ReadWholeFile(dir.Resolve(name)))
            reading = ReadNumberListChecked(*text, table.data(), table.size());
    };
    loadChecked("HCDATA.DAT", data.hcData, data.hcDataReading);
    loadChecked("RADIUS.DAT", data.radius, data.radiusReading);
    auto loadAlmutens = [&dir, &data](const char* name, std::array<int16_t, 361>& table) {
        if (const auto text = ReadWholeFile(dir.Resolve(name)); text && !ReadAlmutenTable(*text, table))
            data.refusedFiles.emplace_back(name);
    };
    loadAlmutens("ALMUTD1.DAT", data.almutD1);
    loadAlmutens("ALMUTD2.DAT", data.almutD2);
    loadAlmutens("ALMUTN1.DAT", data.almutN1);
    loadAlmutens("ALMUTN2.DAT", data.almutN2);
    return data;
}

void NotifyRefusedDataFiles(const AppData& data, UserPrompt& prompt) {
    for (const auto& file : data.refusedFiles) prompt.notify(msg::DataFileCorrupt(file));
}

}  // namespace quaeryn
