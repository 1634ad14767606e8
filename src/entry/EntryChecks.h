// The validation rules of the cast: the entries are checked as typed, one
// message per failed rule, every rule run. Each message names the fields
// that failed it and how ("minute: 60 is past 59"), so the window can put
// the focus on the first of them and the command line can print them. The
// cast, the command line and the name-file save of quaeryn-cli apply them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Prompt.h"
#include "entry/EventEntries.h"

namespace quaeryn {

// The entries of the Input Data window, in its order.
enum class EntryField {
    Name,
    Month,
    Day,
    Year,
    Hour,
    Minute,
    AmPm,
    Zone,
    LongDeg,
    LongMin,
    EastWest,
    LatDeg,
    LatMin,
    NorthSouth,
};

// How the messages name a field: "month", "time zone", "longitude degrees".
const char* EntryFieldName(EntryField field);

// A field that failed a rule, and the rule as the user reads it.
struct FieldFault {
    EntryField field;
    std::string rule;   // "60 is past 59"
    std::string label;  // the name the line gives, when not the field's own ("time" for --time)
    // "minute: 60 is past 59"
    std::string Line() const;
    bool operator==(const FieldFault&) const = default;
};
using EntryFaults = std::vector<FieldFault>;

// The lines of faults, one a line, as a message's detail.
std::string FaultLines(const EntryFaults& faults);

// An entry text as a fault line shows it: "empty" for an empty text, control
// characters as "?", and a long text cut short.
std::string ShownText(const std::string& text);

// True when a text holds a line break or any other control character (the
// Unicode line and paragraph separators and the next-line mark too, in
// UTF-8): such a name would split a header line or a name-file record.
bool HoldsControlCharacter(const std::string& text);

// The validation steps; each shows one message per failed rule, with the
// lines of the fields that failed it as the message's detail, adds those
// faults to `faults` when given, and returns true when a rule failed
// (InputError = 1). They never clear it.
//
// The three of the Input Data window: entries present and the zone's side,
// the latitude limit of the house systems that need it, the ranges.
bool CheckEntriesComplete(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults = nullptr);
bool CheckLatitudeLimit(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt,
                        EntryFaults* faults = nullptr);
bool CheckEntryRanges(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults = nullptr);
// The rules for what the window's key filters and choices keep out but a
// paste, a stored record or the command line can bring in, in this order:
// a name with a line break; a field with more than its key filter lets
// through (digits; the zone a number with "-" and "."), which refuses
// signs and fractions too; a day past the end of its month (the Julian
// calendar's leap years up to 1582, the Gregorian from 1583, as the time
// step counts them); a longitude past 180 degrees 00 minutes; a latitude
// past 90 degrees 00 minutes, in every house system.
bool CheckEntryTexts(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults = nullptr);

// ReportInputError: the entry-error message (with the lines of the fields
// that failed, when given).
void ReportInputError(UserPrompt& prompt, const EntryFaults& faults = {});

// Every check, always all of them; true when the entries are valid.
bool ValidateEntries(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt,
                     EntryFaults* faults = nullptr);
// The same without the latitude limit, which belongs to the house system
// of a cast: what a stored record must pass to be cast again.
bool ValidateEntriesToStore(const EventEntries& e, UserPrompt& prompt, EntryFaults* faults = nullptr);

// The field to put the focus on: the first failing one in the window's order.
std::optional<EntryField> FirstFailingField(const EntryFaults& faults);

}  // namespace quaeryn
