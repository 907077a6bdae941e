// The Location dialog opened from the main window's menu: what the window
// shows after it closes, and what the next start reads back.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "almanac/almanac_session.h"
#include "almanac/day_almanac.h"
#include "app/desktop_run.h"
#include "app/location_dialog.h"
#include "app/main_window.h"
#include "app/settings_saving.h"
#include "gui/qt_text.h"
#include "settings/settings_file.h"
#include "settings/settings_keeper.h"

namespace skyledger {
namespace {

class LocationMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
        ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
        state.locations = loaded.list;
        state.preferences = loaded.prefs;
        startFromClock(state, StartClock{{2026, 6, 21}, false});
    }

    // A start of the program on `state`, as the program starts: a session and
    // a main window whose messages are collected.
    void start() {
        window.reset();
        session = std::make_unique<AlmanacSession>(state);
        window = std::make_unique<MainWindow>(
            *session, metrics,
            [this](QWidget*, const QString&, const QString& t) { messages.push_back(t); });
    }

    // Chooses "Location..." and lets `act` work the modal dialog; `act` must
    // close it.
    void useDialog(const std::function<void(LocationDialog&)>& act) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<LocationDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            opened = true;
            act(*dialog);
            if (dialog->isVisible()) dialog->reject(); // never leave the test waiting
        });
        QAction* item = window->menuAction(QStringLiteral("Location..."));
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
        EXPECT_TRUE(opened);
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::string shownField(ResultField field) const {
        return toWindows1252(window->resultField(field)->text());
    }

    // True when the row through the middle of the disc box is all ground.
    bool discBoxEmpty() const {
        const QRect disc = window->layoutGeometry().discBox;
        const QImage image = window->clientArea()->grab().toImage();
        const QRgb ground = image.pixel(disc.topLeft() + QPoint(2, 2));
        for (int x = disc.left() + 2; x < disc.right() - 1; ++x)
            if (image.pixel(x, disc.center().y()) != ground) return false;
        return true;
    }

    // A restart: settings saved at exit and loaded again.
    void restart() {
        QTemporaryDir dir;
        const std::string path = settingsPath(dir.path().toStdString());
        window.reset();
        ASSERT_TRUE(
            saveSettingsAtExit(path, state, [](QWidget*, const QString&, const QString&) {}));
        state = AppState{};
        const SettingsRead loaded = loadSettings(path);
        ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
        state.locations = loaded.list;
        state.preferences = loaded.prefs;
        startFromClock(state, StartClock{{2026, 6, 21}, false});
        start();
    }

    const LayoutMetrics metrics = measureLayoutMetrics();
    AppState state;
    std::unique_ptr<AlmanacSession> session;
    std::unique_ptr<MainWindow> window;
    std::vector<QString> messages;
};

TEST_F(LocationMenuTest, ARenamedPlaceMovesInTheBoxStaysChosenAndIsRecomputed) {
    start();
    QComboBox* box = window->locationBox();
    ASSERT_EQ(box->currentText(), QStringLiteral("Greenwich"));
    const std::string greenwichSunrise = shownField(ResultField::SunriseTime);
    useDialog([](LocationDialog& d) {
        d.nameEdit()->setText(QStringLiteral("Zanzibar"));
        d.longitudeEdit()->setText(QStringLiteral("-39.2"));
        d.timeZoneEdit()->setText(QStringLiteral("-3"));
        click(d.okButton());
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(box->count(), 15);
    EXPECT_EQ(box->currentIndex(), 14);
    EXPECT_EQ(box->itemText(4), QStringLiteral("Honolulu"));
    EXPECT_EQ(box->currentText(), QStringLiteral("Zanzibar"));
    EXPECT_EQ(state.locations.currentLocation()->name, "Zanzibar");
    // The day is that of the edited place, three hours ahead and far east.
    const AlmanacResult<DayNumbers> numbers =
        computeDayNumbers(state.currentDate, *state.locations.currentLocation(), state.preferences);
    ASSERT_TRUE(numbers.ok());
    EXPECT_EQ(shownField(ResultField::SunriseTime),
              formatDayAlmanac(numbers.value(), state.preferences).sunriseText);
    EXPECT_NE(shownField(ResultField::SunriseTime), greenwichSunrise);

    restart();
    EXPECT_EQ(window->locationBox()->currentText(), QStringLiteral("Zanzibar"));
    EXPECT_DOUBLE_EQ(state.locations.currentLocation()->timeZone, -3.0);
    EXPECT_EQ(shownField(ResultField::SunriseTime),
              formatDayAlmanac(numbers.value(), state.preferences).sunriseText);
}

TEST_F(LocationMenuTest, DeletingEveryPlaceLeavesAnEmptyBoxUntilANewOne) {
    start();
    useDialog([](LocationDialog& d) {
        for (int i = 0; i < 16; ++i)
            click(d.deleteButton());
        click(d.cancelButton());
    });
    EXPECT_EQ(state.locations.count(), 0);
    EXPECT_EQ(window->locationBox()->count(), 0);
    EXPECT_EQ(shownField(ResultField::SunriseTime), "");
    EXPECT_EQ(shownField(ResultField::MoonsetBearing), "");
    EXPECT_TRUE(messages.empty());
    // Nor a Moon or a percentage in the disc box: nothing was computed.
    EXPECT_TRUE(discBoxEmpty());

    // The empty list is what the next start reads: still no message.
    restart();
    EXPECT_TRUE(state.locations.present);
    EXPECT_EQ(window->locationBox()->count(), 0);
    EXPECT_EQ(shownField(ResultField::SunsetTime), "");
    useDialog([](LocationDialog& d) {
        EXPECT_TRUE(d.isNewEntry());
        d.nameEdit()->setText(QStringLiteral("Quito"));
        d.latitudeEdit()->setText(QStringLiteral("-0.18"));
        d.longitudeEdit()->setText(QStringLiteral("78.47"));
        d.declinationEdit()->setText(QStringLiteral("-2.5"));
        d.timeZoneEdit()->setText(QStringLiteral("5"));
        click(d.okButton());
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->locationBox()->currentText(), QStringLiteral("Quito"));
    EXPECT_NE(shownField(ResultField::SunriseTime), "");
    EXPECT_FALSE(discBoxEmpty());

    restart();
    ASSERT_EQ(state.locations.count(), 1);
    EXPECT_EQ(state.locations.records[0].name, "Quito");
    EXPECT_DOUBLE_EQ(state.locations.records[0].latitude, -0.18);
    EXPECT_DOUBLE_EQ(state.locations.records[0].magneticDeclination, -2.5);
    EXPECT_EQ(window->locationBox()->currentText(), QStringLiteral("Quito"));
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

std::string fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// OK in the Location dialog saves at once, as the exit would; a file changed
// by another copy since it was read is replaced only when the user says so.
TEST_F(LocationMenuTest, ClosingTheDialogWithAChangeSavesAndAsksBeforeReplacingAChangedFile) {
    QTemporaryDir dir;
    const std::string path = settingsPath(dir.path().toStdString());
    QFile::copy(QStringLiteral(SKYLEDGER_DEFAULT_SETTINGS), QString::fromStdString(path));
    SettingsKeeper keeper(path);
    const SettingsRead loaded = keeper.load();
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    state.locations = loaded.list;
    state.preferences = withStoredPreferences(state.preferences, loaded.prefs);
    start();
    int asked = 0;
    bool answer = false;
    window->setSettingsSaver([&] {
        saveChangedSettings(
            keeper, state,
            [this](QWidget*, const QString&, const QString& t) { messages.push_back(t); },
            window.get(), [&](QWidget*, const QString&) { return ++asked, answer; });
    });
    const auto rename = [&](const char* name) {
        useDialog([&](LocationDialog& d) {
            d.nameEdit()->setText(QString::fromLatin1(name));
            click(d.okButton());
        });
    };
    rename("Zanzibar");
    EXPECT_NE(fileBytes(path).find("\"Zanzibar\""), std::string::npos);
    EXPECT_EQ(asked, 0);

    const std::string otherCopy = settingsText(LocationList{}, Preferences{});
    QFile other(QString::fromStdString(path));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
    other.write(otherCopy.data(), static_cast<qint64>(otherCopy.size()));
    other.close();
    rename("Quito");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(fileBytes(path), otherCopy);
    EXPECT_NE(fileBytes(path + ".conflict").find("\"Quito\""), std::string::npos);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral(".conflict")));

    answer = true;
    rename("Lima");
    EXPECT_EQ(asked, 2);
    EXPECT_NE(fileBytes(path).find("\"Lima\""), std::string::npos);
    EXPECT_EQ(fileBytes(settingsBackupPath(path)), otherCopy);
}

} // namespace
} // namespace skyledger
