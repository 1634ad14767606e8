// The zone of a local moment for the entries, with the hard moments spoken
// through the prompt: a time the clocks skipped is refused; a time they
// showed twice is asked about (or taken as the caller chose, or refused); a
// date before the zone had standard time gives the zone's local mean time,
// and the caller ticks the LMT box instead of filling the zone.
#pragma once

#include <optional>
#include <string>

#include "base/Prompt.h"
#include "place/ZoneDatabase.h"

namespace quaeryn {

// What to do with a time the clocks showed twice.
enum class RepeatedHour {
    Ask,      // ask through the prompt: Yes is the first one, No the second
    Earlier,  // the first one (summer time, when summer time ended)
    Later,    // the second one (standard time)
    Refuse,   // refuse with a message that asks for a choice
};

struct ZoneFill {
    enum class Use {
        Zone,           // fill the zone box with offset.hoursWest()
        LocalMeanTime,  // tick the LMT box; the zone box is not filled
    };
    Use use = Use::Zone;
    ZoneOffset offset;
    std::string line;  // "Europe/Paris, UTC+2, summer time"; "America/New_York, local mean time (LMT)"
};

// Nothing when the zone is unknown, the time was skipped, or a repeated
// time was refused, each after its message; and, without a message, when
// the moment is not a date and time at all (the entries' own checks speak
// about those). `status`, when given, receives what the database said of
// the moment (UnknownZone when the database cannot be read).
std::optional<ZoneFill> ZoneForEntries(const ZoneDatabase& zones, const std::string& zone,
                                       const LocalMoment& moment, RepeatedHour repeated,
                                       UserPrompt& prompt, LocalTimeStatus* status = nullptr);

// "2.30 A.M. on 14 Mar 2021": the clock and date of a moment in messages.
std::string MomentText(const LocalMoment& moment);

}  // namespace quaeryn
