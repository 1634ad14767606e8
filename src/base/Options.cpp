#include "base/Options.h"

#include <cmath>

#include "base/Numbers.h"
#include "base/TextFile.h"

namespace quaeryn {

void ReadOptionsText(const std::string& text, Options& options) {
    int i = 0;
    for (const std::string& line : SplitLines(text)) {
        if (line.empty()) break;
        ++i;
        if (i > Options::kCount) break;  // the table has room for 200 options
        options.Set(i, static_cast<float>(NumericValue(std::string_view(line).substr(0, 7))));
    }
}

bool ReadOptions(const std::filesystem::path& file, Options& options) {
    const auto text = ReadWholeFile(file);
    if (!text) return false;
    ReadOptionsText(*text, options);
    return true;
}

std::string HouseCodeFromOption27(float value) {
    // Only a whole number from 2 to 9 chooses another system than Placidus
    // (the range is checked first: 1e10 does not fit an int).
    const bool code = value >= 2.0f && value <= 9.0f && value == std::trunc(value);
    switch (code ? static_cast<int>(value) : 0) {
        case 2: return "R";
        case 3: return "K";
        case 4: return "C";
        case 5: return "O";
        case 6: return "EA";
        case 7: return "EM";
        case 8: return "M";
        case 9: return "I";
        default: return "P";
    }
}

}  // namespace quaeryn
