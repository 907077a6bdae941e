// The main window and its report windows used from the keyboard alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "almanac/almanac_session.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/toolbar_control.h"
#include "reports/calendar_window.h"
#include "reports/chart_window.h"
#include "reports/track_window.h"
#include "settings/settings_file.h"

namespace skyledger {
namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        metrics = measureLayoutMetrics();
        const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
        ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
        state.locations = loaded.list;
        state.preferences = loaded.prefs;
        startFromClock(state, StartClock{{2026, 3, 20}, false});
        window = std::make_unique<MainWindow>(session, metrics,
                                              [](QWidget*, const QString&, const QString&) {});
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Presses a key where the keyboard is, as the user's keyboard would: an
    // open menu first.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    LayoutMetrics metrics;
    AppState state;
    AlmanacSession session{state};
    std::unique_ptr<MainWindow> window;
};

TEST_F(KeyboardTest, TabWalksEveryControlInReadingOrderAndAltOpensTheMenus) {
    const std::vector<QWidget*> expected = {window->dayBox(),
                                            window->monthBox(),
                                            window->yearBox(),
                                            window->toolbar(Toolbar::TimeBasis),
                                            window->toolbar(Toolbar::Clock),
                                            window->toolbar(Toolbar::Bearings),
                                            window->locationBox(),
                                            window->dayBox()};
    EXPECT_EQ(QApplication::focusWidget(), expected[0]);
    for (size_t i = 1; i < expected.size(); ++i) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after Tab number " << i;
    }
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window->locationBox());

    // The keyboard works the boxes: Down on the month box is April.
    window->monthBox()->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(state.currentDate.month, 4);

    // Alt and a menu's underlined letter open that menu.
    for (const auto& [key, title] : {std::pair{Qt::Key_F, QStringLiteral("&File")},
                                     std::pair{Qt::Key_H, QStringLiteral("&Help")}}) {
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        QMenu* open = nullptr;
        for (QAction* action : window->menuBar()->actions()) {
            if (action->menu() && action->menu()->isVisible()) open = action->menu();
        }
        ASSERT_NE(open, nullptr) << "Alt+" << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(open->title(), title);
        open->close();
    }
}

TEST_F(KeyboardTest, ArrowsMoveTheMarkAndSpaceOrEnterPressTheButton) {
    ASSERT_FALSE(state.preferences.twelveHourClock);
    const QString before = window->resultField(ResultField::SunsetTime)->text();
    ToolbarControl* clock = window->toolbar(Toolbar::Clock);
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), clock);
    // The mark starts on the pressed 24-hour button; Left moves it, Space
    // presses the 12-hour one.
    EXPECT_EQ(clock->focusedButton(), 1);
    press(Qt::Key_Left);
    EXPECT_FALSE(state.preferences.twelveHourClock) << "an arrow only moves the mark";
    press(Qt::Key_Left);
    EXPECT_EQ(clock->focusedButton(), 0) << "the mark stays at the first button";
    press(Qt::Key_Space);
    EXPECT_TRUE(state.preferences.twelveHourClock);
    EXPECT_TRUE(clock->isButtonPressed(0));
    EXPECT_NE(window->resultField(ResultField::SunsetTime)->text(), before);

    // The mark is drawn: the focused toolbar differs from the same toolbar
    // without focus.
    const QImage focused = clock->grab().toImage();
    window->locationBox()->setFocus();
    EXPECT_NE(clock->grab().toImage(), focused);

    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), window->toolbar(Toolbar::Bearings));
    ASSERT_TRUE(state.preferences.magneticBearings);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    EXPECT_FALSE(state.preferences.magneticBearings);
}

TEST_F(KeyboardTest, ChartRequestByKeysAndEscapeClosesEachReportWindow) {
    // Alt+F, D asks for a chart; in the request the number of days is
    // selected, so typing replaces it and Enter is OK.
    bool requested = false;
    // The request is modal: it is driven from the event loop it runs.
    QTimer driver;
    driver.setInterval(10);
    int ticks = 0;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* request = QApplication::activeModalWidget();
        if (!request) return;
        // Keys go where the user's would: wait until the request has the
        // keyboard (a second at most; then the checks below say what failed).
        if (!request->isAncestorOf(QApplication::focusWidget()) && ++ticks < 100) return;
        driver.stop();
        requested = true;
        press(Qt::Key_3);
        press(Qt::Key_Return);
        // Should Enter not close it, the test fails instead of waiting.
        if (request->isVisible()) request->close();
    });
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    driver.start();
    press(Qt::Key_D);
    driver.stop();
    ASSERT_TRUE(requested);
    ASSERT_NE(window->reportWindow<ChartWindow>(), nullptr);
    EXPECT_EQ(window->reportWindow<ChartWindow>()->visibleRows(), 3);

    window->openReport<MoonCalendarWindow>();
    window->openReport<TrackWindow>();
    QPointer<QWidget> reports[] = {window->reportWindow<ChartWindow>(),
                                   window->reportWindow<MoonCalendarWindow>(),
                                   window->reportWindow<TrackWindow>()};
    for (QPointer<QWidget>& report : reports) {
        ASSERT_TRUE(report);
        QApplication::setActiveWindow(report);
        ASSERT_TRUE(QTest::qWaitForWindowActive(report));
        // Tab reaches the buttons; Escape closes from there too.
        auto* last = report->findChildren<QPushButton*>().last();
        last->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->window(), report.data());
        press(Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(report.isNull()) << report->windowTitle().toStdString();
    }
    EXPECT_EQ(window->reportWindow<ChartWindow>(), nullptr);
    EXPECT_EQ(window->reportWindow<MoonCalendarWindow>(), nullptr);
    EXPECT_EQ(window->reportWindow<TrackWindow>(), nullptr);
}

} // namespace
} // namespace skyledger
