// The Keywords card: forty-six astrological topics in a grid of 12 rows
// and 4 columns (planets, signs, houses, then the elements, qualities and
// general texts); a click on a topic shows its text in a message box.
#pragma once

#include <optional>
#include <string>

#include "base/Prompt.h"

namespace quaeryn {

inline constexpr int kKeywordRows = 12;
inline constexpr int kKeywordColumns = 4;

inline constexpr const char* kKeywordsHeading = "    Planet          Sign             House         Quality";
inline constexpr const char* kKeywordsNote = "NOTE: Click on a topic for information";

// The text of a grid cell (row and column from 0); empty for the two empty
// cells of the last column (rows 4 and 8) and outside the grid.
std::string KeywordCell(int row, int column);

// The message of a topic, found by the cell's text in the order planets,
// elements, qualities, houses, signs, general texts, "Symbolism",
// "Aspects": its parts joined by CR LF, ending with a line break. Nothing
// for an empty or unknown text.
std::optional<std::string> KeywordText(const std::string& topic);

// The message box of a clicked cell: the topic's text under the cell's
// text as title, with the information icon. Nothing for an empty cell.
std::optional<PromptMessage> KeywordMessage(const std::string& cellText);

}  // namespace quaeryn
