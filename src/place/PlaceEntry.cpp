#include "place/PlaceEntry.h"

#include <cmath>

namespace quaeryn {

namespace {

std::optional<AngleEntry> Entry(double degrees, double limit, char positive, char negative,
                                char atZero) {
    if (!std::isfinite(degrees) || std::fabs(degrees) > limit) return std::nullopt;
    // Rounded to the nearest minute; the small allowance keeps a value
    // stored as 2.991666... (2° 59.5') from falling just short of the half.
    const auto total = static_cast<long>(std::floor(std::fabs(degrees) * 60.0 + 0.5 + 1e-9));
    AngleEntry e;
    e.degrees = static_cast<int>(total / 60);
    e.minutes = static_cast<int>(total % 60);
    e.side = total == 0 ? atZero : (degrees > 0 ? positive : negative);
    return e;
}

}  // namespace

std::optional<AngleEntry> LongitudeEntry(double longitudeEast) {
    return Entry(longitudeEast, 180.0, 'E', 'W', 'W');
}

std::optional<AngleEntry> LatitudeEntry(double latitudeNorth) {
    return Entry(latitudeNorth, 90.0, 'N', 'S', 'N');
}

}  // namespace quaeryn
