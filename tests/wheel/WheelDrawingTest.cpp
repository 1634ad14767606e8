// The wheel's drawing: the frames of both wheels and both chart types, the
// glyphs, degrees and "R" marks of every body, the labels, the header
// blocks, the colours of the options, and where everything lies over many
// real charts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "astro/AngleMath.h"
#include "astro/Houses.h"
#include "base/Vocabulary.h"
#include "support/ChartBuilder.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelPlacement.h"
#include "wheel/WheelTestSupport.h"

namespace quaeryn {
namespace {

template <class T>
std::vector<T> ItemsOf(const WheelDrawing& d) {
    std::vector<T> out;
    for (const auto& item : d.items)
        if (const T* x = std::get_if<T>(&item)) out.push_back(*x);
    return out;
}

std::vector<WheelLine> LinesOf(const WheelDrawing& d, LineRole role) {
    std::vector<WheelLine> out;
    for (const auto& l : ItemsOf<WheelLine>(d))
        if (l.role == role) out.push_back(l);
    return out;
}

std::vector<WheelText> TextsOf(const WheelDrawing& d, TextRole role, bool inner = false) {
    std::vector<WheelText> out;
    for (const auto& t : ItemsOf<WheelText>(d))
        if (t.role == role && t.innerRing == inner) out.push_back(t);
    return out;
}

double Radius(WheelPoint p) { return std::hypot(p.x, p.y); }
double Direction(WheelPoint from, WheelPoint to) {
    return Normalize360(std::atan2(to.y - from.y, to.x - from.x) * 180.0 / std::numbers::pi);
}
// The signed difference b - a brought into -180 to 180.
double AngleDiff(double a, double b) { return std::remainder(b - a, 360.0); }

WheelDrawing Draw(const ChartState& chart, WheelMode mode, ChartType type, const Options& options,
                  const WheelTables& tables) {
    WheelRequest request;
    request.mode = mode;
    request.type = type;
    request.header = FillWheelHeader(chart, RegionalFormats{});
    request.subHeader = FillWheelSubHeader(mode);
    return DrawWheel(chart, request, options, tables);
}

class WheelOfACast : public ::testing::Test {
protected:
    ChartState chart = test::CastNewYork(5, 3, 2001);
    Options options = test::ShippedOptions();
    WheelTables tables = test::ShippedWheelTables();
};

TEST_F(WheelOfACast, SingleAmericanWheel) {
    const WheelDrawing d = Draw(chart, WheelMode::Single, ChartType::American, options, tables);
    EXPECT_TRUE(d.cuspLabelsFromFile);
    EXPECT_TRUE(d.glyphRadiiFromFile);

    // Twelve spokes in equal sectors from the inner circle to the outer,
    // whatever the (unequal) cusps.
    const auto spokes = LinesOf(d, LineRole::Spoke);
    ASSERT_EQ(spokes.size(), 12u);
    for (std::size_t i = 0; i < spokes.size(); ++i) {
        EXPECT_NEAR(Radius(spokes[i].from), 120, 1e-9);
        EXPECT_NEAR(Radius(spokes[i].to), 217, 1e-9);
        EXPECT_NEAR(AngleDiff(Direction(spokes[i].from, spokes[i].to), 30.0 * i), 0, 1e-9) << i;
    }
    const auto circles = ItemsOf<WheelCircle>(d);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].radius, 217);
    EXPECT_EQ(circles[1].radius, 120);

    // A glyph for every body, once; "R" for the retrograde ones only.
    const auto glyphs = TextsOf(d, TextRole::BodyGlyph);
    ASSERT_EQ(glyphs.size(), 15u);
    std::map<int, std::string> glyphOf;
    for (const auto& g : glyphs) glyphOf[g.subject] = g.text;
    for (int b = 1; b <= 15; ++b) EXPECT_EQ(glyphOf[b], BodyGlyph(b)) << b;
    int retrograde = 0;
    for (int b = 1; b <= 15; ++b) retrograde += chart.RetrogradeText[static_cast<std::size_t>(b - 1)] == 'R';
    const auto marks = TextsOf(d, TextRole::Retrograde);
    EXPECT_EQ(static_cast<int>(marks.size()), retrograde);
    for (const auto& r : marks) EXPECT_EQ(chart.RetrogradeText[static_cast<std::size_t>(r.subject - 1)], 'R');
    EXPECT_EQ(TextsOf(d, TextRole::BodyDegrees).size(), 15u);
    EXPECT_TRUE(TextsOf(d, TextRole::BodyGlyph, true).empty());

    // The labels: five parts for each cusp, reading its position.
    EXPECT_EQ(TextsOf(d, TextRole::CuspSign).size(), 12u);
    for (const auto& t : TextsOf(d, TextRole::CuspDegrees)) {
        const int expected = static_cast<int>(std::floor(std::fmod(chart.ChartCusp[static_cast<std::size_t>(t.subject)], 30.0) + 1e-9));
        EXPECT_EQ(std::stoi(t.text), expected) << t.subject;
    }
    EXPECT_EQ(TextsOf(d, TextRole::HouseNumber).size(), 12u);

    // The title block at the upper left, line under line; no second block.
    const auto header = TextsOf(d, TextRole::Header);
    ASSERT_EQ(header.size(), 7u);
    for (std::size_t i = 0; i < header.size(); ++i) {
        EXPECT_EQ(header[i].text, d.header[i + 1]);
        EXPECT_EQ(header[i].anchor, TextAnchor::Left);
        EXPECT_DOUBLE_EQ(header[i].at.x, d.xMin + 10);
        if (i > 0) {
            EXPECT_LT(header[i].at.y, header[i - 1].at.y);
        }
    }
    EXPECT_GT(header[0].at.y, d.yMax - header[0].size);
    EXPECT_TRUE(TextsOf(d, TextRole::SubHeader).empty());

    // The ASCII chart's wheel slots are the outer ring's.
    EXPECT_EQ(d.wheelSlot, WheelSlots(chart));
}

TEST_F(WheelOfACast, EuropeanSpokesStandAtTheCusps) {
    const WheelDrawing d = Draw(chart, WheelMode::Single, ChartType::European, options, tables);
    EXPECT_FALSE(d.cuspLabelsFromFile);
    const auto spokes = LinesOf(d, LineRole::Spoke);
    ASSERT_EQ(spokes.size(), 12u);
    // The Ascendant horizontal on the left.
    EXPECT_NEAR(spokes[0].from.x, -120, 1e-9);
    EXPECT_NEAR(spokes[0].to.x, -217, 1e-9);
    EXPECT_NEAR(spokes[0].from.y, 0, 1e-9);
    EXPECT_NEAR(spokes[0].to.y, 0, 1e-9);
    for (int h = 2; h <= 12; ++h) {
        const double d1 = Normalize360(CuspOfHouse(chart.ChartCusp, h) - CuspOfHouse(chart.ChartCusp, 1));
        EXPECT_NEAR(AngleDiff(Direction(spokes[static_cast<std::size_t>(h - 1)].from,
                                        spokes[static_cast<std::size_t>(h - 1)].to),
                              180 + d1),
                    0, 1e-9)
            << h;
    }

    // A cusp 30 degrees after the Ascendant lies 30 degrees below it.
    test::ChartBuilder b;
    b.cuspsFromAscendant(100).cusp(2, 130).cusp(3, 165);
    const WheelDrawing e = Draw(b.build(), WheelMode::Single, ChartType::European, options, tables);
    const auto second = LinesOf(e, LineRole::Spoke)[1];
    EXPECT_NEAR(second.to.x, -217 * std::cos(30 * std::numbers::pi / 180), 1e-9);
    EXPECT_NEAR(second.to.y, -217 * std::sin(30 * std::numbers::pi / 180), 1e-9);
    EXPECT_NEAR(Direction(second.from, second.to), 210, 1e-9);
}

TEST_F(WheelOfACast, DualWheel) {
    const WheelDrawing d = Draw(chart, WheelMode::Dual, ChartType::European, options, tables);
    // The European type does not touch the dual wheel: equal sectors.
    const auto spokes = LinesOf(d, LineRole::Spoke);
    ASSERT_EQ(spokes.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_NEAR(Radius(spokes[i].from), 0, 1e-9);
        EXPECT_NEAR(Radius(spokes[i].to), 217, 1e-9);
        EXPECT_NEAR(AngleDiff(Direction(spokes[i].from, spokes[i].to), 30.0 * i), 0, 1e-9);
    }
    const auto circles = ItemsOf<WheelCircle>(d);
    ASSERT_EQ(circles.size(), 5u);
    EXPECT_EQ(circles[0].radius, 217);
    EXPECT_EQ(circles[1].radius, 138);
    EXPECT_EQ(circles[2].radius, 62);
    EXPECT_EQ(circles[3].radius, 40);
    EXPECT_TRUE(circles[4].filled);  // the centre disc covers the spokes' ends
    EXPECT_EQ(circles[4].fill, d.background);

    // Both rings, all fifteen each; the solstice points have no "R".
    const auto outer = TextsOf(d, TextRole::BodyGlyph, false), inner = TextsOf(d, TextRole::BodyGlyph, true);
    EXPECT_EQ(outer.size(), 15u);
    EXPECT_EQ(inner.size(), 15u);
    for (const auto& g : outer) {
        EXPECT_GT(Radius(g.at), 138 + g.size / 2) << g.subject;
        EXPECT_LT(Radius(g.at), 217 - g.size / 2) << g.subject;
    }
    for (const auto& g : inner) {
        EXPECT_GT(Radius(g.at), 62 + g.size / 2) << g.subject;
        EXPECT_LT(Radius(g.at), 138 - g.size / 2) << g.subject;
    }
    EXPECT_TRUE(TextsOf(d, TextRole::Retrograde, true).empty());

    // Each solstice point in the house its own longitude lies in.
    for (const auto& m : d.bodies) {
        if (!m.innerRing) continue;
        const double antiscion = Normalize360(chart.Antiscion[static_cast<std::size_t>(m.body)]);
        EXPECT_EQ(m.house, HouseOfLongitude(chart.ChartCusp, antiscion)) << m.body;
    }

    // The legend, and the second block's last line.
    EXPECT_EQ(TextsOf(d, TextRole::LegendGlyph).size(), 15u);
    EXPECT_EQ(TextsOf(d, TextRole::LegendName).size(), 15u);
    const auto sub = TextsOf(d, TextRole::SubHeader);
    ASSERT_EQ(sub.size(), 1u);
    EXPECT_EQ(sub[0].text, "Inner = Natal Solstice Points");
    EXPECT_EQ(sub[0].subject, 7);
    EXPECT_GT(sub[0].at.y, d.yMin);
    EXPECT_LT(sub[0].at.y, d.yMin + 2 * sub[0].size);
}

TEST_F(WheelOfACast, ColoursFollowTheOptionsAndPrintColours) {
    Options o = options;
    o.Set(100, 0);   // black background
    o.Set(101, 4);   // red rings
    o.Set(102, 14);  // yellow spokes
    o.Set(89, 15);   // white glyphs
    WheelDrawing d = Draw(chart, WheelMode::Single, ChartType::American, o, tables);
    EXPECT_EQ(d.background, PaletteColour(0));
    EXPECT_EQ(ItemsOf<WheelCircle>(d)[0].outline, (WheelColour{128, 0, 0}));
    EXPECT_EQ(LinesOf(d, LineRole::Spoke)[0].colour, (WheelColour{255, 255, 0}));
    EXPECT_EQ(TextsOf(d, TextRole::BodyGlyph)[0].colour, (WheelColour{255, 255, 255}));

    WheelRequest print;
    print.mode = WheelMode::Dual;
    print.printColours = true;
    d = DrawWheel(chart, print, o, tables);
    EXPECT_EQ(d.background, PaletteColour(15));
    EXPECT_EQ(LinesOf(d, LineRole::Spoke)[0].colour, PaletteColour(0));
    EXPECT_EQ(ItemsOf<WheelCircle>(d).back().fill, PaletteColour(15));

    // A colour that is not a palette index falls back to the default.
    o.Set(100, 2.5f);
    o.Set(102, 16);
    d = Draw(chart, WheelMode::Single, ChartType::American, o, tables);
    EXPECT_EQ(d.background, PaletteColour(15));
    EXPECT_EQ(LinesOf(d, LineRole::Spoke)[0].colour, PaletteColour(0));
}

TEST_F(WheelOfACast, RefusedTablesGiveTheComputedPositionsNotTheCentre) {
    const WheelDrawing shipped = Draw(chart, WheelMode::Dual, ChartType::American, options, tables);
    const WheelDrawing computed = Draw(chart, WheelMode::Dual, ChartType::American, options, WheelTables{});
    EXPECT_FALSE(computed.cuspLabelsFromFile);
    EXPECT_FALSE(computed.glyphRadiiFromFile);
    const auto a = ItemsOf<WheelText>(shipped), b = ItemsOf<WheelText>(computed);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_DOUBLE_EQ(a[i].at.x, b[i].at.x) << a[i].text;
        EXPECT_DOUBLE_EQ(a[i].at.y, b[i].at.y) << a[i].text;
        EXPECT_GT(Radius(b[i].at), 30) << b[i].text;
    }
}

TEST_F(WheelOfACast, Option47DrawsTheSignRingAndOption28TheAspects) {
    Options o = options;
    o.Set(47, 0);
    o.Set(28, 0);
    WheelDrawing d = Draw(chart, WheelMode::Single, ChartType::European, o, tables);
    EXPECT_TRUE(LinesOf(d, LineRole::SignDivider).empty());
    EXPECT_TRUE(LinesOf(d, LineRole::AspectLine).empty());

    o.Set(47, 1);
    d = Draw(chart, WheelMode::Single, ChartType::European, o, tables);
    const auto dividers = LinesOf(d, LineRole::SignDivider);
    ASSERT_EQ(dividers.size(), 12u);
    // 0 Aries in the European wheel: 180 degrees past the Ascendant's spoke.
    const double aries = Normalize360(180 - CuspOfHouse(chart.ChartCusp, 1));
    EXPECT_NEAR(AngleDiff(Direction({0, 0}, dividers[0].to), aries), 0, 1e-9);
    EXPECT_EQ(TextsOf(d, TextRole::SignGlyph).size(), 12u);

    // One trine within a one-degree orb: the Sun at 10, the Moon at 130.
    test::ChartBuilder b;
    b.at(body::Sun, 10).at(body::Moon, 130);
    for (int p = 2; p <= 9; ++p) b.at(p, 48 + p);
    ChartState c = b.build();
    PlaceBodiesInHouses(c);
    Options lines;
    lines.Set(28, 1);
    lines.Set(4, 1);  // the trine's orb; every other aspect off
    d = Draw(c, WheelMode::Single, ChartType::American, lines, tables);
    auto aspects = LinesOf(d, LineRole::AspectLine);
    ASSERT_EQ(aspects.size(), 1u);
    EXPECT_EQ(aspects[0].colour, PaletteColour(1));
    EXPECT_NEAR(Radius(aspects[0].from), 120, 1e-9);
    EXPECT_NEAR(Direction({0, 0}, aspects[0].from), WheelAngleOfLongitude(c.ChartCusp, 10, false), 1e-9);
    EXPECT_NEAR(Direction({0, 0}, aspects[0].to), WheelAngleOfLongitude(c.ChartCusp, 130, false), 1e-9);
    lines.Set(4, 0);
    EXPECT_TRUE(LinesOf(Draw(c, WheelMode::Single, ChartType::American, lines, tables), LineRole::AspectLine).empty());
}

// A house too full for a step between its glyphs draws its columns
// smaller, never below three quarters; the other houses keep the size of
// option 69, and the dual wheel's inner ring is drawn smaller throughout.
TEST(WheelLayout, CrowdedHousesDrawTheirColumnsSmaller) {
    const Options options = test::ShippedOptions();
    const WheelTables tables = test::ShippedWheelTables();
    const double full = 14 * kUnitsPerPoint;  // option 69 in scale units
    // Equal houses from 0 Aries; nine bodies in the 1st house (more than its
    // seven slots), the rest one a house.
    test::ChartBuilder b;
    b.cuspsFromAscendant(0);
    for (int n = 1; n <= 9; ++n) b.at(n, 2.0 + 3 * n);
    for (int n = 10; n <= 13; ++n) b.at(n, 45.0 + 30 * (n - 10));
    ChartState chart = b.build();
    PlaceBodiesInHouses(chart);
    for (const ChartType type : {ChartType::American, ChartType::European}) {
        SCOPED_TRACE(type == ChartType::European ? "European" : "American");
        const WheelDrawing d = Draw(chart, WheelMode::Single, type, options, tables);
        for (const auto& t : TextsOf(d, TextRole::BodyGlyph)) {
            const double size = t.subject >= 14 ? 0.7 * full : full;
            if (t.subject <= 9) {
                EXPECT_LT(t.size, size - 1e-9) << t.subject;
                EXPECT_GE(t.size, 0.75 * size - 1e-9) << t.subject;
            } else if (t.subject <= 13) {
                EXPECT_DOUBLE_EQ(t.size, size) << t.subject;
            }
        }
    }
    // The American 1st house steps 3 degrees (six steps of 4 over eight
    // gaps): three quarters.
    for (const auto& t : TextsOf(Draw(chart, WheelMode::Single, ChartType::American, options, tables),
                                 TextRole::BodyGlyph))
        if (t.subject <= 9) {
            EXPECT_DOUBLE_EQ(t.size, 0.75 * full) << t.subject;
        }
    const WheelDrawing dual = Draw(test::CastNewYork(5, 3, 2001), WheelMode::Dual, ChartType::American, options, tables);
    for (const auto& t : TextsOf(dual, TextRole::BodyGlyph, true))
        if (t.subject <= 13) {
            EXPECT_DOUBLE_EQ(t.size, 0.85 * full) << t.subject;
        }
}

// Over two years of charts in several house systems: every glyph and its
// column inside its ring and inside its house's sector, no two glyphs of a
// ring on top of each other, every label outside the wheel and inside the
// drawing.
TEST(WheelLayout, EverythingStaysInItsPlaceOverManyCharts) {
    const Options options = test::ShippedOptions();
    const WheelTables tables = test::ShippedWheelTables();
    const char* systems[] = {"P", "R", "K", "C", "O", "EA", "EM", "M", "I"};
    int charts = 0;
    for (int k = 0; k < 240; ++k) {
        const ChartState chart =
            test::CastNewYork(1 + k % 28, 1 + k % 12, 2001 + k / 120, 1 + k % 12, systems[k % 9], k % 2 == 1);
        ASSERT_FALSE(chart.ChartName.empty()) << k;
        ++charts;
        for (auto [mode, type] : {std::pair{WheelMode::Single, ChartType::American},
                                  std::pair{WheelMode::Single, ChartType::European},
                                  std::pair{WheelMode::Dual, ChartType::American}}) {
            const WheelDrawing d = Draw(chart, mode, type, options, tables);
            const bool european = type == ChartType::European && mode == WheelMode::Single;
            const std::string what = "chart " + std::to_string(k) + (european ? " European" : "") +
                                     (mode == WheelMode::Dual ? " dual" : "");
            const RingPlacement outer = PlaceRing(OuterRingBodies(chart), chart.ChartCusp, OuterRingTable());

            for (const auto& t : ItemsOf<WheelText>(d)) {
                const double half = NominalTextWidth(t.text, t.size) / 2, halfHeight = 0.4 * t.size;
                const double r = Radius(t.at);
                if (t.role == TextRole::BodyGlyph || t.role == TextRole::BodyDegrees ||
                    t.role == TextRole::BodySign || t.role == TextRole::BodyMinutes ||
                    t.role == TextRole::Retrograde) {
                    // The box's corners inside the ring.
                    const double lo = t.innerRing ? 62 : (mode == WheelMode::Dual ? 138 : 120);
                    const double hi = t.innerRing ? 138 : 217;
                    for (double sx : {-1.0, 1.0})
                        for (double sy : {-1.0, 1.0}) {
                            const double cr = std::hypot(t.at.x + sx * half, t.at.y + sy * halfHeight);
                            EXPECT_LE(cr, hi + 0.1) << what << " body " << t.subject << " " << t.text;
                            EXPECT_GE(cr, lo) << what << " body " << t.subject << " " << t.text;
                        }
                } else if (t.role >= TextRole::CuspDegrees && t.role <= TextRole::CuspMinuteMark) {
                    const double nearest = std::hypot(std::max(std::fabs(t.at.x) - half, 0.0),
                                                      std::max(std::fabs(t.at.y) - halfHeight, 0.0));
                    EXPECT_GT(nearest, 217) << what << " cusp " << t.subject << " " << r;
                    EXPECT_LE(std::fabs(t.at.x) + half, kFrameHalfWidth) << what;
                    EXPECT_LE(std::fabs(t.at.y) + halfHeight, kFrameHalfHeight) << what;
                }
            }

            // No text of a body's column touches a spoke of the single
            // wheel (a unit of room for the line) where the house has room
            // for its columns (three steps a glyph).
            if (mode == WheelMode::Single) {
                const auto widths = HouseWidths(chart.ChartCusp);
                for (const auto& t : ItemsOf<WheelText>(d)) {
                    if (t.role < TextRole::BodyGlyph || t.role > TextRole::Retrograde) continue;
                    const int house = outer.body[static_cast<std::size_t>(t.subject)].house;
                    const int count = outer.houseCount[static_cast<std::size_t>(house)];
                    const double width = european ? widths[static_cast<std::size_t>(CuspEntryOfHouse(house))] : 30.0;
                    if (width < 3 * 4.0 * count) continue;
                    const double hw = NominalTextWidth(t.text, t.size) / 2, hh = 0.4 * t.size;
                    for (int h = 1; h <= 12; ++h) {
                        const double a = (european ? EuropeanSpokeAngle(chart.ChartCusp, h) : EqualSpokeAngle(h)) *
                                         std::numbers::pi / 180;
                        // Only the spoke's own side of the wheel counts.
                        if (t.at.x * std::cos(a) + t.at.y * std::sin(a) <= 0) continue;
                        const double apart = std::fabs(t.at.x * std::sin(a) - t.at.y * std::cos(a));
                        const double reach = hw * std::fabs(std::sin(a)) + hh * std::fabs(std::cos(a));
                        EXPECT_GT(apart, reach + 1.0) << what << " body " << t.subject << " " << t.text << " spoke " << h;
                    }
                }
            }

            // Each outer glyph in its house's sector, clear of the spokes
            // unless its house is too full or too narrow for its glyphs.
            std::vector<const WheelBodyMark*> ring;
            for (const auto& m : d.bodies) {
                if (m.innerRing) continue;
                const double start = european ? EuropeanSpokeAngle(chart.ChartCusp, m.house) : EqualSpokeAngle(m.house);
                const double width = european ? HouseWidths(chart.ChartCusp)[static_cast<std::size_t>(CuspEntryOfHouse(m.house))]
                                              : 30.0;
                const double into = Normalize360(m.angle - start);
                const int count = outer.houseCount[static_cast<std::size_t>(m.house)];
                if (count > 7 || width < count * 4.0) continue;
                ring.push_back(&m);
                EXPECT_GT(into, 1.0) << what << " body " << m.body;
                EXPECT_LT(into, width - 1.0) << what << " body " << m.body;
            }
            for (std::size_t i = 0; i < ring.size(); ++i)
                for (std::size_t j = i + 1; j < ring.size(); ++j) {
                    const double apart = std::hypot(ring[i]->radius * std::cos(ring[i]->angle * std::numbers::pi / 180) -
                                                        ring[j]->radius * std::cos(ring[j]->angle * std::numbers::pi / 180),
                                                    ring[i]->radius * std::sin(ring[i]->angle * std::numbers::pi / 180) -
                                                        ring[j]->radius * std::sin(ring[j]->angle * std::numbers::pi / 180));
                    EXPECT_GT(apart, 9.0) << what << " bodies " << ring[i]->body << " and " << ring[j]->body;
                }
        }
    }
    EXPECT_EQ(charts, 240);
}

TEST(WheelScale, ResizeAndPrinterScales) {
    const struct {
        double width, height;
        int scale;
    } cases[] = {{800, 600, 300}, {600, 800, 244}, {1000, 1000, 225}, {937, 700, 301}, {1200, 400, 675}, {0, 0, 287}};
    for (const auto& c : cases) EXPECT_EQ(StartScaleForWindow(c.width, c.height), c.scale) << c.width << "x" << c.height;
    EXPECT_EQ(PrinterStartScale(WheelMode::Single, ChartType::European), 272);
    EXPECT_EQ(PrinterStartScale(WheelMode::Single, ChartType::American), 265);
    EXPECT_EQ(PrinterStartScale(WheelMode::Dual, ChartType::European), 265);

    test::ChartBuilder b;
    WheelRequest r;
    r.startScale = 300;
    r.heightToWidth = 0.75;
    const WheelDrawing d = DrawWheel(b.build(), r, Options{}, WheelTables{});
    EXPECT_EQ(d.xMin, -300);
    EXPECT_EQ(d.xMax, 300);
    EXPECT_EQ(d.yMax, 225);
    EXPECT_EQ(d.yMin, -225);

    // A window taller than wide (244) or square (225) draws at least 249
    // units each side: the labels of the horizontal spokes stay whole.
    EXPECT_EQ(LeastDrawingHalfWidth(), 249);
    const ChartState chart = test::CastNewYork(5, 3, 2001);
    for (const double startScale : {244.0, 225.0}) {
        r.startScale = startScale;
        r.heightToWidth = 1.25;
        for (const ChartType type : {ChartType::American, ChartType::European}) {
            r.type = type;
            const WheelDrawing tall = DrawWheel(chart, r, test::ShippedOptions(), test::ShippedWheelTables());
            EXPECT_EQ(tall.xMax, 249);
            EXPECT_EQ(tall.yMax, 249 * 1.25);
            for (const auto& t : ItemsOf<WheelText>(tall)) {
                if (t.role < TextRole::CuspDegrees || t.role > TextRole::CuspMinuteMark) continue;
                EXPECT_LE(std::fabs(t.at.x) + NominalTextWidth(t.text, t.size) / 2, tall.xMax) << t.text;
            }
        }
    }
}

TEST(WheelHeader, TheTitleBlockOfACast) {
    const ChartState chart = test::CastNewYork(5, 3, 2001);
    const WheelHeaderBlock h = FillWheelHeader(chart, RegionalFormats{});
    EXPECT_EQ(h[0], "");
    EXPECT_EQ(h[1], "Lost ring");
    EXPECT_EQ(h[2], "05 Mar 2001");
    EXPECT_EQ(h[3], "10.30 A.M. (5)");
    EXPECT_EQ(h[4], "73.58 WEST");
    EXPECT_EQ(h[5], "40.45 NORTH");
    EXPECT_EQ(h[6], chart.SiderealTimeText);
    EXPECT_EQ(h[7], "Regiomontanus");

    test::ChartBuilder b;
    ChartState east = b.build();
    east.ClockTimeSingle = 9.05f;
    east.AmPmText = "P.M.";
    east.ZoneHoursSingle = -5.5f;
    east.LocalMeanTime = true;
    east.LongitudeDm = -77.12f;
    east.LongitudeSide = "EAST";
    east.LatitudeDm = -8.3f;
    east.LatitudeSide = "SOUTH";
    east.HouseSystemCode = "EM";
    const WheelHeaderBlock e = FillWheelHeader(east, RegionalFormats{});
    EXPECT_EQ(e[3], "9.05 P.M. (-5.5) LMT");
    EXPECT_EQ(e[4], "77.12 EAST");
    EXPECT_EQ(e[5], "8.30 SOUTH");
    EXPECT_EQ(e[7], "Equal - MC");

    EXPECT_EQ(FillWheelSubHeader(WheelMode::Single), WheelHeaderBlock{});
    EXPECT_EQ(FillWheelSubHeader(WheelMode::Dual)[7], "Inner = Natal Solstice Points");
}

}  // namespace
}  // namespace quaeryn
