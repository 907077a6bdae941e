// The main window driven as a user would: its boxes, toolbars and menus, on
// the shipped places and a fixed start date.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "almanac/almanac_session.h"
#include "almanac/day_almanac.h"
#include "app/desktop_run.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/multiday_dialog.h"
#include "app/toolbar_control.h"
#include "gui/qt_text.h"
#include "settings/settings_file.h"

namespace skyledger {
namespace {

struct Message {
    QString caption;
    QString text;
};

// The eight texts, in the window's field order.
struct DayTexts {
    std::string texts[8];
    bool operator==(const DayTexts&) const = default;
};

DayTexts textsOf(const DayAlmanac& day) {
    return {{day.sunriseText, day.sunriseBearingText, day.sunsetText, day.sunsetBearingText,
             day.moonriseText, day.moonriseBearingText, day.moonsetText, day.moonsetBearingText}};
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        metrics = measureLayoutMetrics();
        const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
        ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
        state.locations = loaded.list;
        state.preferences = loaded.prefs;
    }

    void open(CivilDate today, bool daylightSaving = false) {
        startFromClock(state, StartClock{today, daylightSaving});
        window = std::make_unique<MainWindow>(
            session, metrics, [this](QWidget*, const QString& caption, const QString& text) {
                messages.push_back({caption, text});
            });
    }

    // What the window shows in its eight fields.
    DayTexts shown() const {
        DayTexts out;
        for (int i = 0; i < 8; ++i) {
            out.texts[i] = toWindows1252(window->resultField(static_cast<ResultField>(i))->text());
        }
        return out;
    }

    // What the core computes for the state's date, place and preferences.
    DayTexts expected() const {
        const AlmanacResult<DayNumbers> numbers = computeDayNumbers(
            state.currentDate, *state.locations.currentLocation(), state.preferences);
        EXPECT_TRUE(numbers.ok());
        return textsOf(formatDayAlmanac(numbers.value(), state.preferences));
    }

    int locationIndex(const char* name) const {
        return window->locationBox()->findText(QString::fromUtf8(name));
    }

    void clickButton(Toolbar which, int index) {
        ToolbarControl* bar = window->toolbar(which);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonOrigin(index) + QPoint(8, 8));
    }

    LayoutMetrics metrics;
    AppState state;
    AlmanacSession session{state};
    std::vector<Message> messages;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, PlacesEveryControlByTheLayoutFormulas) {
    open({2026, 3, 20});
    const int G = metrics.gap;
    const int B = metrics.buttonHeight;
    const int L = metrics.lineHeight;
    const int V = metrics.scrollBarWidth;
    const auto w = [this](const char* text) { return metrics.textWidth(text); };

    const QRect day(G, G, w("99") + V + 2 * G, B);
    EXPECT_EQ(window->dayBox()->geometry(), day);
    EXPECT_EQ(window->monthBox()->geometry().left(), day.left() + day.width());
    EXPECT_EQ(window->yearBox()->geometry().left(),
              window->monthBox()->geometry().left() + window->monthBox()->width());
    EXPECT_EQ(window->yearBox()->width(), w("2000") + V + 2 * G);

    ToolbarControl* basis = window->toolbar(Toolbar::TimeBasis);
    ToolbarControl* clock = window->toolbar(Toolbar::Clock);
    ToolbarControl* bearings = window->toolbar(Toolbar::Bearings);
    EXPECT_EQ(basis->size(), QSize(90, 24));
    EXPECT_EQ(clock->size(), QSize(46, 24));
    EXPECT_EQ(bearings->size(), QSize(46, 24));
    const int yearRight = window->yearBox()->x() + window->yearBox()->width();
    EXPECT_EQ(basis->pos(), QPoint(yearRight + G, G));
    EXPECT_EQ(clock->pos(), QPoint(yearRight + G + 90 + G, G));
    EXPECT_EQ(bearings->pos(), QPoint(yearRight + G + 90 + G + 46 + G, G));
    const int rowRight = bearings->x() + 46 + G;

    const int T = 2 * B + 3 * G + G + 2;
    const int c1 = std::max(w("Sun"), w("Moon")) + 2 * G;
    const int c2 = c1 + w("99:99AM") + G;
    const int c3 = c2 + w("999~") + 3 * G;
    const int c4 = c3 + w("99:99AM") + G;
    const int c5 = c4 + w("999~") + 3 * G;
    const int D = L + 2 * B + G;
    const int W = std::max(rowRight, c5 + D + G);
    EXPECT_EQ(window->clientArea()->size(), QSize(W, T + D + G));
    EXPECT_EQ(window->locationBox()->geometry(), QRect(G, B + 2 * G, W - 2 * G, B));
    EXPECT_EQ(window->layoutGeometry().discBox, QRect(c5, T, D, D));

    const int moonY = T + L + B + G;
    EXPECT_EQ(window->resultField(ResultField::SunriseTime)->geometry(),
              QRect(c1, T + L, c2 - c1, B));
    EXPECT_EQ(window->resultField(ResultField::SunriseBearing)->geometry(),
              QRect(c2, T + L, c3 - 2 * G - c2, B));
    EXPECT_EQ(window->resultField(ResultField::MoonsetTime)->geometry(),
              QRect(c3, moonY, c4 - c3, B));
    EXPECT_EQ(window->resultField(ResultField::MoonsetBearing)->geometry(),
              QRect(c4, moonY, c5 - 2 * G - c4, B));

    // The window is as large as its client area and the menu bar, and no
    // larger: it cannot be resized.
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(W, window->menuBar()->height() + T + D + G));
    window->resize(W + 50, window->height() + 50);
    QApplication::processEvents();
    EXPECT_EQ(window->clientArea()->size(), QSize(W, T + D + G));
}

TEST_F(MainWindowTest, DatePlaceAndYearChangesRecompute) {
    open({2026, 3, 20});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->yearBox()->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(window->yearBox()->count(), 201);
    EXPECT_EQ(window->locationBox()->currentText(), QStringLiteral("Greenwich"));
    EXPECT_EQ(shown(), expected());
    EXPECT_FALSE(shown().texts[0].empty());

    const DayTexts before = shown();
    window->dayBox()->setCurrentIndex(9); // the 10th
    EXPECT_EQ(state.currentDate.day, 10);
    EXPECT_EQ(shown(), expected());
    EXPECT_NE(shown(), before);

    window->locationBox()->setCurrentIndex(locationIndex("Sydney"));
    EXPECT_EQ(toQString(state.locations.currentLocation()->name), QStringLiteral("Sydney"));
    EXPECT_EQ(shown(), expected());
    EXPECT_TRUE(state.day.southernHemisphere);

    window->yearBox()->setCurrentIndex(1999 - 1900);
    EXPECT_EQ(state.currentDate.year, 1999);
    EXPECT_EQ(shown(), expected());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, ShorterMonthClampsTheDayAndRefillsTheDayBox) {
    open({2026, 1, 31});
    EXPECT_EQ(window->dayBox()->count(), 31);
    EXPECT_EQ(window->dayBox()->currentText(), QStringLiteral("31"));

    window->monthBox()->setCurrentIndex(1); // February 2026, a common year
    EXPECT_EQ(state.currentDate.month, 2);
    EXPECT_EQ(state.currentDate.day, 28);
    ASSERT_EQ(window->dayBox()->count(), 28);
    EXPECT_EQ(window->dayBox()->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(window->dayBox()->itemText(27), QStringLiteral("28"));
    EXPECT_EQ(window->dayBox()->currentIndex(), 27);
    EXPECT_EQ(shown(), expected());

    // Into a leap year the box grows again; the day stays where it was.
    window->yearBox()->setCurrentIndex(2024 - 1900);
    EXPECT_EQ(window->dayBox()->count(), 29);
    EXPECT_EQ(state.currentDate.day, 28);
    window->dayBox()->setCurrentIndex(28);
    window->yearBox()->setCurrentIndex(1900 - 1900); // 1900 is not leap
    EXPECT_EQ(window->dayBox()->count(), 28);
    EXPECT_EQ(state.currentDate.day, 28);
    EXPECT_EQ(shown(), expected());
}

TEST_F(MainWindowTest, LocalTimeIsAvailableOnlyAtAPlaceWithAZone) {
    state.locations.records[13].zone.clear(); // Tokyo, kept without its zone
    open({2026, 3, 29});
    ToolbarControl* basis = window->toolbar(Toolbar::TimeBasis);
    ASSERT_EQ(basis->buttonCount(), 4);
    // Greenwich on the day the clocks go forward: LT is British Summer Time.
    clickButton(Toolbar::TimeBasis, 3);
    EXPECT_EQ(state.preferences.timeBasis, TimeBasis::Local);
    EXPECT_TRUE(basis->isButtonPressed(3));
    EXPECT_EQ(shown(), expected());
    state.preferences.timeBasis = TimeBasis::Daylight;
    EXPECT_EQ(shown(), expected()); // the day's events all fall after the change
    state.preferences.timeBasis = TimeBasis::Local;

    window->locationBox()->setCurrentIndex(locationIndex("Tokyo"));
    EXPECT_EQ(state.preferences.timeBasis, TimeBasis::Standard);
    EXPECT_FALSE(basis->isButtonAvailable(3));
    EXPECT_TRUE(basis->isButtonPressed(0));
    clickButton(Toolbar::TimeBasis, 3);
    EXPECT_EQ(state.preferences.timeBasis, TimeBasis::Standard);
    window->locationBox()->setCurrentIndex(locationIndex("Sydney"));
    EXPECT_TRUE(basis->isButtonAvailable(3));
}

TEST_F(MainWindowTest, EachToolbarButtonSetsItsPreferenceAndRecomputes) {
    open({2026, 6, 21}, /*daylightSaving=*/true);
    ToolbarControl* basis = window->toolbar(Toolbar::TimeBasis);
    EXPECT_EQ(state.preferences.timeBasis, TimeBasis::Daylight);
    EXPECT_TRUE(basis->isButtonPressed(1));

    for (int index : {2, 0, 1}) {
        clickButton(Toolbar::TimeBasis, index);
        EXPECT_EQ(static_cast<int>(state.preferences.timeBasis), index);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(basis->isButtonPressed(i), i == index);
        EXPECT_EQ(shown(), expected());
    }

    clickButton(Toolbar::Clock, 0);
    EXPECT_TRUE(state.preferences.twelveHourClock);
    EXPECT_NE(shown().texts[0].find("AM"), std::string::npos);
    clickButton(Toolbar::Clock, 1);
    EXPECT_FALSE(state.preferences.twelveHourClock);
    EXPECT_FALSE(window->toolbar(Toolbar::Clock)->isButtonPressed(0));
    EXPECT_EQ(shown(), expected());

    const DayTexts magnetic = shown();
    clickButton(Toolbar::Bearings, 1);
    EXPECT_FALSE(state.preferences.magneticBearings);
    EXPECT_NE(shown().texts[1], magnetic.texts[1]); // Greenwich's declination is 1 degree
    EXPECT_EQ(shown(), expected());
    clickButton(Toolbar::Bearings, 0);
    EXPECT_TRUE(state.preferences.magneticBearings);
    EXPECT_EQ(shown(), magnetic);

    // A click on the button already pressed keeps it pressed and still
    // recomputes: a field spoiled behind the window's back is written again.
    window->resultField(ResultField::SunriseTime)->setText(QStringLiteral("stale"));
    clickButton(Toolbar::Bearings, 0);
    EXPECT_TRUE(window->toolbar(Toolbar::Bearings)->isButtonPressed(0));
    EXPECT_EQ(shown(), magnetic);

    // Between two images a click does nothing.
    clickButton(Toolbar::Clock, 0);
    ToolbarControl* clock = window->toolbar(Toolbar::Clock);
    QTest::mouseClick(clock, Qt::LeftButton, {}, clock->buttonOrigin(1) - QPoint(2, -8));
    EXPECT_TRUE(state.preferences.twelveHourClock);
}

TEST_F(MainWindowTest, TipNearTheRightEdgeEndsAtTheClientArea) {
    open({2026, 3, 20});
    window->show();
    QApplication::processEvents();
    ToolbarControl* bearings = window->toolbar(Toolbar::Bearings);
    bearings->setTipDelay(10);
    const QPoint origin = bearings->buttonOrigin(1);
    QTest::mouseMove(bearings, origin + QPoint(4, 4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bearings->visibleTip() != nullptr; }, 2000));
    const QRect tip = bearings->visibleTip()->geometry();
    const QRect client(window->clientArea()->mapToGlobal(QPoint(0, 0)),
                       window->clientArea()->size());
    const int width = metrics.textWidth("True bearings") + 2 * metrics.gap;
    const QPoint wanted =
        bearings->mapToGlobal(QPoint(origin.x() - 2 + metrics.gap, origin.y() - 2 + 17 + 6));
    ASSERT_GT(wanted.x() + width - 1, client.right()); // it would reach past the edge
    EXPECT_EQ(tip.size(), QSize(width, metrics.buttonHeight));
    EXPECT_EQ(tip.right(), client.right());
    EXPECT_EQ(tip.top(), wanted.y());
}

TEST_F(MainWindowTest, MissingSettingsFileLeavesThePlaceBoxEmptyAndSaysSoEachTime) {
    state.locations = LocationList{};
    open({2026, 3, 20});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Missing File: Skyledger Settings.txt"));
    EXPECT_EQ(window->locationBox()->count(), 0);
    EXPECT_EQ(shown(), DayTexts{});

    window->dayBox()->setCurrentIndex(4);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QStringLiteral("Missing File: Skyledger Settings.txt"));
    EXPECT_EQ(shown(), DayTexts{});
    EXPECT_EQ(textsOf(state.day), DayTexts{});
    EXPECT_EQ(state.currentDate.day, 5);
}

TEST_F(MainWindowTest, FailedSaveAtExitNamesTheFile) {
    const std::string path = "/nonexistent-directory/Skyledger Settings.txt";
    std::vector<Message> said;
    EXPECT_FALSE(saveSettingsAtExit(path, state, [&](QWidget*, const QString& c, const QString& t) {
        said.push_back({c, t});
    }));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(said[0].text.contains(QString::fromStdString(path)));
    EXPECT_TRUE(said[0].text.contains(QStringLiteral("not saved")));

    const QString dir = QDir::tempPath() + QStringLiteral("/skyledger-save-test");
    QDir().mkpath(dir);
    const std::string good = (dir + QStringLiteral("/Skyledger Settings.txt")).toStdString();
    said.clear();
    EXPECT_TRUE(saveSettingsAtExit(good, state, [&](QWidget*, const QString& c, const QString& t) {
        said.push_back({c, t});
    }));
    EXPECT_TRUE(said.empty());
    QDir(dir).removeRecursively();
}

TEST_F(MainWindowTest, TwelveHourTimesAreNotCutOffInTheirFields) {
    state.preferences.twelveHourClock = true;
    // A date whose four times all have two-digit hours on a 12-hour clock.
    open({2026, 12, 7});
    window->show();
    for (int i = 0; i < 8; i += 2) {
        QLabel* field = window->resultField(static_cast<ResultField>(i));
        ASSERT_EQ(field->text().size(), 7) << field->text().toStdString();
        // The first column inside the sunken edge is left blank: the text
        // ends before it, or it is cut there.
        const QImage image = field->grab().toImage();
        const QRect inside = field->contentsRect();
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            ASSERT_EQ(image.pixel(inside.left(), y), image.pixel(inside.left(), inside.top()))
                << field->text().toStdString() << " at row " << y;
        }
    }
}

// How a box's list opens: the rows seen at once, and whether a scroll bar
// reaches the others.
struct OpenList {
    int rows = 0;
    bool scrollBar = false;
};

OpenList openList(QComboBox* box) {
    box->showPopup();
    QApplication::processEvents();
    QAbstractItemView* list = box->view();
    const int rowHeight = list->sizeHintForRow(0);
    const OpenList open{rowHeight > 0 ? list->viewport()->height() / rowHeight : 0,
                        list->verticalScrollBar()->isVisible()};
    box->hidePopup();
    return open;
}

TEST_F(MainWindowTest, DropDownListsOpenEightRowsTallAndScroll) {
    open(CivilDate{2026, 1, 15});
    window->show();
    MultiDayDialog request(metrics, state.currentDate, {}, window.get());
    request.show();
    for (QComboBox* box : {window->yearBox(), window->dayBox(), window->monthBox(),
                           request.yearBox(), request.dayBox()}) {
        const OpenList open = openList(box);
        EXPECT_EQ(open.rows, 8) << box->count() << " items";
        EXPECT_TRUE(open.scrollBar) << box->count() << " items";
    }
}

TEST_F(MainWindowTest, QuitAndHelpHaveTheirKeysAndHelpNamesTheSettingsFile) {
    open({2026, 3, 20});
    EXPECT_EQ(window->menuAction(QStringLiteral("Quit"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Q));
    QAction* contents = window->menuAction(QStringLiteral("Contents"));
    EXPECT_EQ(contents->shortcut(), QKeySequence(Qt::Key_F1));
    const QString settings =
        QStringLiteral("/home/someone/.config/Skyledger/Skyledger Settings.txt");
    window->setSettingsFile(settings);
    contents->trigger();
    QPointer<HelpWindow> help = window->helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->plainText().contains(QStringLiteral("positive west")));
    EXPECT_TRUE(help->plainText().contains(QStringLiteral("An empty time")));
    // The guide names the settings file this run uses.
    EXPECT_TRUE(help->plainText().contains(settings));
    window.reset();
    EXPECT_TRUE(help.isNull());
}

} // namespace
} // namespace skyledger
