// The accidental conditions and receptions that follow the dignity table:
// peregrine, detriment, fall, the receptions, via combusta, the Sun's
// beams, the fateful degree, the houses of joy, besieging and the fixed-star
// contacts.
#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>
#include <string>
#include <string_view>

#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "horary/BasicsJudgement.h"
#include "horary/FixedStars.h"

namespace quaeryn::basics {

namespace {

using namespace body;

constexpr std::array<int, 7> kSunFirstMoonLast = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon};
constexpr std::array<int, 7> kSunMoonFirst = {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn};
// Bodies judged against the Sun, in body order.
constexpr std::array<int, 6> kAroundTheSun = {Mercury, Venus, Mars, Jupiter, Saturn, Moon};

// Cazimi: within 17 arc minutes of the Sun.
constexpr double kCazimi = 0.28333;
// Beyond this distance a planet is free of the Sun's beams.
constexpr double kBeams = 17.0;

// One line of an optional section: the heading is written with the first
// entry, and the line is stored only when it has one.
class Section {
public:
    explicit Section(std::string heading) : heading_(std::move(heading)) {}
    void add(std::string_view entry) {
        if (!started_) {
            line_ = "  " + heading_;
            started_ = true;
        }
        line_ += entry;
    }
    bool started() const { return started_; }
    void storeInto(std::vector<std::string>& list) const {
        if (started_) list.push_back(line_);
    }

private:
    std::string heading_;
    std::string line_;
    bool started_ = false;
};

std::string ShortName(int n) { return std::string(BodyShortName(n)); }

std::string Pair(int i, int r) { return ShortName(i) + "-" + ShortName(r) + "   "; }

bool InRange(double x, double lo, double hi) { return x >= lo && x < hi; }

// Detriment and fall as ranges of longitude, lower bound included.
struct Range {
    double lo, hi;
};
bool InDetriment(int n, double lon) {
    auto any = [lon](std::initializer_list<Range> rs) {
        for (const Range& r : rs)
            if (InRange(lon, r.lo, r.hi)) return true;
        return false;
    };
    switch (n) {
        case Sun: return any({{300, 330}});
        case Moon: return any({{270, 300}});
        case Mercury: return any({{240, 270}, {330, 360}});
        case Venus: return any({{0, 30}, {210, 240}});
        case Mars: return any({{30, 60}, {180, 210}});
        case Jupiter: return any({{60, 90}, {150, 180}});
        case Saturn: return any({{90, 150}});
        default: return false;
    }
}
bool InFall(int n, double lon) {
    switch (n) {
        case Sun: return InRange(lon, 180, 210);
        case Moon: return InRange(lon, 210, 240);
        case Mercury: return InRange(lon, 330, 360);
        case Venus: return InRange(lon, 150, 180);
        case Mars: return InRange(lon, 90, 120);
        case Jupiter: return InRange(lon, 270, 300);
        case Saturn: return InRange(lon, 0, 30);
        default: return false;
    }
}

// The sign in which planet n is exalted (0 for none).
int ExaltationSignOf(int n) {
    for (int s = 1; s <= 12; ++s)
        if (ExaltationRuler(s) == n) return s;
    return 0;
}

// The modern ruler of a sign: Pluto for Scorpio, Neptune for Pisces,
// Uranus for Aquarius, none otherwise.
int ModernOuterRuler(int sign) {
    switch (sign) {
        case 8: return Pluto;
        case 12: return Neptune;
        case 11: return Uranus;
        default: return 0;
    }
}
// The signs body n rules with the modern rulers added.
bool RulesSignModern(int n, int sign) {
    switch (n) {
        case Uranus: return sign == 11;
        case Neptune: return sign == 12;
        case Pluto: return sign == 8;
        default: return RulesSign(n, sign);
    }
}

// A longitude inside a window (bounds included) that may run across 0 Aries
// (Scheat's does; with the precession of early years the windows of the
// stars of early Aries fall below 0 too).
bool InWindow(double lon, double lo, double hi) {
    for (const double l : {lon, lon + 360.0, lon - 360.0})
        if (l >= lo && l <= hi) return true;
    return false;
}

// The hit counts at which the fixed-star line is stored and a new one begins.
bool StartsNewStarLine(int hit) { return hit == 5 || hit == 8 || hit == 12 || hit == 16 || hit == 20; }

void WriteFixedStars(const ChartState& chart, const Options& options, BasicsWork& work) {
    const std::string heading = "  Fixed Stars - ";
    std::string line;
    int hits = 0;
    const double prec = chart.PrecessionSince1990;
    for (const int n : {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon, Fortune,
                        Ascendant}) {
        const double lon = chart.ChartLongitude[n];
        for (const FixedStar* star : StarsInHoraryOrder()) {
            double lo = prec + star->horaryLow;
            double hi = prec + star->horaryLow + 2.0;
            if (star->horaryOrbOption != 0) {
                const double orb = static_cast<double>(options[star->horaryOrbOption]);
                lo = prec + star->longitude2000 - orb;
                hi = prec + star->longitude2000 + orb;
            }
            if (!InWindow(lon, lo, hi)) continue;
            ++hits;
            if (hits == 1) {
                line = heading;
            } else if (StartsNewStarLine(hits)) {
                work.tableList.push_back(line);
                line = std::string(16, ' ');
            }
            line += ShortName(n);
            line += " - " + std::string(HoraryStarName(*star)) + "   ";
            work.strength[n] += star->points;
        }
    }
    if (hits > 0) work.tableList.push_back(line);
}

// True when lon lies in house h of the cusps, the cusps moved back 5 degrees
// when the five-degree rule is on.
bool InHouse(const ChartState& chart, double lon, int h, bool fiveDegreeRule) {
    double a = CuspOfHouse(chart, h);
    double b = CuspOfHouse(chart, h == 12 ? 1 : h + 1);
    if (fiveDegreeRule) {
        a = Normalize360(a - 5.0);
        b = Normalize360(b - 5.0);
    }
    if (std::fabs(b - a) < 180) return lon >= a && lon < b;
    return lon >= a || lon < b;
}

int JoyHouse(int n) {
    switch (n) {
        case Mercury: return 1;
        case Moon: return 3;
        case Venus: return 5;
        case Mars: return 6;
        case Sun: return 9;
        case Jupiter: return 11;
        case Saturn: return 12;
        default: return 0;
    }
}

}  // namespace

void WriteConditions(const ChartState& chart, const Options& options, BasicsWork& work) {
    auto lon = [&](int n) { return chart.ChartLongitude[n]; };
    auto& list = work.tableList;
    list.emplace_back();

    // Peregrine, detriment and fall are always written.
    std::string line = "  Peregrine - ";
    for (const int n : kSunFirstMoonLast) {
        if (work.dignityFlags[n] != 0) continue;
        line += ShortName(n) + " ";
        work.strength[n] -= 5;
    }
    list.push_back(line);

    line = "  Detriment - ";
    for (const int n : kSunMoonFirst) {
        if (!InDetriment(n, lon(n))) continue;
        line += ShortName(n) + " ";
        work.strength[n] -= 5;
    }
    list.push_back(line);

    line = "  Fall - ";
    for (const int n : kSunMoonFirst) {
        if (!InFall(n, lon(n))) continue;
        line += ShortName(n) + " ";
        work.strength[n] -= 4;
    }
    list.push_back(line);

    // Mutual reception by sign, traditional rulers; a pair is found once,
    // from its planet with the lower body index.
    Section bySign("Mutual Reception (by sign) - ");
    for (const int i : kSunFirstMoonLast) {
        const int r = DomicileRuler(SignOf(lon(i)));
        if (r > i && RulesSign(i, SignOf(lon(r)))) {
            bySign.add(Pair(i, r));
            work.strength[i] += 5;
            work.strength[r] += 5;
        }
    }
    bySign.storeInto(list);

    // The same with the modern rulers of Scorpio, Pisces and Aquarius; no points.
    Section byModernSign("Mutual Reception (by sign) - ");
    for (int i = Sun; i <= Moon; ++i) {
        const int r = ModernOuterRuler(SignOf(lon(i)));
        if (r > i && RulesSignModern(i, SignOf(lon(r)))) byModernSign.add(Pair(i, r));
    }
    byModernSign.storeInto(list);

    Section byExaltation("Mutual Reception (by exaltation) - ");
    for (const int i : kSunFirstMoonLast) {
        const int e = ExaltationRuler(SignOf(lon(i)));
        if (e > i && SignOf(lon(e)) == ExaltationSignOf(i)) {
            byExaltation.add(Pair(i, e));
            work.strength[i] += 4;
            work.strength[e] += 4;
        }
    }
    byExaltation.storeInto(list);

    Section mixed("Mixed Reception (sign/exaltation) - ");
    for (const int i : kSunFirstMoonLast) {
        const int e = ExaltationRuler(SignOf(lon(i)));
        if (e != 0 && e != i && RulesSign(i, SignOf(lon(e)))) mixed.add(Pair(i, e));
    }
    mixed.storeInto(list);
    list.emplace_back();

    Section viaCombusta("Via Combusta - ");
    for (const int n : kSunFirstMoonLast)
        if (InRange(lon(n), 195, 225)) viaCombusta.add(ShortName(n) + " ");
    viaCombusta.storeInto(list);

    // Distances to the Sun are plain differences of longitude.
    const double combustOrb = static_cast<double>(options[32]);
    const bool beamsAcrossSigns = options[197] != 0;
    auto fromSun = [&](int n) { return std::fabs(lon(Sun) - lon(n)); };
    auto sameSignAsSun = [&](int n) { return SignOf(lon(n)) == SignOf(lon(Sun)); };

    Section cazimi("Cazimi - ");
    for (const int n : kAroundTheSun) {
        const double d = fromSun(n);
        if (d <= kCazimi) {
            cazimi.add(ShortName(n) + " ");
            work.strength[n] += 5;
        }
        if (d > kBeams) work.strength[n] += 5;
    }
    cazimi.storeInto(list);

    Section combust("Combust - ");
    for (const int n : kAroundTheSun) {
        const double d = fromSun(n);
        if (d > kCazimi && d <= combustOrb && sameSignAsSun(n)) {
            combust.add(ShortName(n) + " ");
            work.strength[n] -= 5;
        }
    }
    combust.storeInto(list);

    Section beams("Under Sun's Beam - ");
    if (beamsAcrossSigns) {
        for (const int n : kAroundTheSun) {
            const double d = fromSun(n);
            if (d > kCazimi && d <= combustOrb && !sameSignAsSun(n)) {
                beams.add(ShortName(n) + " ");
                work.strength[n] -= 4;
            }
        }
    }
    for (const int n : kAroundTheSun) {
        const double d = fromSun(n);
        if (d > combustOrb && d <= kBeams && (sameSignAsSun(n) || beamsAcrossSigns)) {
            beams.add(ShortName(n) + " ");
            work.strength[n] -= 4;
        }
    }
    beams.storeInto(list);

    Section fateful("Fateful Degree - ");
    const int nodeDegree = WholeDegreeInSign(lon(NorthNode));
    for (int n = Sun; n <= Ascendant; ++n) {
        if (n == NorthNode || n == SouthNode) continue;
        if (WholeDegreeInSign(lon(n)) == nodeDegree) fateful.add(ShortName(n) + " ");
    }
    fateful.storeInto(list);

    Section joy("House of Joy - ");
    const bool joyFiveDegreeRule = options[46] == 1;
    for (const int n : kSunFirstMoonLast)
        if (InHouse(chart, lon(n), JoyHouse(n), joyFiveDegreeRule)) joy.add(ShortName(n) + " ");
    joy.storeInto(list);

    Section besieged("Besieged Planets - ");
    if (SignOf(lon(Mars)) == SignOf(lon(Saturn))) {
        const double lo = std::fmin(lon(Mars), lon(Saturn));
        const double hi = std::fmax(lon(Mars), lon(Saturn));
        for (const int n : {Sun, Mercury, Venus, Jupiter, Moon, Fortune}) {
            if (lon(n) >= lo && lon(n) <= hi) {
                besieged.add(ShortName(n) + " ");
                work.strength[n] -= 5;
            }
        }
    }
    besieged.storeInto(list);

    WriteFixedStars(chart, options, work);
}

}  // namespace quaeryn::basics
