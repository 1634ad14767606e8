// The present moment, injected so that "NOW", the caption clock and
// quaeryn-cli --now can be tested with a fixed time.
#pragma once

namespace quaeryn {

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The system clock in the local time zone.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

}  // namespace quaeryn
