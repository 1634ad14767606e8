// The chart header written at the top of the default report and of the
// natal data report, and the cusp listing.
#pragma once

#include <string>

#include "base/ChartState.h"
#include "base/RegionalFormats.h"
#include "base/ReportBuffer.h"

namespace quaeryn {

// The report name of a house-system code ("Placidus" for "P" and any
// unknown code).
std::string HouseSystemName(const std::string& code);

// The date of the header: DateText read in the regional order and written
// "dd mmm yyyy"; a date that does not exist (31 February) is written as
// entered.
std::string HeaderDate(const ChartState& chart, const RegionalFormats& regional);

// WriteChartHeader: a blank line, the name, the date-time-place line and,
// with LMT, the standard-time line.
void WriteChartHeader(const ChartState& chart, const RegionalFormats& regional, ReportBuffer& out);

// The head most report commands write: a blank line, then two blanks and
// the chart's name.
void WriteNameHead(const ChartState& chart, ReportBuffer& out);

// WriteHouseCuspListing: the heading and four lines of three cusps.
void WriteHouseCuspListing(const ChartState& chart, ReportBuffer& out);

}  // namespace quaeryn
