// The planets: Mercury, Venus and Mars from J2000 Keplerian elements,
// Jupiter to Neptune from the elements of date with their perturbations,
// Pluto from its periodic series; and the per-cast driver of all bodies.
#pragma once

#include "base/ChartState.h"

namespace quaeryn {

// ComputeAllPositions: fills Longitude, Latitude, Declination,
// RightAscension and LongitudeLater of bodies 1 to 15, TrueNode (when it
// still holds -100), MoonDeclinationNextDay and RetrogradeText. Needs the
// time step and the angles (Ascendant, Midheaven) first.
void ComputeAllPositions(ChartState& chart);

// True when a planet at `today` degrees stands at `nextDay` degrees one day
// later by moving backwards (across 0 Aries too); a stationary planet is not.
bool MovesBackwards(double today, double nextDay);

}  // namespace quaeryn
