#include "base/ChartHeader.h"

#include <cmath>

#include "base/Numbers.h"
#include "base/Position.h"
#include "base/Vocabulary.h"

namespace quaeryn {

std::string HouseSystemName(const std::string& code) {
    if (code == "R") return "Regiomontanus";
    if (code == "K") return "Koch";
    if (code == "C") return "Campanus";
    if (code == "O") return "Porphyry";
    if (code == "EA") return "Equal - Ascendant";
    if (code == "EM") return "Equal - MC";
    if (code == "M") return "Meridian";
    if (code == "I") return "Morinus";
    return "Placidus";
}

std::string HeaderDate(const ChartState& chart, const RegionalFormats& regional) {
    if (const auto date = regional.ParseDate(chart.DateText)) return regional.FormatDate(*date);
    // Not readable as a date: the parsed numbers, as entered.
    return regional.FormatDate(CalendarDate{chart.Day, chart.Month, chart.Year});
}

void WriteChartHeader(const ChartState& chart, const RegionalFormats& regional, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  " + chart.ChartName);
    std::string line = "  " + HeaderDate(chart, regional) + "    TZ = " +
                       FormatNumber(chart.ZoneHoursSingle, "##0.0") + "      " +
                       FormatNumber(chart.ClockTimeSingle, "#0.00") + " " + chart.AmPmText;
    if (chart.LocalMeanTime) line += " LMT";
    line += "   " + FormatNumber(std::fabs(chart.LatitudeDm), "##0.00") + " " + chart.LatitudeSide;
    line += "    " + FormatNumber(std::fabs(chart.LongitudeDm), "##0.00") + " " + chart.LongitudeSide;
    out.AppendLine(line);
    if (chart.LocalMeanTime) {
        const long seconds = std::lround(chart.StandardDayFraction * 86400.0);
        std::string standard = "  Standard time would be " + regional.LongTime(seconds);
        standard = standard.substr(0, standard.size() >= 3 ? standard.size() - 3 : 0) + ".";
        out.AppendLine(standard);
    }
}

void WriteNameHead(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  " + chart.ChartName);
}

void WriteHouseCuspListing(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  HOUSE CUSPS - " + HouseSystemName(chart.HouseSystemCode));
    std::string line;
    for (int k = 1; k <= 12; ++k) {
        line += line.empty() ? "  " : " ";
        line += std::string(HouseOrdinal(k)) + " house = " + FormatPosition(chart.Cusp[k]);
        if (k % 3 == 0) {
            out.AppendLine(line);
            line.clear();
        }
    }
}

}  // namespace quaeryn
