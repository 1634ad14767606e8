// Speed of the wheel's placement (the slots and angles of both rings) and
// of the whole drawing description a painter draws, for a real cast.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/CastChart.h"
#include "base/AppData.h"
#include "support/Entries.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelPlacement.h"

namespace {

struct Cast {
    quaeryn::Options options;
    quaeryn::WheelTables tables;
    quaeryn::ChartState chart;
    Cast() {
        quaeryn::ReadOptions(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "OPTIONS.OPT", options);
        tables = quaeryn::CheckWheelTables(quaeryn::LoadDataFiles(quaeryn::AppDirectory(QUAERYN_SHIPPED_DATA_DIR))).tables;
        quaeryn::SilentPrompt prompt;
        chart = *quaeryn::CastChart(quaeryn::test::NewYorkEntries("Lost ring"), "R", options, quaeryn::RegionalFormats{},
                                    prompt);
    }
};

// The placement of the outer ring: house widths, the order of the bodies,
// the slots, and the European wheel's angles.
void BM_PlaceOuterRing(benchmark::State& state) {
    const Cast cast;
    for (auto _ : state) {
        const auto bodies = quaeryn::OuterRingBodies(cast.chart);
        const auto placement = quaeryn::PlaceRing(bodies, cast.chart.ChartCusp, quaeryn::OuterRingTable());
        const auto angles = quaeryn::EuropeanGlyphAngles(bodies, placement, cast.chart.ChartCusp,
                                                         quaeryn::OuterRingTable().step);
        benchmark::DoNotOptimize(placement.body.data());
        benchmark::DoNotOptimize(angles.data());
    }
}
BENCHMARK(BM_PlaceOuterRing);

// The whole description: frame, labels, both rings of the dual wheel (or
// the single wheel with its sign ring and aspect lines), header blocks.
void BM_DrawWheel(benchmark::State& state) {
    Cast cast;
    cast.options.Set(47, 1);
    quaeryn::WheelRequest request;
    request.mode = state.range(0) == 2 ? quaeryn::WheelMode::Dual : quaeryn::WheelMode::Single;
    request.type = state.range(0) == 1 ? quaeryn::ChartType::European : quaeryn::ChartType::American;
    request.header = quaeryn::FillWheelHeader(cast.chart, quaeryn::RegionalFormats{});
    request.subHeader = quaeryn::FillWheelSubHeader(request.mode);
    std::size_t items = 0;
    for (auto _ : state) {
        const auto drawing = quaeryn::DrawWheel(cast.chart, request, cast.options, cast.tables);
        items = drawing.items.size();
        benchmark::DoNotOptimize(drawing.items.data());
    }
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_DrawWheel)->Arg(0)->Arg(1)->Arg(2)->ArgName("american0_european1_dual2");

}  // namespace
