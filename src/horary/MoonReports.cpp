// The block after the Horary Basics report (nodes, six parts, the Moon's
// aspects by sign and within orb, the Moon's declination) and the horary
// aspects report, with the aspect finder they share.
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "astro/AngleMath.h"
#include "base/Numbers.h"
#include "base/Position.h"
#include "base/Vocabulary.h"
#include "horary/Horary.h"
#include "horary/Orbs.h"

namespace quaeryn {

namespace {

std::size_t At(int n) { return static_cast<std::size_t>(n); }

bool IsNode(int n) { return n == body::NorthNode || n == body::SouthNode; }

// One arc minute: an aspect closer than this is partile.
constexpr double kPartile = 0.0166666;

// Sign number 1 to 12 of a longitude.
int SignOf(double longitude) { return static_cast<int>(std::floor(Normalize360(longitude) / 30.0)) + 1; }

// The exchange sort of the reports over entries 1 to count: every position p
// is compared with every later position q and the two are swapped when
// `outOfOrder(value at p, value at q)`.
template <typename OutOfOrder>
void ExchangeSort(BodyOrder& order, std::array<double, 16>& value, int count, OutOfOrder outOfOrder) {
    for (int p = 1; p <= count - 1; ++p)
        for (int q = p + 1; q <= count; ++q)
            if (outOfOrder(value[At(p)], value[At(q)])) {
                std::swap(value[At(p)], value[At(q)]);
                std::swap(order[At(p)], order[At(q)]);
            }
}

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
    const double sun = lon[At(body::Sun)], moon = lon[At(body::Moon)], venus = lon[At(body::Venus)],
                 mars = lon[At(body::Mars)], saturn = lon[At(body::Saturn)];
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
    const int moonSign = SignOf(chart.ChartLongitude[At(body::Moon)]);
    auto entryFor = [&](int n) -> std::string {
        if (IsNode(n) || n == body::Ascendant) return {};
        const std::string word = SignAspectWord(SignOf(chart.ChartLongitude[At(n)]) - moonSign);
        if (word.empty()) return {};
        return word + std::string(BodyShortName(n)) + "  ";
    };

    out.AppendBlankLine();
    out.AppendLine("  Moon's Aspects - ");
    int p = 1;
    {
        SignAspectLines from(out, "  From - ");
        for (; p <= 14 && order[At(p)] != body::Moon; ++p) {
            const std::string entry = entryFor(order[At(p)]);
            if (!entry.empty()) from.Add(entry);
        }
        from.Finish();
    }
    SignAspectLines to(out, "  To   - ");
    for (++p; p <= 14; ++p) {
        const std::string entry = entryFor(order[At(p)]);
        if (!entry.empty()) to.Add(entry);
    }
    to.Finish(to.written() == 0 ? "VOID OF COURSE (modern)" : "");
}

// ---- aspects within orb

// The qualifier is written for B among the ten moving bodies (entries 1 to
// 10 of the speed order) coming after A; never for the nodes, the Part of
// Fortune, the Ascendant or the Midheaven.
bool TakesQualifier(int positionA, int positionB) { return positionB > positionA && positionB <= 10; }

void WriteMoonAspectsWithinOrb(const ChartState& chart, const Options& options, ReportBuffer& out) {
    const BodyOrder order = BodiesBySpeed(chart);
    const int a = order[1];
    out.AppendBlankLine();
    out.AppendLine("  Moon's Aspects Within Orb");
    out.AppendLine("  " + std::string(25, '-'));
    for (int q = 2; q <= 15; ++q) {
        const int b = order[At(q)];
        const AspectFound found = FindAspect(chart, options, a, b);
        if (!found.found()) continue;
        const std::string qualifier =
            TakesQualifier(1, q) ? AspectQualifier(chart.ChartLongitude[At(a)], chart.ChartLongitude[At(b)], found, false)
                                 : std::string();
        out.AppendLine(AspectLine(a, b, found, qualifier));
    }
    out.AppendBlankLine();
}

}  // namespace

// ---------------------------------------------------------------- shared

double AspectOrb(const Options& options, int n) {
    // Option lines in body order: Sun 34, Mercury 36 … Pluto 43, Moon 35.
    static constexpr std::array<int, 11> kOrbLine = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};
    if (n < 1 || n > 10) return 0.0;
    return static_cast<double>(options[kOrbLine[At(n)]]);
}

AspectFound FindAspectBetween(double longitudeA, double longitudeB, double orb, bool nodeInvolved) {
    double s = std::fabs(longitudeA - longitudeB);
    if (s > 180.0) s = 360.0 - s;
    AspectFound f;
    if (!nodeInvolved) {
        if (60.0 - orb < s && s < 60.0 + orb) {
            f.code = aspect::Sextile;
            f.difference = s - 60.0;
        } else if (90.0 - orb < s && s < 90.0 + orb) {
            f.code = aspect::Square;
            f.difference = s - 90.0;
        } else if (120.0 - orb < s && s < 120.0 + orb) {
            f.code = aspect::Trine;
            f.difference = s - 120.0;
        } else if (s > 180.0 - orb) {
            f.code = aspect::Opposition;
            f.difference = s - 180.0;
        }
    }
    if (!f.found() && s < orb) {
        f.code = aspect::Conjunction;
        f.difference = s;
    }
    if (f.found()) f.roundedOrb = std::floor((std::fabs(f.difference) + 0.05) * 10.0) / 10.0;
    return f;
}

AspectFound FindAspect(const ChartState& chart, const Options& options, int a, int b) {
    return FindAspectBetween(chart.ChartLongitude[At(a)], chart.ChartLongitude[At(b)],
                             AspectOrb(options, a) + AspectOrb(options, b), IsNode(a) || IsNode(b));
}

double DegreeInSign(double longitude) {
    while (longitude >= 30.0) longitude -= 30.0;
    return longitude;
}

BodyOrder BodiesByDegreeInSign(const ChartState& chart) {
    BodyOrder order{};
    std::array<double, 16> value{};
    for (int n = 1; n <= 14; ++n) {
        order[At(n)] = n;
        value[At(n)] = DegreeInSign(chart.ChartLongitude[At(n)]);
    }
    ExchangeSort(order, value, 14, [](double atP, double atQ) { return atP > atQ; });
    return order;
}

BodyOrder BodiesBySpeed(const ChartState& chart) {
    BodyOrder order{};
    std::array<double, 16> value{};
    for (int n = 1; n <= 15; ++n) {
        order[At(n)] = n;
        value[At(n)] = std::fabs(chart.DailyMotion[At(n)]);
    }
    ExchangeSort(order, value, 10, [](double atP, double atQ) { return atQ > atP; });
    return order;
}

std::string DeclinationText(double declination) {
    const SignPosition p = SplitPosition(std::fabs(declination));
    return FormatNumber(static_cast<double>(p.degrees), "00") + (declination >= 0 ? " N " : " S ") +
           FormatNumber(static_cast<double>(p.minutes), "00");
}

void WriteMoonDeclinationLines(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  Moon's declination = " + DeclinationText(chart.ChartDeclination[At(body::Moon)]) +
                   std::string(12, ' ') + "Moon's declination next day = " +
                   DeclinationText(chart.MoonDeclinationNextDay));
}

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

// ---------------------------------------------------------------- reports

void NodesPartsAndMoonBlock(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteNodesLine(chart, out);
    WriteParts(chart, out);
    WriteMoonAspectsBySign(chart, out);
    WriteMoonAspectsWithinOrb(chart, context.options, out);
    WriteMoonDeclinationLines(chart, out);
}

void HoraryAspectsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    const BodyOrder order = BodiesBySpeed(chart);
    for (int i = 1; i <= 15; ++i) {
        const int a = order[At(i)];
        const bool retrograde = chart.RetrogradeText.size() >= At(a) && chart.RetrogradeText[At(a - 1)] == 'R';
        for (int j = 1; j <= 15; ++j) {
            const int b = order[At(j)];
            if (b == a) continue;
            const AspectFound found = FindAspect(chart, context.options, a, b);
            if (!found.found()) continue;
            const std::string qualifier =
                TakesQualifier(i, j)
                    ? AspectQualifier(chart.ChartLongitude[At(a)], chart.ChartLongitude[At(b)], found, retrograde)
                    : std::string();
            out.AppendLine(AspectLine(a, b, found, qualifier));
        }
        out.AppendBlankLine();
    }
}

}  // namespace quaeryn
