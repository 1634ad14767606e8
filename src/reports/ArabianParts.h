// The Arabian parts: 126 points, each a sum and difference of chart points
// taken modulo 360 degrees, and their contacts with the planets.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/ChartState.h"
#include "base/Options.h"

namespace quaeryn {

// One operand of a formula: a body's longitude (1 Sun … 14 Asc, 15 MC), the
// cusp of a house (1 to 12), a fixed longitude in degrees, or one of the
// two parts the formulas build on.
struct PartOperand {
    enum class Kind { Body, Cusp, Degrees, Fortune, Spirit };
    Kind kind = Kind::Degrees;
    double value = 0;  // the body or house number, or the degrees
    int sign = 1;      // +1 added, -1 taken away
};

struct ArabianPart {
    std::string_view name;     // as listed, "FORTUNE, day"
    std::string_view formula;  // as the help text writes it, "Moon + Asc - Sun"
    std::vector<PartOperand> operands;
};

// Every part in the report's order (the help text lists them the same way).
std::span<const ArabianPart> ArabianParts();

// Reads a formula such as "cusp 8 + Asc - Moon" or "Asc + 70 - Sun": points
// and numbers joined by " + " and " - ". A word it does not know throws
// std::invalid_argument.
std::vector<PartOperand> ParsePartFormula(std::string_view formula);

// The two parts the formulas build on, whatever the sect of the chart:
// Fortune = Moon + Asc - Sun, Spirit = Sun + Asc - Moon, in 0 up to 360.
double FortunePoint(const ChartState& chart);
double SpiritPoint(const ChartState& chart);

// The longitude of a part in the chart, 0 up to 360.
double PartLongitude(const ArabianPart& part, const ChartState& chart);

// The contacts a part makes with a planet, tested in this order; the first
// whose window holds the distance decides.
enum class PartContact { None, Conjunction, Sextile, Square, Trine, Inconjunct, Opposition };

// The window bounds carry this tolerance, so that a contact exact in
// theory is found whatever the rounding of the sums.
inline constexpr double kPartContactTolerance = 1e-9;

// The contact at a distance d (0 to 180) with the orbs of option lines 118
// (conjunction) to 123 (opposition).
PartContact FindPartContact(double d, const Options& options);

// The word a contact line uses, " CONJUNCTS   " … " OPPOSES     ".
std::string_view PartContactWord(PartContact contact);

}  // namespace quaeryn
