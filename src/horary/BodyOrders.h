// The two orders of the bodies the horary reports walk: by the degree
// within the sign (the Moon's aspects by sign, the degree strip) and by
// speed (the aspects within orb, the horary aspects).
#pragma once

#include "base/ChartState.h"
#include "base/Vocabulary.h"

namespace quaeryn {

// Entry 1 to count holds a body number; entry 0 is unused.
using BodyOrder = OneBased<int, 16>;

// Bodies 1 to 14 by their degree within the sign, lowest first, with the
// exchange sort of the reports (equal degrees are never swapped with each
// other directly, so their order is the exchange sort's, not the body order).
BodyOrder BodiesByDegreeInSign(const ChartState& chart);

// Bodies 1 to 10 by their absolute daily motion, fastest first (same
// exchange sort), then the nodes, the Part of Fortune, the Ascendant and the
// Midheaven in body order at entries 11 to 15.
BodyOrder BodiesBySpeed(const ChartState& chart);

}  // namespace quaeryn
