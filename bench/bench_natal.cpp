// Speed of each natal and supplementary report on a cast chart, page and
// all, as its menu command writes it. Each should take well under 50
// microseconds.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/CastChart.h"
#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/ReportBuffer.h"
#include "reports/NatalCommands.h"
#include "support/Entries.h"

namespace {

using Writer = void (*)(const quaeryn::ChartState&, const quaeryn::ReportContext&, quaeryn::ReportBuffer&);

void RunNatalReport(benchmark::State& state, Writer write) {
    const std::filesystem::path shipped = QUAERYN_SHIPPED_DATA_DIR;
    quaeryn::Options options;
    quaeryn::ReadOptions(shipped / "OPTIONS.OPT", options);
    const quaeryn::AppData data = quaeryn::LoadDataFiles(quaeryn::AppDirectory(shipped));
    const quaeryn::RegionalFormats regional;
    quaeryn::SilentPrompt prompt;
    const auto chart = quaeryn::CastChart(quaeryn::test::NewYorkEntries("Lost ring"), "R", options, regional, prompt);
    if (!chart) {
        state.SkipWithError("the cast did not complete");
        return;
    }
    const quaeryn::ReportContext context{options, data, regional, prompt};
    quaeryn::ReportBuffer buffer(prompt);
    std::size_t lines = 0;
    for (auto _ : state) {
        // The data buffer holds every report since the cast; empty it now
        // and then, as a new cast does, before it would warn of its size.
        if (buffer.DataLineCount() > 700) buffer.ResetBuffers();
        buffer.BeginReport();
        write(*chart, context, buffer);
        buffer.ShowDataWindow();
        lines = static_cast<std::size_t>(buffer.PageLineCount());
        benchmark::DoNotOptimize(buffer.PageBuffer().data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK_CAPTURE(RunNatalReport, NatalData, &quaeryn::WriteNatalDataCommand);
BENCHMARK_CAPTURE(RunNatalReport, NatalAspects, &quaeryn::WriteNatalAspectsCommand);
BENCHMARK_CAPTURE(RunNatalReport, SolsticePoints, &quaeryn::WriteSolsticePointsCommand);
BENCHMARK_CAPTURE(RunNatalReport, ArabianParts, &quaeryn::WriteArabianPartsCommand);
BENCHMARK_CAPTURE(RunNatalReport, AlmutensAndAntiscions, &quaeryn::WriteAlmutensCommand);

}  // namespace
