#include "horary/FixedStars.h"

#include <algorithm>
#include <array>

#include "base/Zodiac.h"

namespace quaeryn {

namespace {

// The star list of the epoch 2000, ordered by longitude, with the star
// contacts' windows. Algol's window is its longitude ± option 44.
// clang-format off
constexpr std::array<FixedStar, 74> kStars = {{
    // report text         longitude     window from  contact name      rank orb points
    {"Alpheratz    = ", 14.3,        13.3,        "",               3, 0,   0},
    {"Baten Kaitos = ", 21.95,       20.95,       "",               3, 0,   0},
    {"Sharatan     = ", 33.966667,   32.966667,   "",               3, 0,   0},
    {"Hamal        = ", 37.66667,    36.66667,    "",               3, 0,   0},
    {"Schedir      = ", 37.78333,    36.78333,    "",               3, 0,   0},
    {"Almach       = ", 44.23333,    43.23333,    "",               3, 0,   0},
    {"Algol        = ", 56.03,       55.03,       "",               1, 44, -5},
    {"Alcyone      = ", 59.85,       58.85,       "",               1, 0,   0},
    {"Hyades       = ", 65.8,        64.8,        "",               3, 0,   0},
    {"N. Bulls Eye = ", 68.46667,    67.466667,   "N. Bull's Eye",  3, 0,   0},
    {"Aldebaran    = ", 69.65,       68.65,       "",               1, 0,   0},
    {"Rigel        = ", 76.83333,    75.83333,    "",               3, 0,   0},
    {"Bellatrix    = ", 80.95,       79.95,       "",               3, 0,   0},
    {"Capella      = ", 81.85,       80.85,       "",               3, 0,   0},
    {"Phact        = ", 82.16667,    81.166667,   "",               3, 0,   0},
    {"El Nath      = ", 82.58333,    81.58333,    "",               3, 0,   0},
    {"Alnilaml     = ", 83.46667,    82.466667,   "",               3, 0,   0},
    {"Al Hecka     = ", 84.78333,    83.783333,   "",               3, 0,   0},
    {"Betelgeuze   = ", 88.616667,   87.616667,   "",               2, 0,   0},
    {"Sirius       = ", 104.0833333, 103.083333,  "",               3, 0,   0},
    {"Canopus      = ", 104.9666667, 103.966667,  "",               3, 0,   0},
    {"Castor       = ", 110.1166667, 109.1166667, "",               2, 0,   0},
    {"Pollux       = ", 113.2166667, 112.216667,  "",               3, 0,   0},
    {"Procyon      = ", 115.7833333, 114.783333,  "",               3, 0,   0},
    {"Praesaepe    = ", 127.3333333, 126.333333,  "",               3, 0,   0},
    {"N. Aselli    = ", 127.4,       126.4,       "",               2, 0,   0},
    {"S. Aselli    = ", 128.583333,  127.583333,  "",               2, 0,   0},
    {"Acubens      = ", 133.6333333, 132.633333,  "",               3, 0,   0},
    {"Dubhe        = ", 135.2,       134.2,       "",               3, 0,   0},
    {"Alphard      = ", 147.2833333, 146.283333,  "",               3, 0,   0},
    {"Al Jabhah    = ", 147.9,       146.9,       "",               3, 0,   0},
    {"Regulus      = ", 149.7,       148.7,       "",               1, 0,   6},
    {"Zosma        = ", 161.3166667, 160.316667,  "",               3, 0,   0},
    {"Denebolal    = ", 171.6166667, 170.616667,  "",               3, 0,   0},
    {"ComaBerenices= ", 173.8666667, 172.866667,  "Coma Berenices", 3, 0,   0},
    {"Labrum       = ", 176.6833333, 175.683333,  "",               3, 0,   0},
    {"Vindemiatrix = ", 189.8166667, 188.8166667, "",               2, 0,   0},
    {"Algorab      = ", 193.45,      192.45,      "",               3, 0,   0},
    {"Seginus      = ", 197.6666667, 196.666667,  "",               3, 0,   0},
    {"Foramen      = ", 202.15,      201.15,      "",               3, 0,   0},
    {"Spica        = ", 203.7,       202.7,       "",               1, 0,   5},
    {"Arcturus     = ", 204.2333333, 203.233333,  "",               3, 0,   0},
    {"Princeps     = ", 213.15,      212.15,      "",               3, 0,   0},
    {"Alphecca     = ", 222.3,       221.3,       "",               3, 0,   0},
    {"S. Scale     = ", 225.0833333, 224.083333,  "",               3, 0,   0},
    {"N. Scale     = ", 229.3666667, 228.366667,  "",               3, 0,   0},
    {"Unuk         = ", 231.95,      230.95,      "",               1, 0,   0},
    {"Agena        = ", 233.8,       232.8,       "",               3, 0,   0},
    {"Bungula      = ", 239.6166667, 238.616667,  "",               3, 0,   0},
    {"Yed Prior    = ", 242.3,       241.3,       "",               3, 0,   0},
    {"Antares      = ", 249.633,     248.633,     "",               1, 0,   0},
    {"Rastaban     = ", 251.9666667, 250.966667,  "",               3, 0,   0},
    {"Algethi      = ", 256.15,      255.15,      "",               3, 0,   0},
    {"Aculeus      = ", 265.6,       264.6,       "",               2, 0,   0},
    {"Acumen       = ", 268.6166667, 267.6166667, "",               2, 0,   0},
    {"Sinistra     = ", 269.75,      268.75,      "",               3, 0,   0},
    {"Facies       = ", 278.3,       277.3,       "",               3, 0,   0},
    {"Ascella      = ", 283.6333333, 282.633333,  "",               3, 0,   0},
    {"Manubrium    = ", 285.0,       284.0,       "",               3, 0,   0},
    {"Vega         = ", 285.183333,  284.183333,  "",               2, 0,   0},
    {"Deneb        = ", 289.8,       288.8,       "",               3, 0,   0},
    {"Terebellum   = ", 295.85,      294.85,      "",               3, 0,   0},
    {"Altair       = ", 301.7833333, 300.783333,  "",               3, 0,   0},
    {"Oculus       = ", 304.7166667, 303.716667,  "",               3, 0,   0},
    {"Bos          = ", 305.1666667, 304.166667,  "",               3, 0,   0},
    {"Nashira      = ", 321.7833333, 320.783333,  "",               3, 0,   0},
    {"Deneb Algedi = ", 323.55,      322.55,      "",               3, 0,   0},
    {"Sadalsuud    = ", 323.8166667, 322.816667,  "",               3, 0,   0},
    {"Fomalhaut    = ", 333.716667,  332.7166667, "",               1, 0,   0},
    {"Deneb Adige  = ", 335.3333333, 334.333333,  "",               3, 0,   0},
    {"Skat         = ", 338.8666667, 337.866667,  "",               3, 0,   0},
    {"Achernar     = ", 345.3166667, 344.316667,  "",               3, 0,   0},
    {"Markab       = ", 353.35,      352.35,      "",               1, 0,   0},
    {"Scheat       = ", 359.233,     358.233,     "",               1, 0,   0},
}};
// clang-format on

std::array<const FixedStar*, 74> HoraryOrder() {
    std::array<const FixedStar*, 74> order{};
    for (std::size_t i = 0; i < kStars.size(); ++i) order[i] = &kStars[i];
    std::stable_sort(order.begin(), order.end(),
                     [](const FixedStar* a, const FixedStar* b) { return a->horaryRank < b->horaryRank; });
    return order;
}

}  // namespace

std::span<const FixedStar> FixedStars() { return kStars; }

std::string_view StarName(const FixedStar& star) {
    std::string_view name = star.reportText.substr(0, 13);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

std::string_view HoraryStarName(const FixedStar& star) {
    return star.horaryName.empty() ? StarName(star) : star.horaryName;
}

std::span<const FixedStar* const> StarsInHoraryOrder() {
    static const std::array<const FixedStar*, 74> order = HoraryOrder();
    return order;
}

const FixedStar* FindFixedStar(std::string_view name) {
    for (const FixedStar& star : kStars)
        if (StarName(star) == name || HoraryStarName(star) == name) return &star;
    return nullptr;
}

double StarLongitude(const FixedStar& star, double precessionSince2000) {
    return Normalize360(precessionSince2000 + star.longitude2000);
}

}  // namespace quaeryn
