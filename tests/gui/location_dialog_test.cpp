// The Location Properties dialog, driven through its real buttons and fields.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "almanac/atlas_place.h"
#include "app/location_dialog.h"
#include "gui/qt_text.h"
#include "settings/location_list.h"
#include "settings/settings_file.h"
#include "support/format_text.h"

namespace skyledger {
namespace {

const LayoutMetrics& metrics() {
    static const LayoutMetrics m = measureLayoutMetrics();
    return m;
}

// Types `text` into `edit` one key at a time, also characters that have no
// key on a US keyboard.
void typeKeys(QLineEdit* edit, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

LocationList places(std::vector<Location> records, int32_t current) {
    LocationList list;
    list.present = true;
    list.records = std::move(records);
    list.current = current;
    return list;
}

std::vector<std::string> names(const LocationList& list) {
    std::vector<std::string> out;
    for (const Location& loc : list.records)
        out.push_back(loc.name);
    return out;
}

// A dialog on `list` whose check messages are collected instead of shown.
class OpenDialog {
  public:
    explicit OpenDialog(LocationList& list) : dialog(list, metrics()) {
        dialog.setMessageSink([this](QWidget* owner, const QString& caption, const QString& text) {
            EXPECT_EQ(owner, &dialog);
            EXPECT_EQ(caption, QStringLiteral("Error"));
            messages.push_back(toWindows1252(text));
        });
        dialog.show();
    }

    void type(const char* name, const char* lat, const char* lon, const char* decl,
              const char* zone) {
        dialog.nameEdit()->setText(QString::fromUtf8(name));
        dialog.latitudeEdit()->setText(QString::fromUtf8(lat));
        dialog.longitudeEdit()->setText(QString::fromUtf8(lon));
        dialog.declinationEdit()->setText(QString::fromUtf8(decl));
        dialog.timeZoneEdit()->setText(QString::fromUtf8(zone));
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool accepted() const { return !dialog.isVisible() && dialog.result() == QDialog::Accepted; }

    LocationDialog dialog;
    std::vector<std::string> messages;
};

TEST(LocationDialog, LaysOutFromTheMetricsWithoutClippingText) {
    LocationList list = places({{"Greenwich", 51.48, 0.0, 0.0, 0.0}}, 0);
    LocationDialog d(list, metrics());
    const LayoutMetrics& m = metrics();
    const int g = m.gap;
    const int b = m.buttonHeight;

    int x = g;
    for (QPushButton* button : {d.newButton(), d.deleteButton(), d.cancelButton(), d.okButton()}) {
        const int captionWidth = m.textWidth(toWindows1252(button->text()));
        EXPECT_EQ(button->geometry(), QRect(x, g, captionWidth + 2 * g, b))
            << button->text().toStdString();
        x += captionWidth + 3 * g;
    }
    EXPECT_TRUE(d.okButton()->isDefault());

    // The column is measured with "Timezone:", the label reads "Time Zone:".
    int column = 0;
    for (const char* text :
         {"Name:", "Latitude:", "Longitude:", "Magnetic Declination:", "Timezone:", "Zone Name:"})
        column = std::max(column, m.textWidth(text));
    EXPECT_EQ(d.label(4)->text(), QStringLiteral("Time Zone:"));
    QWidget* const edits[] = {d.nameEdit(),        d.latitudeEdit(), d.longitudeEdit(),
                              d.declinationEdit(), d.timeZoneEdit(), d.zoneNameBox()};
    for (int row = 0; row < LocationDialog::ROW_COUNT; ++row) {
        const int top = g + (row + 1) * (b + g);
        EXPECT_EQ(d.label(row)->geometry(), QRect(g, top, column, b));
        EXPECT_GE(column, m.textWidth(toWindows1252(d.label(row)->text())));
        EXPECT_EQ(edits[row]->geometry().topLeft(), QPoint(2 * g + column, top));
        EXPECT_EQ(edits[row]->height(), b);
    }
    EXPECT_EQ(d.nameEdit()->width(), m.textWidth("XXXXXXXXXXXXXXXXXXXXXXXXX"));
    EXPECT_EQ(d.latitudeEdit()->width(), m.textWidth("-999.999") + 2 * g);
    EXPECT_EQ(d.timeZoneEdit()->width(), m.textWidth("-99.9") + 2 * g);
    // The Model button beside the declination, inside the dialog.
    const QRect model = d.modelButton()->geometry();
    EXPECT_EQ(model.topLeft(), QPoint(d.declinationEdit()->geometry().right() + 1 + g,
                                      d.declinationEdit()->y()));
    EXPECT_EQ(model.size(), QSize(m.textWidth("Model") + 2 * g, b));
    EXPECT_LE(model.right() + g, d.width() - 1);
    // The zone-name box holds the longest name beside its arrow.
    EXPECT_GE(d.zoneNameBox()->width(),
              m.textWidth("America/Argentina/Buenos_Aires") + m.scrollBarWidth);
    EXPECT_EQ(d.size(),
              QSize(2 * g + column + d.zoneNameBox()->width() + g, g + 6 * (b + g) + b + g));
}

TEST(LocationDialog, ZoneNameIsEmptyOrOneTheDatabaseKnows) {
    Location cairo{"Cairo", 30.04, -31.24, -4.5, -2.0};
    cairo.zone = "Africa/Cairo";
    LocationList list = places({cairo}, 0);
    OpenDialog d(list);
    QComboBox* zone = d.dialog.zoneNameBox();
    EXPECT_EQ(zone->currentText(), QStringLiteral("Africa/Cairo"));
    EXPECT_GT(zone->findText(QStringLiteral("Europe/London")), 0);
    zone->setEditText(QStringLiteral("Africa/Kairo"));
    d.click(d.dialog.okButton());
    EXPECT_EQ(d.messages, std::vector<std::string>{"Unknown time zone 'Africa/Kairo'"});
    EXPECT_EQ(list.records[0].zone, "Africa/Cairo");
    // Typing the start of a name offers the names that begin with it.
    zone->setEditText(QString());
    QTest::keyClicks(zone->lineEdit(), QStringLiteral("europe/lond"));
    zone->completer()->setCompletionPrefix(zone->lineEdit()->text());
    EXPECT_EQ(zone->completer()->currentCompletion(), QStringLiteral("Europe/London"));
    zone->setEditText(QString());
    d.click(d.dialog.okButton());
    ASSERT_TRUE(d.accepted());
    EXPECT_EQ(list.records[0].zone, "");
}

TEST(LocationDialog, ShowsTheCurrentPlaceRoundedAndOkStoresWhatItShows) {
    LocationList list = places(
        {{"Amsterdam", 52.37, -4.9, 0.0, -1.0}, {"Greenwich", 51.4779, 0.0015, -0.04, 0.0}}, 1);
    OpenDialog d(list);
    EXPECT_FALSE(d.dialog.isNewEntry());
    EXPECT_EQ(d.dialog.nameEdit()->text(), QStringLiteral("Greenwich"));
    EXPECT_EQ(d.dialog.latitudeEdit()->text(), QStringLiteral("51.48"));
    EXPECT_EQ(d.dialog.longitudeEdit()->text(), QStringLiteral("0.00"));
    EXPECT_EQ(d.dialog.declinationEdit()->text(), QStringLiteral("-0.0"));
    EXPECT_EQ(d.dialog.timeZoneEdit()->text(), QStringLiteral("0.0"));
    // A change of letter case only is not applied to the stored name.
    d.dialog.nameEdit()->setText(QStringLiteral("GREENWICH"));
    d.click(d.dialog.okButton());
    ASSERT_TRUE(d.accepted());
    EXPECT_EQ(names(list), (std::vector<std::string>{"Amsterdam", "Greenwich"}));
    EXPECT_DOUBLE_EQ(list.records[1].latitude, 51.48);
    EXPECT_DOUBLE_EQ(list.records[1].longitude, 0.0);
}

TEST(LocationDialog, FirstPlaceOfAnEmptyListBecomesCurrent) {
    LocationList absent; // no settings file was read
    LocationList empty = places({}, -1);
    for (LocationList* list : {&absent, &empty}) {
        OpenDialog d(*list);
        EXPECT_TRUE(d.dialog.isNewEntry());
        EXPECT_TRUE(d.dialog.nameEdit()->text().isEmpty());
        EXPECT_TRUE(d.dialog.latitudeEdit()->text().isEmpty());
        d.click(d.dialog.deleteButton()); // nothing to delete
        d.type("North Pole", "90", "-180", "180", "23.9");
        // Return in a field is the default button, OK.
        QTest::keyClick(d.dialog.timeZoneEdit(), Qt::Key_Return);
        ASSERT_TRUE(d.accepted());
        EXPECT_TRUE(d.messages.empty());
        ASSERT_NE(list->currentLocation(), nullptr);
        EXPECT_EQ(list->currentLocation()->name, "North Pole");
        EXPECT_DOUBLE_EQ(list->currentLocation()->latitude, 90.0);
        EXPECT_DOUBLE_EQ(list->currentLocation()->longitude, -180.0);
        EXPECT_DOUBLE_EQ(list->currentLocation()->timeZone, 23.9);
    }
}

// Each row: the four number texts and the message the first bad one gets.
struct CheckCase {
    const char* lat;
    const char* lon;
    const char* decl;
    const char* zone;
    const char* message;
};

TEST(LocationDialog, RejectsTheFirstBadFieldWithItsMessageAndChangesNothing) {
    const CheckCase cases[] = {
        {"-90", "180", "-180", "24", "Time zone entry out of range"},
        {"90", "-180", "180", "-24", "Time zone entry out of range"},
        {"", "0", "0", "0", "Invalid latitude entry"},
        {"10", " 10", "0", "0", "Invalid longitude entry"},
        {"10", "10", "1 ", "0", "Invalid magnetic declination entry"},
        {"10", "10", "1", "", "Invalid time zone entry"},
        {"45,5", "0", "0", "0", "Latitude entry out of range"},
        {"100", "abc", "0", "0", "Latitude entry out of range"},
        {"0", "180.01", "0", "0", "Longitude entry out of range"},
        {"0", "0", "-181", "0", "Magnetic declination entry out of range"},
    };
    const LocationList before = places({{"Cairo", 30.04, -31.24, -4.5, -2.0}}, 0);
    LocationList list = before;
    OpenDialog d(list);
    for (bool newEntry : {false, true}) {
        if (newEntry) d.click(d.dialog.newButton());
        for (const CheckCase& c : cases) {
            d.messages.clear();
            d.type("Berlin", c.lat, c.lon, c.decl, c.zone);
            d.click(d.dialog.okButton());
            ASSERT_EQ(d.messages, std::vector<std::string>{c.message}) << c.lat << " " << c.lon;
            EXPECT_TRUE(d.dialog.isVisible());
            EXPECT_EQ(d.dialog.isNewEntry(), newEntry);
            ASSERT_EQ(names(list), names(before));
            EXPECT_DOUBLE_EQ(list.records[0].latitude, 30.04);
        }
    }
    // A percent sign divides by a hundred: "10%" is a zone of 0.1 hours.
    d.messages.clear();
    d.type("Berlin", "52.52", "-13.4", "4.0", "10%");
    d.click(d.dialog.okButton());
    ASSERT_TRUE(d.accepted());
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(names(list), (std::vector<std::string>{"Berlin", "Cairo"}));
    EXPECT_DOUBLE_EQ(list.records[0].timeZone, 0.1);
}

TEST(LocationDialog, AfterARefusalTheKeyboardIsOnTheRefusedFieldWithItsTextSelected) {
    LocationList list = places({{"Cairo", 30.04, -31.24, -4.5, -2.0}}, 0);
    OpenDialog d(list);
    struct Case {
        const char* fields[4];
        QLineEdit* refused;
    };
    const Case cases[] = {
        {{"100", "abc", "0", "0"}, d.dialog.latitudeEdit()},
        {{"10", "10", "1 ", "0"}, d.dialog.declinationEdit()},
        {{"10", "10", "1", "99"}, d.dialog.timeZoneEdit()},
    };
    for (const Case& c : cases) {
        d.dialog.nameEdit()->setFocus();
        d.type("Berlin", c.fields[0], c.fields[1], c.fields[2], c.fields[3]);
        d.click(d.dialog.okButton());
        ASSERT_EQ(d.messages.size(), 1u);
        d.messages.clear();
        EXPECT_EQ(d.dialog.focusWidget(), c.refused) << c.fields[0] << " " << c.fields[3];
        EXPECT_EQ(c.refused->selectedText(), c.refused->text());
    }
}

TEST(LocationDialog, NewPlacesGoToTheirSortedPositionAndBecomeCurrent) {
    LocationList list = places({{"Amsterdam", 52.37, -4.9, 0, -1}, {"Cairo", 30, -31, 0, -2}}, 0);
    for (const char* name : {"berlin", "BERLIN"}) {
        OpenDialog d(list);
        d.click(d.dialog.newButton());
        EXPECT_TRUE(d.dialog.isNewEntry());
        EXPECT_TRUE(d.dialog.nameEdit()->text().isEmpty());
        EXPECT_EQ(list.count(), name[0] == 'b' ? 2 : 3); // New alone adds nothing
        d.type(name, "52.52", "-13.40", "4.5", "-1");
        d.click(d.dialog.okButton());
        ASSERT_TRUE(d.accepted());
        EXPECT_EQ(list.currentLocation()->name, name);
    }
    // The twin goes after the place of the same name.
    EXPECT_EQ(names(list), (std::vector<std::string>{"Amsterdam", "berlin", "BERLIN", "Cairo"}));
    EXPECT_EQ(list.current, 2);
}

TEST(LocationDialog, DeleteIsKeptAfterCancelAndTheOnlyPlaceLeavesAnEmptyList) {
    LocationList list = places({{"Amsterdam", 52.37, -4.9, 0, -1},
                                {"Berlin", 52.52, -13.4, 0, -1},
                                {"Cairo", 30.04, -31.24, 0, -2}},
                               2);
    {
        OpenDialog d(list);
        d.click(d.dialog.deleteButton());
        EXPECT_EQ(list.current, 1); // the last was deleted: the one before it
        EXPECT_EQ(d.dialog.nameEdit()->text(), QStringLiteral("Berlin"));
        EXPECT_EQ(d.dialog.latitudeEdit()->text(), QStringLiteral("52.52"));
        EXPECT_FALSE(d.dialog.isNewEntry());
        d.click(d.dialog.cancelButton());
        EXPECT_FALSE(d.dialog.isVisible());
        EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(names(list), (std::vector<std::string>{"Amsterdam", "Berlin"}));

    {
        OpenDialog d(list);
        d.click(d.dialog.deleteButton());
        d.click(d.dialog.deleteButton());
        EXPECT_TRUE(list.present);
        EXPECT_EQ(list.count(), 0);
        EXPECT_EQ(list.currentLocation(), nullptr);
        EXPECT_TRUE(d.dialog.isNewEntry());
        EXPECT_TRUE(d.dialog.nameEdit()->text().isEmpty());
        d.click(d.dialog.deleteButton()); // nothing left: nothing happens
        QTest::keyClick(&d.dialog, Qt::Key_Escape);
        EXPECT_FALSE(d.dialog.isVisible());
        EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    }
}

TEST(LocationDialog, DeleteNeverRemovesAPlaceThatIsNotShown) {
    LocationList list = places({{"Amsterdam", 52.37, -4.9, 0, -1}, {"Berlin", 52.52, -13.4, 0, -1}},
                               1);
    OpenDialog d(list);
    d.click(d.dialog.newButton()); // the fields now stand for a place not yet made
    d.click(d.dialog.deleteButton());
    d.click(d.dialog.cancelButton());
    EXPECT_EQ(names(list), (std::vector<std::string>{"Amsterdam", "Berlin"}));
    EXPECT_EQ(list.current, 1);
}

TEST(LocationDialog, NameFieldRefusesWhatTheSettingsFileCannotKeep) {
    LocationList list = places({}, 0);
    OpenDialog d(list);
    QLineEdit* name = d.dialog.nameEdit();
    name->setFocus();

    // Characters outside Windows-1252 are refused as typed and as pasted.
    typeKeys(name, QString::fromUtf8("Z\u00FCrich \u6771\u20AC"));
    EXPECT_EQ(name->text(), QString::fromUtf8("Z\u00FCrich \u20AC"));
    QApplication::clipboard()->setText(QString::fromUtf8("\u6771\u4EAC"));
    name->paste();
    EXPECT_EQ(name->text(), QString::fromUtf8("Z\u00FCrich \u20AC"));

    // At most 255 characters, the most a name in the settings file keeps.
    name->clear();
    typeKeys(name, QString(300, QLatin1Char('a')));
    EXPECT_EQ(name->text().size(), 255);

    // What was accepted survives a save and a load unchanged.
    d.type("Z\u00FCrich \u20AC", "47.37", "-8.54", "2.9", "-1");
    d.click(d.dialog.okButton());
    ASSERT_TRUE(d.accepted());
    ASSERT_EQ(list.currentLocation()->name, "Z\xFCrich \x80");
    const SettingsRead loaded = parseSettingsText(settingsText(list, Preferences{}));
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    EXPECT_EQ(names(loaded.list), names(list));
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

// Typing "tromso" offers Tromso, Norway; choosing it fills the fields with
// values the dialog's own checks accept, and OK stores them.
TEST(LocationDialog, ChoosingACityOfTheAtlasFillsThePlace) {
    LocationList list = places({{"Greenwich", 51.48, 0.0, 0.0, 0.0}}, 0);
    OpenDialog d(list);
    d.dialog.setModelDate({2026, 7, 1});
    d.click(d.dialog.newButton());
    QTest::keyClicks(d.dialog.nameEdit(), "tromso");
    QAbstractItemView* popup = d.dialog.cityCompleter()->popup();
    ASSERT_TRUE(popup->isVisible());
    const QModelIndex first = popup->model()->index(0, 0);
    EXPECT_EQ(first.data().toString(), QStringLiteral("Troms\u00f8, Norway"));
    popup->setCurrentIndex(first);
    QTest::keyClick(popup, Qt::Key_Return);

    EXPECT_EQ(d.dialog.nameEdit()->text(), QStringLiteral("Troms\u00f8"));
    EXPECT_EQ(d.dialog.latitudeEdit()->text(), QStringLiteral("69.64"));
    EXPECT_EQ(d.dialog.longitudeEdit()->text(), QStringLiteral("-18.99"));
    const double model = modelDeclination(69.635, -18.992, {2026, 7, 1}).degrees;
    EXPECT_NEAR(d.dialog.declinationEdit()->text().toDouble(), model, 0.051);
    EXPECT_EQ(d.dialog.timeZoneEdit()->text(), QStringLiteral("-1.0"));
    EXPECT_EQ(d.dialog.zoneNameBox()->currentText(), QStringLiteral("Europe/Oslo"));
    d.click(d.dialog.okButton());
    ASSERT_TRUE(d.accepted()) << (d.messages.empty() ? "" : d.messages[0]);
    ASSERT_EQ(list.count(), 2);
    const Location& stored = list.records[1];
    EXPECT_EQ(stored.name, "Troms\xF8");
    EXPECT_DOUBLE_EQ(stored.latitude, 69.64);
    EXPECT_DOUBLE_EQ(stored.longitude, -18.99);
    EXPECT_DOUBLE_EQ(stored.timeZone, -1.0);
    EXPECT_EQ(stored.zone, "Europe/Oslo");

    // Saved and read back as the next start reads it.
    const SettingsRead read = parseSettingsText(settingsText(list, Preferences{}));
    EXPECT_EQ(read.load, SettingsLoad::Loaded);
    const LocationList& back = read.list;
    EXPECT_EQ(back.records[1].name, stored.name);
    EXPECT_DOUBLE_EQ(back.records[1].latitude, 69.64);
    EXPECT_EQ(back.records[1].zone, "Europe/Oslo");
}

TEST(LocationDialog, ModelButtonFillsTheDeclinationOrNamesTheBadField) {
    LocationList list = places({{"Greenwich", 51.48, 0.0, 0.0, 0.0}}, 0);
    OpenDialog d(list);
    d.dialog.setModelDate({2026, 7, 1});
    d.type("New York", "40.71", "74.01", "0.0", "5.0");
    d.click(d.dialog.modelButton());
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(d.dialog.declinationEdit()->text(),
              toQString(formatText("%1f", modelDeclination(40.71, 74.01, {2026, 7, 1}).degrees)));
    EXPECT_LT(d.dialog.declinationEdit()->text().toDouble(), -12.0); // west of true north

    d.dialog.longitudeEdit()->setText(QStringLiteral("east"));
    d.click(d.dialog.modelButton());
    EXPECT_EQ(d.messages, std::vector<std::string>{"Invalid longitude entry"});
    EXPECT_EQ(d.dialog.focusWidget(), d.dialog.longitudeEdit());
}

} // namespace
} // namespace skyledger
