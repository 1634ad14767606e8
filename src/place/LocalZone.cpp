#include "place/LocalZone.h"

#include <cstdlib>
#include <ctime>
#include <system_error>

#include "base/Clock.h"
#include "base/TextFile.h"

namespace quaeryn {

namespace {

std::string Trimmed(std::string s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.back())) s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && blank(s[i])) ++i;
    return s.substr(i);
}

// The zone named by a path to a zone file, following a link when the path
// itself does not say.
std::string ZoneNameOfFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(file, ec)) return ZoneNameInPath(file.string());
    const std::filesystem::path target = std::filesystem::read_symlink(file, ec);
    if (ec) return {};
    std::string name = ZoneNameInPath(target.string());
    if (name.empty()) {
        // A relative link, or a chain of links: the file it finally names.
        const std::filesystem::path resolved = std::filesystem::canonical(file, ec);
        if (!ec) name = ZoneNameInPath(resolved.string());
    }
    return name;
}

}  // namespace

std::string ZoneNameInPath(const std::string& path) {
    const std::string marker = "zoneinfo/";
    const std::size_t at = path.rfind(marker);
    if (at == std::string::npos) return {};
    std::string name = path.substr(at + marker.size());
    for (const char* folder : {"posix/", "right/"}) {
        const std::string f = folder;
        if (name.compare(0, f.size(), f) == 0) name = name.substr(f.size());
    }
    return name;
}

SystemLocalZone::SystemLocalZone() {
    if (const char* tz = std::getenv("TZ")) places_.tz = tz;
}

std::string SystemLocalZone::ZoneName() const {
    if (places_.tz) {
        std::string tz = *places_.tz;
        if (!tz.empty() && tz.front() == ':') tz.erase(0, 1);
        // An empty TZ means Greenwich time to the C library as well.
        if (tz.empty()) return "UTC";
        if (tz.front() == '/') return ZoneNameOfFile(tz);
        // A zone name, or a rule such as "JST-9" that the database does
        // not know (the offset then comes from the operating system).
        return tz;
    }
    std::error_code ec;
    if (std::filesystem::is_symlink(places_.localtime, ec)) {
        std::string name = ZoneNameOfFile(places_.localtime);
        if (!name.empty()) return name;
    }
    // Its first line.
    const std::optional<std::string> text = ReadWholeFile(places_.timezone);
    if (!text) return {};
    return Trimmed(text->substr(0, text->find('\n')));
}

ZoneOffset SystemLocalZone::OwnOffsetAt(std::int64_t utcSeconds) const {
    const auto t = static_cast<std::time_t>(utcSeconds);
    std::tm tm{};
    ZoneOffset offset;
    if (localtime_r(&t, &tm) == nullptr) return offset;
    offset.secondsWest = static_cast<int>(-tm.tm_gmtoff);
    offset.abbreviation = tm.tm_zone != nullptr ? tm.tm_zone : "";
    offset.kind = offset.abbreviation == "LMT"
                      ? ZoneKind::LocalMeanTime
                      : (tm.tm_isdst > 0 ? ZoneKind::Summer : ZoneKind::Standard);
    return offset;
}

ZonedMoment LocalMomentAt(std::int64_t utcSeconds, const LocalZoneSource& source,
                          const ZoneDatabase& zones) {
    ZonedMoment now;
    const std::string name = source.ZoneName();
    std::optional<ZoneOffset> offset;
    if (!name.empty()) offset = zones.AtInstant(name, utcSeconds);
    if (offset) {
        now.zone = name;
        now.offset = *offset;
    } else {
        now.offset = source.OwnOffsetAt(utcSeconds);
    }
    const LocalDateTime local = CivilTimeAt(utcSeconds, -now.offset.secondsWest);
    now.local = LocalMoment{local.year, local.month, local.day, local.hour, local.minute};
    now.second = local.second;
    return now;
}

}  // namespace quaeryn
