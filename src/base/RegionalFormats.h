// The user's regional date and time conventions: the short-date order
// (iDate) and the 12/24-hour clock (iTime), the month abbreviations of the
// user's language and the "Long Time" form.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace quaeryn {

struct CalendarDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

struct RegionalFormats {
    int iDate = 0;  // 0 month-day-year, 1 day-month-year, 2 year-month-day
    int iTime = 1;  // 0 12-hour clock with AM/PM, 1 24-hour clock
    std::array<std::string, 12> monthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // "Long Time" for the 12-hour clock: "h:mm:ss AP"; for the 24-hour clock
    // "hh:mm:ss". The AM and PM designators of the user's language.
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";

    // Joins three date texts with "/" in the short-date order.
    std::string JoinDate(const std::string& month, const std::string& day,
                         const std::string& year) const;

    // Reads a date text in the short-date order ("5/3/2001") or in the
    // name-file form ("05 Mar 2001", "2001 Mar 05"). A date that does not
    // exist (31 February) is still read as its three numbers; nothing when
    // the text is not a date at all.
    std::optional<CalendarDate> ParseDate(const std::string& text) const;

    // The month (1 to 12) a month name stands for: the user's abbreviation
    // or the English one, whole (a closing period aside, capitals alike),
    // else its first three letters when they fit one month only; 0 when
    // it names none.
    int MonthFromName(const std::string& text) const;

    // "Long Time" of a time of day given in seconds since midnight (any
    // value is folded into one day).
    std::string LongTime(long secondsOfDay) const;

    // "dd mmm yyyy" with the user's month names.
    std::string FormatDate(const CalendarDate& date) const;
};

}  // namespace quaeryn
