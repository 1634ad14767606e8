// The cast pipeline: validation of the entries (entry/EntryChecks), parsing
// into the chart record, and the engine's steps.
#pragma once

#include <optional>
#include <string>

#include "base/ChartState.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "entry/EntryChecks.h"
#include "entry/EventEntries.h"

namespace quaeryn {

// ParseEntries: the event fields from the entries. False when a value does
// not fit its field (a day or month beyond 16 bits); the chart is then not
// to be used.
bool ParseEntries(const EventEntries& e, const RegionalFormats& regional, ChartState& chart);

// ComputeAntiscion: the mirror of a longitude across the Cancer-Capricorn
// axis; 0 degrees of a sign gives the end of the mirrored sign.
double ComputeAntiscion(double longitude);

// A longitude difference over one day brought into -180 to 180.
double FoldDailyMotion(double difference);

// The Part of Fortune (body 13) from the Sun, Moon and Ascendant: option 191
// = 0 always the day formula (Moon + Ascendant - Sun), 1 always the night
// formula (Sun + Ascendant - Moon), any other value the night formula when
// the Sun is below the horizon (from the Ascendant on to the Descendant).
void ApplyPartOfFortune(ChartState& chart, float option191);

// The house-system code of a checked menu entry; "P" for anything unknown.
std::string NormalizeHouseCode(const std::string& code);

// CastChart: validates (one message per failed rule, naming its fields)
// and, when the entries pass, computes the new chart. Nothing when
// validation fails or the computation breaks down (with its message); the
// caller's chart is then untouched. The fields that failed go into
// `faults` when given.
std::optional<ChartState> CastChart(const EventEntries& entries, const std::string& houseCode,
                                    const Options& options, const RegionalFormats& regional,
                                    UserPrompt& prompt, EntryFaults* faults = nullptr);

// True when every number of the chart is finite.
bool ChartIsFinite(const ChartState& chart);

}  // namespace quaeryn
