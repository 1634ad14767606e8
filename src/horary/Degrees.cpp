// The critical-degrees line and degree strip that close the default report,
// and the "Other Degrees and Dwads" report.
#include "horary/Degrees.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "base/Position.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "horary/BodyOrders.h"
#include "horary/HoraryReports.h"

namespace quaeryn {

namespace {

// A range of longitudes from lo up to but not including hi, with its mark.
struct MarkedRange {
    double lo, hi;
    char mark;
};
struct Range {
    double lo, hi;
};

// The degree tables (masculine and feminine, light, dark, smoky and void,
// pitted, lame and increasing-fortune degrees) follow Lilly's table of the
// degrees of the signs in Christian Astrology (1647). In longitude from 0
// Aries; each line holds the ranges that begin in the sign named above it.

constexpr MarkedRange kMasculineFeminine[] = {
    // Aries
    {0, 8, 'M'}, {8, 9, 'F'}, {9, 15, 'M'}, {15, 22, 'F'}, {22, 30, 'M'},
    // Taurus
    {30, 35, 'F'}, {35, 41, 'M'}, {41, 47, 'F'}, {47, 51, 'M'}, {51, 54, 'F'}, {54, 60, 'M'},
    // Gemini
    {60, 65, 'F'}, {65, 76, 'M'}, {76, 82, 'F'}, {82, 86, 'M'}, {86, 90, 'F'},
    // Cancer
    {90, 92, 'M'}, {92, 98, 'F'}, {98, 100, 'M'}, {100, 102, 'F'}, {102, 113, 'M'}, {113, 117, 'F'}, {117, 125, 'M'},
    // Leo
    {125, 128, 'F'}, {128, 135, 'M'}, {135, 143, 'F'}, {143, 150, 'M'},
    // Virgo
    {150, 158, 'F'}, {158, 162, 'M'}, {162, 170, 'F'}, {170, 185, 'M'},
    // Libra
    {185, 195, 'F'}, {195, 200, 'M'}, {200, 207, 'F'}, {207, 214, 'M'},
    // Scorpio
    {214, 224, 'F'}, {224, 227, 'M'}, {227, 235, 'F'}, {235, 242, 'M'},
    // Sagittarius
    {242, 245, 'F'}, {245, 252, 'M'}, {252, 264, 'F'}, {264, 281, 'M'},
    // Capricorn
    {281, 289, 'F'}, {289, 305, 'M'},
    // Aquarius
    {305, 315, 'F'}, {315, 321, 'M'}, {321, 325, 'F'}, {325, 327, 'M'}, {327, 330, 'F'},
    // Pisces
    {330, 340, 'M'}, {340, 350, 'F'}, {350, 353, 'M'}, {353, 358, 'F'}, {358, 360, 'M'},
};

constexpr MarkedRange kLightDarkSmokyVoid[] = {
    // Aries
    {0, 3, 'D'}, {3, 8, 'L'}, {8, 16, 'D'}, {16, 20, 'L'}, {20, 24, 'V'}, {24, 29, 'L'}, {29, 30, 'V'},
    // Taurus
    {30, 33, 'D'}, {33, 37, 'L'}, {37, 42, 'V'}, {42, 45, 'L'}, {45, 50, 'V'}, {50, 58, 'L'}, {58, 60, 'D'},
    // Gemini
    {60, 64, 'L'}, {64, 67, 'D'}, {67, 72, 'L'}, {72, 76, 'V'}, {76, 82, 'L'}, {82, 87, 'D'}, {87, 90, 'V'},
    // Cancer
    {90, 102, 'L'}, {102, 104, 'D'}, {104, 108, 'V'}, {108, 110, 'S'}, {110, 118, 'L'}, {118, 120, 'V'},
    // Leo
    {120, 130, 'D'}, {130, 140, 'S'}, {140, 145, 'V'}, {145, 150, 'L'},
    // Virgo
    {150, 155, 'D'}, {155, 158, 'L'}, {158, 160, 'V'}, {160, 166, 'L'}, {166, 172, 'S'}, {172, 180, 'V'},
    // Libra
    {180, 185, 'L'}, {185, 190, 'D'}, {190, 198, 'L'}, {198, 201, 'D'}, {201, 207, 'L'}, {207, 210, 'V'},
    // Scorpio
    {210, 213, 'D'}, {213, 218, 'L'}, {218, 224, 'V'}, {224, 232, 'L'}, {232, 234, 'S'}, {234, 239, 'V'}, {239, 240, 'D'},
    // Sagittarius
    {240, 249, 'L'}, {249, 252, 'D'}, {252, 259, 'L'}, {259, 263, 'S'}, {263, 270, 'L'},
    // Capricorn
    {270, 277, 'D'}, {277, 280, 'L'}, {280, 285, 'S'}, {285, 292, 'D'}, {292, 295, 'V'}, {295, 300, 'D'},
    // Aquarius
    {300, 304, 'S'}, {304, 309, 'L'}, {309, 313, 'D'}, {313, 321, 'L'}, {321, 325, 'V'}, {325, 330, 'L'},
    // Pisces
    {330, 336, 'D'}, {336, 342, 'L'}, {342, 352, 'D'}, {352, 355, 'V'}, {355, 358, 'L'}, {358, 360, 'D'},
};

constexpr Range kPitted[] = {
    // Aries
    {5, 6}, {10, 11}, {15, 16}, {22, 23}, {28, 29},
    // Taurus
    {34, 35}, {41, 42}, {53, 55},
    // Gemini
    {61, 62}, {71, 72}, {76, 77}, {85, 86}, {89, 90},
    // Cancer
    {101, 102}, {106, 107}, {112, 113}, {115, 116}, {119, 120},
    // Leo
    {125, 126}, {132, 133}, {134, 135}, {141, 143}, {147, 148},
    // Virgo
    {157, 158}, {162, 163}, {165, 166}, {170, 172},
    // Libra
    {180, 181}, {186, 187}, {199, 200}, {209, 210},
    // Scorpio
    {218, 220}, {231, 233}, {236, 237},
    // Sagittarius
    {246, 247}, {251, 252}, {254, 255}, {263, 264}, {266, 267}, {269, 270},
    // Capricorn
    {276, 277}, {286, 287}, {291, 292}, {293, 294}, {298, 299},
    // Aquarius
    {300, 301}, {311, 312}, {316, 317}, {321, 322}, {323, 324}, {328, 329},
    // Pisces
    {333, 334}, {338, 339}, {353, 354}, {356, 358},
};

constexpr Range kLame[] = {
    // Taurus
    {35, 40},
    // Cancer
    {98, 105},
    // Leo
    {137, 138}, {146, 148},
    // Scorpio
    {228, 229}, {237, 238},
    // Sagittarius
    {240, 241}, {246, 248}, {257, 259},
    // Capricorn
    {295, 299},
    // Aquarius
    {317, 319},
};

constexpr Range kIncreasingFortune[] = {
    // Aries
    {18, 19},
    // Taurus
    {32, 33}, {44, 45}, {56, 57},
    // Gemini
    {70, 71},
    // Cancer
    {90, 94}, {104, 105},
    // Leo
    {121, 122}, {124, 125}, {126, 127}, {138, 139},
    // Virgo
    {152, 153}, {163, 164}, {169, 170},
    // Libra
    {182, 183}, {194, 195}, {200, 201},
    // Scorpio
    {216, 217}, {227, 228}, {229, 230},
    // Sagittarius
    {251, 252}, {259, 260},
    // Capricorn
    {281, 284}, {289, 290},
    // Aquarius
    {306, 307}, {315, 317}, {319, 320},
    // Pisces
    {342, 343}, {349, 350},
};

// The critical windows on the longitude reduced to its quarter of the
// zodiac (0 up to 90): half a degree either side of k × 360/28, both ends
// included, except the window below 90, which stops short of it.
struct Window {
    double lo, hi;
};
constexpr Window kCriticalWindows[] = {
    {0, 0.5},           {12.357, 13.357},   {25.214, 26.214},       {38.071, 39.071},
    {50.92857, 51.92857}, {63.7857, 64.7857}, {76.642857, 77.642857},
};

template <typename Table>
char MarkOf(const Table& table, double longitude) {
    const double l = Normalize360(longitude);
    for (const MarkedRange& r : table)
        if (r.lo <= l && l < r.hi) return r.mark;
    return ' ';
}

template <typename Table>
bool InAny(const Table& table, double longitude) {
    const double l = Normalize360(longitude);
    for (const Range& r : table)
        if (r.lo <= l && l < r.hi) return true;
    return false;
}

// ---- the degree strip

// Two-letter code of a body in the strip.
std::string StripCode(int n) {
    if (n == body::Fortune) return "PF";
    if (n == body::NorthNode) return "NN";
    return std::string(BodyShortName(n).substr(0, 2));
}

constexpr int kStripLines = 5;
constexpr std::size_t kStripWidth = 90;
constexpr int kStripBlocks = 9;

using StripBlock = std::array<std::string, kStripLines>;

StripBlock BlankBlock() {
    StripBlock b;
    b.fill(std::string(kStripWidth, ' '));
    return b;
}

bool IsBlank(const StripBlock& b) {
    for (const auto& line : b)
        if (line.find_first_not_of(' ') != std::string::npos) return false;
    return true;
}

void WriteStrip(const ChartState& chart, ReportBuffer& out) {
    const BodyOrder order = BodiesByDegreeInSign(chart);
    std::vector<StripBlock> blocks(kStripBlocks, BlankBlock());
    for (int p = 1; p <= 14; ++p) {
        const int n = order[p];
        if (n == body::SouthNode) continue;
        const SignPosition pos = SplitPosition(chart.ChartLongitude[n]);
        const std::size_t col = 3 * static_cast<std::size_t>(pos.degrees);  // column 3d + 1, from 0
        std::size_t k = 0;
        while (k < blocks.size() && blocks[k][0][col] != ' ') ++k;
        // Nine blocks hold nine bodies in one whole degree; a tenth one gets
        // a block of its own below them rather than being left out.
        if (k == blocks.size()) blocks.push_back(BlankBlock());
        StripBlock& b = blocks[k];
        b[0].replace(col, 2, StripCode(n));
        b[1].replace(col, 2, RightChars(NumberText(static_cast<double>(pos.degrees)), 2));
        b[2].replace(col, 2, SignAbbreviation(pos.sign).substr(0, 2));
        b[3].replace(col, 2, RightChars(NumberText(static_cast<double>(pos.minutes)), 2));
        b[4][col + 1] = chart.IsRetrograde(n) ? 'R' : ' ';
    }
    out.AppendBlankLine();
    out.AppendLine(
        "  00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 ");
    std::size_t last = blocks.size();
    while (last > 0 && IsBlank(blocks[last - 1])) --last;
    for (std::size_t k = 0; k < last; ++k)
        for (const auto& line : blocks[k]) out.AppendLine("  " + line);
}

// ---- other degrees

std::string QualityColumns(double longitude) {
    const std::string gap(8, ' ');
    return std::string(1, MasculineOrFeminine(longitude)) + gap + LightDarkSmokyVoid(longitude) + gap +
           PittedMark(longitude) + gap + LameMark(longitude) + gap + IncreasingFortuneMark(longitude) + gap +
           std::string(SignAbbreviation(DecanateSign(longitude))) + std::string(6, ' ') +
           std::string(SignAbbreviation(DwadSign(longitude)));
}

}  // namespace

bool IsCriticalDegree(double longitude) {
    double r = longitude;
    while (r >= 90.0) r -= 90.0;
    if (89.5 <= r && r < 90.0) return true;
    for (const Window& w : kCriticalWindows)
        if (w.lo <= r && r <= w.hi) return true;
    return false;
}

char MasculineOrFeminine(double longitude) { return MarkOf(kMasculineFeminine, longitude); }
char LightDarkSmokyVoid(double longitude) { return MarkOf(kLightDarkSmokyVoid, longitude); }
char PittedMark(double longitude) { return InAny(kPitted, longitude) ? 'P' : '-'; }
char LameMark(double longitude) { return InAny(kLame, longitude) ? 'L' : '-'; }
char IncreasingFortuneMark(double longitude) { return InAny(kIncreasingFortune, longitude) ? 'I' : '-'; }

int DecanateSign(double longitude) {
    const int s = SignOf(longitude);
    const double d = DegreeInSign(longitude);
    int sign = 4 * static_cast<int>(std::floor(d / 10.0)) + s;
    if (sign > 12) sign -= 12;
    return sign;
}

int DwadSign(double longitude) {
    const int s = SignOf(longitude);
    const double d = DegreeInSign(longitude);
    int sign = s + static_cast<int>(std::floor(d / 2.5));
    if (sign > 12) sign -= 12;
    return sign;
}

void CriticalDegreesTable(const ChartState& chart, const ReportContext&, ReportBuffer& out) {
    out.AppendBlankLine();
    std::string line = "  In Critical Degrees:  ";
    for (int n = 1; n <= 10; ++n)
        if (IsCriticalDegree(chart.ChartLongitude[n]))
            line += std::string(BodyName10(n).substr(0, 9)) + " ";
    out.AppendLine(line);
    WriteStrip(chart, out);
}

void OtherDegreesReport(const ChartState& chart, const ReportContext&, ReportBuffer& out) {
    out.AppendBlankLine();
    out.AppendLine(std::string(53, ' ') + "Increasing");
    out.AppendLine("  Object            M/F    L/D/S/V   Pitted   Lame    Fortune   Decanate   Dwad");
    for (int n = 1; n <= 10; ++n) {
        const double l = chart.ChartLongitude[n];
        out.AppendLine("  " + std::string(BodyName10(n)) + QualityColumns(l));
    }
    for (int k = 1; k <= 12; ++k) {
        const double l = chart.ChartCusp[k];
        out.AppendLine(std::string(HouseOrdinal(k)) + " house cusp" + QualityColumns(l));
    }
    out.AppendBlankLine();
    out.AppendLine("  M/F = masculine/feminine");
    out.AppendLine("  L/D/S/V = light/dark/smoky/void");
}

}  // namespace quaeryn
