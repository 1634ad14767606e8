#include "place/ComputerZone.h"

#include "place/ZoneText.h"

namespace quaeryn {

ZonedMoment ComputerZone::At(Instant instant) const {
    ZonedMoment now = LocalMomentAt(instant, computer_, zones_);
    if (now.zone.empty()) return now;
    const ZoneOffset own = computer_.OwnOffsetAt(instant);
    if (own.secondsWest == now.offset.secondsWest) return now;
    // The database read another zone than the one the clock keeps: the
    // clock's offset, without a name.
    ZonedMoment system;
    system.offset = own;
    const LocalDateTime local = CivilTimeAt(instant, -own.secondsWest);
    system.local = LocalMoment{local.year, local.month, local.day, local.hour, local.minute};
    system.second = local.second;
    return system;
}

long ComputerZone::OffsetAt(Instant instant) const { return -At(instant).offset.secondsWest; }

std::string ComputerZone::ZoneName(Instant instant) const { return At(instant).zone; }

std::string ComputerZone::UsedLineAt(Instant instant) const {
    const ZonedMoment now = At(instant);
    return ZoneUsedLine(now.zone, now.offset);
}

const ComputerZone& ComputerZone::Instance() {
    static const SystemLocalZone computer;
    static const ComputerZone zone(computer, SystemZoneDatabase());
    return zone;
}

}  // namespace quaeryn
