// Runs a natal report body on a small built chart with the shipped option
// and data files, and hands back its lines.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/ChartState.h"
#include "base/Options.h"
#include "base/RegionalFormats.h"
#include "base/ReportBuffer.h"
#include "base/ReportContext.h"
#include "base/Zodiac.h"
#include "support/ChartBuilder.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn::test {

using Writer = void (*)(const ChartState&, const ReportContext&, ReportBuffer&);

class NatalRun {
public:
    // The shipped option file and data files.
    NatalRun() {
        const std::filesystem::path shipped = QUAERYN_SHIPPED_DATA_DIR;
        ReadOptions(shipped / "OPTIONS.OPT", options);
        data = LoadDataFiles(AppDirectory(shipped));
    }

    // The lines a report body appends to an empty page.
    std::vector<std::string> Lines(Writer write, const ChartState& chart) {
        ReportBuffer out(prompt);
        out.BeginReport();
        write(chart, ReportContext{options, data, regional, prompt}, out);
        const auto& page = out.PageBuffer();
        return {page.begin(), page.begin() + out.PageLineCount()};
    }

    Options options;
    AppData data;
    RegionalFormats regional;  // month/day/year, 24-hour clock
    ScriptedPrompt prompt;
};

// A built chart as a cast leaves it for these reports: the report body
// names, the solstice points of the longitudes, houses and flags.
class NatalChart {
public:
    NatalChart() {
        static const char* names[16] = {"",          "SUN      ", "MERCURY  ", "VENUS    ",
                                        "MARS     ", "JUPITER  ", "SATURN   ", "URANUS   ",
                                        "NEPTUNE  ", "PLUTO    ", "MOON     ", "NN       ",
                                        "",          "PART F.  ", "ASCENDANT", ""};
        for (int n = 1; n <= 15; ++n) b_.chart().ReportBodyName[n] = names[n];
        // Every body a few degrees apart, far from any aspect's exact angle
        // to another unless a test moves it.
        for (int n = 1; n <= 13; ++n) at(n, 1.0 + 2.1 * n);
        b_.cuspsFromAscendant(100.0);
        b_.chart().TrueNode = 30.0;
    }
    NatalChart& at(int n, double longitude, double declination = 0.0) {
        b_.at(n, longitude);
        b_.chart().ChartDeclination[n] = declination;
        b_.chart().Declination[n] = declination;
        return *this;
    }
    NatalChart& declination(int n, double d) {
        b_.chart().ChartDeclination[n] = d;
        return *this;
    }
    NatalChart& house(int n, int h) {
        b_.house(n, h);
        return *this;
    }
    NatalChart& cuspsFromAscendant(double asc) {
        b_.cuspsFromAscendant(asc);
        return *this;
    }
    NatalChart& cusp(int h, double longitude) {
        b_.cusp(h, longitude);
        return *this;
    }
    ChartState& chart() { return b_.chart(); }
    ChartState build() const {
        ChartState c = b_.build();
        for (int n = 1; n <= 15; ++n) c.Antiscion[n] = Antiscion(c.ChartLongitude[n]);
        return c;
    }

private:
    ChartBuilder b_;
};

}  // namespace quaeryn::test
