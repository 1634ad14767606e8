// A place's coordinates as the Input Data window takes them: whole degrees,
// minutes rounded to the nearest, and the side (E or W, N or S).
#pragma once

#include <optional>

namespace quaeryn {

struct AngleEntry {
    int degrees = 0;
    int minutes = 0;  // 0 to 59
    char side = 'W';  // 'E' or 'W' for a longitude, 'N' or 'S' for a latitude
    bool operator==(const AngleEntry&) const = default;
};

// 2.3333 degrees east gives 2, 20, E. Minutes that round to 60 carry into
// the degrees (2° 59.5' gives 3, 0). A longitude that rounds to 0° 00' is
// West and a latitude North, as the name files count 0 and above. Nothing
// for a value out of range (beyond 180 or 90) or not a number.
std::optional<AngleEntry> LongitudeEntry(double longitudeEast);
std::optional<AngleEntry> LatitudeEntry(double latitudeNorth);

}  // namespace quaeryn
