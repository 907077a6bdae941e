// The atlas search, as the Location dialog runs it on every key typed: a
// common prefix with many matches, a rare word, and a query matching nothing
// (the whole atlas walked).
#include <benchmark/benchmark.h>

#include "settings/city_atlas.h"

namespace skyledger {
namespace {

void searchBench(benchmark::State& state, const char* query) {
    benchmark::DoNotOptimize(searchCities("warm-up"));
    for (auto _ : state)
        benchmark::DoNotOptimize(searchCities(query));
}

BENCHMARK_CAPTURE(searchBench, OneLetter, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBench, AccentFolded, "tromso")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBench, NothingMatches, "xqzzy")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchBench, NarrowedByCountry, "san, united states")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace skyledger
