#include "entry/EntryChecks.h"

#include <array>

#include "astro/TimeScales.h"
#include "base/Messages.h"
#include "base/Numbers.h"

namespace quaeryn {

namespace {

double Value(const std::string& text) { return NumericValue(text); }

// The text and what is wrong with it; an empty text is just "empty".
std::string Said(const std::string& text, const std::string& predicate) {
    return text.empty() ? "empty" : ShownText(text) + " " + predicate;
}

// One rule: the faults of its fields, then its message once when there is
// one, with their lines.
class Rule {
public:
    Rule(UserPrompt& prompt, EntryFaults* all, bool& failed) : prompt_(prompt), all_(all), failed_(failed) {}
    void Fault(EntryField field, std::string rule) { faults_.push_back({field, std::move(rule), {}}); }
    // True when the rule failed.
    bool Report(PromptMessage message) {
        if (faults_.empty()) return false;
        message.detail = FaultLines(faults_);
        prompt_.notify(message);
        if (all_) all_->insert(all_->end(), faults_.begin(), faults_.end());
        faults_.clear();
        failed_ = true;
        return true;
    }
    bool ReportInputError() { return Report(msg::InputError()); }

private:
    UserPrompt& prompt_;
    EntryFaults* all_;
    bool& failed_;
    EntryFaults faults_;
};

struct DigitField {
    EntryField field;
    const std::string EventEntries::*text;
};
constexpr std::array<DigitField, 9> kDigitFields = {{
    {EntryField::Month, &EventEntries::month},
    {EntryField::Day, &EventEntries::day},
    {EntryField::Year, &EventEntries::year},
    {EntryField::Hour, &EventEntries::hour},
    {EntryField::Minute, &EventEntries::minute},
    {EntryField::LongDeg, &EventEntries::longDeg},
    {EntryField::LongMin, &EventEntries::longMin},
    {EntryField::LatDeg, &EventEntries::latDeg},
    {EntryField::LatMin, &EventEntries::latMin},
}};

// The zone as its key filter lets it be typed: digits with a "-" before
// them and one "." among them. Blanks around it are allowed, since the
// window's own sign rule writes the number with a leading blank.
bool IsZoneText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t digits = 0, points = 0;
    for (; i < text.size() && text[i] != ' '; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && points++ == 0)
            continue;
        else
            return false;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    return digits > 0 && i == text.size();
}

const char* MonthName(int month) {
    static constexpr std::array<const char*, 12> kNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};
    return kNames[static_cast<std::size_t>(month - 1)];
}

}  // namespace

const char* EntryFieldName(EntryField field) {
    switch (field) {
        case EntryField::Name: return "name";
        case EntryField::Month: return "month";
        case EntryField::Day: return "day";
        case EntryField::Year: return "year";
        case EntryField::Hour: return "hour";
        case EntryField::Minute: return "minute";
        case EntryField::AmPm: return "A.M./P.M.";
        case EntryField::Zone: return "time zone";
        case EntryField::LongDeg: return "longitude degrees";
        case EntryField::LongMin: return "longitude minutes";
        case EntryField::EastWest: return "E/W";
        case EntryField::LatDeg: return "latitude degrees";
        case EntryField::LatMin: return "latitude minutes";
        case EntryField::NorthSouth: return "N/S";
    }
    return "";
}

std::string FieldFault::Line() const {
    return (label.empty() ? std::string(EntryFieldName(field)) : label) + ": " + rule;
}

std::string FaultLines(const EntryFaults& faults) {
    std::string lines;
    for (const auto& f : faults) {
        if (!lines.empty()) lines += "\n";
        lines += f.Line();
    }
    return lines;
}

std::string ShownText(const std::string& text) {
    if (text.empty()) return "empty";
    constexpr std::size_t kLongest = 24;
    std::string shown;
    for (char c : text.substr(0, kLongest)) {
        const auto u = static_cast<unsigned char>(c);
        shown += (u < 0x20 || u == 0x7f) ? '?' : c;
    }
    if (text.size() > kLongest) shown += "...";
    return shown;
}

bool HoldsControlCharacter(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f) return true;
        if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x85) return true;
        if (c == 0xe2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            (static_cast<unsigned char>(text[i + 2]) == 0xa8 || static_cast<unsigned char>(text[i + 2]) == 0xa9))
            return true;
    }
    return false;
}

void ReportInputError(UserPrompt& prompt, const EntryFaults& faults) {
    PromptMessage message = msg::InputError();
    message.detail = FaultLines(faults);
    prompt.notify(message);
}

bool CheckEntriesComplete(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults) {
    bool failed = false;
    Rule rule(prompt, faults, failed);
    // 1. A date field whose value is 0 (an empty one too).
    struct DateField {
        EntryField field;
        const std::string& text;
        const char* noun;
    };
    for (const DateField& d : {DateField{EntryField::Month, e.month, "month"}, DateField{EntryField::Day, e.day, "day"},
                               DateField{EntryField::Year, e.year, "year"}})
        if (Value(d.text) == 0) rule.Fault(d.field, Said(d.text, std::string("is no ") + d.noun));
    rule.ReportInputError();
    // 2 to 5. Empty fields.
    auto empties = [&](std::initializer_list<std::pair<EntryField, const std::string*>> fields) {
        for (auto [field, text] : fields)
            if (text->empty()) rule.Fault(field, "empty");
        rule.ReportInputError();
    };
    empties({{EntryField::Month, &e.month}, {EntryField::Day, &e.day}, {EntryField::Year, &e.year}});
    empties({{EntryField::Hour, &e.hour}, {EntryField::Minute, &e.minute}, {EntryField::Zone, &e.tz}});
    empties({{EntryField::LongDeg, &e.longDeg}, {EntryField::LongMin, &e.longMin}});
    empties({{EntryField::LatDeg, &e.latDeg}, {EntryField::LatMin, &e.latMin}});
    // 6. A west longitude needs a zone of -2 or more (zones are positive west).
    if (Value(e.tz) < -2 && !e.east) rule.Fault(EntryField::Zone, Said(e.tz, "is below -2 with W chosen"));
    rule.ReportInputError();
    return failed;
}

bool CheckLatitudeLimit(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt,
                        EntryFaults* faults) {
    if (houseCode == "M" || houseCode == "I") return false;
    bool failed = false;
    Rule rule(prompt, faults, failed);
    const double deg = Value(e.latDeg);
    if (deg > 66)
        rule.Fault(EntryField::LatDeg, Said(e.latDeg, "is past 66 in this house system"));
    else if (deg == 66 && Value(e.latMin) > 0)
        rule.Fault(EntryField::LatMin, Said(e.latMin, "is past 66 degrees 00 minutes in this house system"));
    return rule.Report(msg::LatitudeTooHigh());
}

bool CheckEntryRanges(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults) {
    bool failed = false;
    Rule rule(prompt, faults, failed);
    auto past = [&](EntryField field, const std::string& text, double limit, const char* shown) {
        if (Value(text) > limit) rule.Fault(field, Said(text, std::string("is past ") + shown));
    };
    auto below = [&](EntryField field, const std::string& text, double limit, const char* shown) {
        if (Value(text) < limit) rule.Fault(field, Said(text, std::string("is below ") + shown));
    };
    past(EntryField::Month, e.month, 12, "12");
    past(EntryField::Day, e.day, 31, "31");
    past(EntryField::Year, e.year, 2099, "2099");
    rule.ReportInputError();
    // The clock is a 12-hour clock with A.M./P.M.
    past(EntryField::Hour, e.hour, 12, "12");
    past(EntryField::Minute, e.minute, 59, "59");
    rule.ReportInputError();
    past(EntryField::Zone, e.tz, 12, "12");
    below(EntryField::Zone, e.tz, -13, "-13");
    rule.ReportInputError();
    past(EntryField::LongDeg, e.longDeg, 180, "180");
    past(EntryField::LongMin, e.longMin, 59, "59");
    rule.ReportInputError();
    past(EntryField::LatMin, e.latMin, 59, "59");
    rule.ReportInputError();
    below(EntryField::Year, e.year, 100, "100");
    rule.ReportInputError();
    return failed;
}

bool CheckEntryTexts(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults) {
    bool failed = false;
    Rule rule(prompt, faults, failed);

    // A line break would split the header's name line.
    if (HoldsControlCharacter(e.name)) rule.Fault(EntryField::Name, "holds a line break or control character");
    rule.Report(msg::NameLineBreak());

    // What the key filters keep out: anything but digits, and in the zone
    // anything but a number made of digits, "-" and ".".
    for (const auto& [field, member] : kDigitFields) {
        const std::string& text = e.*member;
        if (text.empty() || AllDigits(text)) continue;
        rule.Fault(field, Said(text, IsNumberText(text) && Value(text) < 0 ? "is negative" : "is not a whole number"));
    }
    if (!e.tz.empty() && !IsZoneText(e.tz)) rule.Fault(EntryField::Zone, Said(e.tz, "is not a number of hours"));
    rule.Report(msg::EntryNotNumber());

    // A day past the end of its month, for a date the other rules let pass.
    if (AllDigits(e.month) && AllDigits(e.day) && AllDigits(e.year)) {
        const double month = Value(e.month), day = Value(e.day), year = Value(e.year);
        if (month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 100 && year <= 2099) {
            const int m = static_cast<int>(month), y = static_cast<int>(year);
            const int last = DaysInMonth(m, y);
            if (day > last)
                rule.Fault(EntryField::Day, ShownText(e.day) + " is past " + std::to_string(last) +
                                                ", the last day of " + MonthName(m) + " " + std::to_string(y));
        }
    }
    rule.Report(msg::DayPastMonthEnd());

    if (Value(e.longDeg) == 180 && Value(e.longMin) > 0)
        rule.Fault(EntryField::LongMin, Said(e.longMin, "is past 180 degrees 00 minutes"));
    rule.Report(msg::LongitudePast180());

    if (Value(e.latDeg) > 90)
        rule.Fault(EntryField::LatDeg, Said(e.latDeg, "is past 90"));
    else if (Value(e.latDeg) == 90 && Value(e.latMin) > 0)
        rule.Fault(EntryField::LatMin, Said(e.latMin, "is past 90 degrees 00 minutes"));
    rule.Report(msg::LatitudePast90());
    return failed;
}

bool ValidateEntries(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt, EntryFaults* faults) {
    bool inputError = false;
    inputError |= CheckEntriesComplete(e, prompt, faults);
    inputError |= CheckLatitudeLimit(e, houseCode, prompt, faults);
    inputError |= CheckEntryRanges(e, prompt, faults);
    inputError |= CheckEntryTexts(e, prompt, faults);
    return !inputError;
}

bool ValidateEntriesToStore(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults) {
    bool inputError = false;
    inputError |= CheckEntriesComplete(e, prompt, faults);
    inputError |= CheckEntryRanges(e, prompt, faults);
    inputError |= CheckEntryTexts(e, prompt, faults);
    return !inputError;
}

std::optional<EntryField> FirstFailingField(const EntryFaults& faults) {
    std::optional<EntryField> first;
    for (const auto& f : faults)
        if (!first || f.field < *first) first = f.field;
    return first;
}

}  // namespace quaeryn
