#include "astro/AngleMath.h"

#include <cmath>

namespace quaeryn {

double DegToRad(double degrees) { return degrees * kPi / 180.0; }
double RadToDeg(double radians) { return radians * 180.0 / kPi; }
double SinDeg(double degrees) { return std::sin(DegToRad(degrees)); }
double CosDeg(double degrees) { return std::cos(DegToRad(degrees)); }

double DotToDecimal(double x) {
    const double whole = std::floor(x);
    return whole + 100.0 * (x - whole) / 60.0;
}

double ArcSin(double s) { return std::atan(s / std::sqrt(1.0 - s * s)); }
double ArcCos(double c) { return std::atan(std::sqrt(1.0 - c * c) / c); }

double Sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

Rect2 PolarToRect(double theta, double r) {
    if (theta == 0) theta = kTinyAngle;
    return Rect2{r * std::cos(theta), r * std::sin(theta)};
}

Polar RectToPolar(double x, double& y) {
    if (y == 0) y = kTinyAngle;
    Polar p;
    p.radius = std::pow(x * x + y * y, 0.5);
    p.angle = std::atan(y / x);
    if (p.angle < 0) p.angle += kPi;
    if (y < 0) p.angle += kPi;
    return p;
}

Spherical RectToSpherical(double x, double y, double z) {
    Spherical s;
    s.distance = std::sqrt(x * x + y * y + z * z);
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0) {
        s.latitude = z > 0 ? 90.0 : (z < 0 ? -90.0 : 0.0);
    } else {
        s.latitude = RadToDeg(std::atan(z / rho));
    }
    if (x == 0 && y == 0) {
        s.longitude = 0;
    } else {
        const double h = 2.0 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
        if (x >= 0 && y >= 0)
            s.longitude = h;
        else if (x >= 0)
            s.longitude = h + 360.0;
        else
            s.longitude = 180.0 - h;
    }
    return s;
}

double ResolveArctanDeg(double n, double d) {
    double a = std::atan(n / d);
    if (a < 0) a += kPi;
    if (n < 0) a += kPi;
    return Normalize360(RadToDeg(a));
}

double EclipticDeclination(double longitude, double storedObliquity) {
    const double epsilon = -storedObliquity;
    const double x = CosDeg(longitude);
    const double y = SinDeg(longitude) * std::cos(epsilon);
    const double z = SinDeg(longitude) * std::sin(epsilon);
    return RectToSpherical(x, y, z).latitude;
}

}  // namespace quaeryn
