#include "base/AppData.h"

#include "base/Numbers.h"
#include "base/TextFile.h"

namespace quaeryn {

std::size_t ReadNumberList(const std::string& text, int16_t* table, std::size_t size) {
    std::size_t count = 0;
    std::string field;
    auto flush = [&]() {
        // Blank fields between separators are skipped, as free-field input does.
        if (field.find_first_not_of(" \t") != std::string::npos && count < size) {
            const auto v = RoundToInt16(NumericValue(field));
            table[count++] = v.value_or(0);
        }
        field.clear();
    };
    for (char c : text) {
        if (c == ',' || c == '\n' || c == '\r')
            flush();
        else
            field += c;
    }
    flush();
    return count;
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
    auto load = [&dir](const char* name, auto& table) {
        if (const auto text = ReadWholeFile(dir.Resolve(name))) ReadNumberTable(*text, table);
    };
    load("HCDATA.DAT", data.hcData);
    load("RADIUS.DAT", data.radius);
    load("ALMUTD1.DAT", data.almutD1);
    load("ALMUTD2.DAT", data.almutD2);
    load("ALMUTN1.DAT", data.almutN1);
    load("ALMUTN2.DAT", data.almutN2);
    return data;
}

}  // namespace quaeryn
