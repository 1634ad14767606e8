#include "wheel/WheelTables.h"

#include <algorithm>
#include <cstdlib>

#include "wheel/WheelGeometry.h"

namespace quaeryn {

namespace {

// A label part further out than this, or inside the centre disc of the dual
// wheel, is not a label position.
constexpr int kLabelReach = 1000;

bool LabelsSound(const std::array<int16_t, 121>& hc) {
    for (std::size_t i = 0; i + 1 < kCuspLabelEntries; i += 2) {
        const int x = hc[i], y = hc[i + 1];
        if (std::abs(x) > kLabelReach || std::abs(y) > kLabelReach) return false;
        if (x * x + y * y < kDualDiscRadius * kDualDiscRadius) return false;
    }
    return true;
}

bool RadiiSound(const std::array<int16_t, 361>& radius) {
    return std::all_of(radius.begin(), radius.end(), [](int16_t r) {
        return r >= kSingleInnerRadius && r <= kWheelOuterRadius;
    });
}

}  // namespace

WheelTablesCheck CheckWheelTables(const AppData& data) {
    WheelTablesCheck check;
    const auto& hc = data.hcDataReading;
    if (hc.found) {
        if (!hc.malformed && hc.count >= kCuspLabelEntries && LabelsSound(data.hcData)) {
            check.tables.cuspLabels.emplace();
            std::copy_n(data.hcData.begin(), kCuspLabelEntries, check.tables.cuspLabels->begin());
        } else {
            check.refused.push_back("HCDATA.DAT");
        }
    }
    const auto& rd = data.radiusReading;
    if (rd.found) {
        if (!rd.malformed && rd.count >= kGlyphRadiusEntries && RadiiSound(data.radius))
            check.tables.glyphRadius = data.radius;
        else
            check.refused.push_back("RADIUS.DAT");
    }
    return check;
}

}  // namespace quaeryn
