// The data files loaded at start: the star lines and the tables of whole
// numbers for the chartwheel and the almutens.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/AppDirectory.h"

namespace quaeryn {

struct AppData {
    std::array<std::string, 75> stars{};    // STARS.TXT, entry 0 first
    std::array<int16_t, 121> hcData{};      // HCDATA.DAT
    std::array<int16_t, 361> radius{};      // RADIUS.DAT
    std::array<int16_t, 361> almutD1{};     // ALMUTD1.DAT
    std::array<int16_t, 361> almutD2{};     // ALMUTD2.DAT
    std::array<int16_t, 361> almutN1{};     // ALMUTN1.DAT
    std::array<int16_t, 361> almutN2{};     // ALMUTN2.DAT
};

// Fills a table of whole numbers from a text of numbers separated by commas
// or line breaks; entries past the end stay 0, numbers past the table's size
// are ignored, a number outside 16 bits is taken as 0. Returns the count read.
template <std::size_t N>
std::size_t ReadNumberTable(const std::string& text, std::array<int16_t, N>& table);

std::size_t ReadNumberList(const std::string& text, int16_t* table, std::size_t size);

// LoadDataFiles: reads the seven files in their order; a missing file leaves
// its table empty, an overlong one is cut at the table's size.
AppData LoadDataFiles(const AppDirectory& dir);

template <std::size_t N>
std::size_t ReadNumberTable(const std::string& text, std::array<int16_t, N>& table) {
    return ReadNumberList(text, table.data(), N);
}

}  // namespace quaeryn
