// Timing of what the windows show: one day, a year's chart, the track and
// the Moon calendar, at a fixed place and date.
#include <benchmark/benchmark.h>

#include "almanac/app_state.h"

namespace {

skyledger::AppState benchState() {
    skyledger::AppState s;
    s.locations.present = true;
    s.locations.records = {{"New York", 40.71, 74.01, -12.8, 5.0}};
    s.currentDate = {2026, 3, 20};
    s.preferences.timeBasis = skyledger::TimeBasis::Standard;
    return s;
}

void BM_computeDayAlmanac(benchmark::State& state) {
    const skyledger::AppState s = benchState();
    for (auto _ : state) {
        auto numbers =
            skyledger::computeDayNumbers(s.currentDate, s.locations.records[0], s.preferences);
        benchmark::DoNotOptimize(numbers);
    }
}
BENCHMARK(BM_computeDayAlmanac)->Unit(benchmark::kMicrosecond);

void BM_chart366Days(benchmark::State& state) {
    const skyledger::AppState s = benchState();
    for (auto _ : state) {
        auto chart =
            skyledger::computeChart({2026, 1, 1}, 366, s.locations.records[0], s.preferences);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_chart366Days)->Unit(benchmark::kMillisecond);

// The same chart on the place's local time: two changes of clocks, each day's
// offsets from the time-zone database.
void BM_chart366DaysLocalTime(benchmark::State& state) {
    skyledger::AppState s = benchState();
    s.locations.records[0].zone = "America/New_York";
    s.preferences.timeBasis = skyledger::TimeBasis::Local;
    for (auto _ : state) {
        auto chart =
            skyledger::computeChart({2026, 1, 1}, 366, s.locations.records[0], s.preferences);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_chart366DaysLocalTime)->Unit(benchmark::kMillisecond);

// Far north, where the Moon and the Sun often stay up or down all day or
// cross the horizon on days the solver's first estimate rules out.
void BM_chart366DaysTromso(benchmark::State& state) {
    skyledger::AppState s = benchState();
    s.locations.records = {{"Tromso", 69.65, -18.96, 6.0, -1.0}};
    for (auto _ : state) {
        auto chart =
            skyledger::computeChart({2026, 1, 1}, 366, s.locations.records[0], s.preferences);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_chart366DaysTromso)->Unit(benchmark::kMillisecond);

void BM_computeTrack(benchmark::State& state) {
    const skyledger::AppState s = benchState();
    for (auto _ : state) {
        auto track = skyledger::computeTrack(s.currentDate, s.locations.records[0], s.preferences);
        benchmark::DoNotOptimize(track);
    }
}
BENCHMARK(BM_computeTrack)->Unit(benchmark::kMillisecond);

// A different month every time, so no phase instant is remembered from the
// call before.
void BM_computeMoonCalendar(benchmark::State& state) {
    const skyledger::AppState s = benchState();
    int32_t step = 0;
    for (auto _ : state) {
        auto grid = skyledger::computeMoonCalendar(1990 + (step * 7) % 100, 1 + step % 12,
                                                   s.locations.records[0], s.preferences);
        benchmark::DoNotOptimize(grid);
        ++step;
    }
}
BENCHMARK(BM_computeMoonCalendar)->Unit(benchmark::kMicrosecond);

} // namespace
