// Universal time, the Julian day, T, sidereal time, the right ascension of
// the meridian and the obliquity, and the angles of the chart.
#pragma once

#include "base/ChartState.h"

namespace quaeryn {

// The integer day number of a civil date (noon-based); Julian calendar up
// to 15 October 1582 included, Gregorian after.
double JulianDayNumberOf(int day, int month, int year);

// The number of days of a month (1 to 12) of a year in the same calendars:
// the Julian calendar's leap years up to 1582, the Gregorian ones from 1583.
// 0 for a month outside 1 to 12.
int DaysInMonth(int month, int year);

// Sidereal time at 0h in hours for T: (0.0929 T² + 8640184.54 T + 23925.836) / 3600.
double SiderealTimeAtZeroHours(double t);

// The obliquity of the ecliptic in degrees for T.
double ObliquityDegreesAt(double t);

// ComputeTimeAndAngles: reads the parsed event fields of the chart and
// writes UtDayFraction, StandardDayFraction (with LMT), LatitudeRad,
// JulianDayNumber, CenturiesT, GreenwichSiderealDays, Ramc (also the right
// ascension of body 15), the obliquity; then the Midheaven, the stored
// obliquity negated, the Ascendant and the sidereal-time text.
void ComputeTimeAndAngles(ChartState& chart);

// The precession terms from the entered year (whole years).
void ComputePrecessionTerms(ChartState& chart);

// The Midheaven (degrees) from RAMC and the obliquity (radians).
double MidheavenFrom(double ramcRad, double epsilonRad);
// The Ascendant (degrees) from RAMC (radians), the obliquity field and the
// latitude used by the house routines; called with -ε and -φ (the two
// negations cancel) as the cast does.
double AscendantFrom(double ramcRad, double storedEpsilonRad, double houseLatitudeRad);

// The sidereal-time text: hours "H  ", minutes "M  ", seconds "S ".
std::string SiderealTimeTextFor(double ramcDegrees, bool southLatitude);

}  // namespace quaeryn
