// The time-zone database: a zone name and a local civil moment give the
// offset of the clocks at that moment, in the program's convention (hours,
// positive WEST of Greenwich: Paris in summer is -2, New York in winter 5),
// with its kind (standard time, summer time, or the local mean time a place
// kept before its zone had standard time) and the hard cases of a local time
// that never happened or happened twice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quaeryn {

// A civil date and clock time as a user gives it: 24-hour clock, the
// calendar the cast uses (Julian up to 15 October 1582, Gregorian after).
struct LocalMoment {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;  // 0 to 23
    int minute = 0;
};

enum class ZoneKind {
    Standard,        // the zone's standard time
    Summer,          // daylight-saving time
    LocalMeanTime,   // before the zone had standard time: the clocks kept
                     // the mean time of the zone's own city
};

struct ZoneOffset {
    int secondsWest = 0;  // seconds WEST of Greenwich: Paris in summer -7200
    ZoneKind kind = ZoneKind::Standard;
    std::string abbreviation;  // as the database gives it: "CEST", "EST", "LMT", "+0545"

    // The program's zone: hours, positive west. Paris in summer -2,
    // Kathmandu -5.75, New York's local mean time 4.9339 (4h 56m 02s).
    double hoursWest() const { return secondsWest / 3600.0; }
    bool operator==(const ZoneOffset&) const = default;
};

enum class LocalTimeStatus {
    Unique,        // the clocks showed this time once
    Skipped,       // the clocks jumped over it (the hour lost when summer time began)
    Repeated,      // the clocks showed it twice (the hour repeated when summer time ended)
    UnknownZone,   // no zone of that name in the database, or no database
    InvalidMoment, // month, day, hour or minute out of range
};

struct LocalTimeAnswer {
    LocalTimeStatus status = LocalTimeStatus::UnknownZone;
    // Unique: both the offset of the moment. Repeated: the first and the
    // second occurrence (for the end of summer time: summer, then standard
    // time). Skipped: the offset before the jump and the one after it.
    ZoneOffset earlier;
    ZoneOffset later;
    // Skipped and Repeated: the instant of the change of offset, seconds
    // since 1 January 1970 UT.
    std::int64_t changeUtc = 0;

    const ZoneOffset& offset() const { return earlier; }
};

class ZoneDatabase {
public:
    virtual ~ZoneDatabase() = default;

    // False when the database itself cannot be read.
    virtual bool Available() const = 0;
    virtual bool Knows(std::string_view zone) const = 0;
    virtual LocalTimeAnswer AtLocalTime(std::string_view zone, const LocalMoment& moment) const = 0;
    // The offset at an instant (seconds since 1 January 1970 UT); nothing
    // when the zone is unknown.
    virtual std::optional<ZoneOffset> AtInstant(std::string_view zone,
                                                std::int64_t utcSeconds) const = 0;
};

// The operating system's time-zone files (/usr/share/zoneinfo), read at the
// first use. Moments after the last change the files list (2037) follow the
// zone's lasting rule, so summer time goes on in later years.
const ZoneDatabase& SystemZoneDatabase();

}  // namespace quaeryn
