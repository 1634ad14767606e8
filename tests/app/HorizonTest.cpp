// Day and night, and the Ascendant's early and late degrees, in every house
// system: they follow the true horizon (the Ascendant, body 14), also where
// the 1st cusp is not the Ascendant.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "app/CastChart.h"
#include "astro/AngleMath.h"
#include "base/Zodiac.h"
#include "horary/BasicsJudgement.h"
#include "support/Entries.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

// The Sun's altitude in degrees from its right ascension and declination,
// the RAMC and the latitude (the hour angle is RAMC minus the right
// ascension): sin h = sin φ sin δ + cos φ cos δ cos H.
double SunAltitude(const ChartState& c) {
    const double phi = c.LatitudeRad;
    const double delta = DegToRad(c.ChartDeclination[body::Sun]);
    const double hourAngle = DegToRad(c.Ramc - c.ChartRightAscension[body::Sun]);
    return RadToDeg(std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle)));
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Charts at random moments and places (a fixed seed): for each system, the
// day chart, the Part of Fortune's formula (option 191 = 2) and the early
// and late strictures agree with the Sun's altitude and the Ascendant's
// degree; and the sample holds charts where the 1st cusp would have said
// otherwise, so a judgement read from the cusp would fail here.
TEST(Horizon, DayNightAndEarlyLateFollowTheAscendantInEverySystem) {
    struct System {
        const char* code;
        int maxLatitude;
        bool cuspIsAscendant;
    } systems[] = {{"P", 60, true},  {"R", 60, true},  {"K", 60, true}, {"C", 60, true}, {"O", 60, true},
                   {"EA", 60, true}, {"EM", 60, false}, {"M", 80, false}, {"I", 80, false}};
    Options options;
    options.Set(191, 2);
    for (const auto& system : systems) {
        SCOPED_TRACE(system.code);
        std::mt19937 random(20260607);
        int checked = 0, houseDisagrees = 0, cuspDisagrees = 0;
        for (int k = 0; k < 300; ++k) {
            EventEntries e = test::NewYorkEntries("Horizon");
            e.year = std::to_string(1950 + static_cast<int>(random() % 100));
            e.month = std::to_string(1 + static_cast<int>(random() % 12));
            e.day = std::to_string(1 + static_cast<int>(random() % 28));
            e.hour = std::to_string(1 + static_cast<int>(random() % 12));
            e.minute = std::to_string(random() % 60);
            e.pm = random() % 2 == 1;
            e.tz = "0";
            e.east = random() % 2 == 1;
            e.longDeg = std::to_string(random() % 180);
            e.south = random() % 2 == 1;
            e.latDeg = std::to_string(random() % static_cast<unsigned>(system.maxLatitude));
            test::ScriptedPrompt prompt;
            const auto chart = CastChart(e, system.code, options, RegionalFormats{}, prompt);
            ASSERT_TRUE(chart);

            const double altitude = SunAltitude(*chart);
            const bool day = basics::IsDayChart(*chart);
            // Away from the horizon the altitude decides without doubt (the
            // Sun's latitude and the ecliptic's tilt move it by far less).
            if (std::fabs(altitude) > 0.5) {
                ++checked;
                EXPECT_EQ(day, altitude > 0) << "altitude " << altitude;
                const double sun = chart->ChartLongitude[body::Sun], moon = chart->ChartLongitude[body::Moon];
                const double asc = chart->Ascendant;
                const double fortune = day ? moon + asc - sun : sun + asc - moon;
                EXPECT_NEAR(chart->ChartLongitude[body::Fortune], Normalize360(fortune), 1e-9);
            }
            if (day != (chart->HouseOf(body::Sun) >= 7)) ++houseDisagrees;

            const auto lines = basics::StrictureLines(*chart);
            const double degree = DegreeInSign(chart->ChartLongitude[body::Ascendant]);
            EXPECT_EQ(HasLine(lines, "  ASCENDANT is early."), degree < 3) << degree;
            EXPECT_EQ(HasLine(lines, "  ASCENDANT is late."), degree >= 27) << degree;
            const double cuspDegree = DegreeInSign(basics::CuspOfHouse(*chart, 1));
            if ((cuspDegree < 3) != (degree < 3) || (cuspDegree >= 27) != (degree >= 27)) ++cuspDisagrees;
        }
        EXPECT_GT(checked, 250);
        if (system.cuspIsAscendant) {
            EXPECT_EQ(houseDisagrees, 0);
            EXPECT_EQ(cuspDisagrees, 0);
        } else {
            EXPECT_GT(houseDisagrees, 0);
            EXPECT_GT(cuspDisagrees, 0);
        }
    }
}

}  // namespace
}  // namespace quaeryn
