#include "base/Zodiac.h"

#include <cmath>

namespace quaeryn {

double Normalize360(double degrees) {
    const double r = degrees - 360.0 * std::floor(degrees / 360.0);
    // A tiny negative input rounds to exactly 360, which would split into a
    // thirteenth sign: it is 0 Aries.
    return r >= 360.0 ? 0.0 : r;
}

int SignOf(double longitude) {
    const int sign = static_cast<int>(std::floor(Normalize360(longitude) / 30.0)) + 1;
    return sign > 12 ? 12 : sign;
}

double DegreeInSign(double longitude) {
    double d = Normalize360(longitude);
    while (d >= 30.0) d -= 30.0;
    return d;
}

int WholeDegreeInSign(double longitude) { return static_cast<int>(std::floor(DegreeInSign(longitude))); }

bool BelowHorizon(double longitude, double ascendant) { return Normalize360(longitude - ascendant) < 180.0; }

}  // namespace quaeryn
