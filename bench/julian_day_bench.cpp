// Timing of the calendar routines.
#include <benchmark/benchmark.h>

#include "astro/julian_day.h"

static void BM_julianDayAndDeltaT(benchmark::State& state) {
    double day = 1.5;
    for (auto _ : state) {
        const double jd = skyledger::julianDay({2026, 3, day});
        benchmark::DoNotOptimize(skyledger::deltaT(skyledger::julianCenturies(jd)));
        day = day > 27.0 ? 1.5 : day + 0.37;
    }
}
BENCHMARK(BM_julianDayAndDeltaT);
