// The almutens of the cusps (day or night tables, the names of the chart,
// 19 Libra by night) and the antiscion table with its contacts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Position.h"
#include "base/Vocabulary.h"
#include "base/Zodiac.h"
#include "reports/NatalReports.h"
#include "reports/NatalRun.h"

namespace quaeryn {
namespace {

using namespace body;
using test::NatalChart;
using test::NatalRun;

constexpr double kMinute = 1.0 / 60.0;

// The twelve cusp lines of the almuten table.
std::vector<std::string> CuspLines(NatalRun& run, const ChartState& chart) {
    const auto lines = run.Lines(&AlmutenTable, chart);
    EXPECT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], std::string(16, ' ') + "ALMUTENS");
    return {lines.begin() + 3, lines.end()};
}

TEST(Almutens, DayOrNightTablesByTheSunsHouse) {
    struct Case {
        int house;
        bool day;
    } cases[] = {{9, true}, {7, true}, {12, true}, {3, false}, {6, false}, {1, false}};
    for (const auto& c : cases) {
        NatalRun run;
        NatalChart chart;
        chart.cuspsFromAscendant(15).house(Sun, c.house);  // 15 Aries rising: Sun 8 and Mars 5 by day
        const auto lines = CuspLines(run, chart.build());
        EXPECT_EQ(lines[3], c.day ? "   1ST HOUSE =  15 ARI 00   SUN      MARS               "
                                  : "   1ST HOUSE =  15 ARI 00   MARS     SUN                ")
            << c.house;
    }
}

TEST(Almutens, EachCuspByItsWholeDegree) {
    NatalRun run;
    NatalChart chart;
    chart.house(Sun, 10);
    chart.cuspsFromAscendant(210.99);  // 0 Scorpio: Mars alone
    chart.cusp(10, 67 + 59 * kMinute);  // 7 Gemini by day: Mercury, then Saturn
    chart.cusp(11, 359.99);
    const auto lines = CuspLines(run, chart.build());
    EXPECT_EQ(lines[0], "  10TH HOUSE =  07 GEM 59   MERCURY  SATURN             ");
    EXPECT_EQ(lines[1].substr(0, 28), "  11TH HOUSE =  29 PIS 59   ");
    EXPECT_EQ(lines[3], "   1ST HOUSE =  00 SCO 59   MARS               ");
    const char* ordinals[12] = {"10TH", "11TH", "12TH", " 1ST", " 2ND", " 3RD",
                                " 4TH", " 5TH", " 6TH", " 7TH", " 8TH", " 9TH"};
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_EQ(lines[k].substr(0, 16), "  " + std::string(ordinals[k]) + " HOUSE =  ");
        EXPECT_EQ(lines[k].substr(lines[k].size() - 10), std::string(10, ' '));
    }
}

TEST(Almutens, NineteenLibraByNightEndsWithSaturn) {
    NatalRun run;
    for (const bool day : {false, true}) {
        NatalChart chart;
        chart.house(Sun, day ? 11 : 2);
        chart.cusp(1, 199 + 40 * kMinute);
        chart.cusp(2, 198.5);  // 18 Libra: no Saturn added
        const auto lines = CuspLines(run, chart.build());
        EXPECT_EQ(lines[3], day ? "   1ST HOUSE =  19 LIB 40   SATURN   VENUS              "
                                : "   1ST HOUSE =  19 LIB 40   VENUS    MERCURY  SATURN          ");
        // 18 Libra names Saturn once, from the tables, by day and by night.
        EXPECT_EQ(lines[4].find("SATURN"), lines[4].rfind("SATURN"));
        EXPECT_NE(lines[4].find("SATURN"), std::string::npos);
    }
}

TEST(Almutens, NamesAreTheChartsReportBodyNames) {
    NatalRun run;
    run.data.almutD1.fill(13);
    run.data.almutD2.fill(0);
    run.data.almutD1[45] = 14;
    run.data.almutD2[45] = 11;
    run.data.almutD1[46] = 12;  // an empty name
    run.data.almutD2[46] = 15;
    run.data.almutD1[47] = 16;  // past the names (a table the loader refuses): nothing
    NatalChart chart;
    chart.house(Sun, 10).cuspsFromAscendant(45.5).cusp(2, 46.5).cusp(3, 47.5).cusp(10, 100);
    const auto lines = CuspLines(run, chart.build());
    EXPECT_EQ(lines[0].substr(28), "PART F.            ");
    EXPECT_EQ(lines[3].substr(28), "ASCENDANTNN                 ");
    EXPECT_EQ(lines[4].substr(28), std::string(10, ' '));
    EXPECT_EQ(lines[5].substr(28), std::string(10, ' '));
}

std::vector<std::string> Antiscia(const ChartState& chart) {
    NatalRun run;
    return run.Lines(&AntiscionTable, chart);
}

TEST(Antiscia, MirrorAndOppositeOfEveryBody) {
    struct Case {
        double longitude;
        const char* antiscion;
        const char* contrantiscion;
    } cases[] = {
        {10, "20 VIR 00", "20 PIS 00"},
        {105, "15 GEM 00", "15 SAG 00"},
        {0, "00 LIB 00", "00 ARI 00"},                  // 0 Aries: the end of Virgo
        {180, "00 ARI 00", "00 LIB 00"},                // 0 Libra: 360, never a thirteenth sign
        {29 + 59 * kMinute, "00 VIR 01", "00 PIS 01"},  // 29°59' Aries
        {239 + 59 * kMinute, "00 AQU 01", "00 LEO 01"},  // 29°59' Scorpio
        {359.5, "00 LIB 30", "00 ARI 30"},
    };
    for (const auto& c : cases) {
        NatalChart chart;
        chart.at(Venus, c.longitude);
        const auto lines = Antiscia(chart.build());
        ASSERT_GE(lines.size(), 18u);
        EXPECT_EQ(lines[1], "  Planet name     Degree            Antiscion        Contrantiscion");
        EXPECT_EQ(lines[5], "  VENUS          " + FormatPosition(c.longitude) + "          " + c.antiscion +
                                "          " + c.contrantiscion)
            << c.longitude;
    }
    EXPECT_DOUBLE_EQ(Antiscion(180), 360);
    EXPECT_DOUBLE_EQ(Contrantiscion(180), 180);
    EXPECT_DOUBLE_EQ(Contrantiscion(10), 350);
}

// A chart whose bodies stand on no one's antiscion or contrantiscion:
// all between 10 and 13 Taurus (mirrors in Leo, opposite in Aquarius).
NatalChart QuietChart() {
    NatalChart c;
    for (int n = 1; n <= 15; ++n) c.at(n, 40 + 0.2 * n);
    return c;
}

std::vector<std::string> Contacts(const ChartState& chart) {
    const auto lines = Antiscia(chart);
    // Heading (3 lines), 14 bodies, a blank line, then the contacts.
    return {lines.begin() + 18, lines.end()};
}

TEST(Antiscia, BodiesOnEachOthersMirrorsWithinOneDegree) {
    EXPECT_TRUE(Contacts(QuietChart().build()).empty());
    NatalChart c = QuietChart();
    c.at(Sun, 10).at(Moon, 170);  // 10 Aries and 20 Virgo
    EXPECT_EQ(Contacts(c.build()), (std::vector<std::string>{
                                       "  SUN        conjunct antiscion of MOON      ",
                                       "  MOON       conjunct antiscion of SUN       ",
                                   }));

    c = QuietChart();
    c.at(Mars, 90);  // 0 Cancer is its own antiscion
    EXPECT_EQ(Contacts(c.build()), std::vector<std::string>{"  MARS       conjunct antiscion of MARS      "});

    c = QuietChart();
    c.at(Jupiter, 359.5).at(Saturn, 180 - 0.2);  // Saturn's antiscion 0.2: e = 359.3
    const auto found = Contacts(c.build());
    EXPECT_NE(std::find(found.begin(), found.end(), "  JUPITER    conjunct antiscion of SATURN    "), found.end());

    c = QuietChart();
    c.at(Mercury, 200).at(Pluto, 161);  // Pluto's contrantiscion 19 Libra: one degree off
    EXPECT_EQ(Contacts(c.build()), (std::vector<std::string>{
                                       "  MERCURY    conjunct contrantiscion of PLUTO     ",
                                       "  PLUTO      conjunct contrantiscion of MERCURY   ",
                                   }));
    c.at(Pluto, 161.01);
    EXPECT_TRUE(Contacts(c.build()).empty());

    // The South Node is looked at in the contacts.
    c = QuietChart();
    c.at(SouthNode, 270);
    EXPECT_EQ(Contacts(c.build()), std::vector<std::string>{"  S. NODE    conjunct antiscion of S. NODE   "});
}

}  // namespace
}  // namespace quaeryn
