#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/AppData.h"
#include "base/Numbers.h"
#include "base/RegionalFormats.h"
#include "base/ReportContext.h"
#include "horary/BasicsJudgement.h"
#include "horary/BasicsTestSupport.h"
#include "horary/HoraryReports.h"
#include "support/Golden.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using namespace body;
using test::ChartBuilder;
using test::QuietChart;

TEST(Strictures, EachAtItsBounds) {
    struct Case {
        const char* what;
        void (*change)(ChartBuilder&);
        std::vector<std::string> lines;
    } cases[] = {
        {"none", [](ChartBuilder&) {}, {}},
        {"Ascendant 3°00' is not early", [](ChartBuilder& b) { b.cuspsFromAscendant(183.0); }, {}},
        {"Ascendant 2°59'", [](ChartBuilder& b) { b.cuspsFromAscendant(182.99); }, {"  ASCENDANT is early."}},
        {"Ascendant 0°00'", [](ChartBuilder& b) { b.cuspsFromAscendant(180.0); }, {"  ASCENDANT is early."}},
        {"Ascendant 27°00'", [](ChartBuilder& b) { b.cuspsFromAscendant(177.0); }, {"  ASCENDANT is late."}},
        {"Ascendant 29°59'", [](ChartBuilder& b) { b.cuspsFromAscendant(179.99); }, {"  ASCENDANT is late."}},
        {"Ascendant 26°59'", [](ChartBuilder& b) { b.cuspsFromAscendant(176.98); }, {}},
        // Early, late and via combusta read the Ascendant itself (body 14),
        // not a 1st cusp that lies elsewhere (Equal - MC, Meridian, Morinus).
        {"an early 1st cusp, the Ascendant at 20 Libra", [](ChartBuilder& b) { b.cusp(1, 121.0).at(Ascendant, 200.0); },
         {"  ASCENDANT is in Via Combusta."}},
        {"a 1st cusp at 15 Leo, the Ascendant at 29 Libra", [](ChartBuilder& b) { b.cusp(1, 135.0).at(Ascendant, 209.0); },
         {"  ASCENDANT is late.", "  ASCENDANT is in Via Combusta."}},
        {"a late 1st cusp, the Ascendant at 1 Scorpio", [](ChartBuilder& b) { b.cusp(1, 178.0).at(Ascendant, 211.0); },
         {"  ASCENDANT is early.", "  ASCENDANT is in Via Combusta."}},
        {"Saturn in the 1st", [](ChartBuilder& b) { b.house(Saturn, 1); }, {"  SATURN is in the 1st house."}},
        {"Saturn in the 7th", [](ChartBuilder& b) { b.house(Saturn, 7); }, {"  SATURN is in the 7th house."}},
        {"Capricorn on the 7th", [](ChartBuilder& b) { b.cuspsFromAscendant(105.0); },
         {"  SATURN is the ruler of the 7th house."}},
        {"0 Capricorn on the 7th", [](ChartBuilder& b) { b.cusp(7, 270.0); },
         {"  SATURN is the ruler of the 7th house."}},
        {"0 Pisces on the 7th", [](ChartBuilder& b) { b.cusp(7, 330.0); }, {}},
        {"Moon 27°00'", [](ChartBuilder& b) { b.at(Moon, 57.0); }, {"  MOON is in later degree."}},
        {"Moon 26°59'", [](ChartBuilder& b) { b.at(Moon, 56.99); }, {}},
        {"Moon 195°", [](ChartBuilder& b) { b.at(Moon, 195.0); }, {"  MOON is in Via Combusta."}},
        {"Moon 225°", [](ChartBuilder& b) { b.at(Moon, 225.0); }, {}},
        {"all in order",
         [](ChartBuilder& b) {
             b.cuspsFromAscendant(211.0).house(Saturn, 7).cusp(7, 300.0).at(Moon, 222.0);
         },
         {"  ASCENDANT is early.", "  SATURN is in the 7th house.", "  SATURN is the ruler of the 7th house.",
          "  MOON is in Via Combusta.", "  ASCENDANT is in Via Combusta."}},
    };
    for (const auto& c : cases) {
        ChartBuilder b = QuietChart();
        b.cuspsFromAscendant(15.0).house(Saturn, 3);
        c.change(b);
        EXPECT_EQ(basics::StrictureLines(b.build()), c.lines) << c.what;
    }
}

struct ReportRun {
    std::vector<std::string> lines;
    std::vector<std::string> prompts;
};

ReportRun RunReport(const ChartState& chart, const Options& options, test::ScriptedPrompt& prompt) {
    AppData data;
    RegionalFormats regional;
    ReportBuffer out(prompt);
    const ReportContext context{options, data, regional, prompt};
    HoraryBasicsReport(chart, context, out);
    ReportRun r;
    for (int16_t i = 0; i < out.PageLineCount(); ++i)
        r.lines.push_back(out.PageBuffer()[static_cast<std::size_t>(i)]);
    r.prompts = prompt.seenIds();
    return r;
}

// A quiet chart for 21 March 2001, 10:30 A.M. in New York, without strictures.
ChartBuilder QuietEvent() {
    ChartBuilder b = QuietChart();
    b.cuspsFromAscendant(15.0).house(Saturn, 3).house(Sun, 10);
    ChartState& c = b.chart();
    c.Day = 21;
    c.Month = 3;
    c.Year = 2001;
    c.ClockTime = 10.30;
    c.AmPmText = "A.M.";
    c.ZoneHours = 5;
    return b;
}

TEST(HoraryBasicsReport, PlanetaryHourLineOrTheLatitudeMessage) {
    struct Case {
        float latitude;
        bool computed;
    } cases[] = {{66.01f, false}, {70.0f, false}, {66.0f, true}, {40.45f, true}, {-50.0f, true}};
    for (const auto& c : cases) {
        ChartBuilder b = QuietEvent();
        b.latitude(c.latitude);
        test::ScriptedPrompt prompt;
        const ReportRun r = RunReport(b.build(), Options{}, prompt);
        ASSERT_GE(r.lines.size(), 2u);
        if (c.computed) {
            // 21 March 2001 was a Wednesday; 10:30 is in a day hour.
            EXPECT_EQ(r.lines[1].substr(0, 17), "  Mercury day    ") << c.latitude;
            EXPECT_EQ(r.lines[1].size(), 2u + 11 + 4 + 12) << c.latitude;
            EXPECT_NE(r.lines[1].find(" hour"), std::string::npos) << c.latitude;
        } else {
            EXPECT_EQ(r.lines[1], "  Latitude is too extreme to calculate planetary hour ruler.") << c.latitude;
        }
        EXPECT_TRUE(r.prompts.empty()) << c.latitude;
    }
}

// 80 degrees south on 21 June: the Sun neither rises nor sets. Both
// searches warn, the line says no ruler can be given, and the report goes on.
TEST(HoraryBasicsReport, NoRulerWhereTheSunDoesNotRiseOrSet) {
    ChartBuilder b = QuietEvent();
    b.latitude(-80.0f);
    ChartState& c = b.chart();
    c.Day = 21;
    c.Month = 6;
    c.Year = 2020;
    test::ScriptedPrompt prompt;
    prompt.expect("no-sunrise").expect("no-sunset");
    const ReportRun r = RunReport(b.build(), Options{}, prompt);
    ASSERT_GE(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[1], "  Planetary hour ruler cannot be calculated at this latitude and date.");
    EXPECT_EQ(r.lines[3], "  STRICTURES and WARNINGS - ");
    EXPECT_EQ(r.lines[r.lines.size() - 2], "  Planets' Strengths:");
}

TEST(HoraryBasicsReport, OrderOfTheBlocksAndTheStrengthsOnTheRows) {
    ChartBuilder b = QuietEvent();
    test::ScriptedPrompt prompt;
    const ReportRun r = RunReport(b.build(), Options{}, prompt);
    ASSERT_GE(r.lines.size(), 20u);
    EXPECT_EQ(r.lines[0], "");
    EXPECT_EQ(r.lines[1], "  Mercury day    Mars hour   ");  // the 5th hour after a 6:02 sunrise
    EXPECT_EQ(r.lines[2], "");
    EXPECT_EQ(r.lines[3], "  STRICTURES and WARNINGS - ");
    EXPECT_EQ(r.lines[4], "");  // no stricture holds
    EXPECT_EQ(r.lines[5].substr(0, 12), "  Planet    ");
    EXPECT_EQ(r.lines[14].substr(0, 12), "  PART F.   ");
    EXPECT_EQ(r.lines[15], "");
    EXPECT_EQ(r.lines[16], "  Peregrine - MARS ");
    EXPECT_EQ(r.lines[r.lines.size() - 2], "  Planets' Strengths:");
    EXPECT_EQ(r.lines[r.lines.size() - 3], "");

    // The summary and the rows show the same strengths, each row its own planet's.
    std::map<std::string, int> summary;
    std::istringstream in(r.lines.back());
    std::string name, value;
    while (in >> name >> value) summary[name.substr(0, name.size() - 1)] = std::stoi(value);
    ASSERT_EQ(summary.size(), 7u);
    const char* rows[] = {"SUN", "MOON", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN"};
    for (int k = 0; k < 7; ++k) {
        const std::string& row = r.lines[static_cast<std::size_t>(7 + k)];
        EXPECT_EQ(row.substr(2, std::string(rows[k]).size()), rows[k]);
        const int shown = summary[rows[k]];
        EXPECT_EQ(row.substr(row.size() - 7), "   " + RightAlign4(shown, FormatNumber(double(shown), "##0")))
            << rows[k];
    }
    // Mars in Sagittarius by day: house 1 +5, FAST +2, direct +4, occidental
    // -2, peregrine -5, free of the Sun +5.
    EXPECT_EQ(summary["MARS"], 9);
}

// A chart checked by hand, row by row and condition by condition.
TEST(HoraryBasicsGolden, HandCheckedChart) {
    ChartBuilder b;
    b.at(Sun, 135.5, 0.96).at(Moon, 222.2, 13.5).at(Mercury, 150.2, 1.5).at(Venus, 140.1, 1.2);
    b.at(Mars, 100.7, 0.6).at(Jupiter, 300.1, -0.1).at(Saturn, 15.3, 0.02).at(Uranus, 320.2);
    b.at(Neptune, 300.6).at(Pluto, 250.4).at(NorthNode, 110.2).at(SouthNode, 290.2).at(Fortune, 149.3);
    b.cuspsFromAscendant(62.0).retrograde(Jupiter).house(Sun, 3).house(Saturn, 11);
    ChartState& c = b.chart();
    c.Day = 7;
    c.Month = 12;
    c.Year = 2026;  // a Monday
    c.ClockTime = 10.30;
    c.AmPmText = "P.M.";
    c.ZoneHours = 5;
    c.PrecessionSince1990 = (2026 - 1990) * 50.23 / 3600;
    test::ReportRun run;
    run.options.Set(32, 8.5f);
    for (int line = 34; line <= 43; ++line) run.options.Set(line, 5.0f);
    run.options.Set(44, 2.0f);
    EXPECT_GOLDEN("horary_basics.txt", run.Text(&HoraryBasicsReport, b.build()));
}

}  // namespace
}  // namespace quaeryn
