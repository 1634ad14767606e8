// The option file: 200 single-precision values addressed by line number.
#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace quaeryn {

struct Options {
    static constexpr int kCount = 200;
    std::array<float, kCount + 1> value{};  // OptionValue[1..200]; entry 0 unused

    // Option n (1 to 200); 0 for a number outside the table.
    float operator[](int n) const {
        return (n >= 1 && n <= kCount) ? value[static_cast<std::size_t>(n)] : 0.0f;
    }
    void Set(int n, float v) {
        if (n >= 1 && n <= kCount) value[static_cast<std::size_t>(n)] = v;
    }
};

// Reads option values from the text of an option file: one value per line
// in its first 7 characters; an empty line ends the reading; lines past the
// 200th are ignored. Entries not present keep their previous value.
void ReadOptionsText(const std::string& text, Options& options);

// ReadOptions: reads "OPTIONS.OPT" from the data folder into options.
// Returns false when the file cannot be opened (the values stay as they are).
bool ReadOptions(const std::filesystem::path& file, Options& options);

// The house-system code chosen by option 27.
std::string HouseCodeFromOption27(float value);

}  // namespace quaeryn
