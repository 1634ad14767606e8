#include "base/Zodiac.h"

#include <cmath>

#include "base/Numbers.h"

namespace quaeryn {

double Normalize360(double degrees) {
    const double r = degrees - 360.0 * std::floor(degrees / 360.0);
    // A tiny negative input rounds to exactly 360, which would split into a
    // thirteenth sign: it is 0 Aries.
    return r >= 360.0 ? 0.0 : r;
}

// The whole parts below are held to their ranges: a longitude that is not a
// number (infinite in, NaN out of Normalize360) gives 0 Aries rather than an
// undefined conversion.
int SignOf(double longitude) {
    return static_cast<int>(ClampedWhole(std::floor(Normalize360(longitude) / 30.0), 0, 11)) + 1;
}

double DegreeInSign(double longitude) {
    double d = Normalize360(longitude);
    while (d >= 30.0) d -= 30.0;
    return d;
}

int WholeDegreeInSign(double longitude) {
    return static_cast<int>(ClampedWhole(std::floor(DegreeInSign(longitude)), 0, 29));
}

}  // namespace quaeryn
