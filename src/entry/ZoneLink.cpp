#include "entry/ZoneLink.h"

#include "base/Numbers.h"
#include "entry/PlaceEntries.h"
#include "place/ZoneText.h"

namespace quaeryn {

namespace {

bool SameMoment(const LocalMoment& a, const LocalMoment& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute;
}

// The offset of the mean time of the entered longitude, as the zone box
// takes it (74 degrees 00 minutes West is 4.9333): with it the chart's
// universal time is the same whether the LMT box is ticked or not, so a
// name-file record, which keeps no LMT box, casts the same chart. Nothing
// when the longitude is not whole degrees and minutes within 180.
std::optional<std::string> MeanTimeZoneText(const EventEntries& e) {
    const auto digits = [](const std::string& t) { return t.size() <= 3 && AllDigits(t); };
    if (!digits(e.longDeg) || !digits(e.longMin)) return std::nullopt;
    const int minutes = std::stoi(e.longDeg) * 60 + std::stoi(e.longMin);
    if (minutes > 180 * 60 || std::stoi(e.longMin) > 59) return std::nullopt;
    // A minute of longitude is four seconds of time.
    return ZoneHoursText((e.east ? -4 : 4) * minutes);
}

}  // namespace

void ZoneLink::Wrote(const EventEntries& e) {
    holding_ = true;
    wroteTz_ = e.tz;
    wroteLmt_ = e.lmt;
}

void ZoneLink::Link(const std::string& zone, const EventEntries& e, RepeatedHour repeated) {
    Drop();
    if (zone.empty()) return;
    zone_ = zone;
    repeated_ = repeated;
    line_ = zone;
    Wrote(e);
}

void ZoneLink::LinkFilled(const std::string& zone, const EventEntries& e, std::string line,
                          RepeatedHour repeated) {
    Drop();
    if (zone.empty() && line.empty()) return;
    zone_ = zone;
    repeated_ = repeated;
    line_ = std::move(line);
    Wrote(e);
    settled_ = EntryMoment(e);
    settledFilled_ = settled_.has_value();
}

void ZoneLink::Drop() {
    zone_.clear();
    line_.clear();
    holding_ = false;
    settled_.reset();
    settledFilled_ = false;
}

bool ZoneLink::Holds(const EventEntries& e) const {
    return !holding_ || (e.tz == wroteTz_ && e.lmt == wroteLmt_);
}

bool ZoneLink::Refresh(const EventEntries& e) {
    if (Holds(e)) return false;
    Drop();
    return true;
}

ZoneLink::Outcome ZoneLink::Settle(EventEntries& e, UserPrompt& prompt, bool beforeCast) {
    Refresh(e);
    if (!linked()) return Outcome::Unlinked;
    const std::optional<LocalMoment> moment = EntryMoment(e);
    if (!moment) return Outcome::Waiting;
    if (settled_ && SameMoment(*settled_, *moment)) {
        if (settledFilled_) {
            // Local mean time follows a changed longitude.
            if (!e.lmt || e.longDeg + "/" + e.longMin + (e.east ? "E" : "W") == meanTimeLongitude_)
                return Outcome::Kept;
            FillMeanTime(e);
            return Outcome::Filled;
        }
        if (!beforeCast) return Outcome::Refused;
    }
    settled_ = moment;
    settledFilled_ = false;

    const bool available = zones_->Available();
    LocalTimeStatus status = LocalTimeStatus::UnknownZone;
    const std::optional<ZoneFill> fill = ZoneForEntries(*zones_, zone_, *moment, repeated_, prompt, &status);
    if (!fill) {
        const std::string when = MomentText(*moment);
        switch (status) {
            case LocalTimeStatus::Skipped:
                refusal_ = {EntryField::Hour, when + " did not occur in " + zone_, {}};
                line_ = zone_ + ": no " + when + ", the clocks skipped it";
                break;
            case LocalTimeStatus::Repeated:
                refusal_ = {EntryField::Hour, when + " occurs twice in " + zone_, {}};
                line_ = zone_ + ": " + when + " occurs twice";
                break;
            case LocalTimeStatus::InvalidMoment:
                settled_.reset();
                return Outcome::Waiting;
            case LocalTimeStatus::Unique:
            case LocalTimeStatus::UnknownZone:
                refusal_ = {EntryField::Zone,
                            available ? zone_ + " is not in the time-zone database"
                                      : "the time-zone database cannot be read",
                            {}};
                line_ = zone_ + (available ? ": not in the time-zone database" : ": no time-zone database");
                break;
        }
        return Outcome::Refused;
    }
    if (fill->use == ZoneFill::Use::Zone) {
        e.tz = ZoneHoursText(fill->offset.secondsWest);
        e.lmt = false;
        line_ = fill->line;
        Wrote(e);
    } else {
        e.lmt = true;
        line_ = fill->line;
        FillMeanTime(e);
    }
    settledFilled_ = true;
    return Outcome::Filled;
}

void ZoneLink::FillMeanTime(EventEntries& e) {
    if (const auto zone = MeanTimeZoneText(e)) e.tz = *zone;
    meanTimeLongitude_ = e.longDeg + "/" + e.longMin + (e.east ? "E" : "W");
    Wrote(e);
}

}  // namespace quaeryn
