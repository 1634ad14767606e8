// The entries of the Input Data window as values: the texts of its eleven
// text boxes exactly as typed, and its option buttons and check box.
#pragma once

#include <string>

namespace quaeryn {

struct EventEntries {
    std::string name;    // txtName
    std::string month;   // txtMonth
    std::string day;     // txtDay
    std::string year;    // txtYear
    std::string hour;    // txtBirthHour
    std::string minute;  // txtBirthMinute
    std::string tz;      // txtTZ: hours, positive west of Greenwich
    std::string longDeg; // txtLongDeg
    std::string longMin; // txtLongMin
    std::string latDeg;  // txtLatDeg
    std::string latMin;  // txtLatMin
    bool pm = false;     // optPM selected (otherwise optAM)
    bool east = false;   // optEast selected (otherwise optWest)
    bool south = false;  // optSouth selected (otherwise optNorth)
    bool lmt = false;    // chkLMT: the time is local mean time

    bool operator==(const EventEntries&) const = default;
};

}  // namespace quaeryn
