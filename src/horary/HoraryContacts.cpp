// The aspects between the bodies as the horary reports judge them, their
// qualifiers and lines, and the horary aspects report (every aspect between
// every two bodies).
#include "horary/HoraryContacts.h"

#include <cmath>
#include <string>

#include "base/Numbers.h"
#include "base/ReportBuffer.h"
#include "base/Vocabulary.h"
#include "horary/BodyOrders.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace {

bool IsNode(int n) { return n == body::NorthNode || n == body::SouthNode; }

// One arc minute: an aspect closer than this is partile.
constexpr double kPartile = 0.0166666;

}  // namespace

AspectFound FindAspect(const ChartState& chart, const Options& options, int a, int b) {
    return FindAspectBetween(chart.ChartLongitude[a], chart.ChartLongitude[b],
                             BodyOrb(options, a) + BodyOrb(options, b), IsNode(a) || IsNode(b));
}

bool TakesQualifier(int positionA, int positionB) { return positionB > positionA && positionB <= 10; }

std::string AspectQualifier(double longitudeA, double longitudeB, const AspectFound& found, bool swapMotion) {
    const double e = found.difference;
    if (-kPartile <= e && e <= kPartile) return "partile";
    const double delta = longitudeA - longitudeB;
    const bool applying = (delta > 0 && e < -kPartile) || (delta < 0 && e > kPartile);
    const bool separating = (delta > 0 && e > kPartile) || (delta < 0 && e < -kPartile);
    std::string word;
    if (std::fabs(delta) < 180.0) {
        word = applying ? "APP" : separating ? "sep" : "";
    } else if (std::fabs(delta) > 180.0) {
        word = applying ? "sep" : separating ? "APP" : "";
    }
    if (swapMotion && !word.empty()) word = word == "APP" ? "sep" : "APP";
    if (!word.empty() && found.code != aspect::Conjunction)
        word += ((-180.0 < delta && delta < 0.0) || delta > 180.0) ? ", sin " : ", dex ";
    return word;
}

std::string AspectLine(int a, int b, const AspectFound& found, const std::string& qualifier) {
    const std::string orb = FormatNumber(found.roundedOrb, "#0.0");
    return "  " + std::string(BodyName10(a)) + std::string(AspectName12(found.code)) + PadRight(qualifier, 13) +
           std::string(BodyName10(b)) + (found.roundedOrb < 10.0 ? " " : "") + orb + " degree";
}

void HoraryAspectsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    const BodyOrder order = BodiesBySpeed(chart);
    for (int i = 1; i <= 15; ++i) {
        const int a = order[i];
        const bool retrograde = chart.IsRetrograde(a);
        for (int j = 1; j <= 15; ++j) {
            const int b = order[j];
            if (b == a) continue;
            const AspectFound found = FindAspect(chart, context.options, a, b);
            if (!found.found()) continue;
            const std::string qualifier =
                TakesQualifier(i, j)
                    ? AspectQualifier(chart.ChartLongitude[a], chart.ChartLongitude[b], found, retrograde)
                    : std::string();
            out.AppendLine(AspectLine(a, b, found, qualifier));
        }
        out.AppendBlankLine();
    }
}

}  // namespace quaeryn
