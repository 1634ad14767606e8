// The zodiac: a longitude folded into 0 up to 360 degrees, the sign it
// lies in and its degree within that sign. Every report and the engine use
// these one definitions, so a longitude of exactly 360 (or a tiny negative
// one) is 0 Aries everywhere and never a thirteenth sign.
#pragma once

namespace quaeryn {

// x - 360 floor(x / 360): 0 up to, but never, 360.
double Normalize360(double degrees);

// The sign of a longitude: 1 Aries to 12 Pisces.
int SignOf(double longitude);

// The degrees of a longitude within its sign, 0 up to 30 (30 taken away
// while 30 or more, which is exact in floating point).
double DegreeInSign(double longitude);

// The whole degree within the sign, 0 to 29.
int WholeDegreeInSign(double longitude);

// The antiscion (solstice point) of a longitude: its mirror across the
// Cancer-Capricorn axis, built from the mirrored sign (Aries-Virgo,
// Taurus-Leo, Gemini-Cancer, Libra-Pisces, Scorpio-Aquarius,
// Sagittarius-Capricorn) and 30 less the degree within the sign. It equals
// 180 less the longitude, except that 0 degrees of a sign gives the end of
// the mirrored sign: 0 Libra gives 360, which every position text writes as
// 0 Aries.
double Antiscion(double longitude);

// The contrantiscion: the point opposite the antiscion, 0 up to 360.
double Contrantiscion(double longitude);

// True when a point of the ecliptic is below the horizon: from the
// Ascendant on to the Descendant, the half of the zodiac that rises next.
// A point on the Ascendant counts below, one on the Descendant above, as
// the house placement counts a body on a cusp. This is the horizon in every
// house system, also where the 1st cusp is not the Ascendant (Equal - MC,
// Meridian, Morinus).
bool BelowHorizon(double longitude, double ascendant);

}  // namespace quaeryn
