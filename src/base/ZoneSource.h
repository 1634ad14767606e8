// The computer's own time zone: its offset from universal time at an
// instant, daylight saving included. "NOW" and the caption clock ask it; the
// system's implementation reads the time-zone database through the C
// library, and a place database may stand in for it.
#pragma once

#include <string>

#include "base/Clock.h"

namespace quaeryn {

class ZoneSource {
public:
    virtual ~ZoneSource() = default;
    // Seconds the computer's clock is ahead of universal time at the instant:
    // east of Greenwich positive (Tokyo 32400, New York -18000 in winter and
    // -14400 in summer).
    virtual long OffsetAt(Instant instant) const = 0;
    // The zone's name in the time-zone database ("Europe/Paris") when the
    // source knows it, so that the zone box can follow that zone as the
    // date and time change; empty when it does not.
    virtual std::string ZoneName(Instant) const { return {}; }
    // What the line under the zone box says was used at the instant
    // ("Europe/Paris, UTC+2, summer time"); empty when the source cannot
    // say more than the offset.
    virtual std::string UsedLineAt(Instant) const { return {}; }
};

// The zone of the process as the C library knows it (the TZ variable, else
// /etc/localtime), read with localtime_r and tm_gmtoff.
class SystemZone final : public ZoneSource {
public:
    long OffsetAt(Instant instant) const override;
    // One for the whole program.
    static const SystemZone& Instance();
};

// The local date and time of an instant on the zone's clock.
LocalDateTime LocalTimeAt(Instant instant, const ZoneSource& zone);

// The present moment as "NOW" takes it: the computer's local date and time
// and its zone in the program's convention (hours, positive west).
struct PresentMoment {
    LocalDateTime local;
    double zoneHours = 0;
    std::string zoneName;  // the source's ZoneName, often empty
    std::string zoneLine;  // the source's UsedLineAt, often empty
};
PresentMoment PresentMomentAt(Instant instant, const ZoneSource& zone);

}  // namespace quaeryn
