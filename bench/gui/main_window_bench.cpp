// How fast the desktop program answers: one date change in the main window,
// from the day box's signal to a finished repaint, and a whole run of
// `skyledger --screenshot` from exec to exit. Both on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "almanac/almanac_session.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "gui/layout_metrics.h"
#include "settings/settings_file.h"

namespace {

using namespace skyledger;

void BM_MainWindowDateChange(benchmark::State& bench) {
    const LayoutMetrics metrics = measureLayoutMetrics();
    AppState state;
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    state.locations = loaded.list;
    state.preferences = loaded.prefs;
    startFromClock(state, StartClock{{2026, 3, 1}, false});
    AlmanacSession session(state);
    MainWindow window(session, metrics, [](QWidget*, const QString&, const QString&) {});
    window.show();
    QApplication::processEvents();
    QImage frame(window.size(), QImage::Format_RGB32);
    int day = 0;
    for (auto _ : bench) {
        // A new day every time, so that every change is really computed.
        day = (day + 1) % 28;
        window.dayBox()->setCurrentIndex(day);
        window.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_MainWindowDateChange)->Unit(benchmark::kMillisecond);

void BM_ScreenshotProcess(benchmark::State& bench) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/skyledger");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("main.png"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : bench) {
        QProcess run;
        run.setProcessEnvironment(env);
        run.start(program, {QStringLiteral("--date"), QStringLiteral("2026-03-20"),
                            QStringLiteral("--screenshot"), file});
        if (!run.waitForFinished(10000) || run.exitCode() != 0) {
            bench.SkipWithError("skyledger --screenshot failed");
            break;
        }
    }
}
BENCHMARK(BM_ScreenshotProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setFont(skyledger::measureLayoutMetrics().uiFont);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
