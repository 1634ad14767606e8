// The one chart record: the event as entered and parsed, the time
// quantities, the engine's body tables, the chart copies every report reads,
// and the derived values. A cast builds a new record; a failed cast leaves
// the caller's record as it was.
#pragma once

#include <cstdint>
#include <string>

#include "base/Vocabulary.h"

namespace quaeryn {

using BodyTable = OneBased<double, 16>;  // index 1 to 15 in body order; 0 unused
using CuspTable = OneBased<double, 14>;  // index 1 to 13 in display order (1 is the 10th house); 0 unused

struct ChartState {
    // ---- event fields, as entered and parsed
    std::string ChartName;
    int16_t Day = 0, Month = 0, Year = 0;
    std::string DateText;
    double ClockTime = 0;       // H.MM
    float ClockTimeSingle = 0;  // its single-precision copy, printed in the header
    std::string AmPmText;       // "A.M." or "P.M."
    double ZoneHours = 0;       // decimal hours, positive west
    float ZoneHoursSingle = 0;
    float LongitudeDm = 0;      // D.MM, positive west
    std::string LongitudeSide;  // "EAST" or "WEST"
    float LatitudeDm = 0;       // D.MM, positive north
    std::string LatitudeSide;   // "SOUTH" or "NORTH"
    bool LocalMeanTime = false; // chkLMT
    std::string HouseSystemCode = "P";

    // ---- time quantities
    double UtDayFraction = 0;
    double StandardDayFraction = 0;
    double JulianDayNumber = 0;
    double CenturiesT = 0;  // T of the event
    double GreenwichSiderealDays = 0;
    double Ramc = 0;          // degrees
    double Obliquity = 0;     // radians; after the time step it holds the negative
    double LatitudeRad = 0;   // radians, north positive
    double PrecessionSince1990 = 0;
    double PrecessionSince2000 = 0;

    // ---- engine tables
    BodyTable Longitude{};
    BodyTable LongitudeLater{};
    BodyTable Latitude{};
    BodyTable Declination{};
    BodyTable RightAscension{};
    CuspTable Cusp{};
    double Ascendant = 0;
    double Midheaven = 0;

    // ---- chart copies read by the reports
    CuspTable ChartCusp{};
    BodyTable ChartLongitude{};
    BodyTable DailyMotion{};
    BodyTable ChartRightAscension{};
    BodyTable ChartDeclination{};
    BodyTable ChartLatitude{};

    // ---- derived values
    double TrueNode = -100;  // -100: not yet computed in this cast
    double TrueNodeDeclination = 0;
    double MeanNode = 0;
    double MoonDeclinationNextDay = 0;
    BodyTable Antiscion{};
    OneBased<std::string, 16> ReportBodyName{};
    std::string HousePositionText = std::string(150, ' ');
    std::string SiderealTimeText;
    std::string RetrogradeText = std::string(15, ' ');

    // The obliquity as positive degrees (the stored field may hold -ε).
    double ObliquityDegrees() const;
    // The house (1 to 12) of body n from HousePositionText; 0 when none.
    int HouseOf(int n) const;
    // True when RetrogradeText marks body n "R".
    bool IsRetrograde(int n) const;
};

}  // namespace quaeryn
