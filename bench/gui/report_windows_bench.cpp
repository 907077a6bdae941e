// The Moon calendar and the alt/az table: opening each to its first complete
// paint (the session computes its grid or track on the way), and both open
// windows answering a change in the main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include "almanac/almanac_session.h"
#include "gui/layout_metrics.h"
#include "reports/calendar_window.h"
#include "reports/track_window.h"

namespace {

using namespace skyledger;

AppState benchState() {
    AppState s;
    s.locations.present = true;
    s.locations.records = {{"New York", 40.71, 74.01, -12.8, 5.0}};
    s.currentDate = {2026, 3, 20};
    return s;
}

// Shows the window and lets the platform expose it; exposing paints it.
void showExposed(QWidget& window) {
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

const LayoutMetrics& metrics() {
    static const LayoutMetrics m = measureLayoutMetrics();
    return m;
}

template <typename Window> void openToFirstPaint(benchmark::State& bench) {
    AppState state = benchState();
    AlmanacSession session(state);
    int32_t month = 0;
    for (auto _ : bench) {
        // Another month each time: nothing of the last opening is reused.
        state.currentDate.month = 1 + month++ % 12;
        Window window(metrics(), session);
        showExposed(window);
    }
}

void BM_openMoonCalendarWindow(benchmark::State& bench) {
    openToFirstPaint<MoonCalendarWindow>(bench);
}
BENCHMARK(BM_openMoonCalendarWindow)->Unit(benchmark::kMillisecond);

void BM_openTrackWindow(benchmark::State& bench) {
    openToFirstPaint<TrackWindow>(bench);
}
BENCHMARK(BM_openTrackWindow)->Unit(benchmark::kMillisecond);

// The calendar and the table open side by side on one session.
struct BothWindowsOpen {
    BothWindowsOpen() {
        showExposed(calendar);
        showExposed(track);
    }
    AppState state = benchState();
    AlmanacSession session{state};
    MoonCalendarWindow calendar{metrics(), session};
    TrackWindow track{metrics(), session};
};

// Both windows open; the session has just told them of a new state.
void BM_repaintBothWindows(benchmark::State& bench) {
    BothWindowsOpen open;
    for (auto _ : bench) {
        open.calendar.calendarChanged();
        open.track.trackChanged();
        open.calendar.repaint();
        open.track.repaint();
    }
}
BENCHMARK(BM_repaintBothWindows)->Unit(benchmark::kMillisecond);

// The whole answer to a new day in the main window with both open: the day
// and the track recomputed, the calendar left alone, both windows painted.
void BM_dayChangeWithBothWindowsOpen(benchmark::State& bench) {
    BothWindowsOpen open;
    int32_t day = 0;
    for (auto _ : bench) {
        open.session.setDay(1 + day++ % 28);
        open.calendar.repaint();
        open.track.repaint();
    }
}
BENCHMARK(BM_dayChangeWithBothWindowsOpen)->Unit(benchmark::kMillisecond);

} // namespace
