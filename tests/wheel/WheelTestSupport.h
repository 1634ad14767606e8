// Real casts, the shipped options and the shipped wheel tables for the
// wheel's tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/CastChart.h"
#include "base/AppData.h"
#include "base/Options.h"
#include "support/Entries.h"
#include "support/ScriptedPrompt.h"
#include "wheel/WheelTables.h"

namespace quaeryn::test {

inline Options ShippedOptions() {
    Options options;
    ReadOptions(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "OPTIONS.OPT", options);
    return options;
}

inline WheelTables ShippedWheelTables() {
    return CheckWheelTables(LoadDataFiles(AppDirectory(QUAERYN_SHIPPED_DATA_DIR))).tables;
}

// A cast of the New York entries on another day and hour.
inline ChartState CastNewYork(int day, int month, int year, int hour = 10, const std::string& house = "R",
                              bool pm = false) {
    EventEntries e = NewYorkEntries("Lost ring");
    e.day = std::to_string(day);
    e.month = std::to_string(month);
    e.year = std::to_string(year);
    e.hour = std::to_string(hour);
    e.pm = pm;
    ScriptedPrompt prompt;
    const Options options = ShippedOptions();
    auto chart = CastChart(e, house, options, RegionalFormats{}, prompt);
    return chart ? *chart : ChartState{};
}

}  // namespace quaeryn::test
