// The data files loaded at start: the star lines and the tables of whole
// numbers for the chartwheel and the almutens.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/AppDirectory.h"
#include "base/Prompt.h"

namespace quaeryn {

// How a file of whole numbers read: whether it was there, how many numbers
// went into its table, and whether any field was not a whole number within
// 16 bits (such a field is taken as 0).
struct NumberFileReading {
    bool found = false;
    std::size_t count = 0;
    bool malformed = false;
};

struct AppData {
    std::array<std::string, 75> stars{};    // STARS.TXT, entry 0 first
    std::array<int16_t, 121> hcData{};      // HCDATA.DAT
    std::array<int16_t, 361> radius{};      // RADIUS.DAT
    NumberFileReading hcDataReading;        // the wheel refuses a short or malformed file
    NumberFileReading radiusReading;
    std::array<int16_t, 361> almutD1{};     // ALMUTD1.DAT
    std::array<int16_t, 361> almutD2{};     // ALMUTD2.DAT
    std::array<int16_t, 361> almutN1{};     // ALMUTN1.DAT
    std::array<int16_t, 361> almutN2{};     // ALMUTN2.DAT
    // The files refused at loading; their tables stay empty.
    std::vector<std::string> refusedFiles;
};

// The almuten tables name their planets by the chart's report body names,
// numbers 1 to 15, with 0 for none.
inline constexpr int kAlmutenNameLimit = 15;

// Fills a table of whole numbers from a text of numbers separated by commas
// or line breaks; entries past the end stay 0, numbers past the table's size
// are ignored, a number outside 16 bits is taken as 0. Returns the count read.
template <std::size_t N>
std::size_t ReadNumberTable(const std::string& text, std::array<int16_t, N>& table);

std::size_t ReadNumberList(const std::string& text, int16_t* table, std::size_t size);
// The same, telling also whether a field was not a whole number in 16 bits.
NumberFileReading ReadNumberListChecked(const std::string& text, int16_t* table, std::size_t size);

// Fills an almuten table from a text of whole numbers separated by commas
// or line breaks, as ReadNumberTable does. A field that is not a whole
// number from 0 to kAlmutenNameLimit refuses the whole text: the table is
// left empty and the result is false.
bool ReadAlmutenTable(const std::string& text, std::array<int16_t, 361>& table);

// LoadDataFiles: reads the seven files in their order; a missing file leaves
// its table empty, an overlong one is cut at the table's size. An almuten
// table with a value outside the names is refused (listed in refusedFiles).
AppData LoadDataFiles(const AppDirectory& dir);

// The data-file message for each file refused at loading.
void NotifyRefusedDataFiles(const AppData& data, UserPrompt& prompt);

template <std::size_t N>
std::size_t ReadNumberTable(const std::string& text, std::array<int16_t, N>& table) {
    return ReadNumberList(text, table.data(), N);
}

}  // namespace quaeryn
