#include "place/ZoneRule.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quaeryn {

namespace {

constexpr std::int64_t kDay = 86400;

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Weekday of a day count, 0 Sunday (1 January 1970 was a Thursday).
int WeekdayOf(std::int64_t days) {
    const std::int64_t w = (days + 4) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }

    // A zone name: three or more letters, or any text in angle brackets.
    std::optional<std::string> Name() {
        std::string name;
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>') name += text_[pos_++];
            if (!Take('>')) return std::nullopt;
        } else {
            while (std::isalpha(static_cast<unsigned char>(Peek())) != 0) name += text_[pos_++];
        }
        if (name.size() < 3) return std::nullopt;
        return name;
    }

    std::optional<int> Number(int maximum) {
        if (std::isdigit(static_cast<unsigned char>(Peek())) == 0) return std::nullopt;
        int n = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek())) != 0) {
            n = n * 10 + (text_[pos_++] - '0');
            if (n > maximum) return std::nullopt;
        }
        return n;
    }

    // [+-]hh[:mm[:ss]] in seconds; hours up to 167.
    std::optional<int> Duration() {
        int sign = 1;
        if (Take('-')) {
            sign = -1;
        } else {
            Take('+');
        }
        const auto h = Number(167);
        if (!h) return std::nullopt;
        int seconds = *h * 3600;
        if (Take(':')) {
            const auto m = Number(59);
            if (!m) return std::nullopt;
            seconds += *m * 60;
            if (Take(':')) {
                const auto s = Number(59);
                if (!s) return std::nullopt;
                seconds += *s;
            }
        }
        return sign * seconds;
    }

    std::optional<ZoneRuleDay> Day() {
        ZoneRuleDay d;
        if (Take('M')) {
            d.form = ZoneRuleDay::Form::MonthWeekDay;
            const auto m = Number(12);
            if (!m || *m < 1 || !Take('.')) return std::nullopt;
            const auto w = Number(5);
            if (!w || *w < 1 || !Take('.')) return std::nullopt;
            const auto wd = Number(6);
            if (!wd) return std::nullopt;
            d.month = *m;
            d.week = *w;
            d.weekday = *wd;
        } else if (Take('J')) {
            d.form = ZoneRuleDay::Form::DayNoLeap;
            const auto n = Number(365);
            if (!n || *n < 1) return std::nullopt;
            d.day = *n;
        } else {
            d.form = ZoneRuleDay::Form::DayOfYear;
            const auto n = Number(365);
            if (!n) return std::nullopt;
            d.day = *n;
        }
        if (Take('/')) {
            const auto t = Duration();
            if (!t) return std::nullopt;
            d.seconds = *t;
        }
        return d;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Days since 1970 of the day a change falls on in a year.
std::int64_t DayOfChange(const ZoneRuleDay& d, int year) {
    const std::int64_t jan1 = DaysFromCivil(year, 1, 1);
    switch (d.form) {
        case ZoneRuleDay::Form::DayNoLeap:
            // Day 60 is 1 March in every year.
            return jan1 + d.day - 1 + (IsLeap(year) && d.day >= 60 ? 1 : 0);
        case ZoneRuleDay::Form::DayOfYear:
            return jan1 + d.day;
        case ZoneRuleDay::Form::MonthWeekDay:
            break;
    }
    const std::int64_t first = DaysFromCivil(year, d.month, 1);
    std::int64_t day = first + (d.weekday - WeekdayOf(first) + 7) % 7 + 7 * (d.week - 1);
    while (day >= first + DaysInMonth(year, d.month)) day -= 7;  // week 5: the last one
    return day;
}

struct Change {
    std::int64_t utc;
    bool toSummer;
};

// The changes of the years around an instant's year, in order of time.
std::array<Change, 6> ChangesAround(const ZoneRule& rule, int year) {
    std::array<Change, 6> changes{};
    for (int i = 0; i < 3; ++i) {
        changes[static_cast<std::size_t>(2 * i)] = {SummerBeginsUtc(rule, year - 1 + i), true};
        changes[static_cast<std::size_t>(2 * i + 1)] = {SummerEndsUtc(rule, year - 1 + i), false};
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.utc < b.utc; });
    return changes;
}

int YearOf(std::int64_t seconds) { return CivilTimeAt(seconds).year; }

ZoneOffset PartOffset(const ZoneRule& rule, bool summerPart) {
    ZoneOffset o;
    o.secondsWest = summerPart ? rule.summerWest : rule.standardWest;
    o.abbreviation = summerPart ? rule.summerName : rule.standardName;
    // Summer time is the part whose clocks are ahead; in a rule whose
    // "summer" part is the winter one (clocks put back for the winter),
    // the other part is the summer time.
    const int other = summerPart ? rule.standardWest : rule.summerWest;
    o.kind = rule.hasSummer && o.secondsWest < other ? ZoneKind::Summer : ZoneKind::Standard;
    return o;
}

}  // namespace

std::optional<ZoneRule> ParseZoneRule(std::string_view text) {
    Reader r(text);
    ZoneRule rule;
    auto name = r.Name();
    if (!name) return std::nullopt;
    rule.standardName = *name;
    const auto west = r.Duration();
    if (!west) return std::nullopt;
    rule.standardWest = *west;
    if (r.AtEnd()) return rule;

    name = r.Name();
    if (!name) return std::nullopt;
    rule.summerName = *name;
    rule.hasSummer = true;
    rule.summerWest = rule.standardWest - 3600;
    if (r.Peek() != ',') {
        const auto summerWest = r.Duration();
        if (!summerWest) return std::nullopt;
        rule.summerWest = *summerWest;
    }
    if (!r.Take(',')) return std::nullopt;
    const auto begins = r.Day();
    if (!begins || !r.Take(',')) return std::nullopt;
    const auto ends = r.Day();
    if (!ends || !r.AtEnd()) return std::nullopt;
    rule.summerBegins = *begins;
    rule.summerEnds = *ends;
    return rule;
}

std::int64_t SummerBeginsUtc(const ZoneRule& rule, int year) {
    return DayOfChange(rule.summerBegins, year) * kDay + rule.summerBegins.seconds +
           rule.standardWest;
}

std::int64_t SummerEndsUtc(const ZoneRule& rule, int year) {
    return DayOfChange(rule.summerEnds, year) * kDay + rule.summerEnds.seconds + rule.summerWest;
}

bool SummerAt(const ZoneRule& rule, std::int64_t utcSeconds) {
    if (!rule.hasSummer) return false;
    const auto changes = ChangesAround(rule, YearOf(utcSeconds));
    bool summer = !changes.front().toSummer;  // before the first change
    for (const Change& c : changes) {
        if (c.utc > utcSeconds) break;
        summer = c.toSummer;
    }
    return summer;
}

ZoneOffset RuleOffsetAt(const ZoneRule& rule, std::int64_t utcSeconds) {
    return PartOffset(rule, SummerAt(rule, utcSeconds));
}

LocalTimeAnswer RuleAtLocalTime(const ZoneRule& rule, std::int64_t localSeconds) {
    LocalTimeAnswer answer;
    const ZoneOffset standard = PartOffset(rule, false);
    if (!rule.hasSummer) {
        answer.status = LocalTimeStatus::Unique;
        answer.earlier = answer.later = standard;
        return answer;
    }
    const ZoneOffset summer = PartOffset(rule, true);
    const std::int64_t asStandard = localSeconds + rule.standardWest;
    const std::int64_t asSummer = localSeconds + rule.summerWest;
    const bool standardHolds = !SummerAt(rule, asStandard);
    const bool summerHolds = SummerAt(rule, asSummer);
    if (standardHolds != summerHolds) {
        answer.status = LocalTimeStatus::Unique;
        answer.earlier = answer.later = standardHolds ? standard : summer;
        return answer;
    }
    // Skipped or repeated: the change lies between the two readings.
    answer.status = standardHolds ? LocalTimeStatus::Repeated : LocalTimeStatus::Skipped;
    const std::int64_t from = std::min(asStandard, asSummer);
    const std::int64_t to = std::max(asStandard, asSummer);
    for (const Change& c : ChangesAround(rule, YearOf(from))) {
        if (c.utc > from && c.utc <= to) {
            answer.changeUtc = c.utc;
            answer.earlier = c.toSummer ? standard : summer;
            answer.later = c.toSummer ? summer : standard;
            return answer;
        }
    }
    // Not reached for a rule whose two readings differ; keep an answer that
    // still says what the clocks showed.
    answer.earlier = standard;
    answer.later = summer;
    return answer;
}

}  // namespace quaeryn
