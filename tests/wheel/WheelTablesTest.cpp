// The wheel's data files: the shipped ones are what the geometry computes,
// they keep glyphs inside the ring and labels outside it, and a short or
// malformed file is refused with its message.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "app/Session.h"
#include "base/TextFile.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "wheel/WheelGeometry.h"
#include "wheel/WheelTables.h"

namespace quaeryn {
namespace {

namespace fs = std::filesystem;

TEST(WheelData, ShippedFilesMatchTheGeometry) {
    const fs::path data = QUAERYN_SHIPPED_DATA_DIR;
    EXPECT_EQ(ReadWholeFile(data / "RADIUS.DAT"), std::optional<std::string>(RadiusDataText()))
        << "run scripts/make-wheel-data";
    EXPECT_EQ(ReadWholeFile(data / "HCDATA.DAT"), std::optional<std::string>(CuspLabelDataText()))
        << "run scripts/make-wheel-data";
    const WheelTablesCheck check = CheckWheelTables(LoadDataFiles(AppDirectory(data)));
    EXPECT_TRUE(check.refused.empty());
    EXPECT_TRUE(check.tables.cuspLabels.has_value());
    EXPECT_TRUE(check.tables.glyphRadius.has_value());
}

TEST(WheelData, GlyphRadiiKeepTheGlyphCellInsideTheRingAtEveryDegree) {
    for (int d = 0; d <= 360; ++d) {
        const double r = ComputedGlyphRadius(d);
        const double x = r * std::cos(d * std::numbers::pi / 180), y = r * std::sin(d * std::numbers::pi / 180);
        double farthest = 0, nearest = 1e9;
        for (double sx : {-0.5, 0.5})
            for (double sy : {-0.5, 0.5}) {
                const double c = std::hypot(x + sx * kGlyphCell, y + sy * kGlyphCell);
                farthest = std::max(farthest, c);
                nearest = std::min(nearest, c);
            }
        EXPECT_LE(farthest, kWheelOuterRadius - 1) << d;
        EXPECT_GE(farthest, kWheelOuterRadius - kGlyphMargin - 1.5) << d << ": no more room than needed";
        EXPECT_GT(nearest, kDualRingRadius) << d;
    }
}

TEST(WheelData, LabelsLieOutsideTheWheelInsideTheDrawingAndApart) {
    const double hw = LabelHalfWidth(), hh = LabelHalfHeight();
    std::vector<LabelPoint> centres;
    for (int k = 1; k <= 12; ++k) {
        const double angle = EqualSpokeAngle(HouseOfCuspEntry(k));
        const CuspLabelLayout parts = ComputedCuspLabel(angle);
        // The parts on one line, left to right.
        for (int j = 1; j < kLabelParts; ++j) {
            EXPECT_EQ(parts[j].y, parts[0].y) << k;
            EXPECT_GT(parts[j].x, parts[j - 1].x) << k;
        }
        const LabelPoint c = CuspLabelCentre(angle);
        // The box: inside the default drawing, clear of the outer circle.
        EXPECT_LE(std::fabs(c.x) + hw, kFrameHalfWidth) << k;
        EXPECT_LE(std::fabs(c.y) + hh, kFrameHalfHeight) << k;
        double nearest = 1e9;
        for (double sx : {-1.0, 0.0, 1.0})
            for (double sy : {-1.0, 1.0}) nearest = std::min(nearest, std::hypot(c.x + sx * hw, c.y + sy * hh));
        EXPECT_GE(nearest, kWheelOuterRadius + kLabelGap - 0.01) << k;
        for (const auto& o : centres)
            EXPECT_TRUE(std::fabs(o.x - c.x) > 2 * hw || std::fabs(o.y - c.y) > 2 * hh) << k;
        centres.push_back(c);
    }
    // The Midheaven's label above the wheel, the Ascendant's on its left.
    EXPECT_EQ(ComputedCuspLabel(90)[2].x, 0);
    EXPECT_GT(ComputedCuspLabel(90)[2].y, kWheelOuterRadius);
    EXPECT_LT(ComputedCuspLabel(180)[4].x, -kWheelOuterRadius);
}

std::string Repeat(const std::string& number, int count, const char* separator = ",") {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? separator : "") + number;
    return text;
}

TEST(CheckWheelTables, RefusesShortAndMalformedFiles) {
    const std::string goodLabels = CuspLabelDataText();
    const std::string goodRadius = RadiusDataText();
    const struct {
        const char* name;
        std::string labels, radius;
        std::vector<std::string> refused;
    } cases[] = {
        {"the shipped files", goodLabels, goodRadius, {}},
        {"LF line ends and blanks", Repeat(" 100 , 50", 60, "\n"), Repeat("200", 361, "\n"), {}},
        {"121 label numbers", goodLabels + "7", goodRadius, {}},
        {"a short label file", Repeat("100", 119), goodRadius, {"HCDATA.DAT"}},
        {"a short radius file", goodLabels, Repeat("200", 360), {"RADIUS.DAT"}},
        {"empty files", "", "", {"HCDATA.DAT", "RADIUS.DAT"}},
        {"a word", "abc," + Repeat("100", 120), goodRadius, {"HCDATA.DAT"}},
        {"a number with text after it", goodLabels, "200x," + Repeat("200", 360), {"RADIUS.DAT"}},
        {"a fraction", goodLabels, "200.5," + Repeat("200", 360), {"RADIUS.DAT"}},
        {"beyond 16 bits", "70000," + Repeat("100", 119), goodRadius, {"HCDATA.DAT"}},
        {"a label at the centre", "0,0," + Repeat("100", 118), goodRadius, {"HCDATA.DAT"}},
        {"a label far outside", "5000,0," + Repeat("100", 118), goodRadius, {"HCDATA.DAT"}},
        {"a radius of 0", goodLabels, "0," + Repeat("200", 360), {"RADIUS.DAT"}},
        {"a radius beyond the ring", goodLabels, Repeat("200", 360) + ",218", {"RADIUS.DAT"}},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        folder.Write("HCDATA.DAT", c.labels);
        folder.Write("radius.dat", c.radius);
        const WheelTablesCheck check = CheckWheelTables(LoadDataFiles(AppDirectory(folder.path())));
        EXPECT_EQ(check.refused, c.refused) << c.name;
        const bool labelsRefused = std::count(c.refused.begin(), c.refused.end(), "HCDATA.DAT") > 0;
        const bool radiusRefused = std::count(c.refused.begin(), c.refused.end(), "RADIUS.DAT") > 0;
        EXPECT_EQ(check.tables.cuspLabels.has_value(), !labelsRefused) << c.name;
        EXPECT_EQ(check.tables.glyphRadius.has_value(), !radiusRefused) << c.name;
    }
}

TEST(CheckWheelTables, MissingFilesAreNotUsedAndNotRefused) {
    test::TempFolder folder;
    const WheelTablesCheck check = CheckWheelTables(LoadDataFiles(AppDirectory(folder.path())));
    EXPECT_TRUE(check.refused.empty());
    EXPECT_FALSE(check.tables.cuspLabels.has_value());
    EXPECT_FALSE(check.tables.glyphRadius.has_value());
}

TEST(CheckWheelTables, StartUpSaysOnceWhichFileIsRefused) {
    test::TempFolder folder;
    folder.Write("RADIUS.DAT", Repeat("200", 100));
    folder.Write("HCDATA.DAT", CuspLabelDataText());
    test::ScriptedPrompt prompt;
    prompt.expect("data-file-corrupt");
    test::FixedClock clock{LocalDateTime{}};
    test::FixedZone zone;
    Session session(AppDirectory(folder.path()), prompt, clock, zone);
    session.StartUp(RegionalFormats{}, ChooseLayout(1024, 15));
    ASSERT_EQ(prompt.seen().size(), 1u);
    EXPECT_EQ(prompt.seen()[0].title, "Error!");
    EXPECT_EQ(prompt.seen()[0].text, "The file RADIUS.DAT is corrupt.");
    EXPECT_EQ(prompt.seen()[0].icon, PromptIcon::Critical);
}

}  // namespace
}  // namespace quaeryn
