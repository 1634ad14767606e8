// The ASCII chart: the chart drawn in characters, 25 rows of 79, with the
// twelve cusps around a star-drawn outline and each body (Sun to Part of
// Fortune) written as «SU05Ari» into a slot of its house. It goes into the
// report buffer like any report.
#pragma once

#include <array>
#include <string>

#include "base/ChartState.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"
#include "wheel/WheelDrawing.h"

namespace quaeryn {

inline constexpr int kAsciiRows = 25;
inline constexpr int kAsciiColumns = 79;
using AsciiGrid = std::array<std::string, kAsciiRows>;

// The grid of a chart, given the wheel slot (0 to 6) of each body.
AsciiGrid DrawAsciiGrid(const ChartState& chart, const std::array<int, 16>& wheelSlot);

// WriteAsciiChart: the seven header lines (five blanks, then the entry) and
// the 25 rows of the grid, appended to the report buffer.
void WriteAsciiChart(const ChartState& chart, const WheelHeaderBlock& header, const std::array<int, 16>& wheelSlot,
                     ReportBuffer& out);

// The "AS&CII" command's report: a blank line, then the chart with the
// wheel's title block and the wheel slots of its placement.
void AsciiChartReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

}  // namespace quaeryn
