// The lasting rule of a zone: the line at the end of a zone file that says
// how its clocks go on after the last change the file lists, in the form
// "CET-1CEST,M3.5.0,M10.5.0/3" (standard name and hours west, summer name
// and hours west, the day and time summer time begins, the day and time it
// ends). The zone files list changes up to 2037; later moments follow this.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "place/ZoneDatabase.h"

namespace quaeryn {

// The day of a change: "Mm.w.d" (month m, week w of 1 to 5 where 5 is the
// last, weekday d with 0 Sunday), "Jn" (day n of 1 to 365, 29 February never
// counted) or "n" (day n of 0 to 365, 29 February counted).
struct ZoneRuleDay {
    enum class Form { MonthWeekDay, DayNoLeap, DayOfYear };
    Form form = Form::MonthWeekDay;
    int month = 0;
    int week = 0;
    int weekday = 0;
    int day = 0;
    int seconds = 7200;  // the local clock time of the change; may pass 24 hours or be negative
};

struct ZoneRule {
    std::string standardName;
    std::string summerName;
    int standardWest = 0;  // seconds west of Greenwich
    int summerWest = 0;
    bool hasSummer = false;
    ZoneRuleDay summerBegins;  // at the local standard time of that day
    ZoneRuleDay summerEnds;    // at the local summer time of that day
};

// Reads a rule; nothing when the text is not one. A rule with a summer
// name must give the days of the change.
std::optional<ZoneRule> ParseZoneRule(std::string_view text);

// The instant (seconds since 1 January 1970 UT) at which summer time begins
// or ends in a (Gregorian) year.
std::int64_t SummerBeginsUtc(const ZoneRule& rule, int year);
std::int64_t SummerEndsUtc(const ZoneRule& rule, int year);

// True when the rule's summer part holds at an instant.
bool SummerAt(const ZoneRule& rule, std::int64_t utcSeconds);

// The offset the rule gives at an instant.
ZoneOffset RuleOffsetAt(const ZoneRule& rule, std::int64_t utcSeconds);

// A wall-clock time (seconds since 1 January 1970 as the local clocks count
// them) under the rule: unique, skipped or repeated.
LocalTimeAnswer RuleAtLocalTime(const ZoneRule& rule, std::int64_t localSeconds);

}  // namespace quaeryn
