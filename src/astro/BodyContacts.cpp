#include "astro/BodyContacts.h"

#include <array>
#include <cmath>

namespace quaeryn {

namespace {

// clang-format off
constexpr std::array<AspectKind, 15> kAspects = {{
    // number                angle  orb line  minor  declination
    {aspect::Conjunction,      0,    1,       false, false},
    {aspect::Sextile,         60,    2,       false, false},
    {aspect::Square,          90,    3,       false, false},
    {aspect::Trine,          120,    4,       false, false},
    {aspect::Opposition,     180,    5,       false, false},
    {aspect::Parallel,         0,    6,       false, true},
    {aspect::SemiSextile,     30,    7,       false, false},
    {aspect::SemiSquare,      45,    8,       false, false},
    {aspect::Sesquisquare,   135,    9,       false, false},
    {aspect::Quincunx,       150,   10,       false, false},
    {aspect::SemiQuintile,    36,   11,       true,  false},
    {aspect::Nonagen,         40,   12,       true,  false},
    {aspect::Quintile,        72,   13,       true,  false},
    {aspect::Trecile,        108,   14,       true,  false},
    {aspect::BiQuintile,     144,   15,       true,  false},
}};
// clang-format on

// The aspects the horary reports look for before the conjunction.
constexpr std::array<int, 4> kMajorBeforeConjunction = {aspect::Sextile, aspect::Square, aspect::Trine,
                                                        aspect::Opposition};

// The option line of the switch for the minor aspects.
constexpr int kMinorAspectSwitch = 16;

// The orb lines of the bodies, in body order (Sun 34, Mercury 36 … Pluto 43,
// Moon 35); the points 11 to 15 have none.
constexpr std::array<int, 11> kBodyOrbLine = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};

// Inside the open window of an angle: angle - orb < s < angle + orb. (The
// opposition's upper bound and the conjunction's lower one never bind, as
// a separation lies between 0 and 180.)
bool InOpenWindow(double s, int angle, double orb) { return angle - orb < s && s < angle + orb; }

// Inside the closed window, in single precision.
bool InClosedWindow(float s, int angle, float orb) {
    return static_cast<float>(angle) - orb <= s && s <= static_cast<float>(angle) + orb;
}

}  // namespace

std::span<const AspectKind> AspectKinds() { return kAspects; }

const AspectKind* FindAspectKind(int n) {
    if (n < aspect::Conjunction || n > aspect::BiQuintile) return nullptr;
    return &kAspects[static_cast<std::size_t>(n - aspect::Conjunction)];
}

double Separation(double longitudeA, double longitudeB) {
    double s = std::fabs(longitudeA - longitudeB);
    if (s > 180.0) s = 360.0 - s;
    return s;
}

double BodyOrb(const Options& options, int n) {
    if (n < 1 || n > 10) return 0.0;
    return static_cast<double>(options[kBodyOrbLine[static_cast<std::size_t>(n)]]);
}

AspectFound FindAspectBetween(double longitudeA, double longitudeB, double orb, bool conjunctionOnly) {
    const double s = Separation(longitudeA, longitudeB);
    AspectFound f;
    if (!conjunctionOnly) {
        for (const int code : kMajorBeforeConjunction) {
            const int angle = FindAspectKind(code)->angle;
            if (InOpenWindow(s, angle, orb)) {
                f.code = code;
                f.difference = s - angle;
                break;
            }
        }
    }
    if (!f.found() && InOpenWindow(s, 0, orb)) {
        f.code = aspect::Conjunction;
        f.difference = s;
    }
    if (f.found()) f.roundedOrb = std::floor((std::fabs(f.difference) + 0.05) * 10.0) / 10.0;
    return f;
}

bool MinorAspectsOn(const Options& options) { return options[kMinorAspectSwitch] == 1.0f; }

int FindAspectByOptionOrbs(float separation, const Options& options) {
    const bool minor = MinorAspectsOn(options);
    int found = aspect::None;
    for (const AspectKind& kind : kAspects) {
        if (kind.number == aspect::Conjunction || kind.declination || (kind.minor && !minor)) continue;
        if (InClosedWindow(separation, kind.angle, options[kind.orbLine])) found = kind.number;
    }
    const AspectKind& conjunction = kAspects.front();
    if (InClosedWindow(separation, conjunction.angle, options[conjunction.orbLine])) found = aspect::Conjunction;
    return found;
}

DeclinationAspect FindParallel(double declinationA, double declinationB, const Options& options) {
    const double d = std::fabs(std::fabs(declinationA) - std::fabs(declinationB));
    if (d > static_cast<double>(options[FindAspectKind(aspect::Parallel)->orbLine]))
        return DeclinationAspect::None;
    return (declinationA >= 0) == (declinationB >= 0) ? DeclinationAspect::Parallel
                                                      : DeclinationAspect::ContraParallel;
}

}  // namespace quaeryn
