// The fixed stars: the 74 stars of the star list, each with its report
// text and its longitude for the epoch 2000, and the window in which the
// Horary Basics judgement counts a body on it. One table serves the star
// contacts of the judgement and the star list.
#pragma once

#include <span>
#include <string_view>

namespace quaeryn {

struct FixedStar {
    // 15 characters: the name padded to 13, "=" and a blank ("Regulus      = ").
    std::string_view reportText;
    // Degrees from 0 Aries for the epoch 2000; a chart's year moves it by
    // PrecessionSince2000.
    double longitude2000;
    // The judgement's window: from this longitude, read for the epoch 1990
    // (PrecessionSince1990 moves it), two degrees on. It lies one degree
    // before longitude2000, to the decimals the judgement has kept.
    double horaryLow;
    // The name in the star contacts where it differs from the report text's
    // ("N. Bull's Eye"); empty otherwise.
    std::string_view horaryName;
    // The contacts are looked for rank by rank (1, 2, then 3), each rank in
    // longitude order.
    int horaryRank;
    // An option line whose value is the orb either side of longitude2000
    // (Algol's window); 0 for the two-degree window from horaryLow.
    int horaryOrbOption;
    // Strength points of a body on the star.
    int points;
};

// Every star, in the star list's order (by longitude).
std::span<const FixedStar> FixedStars();

// The star's name: its report text without the padding and "= ".
std::string_view StarName(const FixedStar& star);
// The name in the star contacts.
std::string_view HoraryStarName(const FixedStar& star);

// The stars in the order the judgement looks for contacts.
std::span<const FixedStar* const> StarsInHoraryOrder();

// The star of this name; nullptr when there is none.
const FixedStar* FindFixedStar(std::string_view name);

// The star's longitude in a chart whose PrecessionSince2000 is given,
// folded into 0 up to 360 (for the star list).
double StarLongitude(const FixedStar& star, double precessionSince2000);

}  // namespace quaeryn
