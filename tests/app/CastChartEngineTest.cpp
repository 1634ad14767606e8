#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "app/CastChart.h"
#include "astro/AngleMath.h"
#include "astro/Houses.h"
#include "astro/TimeScales.h"
#include "support/Entries.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

EventEntries NewYork(int day, int month, int year) {
    EventEntries e = test::NewYorkEntries();
    e.month = std::to_string(month);
    e.day = std::to_string(day);
    e.year = std::to_string(year);
    return e;
}

std::optional<ChartState> Cast(const EventEntries& e, const std::string& house = "P", float option191 = 2) {
    Options options;
    options.Set(191, option191);
    test::ScriptedPrompt prompt;  // any message fails the test
    return CastChart(e, house, options, RegionalFormats{}, prompt);
}

double At(const BodyTable& t, int i) { return t[static_cast<std::size_t>(i)]; }

// Two years of daily charts: the properties every finished cast must have.
TEST(CastChart, DailyChartsOverTwoYearsHoldTogether) {
    int moonCrossings = 0, mercuryRetrograde = 0, charts = 0;
    for (int k = 0; k < 730; ++k) {
        const int year = 2001 + k / 365;
        // Day k of the year as day and month (31 February is not needed).
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int day = k % 365 + 1, month = 1;
        while (day > kDays[month - 1]) day -= kDays[month++ - 1];
        const auto c = Cast(NewYork(day, month, year));
        ASSERT_TRUE(c) << day << "/" << month << "/" << year;
        ++charts;

        // The event's time argument is kept.
        EXPECT_DOUBLE_EQ(c->CenturiesT, (c->JulianDayNumber - 2415020.0 + c->UtDayFraction - 0.5) / 36525.0);
        // Daily motions.
        EXPECT_TRUE(At(c->DailyMotion, 1) > 0.95 && At(c->DailyMotion, 1) < 1.025) << At(c->DailyMotion, 1);
        EXPECT_TRUE(At(c->DailyMotion, 10) > 11.7 && At(c->DailyMotion, 10) < 15.5) << At(c->DailyMotion, 10);
        if (At(c->ChartLongitude, 10) > At(c->LongitudeLater, 10)) ++moonCrossings;  // over 0 Aries
        EXPECT_NEAR(At(c->DailyMotion, 11), -0.053, 0.001);
        // The South Node is exactly opposite the North Node.
        EXPECT_DOUBLE_EQ(At(c->ChartLongitude, 12), Normalize360(At(c->ChartLongitude, 11) + 180));
        EXPECT_EQ(c->MeanNode, At(c->ChartLongitude, 11));
        // Retrograde marks: planets moving backwards only; never the Sun,
        // the Moon or the points.
        ASSERT_EQ(c->RetrogradeText.size(), 15u);
        for (int i = 1; i <= 15; ++i) {
            const bool marked = c->RetrogradeText[static_cast<std::size_t>(i - 1)] == 'R';
            if (i >= 2 && i <= 9)
                EXPECT_EQ(marked, At(c->DailyMotion, i) < 0) << "body " << i;
            else
                EXPECT_FALSE(marked) << "body " << i;
        }
        if (c->RetrogradeText[1] == 'R') ++mercuryRetrograde;
        // Houses: every body placed, the angles on their own cusps.
        for (int n = 1; n <= 15; ++n) EXPECT_GE(c->HouseOf(n), 1) << "body " << n;
        EXPECT_EQ(c->HouseOf(14), 1);
        EXPECT_EQ(c->HouseOf(15), 10);
        EXPECT_EQ(c->ChartCusp, c->Cusp);
        // Declinations of the points on the ecliptic, and the antiscia.
        for (int i = 11; i <= 15; ++i)
            EXPECT_DOUBLE_EQ(At(c->ChartDeclination, i), EclipticDeclination(At(c->ChartLongitude, i), c->Obliquity));
        EXPECT_NEAR(c->TrueNodeDeclination, EclipticDeclination(c->TrueNode, c->Obliquity), 1e-12);
        for (int i = 1; i <= 15; ++i)
            EXPECT_EQ(At(c->Antiscion, i), ComputeAntiscion(At(c->ChartLongitude, i)));
        EXPECT_NEAR(std::remainder(At(c->ChartRightAscension, 14) - At(c->ChartRightAscension, 15), 360.0), 90, 45);
    }
    EXPECT_EQ(charts, 730);
    EXPECT_GE(moonCrossings, 24);                  // about once a month
    EXPECT_TRUE(mercuryRetrograde > 90 && mercuryRetrograde < 190) << mercuryRetrograde;
}

// Sun 100, Moon 200: the day formula gives Moon + Ascendant - Sun, the
// night formula Sun + Ascendant - Moon. Under option 2 the Sun's place
// against the Ascendant decides, not the house text (which the cast writes
// from cusps that need not start at the Ascendant).
TEST(PartOfFortune, DayOrNightByOption191AndTheSunAgainstTheAscendant) {
    struct Case {
        float option;
        double ascendant;
        double expected;
    } cases[] = {
        {0, 50, 150}, {0, 200, 300},  // always the day formula
        {1, 50, 310}, {1, 200, 100},  // always the night formula
        {2, 50, 310},                 // the Sun 50 after the Ascendant: below, night
        {2, 200, 300},                // 100 before it: above, day
        {2, 100, 0},                  // on the Ascendant: night
        {2, 280, 20},                 // on the Descendant: day
    };
    for (const auto& c : cases) {
        ChartState s;
        s.Longitude[1] = 100;   // Sun
        s.Longitude[10] = 200;  // Moon
        s.Ascendant = c.ascendant;
        s.HousePositionText = "12TH HOUSE" + std::string(140, ' ');
        ApplyPartOfFortune(s, c.option);
        EXPECT_DOUBLE_EQ(s.Longitude[13], c.expected) << "option " << c.option << ", Ascendant " << c.ascendant;
    }
}

TEST(PartOfFortune, TheCastPlacesItAgain) {
    // A night chart (10.30 P.M. in New York): the Sun below the horizon.
    EventEntries e = NewYork(5, 3, 2001);
    e.pm = true;
    for (float option : {0.0f, 1.0f, 2.0f}) {
        const auto c = Cast(e, "P", option);
        ASSERT_TRUE(c);
        ASSERT_LT(c->HouseOf(1), 7);
        const double sun = At(c->ChartLongitude, 1), moon = At(c->ChartLongitude, 10);
        const double expected = option == 0 ? Normalize360(moon + c->Ascendant - sun)
                                            : Normalize360(sun + c->Ascendant - moon);
        EXPECT_DOUBLE_EQ(At(c->ChartLongitude, 13), expected) << option;
        // The part and the angles are points of the event: no daily motion,
        // whichever formula gave the part.
        for (int i = 13; i <= 15; ++i) EXPECT_EQ(At(c->DailyMotion, i), 0.0) << "body " << i << ", option " << option;
        // Its house is that of its final longitude.
        ChartState placed = *c;
        PlaceBodiesInHouses(placed);
        EXPECT_EQ(placed.HousePositionText, c->HousePositionText);
    }
}

TEST(DailyMotion, FoldsIntoHalfACircle) {
    struct Case {
        double difference, folded;
    } cases[] = {{8.0 - 355.0, 13}, {355.0 - 8.0, -13}, {-347, 13}, {347, -13}, {180, 180}, {-180, -180}, {0.5, 0.5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(FoldDailyMotion(c.difference), c.folded) << c.difference;
}

TEST(ChartIsFinite, FindsANonFiniteValueAnywhere) {
    const auto c = Cast(NewYork(5, 3, 2001));
    ASSERT_TRUE(c);
    EXPECT_TRUE(ChartIsFinite(*c));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    ChartState a = *c;
    a.Antiscion[15] = nan;
    EXPECT_FALSE(ChartIsFinite(a));
    ChartState b = *c;
    b.DailyMotion[4] = inf;
    EXPECT_FALSE(ChartIsFinite(b));
    ChartState d = *c;
    d.TrueNodeDeclination = nan;
    EXPECT_FALSE(ChartIsFinite(d));
    ChartState k = *c;
    k.ChartCusp[13] = -inf;
    EXPECT_FALSE(ChartIsFinite(k));
}

}  // namespace
}  // namespace quaeryn
