// The small numerical vocabulary of the engine: degree and radian helpers,
// the polar, rectangular and spherical conversions, and the arctan rule that
// resolves every cusp formula to a full circle.
#pragma once

#include "base/Vocabulary.h"
#include "base/Zodiac.h"

namespace quaeryn {

// Replaces an exact zero angle or ordinate in the polar helpers.
inline constexpr double kTinyAngle = 1.74533E-09;
// Replaces an exact zero latitude in the house routines.
inline constexpr double kTinyLatitude = 1E-05;

double DegToRad(double degrees);
double RadToDeg(double radians);
double SinDeg(double degrees);
double CosDeg(double degrees);
// H.MM or D.MM to decimal: floor(x) + 100 (x - floor(x)) / 60.
double DotToDecimal(double x);
// arctan(s / sqrt(1 - s²)), radians.
double ArcSin(double s);
// arctan(sqrt(1 - c²) / c), radians: for c < 0 the true arc cosine minus pi.
double ArcCos(double c);
// The sign of x: -1, 0 or 1.
double Sign(double x);

struct Rect2 {
    double x = 0;
    double y = 0;
};
struct Polar {
    double radius = 0;
    double angle = 0;  // radians, 0 up to 2 pi
};
struct Spherical {
    double distance = 0;
    double longitude = 0;  // degrees 0 to 360
    double latitude = 0;   // degrees -90 to 90
};

Rect2 PolarToRect(double theta, double r);
// y of exactly 0 is replaced by the tiny angle (and the caller's y with it).
Polar RectToPolar(double x, double& y);
inline Polar RectToPolarValue(double x, double y) { return RectToPolar(x, y); }
Spherical RectToSpherical(double x, double y, double z);

// arctan(n / d) resolved to a full circle: plus 180 degrees when negative,
// plus 180 again when n is negative; the result in degrees, 0 up to 360.
double ResolveArctanDeg(double n, double d);

// The declination (degrees) of an ecliptic longitude with latitude 0, given
// the stored obliquity field (which holds -ε after the time step).
double EclipticDeclination(double longitude, double storedObliquity);

}  // namespace quaeryn
