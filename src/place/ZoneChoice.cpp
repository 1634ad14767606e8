#include "place/ZoneChoice.h"

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "place/ZoneText.h"

namespace quaeryn {

namespace {

std::string ClockText(int hour, int minute) {
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(h12) + "." + (minute < 10 ? "0" : "") + std::to_string(minute) +
           (hour < 12 ? " A.M." : " P.M.");
}

// "summer time (UTC-4)".
std::string Reading(const ZoneOffset& offset) {
    return ZoneKindText(offset.kind) + " (" + UtcOffsetText(offset.secondsWest) + ")";
}

// The wall-clock time an instant shows under an offset, with its date when
// that is not the moment's own.
std::string ClockAt(std::int64_t utcSeconds, const ZoneOffset& offset, const LocalMoment& moment) {
    const LocalDateTime t = CivilTimeAt(utcSeconds, -offset.secondsWest);
    std::string text = ClockText(t.hour, t.minute);
    if (t.year != moment.year || t.month != moment.month || t.day != moment.day)
        text += " on " + FormatDate(t.day, t.month, t.year);
    return text;
}

// Why the clocks jumped, with the offsets before and after:
// "summer time began (UTC-5 to UTC-4)".
std::string ChangeReason(const ZoneOffset& before, const ZoneOffset& after) {
    std::string reason;
    if (before.kind == ZoneKind::LocalMeanTime)
        reason = "standard time began";
    else if (after.kind == ZoneKind::Summer && before.kind != ZoneKind::Summer)
        reason = "summer time began";
    else if (before.kind == ZoneKind::Summer && after.kind != ZoneKind::Summer)
        reason = "summer time ended";
    else
        reason = "the zone changed";
    return reason + " (" + UtcOffsetText(before.secondsWest) + " to " +
           UtcOffsetText(after.secondsWest) + ")";
}

// "at 2.00 A.M. the clocks went forward to 3.00 A.M., as summer time began
// (UTC-5 to UTC-4)".
std::string ChangeText(const LocalTimeAnswer& answer, const LocalMoment& moment) {
    const bool forward = answer.status == LocalTimeStatus::Skipped;
    return "at " + ClockAt(answer.changeUtc, answer.earlier, moment) + " the clocks went " +
           (forward ? "forward" : "back") + " to " + ClockAt(answer.changeUtc, answer.later, moment) +
           ", as " + ChangeReason(answer.earlier, answer.later);
}

ZoneFill Fill(const std::string& zone, const ZoneOffset& offset) {
    ZoneFill fill;
    fill.use = offset.kind == ZoneKind::LocalMeanTime ? ZoneFill::Use::LocalMeanTime
                                                       : ZoneFill::Use::Zone;
    fill.offset = offset;
    // Local mean time is taken at the entered longitude, not at the zone's
    // city, so the line gives no offset for it.
    fill.line = fill.use == ZoneFill::Use::LocalMeanTime ? zone + ", local mean time (LMT)"
                                                          : ZoneUsedLine(zone, offset);
    return fill;
}

}  // namespace

std::string MomentText(const LocalMoment& moment) {
    return ClockText(moment.hour, moment.minute) + " on " +
           FormatDate(moment.day, moment.month, moment.year);
}

std::optional<ZoneFill> ZoneForEntries(const ZoneDatabase& zones, const std::string& zone,
                                       const LocalMoment& moment, RepeatedHour repeated,
                                       UserPrompt& prompt, LocalTimeStatus* status) {
    if (status) *status = LocalTimeStatus::UnknownZone;
    if (!zones.Available()) {
        prompt.notify(msg::ZoneDatabaseMissing());
        return std::nullopt;
    }
    const LocalTimeAnswer answer = zones.AtLocalTime(zone, moment);
    if (status) *status = answer.status;
    ZoneOffset chosen = answer.offset();
    switch (answer.status) {
        case LocalTimeStatus::UnknownZone:
            prompt.notify(msg::ZoneUnknown(zone));
            return std::nullopt;
        case LocalTimeStatus::InvalidMoment:
            return std::nullopt;
        case LocalTimeStatus::Unique:
            break;
        case LocalTimeStatus::Skipped:
            prompt.notify(msg::LocalTimeSkipped(zone, MomentText(moment), ChangeText(answer, moment)));
            return std::nullopt;
        case LocalTimeStatus::Repeated: {
            const std::string when = MomentText(moment);
            const std::string first = Reading(answer.earlier);
            const std::string second = Reading(answer.later);
            bool takeFirst = false;
            switch (repeated) {
                case RepeatedHour::Earlier:
                    takeFirst = true;
                    break;
                case RepeatedHour::Later:
                    break;
                case RepeatedHour::Refuse:
                    prompt.notify(msg::LocalTimeRepeatedUnchosen(zone, when, first, second));
                    return std::nullopt;
                case RepeatedHour::Ask:
                    takeFirst = prompt.ask(msg::LocalTimeRepeated(zone, when, first, second,
                                                                  ChangeText(answer, moment))) ==
                                PromptAnswer::Yes;
                    break;
            }
            chosen = takeFirst ? answer.earlier : answer.later;
            break;
        }
    }
    if (chosen.kind == ZoneKind::LocalMeanTime) {
        prompt.notify(msg::LocalMeanTimeUsed(zone, FormatDate(moment.day, moment.month, moment.year),
                                             UtcOffsetText(chosen.secondsWest)));
    }
    return Fill(zone, chosen);
}

}  // namespace quaeryn
