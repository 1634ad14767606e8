#include "base/ZoneSource.h"

#include <ctime>

namespace quaeryn {

long SystemZone::OffsetAt(Instant instant) const {
    const std::time_t t = static_cast<std::time_t>(instant);
    std::tm tm{};
    // localtime_r reads TZ (tzset) and the zone's rules at this instant.
    if (!localtime_r(&t, &tm)) return 0;
    return tm.tm_gmtoff;
}

const SystemZone& SystemZone::Instance() {
    static const SystemZone zone;
    return zone;
}

LocalDateTime LocalTimeAt(Instant instant, const ZoneSource& zone) {
    return CivilTimeAt(instant, zone.OffsetAt(instant));
}

PresentMoment PresentMomentAt(Instant instant, const ZoneSource& zone) {
    const long offset = zone.OffsetAt(instant);
    PresentMoment p;
    p.local = CivilTimeAt(instant, offset);
    // Seconds east into hours west; a zone of 0 stays 0, not -0.
    p.zoneHours = offset == 0 ? 0.0 : -static_cast<double>(offset) / 3600.0;
    p.zoneName = zone.ZoneName(instant);
    p.zoneLine = zone.UsedLineAt(instant);
    return p;
}

}  // namespace quaeryn
