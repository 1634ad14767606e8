#include "base/RegionalFormats.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "base/Numbers.h"

namespace quaeryn {

namespace {

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields;
    std::string cur;
    for (char c : text) {
        if (c == '/' || c == ' ' || c == '-' || c == '.' || c == ',' || c == '\t') {
            if (!cur.empty()) fields.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) fields.push_back(cur);
    return fields;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// A month name without its closing period, in capitals.
std::string MonthKey(std::string name) {
    while (!name.empty() && name.back() == '.') name.pop_back();
    return Upper(name);
}

}  // namespace

int RegionalFormats::MonthFromName(const std::string& text) const {
    static constexpr std::string_view kEnglish = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    const std::string key = MonthKey(text);
    if (key.empty()) return 0;
    // The whole name first: the user's abbreviations, then the English ones.
    for (int m = 0; m < 12; ++m)
        if (MonthKey(monthNames[static_cast<std::size_t>(m)]) == key) return m + 1;
    for (int m = 0; m < 12; ++m)
        if (kEnglish.substr(static_cast<std::size_t>(3 * m), 3) == key) return m + 1;
    // Then the first three letters, but only where they name one month
    // ("juin" and "juil." share theirs, and are never guessed).
    const std::string prefix = key.substr(0, 3);
    int found = 0;
    for (int m = 0; m < 12; ++m) {
        if (MonthKey(monthNames[static_cast<std::size_t>(m)]).substr(0, 3) != prefix) continue;
        if (found != 0) return 0;
        found = m + 1;
    }
    if (found != 0) return found;
    for (int m = 0; m < 12; ++m)
        if (kEnglish.substr(static_cast<std::size_t>(3 * m), 3) == prefix) return m + 1;
    return 0;
}

std::string RegionalFormats::JoinDate(const std::string& month, const std::string& day,
                                      const std::string& year) const {
    switch (iDate) {
        case 1: return day + "/" + month + "/" + year;
        case 2: return year + "/" + month + "/" + day;
        default: return month + "/" + day + "/" + year;
    }
}

std::optional<CalendarDate> RegionalFormats::ParseDate(const std::string& text) const {
    const auto f = SplitFields(text);
    if (f.size() != 3) return std::nullopt;
    // More than nine digits (leading zeros aside) make no day, month or year
    // (nor an int).
    for (const auto& s : f)
        if (AllDigits(s) && s.size() - std::min(s.find_first_not_of('0'), s.size()) > 9) return std::nullopt;
    // A month name anywhere: the two numbers around it are day and year,
    // the four-digit one (or the larger) being the year.
    for (std::size_t k = 0; k < 3; ++k) {
        if (AllDigits(f[k])) continue;
        const int month = MonthFromName(f[k]);
        if (month == 0) return std::nullopt;
        std::vector<std::string> nums;
        for (std::size_t j = 0; j < 3; ++j)
            if (j != k) nums.push_back(f[j]);
        if (!AllDigits(nums[0]) || !AllDigits(nums[1])) return std::nullopt;
        const bool firstIsYear = nums[0].size() >= 3;
        const std::string& y = firstIsYear ? nums[0] : nums[1];
        const std::string& d = firstIsYear ? nums[1] : nums[0];
        return CalendarDate{static_cast<int>(NumericValue(d)), month, static_cast<int>(NumericValue(y))};
    }
    for (const auto& s : f)
        if (!AllDigits(s)) return std::nullopt;
    const int a = static_cast<int>(NumericValue(f[0]));
    const int b = static_cast<int>(NumericValue(f[1]));
    const int c = static_cast<int>(NumericValue(f[2]));
    switch (iDate) {
        case 1: return CalendarDate{a, b, c};
        case 2: return CalendarDate{c, b, a};
        default: return CalendarDate{b, a, c};
    }
}

std::string RegionalFormats::LongTime(long secondsOfDay) const {
    long s = secondsOfDay % 86400;
    if (s < 0) s += 86400;
    const int h = static_cast<int>(s / 3600);
    const int m = static_cast<int>((s / 60) % 60);
    const int sec = static_cast<int>(s % 60);
    char buf[64];
    if (iTime == 1) {
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, sec);
    } else {
        const int h12 = h % 12 == 0 ? 12 : h % 12;
        std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, m, sec,
                      (h < 12 ? amDesignator : pmDesignator).c_str());
    }
    return buf;
}

std::string RegionalFormats::FormatDate(const CalendarDate& date) const {
    return quaeryn::FormatDate(date.day, date.month, date.year, monthNames.data());
}

}  // namespace quaeryn
