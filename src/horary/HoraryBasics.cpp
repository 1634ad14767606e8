// The Horary Basics report: the planetary day and hour, the strictures and
// warnings, and the table list with the strengths appended to its rows.
#include <string>
#include <vector>

#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "horary/BasicsJudgement.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace basics {

std::vector<std::string> StrictureLines(const ChartState& chart) {
    std::vector<std::string> lines;
    auto add = [&](const char* text) { lines.push_back(std::string("  ") + text); };
    // Early or late is the Ascendant's own degree (body 14), which is the
    // 1st cusp only in the systems that start the houses from it.
    const double ascDegree = DegreeInSign(chart.ChartLongitude[body::Ascendant]);
    const int saturnHouse = chart.HouseOf(body::Saturn);
    const double seventh = CuspOfHouse(chart, 7);
    const double moon = chart.ChartLongitude[body::Moon];
    const double ascendant = chart.ChartLongitude[body::Ascendant];
    if (ascDegree >= 0 && ascDegree < 3) add("ASCENDANT is early.");
    if (ascDegree >= 27 && ascDegree < 30) add("ASCENDANT is late.");
    if (saturnHouse == 1) add("SATURN is in the 1st house.");
    if (saturnHouse == 7) add("SATURN is in the 7th house.");
    if (seventh >= 270 && seventh < 330) add("SATURN is the ruler of the 7th house.");
    if (DegreeInSign(moon) >= 27) add("MOON is in later degree.");
    if (moon >= 195 && moon < 225) add("MOON is in Via Combusta.");
    if (ascendant >= 195 && ascendant < 225) add("ASCENDANT is in Via Combusta.");
    return lines;
}

}  // namespace basics

void HoraryBasicsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    out.AppendBlankLine();

    // The planetary hour; beyond 66 degrees north it is not computed, and
    // where the Sun does not rise or set that day it cannot be.
    if (chart.LatitudeDm > 66.0f) {
        out.AppendLine("  Latitude is too extreme to calculate planetary hour ruler.");
    } else {
        const PlanetaryDayHour ruler = PlanetaryDayAndHour(chart, context);
        if (ruler.found)
            out.AppendLine("  " + ruler.dayText + "    " + ruler.hourText);
        else
            out.AppendLine("  Planetary hour ruler cannot be calculated at this latitude and date.");
    }

    out.AppendBlankLine();
    out.AppendLine("  STRICTURES and WARNINGS - ");
    for (const std::string& line : basics::StrictureLines(chart)) out.AppendLine(line);
    out.AppendBlankLine();

    const basics::BasicsWork work = basics::BuildTableList(chart, context.options);
    for (const std::string& line : basics::PrintedTableList(work)) out.AppendLine(line);
}

}  // namespace quaeryn
