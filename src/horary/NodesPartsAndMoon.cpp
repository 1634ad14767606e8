// The block after the Horary Basics report: the nodes, six parts, the
// Moon's aspects by sign (with the void of course) and within orb, and the
// Moon's declination.
#include <cstdlib>
#include <string>
#include <utility>

#include "base/Position.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "horary/BodyOrders.h"
#include "horary/HoraryContacts.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace {

bool IsNode(int n) { return n == body::NorthNode || n == body::SouthNode; }

// ---- nodes and parts

void WriteNodesLine(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  " + FormatPosition(chart.MeanNode) + "   MEAN NORTH NODE" + std::string(32, ' ') +
                   FormatPosition(chart.TrueNode) + "   TRUE NORTH NODE");
    out.AppendBlankLine();
}

std::string PartText(double a, double b, double c, const char* label) {
    return FormatPosition(Normalize360(a + b - c)) + label;
}

void WriteParts(const ChartState& chart, ReportBuffer& out) {
    const auto& lon = chart.ChartLongitude;
    const double asc = chart.ChartCusp[4];      // cusp of the 1st house
    const double cusp7 = chart.ChartCusp[10];   // 7th
    const double cusp8 = chart.ChartCusp[11];   // 8th
    const double cusp10 = chart.ChartCusp[1];   // 10th
    const double sun = lon[body::Sun], moon = lon[body::Moon], venus = lon[body::Venus],
                 mars = lon[body::Mars], saturn = lon[body::Saturn];
    out.AppendLine("  " + PartText(asc, mars, saturn, "  P of ILLNESS") + std::string(6, ' ') +
                   PartText(asc, cusp8, moon, "  P/DEATH-trad.") + std::string(6, ' ') +
                   PartText(asc, cusp7, venus, "  P of MARRIAGE"));
    out.AppendLine("  " + PartText(asc, saturn, sun, "  P of FATALITY") + std::string(5, ' ') +
                   PartText(mars, saturn, cusp10, "  Point of DEATH") + std::string(5, ' ') +
                   PartText(asc, sun, moon, "  P.F. - night"));
}

// ---- the Moon's aspects by sign

// The whole-sign aspect word for a difference of sign numbers; empty for
// adjacent signs, signs five apart and anything else that is no aspect.
const char* SignAspectWord(int signDifference) {
    switch (std::abs(signDifference)) {
        case 0: return "CONJUNCT ";
        case 2: case 10: return "SEXTILE ";
        case 3: case 9: return "SQUARE ";
        case 4: case 8: return "TRINE ";
        case 6: return "OPPOSITE ";
        default: return "";
    }
}

// Builds the "From - " or "To   - " lines: a new line of 9 blanks begins
// after every fourth entry.
class SignAspectLines {
public:
    SignAspectLines(ReportBuffer& out, std::string start) : out_(out), line_(std::move(start)) {}

    void Add(const std::string& entry) {
        line_ += entry;
        ++written_;
        if (written_ % 4 == 0) {
            out_.AppendLine(line_);
            line_ = std::string(9, ' ');
        }
    }
    int written() const { return written_; }
    void Finish(const std::string& tail = {}) { out_.AppendLine(line_ + tail); }

private:
    ReportBuffer& out_;
    std::string line_;
    int written_ = 0;
};

void WriteMoonAspectsBySign(const ChartState& chart, ReportBuffer& out) {
    const BodyOrder order = BodiesByDegreeInSign(chart);
    const int moonSign = SignOf(chart.ChartLongitude[body::Moon]);
    auto entryFor = [&](int n) -> std::string {
        if (IsNode(n) || n == body::Ascendant) return {};
        const std::string word = SignAspectWord(SignOf(chart.ChartLongitude[n]) - moonSign);
        if (word.empty()) return {};
        return word + std::string(BodyShortName(n)) + "  ";
    };

    out.AppendBlankLine();
    out.AppendLine("  Moon's Aspects - ");
    int p = 1;
    {
        SignAspectLines from(out, "  From - ");
        for (; p <= 14 && order[p] != body::Moon; ++p) {
            const std::string entry = entryFor(order[p]);
            if (!entry.empty()) from.Add(entry);
        }
        from.Finish();
    }
    SignAspectLines to(out, "  To   - ");
    for (++p; p <= 14; ++p) {
        const std::string entry = entryFor(order[p]);
        if (!entry.empty()) to.Add(entry);
    }
    to.Finish(to.written() == 0 ? "VOID OF COURSE (modern)" : "");
}

// ---- aspects within orb

void WriteMoonAspectsWithinOrb(const ChartState& chart, const Options& options, ReportBuffer& out) {
    const BodyOrder order = BodiesBySpeed(chart);
    const int a = order[1];
    out.AppendBlankLine();
    out.AppendLine("  Moon's Aspects Within Orb");
    out.AppendLine("  " + std::string(25, '-'));
    for (int q = 2; q <= 15; ++q) {
        const int b = order[q];
        const AspectFound found = FindAspect(chart, options, a, b);
        if (!found.found()) continue;
        const std::string qualifier =
            TakesQualifier(1, q) ? AspectQualifier(chart.ChartLongitude[a], chart.ChartLongitude[b], found, false)
                                 : std::string();
        out.AppendLine(AspectLine(a, b, found, qualifier));
    }
    out.AppendBlankLine();
}

}  // namespace

// ---------------------------------------------------------------- the Moon's declination

void WriteMoonDeclinationLines(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  Moon's declination = " + DeclinationText(chart.ChartDeclination[body::Moon]) +
                   std::string(12, ' ') + "Moon's declination next day = " +
                   DeclinationText(chart.MoonDeclinationNextDay));
}

// ---------------------------------------------------------------- the block

void NodesPartsAndMoonBlock(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNodesLine(chart, out);
    WriteParts(chart, out);
    WriteMoonAspectsBySign(chart, out);
    WriteMoonAspectsWithinOrb(chart, context.options, out);
    WriteMoonDeclinationLines(chart, out);
}

}  // namespace quaeryn
