// The aspect finder shared by the horary reports and the strength scores,
// the two body orders the horary reports walk, and the Moon's declination
// line (also written by the natal data report).
#pragma once

#include <array>
#include <string>

#include "base/ChartState.h"
#include "base/Options.h"
#include "base/ReportBuffer.h"

namespace quaeryn {

// Aspect codes, as in the aspect name table.
namespace aspect {
inline constexpr int None = 1, Conjunction = 2, Sextile = 3, Square = 4, Trine = 5, Opposition = 6;
}

struct AspectFound {
    int code = aspect::None;
    // Separation minus the exact angle of the aspect (for a conjunction the
    // separation itself).
    double difference = 0;
    // |difference| rounded to a tenth of a degree (a half tenth rounds up).
    double roundedOrb = 0;

    bool found() const { return code != aspect::None; }
};

// The orb of body n: options 34 (Sun), 35 (Moon), 36 (Mercury) to 43 (Pluto);
// the nodes, the Part of Fortune, the Ascendant and the Midheaven have none.
double AspectOrb(const Options& options, int n);

// The aspect between two longitudes. orb is the sum of the two bodies'
// orbs; with a node involved only the conjunction is looked for. Sextile,
// square, trine and opposition are tried first, in that order, then the
// conjunction.
AspectFound FindAspectBetween(double longitudeA, double longitudeB, double orb, bool nodeInvolved);

// The aspect between bodies a and b (1 to 15) of the chart.
AspectFound FindAspect(const ChartState& chart, const Options& options, int a, int b);

// A body order: entry 1 to count holds a body number; entry 0 is unused.
using BodyOrder = std::array<int, 16>;

// Bodies 1 to 14 by their degree within the sign, lowest first, with the
// exchange sort of the reports (equal degrees are never swapped with each
// other directly, so their order is the exchange sort's, not the body order).
BodyOrder BodiesByDegreeInSign(const ChartState& chart);

// Bodies 1 to 10 by their absolute daily motion, fastest first (same
// exchange sort), then the nodes, the Part of Fortune, the Ascendant and the
// Midheaven in body order at entries 11 to 15.
BodyOrder BodiesBySpeed(const ChartState& chart);

// The degrees of a longitude within its sign: 30 taken away while it is 30
// or more.
double DegreeInSign(double longitude);

// A declination as «12 S 34»: whole degrees and minutes of its absolute
// value, "N" for north or zero, "S" for south.
std::string DeclinationText(double declination);

// An empty line, then the Moon's declination now and one day later.
void WriteMoonDeclinationLines(const ChartState& chart, ReportBuffer& out);

// The APP / sep / partile qualifier of an aspect from body A to body B
// (without its padding). swapMotion exchanges "APP" and "sep" (a retrograde
// aspecting body in the horary aspects report).
std::string AspectQualifier(double longitudeA, double longitudeB, const AspectFound& found, bool swapMotion);

// One aspect line: two blanks, A's name, the aspect, the qualifier padded to
// 13 characters, B's name, the rounded orb and " degree".
std::string AspectLine(int a, int b, const AspectFound& found, const std::string& qualifier);

}  // namespace quaeryn
