#include "wheel/WheelPlacement.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleMath.h"

namespace quaeryn {

namespace {

constexpr double kCuspNudge = 1.0 / 36000.0;  // a tenth of an arc second

double At(const BodyTable& t, int i) { return t[static_cast<std::size_t>(i)]; }

// The distance of a longitude past house h's cusp, folded into 0 up to 360;
// within a tenth of an arc second below 360 counts as on the cusp.
double PastCusp(const CuspTable& cusp, int house, double longitude) {
    const double d = Normalize360(longitude - CuspOfHouse(cusp, house));
    return 360.0 - d < kCuspNudge ? 0.0 : d;
}

// Exchange sort, largest key first: entries i and j change places when the
// key of j is greater than that of i (equal keys keep their order).
template <class Key>
void SortLargestFirst(std::vector<int>& list, Key key) {
    for (std::size_t i = 0; i + 1 < list.size(); ++i)
        for (std::size_t j = i + 1; j < list.size(); ++j)
            if (key(list[j]) > key(list[i])) std::swap(list[i], list[j]);
}

}  // namespace

double CuspOfHouse(const CuspTable& cusp, int house) {
    return cusp[static_cast<std::size_t>(CuspEntryOfHouse(house))];
}

double HouseArc(const CuspTable& cusp, int house) {
    return Normalize360(CuspOfHouse(cusp, house % 12 + 1) - CuspOfHouse(cusp, house));
}

int HouseOfLongitude(const CuspTable& cusp, double longitude) {
    const double x = Normalize360(longitude + kCuspNudge);
    int house = 0;
    for (int k = 1; k <= 12; ++k) {
        const double c1 = cusp[static_cast<std::size_t>(k)];
        const double c2 = cusp[static_cast<std::size_t>(k == 12 ? 1 : k + 1)];
        const bool inside = c1 <= c2 ? (c1 <= x && x < c2) : (c1 <= x || x < c2);
        if (inside) house = HouseOfCuspEntry(k);
    }
    return house;
}

RingBodies OuterRingBodies(const ChartState& chart) {
    RingBodies ring;
    for (int b = 1; b <= 15; ++b) {
        const auto i = static_cast<std::size_t>(b);
        ring.longitude[i] = chart.ChartLongitude[i];
        const int h = chart.HouseOf(b);
        ring.house[i] = h >= 1 && h <= 12 ? h : HouseOfLongitude(chart.ChartCusp, ring.longitude[i]);
    }
    return ring;
}

RingBodies InnerRingBodies(const ChartState& chart) {
    RingBodies ring;
    for (int b = 1; b <= 15; ++b) {
        const auto i = static_cast<std::size_t>(b);
        // A solstice point of 0 degrees of a sign is the end of the mirrored
        // sign, which can be 360: the wheel draws it at 0 Aries.
        ring.longitude[i] = Normalize360(chart.Antiscion[i]);
        ring.house[i] = HouseOfLongitude(chart.ChartCusp, ring.longitude[i]);
    }
    return ring;
}

std::array<double, 13> HouseWidths(const CuspTable& cusp) {
    std::array<double, 13> width{};
    for (int k = 1; k <= 12; ++k) {
        const double next = cusp[static_cast<std::size_t>(k == 12 ? 1 : k + 1)];
        double w = Normalize360(next - cusp[static_cast<std::size_t>(k)]);
        if (w == 277.5) w = 7.5;
        width[static_cast<std::size_t>(k)] = w;
    }
    return width;
}

std::vector<int> OrderBodies(const RingBodies& bodies, const CuspTable& cusp) {
    std::vector<int> list;
    for (int b = 1; b <= 15; ++b)
        if (bodies.house[static_cast<std::size_t>(b)] != 0) list.push_back(b);
    if (list.empty()) return list;
    auto houseOf = [&](int b) { return bodies.house[static_cast<std::size_t>(b)]; };

    const int first = houseOf(list.front());
    const bool oneHouse = std::all_of(list.begin(), list.end(), [&](int b) { return houseOf(b) == first; });
    if (oneHouse) {
        // Rotating could never part them; their order within the house is
        // their distance past its cusp, across 0 Aries too.
        SortLargestFirst(list, [&](int b) { return PastCusp(cusp, first, At(bodies.longitude, b)); });
        return list;
    }
    // Bodies in two houses at least: the rotation ends within one turn.
    OrderByLongitude(list, bodies.longitude, bodies.house);
    return list;
}

void OrderByLongitude(std::vector<int>& list, const BodyTable& longitude, const std::array<int, 16>& house) {
    auto houseOf = [&](int b) { return house[static_cast<std::size_t>(b)]; };
    SortLargestFirst(list, [&](int b) { return At(longitude, b); });
    // A whole turn brings one house's bodies back to where they were.
    for (std::size_t turns = 0; turns < list.size() && houseOf(list.back()) == houseOf(list.front()); ++turns)
        std::rotate(list.rbegin(), list.rbegin() + 1, list.rend());
}

RingPlacement PlaceRing(const RingBodies& bodies, const CuspTable& cusp, const RingTable& ring) {
    RingPlacement p;
    for (int b = 1; b <= 15; ++b) {
        const int h = bodies.house[static_cast<std::size_t>(b)];
        if (h >= 1 && h <= 12) ++p.houseCount[static_cast<std::size_t>(h)];
    }
    p.order = OrderBodies(bodies, cusp);
    const auto width = HouseWidths(cusp);

    // The occupancy table has room for every body in one house, and no
    // search below ever leaves a house's own cells.
    std::array<std::array<bool, kMaxBodiesInHouse>, 13> taken{};
    int previousHouse = 0, index = 0;
    for (auto it = p.order.rbegin(); it != p.order.rend(); ++it) {
        const int b = *it;
        const int h = bodies.house[static_cast<std::size_t>(b)];
        auto& cells = taken[static_cast<std::size_t>(h)];
        index = h != previousHouse ? 1 : index + 1;
        previousHouse = h;

        const int count = p.houseCount[static_cast<std::size_t>(h)];
        const int houseSlots = std::max(ring.slotCount, count);
        const double step = count > ring.slotCount ? ring.step * (ring.slotCount - 1) / (count - 1) : ring.step;

        // The proportional slot. A body its house text puts in a house its
        // longitude lies outside takes the end of the house it is nearer.
        const double d = PastCusp(cusp, h, At(bodies.longitude, b));
        const double w = width[static_cast<std::size_t>(CuspEntryOfHouse(h))];
        int slot = 0;
        if (w > 0 && d < w)
            slot = std::min(houseSlots - 1, static_cast<int>(std::floor(houseSlots * d / w)));
        else if (w > 0)
            slot = d - w < 360.0 - d ? houseSlots - 1 : 0;

        // Room for the bodies of the house still to come.
        const int rest = count - index;
        if (slot >= houseSlots - count && houseSlots - slot - count + index <= 0) {
            if (slot - rest < 0)
                slot = houseSlots - count;
            else if (!cells[static_cast<std::size_t>(slot)])
                slot = houseSlots - rest - 1;
            else
                slot = houseSlots - count;
            slot = std::max(slot, 0);
        }

        // The next free slot upwards; past the last one, the nearest free one
        // below (a house never holds more bodies than it has slots).
        int s = slot;
        while (s < houseSlots && cells[static_cast<std::size_t>(s)]) ++s;
        if (s == houseSlots) {
            s = slot;
            while (s > 0 && cells[static_cast<std::size_t>(s)]) --s;
        }
        cells[static_cast<std::size_t>(s)] = true;

        auto& out = p.body[static_cast<std::size_t>(b)];
        out.house = h;
        out.index = index;
        out.slot = s;
        out.slotsInHouse = houseSlots;
        out.step = step;
        out.wheelSlot = houseSlots == ring.slotCount ? s : s * ring.slotCount / houseSlots;
        out.slotAngle = ring.angleBase[static_cast<std::size_t>(h)] + s * step;
    }
    return p;
}

double EuropeanSpokeAngle(const CuspTable& cusp, int house) {
    double a = 180.0 + Normalize360(CuspOfHouse(cusp, house) - CuspOfHouse(cusp, 1));
    if (a >= 360.0) a -= 360.0;
    return a;
}

std::array<double, 16> EuropeanGlyphAngles(const RingBodies& bodies, const RingPlacement& placement,
                                           const CuspTable& cusp, double step) {
    return EuropeanGlyphAngles(bodies, placement, cusp, step, std::array<double, 13>{});
}

std::array<double, 16> EuropeanGlyphAngles(const RingBodies& bodies, const RingPlacement& placement,
                                           const CuspTable& cusp, double step,
                                           const std::array<double, 13>& marginByHouse) {
    std::array<double, 16> angle{};
    for (int h = 1; h <= 12; ++h) {
        const double margin = std::max(step / 2, marginByHouse[static_cast<std::size_t>(h)]);
        const double w = HouseArc(cusp, h);
        // The house's bodies with their distances past its cusp, in order.
        std::vector<std::pair<double, int>> group;
        for (auto it = placement.order.rbegin(); it != placement.order.rend(); ++it) {
            if (placement.body[static_cast<std::size_t>(*it)].house != h) continue;
            double u = PastCusp(cusp, h, At(bodies.longitude, *it));
            if (u > w) u = u - w < 360.0 - u ? w : 0.0;
            group.emplace_back(u, *it);
        }
        if (group.empty()) continue;
        std::stable_sort(group.begin(), group.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        const auto n = static_cast<int>(group.size());
        const double room = w - 2 * margin;
        if (room < 0 || (n - 1) * step > room) {
            // Too full for a step between glyphs: evenly between the
            // margins while they stay half a step apart, else evenly over
            // the whole house.
            const double spread = n > 1 ? room / (n - 1) : 0;
            for (int i = 0; i < n; ++i)
                group[static_cast<std::size_t>(i)].first =
                    n > 1 && spread >= step / 2 ? margin + spread * i : w * (i + 0.5) / n;
        } else {
            for (auto& g : group) g.first = std::clamp(g.first, margin, w - margin);
            for (int i = 1; i < n; ++i) {
                auto& u = group[static_cast<std::size_t>(i)].first;
                u = std::max(u, group[static_cast<std::size_t>(i - 1)].first + step);
            }
            for (int i = n - 1; i >= 0; --i) {
                const double limit = i == n - 1 ? w - margin : group[static_cast<std::size_t>(i + 1)].first - step;
                auto& u = group[static_cast<std::size_t>(i)].first;
                u = std::min(u, limit);
            }
        }
        const double start = EuropeanSpokeAngle(cusp, h);
        for (const auto& [u, b] : group) angle[static_cast<std::size_t>(b)] = Normalize360(start + u);
    }
    return angle;
}

double WheelAngleOfLongitude(const CuspTable& cusp, double longitude, bool european) {
    if (european) return Normalize360(180.0 + longitude - CuspOfHouse(cusp, 1));
    const int h = HouseOfLongitude(cusp, longitude);
    if (h == 0) return Normalize360(180.0 + longitude - CuspOfHouse(cusp, 1));
    const double w = HouseArc(cusp, h);
    const double d = PastCusp(cusp, h, longitude);
    const double share = w > 0 ? std::min(d / w, 1.0) : 0.0;
    return Normalize360(EqualSpokeAngle(h) + 30.0 * share);
}

}  // namespace quaeryn
