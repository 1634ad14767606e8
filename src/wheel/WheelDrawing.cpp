#include "wheel/WheelDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/AngleMath.h"
#include "astro/BodyContacts.h"
#include "base/ChartHeader.h"
#include "base/Numbers.h"
#include "base/Position.h"
#include "wheel/WheelPlacement.h"

namespace quaeryn {

namespace {

// Drawing angles use the full pi: the system's ten-decimal pi would tilt a
// horizontal spoke by a hundred-millionth of a unit.
constexpr double kDegree = std::numbers::pi / 180.0;

// Radii of the parts of the single wheel that the frame leaves free.
constexpr double kHouseNumberRadius = 130;    // the house numbers, inside the ring
constexpr double kDualHouseNumberRadius = 51;  // the dual wheel's house ring
constexpr double kSignRingRadius = 100;        // option 47: the sign ring inside the ring
constexpr double kHouseNumberSize = 5.5;
constexpr double kSignGlyphSize = 8.5;
constexpr double kStackGap = 0.8;  // between the parts of a body's column
constexpr double kInnerRingTextScale = 0.85;
constexpr double kCrowdedTextScale = 0.75;

double Cos(double degrees) { return std::cos(degrees * kDegree); }
double Sin(double degrees) { return std::sin(degrees * kDegree); }
WheelPoint PointAt(double radius, double degrees) { return {radius * Cos(degrees), radius * Sin(degrees)}; }
double AngleOf(double x, double y) { return Normalize360(std::atan2(y, x) / kDegree); }

std::string TwoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

// A font size option in points: its value when it is one, otherwise the default.
double PointSize(float value, double fallback, double low, double high) {
    const double v = static_cast<double>(value);
    if (!std::isfinite(v) || v <= 0) return fallback;
    return std::clamp(v, low, high);
}

struct Style {
    WheelColour background, rings, spokes, header, glyphs, degrees, labels, houseNumbers;
    double glyphSize = 0, textSize = 0, headerSize = 0;
    bool signRing = false, aspectLines = false;
};

Style StyleOf(const Options& o, bool printColours) {
    Style s;
    s.background = printColours ? PaletteColour(15) : OptionColour(o[100], 15);
    s.rings = OptionColour(o[101], 1);
    s.spokes = printColours ? PaletteColour(0) : OptionColour(o[102], 0);
    s.header = OptionColour(o[88], 0);
    s.glyphs = OptionColour(o[89], 0);
    s.degrees = OptionColour(o[90], 0);
    s.labels = OptionColour(o[91], 0);
    s.houseNumbers = OptionColour(o[92], 0);
    s.glyphSize = PointSize(o[69], 14, 6, 20) * kUnitsPerPoint;
    s.textSize = 0.6 * s.glyphSize;
    s.headerSize = PointSize(o[68], 10, 4, 24) * kUnitsPerPoint;
    s.signRing = o[47] == 1.0f;
    s.aspectLines = o[28] == 1.0f;
    return s;
}

class Builder {
public:
    explicit Builder(WheelDrawing& d) : d_(d) {}

    void Line(WheelPoint a, WheelPoint b, WheelColour c, LineRole role) {
        d_.items.emplace_back(WheelLine{a, b, c, role});
    }
    void Circle(double r, WheelColour outline, CircleRole role = CircleRole::Ring) {
        d_.items.emplace_back(WheelCircle{{0, 0}, r, outline, false, {}, role});
    }
    void Disc(double r, WheelColour outline, WheelColour fill) {
        d_.items.emplace_back(WheelCircle{{0, 0}, r, outline, true, fill, CircleRole::CentreDisc});
    }
    void Text(std::string text, WheelPoint at, double size, WheelColour c, TextRole role, int subject,
              TextAnchor anchor = TextAnchor::Centre, bool inner = false) {
        if (text.empty()) return;
        d_.items.emplace_back(WheelText{std::move(text), at, anchor, size, c, role, subject, inner});
    }

private:
    WheelDrawing& d_;
};

// The Ascendant's and Midheaven's two letters are drawn smaller.
double GlyphSize(const Style& style, int body) { return body >= 14 ? 0.7 * style.glyphSize : style.glyphSize; }

// The radial reach of a text box at an angle: its width across the spoke
// direction's cosine, its height across the sine.
double RadialExtent(const std::string& text, double size, double angle) {
    return NominalTextWidth(text, size) * std::fabs(Cos(angle)) + kTextBoxHeight * size * std::fabs(Sin(angle));
}

// One body's column: its glyph, then towards the centre of the wheel its
// degrees, its sign, its minutes and, when retrograde, "R".
struct ColumnPart {
    std::string text;
    double size;
    WheelColour colour;
    TextRole role;
    double radius = 0;  // where it goes, once laid out
};

std::vector<ColumnPart> BodyColumn(const Style& style, int body, double longitude, bool retrograde) {
    const SignPosition p = SplitPosition(longitude);
    std::vector<ColumnPart> parts = {
        {std::string(BodyGlyph(body)), GlyphSize(style, body), style.glyphs, TextRole::BodyGlyph},
        {TwoDigits(p.degrees), style.textSize, style.degrees, TextRole::BodyDegrees},
        {std::string(SignGlyph(p.sign)), style.textSize, style.degrees, TextRole::BodySign},
        {TwoDigits(p.minutes), 0.85 * style.textSize, style.degrees, TextRole::BodyMinutes},
    };
    if (retrograde) parts.push_back({"R", style.textSize, style.degrees, TextRole::Retrograde});
    return parts;
}

// The parts one after the other along the radius at an angle, the glyph's
// centre at the given radius.
void LayOutColumn(std::vector<ColumnPart>& parts, double angle, double radius) {
    double r = radius;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            r -= RadialExtent(parts[i - 1].text, parts[i - 1].size, angle) / 2 + kStackGap +
                 RadialExtent(parts[i].text, parts[i].size, angle) / 2;
        parts[i].radius = r;
    }
}

// The angle a laid-out column needs on either side of its ray to clear a
// spoke, with a little room to spare.
double ColumnHalfAngle(const std::vector<ColumnPart>& parts, double angle) {
    double half = 0;
    for (const auto& part : parts) {
        const double across = NominalTextWidth(part.text, part.size) / 2 * std::fabs(Sin(angle)) +
                              kTextBoxHeight * part.size / 2 * std::fabs(Cos(angle));
        if (part.radius > across) half = std::max(half, std::atan2(across, part.radius) / kDegree);
    }
    return half + 1.0;
}

void DrawColumn(Builder& out, const std::vector<ColumnPart>& parts, int body, double angle, bool inner) {
    for (const auto& part : parts)
        out.Text(part.text, PointAt(part.radius, angle), part.size, part.colour, part.role, body, TextAnchor::Centre,
                 inner);
}

// The centre of a glyph whose cell has its upper left corner at the table's
// angle and radius.
WheelPoint CellCentre(double angle, double radius) {
    const WheelPoint corner = PointAt(radius, angle);
    return {corner.x + kGlyphCell / 2, corner.y - kGlyphCell / 2};
}

// How far a glyph's box reaches along the radius at an angle.
double GlyphReach(int body, double size, double angle) {
    return NominalTextWidth(BodyGlyph(body), size) / 2 * std::fabs(Cos(angle)) +
           kTextBoxHeight * size / 2 * std::fabs(Sin(angle));
}

// The outer ring's glyph radius at an angle from the table (or computed
// as the table is), kept inside the ring for a glyph larger than the cell
// the table was made for.
double OuterGlyphRadius(const WheelTables& tables, int body, double size, double angle) {
    if (!std::isfinite(angle)) angle = 0;
    int degree = static_cast<int>(std::nearbyint(Normalize360(angle)));
    degree = std::clamp(degree, 0, 360);
    const double r = tables.glyphRadius ? (*tables.glyphRadius)[static_cast<std::size_t>(degree)]
                                        : ComputedGlyphRadius(degree);
    return std::min(r, kWheelOuterRadius - kGlyphMargin - GlyphReach(body, size, angle));
}

struct RingInput {
    RingBodies bodies;
    bool inner = false;  // the solstice points, which have no motion
};

void PlaceAndDrawRing(Builder& out, WheelDrawing& d, const Style& wheelStyle, const RingInput& in,
                      const ChartState& chart, bool european, const WheelTables& tables) {
    const CuspTable& cusp = chart.ChartCusp;
    auto retrograde = [&](int b) { return !in.inner && chart.IsRetrograde(b); };
    const RingTable& ring = in.inner ? InnerRingTable() : OuterRingTable();
    // The dual wheel's inner ring has narrower slots: its columns are drawn
    // smaller, so that neighbouring glyphs keep apart.
    Style style = wheelStyle;
    if (in.inner) {
        style.glyphSize *= kInnerRingTextScale;
        style.textSize *= kInnerRingTextScale;
    }
    const RingPlacement placement = PlaceRing(in.bodies, cusp, ring);
    std::array<double, 16> europeanAngle{};
    std::array<double, 13> crowding;
    crowding.fill(1.0);
    if (european) {
        // Spread at their longitudes, then once more keeping each house's
        // columns as far from its spokes as the widest of them needs.
        europeanAngle = EuropeanGlyphAngles(in.bodies, placement, cusp, ring.step);
        std::array<double, 13> margin{};
        for (const int b : placement.order) {
            const auto i = static_cast<std::size_t>(b);
            const double angle = europeanAngle[i];
            std::vector<ColumnPart> column = BodyColumn(style, b, in.bodies.longitude[i], retrograde(b));
            LayOutColumn(column, angle, OuterGlyphRadius(tables, b, GlyphSize(style, b), angle));
            auto& m = margin[static_cast<std::size_t>(placement.body[i].house)];
            m = std::max(m, std::min(ColumnHalfAngle(column, angle), 15.0));
        }
        europeanAngle = EuropeanGlyphAngles(in.bodies, placement, cusp, ring.step, margin);
        // A house too full for a step between its glyphs draws its columns
        // smaller, in proportion to the room they have (three quarters at
        // the least).
        std::array<std::vector<double>, 13> inHouse;
        for (const int b : placement.order)
            inHouse[static_cast<std::size_t>(placement.body[static_cast<std::size_t>(b)].house)].push_back(
                europeanAngle[static_cast<std::size_t>(b)]);
        for (std::size_t h = 1; h <= 12; ++h) {
            auto& angles = inHouse[h];
            std::sort(angles.begin(), angles.end());
            double closest = ring.step;
            for (std::size_t k = 1; k < angles.size(); ++k) {
                const double gap = angles[k] - angles[k - 1];
                closest = std::min(closest, gap > 180 ? 360 - gap : gap);
            }
            if (angles.size() > 1) {
                const double gap = angles.front() + 360 - angles.back();  // across 0 degrees
                if (gap < 180) closest = std::min(closest, gap);
            }
            crowding[h] = std::clamp(closest / ring.step, kCrowdedTextScale, 1.0);
        }
    } else {
        // A house with more bodies than slots has a finer step.
        for (const int b : placement.order) {
            const auto& slot = placement.body[static_cast<std::size_t>(b)];
            crowding[static_cast<std::size_t>(slot.house)] =
                std::clamp(slot.step / ring.step, kCrowdedTextScale, 1.0);
        }
    }

    for (auto it = placement.order.rbegin(); it != placement.order.rend(); ++it) {
        const int b = *it;
        const auto& slot = placement.body[static_cast<std::size_t>(b)];
        Style houseStyle = style;
        houseStyle.glyphSize *= crowding[static_cast<std::size_t>(slot.house)];
        houseStyle.textSize *= crowding[static_cast<std::size_t>(slot.house)];
        const double size = GlyphSize(houseStyle, b);
        const double longitude = in.bodies.longitude[static_cast<std::size_t>(b)];
        std::vector<ColumnPart> column = BodyColumn(houseStyle, b, longitude, retrograde(b));

        double angle = 0, radius = 0;
        if (european) {
            // Spread within its house already, half a step clear of the spokes.
            angle = europeanAngle[static_cast<std::size_t>(b)];
            radius = OuterGlyphRadius(tables, b, size, angle);
        } else {
            const WheelPoint c = CellCentre(slot.slotAngle, ring.radius[static_cast<std::size_t>(slot.house)]);
            const double cellRadius = std::hypot(c.x, c.y);
            auto radiusAt = [&](double a) {
                return in.inner ? std::min(cellRadius, kDualRingRadius - kGlyphMargin - GlyphReach(b, size, a))
                                : OuterGlyphRadius(tables, b, size, a);
            };
            angle = AngleOf(c.x, c.y);
            radius = radiusAt(angle);
            // Near a cusp: the column keeps clear of the spoke, inside its
            // house's sector.
            LayOutColumn(column, angle, radius);
            const double half = std::min(ColumnHalfAngle(column, angle), 15.0);
            const double start = EqualSpokeAngle(slot.house);
            const double past = std::remainder(angle - start, 360.0);
            const double into = std::clamp(past, half, 30.0 - half);
            if (into != past) {
                angle = Normalize360(start + into);
                radius = radiusAt(angle);
            }
        }
        LayOutColumn(column, angle, radius);
        DrawColumn(out, column, b, angle, in.inner);
        d.bodies.push_back(WheelBodyMark{b, in.inner, slot.house, slot.slot, slot.wheelSlot, slot.slotAngle,
                                         angle, radius, retrograde(b)});
        if (!in.inner) d.wheelSlot[static_cast<std::size_t>(b)] = slot.wheelSlot;
    }
}

void DrawCuspLabel(Builder& out, const Style& style, int k, double cusp, const CuspLabelLayout& at) {
    const SignPosition p = SplitPosition(cusp);
    const std::string texts[kLabelParts] = {TwoDigits(p.degrees), std::string(kDegreeMark),
                                            std::string(SignGlyph(p.sign)), TwoDigits(p.minutes),
                                            std::string(kMinuteMark)};
    const TextRole roles[kLabelParts] = {TextRole::CuspDegrees, TextRole::CuspDegreeMark, TextRole::CuspSign,
                                         TextRole::CuspMinutes, TextRole::CuspMinuteMark};
    for (int j = 0; j < kLabelParts; ++j)
        out.Text(texts[j], {at[j].x, at[j].y}, kLabelSize, style.labels, roles[j], k);
}

// The European wheel's labels: each at its spoke; one that would cover a
// label already placed moves on round the wheel a degree at a time.
std::array<CuspLabelLayout, 13> EuropeanLabels(const CuspTable& cusp) {
    std::array<CuspLabelLayout, 13> layout{};
    std::vector<std::pair<double, int>> byAngle;
    for (int k = 1; k <= 12; ++k) byAngle.emplace_back(EuropeanSpokeAngle(cusp, HouseOfCuspEntry(k)), k);
    std::sort(byAngle.begin(), byAngle.end());
    std::vector<LabelPoint> placed;
    const double w = 2 * LabelHalfWidth() + 1, h = 2 * LabelHalfHeight() + 1;
    for (const auto& [angle, k] : byAngle) {
        LabelPoint c = CuspLabelCentre(angle);
        for (int nudge = 1; nudge <= 45; ++nudge) {
            const bool covers = std::any_of(placed.begin(), placed.end(), [&](const LabelPoint& p) {
                return std::fabs(p.x - c.x) < w && std::fabs(p.y - c.y) < h;
            });
            if (!covers) break;
            c = CuspLabelCentre(angle + nudge);
        }
        placed.push_back(c);
        layout[static_cast<std::size_t>(k)] = CuspLabelAt(c);
    }
    return layout;
}

// The aspects the wheel draws lines for (their angles and orb lines are the
// aspect table's), with their colours: hard red, soft blue, the rest green.
struct WheelAspect {
    int aspect;
    int colour;
};
constexpr WheelAspect kWheelAspects[] = {
    {aspect::Sextile, 1},     {aspect::Square, 4},       {aspect::Trine, 1},        {aspect::Opposition, 4},
    {aspect::SemiSextile, 2}, {aspect::SemiSquare, 4},   {aspect::Sesquisquare, 4}, {aspect::Quincunx, 2},
};

void DrawAspectLines(Builder& out, const ChartState& chart, const Options& options, bool european,
                     double radius) {
    for (int a = 1; a <= 10; ++a)
        for (int b = a + 1; b <= 10; ++b) {
            const double la = chart.ChartLongitude[static_cast<std::size_t>(a)];
            const double lb = chart.ChartLongitude[static_cast<std::size_t>(b)];
            double sep = Normalize360(la - lb);
            if (sep > 180) sep = 360 - sep;
            for (const auto& drawn : kWheelAspects) {
                const AspectKind& kind = *FindAspectKind(drawn.aspect);
                const double orb = static_cast<double>(options[kind.orbLine]);
                if (!(orb > 0) || std::fabs(sep - kind.angle) > orb) continue;
                out.Line(PointAt(radius, WheelAngleOfLongitude(chart.ChartCusp, la, european)),
                         PointAt(radius, WheelAngleOfLongitude(chart.ChartCusp, lb, european)),
                         PaletteColour(drawn.colour), LineRole::AspectLine);
                break;
            }
        }
}

}  // namespace

WheelHeaderBlock FillWheelHeader(const ChartState& chart, const RegionalFormats& regional) {
    WheelHeaderBlock h{};
    h[1] = chart.ChartName;
    h[2] = HeaderDate(chart, regional);
    std::string zone = NumberText(chart.ZoneHoursSingle);
    if (!zone.empty() && zone.front() == ' ') zone.erase(0, 1);
    h[3] = FormatNumber(chart.ClockTimeSingle, "#0.00") + " " + chart.AmPmText + " (" + zone + ")" +
           (chart.LocalMeanTime ? " LMT" : "");
    h[4] = FormatNumber(std::fabs(chart.LongitudeDm), "##0.00") + " " + chart.LongitudeSide;
    h[5] = FormatNumber(std::fabs(chart.LatitudeDm), "#0.00") + " " + chart.LatitudeSide;
    h[6] = chart.SiderealTimeText;
    h[7] = HouseSystemName(chart.HouseSystemCode);
    return h;
}

WheelHeaderBlock FillWheelSubHeader(WheelMode mode) {
    WheelHeaderBlock h{};
    if (mode == WheelMode::Dual) h[7] = kDualWheelSubHeader;
    return h;
}

int StartScaleForWindow(double width, double height) {
    if (height > width) return 244;
    if (!(width > 0) || !(height > 0)) return 287;
    return static_cast<int>(std::nearbyint(225.0 / std::fabs(height / width)));
}

int PrinterStartScale(WheelMode mode, ChartType type) {
    return mode == WheelMode::Single && type == ChartType::European ? 272 : 265;
}

std::array<int, 16> WheelSlots(const ChartState& chart) {
    const RingPlacement p = PlaceRing(OuterRingBodies(chart), chart.ChartCusp, OuterRingTable());
    std::array<int, 16> slots{};
    for (int b = 1; b <= 15; ++b) slots[static_cast<std::size_t>(b)] = p.body[static_cast<std::size_t>(b)].wheelSlot;
    return slots;
}

WheelDrawing DrawWheel(const ChartState& chart, const WheelRequest& request, const Options& options,
                       const WheelTables& tables) {
    WheelDrawing d;
    Builder out(d);
    const Style style = StyleOf(options, request.printColours);
    const bool dual = request.mode == WheelMode::Dual;
    const bool european = !dual && request.type == ChartType::European;
    const CuspTable& cusp = chart.ChartCusp;

    // The scale, square units, the vertical axis up. A window about as tall
    // as wide or taller (StartScale 225 to 248) still shows the labels of
    // the horizontal spokes whole.
    const double scale = std::max(request.startScale > 0 ? request.startScale : 287, LeastDrawingHalfWidth());
    const double ratio = std::isfinite(request.heightToWidth) && request.heightToWidth > 0
                             ? request.heightToWidth
                             : kFrameHalfHeight / kFrameHalfWidth;
    d.xMin = -scale;
    d.xMax = scale;
    d.yMax = scale * ratio;
    d.yMin = -d.yMax;
    d.background = style.background;
    d.header = request.header;
    d.subHeader = request.subHeader;

    // The frame.
    if (dual) {
        for (int s = 0; s < 12; ++s) out.Line({0, 0}, PointAt(kWheelOuterRadius, 30.0 * s), style.spokes, LineRole::Spoke);
        for (double r : {kWheelOuterRadius, kDualRingRadius, kDualHouseRingRadius, kDualDiscRadius})
            out.Circle(r, style.rings);
        out.Disc(kDualDiscRadius, style.rings, style.background);
    } else {
        for (int h = 1; h <= 12; ++h) {
            const double a = european ? EuropeanSpokeAngle(cusp, h) : 30.0 * (h - 1);
            out.Line(PointAt(kSingleInnerRadius, a), PointAt(kWheelOuterRadius, a), style.spokes, LineRole::Spoke);
        }
        out.Circle(kWheelOuterRadius, style.rings);
        out.Circle(kSingleInnerRadius, style.rings);
    }

    // The dual wheel's legend of the fifteen glyphs, at the upper right.
    if (dual) {
        const double lineHeight = 1.25 * kLabelSize;
        const double glyphSize = 1.1 * kLabelSize;
        const double glyphX = d.xMax - 10 - glyphSize / 2;
        for (int b = 1; b <= 15; ++b) {
            const double y = d.yMax - (b - 0.5) * lineHeight;
            out.Text(std::string(BodyGlyph(b)), {glyphX, y}, b >= 14 ? 0.7 * glyphSize : glyphSize, style.glyphs,
                     TextRole::LegendGlyph, b);
            out.Text(std::string(BodyLegendName(b)), {glyphX - glyphSize / 2 - 2, y}, kLabelSize, style.labels,
                     TextRole::LegendName, b, TextAnchor::Right);
        }
    }

    // The cusp labels.
    if (european) {
        const auto layout = EuropeanLabels(cusp);
        for (int k = 1; k <= 12; ++k)
            DrawCuspLabel(out, style, k, cusp[static_cast<std::size_t>(k)], layout[static_cast<std::size_t>(k)]);
    } else {
        d.cuspLabelsFromFile = tables.cuspLabels.has_value();
        for (int k = 1; k <= 12; ++k) {
            CuspLabelLayout at;
            if (tables.cuspLabels) {
                for (int j = 0; j < kLabelParts; ++j) {
                    const auto e = static_cast<std::size_t>(10 * (k - 1) + 2 * j);
                    at[j] = {static_cast<double>((*tables.cuspLabels)[e]),
                             static_cast<double>((*tables.cuspLabels)[e + 1])};
                }
            } else {
                at = ComputedCuspLabel(EqualSpokeAngle(HouseOfCuspEntry(k)));
            }
            DrawCuspLabel(out, style, k, cusp[static_cast<std::size_t>(k)], at);
        }
    }

    // The house marks: each house's number in the middle of its sector.
    for (int h = 1; h <= 12; ++h) {
        double mid = EqualSpokeAngle(h) + 15;
        if (european) mid = EuropeanSpokeAngle(cusp, h) + HouseArc(cusp, h) / 2;
        out.Text(std::to_string(h), PointAt(dual ? kDualHouseNumberRadius : kHouseNumberRadius, mid), kHouseNumberSize,
                 style.houseNumbers, TextRole::HouseNumber, h);
    }

    // The outer ring.
    d.glyphRadiiFromFile = tables.glyphRadius.has_value();
    PlaceAndDrawRing(out, d, style, RingInput{OuterRingBodies(chart), false}, chart, european, tables);

    if (dual) {
        // The inner ring: the solstice points.
        PlaceAndDrawRing(out, d, style, RingInput{InnerRingBodies(chart), true}, chart, false, tables);
    } else {
        if (style.signRing) {
            // Option 47: the signs in a ring inside the houses.
            out.Circle(kSignRingRadius, style.rings);
            for (int s = 1; s <= 12; ++s) {
                const double a = WheelAngleOfLongitude(cusp, 30.0 * (s - 1), european);
                out.Line(PointAt(kSignRingRadius, a), PointAt(kSingleInnerRadius, a), style.rings, LineRole::SignDivider);
                const double mid = WheelAngleOfLongitude(cusp, 30.0 * (s - 1) + 15, european);
                out.Text(std::string(SignGlyph(s)), PointAt((kSignRingRadius + kSingleInnerRadius) / 2, mid),
                         kSignGlyphSize, style.glyphs, TextRole::SignGlyph, s);
            }
        }
        if (style.aspectLines)
            DrawAspectLines(out, chart, options, european, style.signRing ? kSignRingRadius : kSingleInnerRadius);
    }

    // The two header blocks, one line below the other.
    const double lineHeight = 1.2 * style.headerSize;
    const double left = d.xMin + 10;
    for (int n = 1; n <= 7; ++n)
        out.Text(request.header[static_cast<std::size_t>(n)], {left, d.yMax - (n - 0.5) * lineHeight},
                 style.headerSize, style.header, TextRole::Header, n, TextAnchor::Left);
    for (int n = 1; n <= 7; ++n)
        out.Text(request.subHeader[static_cast<std::size_t>(n)],
                 {left, d.yMin + 8 * lineHeight - (n - 0.5) * lineHeight}, style.headerSize, style.header,
                 TextRole::SubHeader, n, TextAnchor::Left);
    return d;
}

}  // namespace quaeryn
