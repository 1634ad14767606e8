#include "wheel/WheelGeometry.h"

#include <cmath>
#include <numbers>


namespace quaeryn {

namespace {

// Drawing angles use the full pi: the system's ten-decimal pi would tilt a
// horizontal spoke by a hundred-millionth of a unit.
constexpr double kDegree = std::numbers::pi / 180.0;

// The widths of a label's parts in em, and the gap before each part.
constexpr std::array<double, kLabelParts> kLabelPartWidth = {1.28, 0.40, 0.84, 1.28, 0.30};
constexpr std::array<double, kLabelParts> kLabelPartGap = {0.0, 0.0, 0.2, 0.2, 0.0};

double LabelWidth() {
    double w = 0;
    for (int j = 0; j < kLabelParts; ++j) w += kLabelPartWidth[j] + kLabelPartGap[j];
    return w * kLabelSize;
}

// A number as a file writes it: no blank before it.
std::string Whole(double v) { return std::to_string(static_cast<long>(v)); }

}  // namespace

const RingTable& OuterRingTable() {
    static const RingTable table{
        7, 4.0,
        {0, 180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153},
        {0, 217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217}};
    return table;
}

const RingTable& InnerRingTable() {
    static const RingTable table{
        5, 5.3,
        {0, 181, 209, 240, 273, 306, 337, 7, 37, 68, 96, 126, 154},
        {0, 138, 130, 123, 119, 120, 121, 126, 126, 129, 132, 137, 139}};
    return table;
}

std::string_view BodyGlyph(int body) {
    static constexpr std::string_view glyphs[16] = {
        "",
        "\u2609",  // Sun
        "\u263F",  // Mercury
        "\u2640",  // Venus
        "\u2642",  // Mars
        "\u2643",  // Jupiter
        "\u2644",  // Saturn
        "\u2645",  // Uranus
        "\u2646",  // Neptune
        "\u2647",  // Pluto
        "\u263D",  // Moon
        "\u260A",  // North Node
        "\u260B",  // South Node
        "\u2297",  // Part of Fortune
        "AS",      // Ascendant
        "MC",      // Midheaven
    };
    return body >= 1 && body <= 15 ? glyphs[body] : std::string_view{};
}

std::string_view SignGlyph(int sign) {
    static constexpr std::string_view glyphs[13] = {
        "",       "\u2648", "\u2649", "\u264A", "\u264B", "\u264C", "\u264D",
        "\u264E", "\u264F", "\u2650", "\u2651", "\u2652", "\u2653"};
    return sign >= 1 && sign <= 12 ? glyphs[sign] : std::string_view{};
}

std::string_view BodyLegendName(int body) {
    static constexpr std::string_view names[16] = {
        "",       "Sun",        "Mercury",    "Venus",   "Mars",      "Jupiter",
        "Saturn", "Uranus",     "Neptune",    "Pluto",   "Moon",      "North Node",
        "South Node", "Fortune", "Ascendant", "Midheaven"};
    return body >= 1 && body <= 15 ? names[body] : std::string_view{};
}

WheelColour PaletteColour(int index) {
    static constexpr WheelColour palette[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},   {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0}, {255, 255, 255}};
    return index >= 0 && index <= 15 ? palette[index] : palette[0];
}

WheelColour OptionColour(float value, int fallback) {
    const double v = static_cast<double>(value);
    if (std::isfinite(v) && v >= 0 && v <= 15 && v == std::floor(v)) return PaletteColour(static_cast<int>(v));
    return PaletteColour(fallback);
}

double NominalTextWidth(std::string_view utf8, double size) {
    double em = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            em += (c >= '0' && c <= '9') ? 0.64 : (c >= 'A' && c <= 'Z') ? 0.80 : 0.66;
            ++i;
            continue;
        }
        std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        const std::string_view ch = utf8.substr(i, len);
        if (ch == kDegreeMark)
            em += 0.40;
        else if (ch == kMinuteMark)
            em += 0.30;
        else
            em += 0.84;
        i += len;
    }
    return em * size;
}

int ComputedGlyphRadius(int degree) {
    const double a = degree * kDegree;
    const double reach = kGlyphCell / 2 * (std::fabs(std::cos(a)) + std::fabs(std::sin(a)));
    // The small allowance keeps whole results whole (at the quarters).
    return static_cast<int>(std::floor(kWheelOuterRadius - kGlyphMargin - reach + 1e-9));
}

double LabelHalfWidth() { return LabelWidth() / 2; }
double LabelHalfHeight() { return kTextBoxHeight * kLabelSize / 2; }

double LeastDrawingHalfWidth() { return std::ceil(kWheelOuterRadius + kLabelGap + 2 * LabelHalfWidth() + 1); }

LabelPoint CuspLabelCentre(double spokeAngle) {
    const double a = spokeAngle * kDegree;
    const double c = std::cos(a), s = std::sin(a);
    // The box's reach towards the centre along the spoke is its half width
    // times |cos| plus its half height times |sin|.
    const double rho =
        kWheelOuterRadius + kLabelGap + LabelHalfWidth() * std::fabs(c) + LabelHalfHeight() * std::fabs(s);
    return {rho * c, rho * s};
}

CuspLabelLayout ComputedCuspLabel(double spokeAngle) { return CuspLabelAt(CuspLabelCentre(spokeAngle)); }

CuspLabelLayout CuspLabelAt(LabelPoint centre) {
    const double cy = centre.y;
    CuspLabelLayout parts;
    double x = centre.x - LabelHalfWidth();
    for (int j = 0; j < kLabelParts; ++j) {
        x += kLabelPartGap[j] * kLabelSize;
        const double w = kLabelPartWidth[j] * kLabelSize;
        parts[j] = {std::nearbyint(x + w / 2), std::nearbyint(cy)};
        x += w;
    }
    return parts;
}

double EqualSpokeAngle(int house) {
    double a = 180.0 + 30.0 * (house - 1);
    if (a >= 360) a -= 360;
    return a;
}

int HouseOfCuspEntry(int k) { return k <= 3 ? k + 9 : k - 3; }
int CuspEntryOfHouse(int house) { return house >= 10 ? house - 9 : house + 3; }

std::string RadiusDataText() {
    std::string text;
    for (int d = 0; d <= 360; ++d) text += Whole(ComputedGlyphRadius(d)) + "\r\n";
    return text;
}

std::string CuspLabelDataText() {
    std::string text;
    for (int k = 1; k <= 12; ++k) {
        const auto parts = ComputedCuspLabel(EqualSpokeAngle(HouseOfCuspEntry(k)));
        for (int j = 0; j < kLabelParts; ++j) {
            if (j > 0) text += ",";
            text += Whole(parts[j].x) + "," + Whole(parts[j].y);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace quaeryn
