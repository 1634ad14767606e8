#include "base/Vocabulary.h"

namespace quaeryn {

namespace {

std::string_view Slice(std::string_view table, int n, int width) {
    const auto start = static_cast<std::size_t>((n - 1) * width);
    if (n < 1 || start + static_cast<std::size_t>(width) > table.size()) return {};
    return table.substr(start, static_cast<std::size_t>(width));
}

constexpr std::array<std::string_view, 16> kShortNames = {
    "",        "SUN",     "MERCURY", "VENUS",   "MARS",    "JUPITER", "SATURN", "URANUS",
    "NEPTUNE", "PLUTO",   "MOON",    "N. NODE", "S. NODE", "PART F.", "ASC",    "MC "};

}  // namespace

std::string_view BodyName10(int n) { return Slice(kBodyNames10, n, 10); }

std::string_view BodyShortName(int n) {
    return (n >= 1 && n <= 15) ? kShortNames[static_cast<std::size_t>(n)] : std::string_view{};
}

std::string_view SignAbbreviation(int n) { return Slice(kSignAbbreviations, n, 3); }
std::string_view HouseOrdinal(int k) { return Slice(kHouseOrdinals, k, 4); }
std::string_view AspectName12(int n) { return Slice(kAspectNames12, n, 12); }

std::string_view MonthAbbreviation(int n) { return Slice(kMonthAbbreviations, n, 3); }
std::string_view WeekdayName9(int n) { return Slice(kWeekdayNames9, n, 9); }

}  // namespace quaeryn
