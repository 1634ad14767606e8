// Essential dignities, the dignity table with its speed and rate columns,
// the Part of Fortune's score, the partile aspects and the strength summary.
#include <array>
#include <cmath>
#include <string>

#include "astro/BodyContacts.h"
#include "base/Numbers.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "horary/BasicsJudgement.h"
#include "horary/FixedStars.h"
#include "horary/HoraryContacts.h"

namespace quaeryn::basics {

namespace {

using namespace body;

// The rulers follow the table of essential dignities in Lilly's Christian
// Astrology (1647): domiciles, exaltations, the triplicities by day and by
// night, Ptolemy's terms and the faces in the Chaldean order.

// Domicile rulers, Aries to Pisces.
constexpr OneBased<int, 13> kDomicile = {0,       Mars,   Venus,  Mercury, Moon,   Sun,    Mercury,
                                           Venus,   Mars,   Jupiter, Saturn, Saturn, Jupiter};
// Exaltation rulers, Aries to Pisces (0: none).
constexpr OneBased<int, 13> kExaltation = {0, Sun, Moon, 0, Jupiter, 0, Mercury,
                                             Saturn, 0, 0, Mars, 0, Venus};

// Triplicity rulers by element (fire, earth, air, water): by day, by night.
constexpr std::array<std::array<int, 2>, 4> kTriplicity = {{
    {Sun, Jupiter},     // fire: Aries, Leo, Sagittarius
    {Venus, Moon},      // earth: Taurus, Virgo, Capricorn
    {Saturn, Mercury},  // air: Gemini, Libra, Aquarius
    {Mars, Mars},       // water: Cancer, Scorpio, Pisces
}};

// The five terms of each sign: ruler and the degree where the term ends.
struct Term {
    int ruler;
    int endDegree;
};
constexpr std::array<std::array<Term, 5>, 12> kTerms = {{
    {{{Jupiter, 6}, {Venus, 14}, {Mercury, 21}, {Mars, 26}, {Saturn, 30}}},    // Aries
    {{{Venus, 8}, {Mercury, 15}, {Jupiter, 22}, {Saturn, 26}, {Mars, 30}}},    // Taurus
    {{{Mercury, 7}, {Jupiter, 14}, {Venus, 21}, {Saturn, 25}, {Mars, 30}}},    // Gemini
    {{{Mars, 6}, {Jupiter, 13}, {Mercury, 20}, {Venus, 27}, {Saturn, 30}}},    // Cancer
    {{{Saturn, 6}, {Mercury, 13}, {Venus, 19}, {Jupiter, 25}, {Mars, 30}}},    // Leo
    {{{Mercury, 7}, {Venus, 13}, {Jupiter, 18}, {Saturn, 24}, {Mars, 30}}},    // Virgo
    {{{Saturn, 6}, {Venus, 11}, {Jupiter, 19}, {Mercury, 24}, {Mars, 30}}},    // Libra
    {{{Mars, 6}, {Jupiter, 14}, {Venus, 21}, {Mercury, 27}, {Saturn, 30}}},    // Scorpio
    {{{Jupiter, 8}, {Venus, 14}, {Mercury, 19}, {Saturn, 25}, {Mars, 30}}},    // Sagittarius
    {{{Venus, 6}, {Mercury, 12}, {Jupiter, 19}, {Mars, 25}, {Saturn, 30}}},    // Capricorn
    {{{Saturn, 6}, {Mercury, 12}, {Venus, 20}, {Jupiter, 25}, {Mars, 30}}},    // Aquarius
    {{{Venus, 8}, {Jupiter, 14}, {Mercury, 20}, {Mars, 26}, {Saturn, 30}}},    // Pisces
}};

// The faces repeat every 70 degrees from 0 Aries in this order.
constexpr std::array<int, 7> kFaceOrder = {Mars, Sun, Venus, Mercury, Moon, Saturn, Jupiter};

// Rows of the dignity table, in order; the Part of Fortune closes it.
constexpr std::array<int, 8> kRowOrder = {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Fortune};

// The points of a ruler found in each column: domicile, exaltation,
// triplicity, term, face.
constexpr std::array<int, 5> kColumnPoints = {5, 4, 3, 2, 1};

constexpr double kStationary = 0.00833333;

std::string Name9(int n) { return PadRight(BodyShortName(n), 9); }

std::string RulerColumn(int ruler) { return ruler == 0 ? std::string(" ---      ") : Name9(ruler) + " "; }

// The Part of Fortune's own scores (after its term).
double FortuneScore(const ChartState& chart, const Options& options) {
    const double p = chart.ChartLongitude[Fortune];
    const int s = SignOf(p);
    const double prec = chart.PrecessionSince1990;
    auto dist = [&](int n) { return std::fabs(chart.ChartLongitude[n] - p); };
    auto within = [](double x, double lo, double hi) { return x >= lo && x <= hi; };
    double score = 0;
    if (s == 2 || s == 12) score += 5;
    if (s == 4 || s == 5 || s == 7 || s == 9) score += 4;
    if (s == 3) score += 3;
    if (s == 6 && p >= 157 && p < 168) score += 2;
    if (s == 1 || s == 8 || s == 10 || s == 11) score -= 5;
    score += HousePoints(HouseWithFiveDegreeRule(chart, Fortune, options[192] != 0), true);
    static const FixedStar& algol = *FindFixedStar("Algol");
    static const FixedStar& regulus = *FindFixedStar("Regulus");
    static const FixedStar& spica = *FindFixedStar("Spica");
    // On a star: its longitude ± its orb, or its two-degree window.
    auto onStar = [&](const FixedStar& star) {
        if (star.horaryOrbOption != 0) {
            const double orb = static_cast<double>(options[star.horaryOrbOption]);
            return within(p, prec + star.longitude2000 - orb, prec + star.longitude2000 + orb);
        }
        return within(p, prec + star.horaryLow, prec + (star.horaryLow + 2.0));
    };
    if (onStar(algol)) score -= 4;
    if (within(dist(Sun), 0.28333333, 8)) score -= 5;
    if (dist(SouthNode) <= 1.01) score -= 3;
    if (dist(Mars) <= 3.75) score -= 5;
    if (dist(Saturn) <= 5) score -= 5;
    if (within(dist(Mars), 176.25, 183.75)) score -= 4;
    if (within(dist(Saturn), 175, 185)) score -= 4;
    if (within(dist(Mars), 86.25, 93.75)) score -= 3;
    if (within(dist(Saturn), 85, 95)) score -= 3;
    if (dist(Sun) > 17) score += 5;
    if (dist(NorthNode) <= 1.01) score += 3;
    if (dist(Venus) <= 4) score += 5;
    if (dist(Jupiter) <= 6) score += 5;
    if (within(dist(Venus), 116, 124)) score += 4;
    if (within(dist(Jupiter), 114, 126)) score += 4;
    if (within(dist(Venus), 56, 64)) score += 2;
    if (within(dist(Jupiter), 54, 66)) score += 2;
    if (onStar(regulus)) score += 6;
    if (onStar(spica)) score += 5;
    return score;
}

// Points of a partile aspect by body i.
int PartilePoints(int i, int aspectCode) {
    const bool benefic = i == Venus || i == Jupiter;
    const bool malefic = i == Mars || i == Saturn;
    switch (aspectCode) {
        case aspect::Conjunction:
            if (benefic) return 5;
            if (malefic) return -5;
            if (i == NorthNode) return 4;
            if (i == SouthNode) return -4;
            return 0;
        case aspect::Sextile: return benefic ? 3 : 0;
        case aspect::Square: return malefic ? -3 : 0;
        case aspect::Trine: return benefic ? 4 : 0;
        case aspect::Opposition: return malefic ? -4 : 0;
        default: return 0;
    }
}

}  // namespace

int DomicileRuler(int sign) { return (sign >= 1 && sign <= 12) ? kDomicile[sign] : 0; }
int ExaltationRuler(int sign) { return (sign >= 1 && sign <= 12) ? kExaltation[sign] : 0; }

int TriplicityRuler(int sign, bool dayChart) {
    if (sign < 1 || sign > 12) return 0;
    return kTriplicity[static_cast<std::size_t>((sign - 1) % 4)][dayChart ? 0 : 1];
}

int TermRuler(double longitude) {
    const auto& terms = kTerms[static_cast<std::size_t>(SignOf(longitude) - 1)];
    const double d = DegreeInSign(longitude);
    for (const Term& t : terms)
        if (d < t.endDegree) return t.ruler;
    return terms[4].ruler;
}

int FaceRuler(double longitude) {
    double d = longitude;
    while (d >= 70) d -= 70;
    if (d < 0) return 0;
    return kFaceOrder[static_cast<std::size_t>(d / 10.0)];
}

bool RulesSign(int planet, int sign) { return planet != 0 && DomicileRuler(sign) == planet; }

double MeanDailyMotion(int n) {
    switch (n) {
        case Sun:
        case Mercury:
        case Venus: return 0.9856103;
        case Mars: return 0.524344;
        case Jupiter: return 0.083251;
        case Saturn: return 0.033697;
        case Moon: return 13.176541;
        default: return 0;
    }
}

bool IsDayChart(const ChartState& chart) {
    return !BelowHorizon(chart.ChartLongitude[Sun], chart.ChartLongitude[Ascendant]);
}

double CuspOfHouse(const ChartState& chart, int h) {
    const int k = h >= 10 ? h - 9 : h + 3;
    return chart.ChartCusp[k];
}

int HouseWithFiveDegreeRule(const ChartState& chart, int n, bool rule) {
    int h = chart.HouseOf(n);
    if (!rule || h < 1 || h > 12) return h;
    const int next = h == 12 ? 1 : h + 1;
    double d = CuspOfHouse(chart, next) - chart.ChartLongitude[n];
    if (d < 0) d += 360;
    return d <= 5 ? next : h;
}

int HousePoints(int house, bool fortune) {
    switch (house) {
        case 1:
        case 10: return 5;
        case 4:
        case 7:
        case 11: return 4;
        case 2:
        case 5: return 3;
        case 9: return 2;
        case 3: return 1;
        case 6:
        case 8: return fortune ? -4 : -2;
        case 12: return -5;
        default: return 0;
    }
}

std::string RateWord(int n, double dailyMotion) {
    const double m = std::fabs(dailyMotion);
    const double mean = MeanDailyMotion(n);
    if (m < kStationary) return "stat";
    if (m > mean) return "FAST";
    if (m < mean) return "SLOW";
    return "AVG.";
}

std::string MotionText(double dailyMotion) {
    const double m = std::fabs(dailyMotion);
    long degrees = static_cast<long>(std::floor(m));
    double minutes = (m - static_cast<double>(degrees)) * 60.0;
    // A fraction that rounds to 60 minutes carries into the degrees.
    if (FormatNumber(minutes, "00") == "60") {
        ++degrees;
        minutes = 0;
    }
    return std::to_string(degrees) + "d " + FormatNumber(minutes, "00") + "m";
}

void WriteDignityTable(const ChartState& chart, const Options& options, BasicsWork& work) {
    work.tableList.push_back(
        "  Planet    Sign      Exlt.     Trip.     Term      Face      Speed      Rate   Strength");
    work.tableList.push_back(
        "  ------    ----      -----     -----     ----      ----      -----      ----   --------");
    const bool day = IsDayChart(chart);
    const bool fiveDegreeRule = options[46] != 0;
    for (const int n : kRowOrder) {
        const double lon = chart.ChartLongitude[n];
        const int sign = SignOf(lon);
        const bool fortune = n == Fortune;
        std::string line = "  " + Name9(n) + " ";
        auto column = [&](int ruler, int points) {
            line += RulerColumn(ruler);
            if (!fortune && ruler == n) {
                work.dignityFlags[n] = 1;
                work.strength[n] += points;
            }
        };
        column(DomicileRuler(sign), kColumnPoints[0]);
        column(ExaltationRuler(sign), kColumnPoints[1]);
        column(TriplicityRuler(sign, day), kColumnPoints[2]);
        work.strength[n] += HousePoints(HouseWithFiveDegreeRule(chart, n, fiveDegreeRule), false);
        const int term = TermRuler(lon);
        column(term, kColumnPoints[3]);
        column(FaceRuler(lon), kColumnPoints[4]);

        if (fortune) {
            if (term == Mars || term == Saturn) work.fortuneStrength -= 2;
            work.fortuneStrength += FortuneScore(chart, options);
            const double v = work.fortuneStrength;
            line += std::string(19, ' ') + RightAlign4(v, FormatNumber(v, "##0"));
            work.tableList.push_back(line);
            break;
        }

        // Speed and rate.
        const double motion = chart.DailyMotion[n];
        const std::string rate = RateWord(n, motion);
        const bool retrograde = chart.IsRetrograde(n);
        line += rate + " " + chart.RetrogradeText.substr(static_cast<std::size_t>(n - 1), 1);
        line += n == Moon ? "   " : "    ";
        line += MotionText(motion);

        // Motion scores.
        if (retrograde) {
            work.strength[n] -= 5;
        } else if (n != Sun && n != Moon) {
            work.strength[n] += 4;
        }
        if (rate == "FAST") work.strength[n] += 2;
        if (rate == "SLOW" || rate == "stat") work.strength[n] -= 2;
        work.tableList.push_back(line);

        // Orientality: oriental when the Sun is at most 180 degrees ahead.
        if (n == Sun) continue;
        double d = chart.ChartLongitude[Sun] - lon;
        if (d < 0) d += 360;
        const bool occidental = d > 180;
        int points = 0;
        if (n == Mercury || n == Venus) points = occidental ? 2 : -2;
        if (n == Mars || n == Jupiter || n == Saturn) points = occidental ? -2 : 2;
        if (n == Moon) points = occidental ? 2 : -2;
        work.strength[n] += points;
    }
}

void ScorePartileAspects(const ChartState& chart, const Options& options, BasicsWork& work) {
    for (int i = 1; i <= 15; ++i) {
        for (int j = 1; j <= 14; ++j) {
            if (i == j) continue;
            const AspectFound found = FindAspect(chart, options, i, j);
            if (!found.found()) continue;
            if (WholeDegreeInSign(chart.ChartLongitude[i]) != WholeDegreeInSign(chart.ChartLongitude[j])) continue;
            work.strength[j] += PartilePoints(i, found.code);
        }
    }
}

void WriteStrengthSummary(BasicsWork& work) {
    work.tableList.push_back("  Planets' Strengths:");
    std::string line = "  ";
    for (const int n : {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon}) {
        line += std::string(BodyShortName(n)) + ": " + NumberText(work.strength[n]) + "  ";
    }
    work.tableList.push_back(line);
}

BasicsWork BuildTableList(const ChartState& chart, const Options& options) {
    BasicsWork work;
    WriteDignityTable(chart, options, work);
    WriteConditions(chart, options, work);
    ScorePartileAspects(chart, options, work);
    work.tableList.emplace_back();
    WriteStrengthSummary(work);
    return work;
}

std::vector<std::string> PrintedTableList(const BasicsWork& work) {
    // List lines 2 to 8 are the planet rows, Sun first.
    constexpr std::array<int, 7> kRowBody = {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn};
    std::vector<std::string> lines = work.tableList;
    for (std::size_t k = 0; k < kRowBody.size() && k + 2 < lines.size(); ++k) {
        const double v = work.strength[kRowBody[k]];
        lines[k + 2] += "   " + RightAlign4(v, FormatNumber(v, "##0"));
    }
    return lines;
}

}  // namespace quaeryn::basics
