#include "base/ChartState.h"

#include <cmath>

#include "base/Numbers.h"
#include "base/Vocabulary.h"

namespace quaeryn {

double ChartState::ObliquityDegrees() const { return std::fabs(Obliquity) * 180.0 / kPi; }

int ChartState::HouseOf(int n) const {
    if (n < 1 || n > 15) return 0;
    return static_cast<int>(NumericValue(HousePositionText.substr(static_cast<std::size_t>(10 * n - 10), 2)));
}

bool ChartState::IsRetrograde(int n) const {
    return n >= 1 && static_cast<std::size_t>(n) <= RetrogradeText.size() &&
           RetrogradeText[static_cast<std::size_t>(n - 1)] == 'R';
}

}  // namespace quaeryn
