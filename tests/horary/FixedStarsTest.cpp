#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/Position.h"
#include "base/Zodiac.h"
#include "horary/FixedStars.h"

namespace quaeryn {
namespace {

TEST(FixedStars, SeventyFourStarsInLongitudeOrderWithTheirTexts) {
    const auto stars = FixedStars();
    ASSERT_EQ(stars.size(), 74u);
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const FixedStar& s = stars[i];
        SCOPED_TRACE(std::string(s.reportText));
        ASSERT_EQ(s.reportText.size(), 15u);
        EXPECT_EQ(s.reportText.substr(13), "= ");
        EXPECT_FALSE(StarName(s).empty());
        EXPECT_EQ(std::string(s.reportText.substr(0, 13)).find_last_not_of(' ') + 1, StarName(s).size());
        if (i > 0) {
            EXPECT_GT(s.longitude2000, stars[i - 1].longitude2000);
        }
        // The judgement's window begins one degree before the list's
        // longitude, to the decimals each table was given.
        EXPECT_NEAR(s.horaryLow, s.longitude2000 - 1.0, 5e-6);
    }
    EXPECT_EQ(StarName(stars.front()), "Alpheratz");
    EXPECT_EQ(StarName(stars.back()), "Scheat");
}

TEST(FixedStars, TheContactsLookRankByRankAndKeepTheirOwnNames) {
    std::vector<std::string> first;
    for (const FixedStar* s : StarsInHoraryOrder()) first.push_back(std::string(HoraryStarName(*s)));
    ASSERT_EQ(first.size(), 74u);
    const std::vector<std::string> ranked = {
        "Algol",      "Alcyone", "Aldebaran", "Regulus",   "Spica",        "Unuk",    "Antares", "Fomalhaut",
        "Markab",     "Scheat",  "Betelgeuze", "Castor",   "N. Aselli",    "S. Aselli", "Vindemiatrix",
        "Aculeus",    "Acumen",  "Vega",      "Alpheratz", "Baten Kaitos"};
    EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 20), ranked);
    // Two contact names differ from the list's.
    ASSERT_NE(FindFixedStar("N. Bull's Eye"), nullptr);
    EXPECT_EQ(FindFixedStar("N. Bull's Eye"), FindFixedStar("N. Bulls Eye"));
    EXPECT_EQ(HoraryStarName(*FindFixedStar("ComaBerenices")), "Coma Berenices");
    EXPECT_EQ(FindFixedStar("Polaris"), nullptr);
    // Only Algol has an orb of its own; only three stars score.
    int scoring = 0;
    for (const FixedStar& s : FixedStars()) {
        EXPECT_EQ(s.horaryOrbOption != 0, StarName(s) == "Algol") << StarName(s);
        scoring += s.points != 0;
    }
    EXPECT_EQ(scoring, 3);
    EXPECT_EQ(FindFixedStar("Algol")->points, -5);
    EXPECT_EQ(FindFixedStar("Regulus")->points, 6);
    EXPECT_EQ(FindFixedStar("Spica")->points, 5);
}

TEST(FixedStars, TheListMovesWithThePrecessionOfTheChartsYear) {
    const FixedStar& regulus = *FindFixedStar("Regulus");
    const FixedStar& spica = *FindFixedStar("Spica");
    const FixedStar& scheat = *FindFixedStar("Scheat");
    EXPECT_EQ(FormatPosition(StarLongitude(regulus, 0)), "29 LEO 42");
    EXPECT_EQ(FormatPosition(StarLongitude(spica, 0)), "23 LIB 42");
    // A hundred years of 50.23 seconds: about 1°24' earlier in 1900.
    const double p1900 = (1900 - 2000) * 50.23 / 3600.0;
    EXPECT_NEAR(StarLongitude(spica, 0) - StarLongitude(spica, p1900), 100 * 50.23 / 3600.0, 1e-9);
    EXPECT_EQ(FormatPosition(StarLongitude(spica, p1900)), "22 LIB 18");
    // Scheat passes 0 Aries in the 2050s and is then written in Aries.
    EXPECT_EQ(SignOf(StarLongitude(scheat, (2050 - 2000) * 50.23 / 3600.0)), 12);
    EXPECT_EQ(FormatPosition(StarLongitude(scheat, (2060 - 2000) * 50.23 / 3600.0)).substr(3, 3), "ARI");
}

}  // namespace
}  // namespace quaeryn
