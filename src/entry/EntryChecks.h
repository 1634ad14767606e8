// The validation rules of the cast: the entries are checked as typed, one
// message per failed rule, every rule run. The cast, the command line and
// the name-file save of quaeryn-cli apply them.
#pragma once

#include <string>

#include "base/Prompt.h"
#include "entry/EventEntries.h"

namespace quaeryn {

// The three validation steps; each shows one message per failed rule and
// returns true when one failed (InputError = 1). They never clear it.
bool CheckEntriesComplete(const EventEntries& e, UserPrompt& prompt);
bool CheckLatitudeLimit(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt);
bool CheckEntryRanges(const EventEntries& e, UserPrompt& prompt);
// ReportInputError: the entry-error message.
void ReportInputError(UserPrompt& prompt);

// All three checks, always all of them; true when the entries are valid.
bool ValidateEntries(const EventEntries& e, const std::string& houseCode, UserPrompt& prompt);

}  // namespace quaeryn
