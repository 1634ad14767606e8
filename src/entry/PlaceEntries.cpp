#include "entry/PlaceEntries.h"

#include "astro/TimeScales.h"
#include "base/Numbers.h"
#include "entry/InputRules.h"

namespace quaeryn {

namespace {

// A whole number typed as digits (at most six of them), or nothing.
std::optional<int> Digits(const std::string& text) {
    if (text.size() > 6 || !AllDigits(text)) return std::nullopt;
    return std::stoi(text);
}

}  // namespace

std::optional<LocalMoment> EntryMoment(const EventEntries& e) {
    const auto month = Digits(e.month), day = Digits(e.day), year = Digits(e.year);
    const auto hour = Digits(e.hour), minute = Digits(e.minute);
    if (!month || !day || !year || !hour || !minute) return std::nullopt;
    if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*month, *year)) return std::nullopt;
    if (*hour > 12 || *minute > 59) return std::nullopt;
    return LocalMoment{*year, *month, *day, *hour % 12 + (e.pm ? 12 : 0), *minute};
}

bool FillPlace(EventEntries& e, const Place& place) {
    const auto longitude = LongitudeEntry(place.longitudeEast);
    const auto latitude = LatitudeEntry(place.latitudeNorth);
    if (!longitude || !latitude) return false;
    e.longDeg = std::to_string(longitude->degrees);
    e.longMin = std::to_string(longitude->minutes);
    SelectEast(e, longitude->side == 'E');
    e.latDeg = std::to_string(latitude->degrees);
    e.latMin = std::to_string(latitude->minutes);
    e.south = latitude->side == 'S';
    return true;
}

std::string PlaceText(const Place& place) {
    std::string text = place.name;
    if (!place.region.empty() && place.region != place.name) text += ", " + place.region;
    if (!place.country.empty()) text += ", " + place.country;
    return text;
}

std::string AngleForm(const AngleEntry& angle) {
    return std::to_string(angle.degrees) + angle.side + (angle.minutes < 10 ? "0" : "") +
           std::to_string(angle.minutes);
}

std::string PlaceListLine(const Place& place) {
    std::string line = PlaceText(place) + "; population " + std::to_string(place.population) + ";";
    const auto latitude = LatitudeEntry(place.latitudeNorth);
    const auto longitude = LongitudeEntry(place.longitudeEast);
    if (latitude && longitude) line += " " + AngleForm(*latitude) + " " + AngleForm(*longitude) + ";";
    return line + " " + place.zone;
}

}  // namespace quaeryn
