#include "base/Numbers.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quaeryn {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the leading number of text starting at pos (after blanks have
// been skipped by the caller); 0 when there is no digit.
std::size_t LeadingNumberLength(std::string_view t, std::size_t pos) {
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) { ++i; ++digits; }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < t.size() && IsDigit(t[j])) { ++j; ++expDigits; }
        if (expDigits > 0) i = j;
    }
    return i - pos;
}

std::size_t SkipBlanks(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    return i;
}

// Decimal digits of |value| rounded half away from zero to `decimals`
// places, from a decimal text of `significant` digits. Returns the integer
// digits and the fraction digits.
struct Decimal {
    std::string intDigits;   // no leading zeros; empty for 0
    std::string fracDigits;  // exactly `decimals` digits
};

Decimal RoundDecimal(double magnitude, int decimals, int significant) {
    // Scientific text with `significant` digits: d.ddddde±XX
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, magnitude);
    std::string s(buf);
    const auto ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mant;
    for (std::size_t k = 0; k < ePos; ++k)
        if (IsDigit(s[k])) mant += s[k];
    // Digits with the decimal point after position (exponent + 1).
    int pointPos = exponent + 1;  // number of digits before the point
    std::string digits = mant;
    if (pointPos <= 0) {
        digits = std::string(static_cast<std::size_t>(-pointPos), '0') + digits;
        pointPos = 0;
    }
    if (static_cast<int>(digits.size()) < pointPos + decimals + 1)
        digits.append(static_cast<std::size_t>(pointPos + decimals + 1) - digits.size(), '0');
    // Keep pointPos + decimals digits, round on the next one.
    const std::size_t keep = static_cast<std::size_t>(pointPos + decimals);
    std::string kept = digits.substr(0, keep);
    const bool roundUp = digits[keep] >= '5';
    if (roundUp) {
        int k = static_cast<int>(kept.size()) - 1;
        while (k >= 0) {
            if (kept[static_cast<std::size_t>(k)] == '9') {
                kept[static_cast<std::size_t>(k)] = '0';
                --k;
            } else {
                ++kept[static_cast<std::size_t>(k)];
                break;
            }
        }
        if (k < 0) {
            kept.insert(kept.begin(), '1');
            ++pointPos;
        }
    }
    Decimal d;
    d.intDigits = kept.substr(0, static_cast<std::size_t>(pointPos));
    d.fracDigits = kept.substr(static_cast<std::size_t>(pointPos));
    const auto firstNonZero = d.intDigits.find_first_not_of('0');
    d.intDigits = firstNonZero == std::string::npos ? "" : d.intDigits.substr(firstNonZero);
    return d;
}

std::string FormatWithPattern(double value, std::string_view pattern, int significant) {
    const auto dot = pattern.find('.');
    const std::string_view intPat = pattern.substr(0, dot);
    const std::string_view fracPat =
        dot == std::string_view::npos ? std::string_view{} : pattern.substr(dot + 1);
    // Minimum integer digits: from the first '0' to the end of the integer part.
    const auto firstZero = intPat.find('0');
    const std::size_t minInt = firstZero == std::string_view::npos ? 0 : intPat.size() - firstZero;
    // Decimals: every placeholder; those up to the last '0' are always shown.
    const int maxFrac = static_cast<int>(fracPat.size());
    const auto lastZero = fracPat.rfind('0');
    const std::size_t minFrac = lastZero == std::string_view::npos ? 0 : lastZero + 1;

    if (!std::isfinite(value)) return value != value ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    Decimal d = RoundDecimal(std::fabs(value), maxFrac, significant);
    std::string frac = d.fracDigits;
    while (frac.size() > minFrac && frac.back() == '0') frac.pop_back();
    std::string ip = d.intDigits;
    if (ip.size() < minInt) ip.insert(0, minInt - ip.size(), '0');
    std::string out;
    if (value < 0) out += '-';
    out += ip;
    if (dot != std::string_view::npos) out += '.';  // "##.##" keeps its point
    out += frac;
    return out;
}

std::string PlainNumber(double value, int significant) {
    if (value == 0) return " 0";
    if (!std::isfinite(value)) return value != value ? " NaN" : (value < 0 ? "-Inf" : " Inf");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    std::string s(buf);
    const auto ePos = s.find('e');
    int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mant;
    for (std::size_t k = 0; k < ePos; ++k)
        if (IsDigit(s[k])) mant += s[k];
    while (mant.size() > 1 && mant.back() == '0') mant.pop_back();
    std::string body;
    if (exponent < -4 || exponent >= significant) {
        body = mant.substr(0, 1);
        if (mant.size() > 1) {
            body += '.';
            body.append(mant, 1, std::string::npos);
        }
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += eb;
    } else if (exponent < 0) {
        body = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mant;
    } else {
        const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
        if (mant.size() <= intLen) {
            body = mant + std::string(intLen - mant.size(), '0');
        } else {
            body = mant.substr(0, intLen) + "." + mant.substr(intLen);
        }
    }
    return (value < 0 ? "-" : " ") + body;
}

const std::array<std::string, 12> kEnglishMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

double NumericValue(std::string_view text) {
    const std::size_t start = SkipBlanks(text);
    const std::size_t len = LeadingNumberLength(text, start);
    if (len == 0) return 0.0;
    std::string number(text.substr(start, len));
    for (char& c : number)
        if (c == 'd' || c == 'D') c = 'e';
    return std::strtod(number.c_str(), nullptr);
}

bool StartsWithNumber(std::string_view text) {
    return LeadingNumberLength(text, SkipBlanks(text)) > 0;
}

bool IsNumberText(std::string_view text) {
    const std::size_t start = SkipBlanks(text);
    const std::size_t len = LeadingNumberLength(text, start);
    if (len == 0) return false;
    std::size_t i = start + len;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return i == text.size();
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

double Round2(double x) { return std::floor(100.0 * x + 0.5) / 100.0; }

long ClampedWhole(double value, long low, long high) {
    if (!(value > static_cast<double>(low))) return low;  // NaN too
    if (!(value < static_cast<double>(high))) return high;
    return static_cast<long>(value);
}

std::optional<int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = std::nearbyint(value);  // default rounding mode: half to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

std::string NumberText(double value) { return PlainNumber(value, 15); }
std::string NumberText(float value) { return PlainNumber(static_cast<double>(value), 7); }

std::string FormatNumber(double value, std::string_view pattern) {
    return FormatWithPattern(value, pattern, 15);
}
std::string FormatNumber(float value, std::string_view pattern) {
    return FormatWithPattern(static_cast<double>(value), pattern, 7);
}

std::string RightAlign4(double value, const std::string& formatted) {
    int blanks = 0;
    if (formatted.rfind("-0,", 0) == 0) {
        blanks = 2;
    } else if (value >= 100) {
        blanks = 1;
    } else if (value >= 10) {
        blanks = 2;
    } else if (value >= 0) {
        blanks = 3;
    } else if (value > -10) {
        blanks = 2;
    } else if (value > -100) {
        blanks = 1;
    }
    return std::string(static_cast<std::size_t>(blanks), ' ') + formatted;
}

std::string FormatDate(int day, int month, int year) {
    return FormatDate(day, month, year, kEnglishMonths.data());
}

std::string FormatDate(int day, int month, int year, const std::string* monthNames) {
    char dd[16];
    std::snprintf(dd, sizeof dd, "%02d", day);
    char yyyy[16];
    std::snprintf(yyyy, sizeof yyyy, "%04d", year);
    const std::string mon = (month >= 1 && month <= 12) ? monthNames[month - 1] : std::string("???");
    return std::string(dd) + " " + mon + " " + yyyy;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string s(text.substr(0, std::min(text.size(), width)));
    s.append(width - s.size(), ' ');
    return s;
}

std::string RightChars(std::string_view text, std::size_t n) {
    return std::string(text.size() <= n ? text : text.substr(text.size() - n));
}

}  // namespace quaeryn
