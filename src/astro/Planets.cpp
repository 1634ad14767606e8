#include "astro/Planets.h"

#include <cmath>
#include <cstdint>

#include "astro/AngleMath.h"
#include "astro/MoonSun.h"

namespace quaeryn {

namespace {

constexpr double kKilometresPerAu = 149597870.0;
constexpr double kOneDay = 1.0 / 36525.0;  // in Julian centuries

// ---------------------------------------------------------------- elements

// Mercury, Venus and Mars (and the Earth that observes them): mean
// Keplerian elements for the ecliptic and mean equinox of date, each a + b T
// with T from J2000, rounded to the decimals below.
struct InnerElements {
    const char* body;
    double a;                   // astronomical units
    double e0, e1;              // eccentricity
    double i0, i1;              // inclination
    double node0, node1;        // longitude of the ascending node
    double perihelion0, perihelion1;  // longitude of perihelion ϖ
    double m0, m1;              // mean anomaly
};

// clang-format off
constexpr InnerElements kInnerElements[] = {
    //  body        a            e                      i                  Ω               ϖ                    M
    {"Earth",   1.000000031, 0.016709, -0.000042, 0.0,    0.0,    0.0,    0.0,   102.94,   1.7192, 357.5256,  35999.0498},
    {"Mercury", 0.387099,    0.205634,  0.00002,  7.0048, 0.0019, 48.331, 1.185,  77.4552, 1.5555, 174.7947, 149472.5153},
    {"Venus",   0.723332,    0.006773, -0.000048, 3.3946, 0.001,  76.68,  0.9,   131.5718, 1.408,   50.4071,  58517.8039},
    {"Mars",    1.523692,    0.093405,  0.000092, 1.8496,-0.0007, 49.557, 0.771, 336.059,  1.8408,  19.3879,  19139.8585},
};
// clang-format on

// Jupiter to Pluto (and the Earth from the Sun's elements): the elements of
// date, each quantity a cubic in T from 1900 (coefficients a0, a1, a2, a3).
// They, and the perturbation terms of Jupiter, Saturn, Uranus and Neptune
// below, are those Meeus gives in Astronomical Formulae for Calculators
// (1979).
struct Cubic {
    double c0, c1, c2, c3;
    double At(double t) const { return c0 + t * (c1 + t * (c2 + t * c3)); }
};
struct OuterElements {
    const char* body;
    Cubic meanLongitude;
    double a;  // astronomical units
    Cubic e;
    Cubic i;
    Cubic perihelionArgument;  // ω
    Cubic node;                // Ω
};

// clang-format off
constexpr OuterElements kOuterElements[] = {
    {"Earth",   {279.696678, 36000.768925, 0.0003025, 0}, 1.0000002,
                {0.01675104, -0.0000418, -0.000000126, 0}, {0, 0, 0, 0},
                {101.22085, 1.71917, 0.0004525, 0.0000033}, {0, 0, 0, 0}},
    {"Jupiter", {238.049257, 3036.301986, 0.0003347, -0.00000165}, 5.202561,
                {0.04833475, 0.00016418, -0.0000004676, -0.0000000017}, {1.308736, -0.0056961, 0.0000039, 0},
                {273.277558, 0.5994317, 0.00070405, 0.00000508}, {99.443414, 1.01053, 0.00035222, -0.00000851}},
    {"Saturn",  {266.564377, 1223.509884, 0.0003245, -0.0000058}, 9.554747,
                {0.05589232, -0.0003455, -0.000000728, 0.00000000074}, {2.492519, -0.0039189, -0.00001549, 0.00000004},
                {338.3078, 1.0852207, 0.00097854, 0.00000992}, {112.790414, 0.8731951, -0.00015218, -0.00000531}},
    {"Uranus",  {244.19747, 429.863546, 0.000316, -0.0000006}, 19.21814,
                {0.0463444, -0.00002658, 0.000000077, 0}, {0.772464, 0.0006253, 0.0000395, 0},
                {98.071581, 0.985765, -0.0010745, -0.00000061}, {73.477111, 0.4986678, 0.0013117, 0}},
    {"Neptune", {84.457994, 219.885914, 0.0003205, -0.0000006}, 30.10957,
                {0.00899704, 0.00000633, -0.000000002, 0}, {1.779242, -0.0095436, -0.0000091, 0},
                {276.045975, 0.3256394, 0.00014095, 0.000004113}, {130.681389, 1.098935, 0.00024987, -0.000004718}},
    // Pluto's elements are kept for completeness; its series replaces them.
    {"Pluto",   {224.1218863, 1.6412602, 0, 0}, 39.53903455,
                {0.24466616, -0.0033076, 0, 0}, {17.1507245, -0.00067869, 0, 0},
                {14.9591099, 145.8061092, 0, 0}, {110.287871, 1.343821, 0, 0}},
};
// clang-format on

enum OuterRow { kEarthRow = 0, kJupiterRow, kSaturnRow, kUranusRow, kNeptuneRow, kPlutoRow };

// ---------------------------------------------------------------- perturbation terms

// The arguments of the perturbation tables.
enum Arg : std::uint8_t { V, W, Zeta, Psi, Q, H, kArgCount };
enum class Fn : std::uint8_t { One, Sin, Cos };
constexpr int kMaxMultiple = 5;

struct Factor {
    Fn fn = Fn::One;
    Arg arg = V;
    int k = 0;
};
constexpr Factor sin_(Arg a, int k = 1) { return {Fn::Sin, a, k}; }
constexpr Factor cos_(Arg a, int k = 1) { return {Fn::Cos, a, k}; }
constexpr Factor one{};

// coefficient (c0 + c1 υ + c2 υ²) × first factor × second factor.
struct Term {
    Factor first;
    Factor second;
    double c0, c1 = 0, c2 = 0;
};

// sin and cos of k × each argument, k = 0 to 5.
struct ArgTrig {
    double s[kArgCount][kMaxMultiple + 1];
    double c[kArgCount][kMaxMultiple + 1];
    void Set(Arg a, double degrees) {
        for (int k = 0; k <= kMaxMultiple; ++k) {
            s[a][k] = SinDeg(k * degrees);
            c[a][k] = CosDeg(k * degrees);
        }
    }
    double Of(const Factor& f) const {
        switch (f.fn) {
            case Fn::Sin: return s[f.arg][f.k];
            case Fn::Cos: return c[f.arg][f.k];
            case Fn::One: break;
        }
        return 1.0;
    }
};

template <std::size_t N>
double SumTerms(const Term (&terms)[N], const ArgTrig& trig, double upsilon) {
    double sum = 0;
    for (const Term& t : terms)
        sum += (t.c0 + upsilon * (t.c1 + upsilon * t.c2)) * trig.Of(t.first) * trig.Of(t.second);
    return sum;
}

// clang-format off
// Jupiter, A (degrees).
constexpr Term kJupiterA[] = {
    {sin_(V),       one,        0.331364, -0.010281, -0.004692},
    {cos_(V),       one,        0.003228, -0.064436,  0.002075},
    {sin_(V, 2),    one,       -0.003083, -0.000275,  0.000489},
    {sin_(W),       one,        0.002472},
    {sin_(Zeta),    one,        0.013619},
    {sin_(Zeta, 2), one,        0.018472},
    {sin_(Zeta, 3), one,        0.006717},
    {sin_(Zeta, 4), one,        0.002775},
    {sin_(Zeta),    sin_(Q),    0.007275, -0.001253},
    {sin_(Zeta, 2), sin_(Q),    0.006417},
    {sin_(Zeta, 3), sin_(Q),    0.002439},
    {cos_(Zeta),    sin_(Q),   -0.033839, -0.001125},
    {cos_(Zeta, 2), sin_(Q),   -0.003767},
    {sin_(Zeta),    cos_(Q),   -0.035681, -0.001208},
    {sin_(Zeta, 2), cos_(Q),   -0.004261},
    {cos_(Q),       one,        0.002178},
    {cos_(Zeta),    cos_(Q),   -0.006333,  0.001161},
    {cos_(Zeta, 2), cos_(Q),   -0.006675},
    {cos_(Zeta, 3), cos_(Q),   -0.002664},
    {sin_(Zeta),    sin_(Q, 2),-0.002572},
    {sin_(Zeta, 2), sin_(Q, 2),-0.003567},
    {cos_(Zeta),    cos_(Q, 2), 0.002094},
    {cos_(Zeta, 2), cos_(Q, 2), 0.003342},
};

// Jupiter, Δe (units of 0.0000001).
constexpr Term kJupiterE[] = {
    {sin_(V),       one,         3606,  130, -43},
    {cos_(V),       one,         1289, -580},
    {sin_(Zeta),    sin_(Q),    -6764},
    {sin_(Zeta, 2), sin_(Q),    -1110},
    {sin_(Zeta, 3), sin_(Q),     -224},
    {sin_(Q),       one,         -204},
    {cos_(Zeta),    sin_(Q),     1284,  116},
    {cos_(Zeta, 2), sin_(Q),      188},
    {sin_(Zeta),    cos_(Q),     1460,  130},
    {sin_(Zeta, 2), cos_(Q),      224},
    {cos_(Q),       one,         -817},
    {cos_(Zeta),    cos_(Q),     6074},
    {cos_(Zeta, 2), cos_(Q),      992},
    {cos_(Zeta, 3), cos_(Q),      508},
    {cos_(Zeta, 4), cos_(Q),      230},
    {cos_(Zeta, 5), cos_(Q),      108},
    {sin_(Zeta),    sin_(Q, 2),  -956,  -73},
    {sin_(Zeta, 2), sin_(Q, 2),   448},
    {sin_(Zeta, 3), sin_(Q, 2),   137},
    {cos_(Zeta),    sin_(Q, 2),  -997,  108},
    {cos_(Zeta, 2), sin_(Q, 2),   480},
    {cos_(Zeta, 3), sin_(Q, 2),   148},
    {sin_(Zeta),    cos_(Q, 2),  -956,   99},
    {sin_(Zeta, 2), cos_(Q, 2),   490},
    {sin_(Zeta, 3), cos_(Q, 2),   158},
    {cos_(Q, 2),    one,          179},
    {cos_(Zeta),    cos_(Q, 2),  1024,   75},
    {cos_(Zeta, 2), cos_(Q, 2),  -437},
    {cos_(Zeta, 3), cos_(Q, 2),  -132},
};

// Jupiter, B (degrees).
constexpr Term kJupiterB[] = {
    {sin_(V),       one,         0.007192, -0.003147},
    {cos_(V),       one,        -0.020428, -0.000675, 0.000197},
    {sin_(Zeta),    sin_(Q),     0.007269,  0.000672},
    {sin_(Q),       one,        -0.004344},
    {cos_(Zeta),    sin_(Q),     0.034036},
    {cos_(Zeta, 2), sin_(Q),     0.005614},
    {cos_(Zeta, 3), sin_(Q),     0.002964},
    {sin_(Zeta),    cos_(Q),     0.037761},
    {sin_(Zeta, 2), cos_(Q),     0.006158},
    {cos_(Zeta),    cos_(Q),    -0.006603},
    {sin_(Zeta),    sin_(Q, 2), -0.005356},
    {sin_(Zeta, 2), sin_(Q, 2),  0.002722},
    {cos_(Zeta),    sin_(Q, 2),  0.004483},
    {sin_(Zeta, 2), cos_(Q, 2), -0.002536},
    {cos_(Zeta, 2), sin_(Q, 2), -0.002642},
    {cos_(Zeta),    cos_(Q, 2),  0.005547},
    {sin_(Zeta),    cos_(Q, 2),  0.004403},
    {cos_(Zeta, 2), cos_(Q, 2), -0.002689},
};

// Jupiter, Δa (units of 0.000001 astronomical unit).
constexpr Term kJupiterAxis[] = {
    {cos_(V),       one,     -263},
    {cos_(Zeta),    one,      205},
    {cos_(Zeta, 2), one,      693},
    {cos_(Zeta, 3), one,      312},
    {cos_(Zeta, 4), one,      147},
    {sin_(Zeta),    sin_(Q),  299},
    {cos_(Zeta, 2), sin_(Q),  181},
    {sin_(Zeta, 2), cos_(Q),  204},
    {sin_(Zeta, 3), cos_(Q),  111},
    {cos_(Zeta),    cos_(Q), -337},
    {cos_(Zeta, 2), cos_(Q), -111},
};

// Saturn, A (degrees).
constexpr Term kSaturnA[] = {
    {sin_(V),       one,        -0.814181,  0.01815,   0.016714},
    {cos_(V),       one,        -0.010497,  0.160906, -0.0041},
    {sin_(V, 2),    one,         0.007581},
    {sin_(W),       one,        -0.007986},
    {sin_(Zeta),    one,        -0.148811},
    {sin_(Zeta, 2), one,        -0.040786},
    {sin_(Zeta, 3), one,        -0.015208},
    {sin_(Zeta, 4), one,        -0.006339},
    {sin_(Q),       one,        -0.006244},
    {sin_(Zeta),    sin_(Q),     0.008931,  0.002728},
    {sin_(Zeta, 2), sin_(Q),    -0.0165},
    {sin_(Zeta, 3), sin_(Q),    -0.005775},
    {cos_(Zeta),    sin_(Q),     0.081344,  0.003206},
    {cos_(Zeta, 2), sin_(Q),     0.015019},
    {sin_(Zeta),    cos_(Q),     0.085581,  0.002494},
    {cos_(Zeta),    cos_(Q),     0.025328, -0.003117},
    {cos_(Zeta, 2), cos_(Q),     0.014394},
    {cos_(Zeta, 3), cos_(Q),     0.006319},
    {sin_(Zeta),    sin_(Q, 2),  0.006369},
    {sin_(Zeta, 2), sin_(Q, 2),  0.009156},
    {sin_(Psi, 3),  sin_(Q, 2),  0.007525},
    {cos_(Zeta),    cos_(Q, 2), -0.005236},
    {cos_(Zeta, 2), cos_(Q, 2), -0.007736},
    {cos_(Psi, 3),  cos_(Q, 2), -0.007528},
};

// Saturn, Δe (units of 0.0000001).
constexpr Term kSaturnE[] = {
    {sin_(V),       one,        -7927, 2548,   91},
    {cos_(V),       one,        13381, 1226, -253},
    {sin_(V, 2),    one,          248, -121},
    {cos_(V, 2),    one,         -305,  -91},
    {sin_(Zeta, 2), one,          412},
    {sin_(Q),       one,        12415},
    {sin_(Zeta),    sin_(Q),      390, -617},
    {sin_(Zeta, 2), sin_(Q),      165, -204},
    {cos_(Zeta),    sin_(Q),    26599},
    {cos_(Zeta, 2), sin_(Q),    -4687},
    {cos_(Zeta, 3), sin_(Q),    -1870},
    {cos_(Zeta, 4), sin_(Q),     -821},
    {cos_(Zeta, 5), sin_(Q),     -377},
    {cos_(Psi, 2),  sin_(Q),      497},
    {cos_(Q),       one,          163, -611},
    {sin_(Zeta),    cos_(Q),   -12696},
    {sin_(Zeta, 2), cos_(Q),    -4200},
    {sin_(Zeta, 3), cos_(Q),    -1503},
    {sin_(Zeta, 4), cos_(Q),     -619},
    {sin_(Zeta, 5), cos_(Q),     -268},
    {cos_(Zeta),    cos_(Q),     -282, -1306},
    {cos_(Zeta, 2), cos_(Q),      -86,  230},
    {sin_(Psi, 2),  cos_(Q),      461},
    {sin_(Q, 2),    one,         -350},
    {sin_(Zeta),    sin_(Q, 2),  2211, -286},
    {sin_(Zeta, 2), sin_(Q, 2), -2208},
    {sin_(Zeta, 3), sin_(Q, 2),  -568},
    {sin_(Zeta, 4), sin_(Q, 2),  -346},
    {cos_(Zeta),    sin_(Q, 2), -2780, -222},
    {cos_(Zeta, 2), sin_(Q, 2),  2022,  263},
    {cos_(Zeta, 3), sin_(Q, 2),   248},
    {sin_(Psi, 3),  sin_(Q, 2),   242},
    {cos_(Psi, 3),  sin_(Q, 2),   467},
    {cos_(Q, 2),    one,         -490},
    {sin_(Zeta),    cos_(Q, 2), -2842, -279},
    {sin_(Zeta, 2), cos_(Q, 2),   128,  226},
    {sin_(Zeta, 3), cos_(Q, 2),   224},
    {cos_(Zeta),    cos_(Q, 2), -1594,  282},
    {cos_(Zeta, 2), cos_(Q, 2),  2162, -207},
    {cos_(Zeta, 3), cos_(Q, 2),   561},
    {cos_(Zeta, 4), cos_(Q, 2),   343},
    {sin_(Psi, 3),  cos_(Q, 2),   469},
    {cos_(Psi, 3),  cos_(Q, 2),  -242},
    {sin_(Zeta),    sin_(Q, 3),  -205},
    {sin_(Zeta, 3), sin_(Q, 3),   262},
    {cos_(Zeta),    cos_(Q, 3),   208},
    {cos_(Zeta, 3), cos_(Q, 3),  -271},
    {cos_(Zeta, 3), sin_(Q, 4),  -382},
    {sin_(Zeta, 3), cos_(Q, 4),  -376},
};

// Saturn, B (degrees).
constexpr Term kSaturnB[] = {
    {sin_(V),       one,         0.077108,  0.007186, -0.001533},
    {cos_(V),       one,         0.045803, -0.014766, -0.000536},
    {sin_(Zeta),    one,        -0.007075},
    {sin_(Zeta),    sin_(Q),    -0.075825},
    {sin_(Zeta, 2), sin_(Q),    -0.024839},
    {sin_(Zeta, 3), sin_(Q),    -0.008631},
    {cos_(Q),       one,        -0.072586},
    {cos_(Zeta),    cos_(Q),    -0.150383},
    {cos_(Zeta, 2), cos_(Q),     0.026897},
    {cos_(Zeta, 3), cos_(Q),     0.010053},
    {sin_(Zeta),    sin_(Q, 2), -0.013597, -0.001719},
    {cos_(Zeta),    sin_(Q, 2), -0.007742,  0.001517},
    {cos_(Zeta, 2), sin_(Q, 2),  0.013586, -0.001375},
    {sin_(Zeta),    cos_(Q, 2), -0.013667,  0.001239},
    {sin_(Zeta, 2), cos_(Q, 2),  0.011981},
    {cos_(Zeta),    cos_(Q, 2),  0.014861,  0.001136},
    {cos_(Zeta, 2), cos_(Q, 2), -0.013064, -0.001628},
};

// Saturn, Δa (units of 0.000001 astronomical unit).
constexpr Term kSaturnAxis[] = {
    {sin_(V),       one,            0, 572},
    {cos_(V),       one,         2933},
    {cos_(Zeta),    one,        33629},
    {cos_(Zeta, 2), one,        -3081},
    {cos_(Zeta, 3), one,        -1423},
    {cos_(Zeta, 4), one,         -671},
    {cos_(Zeta, 5), one,         -320},
    {sin_(Q),       one,         1098},
    {sin_(Zeta),    sin_(Q),    -2812},
    {sin_(Zeta, 2), sin_(Q),      688},
    {sin_(Zeta, 3), sin_(Q),     -393},
    {sin_(Zeta, 4), sin_(Q),     -228},
    {cos_(Zeta),    sin_(Q),     2138},
    {cos_(Zeta, 2), sin_(Q),     -999},
    {cos_(Zeta, 3), sin_(Q),     -642},
    {cos_(Zeta, 4), sin_(Q),     -325},
    {cos_(Q),       one,         -890},
    {sin_(Zeta),    cos_(Q),     2206},
    {sin_(Zeta, 2), cos_(Q),    -1590},
    {sin_(Zeta, 3), cos_(Q),     -647},
    {sin_(Zeta, 4), cos_(Q),     -344},
    {cos_(Zeta),    cos_(Q),     2885},
    {cos_(Zeta, 2), cos_(Q),     2172, 102},
    {cos_(Zeta, 3), cos_(Q),      296},
    {sin_(Zeta, 2), sin_(Q, 2),  -267},
    {cos_(Zeta),    sin_(Q, 2),  -778},
    {cos_(Zeta, 2), sin_(Q, 2),   495},
    {cos_(Zeta, 3), sin_(Q, 2),   250},
    {sin_(Zeta),    cos_(Q, 2),  -856},
    {sin_(Zeta, 2), cos_(Q, 2),   441},
    {cos_(Zeta, 2), cos_(Q, 2),   296},
    {cos_(Zeta, 3), cos_(Q, 2),   211},
    {sin_(Zeta),    sin_(Q, 3),  -427},
    {sin_(Zeta, 3), sin_(Q, 3),   398},
    {cos_(Zeta),    cos_(Q, 3),   344},
    {cos_(Zeta, 3), cos_(Q, 3),  -427},
};

// Uranus (H = 2G − S).
constexpr Term kUranusA[] = {
    {sin_(H),    one,  0.864319, -0.001583},
    {cos_(H),    one,  0.082222, -0.006833},
    {sin_(H, 2), one,  0.036017},
    {cos_(H, 2), one, -0.003019},
    {sin_(W),    one,  0.008122},
};
constexpr Term kUranusB[] = {
    {sin_(H),    one,  0.120303},
    {cos_(H),    one,  0.019472, -0.000947},
    {sin_(H, 2), one,  0.006197},
};
constexpr Term kUranusE[] = {  // units of 0.0000001
    {sin_(H),    one, -3349, 163},
    {cos_(H),    one, 20981},
    {cos_(H, 2), one,  1311},
};
constexpr Term kUranusAxis[] = {  // units of 0.000001 astronomical unit
    {cos_(H),    one, -3825},
};

// Neptune.
constexpr Term kNeptuneA[] = {
    {sin_(H),    one, -0.589833, 0.001089},
    {cos_(H),    one, -0.056094, 0.004658},
    {sin_(H, 2), one, -0.024286},
};
constexpr Term kNeptuneB[] = {
    {sin_(H),    one,  0.024039},
    {cos_(H),    one, -0.025303},
    {sin_(H, 2), one,  0.006206},
    {cos_(H, 2), one, -0.005992},
};
constexpr Term kNeptuneE[] = {  // units of 0.0000001
    {sin_(H),    one, 4389},
    {sin_(H, 2), one, 1129},
    {cos_(H),    one, 4262},
    {cos_(H, 2), one, 1089},
};
constexpr Term kNeptuneAxis[] = {  // units of 0.000001 astronomical unit
    {sin_(H),    one, -817},
    {cos_(H),    one, 8189},
    {cos_(H, 2), one,  781},
};
// clang-format on

// ---------------------------------------------------------------- Pluto

// Pluto: a periodic series in the mean longitudes of Jupiter (J), Saturn (S)
// and Pluto (P), in the form Goffin, Meeus and Steyaert gave it in 1986,
// referred to the equinox of 1950; like theirs it holds from 1885 to 2099.
// Each term: coefficient × sin and × cos of (j J + s S + p P).
struct PlutoTerm {
    int j, s, p;
    double sinCoefficient, cosCoefficient;
};

// clang-format off
// Heliocentric longitude, millionths of a degree.
constexpr PlutoTerm kPlutoLongitude[] = {
    // J  S   P       sin        cos        argument
    {0, 0,  1, -19977972,  19667536},  // P
    {0, 0,  2,    987114,  -4939350},  // 2P
    {0, 0,  3,    577978,   1226898},  // 3P
    {0, 0,  4,   -334695,   -201966},  // 4P
    {0, 0,  5,    130519,    -29025},  // 5P
    {0, 0,  6,    -39851,     28968},  // 6P
    {0, 1, -1,     20387,     -9832},  // S − P
    {0, 1,  0,     -3986,     -4954},  // S
    {0, 1,  1,     -5817,     -3365},  // S + P
    {0, 1,  2,     -3903,      2895},  // 2P + S
    {0, 1,  3,      -738,      3443},  // 3P + S
    {0, 2, -2,      1234,       472},  // 2S − 2P
    {1, 1, -3,       -34,       -26},  // J + S − 3P
    {1, 1, -2,       -43,         0},  // J + S − 2P
    {1, 1, -1,       -15,        21},  // J + S − P
    {0, 2, -1,      1101,      -894},  // 2S − P
    {0, 2,  0,       625,     -1214},  // 2S
    {1, -1, 0,      2485,      -486},  // J − S
    {1, -1, 1,       852,     -1407},  // J − S + P
    {1, 0, -3,      -948,      1073},  // J − 3P
    {1, 0, -2,     -2309,     -1024},  // J − 2P
    {1, 0, -1,      7047,       770},  // J − P
    {1, 0,  0,      1184,      -344},  // J
    {1, 0,  1,       394,       -55},  // J + P
    {1, 0,  2,       119,      -264},  // 2P + J
    {1, 0,  3,       -46,      -156},  // 3P + J
    {1, 0,  4,       -77,       -33},  // 4P + J
    {2, 0, -3,        10,        22},  // 2J − 3P
    {2, 0, -2,       -57,       -32},  // 2J − 2P
    {2, 0, -1,       158,       -43},  // 2J − P
};

// Heliocentric latitude, millionths of a degree.
constexpr PlutoTerm kPlutoLatitude[] = {
    {0, 0,  1,  -5323113, -15024245},  // P
    {0, 0,  2,   3497557,   1735457},  // 2P
    {0, 0,  3,  -1059559,    299464},  // 3P
    {0, 0,  4,    189102,   -285383},  // 4P
    {0, 0,  5,     14231,    101218},  // 5P
    {0, 0,  6,    -29164,    -27461},  // 6P
    {0, 1, -1,      4935,     11282},  // S − P
    {0, 1,  0,       312,      -128},  // S
    {0, 1,  1,      2057,      -904},  // S + P
    {0, 1,  2,        19,      -674},  // 2P + S
    {0, 1,  3,      -307,      -576},  // 3P + S
    {0, 2, -2,       -65,        39},  // 2S − 2P
    {0, 2, -1,       -97,       208},  // 2S − P
    {0, 2,  0,         0,      -160},  // 2S
    {1, -1, 0,      -177,       259},  // J − S
    {1, -1, 1,        15,       235},  // J − S + P
    {1, 0, -3,       578,      -293},  // J − 3P
    {1, 0, -2,      -294,       694},  // J − 2P
    {1, 0, -1,       156,       201},  // J − P
    {1, 0,  0,       294,       829},  // J
    {1, 0,  1,      -123,       -31},  // J + P
};

// Radius vector, millionths of an astronomical unit.
constexpr PlutoTerm kPlutoRadius[] = {
    {0, 0,  1,   6623876,   6955990},  // P
    {0, 0,  2,  -1181808,    -54836},  // 2P
    {0, 0,  3,    163227,   -139603},  // 3P
    {0, 0,  4,     -3644,     48144},  // 4P
    {0, 0,  5,     -6268,     -8851},  // 5P
    {0, 0,  6,      3111,      -408},  // 6P
    {0, 1, -1,      -621,      2223},  // S − P
    {0, 1,  0,       438,       450},  // S
    {0, 1,  1,      -153,        61},  // S + P
    {0, 1,  2,        -3,        79},  // 2P + S
    {0, 1,  3,        50,        54},  // 3P + S
    {0, 2, -2,        -1,       -22},  // 2S − 2P
    {0, 2, -1,        84,       -48},  // 2S − P
    {0, 2,  0,       -30,        61},  // 2S
    {1, -1, 0,        26,       -39},  // J − S
    {1, -1, 1,       -19,       -40},  // J − S + P
    {1, 0, -3,      -321,        42},  // J − 3P
    {1, 0, -2,       797,      -792},  // J − 2P
    {1, 0, -1,        -4,      4564},  // J − P
    {1, 0,  0,       852,       855},  // J
    {1, 0,  1,       -88,       -82},  // J + P
    {1, 0,  2,        21,       -12},  // 2P + J
    {1, 0,  3,       -14,         6},  // 3P + J
    {2, 0, -3,        -6,         1},  // 2J − 3P
    {2, 1, -2,        13,       -23},  // 2J + S − 2P
    {2, 0, -1,        25,       107},  // 2J − P
    {2, 0,  0,        25,        16},  // 2J
};
// clang-format on

template <std::size_t N>
double SumPluto(const PlutoTerm (&terms)[N], double j, double s, double p) {
    double sum = 0;
    for (const PlutoTerm& t : terms) {
        const double arg = t.j * j + t.s * s + t.p * p;
        sum += t.sinCoefficient * SinDeg(arg) + t.cosCoefficient * CosDeg(arg);
    }
    return sum;
}

// ---------------------------------------------------------------- orbits

// Osculating elements in the form Kepler's equation takes them: a in
// kilometres, angles in degrees.
struct Orbit {
    double a = 0, e = 0, i = 0, node = 0, perihelionArgument = 0, meanAnomaly = 0;
};

struct Heliocentric {
    double longitude = 0, latitude = 0, radius = 0;  // degrees, kilometres
};

struct Geocentric {
    double longitude = 0, latitude = 0;  // degrees
};

// Kepler's equation by Newton's method in degrees, to 1E-07 degrees.
double EccentricAnomaly(double meanAnomaly, double e) {
    const double eDegrees = e * 180.0 / kPi;
    double ecc = meanAnomaly;
    for (int pass = 0; pass < 100; ++pass) {
        const double next = ecc + (meanAnomaly + eDegrees * SinDeg(ecc) - ecc) / (1.0 - e * CosDeg(ecc));
        const bool done = std::fabs(next - ecc) < 1E-07;
        ecc = next;
        if (done || !std::isfinite(ecc)) break;
    }
    return ecc;
}

Heliocentric KeplerToEcliptic(const Orbit& o) {
    const double ecc = EccentricAnomaly(o.meanAnomaly, o.e);
    Heliocentric h;
    h.radius = o.a * (1.0 - o.e * CosDeg(ecc));
    const double v =
        Normalize360(RadToDeg(2.0 * std::atan(std::tan(DegToRad(ecc / 2.0)) * std::sqrt((1.0 + o.e) / (1.0 - o.e)))));
    const double u = o.perihelionArgument + v;
    const double ci = CosDeg(o.i), si = SinDeg(o.i);
    const Spherical s = RectToSpherical(CosDeg(u), SinDeg(u) * ci, SinDeg(u) * si);
    h.longitude = s.longitude + o.node;
    h.latitude = s.latitude;
    return h;
}

Geocentric GeocentricFromHeliocentric(const Heliocentric& planet, const Heliocentric& earth) {
    const double pcb = CosDeg(planet.latitude), ecb = CosDeg(earth.latitude);
    const double x = planet.radius * pcb * CosDeg(planet.longitude) - earth.radius * ecb * CosDeg(earth.longitude);
    const double y = planet.radius * pcb * SinDeg(planet.longitude) - earth.radius * ecb * SinDeg(earth.longitude);
    const double z = planet.radius * SinDeg(planet.latitude) - earth.radius * SinDeg(earth.latitude);
    const Spherical s = RectToSpherical(x, y, z);
    return Geocentric{s.longitude, s.latitude};
}

// Row i of the J2000 table (0 Earth, 1 Mercury, 2 Venus, 3 Mars) at T2000.
// The mean anomaly goes to Kepler's equation unreduced.
Heliocentric InnerPlanetPosition(int row, double t2000) {
    const InnerElements& el = kInnerElements[row];
    Orbit o;
    o.a = el.a * kKilometresPerAu;
    o.e = el.e0 + el.e1 * t2000;
    o.i = el.i0 + el.i1 * t2000;
    o.node = el.node0 + el.node1 * t2000;
    const double perihelion = el.perihelion0 + el.perihelion1 * t2000;
    o.perihelionArgument = perihelion - o.node;
    o.meanAnomaly = el.m0 + el.m1 * t2000;
    return KeplerToEcliptic(o);
}

// The shared quantities of the outer planets' perturbations, T from 1900.
struct OuterArguments {
    double upsilon, p, q, s, g;
    ArgTrig trig;
};

OuterArguments MakeOuterArguments(double t) {
    OuterArguments a;
    a.upsilon = t / 5.0 + 0.1;
    a.p = 237.47555 + 3034.9061 * t;
    a.q = 265.91650 + 1222.1139 * t;
    a.s = 243.51721 + 428.4677 * t;
    a.g = 83.76922 + 218.4901 * t;
    a.trig.Set(V, 5.0 * a.q - 2.0 * a.p);
    a.trig.Set(W, 2.0 * a.p - 6.0 * a.q + 3.0 * a.s);
    a.trig.Set(Zeta, a.q - a.p);
    a.trig.Set(Psi, a.s - a.q);
    a.trig.Set(Q, a.q);
    a.trig.Set(H, 2.0 * a.g - a.s);
    return a;
}

struct Perturbation {
    double a = 0;          // degrees, added to the mean longitude and anomaly
    double b = 0;          // degrees, b / e moves the perihelion
    double e = 0;          // units of 0.0000001
    double axis = 0;       // astronomical units
};

// The elements of row at T1900, with the planet's perturbations applied.
Orbit OuterOrbit(int row, double t, const OuterArguments& args) {
    const OuterElements& el = kOuterElements[row];
    const double meanLongitude = el.meanLongitude.At(t);
    Orbit o;
    o.a = el.a * kKilometresPerAu;
    o.e = el.e.At(t);
    o.i = el.i.At(t);
    o.perihelionArgument = el.perihelionArgument.At(t);
    o.node = el.node.At(t);
    const double perihelion = Normalize360(o.perihelionArgument + o.node);
    o.meanAnomaly = Normalize360(meanLongitude - perihelion);
    if (row == kEarthRow) {
        o.meanAnomaly += 180.0;
        return o;
    }

    const double u = args.upsilon;
    Perturbation p;
    switch (row) {
        case kJupiterRow:
            p = {SumTerms(kJupiterA, args.trig, u), SumTerms(kJupiterB, args.trig, u),
                 SumTerms(kJupiterE, args.trig, u), SumTerms(kJupiterAxis, args.trig, u) * 1E-06};
            break;
        case kSaturnRow:
            p = {SumTerms(kSaturnA, args.trig, u), SumTerms(kSaturnB, args.trig, u),
                 SumTerms(kSaturnE, args.trig, u), SumTerms(kSaturnAxis, args.trig, u) * 1E-06};
            break;
        case kUranusRow:
            o.meanAnomaly = 72.64878 + 428.37911 * t + 0.000079 * t * t;
            p = {SumTerms(kUranusA, args.trig, u), SumTerms(kUranusB, args.trig, u),
                 SumTerms(kUranusE, args.trig, u), SumTerms(kUranusAxis, args.trig, u) * 1E-06};
            break;
        case kNeptuneRow:
            o.meanAnomaly = 37.73063 + 218.46134 * t - 0.00007 * t * t;
            p = {SumTerms(kNeptuneA, args.trig, u), SumTerms(kNeptuneB, args.trig, u),
                 SumTerms(kNeptuneE, args.trig, u), SumTerms(kNeptuneAxis, args.trig, u) * 1E-06};
            break;
        default:
            return o;  // Pluto: the series takes over
    }
    // A moves the mean longitude and the anomaly; B / e turns the perihelion
    // (its longitude and its argument alike) and takes the anomaly back.
    // Kepler's equation needs only the anomaly and the argument.
    const double bOverE = p.b / o.e;
    o.meanAnomaly = o.meanAnomaly + p.a - bOverE;
    o.perihelionArgument += bOverE;
    o.e += p.e * 1E-07;
    o.a += p.axis * kKilometresPerAu;
    return o;
}

// The correction added to Uranus' geocentric longitude (degrees).
double UranusLongitudeCorrection(const OuterArguments& a) {
    const double u = a.upsilon;
    const double zeta = a.s - a.p, eta = a.s - a.q, theta = a.g - a.s;
    return (0.010122 - 0.000988 * u) * SinDeg(a.s + eta) +
           (-0.038581 + 0.002031 * u - 0.00191 * u * u) * CosDeg(a.s + eta) +
           (0.034964 - 0.001038 * u + 0.000868 * u * u) * CosDeg(2.0 * a.s + eta) +
           0.005594 * SinDeg(a.s + 3.0 * theta) - 0.014808 * SinDeg(zeta) - 0.005794 * SinDeg(eta) +
           0.002347 * CosDeg(eta) + 0.009872 * SinDeg(theta) + 0.008803 * SinDeg(2.0 * theta) -
           0.004308 * SinDeg(3.0 * theta);
}

// The correction added to Neptune's geocentric longitude (degrees).
double NeptuneLongitudeCorrection(const OuterArguments& a) {
    const double zeta = a.g - a.p, eta = a.g - a.q, theta = a.g - a.s;
    return -0.009556 * SinDeg(zeta) - 0.005178 * SinDeg(eta) + 0.002572 * SinDeg(2.0 * theta) -
           0.002972 * CosDeg(2.0 * theta) * SinDeg(a.g) - 0.002833 * SinDeg(2.0 * theta) * CosDeg(a.g);
}

// Pluto's heliocentric position from its series (equinox 1950).
Heliocentric PlutoHeliocentric(double t) {
    const double j = Normalize360(238.74 + 3034.9057 * t);
    const double s = Normalize360(267.26 + 1222.1138 * t);
    const double p = Normalize360(93.48 + 144.96 * t);
    Heliocentric h;
    h.longitude = 93.297471 + 144.96 * t + SumPluto(kPlutoLongitude, j, s, p) / 1000000.0;
    h.latitude = SumPluto(kPlutoLatitude, j, s, p) / 1000000.0 - 3.909434;
    h.radius = (SumPluto(kPlutoRadius, j, s, p) / 1000000.0 + 40.724725) * kKilometresPerAu;
    return h;
}

// Geocentric longitude (reduced, with the planet's own correction) and
// latitude of bodies 5 to 9 at T1900.
void OuterPlanets(double t, double julianDay, Geocentric (&out)[10]) {
    const OuterArguments args = MakeOuterArguments(t);
    const Heliocentric earth = KeplerToEcliptic(OuterOrbit(kEarthRow, t, args));
    for (int body = 5; body <= 9; ++body) {
        const int row = body - 4;  // Jupiter is row 1
        const Heliocentric helio =
            body == 9 ? PlutoHeliocentric(t) : KeplerToEcliptic(OuterOrbit(row, t, args));
        Geocentric g = GeocentricFromHeliocentric(helio, earth);
        if (body == 7) g.longitude += UranusLongitudeCorrection(args);
        if (body == 8) g.longitude += NeptuneLongitudeCorrection(args);
        // Pluto's series is referred to the equinox of 1950.
        if (body == 9) g.longitude += (julianDay - 2433283.0) * 1.33 / 36525.0;
        g.longitude = Normalize360(g.longitude);
        out[body] = g;
    }
}

// Geocentric longitude and latitude of Mercury, Venus and Mars at T2000.
void InnerPlanets(double t2000, Geocentric (&out)[10]) {
    const Heliocentric earth = InnerPlanetPosition(0, t2000);
    for (int body = 2; body <= 4; ++body) {
        Geocentric g = GeocentricFromHeliocentric(InnerPlanetPosition(body - 1, t2000), earth);
        g.longitude = Normalize360(g.longitude);
        out[body] = g;
    }
}

}  // namespace

bool MovesBackwards(double today, double nextDay) {
    double a = today;
    double b = nextDay;
    if (std::fabs(a - b) >= 180.0) {
        if (a > b)
            b += 360.0;
        else
            a += 360.0;
    }
    return a > b;
}

void ComputeAllPositions(ChartState& chart) {
    const double epsilon = -chart.Obliquity;  // the stored field holds -ε after the time step

    // 1. Blank marks; the two time arguments and their next-day values.
    chart.RetrogradeText = std::string(15, ' ');
    const double t1900 = (chart.JulianDayNumber - 2415020.0 + chart.UtDayFraction - 0.5) / 36525.0;
    const double t2000 = (chart.JulianDayNumber - 2451545.0 + chart.UtDayFraction - 0.5) / 36525.0;
    const double t1900Later = t1900 + kOneDay;
    const double t2000Later = t2000 + kOneDay;

    // 2. The Sun and the Moon.
    chart.Longitude[1] = SunPosition(t1900);
    chart.Latitude[1] = 0;
    const MoonPositionResult moon = MoonPosition(t1900);
    chart.Longitude[10] = Normalize360(moon.longitude);
    chart.Latitude[10] = moon.latitude;
    if (chart.TrueNode == -100) chart.TrueNode = moon.trueNode;
    {
        const EquatorialPosition eq = EquatorialFromEcliptic(chart.Longitude[10], moon.latitude, epsilon);
        chart.Declination[10] = eq.declination;
        chart.RightAscension[10] = eq.rightAscension;
    }

    // 3. The nodes, the Part of Fortune and the angles.
    chart.Longitude[11] = moon.meanNode;
    chart.Longitude[12] = Normalize360(moon.meanNode + 180.0);
    chart.Longitude[13] = Normalize360(chart.Longitude[10] + chart.Ascendant - chart.Longitude[1]);
    chart.Longitude[14] = chart.Ascendant;
    chart.Longitude[15] = chart.Midheaven;
    for (int i = 11; i <= 15; ++i) chart.Latitude[i] = 0;

    // 4. Mercury, Venus and Mars; equatorial coordinates of bodies 1 to 4.
    Geocentric today[10], later[10];
    InnerPlanets(t2000, today);
    for (int i = 2; i <= 4; ++i) {
        chart.Longitude[i] = today[i].longitude;
        chart.Latitude[i] = today[i].latitude;
    }
    for (int i = 1; i <= 4; ++i) {
        const EquatorialPosition eq = EquatorialFromEcliptic(chart.Longitude[i], chart.Latitude[i], epsilon);
        chart.Declination[i] = eq.declination;
        chart.RightAscension[i] = eq.rightAscension;
    }

    // 5. One day later: the Sun, the Moon (and its declination), the inner planets.
    chart.LongitudeLater[1] = SunPosition(t1900Later);
    const MoonPositionResult moonLater = MoonPosition(t1900Later);
    chart.LongitudeLater[10] = Normalize360(moonLater.longitude);
    chart.MoonDeclinationNextDay =
        EquatorialFromEcliptic(chart.LongitudeLater[10], moonLater.latitude, epsilon).declination;
    InnerPlanets(t2000Later, later);
    for (int i = 2; i <= 4; ++i) chart.LongitudeLater[i] = later[i].longitude;
    // The nodes move with the mean node; the Part of Fortune and the angles
    // are points of the event and get no next-day position (no motion).
    chart.LongitudeLater[11] = moonLater.meanNode;
    chart.LongitudeLater[12] = Normalize360(moonLater.meanNode + 180.0);
    for (int i = 13; i <= 15; ++i) chart.LongitudeLater[i] = chart.Longitude[i];

    // 6. Jupiter to Pluto at the event.
    OuterPlanets(t1900, chart.JulianDayNumber, today);
    for (int i = 5; i <= 9; ++i) {
        chart.Longitude[i] = today[i].longitude;
        chart.Latitude[i] = today[i].latitude;
        const EquatorialPosition eq = EquatorialFromEcliptic(today[i].longitude, today[i].latitude, epsilon);
        chart.Declination[i] = eq.declination;
        chart.RightAscension[i] = eq.rightAscension;
    }

    // 7. And one day later.
    OuterPlanets(t1900Later, chart.JulianDayNumber, later);
    for (int i = 5; i <= 9; ++i) chart.LongitudeLater[i] = later[i].longitude;

    // 8. Retrograde marks of the planets: moving backwards over the day,
    // across 0 Aries included.
    for (int i = 2; i <= 9; ++i)
        if (MovesBackwards(chart.Longitude[i], chart.LongitudeLater[i]))
            chart.RetrogradeText[static_cast<std::size_t>(i - 1)] = 'R';
    // CenturiesT keeps the event's T.
}

}  // namespace quaeryn
