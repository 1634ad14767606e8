// Speed of the wheel's pictures: the drawing of a real cast painted on a
// 1200-pixel image and written as PNG (the goal: under 30 milliseconds),
// the painting alone, and the SVG. Built with the wheel's painter only.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QSvgGenerator>
#include <filesystem>

#include "app/CastChart.h"
#include "base/AppData.h"
#include "support/Entries.h"
#include "wheel/WheelFile.h"
#include "wheel/ui/WheelFileWriter.h"
#include "wheel/ui/WheelPainter.h"

namespace {

// One offscreen application for the whole run.
QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "quaeryn_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

struct Wheel {
    quaeryn::Options options;
    quaeryn::WheelTables tables;
    quaeryn::ChartState chart;
    QString family;
    explicit Wheel() {
        App();
        quaeryn::ReadOptions(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "OPTIONS.OPT", options);
        tables = quaeryn::CheckWheelTables(quaeryn::LoadDataFiles(quaeryn::AppDirectory(QUAERYN_SHIPPED_DATA_DIR))).tables;
        quaeryn::SilentPrompt prompt;
        chart = *quaeryn::CastChart(quaeryn::test::NewYorkEntries("Lost ring"), "R", options,
                                    quaeryn::RegionalFormats{}, prompt);
        family = quaeryn::ui::WheelGlyphFamily();
    }
    quaeryn::WheelDrawing Drawing(int kind) const {
        return quaeryn::WheelFileDrawing(chart, kind == 2 ? quaeryn::WheelMode::Dual : quaeryn::WheelMode::Single,
                                         kind == 1 ? quaeryn::ChartType::European : quaeryn::ChartType::American,
                                         options, tables, quaeryn::RegionalFormats{});
    }
};

// From the chart to the PNG file's bytes: the drawing, the painting on a
// 1200-pixel image, the PNG encoding.
void BM_WheelPng1200(benchmark::State& state) {
    const Wheel wheel;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QImage image = quaeryn::ui::RenderWheelImage(wheel.Drawing(static_cast<int>(state.range(0))), 1200,
                                                           wheel.family);
        const QByteArray png = quaeryn::ui::EncodeWheelPng(image);
        bytes = png.size();
        benchmark::DoNotOptimize(png.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WheelPng1200)->Arg(0)->Arg(1)->Arg(2)->ArgName("american0_european1_dual2")->Unit(benchmark::kMillisecond);

// The painting alone, as the window paints.
void BM_WheelPaint1200(benchmark::State& state) {
    const Wheel wheel;
    const quaeryn::WheelDrawing drawing = wheel.Drawing(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QImage image = quaeryn::ui::RenderWheelImage(drawing, 1200, wheel.family);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WheelPaint1200)->Arg(0)->Arg(2)->ArgName("american0_dual2")->Unit(benchmark::kMillisecond);

// The SVG text of a single wheel.
void BM_WheelSvg(benchmark::State& state) {
    const Wheel wheel;
    const quaeryn::WheelDrawing drawing = wheel.Drawing(0);
    for (auto _ : state) {
        QBuffer svg;
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(QSize(1200, 941));
        QPainter painter(&generator);
        quaeryn::ui::PaintWheel(painter, drawing, QRectF(0, 0, 1200, 941), wheel.family);
        painter.end();
        benchmark::DoNotOptimize(svg.size());
    }
}
BENCHMARK(BM_WheelSvg)->Unit(benchmark::kMillisecond);

}  // namespace
