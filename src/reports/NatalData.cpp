// The natal data report (cusps, body table, true node, Moon's declination,
// out-of-bounds bodies, decanates, fixed stars) and the aspects to the
// solstice points.
#include <array>
#include <cmath>
#include <string>

#include "astro/BodyContacts.h"
#include "base/ChartHeader.h"
#include "base/Numbers.h"
#include "base/Position.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "horary/FixedStars.h"
#include "horary/HoraryReports.h"
#include "reports/NatalReports.h"

namespace quaeryn {

namespace {

using namespace body;

// The decanates from 0 Aries, three to a sign. Each keyword sums up what
// the old authors read in the face: the images of the faces in Agrippa's
// Three Books of Occult Philosophy (book II, chapter 37), after the
// Picatrix.
constexpr std::array<std::string_view, 36> kDecanateKeywords = {
    "Boldness",    "Nobility",      "Grace",          // Aries
    "Husbandry",   "Authority",     "Servitude",      // Taurus
    "Learning",    "Toil",          "Idle talk",      // Gemini
    "Keen senses", "Merriment",     "The chase",      // Cancer
    "Audacity",    "Hidden strife", "Fellowship",     // Leo
    "Cultivation", "Acquisition",   "Decline",        // Virgo
    "Justice",     "Tranquillity",  "Revelry",        // Libra
    "Treachery",   "Discord",       "Intemperance",   // Scorpio
    "Liberty",     "Sorrow",        "Wilfulness",     // Sagittarius
    "Gain and loss", "Vain pursuits", "Prudence",     // Capricorn
    "Industry",    "Understanding", "Insolence",      // Aquarius
    "Journeys",    "Aspiration",    "Leisure",        // Pisces
};

// The body table's order: the lights first, the South Node left out.
constexpr std::array<int, 14> kBodyTableOrder = {Sun,    Moon,    Mercury, Venus,     Mars,
                                                 Jupiter, Saturn, Uranus,  Neptune,   Pluto,
                                                 NorthNode, Fortune, Ascendant, Midheaven};

// The ten characters of body n's house text, as the house step wrote them.
std::string HouseText(const ChartState& chart, int n) {
    const std::size_t at = static_cast<std::size_t>(10 * (n - 1));
    return PadRight(at < chart.HousePositionText.size() ? std::string_view(chart.HousePositionText).substr(at, 10)
                                                        : std::string_view{},
                    10);
}

char MotionFlag(const ChartState& chart, int n) {
    const std::size_t at = static_cast<std::size_t>(n - 1);
    return at < chart.RetrogradeText.size() ? chart.RetrogradeText[at] : ' ';
}

void WriteBodyTable(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    for (const int n : kBodyTableOrder) {
        std::string line = "  " + FormatPositionSeconds(chart.ChartLongitude[n]) + "   ";
        line += BodyName10(n);
        line += MotionFlag(chart, n);
        line += "    (" + HouseText(chart, n) + ")    " + DeclinationText(chart.ChartDeclination[n]);
        line += "   " + FormatPosition(chart.Antiscion[n]);
        if (n <= Moon) line += "   " + DeclinationText(chart.ChartLatitude[n]);
        out.AppendLine(std::move(line));
    }
    out.AppendLine(std::string(51, ' ') + "Decl." + std::string(3, ' ') + "Solstice Pt" + std::string(4, ' ') +
                   "Lat.");
}

void WriteTrueNode(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  " + FormatPositionSeconds(chart.TrueNode) + "   TRUE NORTH NODE" + std::string(16, ' ') +
                   DeclinationText(chart.TrueNodeDeclination) + "   " +
                   FormatPosition(Normalize360(180.0 - chart.TrueNode)));
}

void WriteOutOfBounds(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    std::string line = "  Out of Bounds Planets - ";
    bool any = false;
    for (int n = Sun; n <= Moon; ++n) {
        if (!IsOutOfBounds(chart.ChartDeclination[n])) continue;
        line += std::string(BodyShortName(n)) + " ";
        any = true;
    }
    if (!any) line += "None";
    out.AppendLine(std::move(line));
}

void WriteDecanates(const ChartState& chart, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine("  PLANET   is in Decanate of");
    out.AppendLine("  ------   -----------------");
    for (int n = Sun; n <= Midheaven; ++n) {
        if (n == SouthNode) continue;
        out.AppendLine("  " + PadRight(BodyShortName(n).substr(0, 7), 9) +
                       std::string(DecanateKeyword(chart.ChartLongitude[n])));
    }
}

}  // namespace

std::string_view DecanateKeyword(double longitude) {
    const int d = static_cast<int>(std::floor(Normalize360(longitude) / 10.0));
    return kDecanateKeywords[static_cast<std::size_t>(d < 0 ? 0 : d > 35 ? 35 : d)];
}

bool IsOutOfBounds(double declination) { return std::fabs(declination) > kOutOfBoundsLimit; }

void NatalDataReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    WriteHouseCuspListing(chart, out);
    WriteBodyTable(chart, out);
    WriteTrueNode(chart, out);
    WriteMoonDeclinationLines(chart, out);
    WriteOutOfBounds(chart, out);
    WriteDecanates(chart, out);
    FixedStarsReport(chart, context, out);
}

void FixedStarsReport(const ChartState& chart, const ReportContext& context, ReportBuffer& out) {
    const auto& text = context.data.stars;
    out.AppendBlankLine();
    out.AppendBlankLine();
    out.AppendLine("  Fixed Stars    Longitude" + text[0]);
    std::size_t i = 1;
    for (const FixedStar& star : FixedStars()) {
        std::string line = "  ";
        line += star.reportText;
        line += FormatPosition(StarLongitude(star, chart.PrecessionSince2000));
        if (i < text.size()) line += text[i];
        out.AppendLine(std::move(line));
        ++i;
    }
}

// ---------------------------------------------------------------- solstice points

SolsticeAspect FindSolsticeAspect(double a) {
    struct Window {
        double low, high;
        int exact;
        int aspect;
    };
    // Each window one degree either side of its aspect; the opposition's and
    // the conjunction's open towards 180 and 0.
    static constexpr std::array<Window, 9> kWindows = {{
        {59, 61, 60, 3},     // sextile
        {89, 91, 90, 4},     // square
        {119, 121, 120, 5},  // trine
        {179, 1e9, 180, 6},  // opposition
        {29, 31, 30, 8},     // semi-sextile
        {44, 46, 45, 9},     // semi-square
        {134, 136, 135, 10}, // sesquisquare
        {149, 151, 150, 11}, // quincunx
        {-1e9, 1, 0, 2},     // conjunction
    }};
    SolsticeAspect found;
    for (const Window& w : kWindows) {
        if (a < w.low || a > w.high) continue;
        found.aspect = w.aspect;
        found.orb = std::floor((a - w.exact + 0.05) * 10.0) / 10.0;
    }
    return found;
}

void SolsticePointAspects(const ChartState& chart, const ReportContext&, ReportBuffer& out) {
    out.AppendBlankLine();
    for (int i = 1; i <= 14; ++i) {
        if (i == SouthNode) continue;
        for (int j = i + 1; j <= 15; ++j) {
            if (j == SouthNode) continue;
            // The distance from i to j's solstice point is the distance from
            // j to i's, so each pair is looked at once.
            const double diff = chart.ChartLongitude[i] - chart.Antiscion[j];
            const SolsticeAspect found = FindSolsticeAspect(Separation(chart.ChartLongitude[i], chart.Antiscion[j]));
            if (found.aspect == 1) continue;
            double orb = (diff > -180 && diff < 0) || diff >= 180 ? found.orb : -found.orb;
            // An orb that rounds to nothing is 0.0, never "-0.0".
            if (std::fabs(orb) < 0.05) orb = 0.0;
            std::string line = "  " + std::string(BodyName10(i).substr(0, 8)) + "    " +
                               std::string(AspectName12(found.aspect)) + "    " +
                               std::string(BodyName10(j).substr(0, 8));
            line += orb >= 0 ? "     " : "    ";
            line += FormatNumber(orb, "0.0") + " degrees";
            out.AppendLine(std::move(line));
        }
    }
}

}  // namespace quaeryn
