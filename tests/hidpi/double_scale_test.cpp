// The main window on a screen of twice the pixel density. Qt's scale factor
// must be set before the application exists, so these tests have a program
// of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <set>

#include "almanac/almanac_session.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/toolbar_control.h"
#include "reports/calendar_window.h"
#include "reports/track_window.h"
#include "settings/settings_file.h"
#include "tests/gui/qt_test_environment.h"

namespace skyledger {
namespace {

TEST(DoubleScale, MainWindowKeepsItsLayoutAndDrawsSharpToolbarImages) {
    // The layout is in logical pixels: the same numbers as at scale 1.
    const LayoutMetrics metrics = measureLayoutMetrics();
    EXPECT_EQ(metrics.lineHeight, UI_FONT_CELL_HEIGHT);

    AppState state;
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    state.locations = loaded.list;
    state.preferences = loaded.prefs;
    startFromClock(state, StartClock{{2026, 3, 20}, false});
    AlmanacSession session(state);
    MainWindow window(session, metrics, [](QWidget*, const QString&, const QString&) {});
    window.show();
    QApplication::processEvents();

    ASSERT_EQ(window.devicePixelRatio(), 2);
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.size(), window.size() * 2);

    // The pressed "ST" button: the double-size image, not the 17-pixel one
    // enlarged. Every pixel of it is one of the image's three colours (an
    // enlargement that smooths would blend them) ...
    ToolbarControl* bar = window.toolbar(Toolbar::TimeBasis);
    const QPoint origin = bar->mapTo(&window, bar->buttonOrigin(0)) * 2;
    const QRgb ground = qRgb(192, 192, 192);
    const QRgb black = qRgb(0, 0, 0);
    std::set<QRgb> colours;
    for (int y = 0; y < 34; ++y) {
        for (int x = 0; x < 34; ++x)
            colours.insert(image.pixel(origin.x() + x, origin.y() + y) | 0xFF000000u);
    }
    EXPECT_EQ(colours, (std::set<QRgb>{black, qRgb(128, 128, 128), ground}));
    // ... the S's rounded top-left corner, a grey pixel at 17, is ground
    // outside and black inside at 34 (an enlargement gives four grey ones) ...
    EXPECT_EQ(image.pixel(origin + QPoint(6, 8)), ground);
    EXPECT_EQ(image.pixel(origin + QPoint(7, 9)), black);
    // ... and the T's stem is two pixels of black between ground.
    const int stem = 2 * 11;
    EXPECT_EQ(image.pixel(origin + QPoint(stem - 1, 20)), ground);
    EXPECT_EQ(image.pixel(origin + QPoint(stem, 20)), black);
    EXPECT_EQ(image.pixel(origin + QPoint(stem + 1, 20)), black);
    EXPECT_EQ(image.pixel(origin + QPoint(stem + 2, 20)), ground);
}

TEST(DoubleScale, ReportWindowsOpenOnTheScreenThatTheScaleHasMadeSmaller) {
    // Qt's offscreen screen, 800 x 800 pixels, is 400 x 400 at this scale:
    // neither the 700 x 632 calendar at its usual place (150, 150) nor the
    // 400-pixel-high table at its own (125, 125) fits.
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 400, 400));
    AppState state;
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    state.locations = loaded.list;
    state.preferences = loaded.prefs;
    AlmanacSession session(state);
    const LayoutMetrics metrics = measureLayoutMetrics();
    MoonCalendarWindow calendar(metrics, session);
    TrackWindow track(metrics, session);
    ASSERT_EQ(calendar.size(), QSize(700, 632));
    ASSERT_EQ(track.height(), 400);
    // Larger than the screen: its caption at the top-left corner.
    EXPECT_EQ(calendar.pos(), QPoint(0, 0));
    // Moved up only as far as needed.
    EXPECT_EQ(track.pos(), QPoint(125, 0));
}

} // namespace
} // namespace skyledger

int main(int argc, char** argv) {
    const skyledger::QtTestEnvironment environment;
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
