// The chart wheel as a plain description of its drawing: lines, circles and
// texts in the wheel's scale units, in painting order, with their colours.
// Any painter draws it the same way: the window, the printer, the SVG, PNG
// and PDF export. It also carries where every body went (its house, slot,
// wheel slot and glyph position), which the ASCII chart reads.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "base/ChartState.h"
#include "base/Options.h"
#include "base/RegionalFormats.h"
#include "wheel/WheelGeometry.h"
#include "wheel/WheelTables.h"

namespace quaeryn {

enum class WheelMode { Single = 1, Dual = 2 };
// TypeChart of the settings file: 0 American (equal sectors), 1 European
// (spokes at the true cusps).
enum class ChartType { American = 0, European = 1 };

// A header block: entries 1 to 7 (entry 0 stays empty).
using WheelHeaderBlock = std::array<std::string, 8>;

// The title block the wheel commands fill: the chart's name, its date, the
// clock time with its zone, the place, the sidereal time and the house system.
WheelHeaderBlock FillWheelHeader(const ChartState& chart, const RegionalFormats& regional);
// The second block: empty for the single wheel; the dual wheel's 7th line
// says what its inner ring shows.
WheelHeaderBlock FillWheelSubHeader(WheelMode mode);
inline constexpr const char* kDualWheelSubHeader = "Inner = Natal Solstice Points";

// StartScale after a resize: 244 for a window taller than wide, otherwise
// 225 divided by its height-to-width ratio, rounded.
int StartScaleForWindow(double width, double height);
// StartScale of a full-page print: 272 for the European single wheel, 265
// for the other wheels.
int PrinterStartScale(WheelMode mode, ChartType type);

struct WheelPoint {
    double x = 0, y = 0;
};

enum class LineRole { Spoke, AspectLine, SignDivider };
enum class CircleRole { Ring, CentreDisc };
enum class TextRole {
    BodyGlyph,
    BodyDegrees,
    BodySign,
    BodyMinutes,
    Retrograde,
    CuspDegrees,
    CuspDegreeMark,
    CuspSign,
    CuspMinutes,
    CuspMinuteMark,
    HouseNumber,
    SignGlyph,
    LegendGlyph,
    LegendName,
    Header,
    SubHeader,
};

struct WheelLine {
    WheelPoint from, to;
    WheelColour colour;
    LineRole role = LineRole::Spoke;
};

struct WheelCircle {
    WheelPoint centre;
    double radius = 0;
    WheelColour outline;
    bool filled = false;
    WheelColour fill;
    CircleRole role = CircleRole::Ring;
};

// Where a text's point is: horizontally the middle, the left end or the
// right end of its advance; vertically always the middle of its digits,
// half the cap height above its baseline.
enum class TextAnchor { Centre, Left, Right };

struct WheelText {
    std::string text;  // UTF-8
    WheelPoint at;
    TextAnchor anchor = TextAnchor::Centre;
    double size = 0;  // em, in scale units
    WheelColour colour;
    TextRole role = TextRole::BodyGlyph;
    int subject = 0;  // the body (1 to 15), cusp entry (1 to 12), house or sign it belongs to
    bool innerRing = false;
};

using WheelItem = std::variant<WheelLine, WheelCircle, WheelText>;

// Where one body's glyph went.
struct WheelBodyMark {
    int body = 0;
    bool innerRing = false;
    int house = 0;
    int slot = 0;
    int wheelSlot = 0;
    double slotAngle = 0;  // the ring table's angle of the slot (upper left of the glyph cell)
    double angle = 0;      // the glyph's centre, in polar form
    double radius = 0;
    bool retrograde = false;
};

struct WheelRequest {
    WheelMode mode = WheelMode::Single;
    ChartType type = ChartType::American;
    double startScale = 287;
    double heightToWidth = 225.0 / 287.0;  // of the window (or page) drawn on
    bool printColours = false;              // white background and black spokes
    WheelHeaderBlock header{};
    WheelHeaderBlock subHeader{};
};

struct WheelDrawing {
    // The user scale: -startScale to +startScale across (never less than
    // LeastDrawingHalfWidth), the height from the window's shape, the
    // vertical axis pointing up.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    WheelColour background;
    std::vector<WheelItem> items;  // in painting order
    std::vector<WheelBodyMark> bodies;
    std::array<int, 16> wheelSlot{};  // the outer ring's wheel slot by body
    WheelHeaderBlock header{}, subHeader{};
    bool cuspLabelsFromFile = false;  // false: computed (European, or no sound HCDATA.DAT)
    bool glyphRadiiFromFile = false;  // false: computed (no sound RADIUS.DAT)
};

// The wheel of a chart: its copy of the chart's longitudes, cusps,
// retrograde text and solstice points, the options of the drawing, and the
// two data tables (or, where they were refused, the computed positions).
WheelDrawing DrawWheel(const ChartState& chart, const WheelRequest& request, const Options& options,
                       const WheelTables& tables);

// The wheel slots the single wheel's placement gives bodies 1 to 15.
std::array<int, 16> WheelSlots(const ChartState& chart);

}  // namespace quaeryn
