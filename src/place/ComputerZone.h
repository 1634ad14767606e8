// The computer's own zone for "now", read through the time-zone database the
// place search uses: the offset at an instant, the zone's name, and the line
// the zone box shows ("Europe/Paris, UTC+2, summer time"). The operating
// system's own offset stays the authority: when the database's reading of
// the computer's zone disagrees with it (a copied /etc/localtime beside a
// stale /etc/timezone), the offset is the system's and the zone goes
// unnamed.
#pragma once

#include <string>

#include "base/ZoneSource.h"
#include "place/LocalZone.h"
#include "place/ZoneDatabase.h"

namespace quaeryn {

class ComputerZone final : public ZoneSource {
public:
    // Both are kept by reference.
    ComputerZone(const LocalZoneSource& computer, const ZoneDatabase& zones)
        : computer_(computer), zones_(zones) {}

    long OffsetAt(Instant instant) const override;
    std::string ZoneName(Instant instant) const override;
    std::string UsedLineAt(Instant instant) const override;

    // The zone, its offset and the local time at an instant.
    ZonedMoment At(Instant instant) const;

    // The computer this program runs on (SystemLocalZone) read through the
    // system's zone files.
    static const ComputerZone& Instance();

private:
    const LocalZoneSource& computer_;
    const ZoneDatabase& zones_;
};

}  // namespace quaeryn
