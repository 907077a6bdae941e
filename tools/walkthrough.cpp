// A walk through the desktop program as a new user takes it, by keyboard:
// every menu, window, dialog and button once, each step rendered to a PNG
// and described on standard output (title, place on the screen, focus), for
// a person to look at. Run it on a display (xvfb-run) or offscreen:
//   skyledger_walkthrough OUTPUT_DIR SETTINGS_FILE
// The settings file is read and, at the end, written: give it a copy.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>

#include "almanac/almanac_session.h"
#include "app/desktop_run.h"
#include "app/help_window.h"
#include "app/location_dialog.h"
#include "app/main_window.h"
#include "reports/calendar_window.h"
#include "reports/chart_window.h"
#include "reports/details_window.h"
#include "reports/track_window.h"
#include "settings/settings_file.h"

using namespace skyledger;

namespace {

QString outputDir;
int shotNumber = 0;

// The widget the user's keys reach now.
QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// What a window manager does when a window opens or the one above closes.
// A bare X server has none.
void activate(QWidget* widget) {
    if (!widget || widget->isActiveWindow()) return;
    widget->activateWindow();
    if (!QTest::qWaitForWindowActive(widget, 1000)) std::fprintf(stderr, "not activated\n");
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* target = keyTarget()) QTest::keyClick(target, k, modifiers);
}

void type(const QString& text) {
    if (QWidget* target = keyTarget()) QTest::keyClicks(target, text);
}

void describe(const char* name, QWidget* widget) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = widget->frameGeometry();
    QWidget* focus = QApplication::focusWidget();
    std::printf("%02d %-22s \"%s\" at %d,%d %dx%d%s; focus: %s \"%s\"\n", shotNumber, name,
                qPrintable(widget->windowTitle()), frame.x(), frame.y(), frame.width(),
                frame.height(), screen.contains(frame) ? "" : " (NOT ON THE SCREEN)",
                focus ? focus->metaObject()->className() : "none",
                focus ? qPrintable(focus->property("text").toString()) : "");
    std::fflush(stdout);
}

void shot(const char* name, QWidget* widget) {
    if (!widget) {
        std::printf("%02d %-22s MISSING\n", ++shotNumber, name);
        return;
    }
    ++shotNumber;
    describe(name, widget);
    widget->grab().save(QStringLiteral("%1/%2_%3.png")
                            .arg(outputDir)
                            .arg(shotNumber, 2, 10, QLatin1Char('0'))
                            .arg(QLatin1String(name)));
    // The whole screen, where there is one: where the window opened.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            QStringLiteral("%1/%2_%3_screen.png")
                .arg(outputDir)
                .arg(shotNumber, 2, 10, QLatin1Char('0'))
                .arg(QLatin1String(name)));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyledger"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: skyledger_walkthrough OUTPUT_DIR SETTINGS_FILE\n");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    const std::string settings = argv[2];

    const LayoutMetrics metrics = measureLayoutMetrics();
    QApplication::setFont(metrics.uiFont);
    AppState state;
    const SettingsRead loaded = loadSettings(settings);
    state.locations = loaded.list;
    state.preferences = loaded.prefs;
    startFromClock(state, StartClock{{2026, 12, 7}, false});
    AlmanacSession session(state);
    MainWindow window(session, metrics);
    window.setSettingsFile(QString::fromStdString(settings));
    window.show();
    activate(&window);

    auto modal = [] { return QApplication::activeModalWidget(); };
    auto popup = [] { return QApplication::activePopupWidget(); };
    QTextBrowser* browser = nullptr;
    // One step at a time from the event loop, which keeps running inside the
    // modal dialogs' own loops.
    std::deque<std::function<void()>> steps = {
        [&] { shot("main", &window); },
        [&] { key(Qt::Key_F, Qt::AltModifier); },
        [&] { shot("file_menu", popup()); },
        [&] { key(Qt::Key_Escape); },
        [&] { key(Qt::Key_H, Qt::AltModifier); },
        [&] { shot("help_menu", popup()); },
        [&] { key(Qt::Key_Escape); },
        [&] {
            window.activateWindow();
            window.dayBox()->setFocus();
            shot("focus_day", &window);
        },
        [&] {
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
        },
        [&] { shot("focus_time_basis", &window); },
        [&] {
            key(Qt::Key_Right);
            key(Qt::Key_Right);
            key(Qt::Key_Space);
        },
        [&] { shot("universal_time", &window); },
        [&] {
            key(Qt::Key_Tab);
            key(Qt::Key_Left);
            key(Qt::Key_Return);
        },
        [&] { shot("twelve_hour", &window); },
        [&] {
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
            shot("focus_place", &window);
        },
        [&] { key(Qt::Key_Down, Qt::AltModifier); },
        [&] { shot("place_list", popup()); },
        [&] { key(Qt::Key_Escape); },
        [&] {
            key(Qt::Key_F, Qt::AltModifier);
            key(Qt::Key_L);
        },
        [&] { shot("location", modal()); },
        [&] {
            auto* dialog = qobject_cast<LocationDialog*>(modal());
            if (dialog) dialog->newButton()->setFocus(Qt::TabFocusReason);
            key(Qt::Key_Space);
        },
        [&] { shot("location_new", modal()); },
        [&] {
            type(QStringLiteral("Test Place"));
            key(Qt::Key_Tab);
            type(QStringLiteral("north"));
            key(Qt::Key_Return);
        },
        [&] { shot("location_error", modal()); },
        [&] { key(Qt::Key_Return); },
        [&] {
            activate(modal());
            shot("location_after_error", modal());
        },
        [&] { key(Qt::Key_Escape); },
        [&] {
            activate(&window);
            shot("main_after_location", &window);
        },
        [&] {
            key(Qt::Key_F, Qt::AltModifier);
            key(Qt::Key_D);
        },
        [&] { shot("chart_request", modal()); },
        [&] {
            type(QStringLiteral("400"));
            key(Qt::Key_Return);
        },
        [&] { shot("chart_request_error", modal()); },
        [&] { key(Qt::Key_Return); },
        [&] {
            activate(modal());
            shot("chart_request_after_error", modal());
        },
        [&] {
            type(QStringLiteral("40"));
            key(Qt::Key_Return);
        },
        [&] {
            activate(window.reportWindow<ChartWindow>());
            shot("chart", window.reportWindow<ChartWindow>());
        },
        [&] {
            key(Qt::Key_PageDown);
            shot("chart_page_down", window.reportWindow<ChartWindow>());
        },
        [&] {
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
        },
        [&] { shot("chart_save_focus", window.reportWindow<ChartWindow>()); },
        [&] { key(Qt::Key_Space); },
        [&] { shot("save_dialog", modal()); },
        [&] { key(Qt::Key_Escape); },
        [&] {
            activate(&window);
            shot("main_after_chart", &window);
        },
        [&] {
            key(Qt::Key_F, Qt::AltModifier);
            key(Qt::Key_M);
        },
        [&] {
            activate(window.reportWindow<MoonCalendarWindow>());
            shot("calendar", window.reportWindow<MoonCalendarWindow>());
        },
        [&] {
            key(Qt::Key_Tab);
            shot("calendar_tab", window.reportWindow<MoonCalendarWindow>());
        },
        [&] { key(Qt::Key_Space); },
        [&] { shot("print_dialog", modal()); },
        [&] { key(Qt::Key_Escape); },
        [&] { key(Qt::Key_Escape); },
        [&] {
            activate(&window);
            shot("main_after_calendar", &window);
        },
        [&] {
            key(Qt::Key_F, Qt::AltModifier);
            key(Qt::Key_A);
        },
        [&] {
            activate(window.reportWindow<TrackWindow>());
            shot("track", window.reportWindow<TrackWindow>());
        },
        [&] {
            key(Qt::Key_PageDown);
            shot("track_page_down", window.reportWindow<TrackWindow>());
        },
        [&] { key(Qt::Key_Escape); },
        [&] {
            activate(&window);
            shot("main_after_track", &window);
        },
        [&] {
            key(Qt::Key_F, Qt::AltModifier);
            key(Qt::Key_Y);
        },
        [&] {
            activate(window.reportWindow<DetailsWindow>());
            shot("details", window.reportWindow<DetailsWindow>());
        },
        [&] { key(Qt::Key_Escape); },
        [&] {
            activate(&window);
            shot("main_after_details", &window);
        },
        [&] { key(Qt::Key_F1); },
        [&] {
            activate(window.helpWindow());
            browser =
                window.helpWindow() ? window.helpWindow()->findChild<QTextBrowser*>() : nullptr;
            shot("help", window.helpWindow());
        },
        [&] {
            if (browser) browser->scrollToAnchor(QStringLiteral("places"));
            shot("help_places", window.helpWindow());
        },
        [&] {
            if (browser) browser->scrollToAnchor(QStringLiteral("keys"));
            shot("help_keys", window.helpWindow());
        },
        [&] { key(Qt::Key_Escape); },
        [&] {
            activate(&window);
            key(Qt::Key_H, Qt::AltModifier);
            key(Qt::Key_A);
        },
        [&] { shot("about", modal()); },
        [&] { key(Qt::Key_Escape); },
        [&] { shot("about_after_escape", modal()); },
        [&] { key(Qt::Key_Return); },
        [&] {
            activate(&window);
            shot("main_at_end", &window);
        },
        [&] { key(Qt::Key_Q, Qt::ControlModifier); },
    };
    // Each step arms the next before it runs: a step that opens a modal
    // dialog does not return until the dialog closes, and a timer does not
    // fire again while its own handler is running.
    int stepNumber = 0;
    std::function<void()> runNext = [&] {
        if (steps.empty()) return;
        auto step = std::move(steps.front());
        steps.pop_front();
        ++stepNumber;
        if (std::getenv("WALKTHROUGH_TRACE")) std::fprintf(stderr, "step %d\n", stepNumber);
        QTimer::singleShot(300, runNext);
        step();
    };
    QTimer::singleShot(300, runNext);
    const int status = QApplication::exec();
    saveSettingsAtExit(settings, state, showMessageBox);
    return status;
}
