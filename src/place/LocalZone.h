// The computer's own time zone, for "now": its name (from TZ, the
// /etc/localtime link or /etc/timezone) and its offset at an instant, taken
// from the time-zone database. A source is injected, so tests can pretend to
// run on a UTC machine, in Tokyo, or in a half-hour zone.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "place/ZoneDatabase.h"

namespace quaeryn {

class LocalZoneSource {
public:
    virtual ~LocalZoneSource() = default;
    // The zone's name as the database spells it ("Europe/Paris"); empty
    // when the computer does not say.
    virtual std::string ZoneName() const = 0;
    // The offset the operating system applies at an instant, for a computer
    // whose zone has no name in the database (TZ="JST-9", a copied
    // /etc/localtime).
    virtual ZoneOffset OwnOffsetAt(std::int64_t utcSeconds) const = 0;
};

// The computer this program runs on. The places to look are parameters so
// that the look-up can be tested on a made-up machine.
class SystemLocalZone final : public LocalZoneSource {
public:
    struct Places {
        std::optional<std::string> tz;  // the TZ variable, when set
        std::filesystem::path localtime = "/etc/localtime";
        std::filesystem::path timezone = "/etc/timezone";
    };
    SystemLocalZone();  // reads TZ from the environment
    explicit SystemLocalZone(Places places) : places_(std::move(places)) {}

    std::string ZoneName() const override;
    ZoneOffset OwnOffsetAt(std::int64_t utcSeconds) const override;

private:
    Places places_;
};

// The zone name in a path to a zone file: the part after "zoneinfo/"
// ("../usr/share/zoneinfo/Asia/Tokyo" gives "Asia/Tokyo"), without the
// "posix/" or "right/" folders; empty when the path has none.
std::string ZoneNameInPath(const std::string& path);

// The present moment where the computer is: the zone used, its offset at the
// instant and the local date and time it gives.
struct ZonedMoment {
    std::string zone;  // empty when the computer's zone has no name in the database
    ZoneOffset offset;
    LocalMoment local;
    int second = 0;
};

ZonedMoment LocalMomentAt(std::int64_t utcSeconds, const LocalZoneSource& source,
                          const ZoneDatabase& zones);

}  // namespace quaeryn
