// The natal and supplementary reports: the natal data with the cusps and the
// fixed stars, the aspects to the solstice points, the natal aspect grid,
// the Arabian parts, the almutens and antiscions. Each body reads the chart
// as cast (the chart copies) and appends its lines; none computes a
// position of the event.
#pragma once

#include <string_view>

#include "base/ChartState.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"

namespace quaeryn {

// ---------------------------------------------------------------- natal data

// The cusp listing, the body table, the true node, the Moon's declination,
// the out-of-bounds bodies, the decanates and the fixed stars.
void NatalDataReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// The 74 fixed stars at the chart's year, each followed by its line of
// STARS.TXT (the heading by line 0).
void FixedStarsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// The keyword of the decanate (the ten-degree third of a sign) a longitude
// lies in; the longitude is folded into one turn first.
std::string_view DecanateKeyword(double longitude);

// A declination beyond 23°28' north or south.
inline constexpr double kOutOfBoundsLimit = 23.4666666666667;
bool IsOutOfBounds(double declination);

// ---------------------------------------------------------------- solstice points

struct SolsticeAspect {
    int aspect = 1;    // the aspect number of the vocabulary; 1: none
    double orb = 0;    // separation less the exact angle, rounded to tenths
};

// The aspect within one degree of a separation a (0 to 180) from a solstice
// point: conjunction, semi-sextile, semi-square, sextile, square, trine,
// sesquisquare, quincunx or opposition, window bounds included.
SolsticeAspect FindSolsticeAspect(double a);

// Every aspect within one degree between a body and another's solstice
// point, each pair once.
void SolsticePointAspects(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// ---------------------------------------------------------------- aspect grid

// The 15 x 15 grid: aspects by longitude above the diagonal (the option
// orbs of lines 1 to 15, the minor aspects switched by line 16), parallels
// and contra-parallels of declination below it, and the legend.
void NatalAspectGrid(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// ---------------------------------------------------------------- Arabian parts

// The 126 parts, two to a line, the note pointing to the formulas, and
// every contact of a part with a planet within the orbs of lines 118 to 123.
void ArabianPartsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// ---------------------------------------------------------------- almutens and antiscions

// The almuten of each cusp's degree, from the day or night tables.
void AlmutenTable(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

// Each body's antiscion and contrantiscion, then every body on another's
// (or its own) antiscion or contrantiscion within one degree.
void AntiscionTable(const ChartState& chart, const ReportContext& context, ReportBuffer& out);

}  // namespace quaeryn
