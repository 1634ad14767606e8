// The natal aspect grid: every two bodies once, the aspects by longitude
// above the diagonal, the parallels of declination below it.
#include <array>
#include <string>

#include "astro/BodyContacts.h"
#include "base/Numbers.h"
#include "base/Vocabulary.h"
#include "reports/NatalReports.h"

namespace quaeryn {

namespace {

using namespace body;

// The cell of an aspect, five characters: its angle right-aligned in
// three and two blanks ("  0  ", " 60  ", "120  "); "---  " for none.
std::string AspectCellText(int aspectNumber) {
    const AspectKind* kind = FindAspectKind(aspectNumber);
    if (!kind) return "---  ";
    const int g = kind->angle;
    const double angle = static_cast<double>(g);
    if (g >= 100) return FormatNumber(angle, "000") + "  ";
    if (g >= 10) return " " + FormatNumber(angle, "00") + "  ";
    return "  " + FormatNumber(angle, "0") + "  ";
}

// The cells of aspects 1 (none) to 16, made once.
const std::string& AspectCell(int aspectNumber) {
    static const std::array<std::string, 17> cells = [] {
        std::array<std::string, 17> all;
        for (int n = 0; n <= 16; ++n) all[static_cast<std::size_t>(n)] = AspectCellText(n);
        return all;
    }();
    return cells[static_cast<std::size_t>(aspectNumber >= 1 && aspectNumber <= 16 ? aspectNumber : 1)];
}

std::string DeclinationCell(DeclinationAspect found) {
    switch (found) {
        case DeclinationAspect::Parallel: return " P   ";
        case DeclinationAspect::ContraParallel: return " CP  ";
        case DeclinationAspect::None: break;
    }
    return "---  ";
}

std::string RowLabel(int n) {
    switch (n) {
        case NorthNode: return "  N.N  ";
        case SouthNode: return "  S.N  ";
        case Fortune: return "  P.F  ";
        default: return "  " + std::string(BodyShortName(n).substr(0, 3)) + "  ";
    }
}

}  // namespace

void NatalAspectGrid(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    const Options& options = context.options;
    out.AppendBlankLine();
    out.AppendLine(std::string(22, ' ') + "NATAL PLANET ASPECTS TO NATAL PLANETS");
    out.AppendBlankLine();
    out.AppendLine(std::string(8, ' ') + "MC  Asc  P.F  S.N  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun");
    for (int i = Sun; i <= Midheaven; ++i) {
        std::string line = RowLabel(i);
        line.reserve(7 + 15 * 5);
        for (int j = Midheaven; j >= Sun; --j) {
            if (j == i) {
                line += "***  ";
            } else if (j < i) {
                line += DeclinationCell(FindParallel(chart.ChartDeclination[i], chart.ChartDeclination[j], options));
            } else {
                const double a = Separation(chart.ChartLongitude[i], chart.ChartLongitude[j]);
                line += AspectCell(FindAspectByOptionOrbs(static_cast<float>(a), options));
            }
        }
        out.AppendLine(std::move(line));
    }
    out.AppendBlankLine();
    out.AppendLine("    0  = conjunction    60 = sextile          90 = square         120 = trine");
    out.AppendLine("  180  = opposition      P = parallel         CP = contra-parallel");
    out.AppendBlankLine();
    out.AppendLine("   30  = semi-sextile   45 = semi-square     135 = sesquisquare   150 = quincunx");
    // The legend shows the minor aspects exactly when the grid looks for them.
    if (MinorAspectsOn(options)) {
        out.AppendLine("   36  = semi-quintile  40 = nonagen          72 = quintile       108 = trecile");
        out.AppendLine("  144  = bi-quintile");
    }
}

}  // namespace quaeryn
