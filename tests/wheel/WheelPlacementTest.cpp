// Where the bodies go on the rings: the slot rules, the order of the
// bodies, houses too full for their slots, and the European wheel's angles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>
#include <utility>

#include "wheel/WheelPlacement.h"

namespace quaeryn {
namespace {

// Cusps in display order from the cusps of houses 1 to 12.
CuspTable CuspsOfHouses(std::initializer_list<double> houses) {
    CuspTable cusp{};
    int h = 1;
    for (double c : houses) cusp[static_cast<std::size_t>(CuspEntryOfHouse(h++))] = c;
    return cusp;
}

CuspTable EqualCusps(double ascendant) {
    CuspTable cusp{};
    for (int h = 1; h <= 12; ++h) {
        double c = ascendant + 30.0 * (h - 1);
        if (c >= 360) c -= 360;
        cusp[static_cast<std::size_t>(CuspEntryOfHouse(h))] = c;
    }
    return cusp;
}

// Bodies at the given longitudes, each in the house its longitude lies in;
// the bodies not listed take no part.
RingBodies Bodies(const CuspTable& cusp, std::initializer_list<std::pair<int, double>> at) {
    RingBodies r;
    for (auto [b, lon] : at) {
        r.longitude[static_cast<std::size_t>(b)] = lon;
        r.house[static_cast<std::size_t>(b)] = HouseOfLongitude(cusp, lon);
    }
    return r;
}

int SlotOf(const RingPlacement& p, int b) { return p.body[static_cast<std::size_t>(b)].slot; }

TEST(HouseWidths, FoldTheArcToTheNextCusp) {
    const auto equal = HouseWidths(EqualCusps(350));
    for (int k = 1; k <= 12; ++k) EXPECT_DOUBLE_EQ(equal[static_cast<std::size_t>(k)], 30.0) << k;

    // Unequal houses, the 9th cusp (entry 12) running on to the 10th (entry 1).
    const auto w = HouseWidths(CuspsOfHouses({100, 125, 155, 190, 225, 255, 280, 305, 335, 10, 45, 75}));
    EXPECT_DOUBLE_EQ(w[4], 25.0);   // the 1st house
    EXPECT_DOUBLE_EQ(w[12], 35.0);  // the 9th: 335 to 10
    EXPECT_DOUBLE_EQ(w[3], 25.0);   // the 12th: 75 to 100

    // A width of exactly 277.5 counts as 7.5.
    CuspTable odd = EqualCusps(0);
    odd[2] = odd[1] + 277.5;
    EXPECT_DOUBLE_EQ(HouseWidths(odd)[1], 7.5);
}

TEST(OrderBodies, LargestFirstWithTheHouseOfAriesKeptTogether) {
    const CuspTable cusp = EqualCusps(345);  // the 1st house runs from 345 to 15
    const RingBodies r = Bodies(cusp, {{1, 359.9833}, {2, 0.0}, {3, 100}, {4, 200}, {5, 10}});
    // By longitude: 359.98, 200, 100, 10, 0; turned until the last body is
    // not in the first one's house: 10 and 0 come to the front.
    EXPECT_EQ(OrderBodies(r, cusp), (std::vector<int>{5, 2, 1, 4, 3}));
}

TEST(OrderBodies, AllInOneHouseEndsAndFollowsTheHouse) {
    // Every body in the house that holds 0 Aries: no turn could part them, and
    // they are listed by their distance past the cusp at 350.
    const CuspTable cusp = CuspsOfHouses({350, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320});
    const RingBodies r = Bodies(cusp, {{1, 5}, {2, 355}, {3, 15}, {4, 351}, {5, 0}});
    EXPECT_EQ(OrderBodies(r, cusp), (std::vector<int>{3, 1, 5, 2, 4}));

    const RingBodies one = Bodies(cusp, {{7, 12}});
    EXPECT_EQ(OrderBodies(one, cusp), std::vector<int>{7});
    EXPECT_TRUE(OrderBodies(RingBodies{}, cusp).empty());
}

struct SlotCase {
    const char* name;
    CuspTable cusp;
    std::vector<std::pair<int, double>> bodies;
    std::vector<std::pair<int, int>> slots;  // body, slot
};

TEST(PlaceRing, OuterRingSlots) {
    const CuspTable equal = EqualCusps(0);
    const CuspTable narrow = CuspsOfHouses({0, 15, 45, 75, 105, 135, 180, 195, 225, 255, 285, 315});
    const SlotCase cases[] = {
        {"a 15-degree house with one body at 7.5 degrees", narrow, {{1, 7.5}}, {{1, 3}}},
        {"one body a house, each in proportion", equal, {{1, 1}, {2, 44}, {3, 89.9}}, {{1, 0}, {2, 3}, {3, 6}}},
        {"two bodies in one slot: the later one moves up", equal, {{1, 10.0}, {2, 10.5}}, {{1, 2}, {2, 3}}},
        {"room kept for the bodies still to come", equal, {{1, 28}, {2, 29}, {3, 29.5}}, {{1, 4}, {2, 5}, {3, 6}}},
        {"room when the last slots are taken", equal, {{1, 25}, {2, 25.5}, {3, 26}, {4, 29.9}},
         {{1, 3}, {2, 4}, {3, 5}, {4, 6}}},
        {"on the cusp is the start of the house", equal, {{1, 30.0}, {2, 59.99999}}, {{1, 0}, {2, 0}}},
    };
    for (const auto& c : cases) {
        RingBodies r;
        for (auto [b, lon] : c.bodies) {
            r.longitude[static_cast<std::size_t>(b)] = lon;
            r.house[static_cast<std::size_t>(b)] = HouseOfLongitude(c.cusp, lon);
        }
        const RingPlacement p = PlaceRing(r, c.cusp, OuterRingTable());
        for (auto [b, slot] : c.slots) EXPECT_EQ(SlotOf(p, b), slot) << c.name << ", body " << b;
    }
}

TEST(PlaceRing, GlyphAnglesComeFromTheRingTables) {
    const CuspTable cusp = EqualCusps(0);
    // House 1 (angle base 180) slot 2; house 7 (base 4) slot 6; house 10
    // (base 95) slot 0.
    const RingPlacement outer =
        PlaceRing(Bodies(cusp, {{1, 10}, {2, 209}, {3, 270.5}}), cusp, OuterRingTable());
    EXPECT_DOUBLE_EQ(outer.body[1].slotAngle, 180 + 2 * 4.0);
    EXPECT_DOUBLE_EQ(outer.body[2].slotAngle, 4 + 6 * 4.0);
    EXPECT_DOUBLE_EQ(outer.body[3].slotAngle, 95);
    // The inner ring: 5 slots of 5.3 degrees; house 5 (base 306).
    const RingPlacement inner = PlaceRing(Bodies(cusp, {{1, 135}}), cusp, InnerRingTable());
    EXPECT_EQ(inner.body[1].slot, 2);
    EXPECT_DOUBLE_EQ(inner.body[1].slotAngle, 306 + 2 * 5.3);
}

TEST(PlaceRing, BodiesEitherSideOfAriesArePlacedInLongitudeOrder) {
    const CuspTable cusp = EqualCusps(345);
    const RingBodies r = Bodies(cusp, {{1, 359.9833}, {2, 0.0}, {3, 100}});
    const RingPlacement p = PlaceRing(r, cusp, OuterRingTable());
    EXPECT_EQ(p.body[1].index, 1);
    EXPECT_EQ(p.body[2].index, 2);
    EXPECT_EQ(SlotOf(p, 1), 3);
    EXPECT_EQ(SlotOf(p, 2), 4);  // 0 Aries falls in slot 3 too and moves up
}

// Every placed body of a house has its own slot inside the house's range
// and the ring table's span; none is left out.
void ExpectSoundHouses(const RingPlacement& p, const RingTable& ring, const std::string& what) {
    std::set<std::pair<int, int>> cells;
    for (int b = 1; b <= 15; ++b) {
        const auto& s = p.body[static_cast<std::size_t>(b)];
        if (s.house == 0) continue;
        EXPECT_TRUE(cells.insert({s.house, s.slot}).second) << what << ": body " << b << " shares a slot";
        EXPECT_GE(s.slot, 0) << what;
        EXPECT_LT(s.slot, s.slotsInHouse) << what;
        EXPECT_GE(s.wheelSlot, 0) << what;
        EXPECT_LT(s.wheelSlot, ring.slotCount) << what;
        const double base = ring.angleBase[static_cast<std::size_t>(s.house)];
        EXPECT_GE(s.slotAngle, base) << what;
        EXPECT_LE(s.slotAngle, base + (ring.slotCount - 1) * ring.step + 1e-9) << what;
    }
}

TEST(PlaceRing, AHouseWithMoreBodiesThanSlotsKeepsThemAllInside) {
    const CuspTable cusp = EqualCusps(0);
    // A stellium of eight in the 1st house, and three in the 7th.
    RingBodies stellium = Bodies(cusp, {{1, 1}, {2, 2}, {3, 3}, {4, 27}, {5, 28}, {6, 28.5}, {7, 29}, {8, 29.5},
                                        {9, 190}, {10, 191}, {11, 200}});
    const RingPlacement p = PlaceRing(stellium, cusp, OuterRingTable());
    EXPECT_EQ(p.houseCount[1], 8);
    ExpectSoundHouses(p, OuterRingTable(), "stellium");
    EXPECT_EQ(p.body[1].slotsInHouse, 8);
    EXPECT_DOUBLE_EQ(p.body[1].step, 24.0 / 7);
    // In longitude order, one slot each, from the first slot to the last.
    for (int b = 1; b <= 8; ++b) EXPECT_EQ(SlotOf(p, b), b - 1) << b;
    EXPECT_EQ(p.body[8].wheelSlot, 6);
    EXPECT_EQ(p.body[9].slotsInHouse, 7);  // the 7th house keeps the ring's slots

    // The inner ring's five slots with six bodies in a house.
    const RingPlacement inner =
        PlaceRing(Bodies(cusp, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), cusp, InnerRingTable());
    ExpectSoundHouses(inner, InnerRingTable(), "inner ring");
}

TEST(PlaceRing, AllBodiesInOneHouse) {
    const CuspTable cusp = CuspsOfHouses({350, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320});
    RingBodies r;
    for (int b = 1; b <= 15; ++b) {
        r.longitude[static_cast<std::size_t>(b)] = std::fmod(350.5 + 1.9 * (b - 1), 360.0);
        r.house[static_cast<std::size_t>(b)] = 1;
    }
    for (const RingTable* ring : {&OuterRingTable(), &InnerRingTable()}) {
        const RingPlacement p = PlaceRing(r, cusp, *ring);
        EXPECT_EQ(p.houseCount[1], 15);
        ExpectSoundHouses(p, *ring, "all in one house");
        // In their order round the house, across 0 Aries.
        for (int b = 1; b <= 15; ++b) EXPECT_EQ(SlotOf(p, b), b - 1) << b;
    }
}

TEST(PlaceRing, BodiesOutsideTheirHousesArcAndEmptyHousesStayInTheTable) {
    const CuspTable cusp = EqualCusps(0);
    RingBodies r;
    // The house text puts body 1 in the 2nd house though it stands a degree
    // before its cusp, and body 2 in the 1st house though it stands in the
    // 3rd: the nearer end of the house.
    r.longitude[1] = 29;
    r.house[1] = 2;
    r.longitude[2] = 65;
    r.house[2] = 1;
    const RingPlacement p = PlaceRing(r, cusp, OuterRingTable());
    EXPECT_EQ(SlotOf(p, 1), 0);
    EXPECT_EQ(SlotOf(p, 2), 6);

    // A house of no width.
    CuspTable flat = EqualCusps(0);
    flat[5] = flat[4];
    RingBodies f;
    f.longitude[1] = 0;
    f.house[1] = 1;
    EXPECT_EQ(SlotOf(PlaceRing(f, flat, OuterRingTable()), 1), 0);
}

TEST(PlaceRing, RandomChartsNeverLeaveTheTable) {
    // Clustered longitudes over random unequal cusps: every body keeps a slot
    // of its own inside its house.
    unsigned seed = 7;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int round = 0; round < 500; ++round) {
        double c = next() % 360;
        std::array<double, 12> houses{};
        for (double& h : houses) {
            h = c;
            c = std::fmod(c + 5 + next() % 50, 360.0);
        }
        CuspTable cusp{};
        for (int h = 1; h <= 12; ++h) cusp[static_cast<std::size_t>(CuspEntryOfHouse(h))] = houses[static_cast<std::size_t>(h - 1)];
        RingBodies r;
        const double centre = next() % 360;
        for (int b = 1; b <= 15; ++b) {
            const double lon = std::fmod(centre + (next() % 6000) / 100.0, 360.0);
            r.longitude[static_cast<std::size_t>(b)] = lon;
            r.house[static_cast<std::size_t>(b)] = HouseOfLongitude(cusp, lon);
        }
        for (const RingTable* ring : {&OuterRingTable(), &InnerRingTable()})
            ExpectSoundHouses(PlaceRing(r, cusp, *ring), *ring, "round " + std::to_string(round));
    }
}

TEST(EuropeanWheel, SpokesStandAtTheTrueCusps) {
    const CuspTable cusp = CuspsOfHouses({100, 130, 158, 190, 225, 256, 280, 310, 338, 10, 45, 76});
    EXPECT_DOUBLE_EQ(EuropeanSpokeAngle(cusp, 1), 180);  // the Ascendant on the left
    EXPECT_DOUBLE_EQ(EuropeanSpokeAngle(cusp, 2), 210);  // 30 degrees later, 30 below it
    EXPECT_DOUBLE_EQ(EuropeanSpokeAngle(cusp, 7), 0);
    EXPECT_DOUBLE_EQ(EuropeanSpokeAngle(cusp, 10), 90);  // the Midheaven at the top
    EXPECT_DOUBLE_EQ(EuropeanSpokeAngle(cusp, 12), 180 + 336 - 360);
}

TEST(EuropeanWheel, GlyphsKeepAStepApartAndStayInsideTheirHouse) {
    const CuspTable cusp = CuspsOfHouses({0, 30, 33, 90, 120, 150, 180, 210, 240, 270, 300, 330});
    const double step = OuterRingTable().step;
    const RingBodies r = Bodies(cusp, {
                                          {1, 10},              // clear of the others: at its own angle
                                          {2, 0.2},             // on the cusp: half a step inside
                                          {3, 29.5},            // near the next cusp
                                          {4, 29.7}, {5, 29.9},  // crowding it: moved back together
                                          {6, 30.5}, {7, 32.5},  // a 3-degree house: spread evenly
                                          {8, 200}, {9, 201},    // closer than a step: pushed on
                                      });
    const RingPlacement p = PlaceRing(r, cusp, OuterRingTable());
    const auto angle = EuropeanGlyphAngles(r, p, cusp, step);
    EXPECT_DOUBLE_EQ(angle[1], 190);
    EXPECT_DOUBLE_EQ(angle[2], 182);
    EXPECT_DOUBLE_EQ(angle[3], 200);
    EXPECT_DOUBLE_EQ(angle[4], 204);
    EXPECT_DOUBLE_EQ(angle[5], 208);
    EXPECT_DOUBLE_EQ(angle[6], 210.75);
    EXPECT_DOUBLE_EQ(angle[7], 212.25);
    EXPECT_DOUBLE_EQ(angle[8], 20);
    EXPECT_DOUBLE_EQ(angle[9], 24);

    // Five glyphs in a 12-degree house, too full for a step between them:
    // evenly between the margins of half a step (2 degrees apart); with
    // margins of 3.5 degrees they would come closer than half a step, and
    // spread over the whole house instead (2.4 degrees apart, 1.2 from the
    // spokes).
    const CuspTable narrow = CuspsOfHouses({0, 12, 30, 90, 120, 150, 180, 210, 240, 270, 300, 330});
    const RingBodies five = Bodies(narrow, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
    const RingPlacement p5 = PlaceRing(five, narrow, OuterRingTable());
    std::array<double, 13> margin{};
    const auto between = EuropeanGlyphAngles(five, p5, narrow, step, margin);
    margin[1] = 3.5;
    const auto over = EuropeanGlyphAngles(five, p5, narrow, step, margin);
    for (int b = 1; b <= 5; ++b) {
        EXPECT_DOUBLE_EQ(between[static_cast<std::size_t>(b)], 180 + 2 + 2.0 * (b - 1)) << b;
        EXPECT_NEAR(over[static_cast<std::size_t>(b)], 180 + 1.2 + 2.4 * (b - 1), 1e-12) << b;
    }
}

TEST(WheelAngleOfLongitude, EuropeanInProportionToTheAscendantEqualSectorsWithinTheHouse) {
    const CuspTable cusp = CuspsOfHouses({100, 120, 150, 190, 225, 256, 280, 300, 330, 10, 45, 76});
    EXPECT_DOUBLE_EQ(WheelAngleOfLongitude(cusp, 100, true), 180);
    EXPECT_DOUBLE_EQ(WheelAngleOfLongitude(cusp, 145, true), 225);
    EXPECT_DOUBLE_EQ(WheelAngleOfLongitude(cusp, 100, false), 180);
    EXPECT_DOUBLE_EQ(WheelAngleOfLongitude(cusp, 110, false), 195);  // half of a 20-degree 1st house
    EXPECT_DOUBLE_EQ(WheelAngleOfLongitude(cusp, 280, false), 0);    // the 7th cusp
}

}  // namespace
}  // namespace quaeryn
