#include "horary/PlanetaryHours.h"

#include <array>
#include <cmath>

#include "astro/AngleMath.h"
#include "astro/MoonSun.h"
#include "astro/TimeScales.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/Vocabulary.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace hours {

namespace {

// Weekday index 0 is Wednesday.
constexpr std::array<const char*, 7> kDayTexts = {"Mercury day", "Jupiter day", "Venus day  ",
                                                  "Saturn day ", "Sun day    ", "Moon day   ",
                                                  "Mars day   "};
// Hour rulers in the order of the planetary hours, from index 1.
constexpr std::array<const char*, 8> kHourTexts = {"",             "Mercury hour", "Moon hour   ",
                                                   "Saturn hour ", "Jupiter hour", "Mars hour   ",
                                                   "Sun hour    ", "Venus hour  "};

constexpr int kMaxSteps = 2500;
constexpr double kConverged = 0.000347;  // degrees, about a twentieth of a second of time
constexpr double kSmallestDamping = 0.0625;
constexpr double kOneMinute = 1.0 / 1440.0;

// The damping of the search steps by the entered latitude: the Ascendant
// moves unevenly far from the equator.
double DampingFor(double latitudeDm) {
    if (latitudeDm >= 60) return 1;
    if (latitudeDm >= 50) return 2;
    if (latitudeDm <= -60) return 0.5;
    if (latitudeDm <= -50) return 1;
    return 4;
}

// Sun minus the Ascendant (or the Descendant), brought into -180 up to 180,
// at the universal time u (a fraction of the date).
double SunFromHorizon(const SearchSite& site, bool setting, const SunLongitude& sun, double u) {
    const double t = (site.julianDayNumber - 0.5 - 2415020.0 + u) / 36525.0;
    const double s = sun(t);
    const double siderealHours = SiderealTimeAtZeroHours(t) + 24.0 * u;
    const double days = siderealHours / 24.0;
    const double longitude = Sign(site.longitudeDm) * DotToDecimal(std::fabs(site.longitudeDm));
    const double ramc = (days - std::floor(days)) * 360.0 - longitude;
    const double latitude = Sign(site.latitudeDm) * DegToRad(DotToDecimal(std::fabs(site.latitudeDm)));
    const double epsilon = DegToRad(ObliquityDegreesAt(t));
    double a = AscendantFrom(DegToRad(ramc), -epsilon, -latitude);
    if (setting) a = Normalize360(a + 180.0);
    double d = s - a;
    if (d >= 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

}  // namespace

int WeekdayIndex(double julianDayNumber) {
    // A true modulo: dates before the reference day give 0 to 6 as well.
    const double r = std::fmod(julianDayNumber - kPlanetaryHourDayNumber, 7.0);
    int d = static_cast<int>(ClampedWhole(r, -6, 6));
    if (d < 0) d += 7;
    return d;
}

double LocalClockHours(double clockTimeHmm, bool pm) {
    double t = clockTimeHmm + (pm ? 12.0 : 0.0);
    const double whole = std::floor(t);
    if (whole == 12.0 || whole == 24.0) t -= 12.0;
    return DotToDecimal(t);
}

HourPosition LocatePlanetaryHour(int dayIndex, double t, double sunrise, double sunset) {
    HourPosition p;
    p.dayIndex = dayIndex;
    if (t < sunrise) p.dayIndex = dayIndex == 0 ? 6 : dayIndex - 1;
    // Hours counted round the clock from sunrise: the day hours up to
    // sunset, then the night hours to the next sunrise, so a time after
    // midnight belongs to the night that began at the evening's sunset.
    const double dayLength = std::fmod(sunset - sunrise + 48.0, 24.0);
    const double x = std::fmod(t - sunrise + 48.0, 24.0);
    // The twelfth part of the day or night the time falls in, held to 0 to
    // 11: a day of no length (a failed sunrise search) divides by zero.
    if (x < dayLength) {
        p.hour = 1 + static_cast<int>(ClampedWhole(std::floor(x / (dayLength / 12.0)), 0, 11));
    } else {
        const double nightLength = 24.0 - dayLength;
        p.hour = 13 + static_cast<int>(ClampedWhole(std::floor((x - dayLength) / (nightLength / 12.0)), 0, 11));
    }
    return p;
}

int HourRulerIndex(int dayIndex, int hour) {
    int h = 24 * dayIndex + hour;
    while (h > 7) h -= 7;
    return h;
}

std::string DayText(int dayIndex) {
    return (dayIndex >= 0 && dayIndex <= 6) ? kDayTexts[static_cast<std::size_t>(dayIndex)] : "";
}

std::string HourText(int rulerIndex) {
    return (rulerIndex >= 1 && rulerIndex <= 7) ? kHourTexts[static_cast<std::size_t>(rulerIndex)] : "";
}

std::optional<double> FindSunOnHorizon(const SearchSite& site, bool setting, const SunLongitude& sun) {
    double k = DampingFor(site.latitudeDm);
    double u = 0;
    for (;;) {
        // Each round starts again from local noon.
        u = (site.zoneHours + 12.0) / 24.0;
        bool converged = false;
        for (int step = 0; step < kMaxSteps && !converged; ++step) {
            const double d = SunFromHorizon(site, setting, sun, u);
            u += (d < 0 ? -1.0 : 1.0) * std::fabs(d) * k / 2880.0;
            converged = std::fabs(d) < kConverged;
        }
        if (converged) break;
        if (k <= kSmallestDamping) return std::nullopt;
        k /= 2.0;
    }
    // The nearest whole minute either way may still be closer.
    double best = u;
    double bestDistance = std::fabs(SunFromHorizon(site, setting, sun, u));
    for (const double v : {u + kOneMinute, u - kOneMinute}) {
        const double distance = std::fabs(SunFromHorizon(site, setting, sun, v));
        if (distance < bestDistance) {
            best = v;
            bestDistance = distance;
        }
    }
    double clock = best * 24.0 - site.zoneHours;
    if (!std::isfinite(clock)) return std::nullopt;
    if (clock < 0) clock += 24.0;
    if (clock > 24) clock -= 24.0;
    return clock;
}

DayAndHour ComputeDayAndHour(const ChartState& chart, UserPrompt& prompt, const SunLongitude& sun) {
    SearchSite site;
    site.julianDayNumber = JulianDayNumberOf(chart.Day, chart.Month, chart.Year);
    site.longitudeDm = static_cast<double>(chart.LongitudeDm);
    // An event entered in local mean time is compared with sunrise and
    // sunset on the same clock: the place's own meridian, not the zone's.
    site.zoneHours = chart.LocalMeanTime
                         ? Sign(site.longitudeDm) * DotToDecimal(std::fabs(site.longitudeDm)) / 15.0
                         : chart.ZoneHours;
    site.latitudeDm = static_cast<double>(chart.LatitudeDm);
    const int weekday = WeekdayIndex(site.julianDayNumber);
    const double t = LocalClockHours(chart.ClockTime, chart.AmPmText == "P.M.");

    DayAndHour result;
    const auto rise = FindSunOnHorizon(site, false, sun);
    if (rise)
        result.sunrise = *rise;
    else
        prompt.notify(msg::NoSunrise());
    const auto set = FindSunOnHorizon(site, true, sun);
    if (set)
        result.sunset = *set;
    else
        prompt.notify(msg::NoSunset());
    // Hours counted from a sunrise or sunset that was not found would name a
    // ruler at random.
    if (!rise || !set) return result;
    result.found = true;
    const HourPosition p = LocatePlanetaryHour(weekday, t, result.sunrise, result.sunset);
    result.hour = p.hour;
    result.dayText = DayText(p.dayIndex);
    result.hourText = HourText(HourRulerIndex(p.dayIndex, p.hour));
    return result;
}

}  // namespace hours

PlanetaryDayHour PlanetaryDayAndHour(const ChartState& chart, const ReportContext& context) {
    const hours::DayAndHour r = hours::ComputeDayAndHour(chart, context.prompt, SunPosition);
    return PlanetaryDayHour{r.found, r.dayText, r.hourText};
}

}  // namespace quaeryn
