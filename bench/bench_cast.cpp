// Speed of a complete cast (validation to chart copies, no report).
#include <benchmark/benchmark.h>

#include "app/CastChart.h"
#include "support/Entries.h"

namespace {

void BM_CastChart(benchmark::State& state, const char* code) {
    const auto entries = quaeryn::test::NewYorkEntries("Bench");
    quaeryn::Options options;
    quaeryn::RegionalFormats regional;
    quaeryn::SilentPrompt prompt;
    options.Set(191, 2);
    // The cast must run to its end (houses, positions, Part of Fortune,
    // chart copies): a cast that stops early would measure nothing.
    if (!quaeryn::CastChart(entries, code, options, regional, prompt)) {
        state.SkipWithError("the cast did not complete");
        return;
    }
    for (auto _ : state) {
        auto chart = quaeryn::CastChart(entries, code, options, regional, prompt);
        benchmark::DoNotOptimize(chart);
    }
}

BENCHMARK_CAPTURE(BM_CastChart, Placidus, "P");
BENCHMARK_CAPTURE(BM_CastChart, Regiomontanus, "R");
BENCHMARK_CAPTURE(BM_CastChart, Koch, "K");
BENCHMARK_CAPTURE(BM_CastChart, Campanus, "C");
BENCHMARK_CAPTURE(BM_CastChart, Porphyry, "O");
BENCHMARK_CAPTURE(BM_CastChart, EqualAsc, "EA");
BENCHMARK_CAPTURE(BM_CastChart, EqualMC, "EM");
BENCHMARK_CAPTURE(BM_CastChart, Meridian, "M");
BENCHMARK_CAPTURE(BM_CastChart, Morinus, "I");

}  // namespace
