// The fixed geometry of the chart wheel, in the units of the wheel's scale
// (the outer circle has radius 217; angles are degrees counter-clockwise
// from the right, the vertical axis pointing up): the ring tables, the
// glyph texts, the 16-colour palette, the nominal text measures the layout
// works with, and the two computed tables that HCDATA.DAT and RADIUS.DAT
// ship (scripts/make-wheel-data writes them from the functions here).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quaeryn {

// ---- radii of the frames
inline constexpr double kWheelOuterRadius = 217;  // outer circle of both frames
inline constexpr double kSingleInnerRadius = 120;  // inner circle of the single wheel
inline constexpr double kDualRingRadius = 138;     // between the dual wheel's two rings
inline constexpr double kDualHouseRingRadius = 62;
inline constexpr double kDualDiscRadius = 40;

// ---- sizes
// One point of an option's font size in scale units: the default window
// shows the 574 units of the default scale on about 937 pixels of a 96-dpi
// screen, where a point is 4/3 of a pixel.
inline constexpr double kUnitsPerPoint = 0.8;
// The glyph cell the ring tables were laid out for: a table's angle and
// radius give the upper left corner of a cell this wide and high.
inline constexpr double kGlyphCell = 12;
// The glyphs keep this much room inside the outer circle.
inline constexpr double kGlyphMargin = 2;
// The cusp labels: their text size, and their gap from the outer circle.
inline constexpr double kLabelSize = 6.5;
inline constexpr double kLabelGap = 1.5;
// The drawing the labels are laid out to fit: the default scale (287 units
// each side of the centre) on a window whose height leaves 225 units above
// and below it, as resizing keeps it.
inline constexpr double kFrameHalfWidth = 287;
inline constexpr double kFrameHalfHeight = 225;

// ---- the ring tables, by house 1 to 12 (entry 0 unused)
struct RingTable {
    int slotCount;                       // slots per house (not "slots": a Qt keyword)
    double step;                         // degrees between slots
    std::array<int16_t, 13> angleBase;  // glyph angle of slot 0
    std::array<int16_t, 13> radius;     // glyph radius
};
// The outer ring: 7 slots of 4.0 degrees.
const RingTable& OuterRingTable();
// The dual wheel's inner ring: 5 slots of 5.3 degrees.
const RingTable& InnerRingTable();
// The most bodies one house can hold (all fifteen).
inline constexpr int kMaxBodiesInHouse = 15;

// ---- glyphs (UTF-8)
// Body 1 to 15: the astrological symbols; the Part of Fortune as a circled
// cross, the Ascendant and Midheaven as "AS" and "MC".
std::string_view BodyGlyph(int body);
// Sign 1 (Aries) to 12 (Pisces).
std::string_view SignGlyph(int sign);
// The name the dual wheel's legend gives body 1 to 15.
std::string_view BodyLegendName(int body);
inline constexpr std::string_view kDegreeMark = "\u00B0";
inline constexpr std::string_view kMinuteMark = "\u2032";

// ---- colours
struct WheelColour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const WheelColour&) const = default;
};
// The 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 brown, 7 light grey, 8 dark grey, 9 light blue, 10 light green,
// 11 light cyan, 12 light red, 13 light magenta, 14 yellow, 15 white.
// An index outside 0 to 15 gives black.
WheelColour PaletteColour(int index);
// A colour option's value as a palette colour; a value that is not a whole
// number from 0 to 15 gives the palette colour `fallback`.
WheelColour OptionColour(float value, int fallback);

// ---- nominal text measures
// The advance of a text at a given size (em), as the layout counts it:
// digits 0.64 em, capitals 0.80 (as wide as the widest of "AS", "MC" and
// "R" in the glyph font), other ASCII characters 0.66, the degree mark 0.40, the
// minute mark 0.30, every other symbol 0.84.
double NominalTextWidth(std::string_view utf8, double size);
// The height the layout gives a line of text: 0.8 em.
inline constexpr double kTextBoxHeight = 0.8;

// ---- the computed tables
// The radius of a glyph's centre on the outer ring at a whole degree of
// angle: the glyph cell, centred there, stays kGlyphMargin inside the outer
// circle. RADIUS.DAT ships these for 0 to 360.
int ComputedGlyphRadius(int degree);

// The five parts of a cusp label, in this order: the degrees, the degree
// mark, the sign glyph, the minutes and the minute mark.
inline constexpr int kLabelParts = 5;
struct LabelPoint {
    double x = 0, y = 0;
    bool operator==(const LabelPoint&) const = default;
};
using CuspLabelLayout = std::array<LabelPoint, kLabelParts>;
// The centre of the label of a spoke at the given angle: one line of text
// just outside the outer circle, its box kLabelGap clear of it along the
// spoke.
LabelPoint CuspLabelCentre(double spokeAngle);
// The centres of the parts (whole units) of a label centred there.
CuspLabelLayout CuspLabelAt(LabelPoint centre);
// CuspLabelAt(CuspLabelCentre(spokeAngle)).
CuspLabelLayout ComputedCuspLabel(double spokeAngle);
// The half width and half height of a label's box.
double LabelHalfWidth();
double LabelHalfHeight();
// The least half width of a drawing that holds the labels of horizontal
// spokes whole: their outer ends and a unit of room (249).
double LeastDrawingHalfWidth();

// The spoke angle of house h (1 to 12) in equal sectors: the 1st house's
// cusp on the left (180), counter-clockwise from there.
double EqualSpokeAngle(int house);
// The house whose cusp stands at cusp entry k (1 = the 10th house).
int HouseOfCuspEntry(int k);
// The cusp entry of house h.
int CuspEntryOfHouse(int house);

// The texts of the two shipped files, lines ended by CR LF: RADIUS.DAT has
// one radius a line for 0 to 360 degrees; HCDATA.DAT one line a cusp entry
// (1 to 12) with the x, y pairs of its five label parts.
std::string RadiusDataText();
std::string CuspLabelDataText();

}  // namespace quaeryn
