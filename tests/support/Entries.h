// The entries most tests start from: New York, 5 March 2001, 10.30 A.M.,
// zone 5, 73°58' West, 40°45' North, as a user would type them.
#pragma once

#include <string>

#include "entry/EventEntries.h"

namespace quaeryn::test {

inline EventEntries NewYorkEntries(std::string name = "Test") {
    EventEntries e;
    e.name = std::move(name);
    e.month = "3";
    e.day = "5";
    e.year = "2001";
    e.hour = "10";
    e.minute = "30";
    e.tz = "5";
    e.longDeg = "73";
    e.longMin = "58";
    e.latDeg = "40";
    e.latMin = "45";
    return e;
}

}  // namespace quaeryn::test
