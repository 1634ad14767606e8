// The sixteen aspects of the vocabulary, numbered as its aspect names (1 is
// no aspect, 2 the conjunction … 16 the bi-quintile), each with its exact
// angle and the option line of its orb; and the two ways the reports find
// an aspect between two points:
//  - by the orbs of the bodies (options 34 to 43): the horary reports and
//    the strength scores, which look for the five major aspects with the
//    sum of the two bodies' orbs;
//  - by the orbs of the aspects (options 1 to 15, the minor aspects
//    switched by option 16): the aspect grid, which looks for all of them.
#pragma once

#include <span>

#include "base/Options.h"

namespace quaeryn {

namespace aspect {
inline constexpr int None = 1, Conjunction = 2, Sextile = 3, Square = 4, Trine = 5, Opposition = 6,
                     Parallel = 7, SemiSextile = 8, SemiSquare = 9, Sesquisquare = 10, Quincunx = 11,
                     SemiQuintile = 12, Nonagen = 13, Quintile = 14, Trecile = 15, BiQuintile = 16;
}

struct AspectKind {
    int number;        // 2 to 16, as the vocabulary's aspect names
    int angle;         // the exact angle in degrees (the parallel: 0 in declination)
    int orbLine;       // the option line of its own orb
    bool minor;        // only while option 16 switches the minor aspects on
    bool declination;  // measured in declination (the parallel), not along the ecliptic
};

// Every aspect, 2 to 16 in number order.
std::span<const AspectKind> AspectKinds();
// Aspect n; nullptr for 1 (none) and numbers outside 2 to 16.
const AspectKind* FindAspectKind(int n);

// The distance of two longitudes along the shorter arc, 0 to 180.
double Separation(double longitudeA, double longitudeB);

// ---------------------------------------------------------------- by the orbs of the bodies

// The orb of body n: options 34 (Sun), 35 (Moon), 36 (Mercury) to 43
// (Pluto); the nodes, the Part of Fortune, the Ascendant and the Midheaven
// carry none.
double BodyOrb(const Options& options, int n);

struct AspectFound {
    int code = aspect::None;
    // Separation minus the exact angle of the aspect (for a conjunction the
    // separation itself).
    double difference = 0;
    // |difference| rounded to a tenth of a degree (a half tenth rounds up).
    double roundedOrb = 0;

    bool found() const { return code != aspect::None; }
};

// The major aspect of two longitudes for an orb (the two bodies' orbs
// summed): the sextile, square, trine and opposition are tried in that
// order, each inside its open window (exact angle ± orb, bounds excluded),
// the first that holds wins; then the conjunction (separation below the
// orb). With conjunctionOnly (a node is involved) only the conjunction.
AspectFound FindAspectBetween(double longitudeA, double longitudeB, double orb, bool conjunctionOnly);

// ---------------------------------------------------------------- by the orbs of the aspects

// Option 16 equals exactly 1: the semi-quintile, nonagen, quintile, trecile
// and bi-quintile are looked for too.
bool MinorAspectsOn(const Options& options);

// The aspect a separation (0 to 180) makes with each aspect's own orb, or
// aspect::None. The windows include their bounds and are compared in single
// precision; they are tried from the sextile on in number order (the
// parallel left out, the minor ones only when switched on) and the
// conjunction last, a later match replacing an earlier one where windows
// overlap.
int FindAspectByOptionOrbs(float separation, const Options& options);

enum class DeclinationAspect { None, Parallel, ContraParallel };

// Two declinations whose sizes differ by no more than the parallel orb
// (option 6): a parallel on the same side of the equator (0 counts as
// north), a contra-parallel on opposite sides.
DeclinationAspect FindParallel(double declinationA, double declinationB, const Options& options);

}  // namespace quaeryn
