// The fixed name and abbreviation tables every report uses, and the
// constants set at start.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quaeryn {

// A table indexed by a number that counts from 1: a body (1 to 15), a cusp
// in display order (1 to 13), a sign (1 to 12). Entry 0 is unused, so the
// number itself, an int, is the index.
template <typename T, std::size_t Size>
struct OneBased : std::array<T, Size> {
    constexpr T& operator[](int n) { return std::array<T, Size>::operator[](static_cast<std::size_t>(n)); }
    constexpr const T& operator[](int n) const {
        return std::array<T, Size>::operator[](static_cast<std::size_t>(n));
    }
};

// Body index: 1 Sun, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn,
// 7 Uranus, 8 Neptune, 9 Pluto, 10 Moon, 11 North Node, 12 South Node,
// 13 Part of Fortune, 14 Ascendant, 15 Midheaven.
namespace body {
inline constexpr int Sun = 1, Mercury = 2, Venus = 3, Mars = 4, Jupiter = 5, Saturn = 6,
                     Uranus = 7, Neptune = 8, Pluto = 9, Moon = 10, NorthNode = 11,
                     SouthNode = 12, Fortune = 13, Ascendant = 14, Midheaven = 15;
}

// The caption of the main window begins with it; the Data and wheel windows
// add their own names.
inline constexpr const char* kCaptionPrefix = "Quaeryn - Version 5.00 - ";

inline constexpr double kPi = 3.1415926535;  // the system's pi, ten decimals
inline constexpr double kAstronomicalUnitKm = 149597870.0;
inline constexpr int kPlanetaryHourDayNumber = 2411369;

inline constexpr std::string_view kBodyNames10 =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
    "PLUTO     MOON      N. NODE   S. NODE   P. OF F.  ASC       MC        ";
inline constexpr std::string_view kSignAbbreviations = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
inline constexpr std::string_view kSignAbbreviationsAscii = "AriTauGemCanLeoVirLibScoSagCprAquPis";
inline constexpr std::string_view kHouseOrdinals = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";
inline constexpr std::string_view kAspectNames12 =
    "            Conjunct    Sextile     Square      Trine       "
    "Opposite    PARALLEL    S.Sextile   S.Square    Ses.Square  "
    "Quincunx    S.Quintile  Nonagen     Quintile    Trecile     "
    "BiQuintile  ";
inline constexpr std::string_view kMonthAbbreviations = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
inline constexpr std::string_view kWeekdayNames9 =
    "WEDNESDAYTHURSDAY FRIDAY   SATURDAY SUNDAY   MONDAY   TUESDAY  ";

// Body n's name in ten characters ("SUN       ").
std::string_view BodyName10(int n);
// Body n's free-length name: "SUN" … "PART F.", "ASC", "MC " (with its blank).
std::string_view BodyShortName(int n);
// Sign n (1 to 12) as "ARI" … "PIS".
std::string_view SignAbbreviation(int n);
// The ordinal of display cusp k (1 = 10th house): "10TH" … " 9TH".
std::string_view HouseOrdinal(int k);
// Aspect n's name in twelve characters (entry 1 is blank); the angles and
// orbs of the aspects are in astro/BodyContacts.h.
std::string_view AspectName12(int n);
// Month n as "JAN" … "DEC".
std::string_view MonthAbbreviation(int n);
// Weekday n (1 = Wednesday) in nine characters.
std::string_view WeekdayName9(int n);

}  // namespace quaeryn
