#include "cli/ChartJson.h"

#include "base/TextEncoding.h"

namespace quaeryn {

namespace {

nlohmann::json Table(const auto& table, int first, int last) {
    nlohmann::json a = nlohmann::json::array();
    for (int i = first; i <= last; ++i) a.push_back(table[i]);
    return a;
}

}  // namespace

// Every text goes out in UTF-8: a name from a Windows-era name file is read
// as Windows-1252 (JSON holds nothing else).
nlohmann::json ChartJson(const ChartState& c) {
    nlohmann::json j;
    j["ChartName"] = DisplayText(c.ChartName);
    j["Day"] = c.Day;
    j["Month"] = c.Month;
    j["Year"] = c.Year;
    j["DateText"] = DisplayText(c.DateText);
    j["ClockTime"] = c.ClockTime;
    j["AmPmText"] = DisplayText(c.AmPmText);
    j["ZoneHours"] = c.ZoneHours;
    j["LongitudeDm"] = c.LongitudeDm;
    j["LongitudeSide"] = DisplayText(c.LongitudeSide);
    j["LatitudeDm"] = c.LatitudeDm;
    j["LatitudeSide"] = DisplayText(c.LatitudeSide);
    j["HouseSystemCode"] = DisplayText(c.HouseSystemCode);
    j["UtDayFraction"] = c.UtDayFraction;
    j["StandardDayFraction"] = c.StandardDayFraction;
    j["JulianDayNumber"] = c.JulianDayNumber;
    j["CenturiesT"] = c.CenturiesT;
    j["Ramc"] = c.Ramc;
    j["ObliquityDegrees"] = c.ObliquityDegrees();
    j["SiderealTimeText"] = DisplayText(c.SiderealTimeText);
    j["ChartLongitude"] = Table(c.ChartLongitude, 1, 15);
    j["ChartLatitude"] = Table(c.ChartLatitude, 1, 15);
    j["ChartDeclination"] = Table(c.ChartDeclination, 1, 15);
    j["ChartRightAscension"] = Table(c.ChartRightAscension, 1, 15);
    j["LongitudeLater"] = Table(c.LongitudeLater, 1, 15);
    j["DailyMotion"] = Table(c.DailyMotion, 1, 15);
    j["Antiscion"] = Table(c.Antiscion, 1, 15);
    j["ChartCusp"] = Table(c.ChartCusp, 1, 13);
    j["HousePositionText"] = DisplayText(c.HousePositionText);
    j["RetrogradeText"] = DisplayText(c.RetrogradeText);
    j["TrueNode"] = c.TrueNode;
    j["TrueNodeDeclination"] = c.TrueNodeDeclination;
    j["MeanNode"] = c.MeanNode;
    j["MoonDeclinationNextDay"] = c.MoonDeclinationNextDay;
    j["PrecessionSince1990"] = c.PrecessionSince1990;
    j["PrecessionSince2000"] = c.PrecessionSince2000;
    return j;
}

}  // namespace quaeryn
