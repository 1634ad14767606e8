#include "place/ZoneText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quaeryn {

namespace {

std::string TwoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

std::string UtcOffsetText(int secondsWest) {
    const int east = -secondsWest;
    const int a = std::abs(east);
    std::string text = std::string("UTC") + (east < 0 ? "-" : "+") + std::to_string(a / 3600);
    const int minutes = a % 3600 / 60;
    const int seconds = a % 60;
    if (minutes != 0 || seconds != 0) text += ":" + TwoDigits(minutes);
    if (seconds != 0) text += ":" + TwoDigits(seconds);
    return text;
}

std::string ZoneKindText(ZoneKind kind) {
    switch (kind) {
        case ZoneKind::Summer:
            return "summer time";
        case ZoneKind::LocalMeanTime:
            return "local mean time";
        case ZoneKind::Standard:
            break;
    }
    return "standard time";
}

std::string ZoneUsedLine(const std::string& zone, const ZoneOffset& offset) {
    std::string line = zone.empty() ? std::string() : zone + ", ";
    return line + UtcOffsetText(offset.secondsWest) + ", " + ZoneKindText(offset.kind);
}

std::string ZoneHoursText(int secondsWest) {
    // Whole seconds in ten-thousandths of an hour: 0.36 s each.
    const long long tenThousandths = std::llround(secondsWest / 0.36);
    const long long a = std::llabs(tenThousandths);
    std::string text = (tenThousandths < 0 ? "-" : "") + std::to_string(a / 10000);
    std::string decimals = std::to_string(a % 10000);
    decimals.insert(0, 4 - decimals.size(), '0');
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    if (!decimals.empty()) text += "." + decimals;
    return text;
}

}  // namespace quaeryn
