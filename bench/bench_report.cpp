// Speed of a cast followed by the complete default report (header, Horary
// Basics, nodes and parts, critical degrees), as every OK press runs it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/CastChart.h"
#include "horary/HoraryCommands.h"
#include "base/AppData.h"
#include "base/ReportBuffer.h"
#include "support/Entries.h"

namespace {

void BM_CastAndDefaultReport(benchmark::State& state) {
    const auto entries = quaeryn::test::NewYorkEntries("Lost ring");
    quaeryn::Options options;
    quaeryn::ReadOptions(std::filesystem::path(QUAERYN_SHIPPED_DATA_DIR) / "OPTIONS.OPT", options);
    const quaeryn::RegionalFormats regional;
    quaeryn::SilentPrompt prompt;
    const quaeryn::AppData data;
    const quaeryn::ReportContext context{options, data, regional, prompt};
    quaeryn::ReportBuffer buffer(prompt);
    std::size_t lines = 0;
    for (auto _ : state) {
        buffer.ResetBuffers();
        auto chart = quaeryn::CastChart(entries, "R", options, regional, prompt);
        if (!chart) {
            state.SkipWithError("the cast did not complete");
            return;
        }
        buffer.BeginReport();
        quaeryn::WriteDefaultReport(*chart, context, buffer);
        buffer.ShowDataWindow();
        lines = static_cast<std::size_t>(buffer.PageLineCount());
        benchmark::DoNotOptimize(buffer.PageBuffer().data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(BM_CastAndDefaultReport);

}  // namespace
