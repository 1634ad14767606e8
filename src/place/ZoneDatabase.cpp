#include "place/ZoneDatabase.h"

#include <date/tz.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <mutex>

#include "astro/TimeScales.h"
#include "base/TextFile.h"
#include "place/ZoneRule.h"

namespace quaeryn {

namespace {

using std::chrono::seconds;

// Where the operating system keeps its zone files; the date library reads
// the same folder.
constexpr const char* kZoneFolder = "/usr/share/zoneinfo";

// The day number of 1 January 1970.
constexpr double kUnixEpochDayNumber = 2440588.0;

// A zone name as the database spells them: letters, digits, "_", "-", "+"
// and "/" between parts, never "." (so never a way out of the folder).
bool IsZoneName(std::string_view zone) {
    if (zone.empty() || zone.size() > 64 || zone.front() == '/' || zone.back() == '/') return false;
    return std::all_of(zone.begin(), zone.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '+' || c == '/';
    });
}

bool IsValid(const LocalMoment& m) {
    if (m.year < -4000 || m.year > 9999 || m.month < 1 || m.month > 12) return false;
    return m.day >= 1 && m.day <= DaysInMonth(m.month, m.year) && m.hour >= 0 && m.hour <= 23 &&
           m.minute >= 0 && m.minute <= 59;
}

// The wall-clock seconds since 1 January 1970 of a moment, counted with the
// day numbers the cast uses (so a Julian-calendar date is the same day).
std::int64_t LocalSecondsOf(const LocalMoment& m) {
    const double dayNumber = JulianDayNumberOf(m.day, m.month, m.year);
    const auto days = static_cast<std::int64_t>(std::llround(dayNumber - kUnixEpochDayNumber));
    return days * 86400 + m.hour * 3600 + m.minute * 60;
}

// The lasting rule at the end of a zone file, when it has one.
std::optional<ZoneRule> ReadLastingRule(const std::string& zone) {
    const std::optional<std::string> file = ReadWholeFile(std::string(kZoneFolder) + "/" + zone);
    if (!file) return std::nullopt;
    const std::string& data = *file;
    // Version 1 files ("TZif" and a zero byte) carry no rule.
    if (data.size() < 6 || data.compare(0, 4, "TZif") != 0 || data[4] == '\0') return std::nullopt;
    if (data.back() != '\n') return std::nullopt;
    const std::size_t start = data.rfind('\n', data.size() - 2);
    if (start == std::string::npos) return std::nullopt;
    return ParseZoneRule(std::string_view(data).substr(start + 1, data.size() - start - 2));
}

bool IsSummerFlag(const date::sys_info& info) { return info.save != std::chrono::minutes{0}; }

bool IsFinalPeriod(const date::sys_info& info) {
    return info.end >= date::sys_days{date::year{10000} / 1 / 1};
}

bool IsFirstPeriod(const date::sys_info& info) {
    return info.begin <= date::sys_days{date::year{-10000} / 1 / 1};
}

// Summer time or standard time. The zone files flag summer time, but a few
// zones flag their winter time instead (clocks put back for the winter, as
// in Ireland). So the kind comes from the nearest period with the other
// flag: the period whose clocks are ahead is the summer time.
ZoneKind KindOf(const date::time_zone& tz, const date::sys_info& info) {
    if (info.abbrev == "LMT") return ZoneKind::LocalMeanTime;
    const bool flagged = IsSummerFlag(info);
    const auto ahead = [&](const date::sys_info& other) {
        return info.offset > other.offset ? ZoneKind::Summer : ZoneKind::Standard;
    };
    constexpr int kSteps = 6;
    date::sys_info cur = info;
    for (int i = 0; i < kSteps && !IsFirstPeriod(cur); ++i) {
        cur = tz.get_info(cur.begin - seconds{1});
        if (cur.abbrev == "LMT") break;
        if (IsSummerFlag(cur) != flagged) return ahead(cur);
    }
    cur = info;
    for (int i = 0; i < kSteps && !IsFinalPeriod(cur); ++i) {
        cur = tz.get_info(cur.end);
        if (IsSummerFlag(cur) != flagged) return ahead(cur);
    }
    return flagged ? ZoneKind::Summer : ZoneKind::Standard;
}

ZoneOffset OffsetOf(const date::time_zone& tz, const date::sys_info& info) {
    return ZoneOffset{static_cast<int>(-info.offset.count()), KindOf(tz, info), info.abbrev};
}

class SystemZones final : public ZoneDatabase {
public:
    bool Available() const override { return Database() != nullptr; }

    bool Knows(std::string_view zone) const override { return Find(zone) != nullptr; }

    LocalTimeAnswer AtLocalTime(std::string_view zone, const LocalMoment& moment) const override {
        LocalTimeAnswer answer;
        const date::time_zone* tz = Find(zone);
        if (tz == nullptr) return answer;  // UnknownZone
        if (!IsValid(moment)) {
            answer.status = LocalTimeStatus::InvalidMoment;
            return answer;
        }
        const std::int64_t local = LocalSecondsOf(moment);
        const date::local_info info = tz->get_info(date::local_seconds{seconds{local}});
        switch (info.result) {
            case date::local_info::unique:
                if (const ZoneRule* rule = LastingRule(*tz, info.first))
                    return RuleAtLocalTime(*rule, local);
                answer.status = LocalTimeStatus::Unique;
                answer.earlier = answer.later = OffsetOf(*tz, info.first);
                return answer;
            case date::local_info::nonexistent:
                answer.status = LocalTimeStatus::Skipped;
                break;
            case date::local_info::ambiguous:
                answer.status = LocalTimeStatus::Repeated;
                break;
        }
        answer.earlier = OffsetOf(*tz, info.first);
        answer.later = OffsetOf(*tz, info.second);
        answer.changeUtc = info.second.begin.time_since_epoch().count();
        return answer;
    }

    std::optional<ZoneOffset> AtInstant(std::string_view zone,
                                        std::int64_t utcSeconds) const override {
        const date::time_zone* tz = Find(zone);
        if (tz == nullptr) return std::nullopt;
        const date::sys_info info = tz->get_info(date::sys_seconds{seconds{utcSeconds}});
        if (const ZoneRule* rule = LastingRule(*tz, info)) return RuleOffsetAt(*rule, utcSeconds);
        return OffsetOf(*tz, info);
    }

private:
    static const date::tzdb* Database() {
        static const date::tzdb* db = []() -> const date::tzdb* {
            try {
                return &date::get_tzdb();
            } catch (const std::exception&) {
                return nullptr;
            }
        }();
        return db;
    }

    static const date::time_zone* Find(std::string_view zone) {
        const date::tzdb* db = Database();
        if (db == nullptr || !IsZoneName(zone)) return nullptr;
        try {
            return date::locate_zone(zone);
        } catch (const std::exception&) {
            return nullptr;
        }
    }

    // The lasting rule when a moment lies after the last change the file
    // lists and the rule has summer time (otherwise the file's last period
    // already says everything). Its standard or summer offset must be the
    // one of that period, else the rule is not trusted.
    const ZoneRule* LastingRule(const date::time_zone& tz, const date::sys_info& info) const {
        if (!IsFinalPeriod(info)) return nullptr;
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = rules_.find(tz.name());
        if (it == rules_.end()) it = rules_.emplace(tz.name(), ReadLastingRule(tz.name())).first;
        const std::optional<ZoneRule>& rule = it->second;
        if (!rule || !rule->hasSummer) return nullptr;
        const int west = static_cast<int>(-info.offset.count());
        if (west != rule->standardWest && west != rule->summerWest) return nullptr;
        return &*rule;
    }

    mutable std::mutex mutex_;
    mutable std::map<std::string, std::optional<ZoneRule>> rules_;
};

}  // namespace

const ZoneDatabase& SystemZoneDatabase() {
    static const SystemZones zones;
    return zones;
}

}  // namespace quaeryn
