// Shared pieces of the Horary Basics tests: a chart whose bodies stand
// where no rule of the judgement notices them unless a test moves them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Options.h"
#include "base/Vocabulary.h"
#include "horary/ReportRun.h"
#include "support/ChartBuilder.h"

namespace quaeryn::test {

// Quiet places: no receptions, no besieging, no partile aspects (orbs 0),
// no fixed star that scores, every planet far from the Sun.
inline ChartBuilder QuietChart() {
    using namespace body;
    ChartBuilder b;
    b.at(Sun, 135.5)        // Leo 15
        .at(Moon, 40.5, 13.0)  // Taurus 10
        .at(Mercury, 170.5)    // Virgo 20
        .at(Venus, 75.5)       // Gemini 15
        .at(Mars, 250.5)       // Sagittarius 10
        .at(Jupiter, 340.5)    // Pisces 10
        .at(Saturn, 310.5)     // Aquarius 10
        .at(Uranus, 2.5)
        .at(Neptune, 3.5)
        .at(Pluto, 4.5)
        .at(NorthNode, 7.5)
        .at(SouthNode, 187.5)
        .at(Fortune, 165.5);
    b.chart().PrecessionSince1990 = 0;
    return b;
}

inline bool HasLineStarting(const std::vector<std::string>& lines, std::string_view start) {
    for (const auto& l : lines)
        if (l.rfind(start, 0) == 0) return true;
    return false;
}

}  // namespace quaeryn::test
