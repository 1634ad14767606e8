#include "entry/EntryChecks.h"

#include "base/Messages.h"
#include "base/Numbers.h"

namespace quaeryn {

namespace {

double Value(const std::string& text) { return NumericValue(text); }

}  // namespace

void ReportInputError(UserPrompt& prompt) { prompt.notify(msg::InputError()); }

bool CheckEntriesComplete(const EventEntries& e, UserPrompt& prompt) {
    bool failed = false;
    auto rule = [&](bool fails) {
        if (fails) {
            ReportInputError(prompt);
            failed = true;
        }
    };
    rule(Value(e.month) == 0 || Value(e.day) == 0 || Value(e.year) == 0);
    rule(e.month.empty() || e.day.empty() || e.year.empty());
    rule(e.hour.empty() || e.minute.empty() || e.tz.empty());
    rule(e.longDeg.empty() || e.longMin.empty());
    rule(e.latDeg.empty() || e.latMin.empty());
    rule(Value(e.tz) < -2 && !e.east);
    return failed;
}

bool CheckLatitudeLimit(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt) {
    if (houseCode == "M" || houseCode == "I") return false;
    const double deg = Value(e.latDeg);
    if (deg > 66 || (deg == 66 && Value(e.latMin) > 0)) {
        prompt.notify(msg::LatitudeTooHigh());
        return true;
    }
    return false;
}

bool CheckEntryRanges(const EventEntries& e, UserPrompt& prompt) {
    bool failed = false;
    auto rule = [&](bool fails) {
        if (fails) {
            ReportInputError(prompt);
            failed = true;
        }
    };
    rule(Value(e.month) > 12 || Value(e.day) > 31 || Value(e.year) > 2099);
    rule(Value(e.hour) > 12 || Value(e.minute) > 59);
    rule(Value(e.tz) > 12 || Value(e.tz) < -13);
    rule(Value(e.longDeg) > 180 || Value(e.longMin) > 59);
    rule(Value(e.latMin) > 59);
    rule(Value(e.year) < 100);
    return failed;
}

bool ValidateEntries(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt) {
    bool inputError = false;
    inputError |= CheckEntriesComplete(e, prompt);
    inputError |= CheckLatitudeLimit(e, houseCode, prompt);
    inputError |= CheckEntryRanges(e, prompt);
    return !inputError;
}

}  // namespace quaeryn
