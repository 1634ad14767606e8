// The texts of a zone: the "what was used" line under the zone box, the
// offset as people write it (UTC+2) and the zone box's number (hours,
// positive west).
#pragma once

#include <string>

#include "place/ZoneDatabase.h"

namespace quaeryn {

// "UTC+2", "UTC-5", "UTC+5:45", "UTC+0"; seconds when the offset has them,
// as local mean time does ("UTC-4:56:02").
std::string UtcOffsetText(int secondsWest);

// "standard time", "summer time", "local mean time".
std::string ZoneKindText(ZoneKind kind);

// "Europe/Paris, UTC+2, summer time"; without a zone name (a computer whose
// zone has none) "UTC+9, standard time".
std::string ZoneUsedLine(const std::string& zone, const ZoneOffset& offset);

// The zone box's text: hours, positive west, half and quarter hours as
// decimals ("-2", "5", "-5.75", "-10.5", "0"). Offsets that are not whole
// minutes (local mean time) keep four decimals at most ("4.9339").
std::string ZoneHoursText(int secondsWest);

}  // namespace quaeryn
