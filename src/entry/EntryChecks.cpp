#include "entry/EntryChecks.h"

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
    void Fault(EntryField field, std::string rule) { faults_.push_back({field, std::move(rule)}); }
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

std::string FieldFault::Line() const { return std::string(EntryFieldName(field)) + ": " + rule; }

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

bool ValidateEntries(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt, EntryFaults* faults) {
    bool inputError = false;
    inputError |= CheckEntriesComplete(e, prompt, faults);
    inputError |= CheckLatitudeLimit(e, houseCode, prompt, faults);
    inputError |= CheckEntryRanges(e, prompt, faults);
    return !inputError;
}

bool ValidateEntriesToStore(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults) {
    bool inputError = false;
    inputError |= CheckEntriesComplete(e, prompt, faults);
    inputError |= CheckEntryRanges(e, prompt, faults);
    return !inputError;
}

std::optional<EntryField> FirstFailingField(const EntryFaults& faults) {
    std::optional<EntryField> first;
    for (const auto& f : faults)
        if (!first || f.field < *first) first = f.field;
    return first;
}

}  // namespace quaeryn
