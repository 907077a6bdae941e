// Timing of the Moon's position and of the phase instants.
#include <benchmark/benchmark.h>

#include "astro/moon_phase.h"
#include "astro/moon_position.h"

static void BM_moonPosition(benchmark::State& state) {
    double t = -0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(skyledger::moonPosition(t));
        t = t > 0.3 ? -0.1 : t + 1.37e-5; // about half a day
    }
}
BENCHMARK(BM_moonPosition);

static void BM_moonPhaseInstant(benchmark::State& state) {
    double jd = 2451549.5;
    int32_t phase = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            skyledger::moonPhaseInstant(jd, static_cast<skyledger::MoonPhase>(phase)));
        phase = (phase + 1) & 3;
        jd = jd > 2470000.0 ? 2451549.5 : jd + 7.3;
    }
}
BENCHMARK(BM_moonPhaseInstant);
