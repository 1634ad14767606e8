#include "astro/MoonSun.h"

#include <cmath>

#include "astro/AngleMath.h"

namespace quaeryn {

namespace {

// ---------------------------------------------------------------- the Moon

// The Moon follows Brown's lunar theory: its mean elements, the principal
// periodic terms of the longitude below (coefficients as the Improved Lunar
// Ephemeris of 1954 gives them, to 0.01 arc second) and the principal terms
// of the latitude in MoonPosition.
//
// One term of the Moon's longitude: coefficient (arc seconds) × sin of
// (m′ M′ + m M + d D + f F). Rows in the order of the source table.
struct LunarTerm {
    int number;  // the row number of the table, for reading against it
    int mp, m, d, f;
    double arcSeconds;
};

// Rows 17, 47 and 64 all carry the argument M′ − 4D and are summed as they
// stand (Brown's theory has M′ + 4D for the 1.98″ term and M′ − M − 4D for
// the 0.64″ one; the difference stays below 0.002 degrees).
// clang-format off
constexpr LunarTerm kLunarLongitude[] = {
    // #   M′  M   D   F   coefficient      argument
    { 1,   1,  0,  0,  0, +22639.55 },   // M′
    { 2,   2,  0,  0,  0,   +769.02 },   // 2M′
    { 3,   0,  0,  1,  0,   -125.15 },   // D
    { 4,   0,  0,  2,  0,  +2369.912},   // 2D
    { 5,   0,  1,  0,  0,   -668.15 },   // M
    { 6,   0,  0,  0,  2,   -411.61 },   // 2F
    { 7,  -2,  0,  2,  0,   +211.66 },   // 2D − 2M′
    { 8,  -1,  0,  2,  0,  +4586.47 },   // 2D − M′
    { 9,   1,  0,  2,  0,   +191.95 },   // 2D + M′
    {10,   0, -1,  2,  0,   +165.15 },   // 2D − M
    {11,  -1, -1,  2,  0,   +205.96 },   // 2D − M′ − M
    {12,   1,  1,  0,  0,   -109.67 },   // M′ + M
    {13,   1, -1,  0,  0,   +147.69 },   // M′ − M
    {14,   0,  0, -2,  2,    -55.17 },   // 2(L − Ω) = 2F − 2D
    {15,   1,  0,  0,  2,    -45.099},   // M′ + 2F
    {16,   1,  0,  0, -2,    +39.53 },   // M′ − 2F
    {17,   1,  0, -4,  0,    -38.43 },   // M′ − 4D
    {18,   3,  0,  0,  0,    +36.12 },   // 3M′
    {19,   2,  0, -4,  0,    -30.77 },   // 2M′ − 4D
    {20,   1, -1, -2,  0,    +28.48 },   // M′ − M − 2D
    {21,   0,  1,  2,  0,    -24.42 },   // 2D + M
    {22,   1,  0, -1,  0,    +18.61 },   // M′ − D
    {23,   0,  1,  1,  0,    +18.02 },   // M + D
    {24,   1, -1,  2,  0,    +14.58 },   // M′ − M + 2D
    {25,   2,  0,  2,  0,    +14.39 },   // 2D + 2M′
    {26,   0,  0,  4,  0,    +13.9  },   // 4D
    {27,   3,  0, -2,  0,    -13.19 },   // 3M′ − 2D
    {28,   2, -1,  0,  0,     +9.7  },   // 2M′ − M
    {29,   1,  0, -2, -2,     +9.37 },   // M′ − 2F − 2D
    {30,   2,  1, -2,  0,     -8.63 },   // 2M′ + M − 2D
    {31,   1,  0,  1,  0,     -8.47 },   // M′ + D
    {32,   0,  2, -2,  0,     -8.096},   // 2M − 2D
    {33,   2,  1,  0,  0,     -7.65 },   // 2M′ + M
    {34,   0,  2,  0,  0,     -7.49 },   // 2M
    {35,   1,  2, -2,  0,     -7.41 },   // 2M + M′ − 2D
    {36,   1,  0,  2, -2,     -6.38 },   // M′ − 2F + 2D
    {37,   0,  0,  2,  2,     -5.74 },   // 2F + 2D
    {38,   1,  1, -4,  0,     -4.39 },   // M′ + M − 4D
    {39,   2,  0,  0,  2,     -3.99 },   // 2M′ + 2F
    {40,   1,  0, -3,  0,     +3.22 },   // M′ − 3D
    {41,   1,  1,  2,  0,     -2.92 },   // M′ + M + 2D
    {42,   2,  1, -4,  0,     -2.74 },   // 2M′ + M − 4D
    {43,   2, -1, -2,  0,     -2.49 },   // 2M′ − M − 2D
    {44,   1, -2,  0,  0,     +2.58 },   // M′ − 2M
    {45,   1, -2, -2,  0,     +2.53 },   // M′ − 2M − 2D
    {46,   0,  1, -2,  2,     -2.15 },   // M + 2F − 2D
    {47,   1,  0, -4,  0,     +1.98 },   // M′ − 4D
    {48,   4,  0,  0,  0,     +1.94 },   // 4M′
    {49,   0,  1, -4,  0,     -1.88 },   // M − 4D
    {50,   2,  0, -1,  0,     +1.75 },   // 2M′ − D
    {51,   0,  1,  2, -2,     -1.44 },   // M − 2F + 2D
    {52,   2,  0,  0, -2,     -1.298},   // 2M′ − 2F
    {53,   1,  1,  1,  0,     +1.27 },   // M′ + M + D
    {54,   2,  0, -3,  0,     +1.23 },   // 2M′ − 3D
    {55,   3,  0, -4,  0,     -1.19 },   // 3M′ − 4D
    {56,   2, -1,  2,  0,     +1.18 },   // 2M′ − M + 2D
    {57,   1,  2,  0,  0,     -1.17 },   // 2M + M′
    {58,   1, -1, -1,  0,     -1.09 },   // M′ − M − D
    {59,   3,  0,  2,  0,     +1.06 },   // 2D + 3M′
    {60,   2,  0,  1,  0,     -0.59 },   // 2M′ + D
    {61,   1,  0,  2,  2,     -0.99 },   // M′ + 2F + 2D
    {62,   4,  0, -2,  0,     -0.95 },   // 4M′ − 2D
    {63,   2,  0, -6,  0,     -0.57 },   // 2M′ − 6D
    {64,   1,  0, -4,  0,     +0.64 },   // M′ − 4D
    {65,   0,  1, -1,  0,     +0.56 },   // M − D
    {66,   1, -2,  2,  0,     +0.76 },   // M′ − 2M + 2D
    {67,   0,  0, -1,  2,     +0.58 },   // 2F − D
    {68,   3,  1,  0,  0,     -0.55 },   // 3M′ + M
    {69,   3, -1,  0,  0,     +0.68 },   // 3M′ − M
    {70,   2,  0, -2,  2,     +0.557},   // 2M′ + 2F − 2D
    {71,   2,  0, -2, -2,     +0.538},   // 2M′ − 2F − 2D
};
// clang-format on
static_assert(std::size(kLunarLongitude) == 71);

double SinD(double degrees) { return SinDeg(degrees); }

// ---------------------------------------------------------------- the Sun

// The Sun follows Newcomb's Tables of the Sun (1895): the mean longitude and
// anomaly, the equation of the centre, the perturbations by Venus, Mars,
// Jupiter and Saturn below, the lunar terms and the long-period terms.

enum class Perturber { Venus, Mars, Jupiter, Saturn };

// One planetary term of the Sun: coefficient (arc seconds) ×
// cos(phase + k × planet's mean anomaly + j × g).
struct SolarTerm {
    Perturber by;
    double arcSeconds;
    double phase;  // degrees
    int k;         // multiple of the planet's mean anomaly
    int j;         // multiple of the Sun's mean anomaly g
};

// clang-format off
constexpr SolarTerm kSolarPerturbations[] = {
    //  by                 coefficient  phase     argument
    {Perturber::Venus,    4.838, 299.102,  1, -1},  // V − g
    {Perturber::Venus,    0.116, 148.9,    2, -1},  // 2V − g
    {Perturber::Venus,    5.526, 148.313,  2, -2},  // 2V − 2g
    {Perturber::Venus,    2.497, 315.943,  2, -3},  // 2V − 3g
    {Perturber::Venus,    0.666, 177.71,   3, -3},  // 3V − 3g
    {Perturber::Venus,    1.559, 345.253,  3, -4},  // 3V − 4g
    {Perturber::Venus,    1.024, 318.15,   3, -5},  // 3V − 5g
    {Perturber::Venus,    0.21,  206.2,    4, -4},  // 4V − 4g
    {Perturber::Venus,    0.144, 195.4,    4, -5},  // 4V − 5g
    {Perturber::Venus,    0.152, 343.8,    4, -6},  // 4V − 6g
    {Perturber::Venus,    0.123, 195.3,    5, -7},  // 5V − 7g
    {Perturber::Venus,    0.154, 359.6,    5, -8},  // 5V − 8g
    {Perturber::Mars,     0.273, 217.7,   -1,  1},  // −A + g
    {Perturber::Mars,     2.043, 343.888, -2,  2},  // −2A + 2g
    {Perturber::Mars,     1.77,  200.402, -2,  1},  // −2A + g
    {Perturber::Mars,     0.129, 294.2,   -3,  3},  // −3A + 3g
    {Perturber::Mars,     0.425, 338.88,  -3,  2},  // −3A + 2g
    {Perturber::Mars,     0.5,   105.18,  -4,  3},  // −4A + 3g
    {Perturber::Mars,     0.585, 334.06,  -4,  2},  // −4A + 2g
    {Perturber::Mars,     0.204, 100.8,   -5,  3},  // −5A + 3g
    {Perturber::Mars,     0.154, 227.4,   -6,  4},  // −6A + 4g
    {Perturber::Mars,     0.101, 96.3,    -6,  3},  // −6A + 3g
    {Perturber::Mars,     0.106, 222.7,   -7,  4},  // −7A + 4g
    {Perturber::Jupiter,  0.163, 198.6,   -1,  2},  // −J + 2g
    {Perturber::Jupiter,  7.208, 179.532, -1,  1},  // −J + g
    {Perturber::Jupiter,  2.6,   263.217, -1,  0},  // −J
    {Perturber::Jupiter,  2.731, 87.145,  -2,  2},  // −2J + 2g
    {Perturber::Jupiter,  1.61,  109.493, -2,  1},  // −2J + g
    {Perturber::Jupiter,  0.164, 170.5,   -3,  3},  // −3J + 3g
    {Perturber::Jupiter,  0.556, 82.65,   -3,  2},  // −3J + 2g
    {Perturber::Jupiter,  0.21,  98.5,    -3,  1},  // −3J + g
    {Perturber::Saturn,   0.419, 100.58,  -1,  1},  // −S + g
    {Perturber::Saturn,   0.32,  269.46,  -1,  0},  // −S
    {Perturber::Saturn,   0.108, 290.6,   -2,  2},  // −2S + 2g
    {Perturber::Saturn,   0.112, 293.6,   -2,  1},  // −2S + g
};
// clang-format on
static_assert(std::size(kSolarPerturbations) == 35);

}  // namespace

double SunPosition(double t) {
    // Long-period terms (arc seconds).
    const double p = (1.882 - 0.016 * t) * SinD(57.24 + 150.27 * t) + 6.4 * SinD(231.19 + 20.2 * t) +
                     0.266 * SinD(31.8 + 119.0 * t);

    // Mean anomaly and mean longitude.
    const double g =
        Normalize360(358.4758333 + 35999.0 * t + (179.1 * t - 0.54 * t * t) / 3600.0 + p / 3600.0);
    const double l0 = Normalize360(279.6966778 + 36000.0 * t + (2768.13 * t + 1.089 * t * t) / 3600.0 +
                                   0.202 / 3600.0 * SinD(315.6 + 893.3 * t) + p / 3600.0);

    // Mean anomalies of the perturbing planets and the lunar arguments.
    const double venus = Normalize360(212.45 + 58517.493 * t);
    const double mars = Normalize360(319.58 + 19139.977 * t);
    const double jupiter = Normalize360(225.28 + 3034.583 * t + 1300.0 / 3600.0 * SinD(133.775 + 39.804 * t));
    const double saturn = Normalize360(175.6 + 1221.794 * t);
    const double d = Normalize360(350.737486 + 445267.114217 * t);
    const double l = Normalize360(296.104608 + 477198.849108 * t);

    // Equation of the centre (arc seconds).
    const double centre = (6910.057 - 17.24 * t) * SinD(g) + (72.338 - 0.361 * t) * SinD(2.0 * g) +
                          1.054 * SinD(3.0 * g);

    // Planetary perturbations (arc seconds).
    double perturbations = 0;
    for (const SolarTerm& term : kSolarPerturbations) {
        double planet = 0;
        switch (term.by) {
            case Perturber::Venus: planet = venus; break;
            case Perturber::Mars: planet = mars; break;
            case Perturber::Jupiter: planet = jupiter; break;
            case Perturber::Saturn: planet = saturn; break;
        }
        perturbations += term.arcSeconds * CosDeg(term.phase + term.k * planet + term.j * g);
    }

    // Lunar terms (arc seconds).
    const double lunar = 6.454 * SinD(d) + 0.177 * SinD(d + l) - 0.424 * SinD(d - l) + 0.172 * SinD(d - g);

    const double trueLongitude = l0 + (centre + perturbations + lunar) / 3600.0;
    const double apparent = trueLongitude - 0.00569 - 0.00479 * SinD(259.18 - 1934.142 * t);
    return Normalize360(apparent);
}

MoonPositionResult MoonPosition(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;

    // 1. Mean elements; the node is kept unreduced for the true node.
    double lp = 270.434164 + 481267.883142 * t - 0.001133 * t2 + 0.0000019 * t3;
    double mp = 296.104608 + 477198.849108 * t + 0.009192 * t2 + 0.0000144 * t3;
    double node = 259.183275 - 1934.142008 * t + 0.002078 * t2 + 0.0000022 * t3;
    double ls = 279.696678 + 36000.768925 * t + 0.000303 * t2;
    double ms = 358.475833 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3;

    MoonPositionResult result;

    // 2. True and mean node, from the unreduced values.
    {
        const double d = lp - ls;
        const double f = lp - node;
        const double arcSeconds = 3600.0 * node + 5392.0 * SinD(2.0 * (ls - node)) - 541.0 * SinD(ms) -
                                  442.0 * SinD(2.0 * d) + 423.0 * SinD(2.0 * f) -
                                  291.0 * SinD(2.0 * mp - 2.0 * f);
        result.trueNode = Normalize360(arcSeconds / 3600.0);
        result.meanNode = Normalize360(node);
    }

    // 3. Reduce the elements.
    lp = Normalize360(lp);
    mp = Normalize360(mp);
    ls = Normalize360(ls);
    ms = Normalize360(ms);
    node = Normalize360(node);
    const double d = lp - ls;
    const double f = lp - node;

    // 4. Nutation in longitude: the six largest terms of the IAU 1980 series.
    const double nutation = (-17.2 * SinD(node) + 0.206 * SinD(2.0 * node) - 1.319 * SinD(2.0 * ls) +
                             0.143 * SinD(ms) - 0.227 * SinD(2.0 * lp) + 0.071 * SinD(mp)) /
                            3600.0;

    // 5. The periodic terms of the longitude, summed one at a time.
    double sum = 0;
    for (const LunarTerm& term : kLunarLongitude)
        sum += term.arcSeconds * SinD(term.mp * mp + term.m * ms + term.d * d + term.f * f);

    // 6. Apparent longitude.
    result.longitude = lp + sum / 3600.0 + nutation;

    // 7. Latitude; F − 2D is formed as 2L − L′ − Ω.
    const double s = Normalize360(result.longitude) - node + 0.114 * SinD(2.0 * f) + 0.15 * SinD(ms);
    const double f2d = 2.0 * ls - lp - node;
    result.latitude = (18519.7 * SinD(s) - 526.1 * SinD(f2d) + 44.3 * SinD(f2d + mp) - 30.6 * SinD(f2d - mp) -
                       22.6 * SinD(f2d + ms) + 11.0 * SinD(f2d - ms) - 24.6 * SinD(f - 2.0 * mp) +
                       20.6 * SinD(f - mp)) /
                      3600.0;
    return result;
}

EquatorialPosition EquatorialFromEcliptic(double longitude, double latitude, double epsilon) {
    const double cl = CosDeg(longitude), sl = SinDeg(longitude);
    const double cb = CosDeg(latitude), sb = SinDeg(latitude);
    const double ce = std::cos(epsilon), se = std::sin(epsilon);
    const double x = cb * cl;
    const double y = ce * cb * sl - se * sb;
    const double z = se * cb * sl + ce * sb;
    const Spherical s = RectToSpherical(x, y, z);
    return EquatorialPosition{s.latitude, s.longitude};
}

}  // namespace quaeryn
