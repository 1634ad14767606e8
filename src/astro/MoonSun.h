// The apparent longitude of the Sun (Newcomb) and the Moon's longitude,
// latitude and nodes (Brown's principal terms); equatorial coordinates.
#pragma once

namespace quaeryn {

// SunPosition: the Sun's apparent longitude in degrees, 0 up to 360, for T
// in Julian centuries from JD 2415020 (universal time).
double SunPosition(double t);

struct MoonPositionResult {
    double longitude = 0;  // apparent, degrees (not yet reduced to 0-360)
    double latitude = 0;   // degrees, north positive
    double meanNode = 0;   // degrees 0-360
    double trueNode = 0;   // degrees 0-360
};

// MoonPosition: the Moon for T.
MoonPositionResult MoonPosition(double t);

struct EquatorialPosition {
    double declination = 0;     // degrees
    double rightAscension = 0;  // degrees 0-360
};

// EquatorialFromEcliptic: declination and right ascension of an ecliptic
// longitude and latitude (degrees) with the obliquity epsilon (radians, the
// true positive value).
EquatorialPosition EquatorialFromEcliptic(double longitude, double latitude, double epsilon);

}  // namespace quaeryn
