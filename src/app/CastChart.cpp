#include "app/CastChart.h"

#include <cmath>
#include <stdexcept>

#include "astro/AngleMath.h"
#include "astro/Houses.h"
#include "astro/MoonSun.h"
#include "astro/Planets.h"
#include "astro/TimeScales.h"
#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"

namespace quaeryn {

namespace {

double Value(const std::string& text) { return NumericValue(text); }

constexpr std::array<const char*, 16> kReportBodyNames = {
    "",          "SUN      ", "MERCURY  ", "VENUS    ", "MARS     ", "JUPITER  ",
    "SATURN   ", "URANUS   ", "NEPTUNE  ", "PLUTO    ", "MOON     ", "NN       ",
    "",          "PART F.  ", "ASCENDANT", ""};

}  // namespace

bool ParseEntries(const EventEntries& e, const RegionalFormats& regional, ChartState& chart) {
    const auto day = RoundToInt16(Value(e.day));
    const auto month = RoundToInt16(Value(e.month));
    const auto year = RoundToInt16(Value(e.year));
    if (!day || !month || !year) return false;
    chart.Day = *day;
    chart.Month = *month;
    chart.Year = *year;
    chart.ZoneHours = Value(e.tz);
    chart.ZoneHoursSingle = static_cast<float>(chart.ZoneHours);
    chart.DateText = regional.JoinDate(e.month, e.day, e.year);
    chart.ClockTime = Value(e.hour) + Value(e.minute) / 100.0;
    chart.ClockTimeSingle = static_cast<float>(chart.ClockTime);
    chart.AmPmText = e.pm ? "P.M." : "A.M.";
    chart.LongitudeDm = static_cast<float>(Value(e.longDeg) + Value(e.longMin) / 100.0);
    if (e.east) chart.LongitudeDm = -chart.LongitudeDm;
    chart.LongitudeSide = chart.LongitudeDm < 0 ? "EAST" : "WEST";
    chart.LatitudeDm = static_cast<float>(Value(e.latDeg) + Value(e.latMin) / 100.0);
    if (e.south) chart.LatitudeDm = -chart.LatitudeDm;
    chart.LatitudeSide = chart.LatitudeDm < 0 ? "SOUTH" : "NORTH";
    chart.LocalMeanTime = e.lmt;
    return true;
}

double ComputeAntiscion(double longitude) { return Antiscion(longitude); }

double FoldDailyMotion(double difference) {
    if (difference > 180) difference -= 360;
    if (difference < -180) difference += 360;
    return difference;
}

void ApplyPartOfFortune(ChartState& chart, float option191) {
    const double sun = chart.Longitude[body::Sun], moon = chart.Longitude[body::Moon], ascendant = chart.Ascendant;
    // The Sun below the horizon of the true Ascendant is a night chart, in
    // every house system.
    const bool night = BelowHorizon(sun, ascendant);
    double part = moon + ascendant - sun;  // day formula
    if (option191 != 0 && (option191 == 1 || night)) part = sun + ascendant - moon;
    chart.Longitude[body::Fortune] = Normalize360(part);
    // Like the angles, the part is a point of the event with no motion of its
    // own: its next-day place is its place, whichever formula gave it.
    chart.LongitudeLater[body::Fortune] = chart.Longitude[body::Fortune];
}

std::string NormalizeHouseCode(const std::string& code) {
    for (const char* known : {"R", "K", "C", "O", "EA", "EM", "M", "I"})
        if (code == known) return code;
    return "P";
}

bool ChartIsFinite(const ChartState& c) {
    auto finite = [](const auto& table) {
        for (double v : table)
            if (!std::isfinite(v)) return false;
        return true;
    };
    const double scalars[] = {c.ClockTime, c.ZoneHours, c.UtDayFraction, c.StandardDayFraction,
                              c.JulianDayNumber, c.CenturiesT, c.GreenwichSiderealDays, c.Ramc,
                              c.Obliquity, c.LatitudeRad, c.PrecessionSince1990,
                              c.PrecessionSince2000, c.Ascendant, c.Midheaven, c.TrueNode,
                              c.TrueNodeDeclination, c.MeanNode, c.MoonDeclinationNextDay};
    for (double v : scalars)
        if (!std::isfinite(v)) return false;
    return finite(c.Longitude) && finite(c.LongitudeLater) && finite(c.Latitude) &&
           finite(c.Declination) && finite(c.RightAscension) && finite(c.Cusp) &&
           finite(c.ChartCusp) && finite(c.ChartLongitude) && finite(c.DailyMotion) &&
           finite(c.ChartRightAscension) && finite(c.ChartDeclination) &&
           finite(c.ChartLatitude) && finite(c.Antiscion);
}

std::optional<ChartState> CastChart(const EventEntries& entries, const std::string& houseCode,
                                    const Options& options, const RegionalFormats& regional,
                                    UserPrompt& prompt, EntryFaults* faults) {
    // Validate the entries: every rule runs, and any failure stops the cast.
    if (!ValidateEntries(entries, houseCode, prompt, faults)) return std::nullopt;

    // A fresh record with the event fields, the precession terms and the
    // report names of the bodies.
    ChartState chart;
    chart.ChartName = entries.name;
    chart.HouseSystemCode = NormalizeHouseCode(houseCode);
    if (!ParseEntries(entries, regional, chart)) {
        prompt.notify(msg::CastFailed("a date field is out of range"));
        return std::nullopt;
    }
    ComputePrecessionTerms(chart);
    for (int i = 1; i <= 15; ++i) chart.ReportBodyName[i] = kReportBodyNames[static_cast<std::size_t>(i)];
    chart.TrueNode = -100;

    // Universal time and the Julian day, sidereal time, the obliquity and the
    // angles; then the cusps of the chosen house system.
    ComputeTimeAndAngles(chart);
    ComputeHouseCusps(chart);

    // The cusps as the reports see them.
    chart.ChartCusp = chart.Cusp;

    // Every body, the nodes and the next day's positions; their houses.
    ComputeAllPositions(chart);
    PlaceBodiesInHouses(chart);

    // A breakdown of the arithmetic (a latitude where the semi-arcs have no
    // solution, say) ends the cast here, before any value is turned into a
    // sign, a degree or a house.
    if (!ChartIsFinite(chart)) {
        prompt.notify(msg::CastFailed("the computation gave no finite result"));
        return std::nullopt;
    }

    // The Part of Fortune by option 191, then the houses once more.
    ApplyPartOfFortune(chart, options[191]);
    PlaceBodiesInHouses(chart);

    // The mean node, and the declinations of the points on the ecliptic.
    chart.MeanNode = chart.Longitude[11];
    for (int i = 11; i <= 15; ++i)
        chart.Declination[i] = EclipticDeclination(chart.Longitude[i], chart.Obliquity);
    // Their right ascensions as well (the Midheaven's is the RAMC already).
    for (int i = 11; i <= 14; ++i)
        chart.RightAscension[i] =
            EquatorialFromEcliptic(chart.Longitude[i], 0.0, -chart.Obliquity).rightAscension;
    chart.TrueNodeDeclination = EclipticDeclination(chart.TrueNode, chart.Obliquity);

    // The chart copies and the daily motions, folded into -180 to 180.
    for (int i = 1; i <= 15; ++i) {
        chart.ChartLongitude[i] = chart.Longitude[i];
        chart.DailyMotion[i] = FoldDailyMotion(chart.LongitudeLater[i] - chart.ChartLongitude[i]);
        chart.ChartRightAscension[i] = chart.RightAscension[i];
        chart.ChartDeclination[i] = chart.Declination[i];
        chart.ChartLatitude[i] = chart.Latitude[i];
    }

    // The antiscia (the retrograde text is already in the record).
    for (int i = 1; i <= 15; ++i) chart.Antiscion[i] = ComputeAntiscion(chart.ChartLongitude[i]);

    if (!ChartIsFinite(chart)) {
        prompt.notify(msg::CastFailed("the computation gave no finite result"));
        return std::nullopt;
    }
    return chart;
}

}  // namespace quaeryn
