// Speed of each natal and supplementary report on a cast chart, page and
// all, as its menu command writes it. Each should take well under 50
// microseconds.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/CastChart.h"
#include "app/Commands.h"
#include "base/AppData.h"
#include "base/AppDirectory.h"
#include "base/ReportBuffer.h"
#include "support/Entries.h"

namespace {

void RunNatalReport(benchmark::State& state, const char* cliName) {
    const quaeryn::Command* command = quaeryn::AppCommands().Find(cliName);
    if (!command) {
        state.SkipWithError("the report is not registered");
        return;
    }
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
        quaeryn::RunReport(*command, *chart, context, buffer);
        lines = static_cast<std::size_t>(buffer.PageLineCount());
        benchmark::DoNotOptimize(buffer.PageBuffer().data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK_CAPTURE(RunNatalReport, NatalData, "natal");
BENCHMARK_CAPTURE(RunNatalReport, NatalAspects, "aspects");
BENCHMARK_CAPTURE(RunNatalReport, SolsticePoints, "solstice");
BENCHMARK_CAPTURE(RunNatalReport, ArabianParts, "parts");
BENCHMARK_CAPTURE(RunNatalReport, AlmutensAndAntiscions, "almutens");

}  // namespace
