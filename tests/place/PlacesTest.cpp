#include "place/Places.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "place/ZoneDatabase.h"

namespace quaeryn {
namespace {

TEST(SearchKey, SpellsOutAccentsAndFoldsCaseAndSigns) {
    struct Case {
        const char* text;
        const char* key;
    } cases[] = {
        {"Zürich", "zurich"},
        {"São Paulo", "sao paulo"},
        {"SAO PAULO", "sao paulo"},
        {"Île-de-France Region", "ile de france region"},
        {"Straße", "strasse"},
        {"Łódź", "lodz"},
        {"Đà Nẵng", "da nang"},
        {"St. Louis", "st louis"},
        {"  Saint--Denis  ", "saint denis"},
        {"Frankfurt (Oder)", "frankfurt oder"},
        {"Kāthor", "kathor"},
        {"", ""},
        {" ,.- ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SearchKey(c.text), c.key) << c.text;
}

Place P(const char* name, const char* region, const char* country, const char* code, long population) {
    Place p;
    p.name = name;
    p.region = region;
    p.country = country;
    p.countryCode = code;
    p.population = population;
    return p;
}

std::vector<std::string> Labels(const std::vector<Place>& places) {
    std::vector<std::string> labels;
    for (const auto& p : places) labels.push_back(p.name + "/" + p.countryCode);
    return labels;
}

class PlaceFinderTest : public ::testing::Test {
protected:
    PlaceFinder finder_{std::vector<Place>{
        P("Paris", "Texas", "United States of America", "US", 24782),
        P("Paris", "Île-de-France Region", "France", "FR", 2138551),
        P("Parma", "Emilia-Romagna", "Italy", "IT", 146299),
        P("Cormeilles-en-Parisis", "Île-de-France Region", "France", "FR", 21973),
        P("New York", "New York", "United States of America", "US", 8804190),
        P("York", "England", "United Kingdom", "GB", 153717),
        P("Zürich", "Canton of Zurich", "Switzerland", "CH", 341730),
        P("São Paulo", "São Paulo", "Brazil", "BR", 10021295),
        P("St. Louis", "Missouri", "United States of America", "US", 315685),
        P("Springfield", "Illinois", "United States of America", "US", 116565),
        P("Springfield", "Missouri", "United States of America", "US", 166810),
        P("Springfield", "Massachusetts", "United States of America", "US", 153703),
    }};
};

TEST_F(PlaceFinderTest, NamesThatBeginWithTheTextComeFirstMostPopulousFirst) {
    struct Case {
        const char* text;
        std::vector<std::string> found;
    } cases[] = {
        {"Paris", {"Paris/FR", "Paris/US", "Cormeilles-en-Parisis/FR"}},
        {"par", {"Paris/FR", "Parma/IT", "Paris/US", "Cormeilles-en-Parisis/FR"}},
        {"PARIS", {"Paris/FR", "Paris/US", "Cormeilles-en-Parisis/FR"}},
        {"york", {"York/GB", "New York/US"}},
        {"new york", {"New York/US"}},
        {"zurich", {"Zürich/CH"}},
        {"Zür", {"Zürich/CH"}},
        {"sao paulo", {"São Paulo/BR"}},
        {"São", {"São Paulo/BR"}},
        {"paulo", {"São Paulo/BR"}},
        {"st louis", {"St. Louis/US"}},
        {"St.Louis", {"St. Louis/US"}},
        {"springfield", {"Springfield/US", "Springfield/US", "Springfield/US"}},
        {"aris", {}},
        {"", {}},
        {"  ", {}},
        {"xyz", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Labels(finder_.Search(c.text)), c.found) << c.text;
    const auto springs = finder_.Search("springfield");
    ASSERT_EQ(springs.size(), 3u);
    EXPECT_EQ(springs[0].region, "Missouri");
    EXPECT_EQ(springs[1].region, "Massachusetts");
    EXPECT_EQ(springs[2].region, "Illinois");
}

TEST_F(PlaceFinderTest, ARegionOrCountryAfterACommaNarrowsTheList) {
    struct Case {
        const char* text;
        std::vector<std::string> regions;
    } cases[] = {
        {"Paris, Texas", {"Texas"}},
        {"Paris, tex", {"Texas"}},
        {"Paris, US", {"Texas"}},
        {"Paris, United States", {"Texas"}},
        {"Paris, France", {"Île-de-France Region", "Île-de-France Region"}},
        {"Paris, ile de france", {"Île-de-France Region", "Île-de-France Region"}},
        {"Springfield, Illinois", {"Illinois"}},
        {"Springfield, mass", {"Massachusetts"}},
        {"Springfield, Illinois, US", {"Illinois"}},
        {"Springfield, ", {"Missouri", "Massachusetts", "Illinois"}},
        {"Paris, Spain", {}},
        {"Paris, exas", {}},  // a word must begin with it
    };
    for (const auto& c : cases) {
        std::vector<std::string> regions;
        for (const auto& p : finder_.Search(c.text)) regions.push_back(p.region);
        EXPECT_EQ(regions, c.regions) << c.text;
    }
}

TEST_F(PlaceFinderTest, KeepsToTheLimit) {
    EXPECT_EQ(finder_.Search("p", 2).size(), 2u);
    EXPECT_EQ(Labels(finder_.Search("par", 2)), (std::vector<std::string>{"Paris/FR", "Parma/IT"}));
    // A name beginning with the text outranks a later word at any limit.
    EXPECT_EQ(Labels(finder_.Search("york", 1)), (std::vector<std::string>{"York/GB"}));
    EXPECT_TRUE(finder_.Search("par", 0).empty());
    EXPECT_EQ(finder_.size(), 12u);
}

// The city database: facts that a later edition keeps.
TEST(CityDatabase, FindsTheWorldsCities) {
    const PlaceFinder& cities = CityDatabase();
    EXPECT_GT(cities.size(), 20000u);

    const auto paris = cities.Search("Paris");
    ASSERT_GE(paris.size(), 2u);
    EXPECT_EQ(paris[0].name, "Paris");
    EXPECT_EQ(paris[0].country, "France");
    EXPECT_EQ(paris[0].zone, "Europe/Paris");
    EXPECT_NEAR(paris[0].latitudeNorth, 48.85, 0.05);
    EXPECT_NEAR(paris[0].longitudeEast, 2.35, 0.05);
    std::size_t texas = paris.size();
    for (std::size_t i = 0; i < paris.size(); ++i)
        if (paris[i].name == "Paris" && paris[i].region == "Texas") texas = i;
    ASSERT_LT(texas, paris.size()) << "Paris, Texas is not listed";
    EXPECT_GT(texas, 0u);
    EXPECT_EQ(paris[texas].zone, "America/Chicago");
    EXPECT_LT(paris[texas].longitudeEast, -95);

    struct Case {
        const char* text;
        const char* name;
        const char* zone;
    } cases[] = {
        {"sao paulo", "São Paulo", "America/Sao_Paulo"},
        {"zurich", "Zurich", "Europe/Zurich"},
        {"Kathmandu", "Kathmandu", "Asia/Kathmandu"},
        {"adelaide", "Adelaide", "Australia/Adelaide"},
        {"new york", "New York", "America/New_York"},
        {"Paris, Texas", "Paris", "America/Chicago"},
    };
    for (const auto& c : cases) {
        const auto found = cities.Search(c.text, 1);
        ASSERT_EQ(found.size(), 1u) << c.text;
        EXPECT_EQ(found[0].name, c.name) << c.text;
        EXPECT_EQ(found[0].zone, c.zone) << c.text;
    }
}

// A place whose zone the zone database cannot read would fill nothing.
TEST(CityDatabase, EveryCitysZoneIsInTheZoneDatabase) {
    std::set<std::string> zones;
    for (char c = 'a'; c <= 'z'; ++c)
        for (const auto& p : CityDatabase().Search(std::string(1, c), 100000)) zones.insert(p.zone);
    EXPECT_GT(zones.size(), 200u);
    for (const auto& zone : zones) EXPECT_TRUE(SystemZoneDatabase().Knows(zone)) << zone;
}

}  // namespace
}  // namespace quaeryn
