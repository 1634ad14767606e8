// A clock that always shows the same moment.
#pragma once

#include "base/Clock.h"

namespace quaeryn::test {

class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime t) : t_(t) {}
    LocalDateTime now() const override { return t_; }
    void set(LocalDateTime t) { t_ = t; }

private:
    LocalDateTime t_;
};

}  // namespace quaeryn::test
