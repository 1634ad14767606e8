// A clock that always shows the same moment, and a zone with a fixed
// offset: with the zone of 0 (a computer on universal time) the local time
// is the clock's moment as given.
#pragma once

#include "base/Clock.h"
#include "base/ZoneSource.h"

namespace quaeryn::test {

class FixedClock final : public Clock {
public:
    // The moment in universal time.
    explicit FixedClock(LocalDateTime universal) : t_(InstantOf(universal)) {}
    Instant now() const override { return t_; }
    void set(LocalDateTime universal) { t_ = InstantOf(universal); }

private:
    Instant t_;
};

class FixedZone final : public ZoneSource {
public:
    // Seconds east of Greenwich.
    explicit FixedZone(long offsetSeconds = 0) : offset_(offsetSeconds) {}
    long OffsetAt(Instant) const override { return offset_; }
    void set(long offsetSeconds) { offset_ = offsetSeconds; }

private:
    long offset_;
};

}  // namespace quaeryn::test
