// Speed of the place search (a few letters, as a user types them) and of a
// zone look-up. The city index is built at the first search; that one-time
// cost is measured on its own.
#include <benchmark/benchmark.h>

#include "place/ComputerZone.h"
#include "place/Places.h"
#include "place/ZoneDatabase.h"

namespace {

void BM_CityIndexFirstUse(benchmark::State& state) {
    for (auto _ : state) {
        const quaeryn::PlaceFinder& cities = quaeryn::CityDatabase();
        benchmark::DoNotOptimize(&cities);
    }
}
BENCHMARK(BM_CityIndexFirstUse)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PlaceSearch(benchmark::State& state, const char* text) {
    const quaeryn::PlaceFinder& cities = quaeryn::CityDatabase();
    if (cities.Search(text).empty()) {
        state.SkipWithError("the search found nothing: it would measure nothing");
        return;
    }
    for (auto _ : state) {
        auto found = cities.Search(text);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(BM_PlaceSearch, P, "P")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceSearch, Par, "Par")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceSearch, SaoP, "sao p")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceSearch, York, "york")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceSearch, ParisTexas, "Paris, Texas")->Unit(benchmark::kMicrosecond);

void BM_ZoneAtLocalTime(benchmark::State& state, const char* zone, int year) {
    const quaeryn::ZoneDatabase& zones = quaeryn::SystemZoneDatabase();
    const quaeryn::LocalMoment moment{year, 7, 14, 15, 0};
    if (zones.AtLocalTime(zone, moment).status != quaeryn::LocalTimeStatus::Unique) {
        state.SkipWithError("the look-up failed");
        return;
    }
    for (auto _ : state) {
        auto answer = zones.AtLocalTime(zone, moment);
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK_CAPTURE(BM_ZoneAtLocalTime, Paris1990, "Europe/Paris", 1990);
BENCHMARK_CAPTURE(BM_ZoneAtLocalTime, Paris2050, "Europe/Paris", 2050);

// The computer's zone at an instant: "NOW" and the caption clock, once a
// second, ask it.
void BM_ComputerZoneOffset(benchmark::State& state) {
    const quaeryn::ComputerZone& zone = quaeryn::ComputerZone::Instance();
    quaeryn::Instant instant = 1'800'000'000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.OffsetAt(instant));
        ++instant;
    }
}
BENCHMARK(BM_ComputerZoneOffset)->Unit(benchmark::kMicrosecond);

}  // namespace
