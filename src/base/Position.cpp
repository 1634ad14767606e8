#include "base/Position.h"

#include <cmath>

#include "base/Numbers.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"

namespace quaeryn {

namespace {

// A whole number 0 to 99 as two digits: the "00" pattern of a degree, a
// minute or a second, without the general formatter's work.
std::string TwoDigits(int n) {
    if (n < 0 || n > 99) return FormatNumber(static_cast<double>(n), "00");
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

void SplitSignAndDegree(double longitude, SignPosition& p) {
    p.sign = SignOf(longitude);
    p.degrees = WholeDegreeInSign(longitude);
}

}  // namespace

SignPosition SplitPosition(double longitude) {
    longitude = Normalize360(longitude);
    SignPosition p;
    SplitSignAndDegree(longitude, p);
    const double exactMinutes = (longitude - std::floor(longitude)) * 60.0;
    p.minutes = static_cast<int>(ClampedWhole(std::floor(exactMinutes + 0.5), 0, 60));
    if (p.minutes >= 60) p.minutes = 59;
    return p;
}

SignPosition SplitPositionSeconds(double longitude) {
    longitude = Normalize360(longitude);
    SignPosition p;
    SplitSignAndDegree(longitude, p);
    const double exactMinutes = (longitude - std::floor(longitude)) * 60.0;
    // Held to their ranges: a longitude that is not a number gives zeros.
    p.minutes = static_cast<int>(ClampedWhole(std::floor(exactMinutes), 0, 59));
    p.seconds = static_cast<int>(ClampedWhole(std::floor((exactMinutes - p.minutes) * 60.0), 0, 60));
    return p;
}

std::string FormatPosition(double longitude) {
    const SignPosition p = SplitPosition(longitude);
    std::string text = TwoDigits(p.degrees);
    text.reserve(9);
    text += ' ';
    text += SignAbbreviation(p.sign);
    text += ' ';
    text += TwoDigits(p.minutes);
    return text;
}

std::string FormatPositionSeconds(double longitude) {
    const SignPosition p = SplitPositionSeconds(longitude);
    std::string text = TwoDigits(p.degrees);
    text.reserve(14);
    text += ' ';
    text += SignAbbreviation(p.sign);
    text += ' ';
    text += TwoDigits(p.minutes);
    text += "m ";
    text += TwoDigits(p.seconds);
    text += 's';
    return text;
}

std::string DeclinationText(double declination) {
    const SignPosition p = SplitPosition(std::fabs(declination));
    std::string text = TwoDigits(p.degrees);
    text.reserve(7);
    text += declination >= 0 ? " N " : " S ";
    text += TwoDigits(p.minutes);
    return text;
}

}  // namespace quaeryn
