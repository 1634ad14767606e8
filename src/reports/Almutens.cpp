// The almutens of the cusps and the antiscion table.
#include <array>
#include <cmath>
#include <string>

#include "base/Numbers.h"
#include "base/Position.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "reports/NatalReports.h"

namespace quaeryn {

namespace {

using namespace body;

// The degree (0 Libra + 19) where the night tables leave Saturn to the
// report: Venus, Saturn and Mercury tie there, and the tables hold two.
constexpr int kNineteenLibra = 199;

// The name of entry v of an almuten table: the chart's report body name,
// nothing for 0 or for a number the names do not reach.
std::string_view AlmutenName(const ChartState& chart, int v) {
    if (v < 1 || v > kAlmutenNameLimit) return {};
    return chart.ReportBodyName[v];
}

std::string AlmutenNames(const ChartState& chart, const AppData& data, bool dayChart, int g) {
    const std::size_t at = static_cast<std::size_t>(g);
    const auto& first = dayChart ? data.almutD1 : data.almutN1;
    const auto& second = dayChart ? data.almutD2 : data.almutN2;
    std::string names(AlmutenName(chart, first[at]));
    if (second[at] != 0) names += AlmutenName(chart, second[at]);
    if (!dayChart && g == kNineteenLibra) names += "SATURN";
    return names;
}

}  // namespace

void AlmutenTable(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine(std::string(16, ' ') + "ALMUTENS");
    out.AppendBlankLine();
    // The Sun in houses 7 to 12 stands above the horizon: a day chart.
    const bool dayChart = NumericValue(std::string_view(chart.HousePositionText).substr(0, 2)) > 6;
    for (int h = 1; h <= 12; ++h) {
        const double cusp = chart.ChartCusp[h];
        int g = static_cast<int>(std::floor(Normalize360(cusp)));
        if (g > 359) g = 359;
        out.AppendLine("  " + std::string(HouseOrdinal(h)) + " HOUSE =  " + FormatPosition(cusp) + "   " +
                       AlmutenNames(chart, context.data, dayChart, g) + std::string(10, ' '));
    }
}

void AntiscionTable(const ChartState& chart, const ReportContext&, ReportBuffer& out) {
    BodyTable antiscion{}, contrantiscion{};
    for (int k = Sun; k <= Midheaven; ++k) {
        antiscion[k] = Antiscion(chart.ChartLongitude[k]);
        contrantiscion[k] = Contrantiscion(chart.ChartLongitude[k]);
    }
    out.AppendBlankLine();
    out.AppendLine("  Planet name" + std::string(5, ' ') + "Degree" + std::string(12, ' ') + "Antiscion" +
                   std::string(8, ' ') + "Contrantiscion");
    out.AppendBlankLine();
    const std::string gap(10, ' ');
    for (int k = Sun; k <= Midheaven; ++k) {
        if (k == SouthNode) continue;
        out.AppendLine("  " + std::string(BodyName10(k)) + "     " + FormatPosition(chart.ChartLongitude[k]) + gap +
                       FormatPosition(antiscion[k]) + gap + FormatPosition(contrantiscion[k]));
    }
    out.AppendBlankLine();
    // Every body against every mirror point, its own included: within one
    // degree either way round the circle.
    auto contacts = [&](const BodyTable& mirror, const char* words) {
        for (int j = Sun; j <= Midheaven; ++j) {
            for (int i = Sun; i <= Midheaven; ++i) {
                const double e = std::fabs(chart.ChartLongitude[j] - mirror[i]);
                if (e <= 1 || e >= 359)
                    out.AppendLine("  " + std::string(BodyName10(j)) + words + std::string(BodyName10(i)));
            }
        }
    };
    contacts(antiscion, " conjunct antiscion of ");
    contacts(contrantiscion, " conjunct contrantiscion of ");
}

}  // namespace quaeryn
