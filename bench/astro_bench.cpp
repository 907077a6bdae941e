// Timing of the Sun's series, the nutation and one rise/transit/set solution.
#include <benchmark/benchmark.h>

#include "astro/constants.h"
#include "astro/nutation.h"
#include "astro/planetary_series.h"
#include "astro/rise_transit_set.h"

namespace {

using namespace skyledger;

void BM_bodyHeliocentricEarth(benchmark::State& state) {
    double t = 0.26;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bodyHeliocentric(BODY_EARTH, t));
        t += 1e-6;
    }
}
BENCHMARK(BM_bodyHeliocentricEarth);

// The three days around an instant, as the rise and set solver takes them.
void BM_bodyHeliocentricAroundEarth(benchmark::State& state) {
    double t = 0.26;
    SphericalCoords earth[3];
    for (auto _ : state) {
        bodyHeliocentricAround(BODY_EARTH, t, CENTURIES_PER_DAY, earth);
        benchmark::DoNotOptimize(earth);
        t += 1e-6;
    }
}
BENCHMARK(BM_bodyHeliocentricAroundEarth);

void BM_nutation(benchmark::State& state) {
    double t = 0.26;
    double dpsi = 0.0;
    double deps = 0.0;
    for (auto _ : state) {
        nutation(t, dpsi, deps);
        benchmark::DoNotOptimize(dpsi);
        benchmark::DoNotOptimize(deps);
        t += 1e-6;
    }
}
BENCHMARK(BM_nutation);

void BM_riseTransitSetSun(benchmark::State& state) {
    // The Sun at Greenwich around 2026 January 1.
    const double ra[3] = {4.9152, 4.9342, 4.9532};
    const double dec[3] = {-0.4031, -0.4017, -0.4002};
    double t0 = 0.25998;
    for (auto _ : state) {
        const RiseTransitSet r = riseTransitSet({.t0Ut = t0,
                                                 .deltaTSeconds = 137.0,
                                                 .rightAscension = {ra[0], ra[1], ra[2]},
                                                 .declination = {dec[0], dec[1], dec[2]},
                                                 .h0 = -0.014543828656868749,
                                                 .longitude = 0.0015 * DEG_TO_RAD,
                                                 .latitude = 51.4779 * DEG_TO_RAD});
        benchmark::DoNotOptimize(r);
        t0 += 1e-9;
    }
}
BENCHMARK(BM_riseTransitSetSun);

} // namespace
