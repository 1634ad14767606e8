// The pieces of the Horary Basics judgement: the dignity tables, the
// strength scores, the accidental conditions, the strictures. One run of the
// report owns a BasicsWork; every step writes into it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/ChartState.h"
#include "base/Options.h"
#include "base/Vocabulary.h"

namespace quaeryn::basics {

// The working state of one Horary Basics run.
struct BasicsWork {
    BodyTable strength{};                  // running strength per body index
    OneBased<double, 11> dignityFlags{};  // 1 once planet 1..10 is in a dignity of its own
    double fortuneStrength = 0;            // the Part of Fortune's score
    std::vector<std::string> tableList;    // printed at the end of the report
};

// ---- rulers of signs and degrees (body numbers; 0 for none)

int DomicileRuler(int sign);
int ExaltationRuler(int sign);
int TriplicityRuler(int sign, bool dayChart);
int TermRuler(double longitude);
int FaceRuler(double longitude);
// True when planet rules the sign (traditional rulers).
bool RulesSign(int planet, int sign);

// The mean daily motion of the seven planets (degrees a day).
double MeanDailyMotion(int body);

// A day chart has the Sun above the horizon of the Ascendant (body 14): in
// houses 7 to 12 of a system whose 1st cusp is the Ascendant, and by the
// true Ascendant under Equal - MC, Meridian and Morinus as well.
bool IsDayChart(const ChartState& chart);

// The cusp of house h (1 to 12) from the display-order table.
double CuspOfHouse(const ChartState& chart, int h);

// The house of body n, moved on to the next house when the five-degree
// rule is on and the body stands 5 degrees or less before that cusp.
int HouseWithFiveDegreeRule(const ChartState& chart, int n, bool rule);
// House points of a planet; the Part of Fortune counts -4 in the 6th and 8th.
int HousePoints(int house, bool fortune);

// The rate word of a planet's daily motion: "AVG.", "stat", "FAST", "SLOW".
std::string RateWord(int body, double dailyMotion);
// The daily motion as «1d 01m»: whole degrees, "d ", minutes as two digits, "m".
std::string MotionText(double dailyMotion);

// ---- the steps of the table list, in their order

void WriteDignityTable(const ChartState& chart, const Options& options, BasicsWork& work);
void WriteConditions(const ChartState& chart, const Options& options, BasicsWork& work);
void ScorePartileAspects(const ChartState& chart, const Options& options, BasicsWork& work);
void WriteStrengthSummary(BasicsWork& work);

// Builds the whole table list: the table, the conditions, the partile
// aspects, an empty line and the strengths.
BasicsWork BuildTableList(const ChartState& chart, const Options& options);

// The list as printed: lines 2 to 8 (the planet rows) get three blanks and
// their strength right-aligned in four characters.
std::vector<std::string> PrintedTableList(const BasicsWork& work);

// The strictures and warnings that hold, each with its two-blank margin.
std::vector<std::string> StrictureLines(const ChartState& chart);

}  // namespace quaeryn::basics
