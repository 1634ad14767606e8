#include "entry/PlaceEntries.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/Entries.h"

namespace quaeryn {
namespace {

EventEntries At(const char* year, const char* month, const char* day, const char* hour, const char* minute,
                bool pm) {
    EventEntries e = test::NewYorkEntries();
    e.year = year;
    e.month = month;
    e.day = day;
    e.hour = hour;
    e.minute = minute;
    e.pm = pm;
    return e;
}

TEST(EntryMoment, TheTwelveHourClockAsTheCastCountsIt) {
    struct Case {
        EventEntries e;
        int hour;  // on the 24-hour clock
    } cases[] = {
        {At("2020", "7", "1", "12", "0", true), 12},
        {At("2020", "7", "1", "12", "5", false), 0},
        {At("2020", "7", "1", "3", "0", true), 15},
        {At("2020", "7", "1", "11", "59", true), 23},
        {At("2021", "3", "14", "2", "30", false), 2},
        // The cast reads 0 as twelve o'clock.
        {At("2020", "7", "1", "0", "0", true), 12},
    };
    for (const auto& c : cases) {
        const auto moment = EntryMoment(c.e);
        ASSERT_TRUE(moment.has_value()) << c.e.hour << (c.e.pm ? " P.M." : " A.M.");
        EXPECT_EQ(moment->hour, c.hour) << c.e.hour << (c.e.pm ? " P.M." : " A.M.");
        EXPECT_EQ(moment->year, std::stoi(c.e.year));
    }
}

// What the cast would refuse gives no moment, so no zone is looked up for
// a date that is still being typed.
TEST(EntryMoment, NothingForADateOrTimeTheCastWouldRefuse) {
    struct Case {
        const char* why;
        EventEntries e;
    } cases[] = {
        {"an empty year", At("", "7", "1", "12", "0", true)},
        {"a year being typed", At("20x", "7", "1", "12", "0", true)},
        {"month 13", At("2020", "13", "1", "12", "0", true)},
        {"31 April", At("2020", "4", "31", "12", "0", true)},
        {"29 February of a common year", At("2021", "2", "29", "12", "0", true)},
        {"29 February 1900 (Gregorian)", At("1900", "2", "29", "12", "0", true)},
        {"hour 13", At("2020", "7", "1", "13", "0", false)},
        {"minute 60", At("2020", "7", "1", "1", "60", false)},
        {"a negative minute", At("2020", "7", "1", "1", "-5", false)},
        {"day 0", At("2020", "7", "0", "1", "5", false)},
    };
    for (const auto& c : cases) EXPECT_FALSE(EntryMoment(c.e).has_value()) << c.why;
    // The Julian calendar's leap day.
    EXPECT_TRUE(EntryMoment(At("1500", "2", "29", "12", "0", true)).has_value());
}

Place MadeUpPlace(double latitudeNorth, double longitudeEast) {
    Place p;
    p.name = "Somewhere";
    p.latitudeNorth = latitudeNorth;
    p.longitudeEast = longitudeEast;
    return p;
}

TEST(FillPlace, TheCoordinatesIntoTheBoxesAndTheirSides) {
    struct Case {
        const char* why;
        double latitudeNorth, longitudeEast;
        const char *longDeg, *longMin;
        bool east;
        const char *latDeg, *latMin;
        bool south;
    } cases[] = {
        {"2 20 E", 48.8566, 2 + 20 / 60.0, "2", "20", true, "48", "51", false},
        {"New York", 40.7143, -74.0060, "74", "0", false, "40", "43", false},
        {"Sydney", -33.8679, 151.2073, "151", "12", true, "33", "52", true},
        {"59.5 minutes carry", 10.0, -(3 + 59.5 / 60), "4", "0", false, "10", "0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EventEntries e = test::NewYorkEntries();
        ASSERT_TRUE(FillPlace(e, MadeUpPlace(c.latitudeNorth, c.longitudeEast)));
        EXPECT_EQ(e.longDeg, c.longDeg);
        EXPECT_EQ(e.longMin, c.longMin);
        EXPECT_EQ(e.east, c.east);
        EXPECT_EQ(e.latDeg, c.latDeg);
        EXPECT_EQ(e.latMin, c.latMin);
        EXPECT_EQ(e.south, c.south);
    }
}

// E/W is selected as the window selects it: a changed side turns the zone,
// an unchanged one leaves it; a zone written after that stays as written.
TEST(FillPlace, TheSideIsSelectedByTheZoneSignRule) {
    EventEntries e = test::NewYorkEntries();  // zone 5, West
    ASSERT_TRUE(FillPlace(e, MadeUpPlace(48.85, 2.35)));
    EXPECT_TRUE(e.east);
    EXPECT_EQ(e.tz, "-5");
    e.tz = "-2";
    ASSERT_TRUE(FillPlace(e, MadeUpPlace(45.76, 4.83)));  // still East
    EXPECT_EQ(e.tz, "-2");

    const EventEntries before = e;
    EXPECT_FALSE(FillPlace(e, MadeUpPlace(95, 2)));
    EXPECT_FALSE(FillPlace(e, MadeUpPlace(10, std::nan(""))));
    EXPECT_EQ(e, before);
}

TEST(PlaceTexts, NameRegionCountryAndTheCommandLinesForms) {
    Place paris;
    paris.name = "Paris";
    paris.region = "Île-de-France";
    paris.country = "France";
    paris.zone = "Europe/Paris";
    paris.latitudeNorth = 48.85341;
    paris.longitudeEast = 2.3488;
    paris.population = 2138551;
    EXPECT_EQ(PlaceText(paris), "Paris, Île-de-France, France");
    EXPECT_EQ(PlaceListLine(paris), "Paris, Île-de-France, France; population 2138551; 48N51 2E21; Europe/Paris");

    Place singapore;  // a city that is its own region
    singapore.name = "Singapore";
    singapore.region = "Singapore";
    singapore.country = "Singapore";
    EXPECT_EQ(PlaceText(singapore), "Singapore, Singapore");
    EXPECT_EQ(AngleForm({73, 5, 'W'}), "73W05");
    EXPECT_EQ(AngleForm({0, 0, 'N'}), "0N00");
}

}  // namespace
}  // namespace quaeryn
