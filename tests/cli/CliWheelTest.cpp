// quaeryn-cli --wheel: the chart wheel written as SVG, PNG or PDF by the
// file's ending, with no display, in the type the settings or --type say;
// the flags that go with it; the wheel's data files checked at start. A
// build without Qt has no painter: --wheel then says so and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "base/TextFile.h"
#include "cli/Cli.h"
#include "support/FixedClock.h"
#include "support/TempFolder.h"
#include "wheel/WheelFile.h"
#ifdef QUAERYN_WHEEL_PAINTER
#include "wheel/ui/WheelPainter.h"
#endif

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

struct WheelRun {
    int status = 0;
    std::string out, err;
};

class CliWheel : public ::testing::Test {
protected:
    WheelRun run(std::vector<std::string> args) {
        const std::vector<std::string> chart = {"--name",  "Lost ring", "--date", "2001-03-05", "--time",
                                                "10:30",   "--tz",      "5",      "--long",     "73W58",
                                                "--lat",   "40N45",     "--house", "R"};
        args.insert(args.begin(), chart.begin(), chart.end());
        args.insert(args.begin(), {"--app-dir", (dir_ / "app").string()});
        std::ostringstream out, err;
        StreamPrompt prompt(err);
        CliEnvironment env;
        env.clock = &clock_;
        env.regional = &regional_;
        WheelRun r;
        r.status = runCli(args, out, err, prompt, env);
        r.out = out.str();
        r.err = err.str();
        return r;
    }
    std::string File(const std::string& name) const { return (dir_ / name).string(); }
    std::string Bytes(const std::string& name) const { return ReadWholeFile(dir_ / name).value_or(""); }

    test::TempFolder dir_;
    test::FixedClock clock_{LocalDateTime{2026, 12, 7, 18, 40, 0}};
    RegionalFormats regional_;
};

// The width and height a PNG file's header gives.
std::pair<int, int> PngSize(const std::string& png) {
    auto word = [&](std::size_t at) {
        int v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = v * 256 + static_cast<unsigned char>(png[at + i]);
        return v;
    };
    return png.size() >= 24 && png.compare(1, 3, "PNG") == 0 ? std::pair{word(16), word(20)} : std::pair{0, 0};
}

TEST_F(CliWheel, WritesTheFormatOfTheEndingAndNoReportUnlessAsked) {
    if (!WheelPainterBuilt()) {
        const WheelRun r = run({"--wheel", File("w.svg")});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("no wheel painter"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(dir_ / "w.svg"));
        return;
    }
    const WheelRun svg = run({"--wheel", File("w.svg")});
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_EQ(svg.out, "");
    EXPECT_EQ(svg.err, "");
    const std::string text = Bytes("w.svg");
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find(">Lost ring</text>"), std::string::npos);
    EXPECT_NE(text.find(">Regiomontanus</text>"), std::string::npos);

    const WheelRun png = run({"--wheel", File("w.PNG"), "--size", "600", "--report", "basics"});
    ASSERT_EQ(png.status, 0) << png.err;
    EXPECT_NE(png.out.find("  Lost ring\n"), std::string::npos);  // the report asked for
    EXPECT_EQ(PngSize(Bytes("w.PNG")), (std::pair{600, WheelFileHeight(600)}));
    EXPECT_EQ(PngSize(Bytes("w.PNG")), (std::pair{600, 470}));

    const WheelRun pdf = run({"--wheel", File("w.pdf"), "--dual"});
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_EQ(Bytes("w.pdf").substr(0, 5), "%PDF-");

    // A folder that is not there.
    const WheelRun nowhere = run({"--wheel", File("none/w.svg")});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.err.find("cannot write the wheel to"), std::string::npos) << nowhere.err;
}

#ifdef QUAERYN_WHEEL_PAINTER
// Only a build with a painter writes a wheel whose type can be compared.
TEST_F(CliWheel, TheTypeComesFromTheSettingsUnlessGiven) {
    ASSERT_EQ(run({"--wheel", File("american.svg"), "--type", "american"}).status, 0);
    ASSERT_EQ(run({"--wheel", File("european.svg"), "--type", "european"}).status, 0);
    ASSERT_EQ(run({"--wheel", File("shipped.svg")}).status, 0);
    EXPECT_NE(Bytes("american.svg"), Bytes("european.svg"));
    EXPECT_EQ(Bytes("shipped.svg"), Bytes("american.svg"));  // TypeChart 0 by default
    Settings settings = DefaultSettings(dir_ / "app");
    settings.TypeChart = 1;
    ASSERT_TRUE(WriteSettings(dir_ / "app" / "Quaeryn.ini", settings));
    ASSERT_EQ(run({"--wheel", File("kept.svg")}).status, 0);
    EXPECT_EQ(Bytes("kept.svg"), Bytes("european.svg"));
}
#endif

TEST_F(CliWheel, TheFlagsOfTheWheelGoWithIt) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"--wheel", File("w.gif")}, ".svg, .png or .pdf"},
        {{"--wheel", File("w")}, ".svg, .png or .pdf"},
        {{"--dual"}, "go with --wheel"},
        {{"--type", "european"}, "go with --wheel"},
        {{"--size", "800"}, "go with --wheel"},
        {{"--wheel", File("w.svg"), "--dual", "--type", "european"}, "no type"},
        {{"--wheel", File("w.png"), "--size", "50"}, "--size needs a width from 100 to 10000"},
        {{"--wheel", File("w.png"), "--size", "20000"}, "--size needs a width"},
        {{"--wheel", File("w.png"), "--type", "sideways"}, "--type"},
    };
    for (const auto& c : cases) {
        const WheelRun r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.says;
    }
    for (const char* name : {"w.gif", "w", "w.svg", "w.png"}) EXPECT_FALSE(fs::exists(dir_ / name)) << name;
}

TEST_F(CliWheel, ACorruptWheelTableIsSaidAtStartAndTheWheelStillDrawn) {
    fs::create_directories(dir_ / "app");
    dir_.Write("app/HCDATA.DAT", "1,2,3\r\n");
    const WheelRun r = run({"--wheel", File("w.svg"), "--report", "ascii"});
    EXPECT_EQ(r.err.substr(0, 40), "Error!: The file HCDATA.DAT is corrupt.\n");
    EXPECT_NE(r.out.find("     Lost ring\n"), std::string::npos);
    if (WheelPainterBuilt()) {
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(Bytes("w.svg").find(">Lost ring</text>"), std::string::npos);
    }
}

#ifdef QUAERYN_WHEEL_PAINTER
TEST_F(CliWheel, WithoutAFontOfTheSymbolsItWarnsAndStillWrites) {
    const auto installed = ui::InstalledFontFamilies();
    ui::InstalledFontFamilies() = [] { return QStringList{"DejaVu Serif"}; };
    const WheelRun r = run({"--wheel", File("w.png")});
    ui::InstalledFontFamilies() = installed;
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Warning!: You do not have a proper font installed.\n");
    EXPECT_EQ(PngSize(Bytes("w.png")).first, kWheelFilePixels);
}
#endif

}  // namespace
}  // namespace quaeryn
