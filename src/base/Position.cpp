#include "base/Position.h"

#include <cmath>

#include "base/Numbers.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"

namespace quaeryn {

namespace {

void SplitSignAndDegree(double longitude, SignPosition& p) {
    const double w = std::floor(longitude);
    p.sign = SignOf(longitude);
    // The rounding to two decimals absorbs floating error: 59 gives 29, not 28.
    p.degrees = static_cast<int>(ClampedWhole(std::floor(Round2((w / 30.0 - std::floor(w / 30.0)) * 30.0)), 0, 30));
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
    return FormatNumber(static_cast<double>(p.degrees), "00") + " " +
           std::string(SignAbbreviation(p.sign)) + " " + FormatNumber(static_cast<double>(p.minutes), "00");
}

std::string FormatPositionSeconds(double longitude) {
    const SignPosition p = SplitPositionSeconds(longitude);
    return FormatNumber(static_cast<double>(p.degrees), "00") + " " +
           std::string(SignAbbreviation(p.sign)) + " " +
           FormatNumber(static_cast<double>(p.minutes), "00") + "m " +
           FormatNumber(static_cast<double>(p.seconds), "00") + "s";
}

std::string DeclinationText(double declination) {
    const SignPosition p = SplitPosition(std::fabs(declination));
    return FormatNumber(static_cast<double>(p.degrees), "00") + (declination >= 0 ? " N " : " S ") +
           FormatNumber(static_cast<double>(p.minutes), "00");
}

}  // namespace quaeryn
