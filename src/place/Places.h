// Finding a place by its name: the cities of the city database, searched by
// the first letters a user types, most populous first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quaeryn {

struct Place {
    std::string name;         // as the database spells it (UTF-8)
    std::string region;       // state, province or region; may be empty
    std::string country;      // "France", "United States of America"
    std::string countryCode;  // two letters, "FR"
    std::string zone;         // the time-zone name, "Europe/Paris"
    double latitudeNorth = 0;   // degrees, north positive
    double longitudeEast = 0;   // degrees, EAST positive as in atlases (the entries count west)
    long population = 0;
};

// The search key of a text: accents and ligatures spelled out in plain
// letters ("Zürich" -> "zurich", "Straße" -> "strasse"), lower case, every
// run of blanks, hyphens, periods and other signs one blank, none at either
// end. A user's text and the names are compared in this form.
std::string SearchKey(std::string_view utf8);

// An index over a list of places. A text matches a place when its key is
// the beginning of the place's name ("par" finds Paris); places whose name
// only has a later word beginning so ("york" finds New York) follow those.
// Each group is ordered by population, largest first. A text may name the
// region or country after a comma: "Paris, Texas", "Paris, US",
// "Springfield, Illinois" (each further part must begin a word of the
// region or the country, or be the country's two letters).
class PlaceFinder {
public:
    static constexpr std::size_t kDefaultLimit = 50;

    explicit PlaceFinder(std::vector<Place> places);

    std::vector<Place> Search(std::string_view text, std::size_t limit = kDefaultLimit) const;
    std::size_t size() const { return places_.size(); }

private:
    struct Keys {
        std::string name;     // " " + key, so that a word start is " " + text
        std::string region;   // " " + key
        std::string country;  // " " + key
        std::string code;     // key of the two letters
    };
    std::vector<Place> places_;  // largest population first
    std::vector<Keys> keys_;     // in the same order
};

// The cities of the city database (about 24,000 towns of 15,000 people or
// more, with their time zones), indexed at the first call. Names are in the
// language the database gives for the process's locale (English unless a
// translation is installed and chosen).
const PlaceFinder& CityDatabase();

}  // namespace quaeryn
