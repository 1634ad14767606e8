#include "place/Places.h"

#include <geonames.h>
#include <libintl.h>

#include <algorithm>
#include <numeric>

namespace quaeryn {

namespace {

bool IsAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Letters the transliteration leaves out in the "C" locale, spelled out
// before it runs.
std::string SpellOutExtraLetters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xC4 && i + 1 < utf8.size()) {
            const auto d = static_cast<unsigned char>(utf8[i + 1]);
            if (d == 0x90 || d == 0x91) {  // Đ đ, as in Đà Nẵng
                out += d == 0x90 ? 'D' : 'd';
                ++i;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

std::string Fold(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool blank = true;  // drops blanks at the start
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsAsciiAlnum(c)) {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            blank = false;
        } else if (!blank) {
            out += ' ';
            blank = true;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// Splits "Paris, Texas" into its parts at the commas.
std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? text.size() - start
                                                                         : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

bool BeginsAWord(const std::string& spacedKey, const std::string& key) {
    return spacedKey.find(" " + key) != std::string::npos;
}

}  // namespace

std::string SearchKey(std::string_view utf8) {
    const std::string spelled = SpellOutExtraLetters(utf8);
    // The "C" locale keeps the transliteration the same on every machine
    // (a German locale would spell "ü" as "ue").
    char* ascii = g_str_to_ascii(spelled.c_str(), "C");
    std::string key = Fold(ascii != nullptr ? std::string_view(ascii) : std::string_view(spelled));
    g_free(ascii);
    return key;
}

PlaceFinder::PlaceFinder(std::vector<Place> places) {
    std::vector<std::size_t> order(places.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Largest population first; equal ones in name, region and country
    // order, so that a search always lists them the same way.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Place& x = places[a];
        const Place& y = places[b];
        if (x.population != y.population) return x.population > y.population;
        if (x.name != y.name) return x.name < y.name;
        if (x.region != y.region) return x.region < y.region;
        return x.country < y.country;
    });
    places_.reserve(places.size());
    keys_.reserve(places.size());
    for (const std::size_t i : order) {
        Place& p = places[i];
        keys_.push_back(Keys{" " + SearchKey(p.name), " " + SearchKey(p.region),
                             " " + SearchKey(p.country), SearchKey(p.countryCode)});
        places_.push_back(std::move(p));
    }
}

std::vector<Place> PlaceFinder::Search(std::string_view text, std::size_t limit) const {
    const std::vector<std::string_view> parts = SplitAtCommas(text);
    const std::string name = SearchKey(parts.front());
    if (name.empty() || limit == 0) return {};
    std::vector<std::string> qualifiers;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        std::string q = SearchKey(parts[i]);
        if (!q.empty()) qualifiers.push_back(std::move(q));
    }
    const auto qualified = [&](const Keys& k) {
        return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const std::string& q) {
            return q == k.code || BeginsAWord(k.region, q) || BeginsAWord(k.country, q);
        });
    };

    const std::string atStart = " " + name;
    std::vector<std::size_t> first;   // the name begins with the text
    std::vector<std::size_t> later;   // a later word of the name does
    for (std::size_t i = 0; i < keys_.size() && first.size() < limit; ++i) {
        const Keys& k = keys_[i];
        if (k.name.compare(0, atStart.size(), atStart) == 0) {
            if (qualified(k)) first.push_back(i);
        } else if (later.size() < limit && k.name.find(atStart, 1) != std::string::npos) {
            if (qualified(k)) later.push_back(i);
        }
    }
    std::vector<Place> found;
    found.reserve(std::min(limit, first.size() + later.size()));
    for (const std::size_t i : first) found.push_back(places_[i]);
    for (std::size_t j = 0; j < later.size() && found.size() < limit; ++j)
        found.push_back(places_[later[j]]);
    return found;
}

namespace {

std::string Text(const gchar* s) { return s != nullptr ? std::string(s) : std::string(); }

std::vector<Place> ReadCities() {
    // The database translates names through the message catalogues of the
    // user's language. Pointing its catalogue at a folder without any keeps
    // the names in English, the same in the window, the command line and
    // the tests.
    bindtextdomain("geonames", "/nonexistent");
    const gint n = geonames_get_n_cities();
    std::vector<Place> places;
    places.reserve(n > 0 ? static_cast<std::size_t>(n) : 0);
    for (gint i = 0; i < n; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (city == nullptr) continue;
        Place p;
        p.name = Text(geonames_city_get_name(city));
        p.region = Text(geonames_city_get_state(city));
        p.country = Text(geonames_city_get_country(city));
        p.countryCode = Text(geonames_city_get_country_code(city));
        p.zone = Text(geonames_city_get_timezone(city));
        p.latitudeNorth = geonames_city_get_latitude(city);
        p.longitudeEast = geonames_city_get_longitude(city);
        p.population = static_cast<long>(geonames_city_get_population(city));
        geonames_city_free(city);
        if (!p.name.empty()) places.push_back(std::move(p));
    }
    return places;
}

}  // namespace

const PlaceFinder& CityDatabase() {
    static const PlaceFinder finder(ReadCities());
    return finder;
}

}  // namespace quaeryn
