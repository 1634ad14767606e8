#include "astro/TimeScales.h"

#include <array>
#include <cmath>

#include "astro/AngleMath.h"
#include "base/Numbers.h"

namespace quaeryn {

double JulianDayNumberOf(int day, int month, int year) {
    const double m = 12.0 * (year + 4800.0) + month - 3.0;
    double j = std::floor(((m - 12.0 * std::floor(m / 12.0)) * 2.0 + 7.0 + 365.0 * m) / 12.0) + day +
               std::floor(m / 48.0) - 32083.0;
    if (j > 2299171.0) j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    return j;
}

int DaysInMonth(int month, int year) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

// Newcomb's expression of Greenwich mean sidereal time at 0h universal time.
double SiderealTimeAtZeroHours(double t) {
    return (0.0929 * t * t + 8640184.54 * t + 23925.836) / 3600.0;
}

// Newcomb's mean obliquity of the ecliptic.
double ObliquityDegreesAt(double t) {
    return 23.4522944 - 0.0130125 * t - 1.639E-06 * t * t + 5.03E-07 * t * t * t;
}

double MidheavenFrom(double ramcRad, double epsilonRad) {
    const double x = std::cos(epsilonRad) * std::cos(ramcRad);
    double y = std::sin(ramcRad);
    return RadToDeg(RectToPolar(x, y).angle);
}

double AscendantFrom(double ramcRad, double storedEpsilonRad, double houseLatitudeRad) {
    const double phi = houseLatitudeRad;
    double y1 = std::sin(phi);
    const Polar first = RectToPolar(std::cos(phi) * std::sin(ramcRad), y1);
    const double b = first.angle - storedEpsilonRad;
    double y2 = first.radius * std::cos(b);
    double c = RectToPolar(std::cos(phi) * std::cos(ramcRad), y2).angle;
    if (c < 0) c += 2.0 * kPi;
    return Normalize360(RadToDeg(c) + 90.0);
}

std::string SiderealTimeTextFor(double ramcDegrees, bool southLatitude) {
    double deg = ramcDegrees;
    if (southLatitude) deg += 180.0;
    const double hours = Normalize360(deg) / 15.0;
    const double h = std::floor(hours);
    const double minutesExact = (hours - h) * 60.0;
    const double m = std::floor(minutesExact);
    const double s = std::floor((minutesExact - m) * 60.0);
    auto two = [](double v) {
        std::string t = NumberText(v);
        if (v < 10) t = "0" + RightChars(t, 1);
        return RightChars(t, 2);
    };
    return two(h) + "H  " + two(m) + "M  " + two(s) + "S ";
}

void ComputePrecessionTerms(ChartState& chart) {
    chart.PrecessionSince1990 = (chart.Year - 1990) * 50.23 / 3600.0;
    chart.PrecessionSince2000 = (chart.Year - 2000) * 50.23 / 3600.0;
}

void ComputeTimeAndAngles(ChartState& chart) {
    // 1-2. Universal time as a fraction of the day; twelve o'clock counts as 0.
    double t = chart.ClockTime;
    if (std::floor(t) == 12.0) t -= 12.0;
    chart.UtDayFraction = (DotToDecimal(t) + chart.ZoneHours) / 24.0;
    if (chart.AmPmText == "P.M.") chart.UtDayFraction += 0.5;

    // 3. Local mean time: the correction between the zone's meridian and the
    // entered longitude.
    const double longitude = static_cast<double>(chart.LongitudeDm);
    if (chart.LocalMeanTime) {
        double c = longitude >= 0 ? 15.0 * chart.ZoneHours - DotToDecimal(longitude)
                                  : 15.0 * chart.ZoneHours + DotToDecimal(std::fabs(longitude));
        c = c * 4.0 / 1440.0;
        chart.UtDayFraction -= c;
        // The zone time of the same instant (with the twelve-o'clock and P.M.
        // adjustments that the universal time already carries).
        chart.StandardDayFraction = chart.UtDayFraction - chart.ZoneHours / 24.0;
    }

    // 4. Latitude in radians.
    const double latitude = static_cast<double>(chart.LatitudeDm);
    chart.LatitudeRad = Sign(latitude) * DegToRad(DotToDecimal(std::fabs(latitude)));

    // 5-6. Day number and T.
    chart.JulianDayNumber = JulianDayNumberOf(chart.Day, chart.Month, chart.Year);
    chart.CenturiesT = (chart.JulianDayNumber - 2415020.0 + chart.UtDayFraction - 0.5) / 36525.0;
    const double T = chart.CenturiesT;

    // 7. Sidereal time.
    const double s0 = SiderealTimeAtZeroHours(T);
    chart.GreenwichSiderealDays = (24.0 * chart.UtDayFraction + s0) / 24.0;
    const double g = chart.GreenwichSiderealDays;
    const double greenwichDegrees = (g - std::floor(g)) * 24.0 * 15.0;

    // 8. Right ascension of the meridian: west longitudes subtracted.
    chart.Ramc = Normalize360(greenwichDegrees - Sign(longitude) * DotToDecimal(std::fabs(longitude)));
    chart.RightAscension[15] = chart.Ramc;
    const double ramcRad = DegToRad(chart.Ramc);

    // 9. Obliquity; the Midheaven with +ε, then the field holds -ε.
    chart.Obliquity = DegToRad(ObliquityDegreesAt(T));
    chart.Midheaven = MidheavenFrom(ramcRad, chart.Obliquity);
    chart.Obliquity = -chart.Obliquity;

    // The Ascendant with the stored -ε and the house routines' negated latitude.
    double houseLatitude = -(Sign(latitude) * DegToRad(DotToDecimal(std::fabs(latitude))));
    chart.Ascendant = AscendantFrom(ramcRad, chart.Obliquity, houseLatitude);
    chart.SiderealTimeText = SiderealTimeTextFor(chart.Ramc, chart.LatitudeSide == "SOUTH");
}

}  // namespace quaeryn
