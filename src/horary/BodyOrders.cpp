#include "horary/BodyOrders.h"

#include <cmath>
#include <utility>

#include "base/Zodiac.h"

namespace quaeryn {

namespace {

// The exchange sort of the reports over entries 1 to count: every position p
// is compared with every later position q and the two are swapped when
// `outOfOrder(value at p, value at q)`.
template <typename OutOfOrder>
void ExchangeSort(BodyOrder& order, BodyTable& value, int count, OutOfOrder outOfOrder) {
    for (int p = 1; p <= count - 1; ++p)
        for (int q = p + 1; q <= count; ++q)
            if (outOfOrder(value[p], value[q])) {
                std::swap(value[p], value[q]);
                std::swap(order[p], order[q]);
            }
}

}  // namespace

BodyOrder BodiesByDegreeInSign(const ChartState& chart) {
    BodyOrder order{};
    BodyTable value{};
    for (int n = 1; n <= 14; ++n) {
        order[n] = n;
        value[n] = DegreeInSign(chart.ChartLongitude[n]);
    }
    ExchangeSort(order, value, 14, [](double atP, double atQ) { return atP > atQ; });
    return order;
}

BodyOrder BodiesBySpeed(const ChartState& chart) {
    BodyOrder order{};
    BodyTable value{};
    for (int n = 1; n <= 15; ++n) {
        order[n] = n;
        value[n] = std::fabs(chart.DailyMotion[n]);
    }
    ExchangeSort(order, value, 10, [](double atP, double atQ) { return atQ > atP; });
    return order;
}

}  // namespace quaeryn
