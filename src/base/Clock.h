// The present moment, injected so that "NOW", the caption clock and
// quaeryn-cli --now can be tested with a fixed time. The clock gives the
// instant; the computer's zone (ZoneSource) turns it into a local date and
// time.
#pragma once

#include <cstdint>

namespace quaeryn {

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

// An instant: seconds since 1970-01-01 00:00:00 universal time.
using Instant = std::int64_t;

// The civil date and time of an instant on a clock that is offsetSeconds
// ahead of universal time (east of Greenwich positive), in the Gregorian
// calendar.
LocalDateTime CivilTimeAt(Instant instant, long offsetSeconds = 0);
// The instant of a civil date and time read as universal time.
Instant InstantOf(const LocalDateTime& universal);

// Days since 1 January 1970 of a Gregorian date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

class Clock {
public:
    virtual ~Clock() = default;
    // The present instant.
    virtual Instant now() const = 0;
};

// The system clock.
class SystemClock final : public Clock {
public:
    Instant now() const override;
};

}  // namespace quaeryn
