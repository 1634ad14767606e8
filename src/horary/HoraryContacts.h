// The aspects between the bodies of a chart as the horary reports judge
// them (each body's orb, the two summed; a node only conjoins), and the
// aspect lines of the Moon's aspects within orb and of the horary aspects
// report.
#pragma once

#include <string>

#include "astro/BodyContacts.h"
#include "base/ChartState.h"
#include "base/Options.h"

namespace quaeryn {

// The aspect between bodies a and b (1 to 15) of the chart.
AspectFound FindAspect(const ChartState& chart, const Options& options, int a, int b);

// The APP / sep / partile qualifier of an aspect from body A to body B
// (without its padding). swapMotion exchanges "APP" and "sep" (a retrograde
// aspecting body in the horary aspects report).
std::string AspectQualifier(double longitudeA, double longitudeB, const AspectFound& found, bool swapMotion);

// The qualifier is written for B among the ten moving bodies (entries 1 to
// 10 of the speed order) coming after A; never for the nodes, the Part of
// Fortune, the Ascendant or the Midheaven.
bool TakesQualifier(int positionA, int positionB);

// One aspect line: two blanks, A's name, the aspect, the qualifier padded to
// 13 characters, B's name, the rounded orb and " degree".
std::string AspectLine(int a, int b, const AspectFound& found, const std::string& qualifier);

}  // namespace quaeryn
