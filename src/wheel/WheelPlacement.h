// Where the bodies go on a ring of the wheel: each body takes a slot in its
// house, the slot giving the glyph's angle on the equal-sector wheels; the
// European wheel draws each glyph at its own longitude instead, spread so
// that no two glyphs touch and none leaves its house. The ASCII chart reads
// the wheel slot of each body from the same placement.
#pragma once

#include <array>
#include <vector>

#include "base/ChartState.h"
#include "wheel/WheelGeometry.h"

namespace quaeryn {

// The bodies of one ring: their longitudes and houses.
struct RingBodies {
    BodyTable longitude{};        // bodies 1 to 15
    std::array<int, 16> house{};  // 1 to 12; 0: in no house, not placed
};

// The outer ring: the chart's longitudes with the houses of its house text
// (a body the text leaves in no house takes the house its longitude lies in).
RingBodies OuterRingBodies(const ChartState& chart);
// The dual wheel's inner ring: the solstice points, each in the house its
// own longitude lies in.
RingBodies InnerRingBodies(const ChartState& chart);

// The house (1 to 12) a longitude lies in, a body exactly on a cusp
// belonging to the house that begins there; 0 when the cusps leave it in
// none.
int HouseOfLongitude(const CuspTable& cusp, double longitude);

// The cusp of house h from the display-order table.
double CuspOfHouse(const CuspTable& cusp, int house);
// The arc of house h, from its cusp to the next one, folded into 0 up to
// 360.
double HouseArc(const CuspTable& cusp, int house);

// House widths by cusp entry 1 to 12: the arc to the next cusp, folded into
// 0 up to 360 (entry 12 runs to entry 1); a width of exactly 277.5 counts
// as 7.5.
std::array<double, 13> HouseWidths(const CuspTable& cusp);

// The order in which the bodies are listed: largest longitude first, then
// rotated until the bodies of the house holding 0 Aries stand together.
// When every body lies in one house they are listed by their distance past
// that house's cusp, largest first. Bodies in no house are left out.
std::vector<int> OrderBodies(const RingBodies& bodies, const CuspTable& cusp);

// The listing both the wheel and the ASCII chart start from: the bodies
// largest longitude first, then rotated until the bodies of the house
// holding 0 Aries stand together. Bodies all in one house keep their
// longitude order.
void OrderByLongitude(std::vector<int>& list, const BodyTable& longitude, const std::array<int, 16>& house);

struct SlotPlacement {
    int house = 0;         // 0: not placed
    int index = 0;         // 1 for the first body placed in its house, then 2, 3 ...
    int slot = 0;          // 0 up to the slots of its house
    int wheelSlot = 0;     // the slot on the ring's own scale (0 to 6 outside)
    int slotsInHouse = 0;  // the ring's slots, or the house's count when more
    double step = 0;       // degrees between this house's slots
    double slotAngle = 0;  // angle base of the house + slot x step
};

struct RingPlacement {
    std::array<int, 13> houseCount{};       // bodies per house 1 to 12
    std::vector<int> order;                 // OrderBodies
    std::array<SlotPlacement, 16> body{};  // by body
};

// Places the bodies of one ring, taking the list from its last entry
// (smallest longitude) to its first. A house holding more bodies than the
// ring has slots gets one slot a body, its step made finer so that the
// first and last slots stay where the ring's own are.
RingPlacement PlaceRing(const RingBodies& bodies, const CuspTable& cusp, const RingTable& ring);

// The European wheel: the angle of house h's spoke (the 1st house's cusp at
// 180, the others at their distance from it).
double EuropeanSpokeAngle(const CuspTable& cusp, int house);

// The European wheel's glyph angles (centres) by body: each at its
// longitude's angle; a glyph less than one step after the previous one in
// its house goes one step after it; each keeps half a step inside the
// spokes of its house, those near the next cusp moving back as one; a house
// too narrow for its glyphs at one step spreads them evenly between those
// margins while they stay half a step apart, otherwise evenly over the
// whole house.
std::array<double, 16> EuropeanGlyphAngles(const RingBodies& bodies, const RingPlacement& placement,
                                           const CuspTable& cusp, double step);
// The same with the room a house's glyphs keep from its spokes given by
// house (1 to 12); a margin below half a step counts as half a step.
std::array<double, 16> EuropeanGlyphAngles(const RingBodies& bodies, const RingPlacement& placement,
                                           const CuspTable& cusp, double step,
                                           const std::array<double, 13>& marginByHouse);

// The angle on the wheel of a longitude: the European wheel in proportion
// to the 1st cusp; the equal-sector wheels in proportion within the house
// it lies in.
double WheelAngleOfLongitude(const CuspTable& cusp, double longitude, bool european);

}  // namespace quaeryn
