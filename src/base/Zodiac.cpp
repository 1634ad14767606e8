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

double Antiscion(double longitude) {
    // The mirror of sign s across the Cancer-Capricorn axis: 1-6, 2-5, 3-4,
    // 7-12, 8-11, 9-10.
    static constexpr int kMirror[13] = {0, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9, 8, 7};
    return (kMirror[SignOf(longitude)] - 1) * 30.0 + (30.0 - DegreeInSign(longitude));
}

double Contrantiscion(double longitude) {
    const double opposite = Antiscion(longitude) + 180.0;
    return opposite >= 360.0 ? opposite - 360.0 : opposite;
}

bool BelowHorizon(double longitude, double ascendant) { return Normalize360(longitude - ascendant) < 180.0; }

}  // namespace quaeryn
