// The wheel's painter and pictures: the spokes of a rendered wheel lie in
// its pixels where the cusps put them, an exported SVG reads back with its
// spokes, one glyph a body and both header blocks as text, the glyph font
// is one that has the symbols, and the files of the three formats are
// written without a display.
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"
#include "wheel/WheelFile.h"
#include "wheel/WheelPlacement.h"
#include "wheel/WheelTestSupport.h"
#include "wheel/ui/WheelFileWriter.h"
#include "wheel/ui/WheelPainter.h"

namespace quaeryn {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// A northern chart of very unequal houses: the New York moment at 59 North,
// Placidus.
ChartState NorthernChart() {
    EventEntries e = test::NewYorkEntries("North");
    e.latDeg = "59";
    e.latMin = "20";
    test::ScriptedPrompt prompt;
    auto chart = CastChart(e, "P", test::ShippedOptions(), RegionalFormats{}, prompt);
    return chart ? *chart : ChartState{};
}

// Options that tell the parts apart by colour: red spokes, green rings,
// every text blue, no aspect lines and no sign ring.
Options ColouredOptions() {
    Options o = test::ShippedOptions();
    o.Set(100, 15);
    o.Set(101, 2);
    o.Set(102, 4);
    for (int line = 88; line <= 92; ++line) o.Set(line, 1);
    o.Set(28, 0);
    o.Set(47, 0);
    return o;
}

WheelDrawing FileDrawing(const ChartState& chart, WheelMode mode, ChartType type, const Options& options) {
    return WheelFileDrawing(chart, mode, type, options, test::ShippedWheelTables(), RegionalFormats{});
}

// The angles (degrees) where a circle of the given radius crosses red
// pixels, one for each run of them, at its middle.
std::vector<double> RedCrossings(const QImage& image, double radius) {
    // The picture's scale: 574 units across, the centre in the middle.
    const double unit = image.width() / 574.0;
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    auto red = [&](double degrees) {
        const int x = static_cast<int>(std::floor(cx + radius * unit * std::cos(degrees * kDegree)));
        const int y = static_cast<int>(std::floor(cy - radius * unit * std::sin(degrees * kDegree)));
        const QColor c = image.pixelColor(x, y);
        return c.red() > c.green() + 40 && c.red() > c.blue() + 40;
    };
    constexpr double step = 0.02;
    // Start where there is no spoke, so that no run is cut in two.
    double start = 0;
    while (red(start)) start += step;
    std::vector<double> crossings;
    double runStart = -1;
    for (double a = start; a < start + 360 + step; a += step) {
        if (red(a) && runStart < 0) runStart = a;
        if (!red(a) && runStart >= 0) {
            crossings.push_back(std::fmod((runStart + a - step) / 2, 360.0));
            runStart = -1;
        }
    }
    return crossings;
}

double AngleApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(WheelPainter, TheSpokesLieInThePixelsWhereTheCuspsSay) {
    const ChartState chart = NorthernChart();
    ASSERT_FALSE(chart.ChartName.empty());
    const QString family = ui::WheelGlyphFamily();
    for (const ChartType type : {ChartType::European, ChartType::American}) {
        SCOPED_TRACE(type == ChartType::European ? "European" : "American");
        const QImage image =
            ui::RenderWheelImage(FileDrawing(chart, WheelMode::Single, type, ColouredOptions()), 1200, family);
        ASSERT_EQ(image.size(), QSize(1200, 941));
        std::vector<double> expected;  // the spokes' angles
        for (int h = 1; h <= 12; ++h)
            expected.push_back(type == ChartType::European ? EuropeanSpokeAngle(chart.ChartCusp, h) : 30.0 * (h - 1));
        // Just outside the inner circle, and halfway out.
        for (const double radius : {124.0, 170.0}) {
            const std::vector<double> found = RedCrossings(image, radius);
            ASSERT_EQ(found.size(), 12u) << "radius " << radius;
            // Each spoke crossed once, within a third of a degree of its angle.
            for (const double spoke : expected) {
                double nearest = 360;
                for (const double a : found) nearest = std::min(nearest, AngleApart(a, spoke));
                EXPECT_LT(nearest, 0.3) << "spoke at " << spoke << ", radius " << radius;
            }
        }
        // The Ascendant's spoke is the horizontal one on the left: red along
        // the middle row from the inner circle to the outer one.
        const double unit = 1200 / 574.0;
        int redPixels = 0, pixels = 0;
        for (int x = static_cast<int>(600 - 215 * unit); x <= static_cast<int>(600 - 122 * unit); ++x, ++pixels) {
            const QColor c = image.pixelColor(x, 470);
            redPixels += c.red() > c.green() + 40 && c.red() > c.blue() + 40;
        }
        EXPECT_EQ(redPixels, pixels);
    }
}

struct SvgContent {
    std::vector<std::pair<QPointF, QPointF>> spokes;  // lines in the spokes' colour
    std::map<QString, int> texts;                     // each text with its count
    QString fontFamily;                               // of the texts
};

// Reads an SVG file as a browser would meet it: the lines drawn in a
// colour and every text element.
SvgContent ReadSvg(const QString& path, const QString& spokeColour) {
    SvgContent svg;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<QString> stroke{"none"};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"g") stroke.pop_back();
        if (!xml.isStartElement()) continue;
        const auto attributes = xml.attributes();
        if (xml.name() == u"g") {
            stroke.push_back(attributes.hasAttribute("stroke") ? attributes.value("stroke").toString() : stroke.back());
        } else if (xml.name() == u"polyline" && stroke.back() == spokeColour) {
            const QStringList points = attributes.value("points").toString().split(' ', Qt::SkipEmptyParts);
            if (points.size() != 2) continue;
            auto point = [](const QString& p) {
                const QStringList xy = p.split(',');
                return QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
            };
            svg.spokes.emplace_back(point(points[0]), point(points[1]));
        } else if (xml.name() == u"text") {
            svg.fontFamily = attributes.value("font-family").toString();
            ++svg.texts[xml.readElementText()];
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

TEST(WheelPainter, AnExportedSvgReadsBackWithItsSpokesGlyphsAndHeaderBlocks) {
    const ChartState chart = NorthernChart();
    const test::TempFolder folder;
    const QString family = ui::WheelGlyphFamily();
    const QString red = "#800000";  // palette colour 4, the spokes of option 102

    // The European single wheel: its spokes at the cusps, from the inner
    // circle to the outer one.
    const WheelDrawing single = FileDrawing(chart, WheelMode::Single, ChartType::European, ColouredOptions());
    const QString singlePath = QString::fromStdString((folder / "single.svg").string());
    ASSERT_TRUE(ui::SaveWheelSvg(single, singlePath, 1200, family));
    const SvgContent s = ReadSvg(singlePath, red);
    ASSERT_EQ(s.spokes.size(), 12u);
    const double unit = 1200 / 574.0;
    const QPointF centre(600, 941 / 2.0);
    std::vector<double> angles;
    for (const auto& [inner, outer] : s.spokes) {
        EXPECT_NEAR(std::hypot(inner.x() - centre.x(), inner.y() - centre.y()), 120 * unit, 0.01);
        EXPECT_NEAR(std::hypot(outer.x() - centre.x(), outer.y() - centre.y()), 217 * unit, 0.01);
        angles.push_back(std::fmod(std::atan2(centre.y() - outer.y(), outer.x() - centre.x()) / kDegree + 360, 360.0));
    }
    for (int h = 1; h <= 12; ++h)
        EXPECT_LT(AngleApart(angles[static_cast<std::size_t>(h - 1)], EuropeanSpokeAngle(chart.ChartCusp, h)), 1e-3)
            << h;
    // One glyph a body, the texts in the glyph font.
    for (int b = 1; b <= 15; ++b) EXPECT_EQ(s.texts.count(QString::fromUtf8(BodyGlyph(b).data())), 1u) << b;
    for (int b = 1; b <= 15; ++b) EXPECT_EQ(s.texts.at(QString::fromUtf8(BodyGlyph(b).data())), 1) << b;
    EXPECT_EQ(s.fontFamily, family);
    // The title block, line by line; the single wheel's second block is empty.
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(s.texts.count(QString::fromStdString(single.header[n])), 1u) << n;
    EXPECT_EQ(s.texts.count("Inner = Natal Solstice Points"), 0u);

    // The dual wheel: twelve spokes from the centre, each body on both rings
    // and in the legend, and both blocks.
    const WheelDrawing dual = FileDrawing(chart, WheelMode::Dual, ChartType::American, ColouredOptions());
    const QString dualPath = QString::fromStdString((folder / "dual.svg").string());
    ASSERT_TRUE(ui::SaveWheelSvg(dual, dualPath, 1200, family));
    const SvgContent d = ReadSvg(dualPath, red);
    ASSERT_EQ(d.spokes.size(), 12u);
    for (const auto& [from, to] : d.spokes) EXPECT_NEAR(std::hypot(from.x() - centre.x(), from.y() - centre.y()), 0, 0.01);
    for (int b = 1; b <= 15; ++b) {
        const auto it = d.texts.find(QString::fromUtf8(BodyGlyph(b).data()));
        ASSERT_NE(it, d.texts.end()) << b;
        EXPECT_EQ(it->second, 3) << b;
    }
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(d.texts.count(QString::fromStdString(dual.header[n])), 1u) << n;
    EXPECT_EQ(d.texts.count("Inner = Natal Solstice Points"), 1u);
}

TEST(WheelPainter, ThePngFileHoldsTheRenderedPixels) {
    const WheelDrawing drawing =
        FileDrawing(NorthernChart(), WheelMode::Dual, ChartType::American, ColouredOptions());
    const QImage image = ui::RenderWheelImage(drawing, 700, ui::WheelGlyphFamily());
    const QByteArray png = ui::EncodeWheelPng(image);
    ASSERT_FALSE(png.isEmpty());
    const QImage decoded = QImage::fromData(png, "PNG");
    ASSERT_EQ(decoded.size(), image.size());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image);
    EXPECT_EQ(decoded.dotsPerMeterX(), 3780);  // 96 pixels an inch
    EXPECT_TRUE(ui::EncodeWheelPng(QImage()).isEmpty());
}

TEST(WheelPainter, TheGlyphFontIsOneThatHasEverySymbol) {
    struct Case {
        QStringList installed;
        QString chosen;
    } cases[] = {
        {{"DejaVu Serif", "DejaVu Sans Mono", "DejaVu Sans"}, "DejaVu Sans"},  // the preferred one first
        {{"DejaVu Serif", "DejaVu Sans Mono"}, "DejaVu Sans Mono"},           // else the first that has them
        {{"DejaVu Serif"}, ""},                                               // a font without the zodiac
        {{"No Such Font"}, ""},                                               // what the system does not have
        {{}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::ChooseGlyphFamily(c.installed), c.chosen) << c.installed.join(",").toStdString();
    EXPECT_EQ(ui::WheelGlyphFamily(), "DejaVu Sans");  // shipped with the program's dependencies
}

TEST(WheelPainter, WriteWheelFileWritesEachFormatAndSaysWhenTheFontIsMissing) {
    const test::TempFolder folder;
    const WheelDrawing drawing =
        FileDrawing(NorthernChart(), WheelMode::Single, ChartType::American, test::ShippedOptions());
    ASSERT_TRUE(WheelPainterBuilt());
    struct Case {
        const char* name;
        int pixels;
        const char* magic;
    } cases[] = {{"w.svg", 800, "<?xml"}, {"w.png", 640, "\x89PNG"}, {"w.PDF", 1200, "%PDF-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder / c.name;
        const WheelFileResult r = WriteWheelFile(drawing, path, *WheelFileFormatOf(path), c.pixels);
        ASSERT_TRUE(r.written) << r.error;
        EXPECT_FALSE(r.glyphFontMissing);
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(5).startsWith(c.magic));
    }
    EXPECT_EQ(QImage(QString::fromStdString((folder / "w.png").string())).size(), QSize(640, WheelFileHeight(640)));

    // A width out of range, a folder that is not there: nothing written.
    EXPECT_FALSE(WriteWheelFile(drawing, folder / "x.png", WheelFileFormat::Png, 50).written);
    const WheelFileResult nowhere = WriteWheelFile(drawing, folder / "none" / "x.svg", WheelFileFormat::Svg);
    EXPECT_FALSE(nowhere.written);
    EXPECT_FALSE(nowhere.error.empty());

    // No installed font with the symbols: the file is still written, and
    // the caller is told.
    const auto installed = ui::InstalledFontFamilies();
    ui::InstalledFontFamilies() = [] { return QStringList{"DejaVu Serif"}; };
    const WheelFileResult bare = WriteWheelFile(drawing, folder / "bare.png", WheelFileFormat::Png);
    ui::InstalledFontFamilies() = installed;
    EXPECT_TRUE(bare.written);
    EXPECT_TRUE(bare.glyphFontMissing);
}

}  // namespace
}  // namespace quaeryn
