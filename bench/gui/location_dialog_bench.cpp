// The Location dialog with a very long list: OK stores the place, sorts the
// list and fills the main window's place box again. With 100,000 places this
// must stay well under the 200 ms a user still takes for an answer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "almanac/almanac_session.h"
#include "app/desktop_run.h"
#include "app/location_dialog.h"
#include "app/main_window.h"
#include "gui/layout_metrics.h"

namespace {

using namespace skyledger;

void BM_LocationDialogOkWithManyPlaces(benchmark::State& bench) {
    const LayoutMetrics metrics = measureLayoutMetrics();
    AppState state;
    state.locations.present = true;
    for (int64_t i = 0; i < bench.range(0); ++i) {
        // Not in name order, so the first sort has work to do.
        const int64_t n = (i * 7919) % bench.range(0);
        state.locations.records.push_back(
            Location{"Place " + std::to_string(n), 10.0, 20.0, 0.0, 1.0});
    }
    startFromClock(state, StartClock{{2026, 3, 1}, false});
    AlmanacSession session(state);
    MainWindow window(session, metrics, [](QWidget*, const QString&, const QString&) {});
    window.show();
    QApplication::processEvents();
    for (auto _ : bench) {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<LocationDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("OK")) button->click();
        });
        window.openLocationDialog();
    }
}
BENCHMARK(BM_LocationDialogOkWithManyPlaces)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

} // namespace
