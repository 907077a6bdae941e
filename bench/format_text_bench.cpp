// Timing of the formatter and the decimal parser on settings-file lines.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <iterator>

#include "support/format_text.h"
#include "support/parse_number.h"

static void BM_formatTextSettingsLine(benchmark::State& state) {
    double latitude = 40.75;
    for (auto _ : state) {
        benchmark::DoNotOptimize(skyledger::formatText("  \"%s\" %2f %2f %1f %1f", "New York",
                                                       latitude, -73.99, -13.0, 5.0));
        latitude = latitude > 89.0 ? -89.0 : latitude + 0.37;
    }
}
BENCHMARK(BM_formatTextSettingsLine);

static void BM_formatFixedLargeValue(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(skyledger::formatFixed(123456789012.345, 2, false));
    }
}
BENCHMARK(BM_formatFixedLargeValue);

static void BM_parseDecimal(benchmark::State& state) {
    const char* const texts[] = {"40.75", "-73.99", "-13.0", "5.0", "1,234.5", "1.5E+3"};
    std::size_t i = 0;
    for (auto _ : state) {
        double value = 0.0;
        benchmark::DoNotOptimize(skyledger::parseDecimal(texts[i], value));
        benchmark::DoNotOptimize(value);
        i = i + 1 == std::size(texts) ? 0 : i + 1;
    }
}
BENCHMARK(BM_parseDecimal);
