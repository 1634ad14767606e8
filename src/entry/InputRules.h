// The rules of the Input Data window that change its entries: the present
// moment with the default place, the hour normalisation and the time-zone
// sign rule. The window and quaeryn-cli both apply them to EventEntries.
#pragma once

#include <string>

#include "base/ZoneSource.h"
#include "base/Options.h"
#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "entry/EventEntries.h"

namespace quaeryn {

// The hour normalisation, run on every change of the hour text: an empty
// text shows "Please fill in a value for birth hour."; 0 becomes 12; above
// 12 selects P.M. and subtracts 12; a text that is not a number shows "You
// are typing too fast. Please slow down." and returns false (the window
// then selects the whole text). True when the text is a number.
bool NormalizeHour(EventEntries& e, UserPrompt& prompt);

// The time-zone sign rule: selecting East makes the zone -|zone|, selecting
// West makes it |zone|, in the plain number-to-text form. Only when the
// selection changes (or when the user clicks); a zone that is not a number
// stays as it is.
void SelectEast(EventEntries& e, bool east, bool userClick = false);

// "NOW": the name "Now", the computer's present date and time (the hour
// normalised) with its zone's offset at this instant in the zone box, and
// the default place of options 19 to 24. The zone is the computer's, not
// option 18: the clock's time is read in it. The LMT box is cleared, since
// the computer's clock keeps zone time.
void FillPresentMoment(EventEntries& e, const PresentMoment& now, const Options& options,
                       UserPrompt& prompt);

// Only the date, the time and the zone from the present moment (the Input
// command for a chart named "Now"); the place fields keep their values.
void RefreshPresentTime(EventEntries& e, const PresentMoment& now, UserPrompt& prompt);

// The key filters: true when the key may be typed into the field.
bool AcceptsDigitKey(char key);
bool AcceptsZoneKey(char key);

}  // namespace quaeryn
