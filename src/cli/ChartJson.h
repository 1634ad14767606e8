// The chart state as one JSON object with the program's own field names
// (quaeryn-cli --json).
#pragma once

#include <nlohmann/json.hpp>

#include "base/ChartState.h"

namespace quaeryn {

nlohmann::json ChartJson(const ChartState& chart);

}  // namespace quaeryn
