// The wheel's two data files as the wheel may use them: HCDATA.DAT (the
// cusp-label positions of the equal-sector wheels) and RADIUS.DAT (the
// outer ring's glyph radius for each whole degree). A file that is short,
// holds a field that is not a whole number, or puts a label at the centre
// or a glyph outside the ring is refused; the wheel then computes the
// positions the shipped file holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/AppData.h"

namespace quaeryn {

inline constexpr std::size_t kCuspLabelEntries = 120;  // HCDATA.DAT entries 0 to 119
inline constexpr std::size_t kGlyphRadiusEntries = 361;  // RADIUS.DAT entries 0 to 360

struct WheelTables {
    std::optional<std::array<int16_t, kCuspLabelEntries>> cuspLabels;
    std::optional<std::array<int16_t, kGlyphRadiusEntries>> glyphRadius;
};

struct WheelTablesCheck {
    WheelTables tables;
    // The files refused ("HCDATA.DAT", "RADIUS.DAT"); a missing file is not
    // refused, only not used.
    std::vector<std::string> refused;
};

// Checks the two tables as the data files loaded them.
WheelTablesCheck CheckWheelTables(const AppData& data);

}  // namespace quaeryn
