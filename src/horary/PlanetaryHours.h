// The planetary day and hour: the weekday of the date, the local times of
// sunrise and sunset found by searching for the Sun on the Ascendant and on
// the Descendant, and the unequal hours between them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/ChartState.h"
#include "base/Prompt.h"

namespace quaeryn::hours {

// The Sun's longitude (degrees) for T in Julian centuries from JD 2415020.
using SunLongitude = std::function<double(double)>;

// Weekday index of a day number: 0 Wednesday … 6 Tuesday, for any date.
int WeekdayIndex(double julianDayNumber);

// The local clock time of the event in decimal hours (0 up to 24) from the
// H.MM clock entry and A.M./P.M.
double LocalClockHours(double clockTimeHmm, bool pm);

// Where an instant falls: the day index (the previous weekday before
// sunrise) and the hour number, 1 to 12 by day and 13 to 24 by night.
struct HourPosition {
    int dayIndex = 0;
    int hour = 1;
};
HourPosition LocatePlanetaryHour(int dayIndex, double t, double sunrise, double sunset);

// The hour ruler index 1 to 7 (Mercury, Moon, Saturn, Jupiter, Mars, Sun,
// Venus) of hour h of day index d.
int HourRulerIndex(int dayIndex, int hour);

std::string DayText(int dayIndex);   // 11 characters
std::string HourText(int rulerIndex);  // 12 characters

// The place and day a sunrise or sunset search works on.
struct SearchSite {
    double julianDayNumber = 0;  // the date's day number (noon-based)
    double zoneHours = 0;        // hours the local clock is behind universal time (west positive)
    double longitudeDm = 0;      // D.MM, positive west
    double latitudeDm = 0;       // D.MM, positive north
};

// The local clock hour (0 to 24) at which the Sun stands on the Ascendant
// (setting = false) or on the Descendant (setting = true); nothing when the
// search finds no such instant.
std::optional<double> FindSunOnHorizon(const SearchSite& site, bool setting, const SunLongitude& sun);

// The whole computation with a given Sun. A failed search shows its
// warning through the prompt and counts as 0 hours; the day and the hour
// are then not known (found is false, the texts empty, the hour 0).
struct DayAndHour {
    bool found = false;
    std::string dayText;
    std::string hourText;
    double sunrise = 0;
    double sunset = 0;
    int hour = 0;
};
DayAndHour ComputeDayAndHour(const ChartState& chart, UserPrompt& prompt, const SunLongitude& sun);

}  // namespace quaeryn::hours
