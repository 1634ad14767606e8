// The horary reports: the Horary Basics judgement and the blocks of the
// composite default report, the horary aspects, the other degrees.
#pragma once

#include <string>

#include "base/ChartState.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"

namespace quaeryn {

// The Horary Basics report: planetary day and hour, strictures, the dignity
// table with strengths, the conditions, the fixed stars, "Planets' Strengths:".
void HoraryBasicsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// The nodes, the six parts, the Moon's aspects by sign and within orb, the
// Moon's declination.
void NodesPartsAndMoonBlock(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// An empty line, then the Moon's declination now and one day later (the
// last lines of the block above).
void WriteMoonDeclinationLines(const ChartState& chart, ReportBuffer& out);

// Every aspect between every two bodies (menu "Horary As&pects").
void HoraryAspectsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// The critical-degrees line and the degree strip closing the default report.
void CriticalDegreesTable(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// Menu "&Other Degrees and Dwads".
void OtherDegreesReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

struct PlanetaryDayHour {
    bool found = false;    // sunrise and sunset were both found
    std::string dayText;   // 11 characters, "Sun day    "
    std::string hourText;  // 12 characters, "Mars hour   "
};

// The ruler of the day and of the hour of the event (sunrise and sunset
// searches; their warnings go through the context's prompt). When either
// search fails neither ruler is known.
PlanetaryDayHour PlanetaryDayAndHour(const ChartState& chart, const ReportContext& context);

}  // namespace quaeryn
