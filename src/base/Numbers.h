// The system's text and number conventions, shared by every report:
// the numeric value of a text, 16-bit rounding, the plain number-to-text
// form, the Format patterns and the right alignment in four characters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quaeryn {

// The leading number of a text: blanks skipped, an optional sign, digits
// with an optional decimal point and exponent. Empty or non-numeric gives 0.
double NumericValue(std::string_view text);

// True when the text starts with a number (after blanks), as a user's entry
// must for the hour normalisation.
bool StartsWithNumber(std::string_view text);

// True when the whole text is one number, with blanks allowed around it
// ("12", " 7 ", "-5.5"), as a conversion that refuses "5abc" needs.
bool IsNumberText(std::string_view text);

// True when the text is one or more of the digits 0 to 9 and nothing else,
// as a field that its key filter lets through holds.
bool AllDigits(std::string_view text);

// x rounded to two decimals, a half going up: floor(100 x + 0.5) / 100.
double Round2(double x);

// A number as a whole number for a count, a length or a code: truncated
// towards zero and held to [low, high]; a value that is not a number gives
// `low`. (A plain conversion of a double outside the integer's range is
// undefined: option files and entries may hold 1e10 or 1e999.)
long ClampedWhole(double value, long low, long high);

// Round to a 16-bit integer, a half going to the even neighbour.
// Returns nothing when the value does not fit in 16 bits.
std::optional<int16_t> RoundToInt16(double value);

// The plain number-to-text form: one blank before a non-negative number,
// a minus sign before a negative one; 15 significant digits for a double.
std::string NumberText(double value);
// The same for a single-precision value: 7 significant digits.
std::string NumberText(float value);

// Format patterns made of '#', '0' and one '.', as "##0.0", "#00#.#0", "00".
// Rounds half away from zero on the decimal digits of the value.
std::string FormatNumber(double value, std::string_view pattern);
std::string FormatNumber(float value, std::string_view pattern);

// Right alignment in four characters of a formatted number: one blank for
// 100 and more, two for 10 up to 100, three for 0 up to 10, two above -10
// and below 0, one above -100 up to -10, none for -100 and less; a text that
// begins with "-0," gets two.
std::string RightAlign4(double value, const std::string& formatted);

// "dd mmm yyyy" with the given month abbreviations (English "Jan" … "Dec"
// unless the caller passes the user's own).
std::string FormatDate(int day, int month, int year);
std::string FormatDate(int day, int month, int year, const std::string* monthNames);

// Pads with blanks on the right (or cuts) to exactly width characters.
std::string PadRight(std::string_view text, std::size_t width);
// The last n characters (the whole text when shorter).
std::string RightChars(std::string_view text, std::size_t n);

}  // namespace quaeryn
