// The traditional qualities of a degree of the zodiac: critical degrees,
// masculine or feminine, light, dark, smoky or void, pitted, lame,
// increasing fortune, and the signs of its decanate and dwad.
#pragma once

namespace quaeryn {

// True when the longitude lies in a critical degree: half a degree either
// side of the multiples of 360/28 (the Moon's mansions) in each quarter.
bool IsCriticalDegree(double longitude);

// 'M' or 'F'.
char MasculineOrFeminine(double longitude);
// 'L' light, 'D' dark, 'S' smoky, 'V' void.
char LightDarkSmokyVoid(double longitude);
// 'P' or '-'.
char PittedMark(double longitude);
// 'L' or '-'.
char LameMark(double longitude);
// 'I' or '-'.
char IncreasingFortuneMark(double longitude);

// The sign (1 to 12) ruling the decanate of the longitude: the signs of the
// same element, from the sign itself.
int DecanateSign(double longitude);
// The sign (1 to 12) of the dwad (twelfth part) of the longitude: the signs
// in order from the sign itself, two and a half degrees each.
int DwadSign(double longitude);

}  // namespace quaeryn
