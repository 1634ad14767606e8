// The twelve house cusps in the nine systems and the house of each body.
#pragma once

#include "base/ChartState.h"

namespace quaeryn {

// ComputeHouseCusps: Cusp[1..12] (display order: 1 is the 10th cusp) for
// chart.HouseSystemCode, from Ramc, the obliquity, the latitude and the
// angles of the time step.
void ComputeHouseCusps(ChartState& chart);

// PlaceBodiesInHouses: HousePositionText from Cusp and Longitude.
void PlaceBodiesInHouses(ChartState& chart);

}  // namespace quaeryn
