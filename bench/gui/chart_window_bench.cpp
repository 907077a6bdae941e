// The multi-day chart on screen and on paper: a year's chart from OK to its
// first painted window, one scroll step, and the year printed into a PDF.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

#include "almanac/almanac_session.h"
#include "app/multiday_dialog.h"
#include "gui/layout_metrics.h"
#include "reports/chart_print.h"
#include "reports/chart_window.h"
#include "settings/settings_file.h"

namespace skyledger {
namespace {

constexpr int32_t YEAR = 366;

std::unique_ptr<AppState> placesState() {
    auto state = std::make_unique<AppState>();
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    state->locations = loaded.list;
    state->preferences = loaded.prefs;
    state->currentDate = CivilDate{2026, 3, 1};
    return state;
}

const LayoutMetrics& metrics() {
    static const LayoutMetrics m = measureLayoutMetrics();
    return m;
}

void BM_YearChartFromOkToFirstPaint(benchmark::State& bench) {
    auto state = placesState();
    AlmanacSession session(*state);
    std::unique_ptr<ChartWindow> window;
    QImage image;
    for (auto _ : bench) {
        bench.PauseTiming();
        MultiDayDialog dialog(
            metrics(), state->currentDate,
            [&](CivilDate start, int32_t days) { return session.prepareChart(start, days); },
            nullptr, [](QWidget*, const QString&, const QString&) {});
        dialog.daysField()->setText(QStringLiteral("366"));
        bench.ResumeTiming();
        dialog.okButton()->click();
        window = std::make_unique<ChartWindow>(metrics(), session);
        if (image.size() != window->size()) image = QImage(window->size(), QImage::Format_RGB32);
        window->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_YearChartFromOkToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_ScrollOneRowAndRepaint(benchmark::State& bench) {
    auto state = placesState();
    AlmanacSession session(*state);
    session.prepareChart(state->currentDate, YEAR);
    ChartWindow window(metrics(), session);
    QScrollBar* bar = window.scrollBar();
    // A step paints the data lines again, as the window asks after scrolling.
    QImage image(window.size(), QImage::Format_RGB32);
    const QRegion lines(window.dataLines());
    for (auto _ : bench) {
        if (bar->value() == bar->maximum()) bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        window.render(&image, QPoint(), lines);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ScrollOneRowAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_YearChartToPdf(benchmark::State& bench) {
    auto state = placesState();
    AlmanacSession(*state).prepareChart(state->currentDate, YEAR);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("year.pdf"));
    for (auto _ : bench)
        benchmark::DoNotOptimize(
            printReportToPdf(file, chartPageRoutine(state->chart, *state)).ok());
}
BENCHMARK(BM_YearChartToPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace skyledger
