#include "entry/InputRules.h"

#include <cmath>

#include "base/Messages.h"
#include "base/Numbers.h"

namespace quaeryn {

namespace {

// A number as a text box shows it: no leading blank.
template <typename Number>
std::string ShortNumber(Number v) {
    std::string t = NumberText(v);
    if (!t.empty() && t.front() == ' ') t.erase(t.begin());
    return t;
}

}  // namespace

bool NormalizeHour(EventEntries& e, UserPrompt& prompt) {
    // The rewrite changes the text again; the second pass finds 1 to 12.
    for (int pass = 0; pass < 3; ++pass) {
        if (e.hour.empty()) {
            prompt.notify(msg::HourEmpty());
            return false;
        }
        // Pasted text is not filtered: "5abc" is no hour.
        if (!IsNumberText(e.hour)) {
            prompt.notify(msg::HourNotNumber());
            return false;
        }
        const double n = NumericValue(e.hour);
        if (n == 0) {
            e.hour = "12";
            continue;
        }
        if (n > 12) {
            e.pm = true;
            std::string t = NumberText(n - 12);
            if (!t.empty() && t.front() == ' ') t.erase(t.begin());
            e.hour = t;
            continue;
        }
        return true;
    }
    return true;
}

void SelectEast(EventEntries& e, bool east, bool userClick) {
    const bool changes = e.east != east;
    e.east = east;
    if (!changes && !userClick) return;
    if (!IsNumberText(e.tz)) return;  // nothing to convert: the field stays
    const double zone = std::fabs(NumericValue(e.tz));
    e.tz = NumberText(east ? -zone : zone);
}

void RefreshPresentTime(EventEntries& e, const PresentMoment& now, UserPrompt& prompt) {
    const LocalDateTime& t = now.local;
    e.month = std::to_string(t.month);
    e.day = std::to_string(t.day);
    e.year = std::to_string(t.year);
    e.pm = false;
    if (t.hour >= 12) e.pm = true;
    e.hour = std::to_string(t.hour);
    NormalizeHour(e, prompt);
    e.minute = std::to_string(t.minute);
    // The time is the computer's, so the zone is too.
    e.tz = ShortNumber(now.zoneHours);
}

void FillPresentMoment(EventEntries& e, const PresentMoment& now, const Options& options,
                       UserPrompt& prompt) {
    e.name = "Now";
    e.longDeg = ShortNumber(options[19]);
    e.longMin = ShortNumber(options[20]);
    e.latDeg = ShortNumber(options[22]);
    e.latMin = ShortNumber(options[23]);
    // The side is chosen without the sign rule: the zone written below is
    // the computer's, whichever side the default place lies on.
    e.east = options[21] != 0.0f;
    e.south = options[24] != 0.0f;
    e.lmt = false;
    RefreshPresentTime(e, now, prompt);
}

bool AcceptsDigitKey(char key) { return (key >= '0' && key <= '9') || key == 8; }
bool AcceptsZoneKey(char key) { return AcceptsDigitKey(key) || key == '-' || key == '.'; }

}  // namespace quaeryn
