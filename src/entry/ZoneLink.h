// The zone box linked to a zone of the time-zone database: after a place is
// picked (or "NOW" took the computer's named zone), the zone box follows
// that zone for the date and time entered. Whenever the moment is settled
// (the window: on leaving a date or time field, on A.M./P.M., before a cast
// or a save; the command line: before the cast) the link fills the zone box
// with the zone's offset at that moment, or, for a date before the zone had
// standard time, ticks the LMT box and fills the zone box with the mean time
// of the entered longitude (so that a name-file record, which keeps no LMT
// box, casts the same chart), and the hard moments speak through the
// prompt. Anything else that changes the zone box or the LMT box (typing
// into it, the E/W sign rule, a stored record, the Time Zones window) drops
// the link: the box is the user's again.
#pragma once

#include <optional>
#include <string>

#include "base/Prompt.h"
#include "entry/EntryChecks.h"
#include "entry/EventEntries.h"
#include "place/ZoneChoice.h"
#include "place/ZoneDatabase.h"

namespace quaeryn {

class ZoneLink {
public:
    explicit ZoneLink(const ZoneDatabase& zones = SystemZoneDatabase()) : zones_(&zones) {}

    // The zone box follows `zone` from now on; nothing is filled until the
    // moment is settled. A repeated hour is taken as `repeated` says.
    void Link(const std::string& zone, const EventEntries& e, RepeatedHour repeated = RepeatedHour::Ask);
    // The zone box already holds the zone's offset for the entries' moment
    // ("NOW" wrote it) and the line says so. An empty zone (a computer whose
    // zone has no name) links nothing but keeps the line while the zone box
    // holds what was written.
    void LinkFilled(const std::string& zone, const EventEntries& e, std::string line,
                    RepeatedHour repeated = RepeatedHour::Ask);
    // The zone box is the user's again; the line goes.
    void Drop();

    bool linked() const { return !zone_.empty(); }
    const std::string& zone() const { return zone_; }
    // The line under the zone box: what was used ("Europe/Paris, UTC+2,
    // summer time"), or why nothing was; empty without a link.
    const std::string& line() const { return line_; }

    // True while the zone box and the LMT box hold what the link last wrote
    // (or held when the link was made).
    bool Holds(const EventEntries& e) const;
    // Drops the link when the entries no longer hold what it wrote; true
    // when it was dropped.
    bool Refresh(const EventEntries& e);

    enum class Outcome {
        Unlinked,  // no link (or it was just dropped): nothing to do
        Waiting,   // the entries give no moment yet: nothing filled
        Kept,      // the moment was settled before: nothing changed
        Filled,    // the zone box (or the LMT box) was filled
        Refused,   // the zone has no answer for the moment, after its message
    };
    // Settles the moment the entries give. A moment settled before is not
    // asked about again; with `beforeCast` a refused one is, so that the
    // cast (or the save) is refused with its message.
    Outcome Settle(EventEntries& e, UserPrompt& prompt, bool beforeCast);
    // After Refused: the field to correct and why ("hour: 2.30 A.M. on 14
    // Mar 2021 did not occur in America/New_York").
    const FieldFault& refusal() const { return refusal_; }

private:
    void Wrote(const EventEntries& e);
    // The LMT box is ticked: the zone box takes the mean time of the
    // entered longitude.
    void FillMeanTime(EventEntries& e);

    const ZoneDatabase* zones_;
    std::string zone_;
    std::string line_;
    RepeatedHour repeated_ = RepeatedHour::Ask;
    bool holding_ = false;  // a line or a link is kept for what was written
    std::string wroteTz_;
    bool wroteLmt_ = false;
    std::optional<LocalMoment> settled_;
    bool settledFilled_ = false;
    std::string meanTimeLongitude_;  // the longitude of the last mean-time fill
    FieldFault refusal_{EntryField::Zone, {}, {}};
};

}  // namespace quaeryn
