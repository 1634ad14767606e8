// A place of the city database and a zone of the time-zone database as the
// Input Data entries take them: the moment the entries give, the
// coordinates and sides of a picked place, and the texts that name a place.
#pragma once

#include <optional>
#include <string>

#include "entry/EventEntries.h"
#include "place/PlaceEntry.h"
#include "place/Places.h"
#include "place/ZoneDatabase.h"

namespace quaeryn {

// The local date and time the entries give, on the 24-hour clock (12 with
// A.M. is 0 hours, as the cast counts it). Nothing unless the date, hour and
// minute are whole numbers typed as digits, the month 1 to 12, the day one
// of its month (the Julian calendar's leap years up to 1582), the hour 0 to
// 12 and the minute 0 to 59: the cast's own checks speak about the rest.
std::optional<LocalMoment> EntryMoment(const EventEntries& e);

// The place's longitude and latitude into the degree and minute boxes and
// their E/W and N/S choices. E/W is selected as the window selects it, by
// the time-zone sign rule (a changed side turns the zone's sign), so a zone
// written after this stays as written. False, with the entries unchanged,
// for coordinates out of range.
bool FillPlace(EventEntries& e, const Place& place);

// "Paris, Île-de-France, France": the name, its region (when it has one
// other than the name) and its country.
std::string PlaceText(const Place& place);

// A coordinate in the command line's forms: "48N52", "2E21", "73W58".
std::string AngleForm(const AngleEntry& angle);

// "Paris, Île-de-France, France; population 2138551; 48N52 2E21; Europe/Paris":
// a place as quaeryn-cli --places lists it.
std::string PlaceListLine(const Place& place);

}  // namespace quaeryn
