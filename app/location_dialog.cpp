// The Location Properties dialog: its run-time layout from the layout metrics,
// showing a place, and the four commands.
#include "app/location_dialog.h"

#include <QCompleter>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QValidator>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "almanac/atlas_place.h"
#include "almanac/local_time.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "support/messages.h"
#include "settings/city_atlas.h"
#include "settings/location_list.h"
#include "support/format_text.h"

namespace skyledger {

namespace {

// A name must survive the settings file unchanged: a character the file's
// encoding cannot hold is refused as it is typed or pasted, instead of
// silently becoming '?' at the next start.
class Windows1252Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return fitsWindows1252(input) ? Acceptable : Invalid;
    }
};

// The label texts shown, and the texts the label column is measured with:
// the column was sized for "Timezone:" though the label reads "Time Zone:".
constexpr const char* LABEL_TEXTS[LocationDialog::ROW_COUNT] = {
    "Name:", "Latitude:", "Longitude:", "Magnetic Declination:", "Time Zone:", "Zone Name:"};
constexpr std::string_view MEASURED_LABELS[LocationDialog::ROW_COUNT] = {
    "Name:", "Latitude:", "Longitude:", "Magnetic Declination:", "Timezone:", "Zone Name:"};

// The longest zone name the field is sized for.
constexpr std::string_view WIDE_ZONE_NAME = "America/Argentina/Buenos_Aires";

QString valueText(const char* format, double value) {
    return toQString(formatText(format, value));
}

// The completer's rows: shown as "Oslo, Norway", completing to "Oslo", and
// knowing their atlas entry.
constexpr int CITY_NAME_ROLE = Qt::UserRole + 1;
constexpr int CITY_INDEX_ROLE = Qt::UserRole + 2;
constexpr size_t CITIES_OFFERED = 20;
constexpr int CITY_ROWS_SHOWN = 8;

CivilDate today() {
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

} // namespace

LocationDialog::LocationDialog(LocationList& list, const LayoutMetrics& metrics, QWidget* parent)
    : QDialog(parent), list_(list) {
    setWindowTitle(QStringLiteral("Location Properties"));
    setModal(true);
    setFont(metrics.uiFont);

    newButton_ = new QPushButton(QStringLiteral("New"), this);
    deleteButton_ = new QPushButton(QStringLiteral("Delete"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setDefault(true);
    modelButton_ = new QPushButton(QStringLiteral("Model"), this);
    modelButton_->setToolTip(QStringLiteral("The World Magnetic Model's declination at this "
                                            "latitude and longitude today"));
    modelDate_ = today();
    for (int row = 0; row < ROW_COUNT; ++row) {
        labels_[row] = new QLabel(QString::fromLatin1(LABEL_TEXTS[row]), this);
        labels_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    nameEdit_ = new QLineEdit(this);
    latitudeEdit_ = new QLineEdit(this);
    longitudeEdit_ = new QLineEdit(this);
    declinationEdit_ = new QLineEdit(this);
    timeZoneEdit_ = new QLineEdit(this);
    zoneNameBox_ = new QComboBox(this);
    zoneNameBox_->setEditable(true);
    zoneNameBox_->setInsertPolicy(QComboBox::NoInsert);
    zoneNameBox_->setMaxVisibleItems(8);
    zoneNameBox_->addItem(QString());
    for (const std::string& zone : zoneNames())
        zoneNameBox_->addItem(QString::fromStdString(zone));
    zoneNameBox_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    zoneNameBox_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    nameEdit_->setMaxLength(static_cast<int>(MAX_NAME_LENGTH));
    nameEdit_->setValidator(new Windows1252Validator(nameEdit_));
    cityMatches_ = new QStandardItemModel(this);
    cityCompleter_ = new QCompleter(cityMatches_, this);
    cityCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    cityCompleter_->setCompletionRole(CITY_NAME_ROLE);
    cityCompleter_->setMaxVisibleItems(CITY_ROWS_SHOWN);
    nameEdit_->setCompleter(cityCompleter_);

    QWidget* const tabOrder[] = {nameEdit_,     latitudeEdit_, longitudeEdit_, declinationEdit_,
                                 modelButton_,  timeZoneEdit_, zoneNameBox_,   newButton_,
                                 deleteButton_, cancelButton_, okButton_};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    nameEdit_->setFocus();

    layOut(metrics);

    connect(newButton_, &QPushButton::clicked, this, &LocationDialog::startNew);
    connect(deleteButton_, &QPushButton::clicked, this, &LocationDialog::deleteCurrent);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton_, &QPushButton::clicked, this, &LocationDialog::confirm);
    connect(modelButton_, &QPushButton::clicked, this, &LocationDialog::fillModelDeclination);
    connect(nameEdit_, &QLineEdit::textEdited, this, &LocationDialog::offerCities);
    connect(cityCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &LocationDialog::chooseCity);

    showCurrentOrEmpty();
}

void LocationDialog::setMessageSink(MessageSink sink) {
    messageSink_ = std::move(sink);
}

// Everything is placed in pixels from the metrics, so the dialog follows the
// measured font: G is the gap, B the height of buttons and fields.
void LocationDialog::layOut(const LayoutMetrics& m) {
    const int g = m.gap;
    const int b = m.buttonHeight;

    int x = g;
    for (QPushButton* button : {newButton_, deleteButton_, cancelButton_, okButton_}) {
        const int width = m.textWidth(toWindows1252(button->text())) + 2 * g;
        button->setGeometry(x, g, width, b);
        x += width + g;
    }

    int labelWidth = 0;
    for (std::string_view text : MEASURED_LABELS)
        labelWidth = std::max(labelWidth, m.textWidth(text));
    const int editColumn = 2 * g + labelWidth;

    const int nameWidth = m.textWidth(std::string(25, 'X'));
    const int angleWidth = m.textWidth("-999.999") + 2 * g;
    const int zoneWidth = m.textWidth("-99.9") + 2 * g;
    const int zoneNameWidth =
        std::max(nameWidth, m.textWidth(WIDE_ZONE_NAME) + 2 * g + m.scrollBarWidth);
    QWidget* const edits[ROW_COUNT] = {nameEdit_,        latitudeEdit_, longitudeEdit_,
                                       declinationEdit_, timeZoneEdit_, zoneNameBox_};
    const int widths[ROW_COUNT] = {nameWidth,  angleWidth, angleWidth,
                                   angleWidth, zoneWidth,  zoneNameWidth};
    int rowTop = 0;
    for (int row = 0; row < ROW_COUNT; ++row) {
        rowTop = g + (row + 1) * (b + g);
        labels_[row]->setGeometry(g, rowTop, labelWidth, b);
        edits[row]->setGeometry(editColumn, rowTop, widths[row], b);
    }
    // The Model button stands beside the declination it fills.
    const QRect declination = declinationEdit_->geometry();
    modelButton_->setGeometry(declination.right() + 1 + g, declination.top(),
                              m.textWidth(toWindows1252(modelButton_->text())) + 2 * g, b);
    // rowTop is now the top of the zone-name row, the last one.
    setFixedSize(std::max(x, editColumn + zoneNameWidth + g), rowTop + b + g);
}

void LocationDialog::showCurrentOrEmpty() {
    if (const Location* loc = list_.currentLocation()) {
        showLocation(*loc);
        setNewEntry(false);
    } else {
        clearFields();
        setNewEntry(true);
    }
}

void LocationDialog::setNewEntry(bool on) {
    newEntry_ = on;
    // The place shown before New is out of sight: Delete must not reach it.
    deleteButton_->setEnabled(!on);
}

void LocationDialog::showLocation(const Location& loc) {
    nameEdit_->setText(toQString(loc.name));
    latitudeEdit_->setText(valueText("%2f", loc.latitude));
    longitudeEdit_->setText(valueText("%2f", loc.longitude));
    declinationEdit_->setText(valueText("%1f", loc.magneticDeclination));
    timeZoneEdit_->setText(valueText("%1f", loc.timeZone));
    zoneNameBox_->setEditText(toQString(loc.zone));
}

void LocationDialog::clearFields() {
    for (QLineEdit* edit :
         {nameEdit_, latitudeEdit_, longitudeEdit_, declinationEdit_, timeZoneEdit_})
        edit->clear();
    zoneNameBox_->setEditText(QString());
}

void LocationDialog::startNew() {
    clearFields();
    setNewEntry(true);
    nameEdit_->setFocus();
}

// Applied to the list at once: Cancel does not bring the place back.
void LocationDialog::deleteCurrent() {
    if (newEntry_ || list_.currentLocation() == nullptr) return;
    deleteCurrentLocation(list_);
    showCurrentOrEmpty();
}

QLineEdit* LocationDialog::edit(LocationField field) const {
    switch (field) {
    case LocationField::Latitude:
        return latitudeEdit_;
    case LocationField::Longitude:
        return longitudeEdit_;
    case LocationField::MagneticDeclination:
        return declinationEdit_;
    case LocationField::TimeZone:
        return timeZoneEdit_;
    }
    return timeZoneEdit_;
}

void LocationDialog::refuse(const std::string& message, QLineEdit* field) {
    if (messageSink_) messageSink_(this, errorCaption(), toQString(message));
    // Back in the dialog the keyboard is on the refused field, its text
    // selected, so that typing replaces it.
    field->setFocus();
    field->selectAll();
}

void LocationDialog::confirm() {
    const std::string latitude = toWindows1252(latitudeEdit_->text());
    const std::string longitude = toWindows1252(longitudeEdit_->text());
    const std::string declination = toWindows1252(declinationEdit_->text());
    const std::string timeZone = toWindows1252(timeZoneEdit_->text());
    LocationFieldValues values;
    if (const auto refusal =
            validateLocationFields({latitude, longitude, declination, timeZone}, values)) {
        refuse(refusal->message, edit(refusal->field));
        return;
    }
    const std::string zone = toWindows1252(zoneNameBox_->currentText().trimmed());
    if (!zone.empty() && !isKnownZone(zone)) {
        if (messageSink_)
            messageSink_(this, errorCaption(), toQString(unknownZoneMessage(zone)));
        zoneNameBox_->setFocus();
        zoneNameBox_->lineEdit()->selectAll();
        return;
    }
    acceptLocationEdit(list_, newEntry_, toWindows1252(nameEdit_->text()), values);
    list_.currentLocation()->zone = zone;
    accept();
}

// The atlas's matches for the typed name, refilled on every key.
void LocationDialog::offerCities(const QString& typed) {
    cityMatches_->clear();
    const std::span<const City> atlas = cityAtlas();
    for (const City* city : searchCities(toWindows1252(typed), CITIES_OFFERED)) {
        auto* row = new QStandardItem(toQString(cityLabel(*city)));
        row->setData(toQString(city->name), CITY_NAME_ROLE);
        row->setData(static_cast<qlonglong>(city - atlas.data()), CITY_INDEX_ROLE);
        cityMatches_->appendRow(row);
    }
}

// A chosen city fills every field; each stays editable.
void LocationDialog::chooseCity(const QModelIndex& index) {
    const qlonglong at = index.data(CITY_INDEX_ROLE).toLongLong();
    const std::span<const City> atlas = cityAtlas();
    if (at < 0 || at >= static_cast<qlonglong>(atlas.size())) return;
    const Location place = placeFromCity(atlas[static_cast<size_t>(at)], modelDate_);
    nameEdit_->setText(toQString(place.name));
    latitudeEdit_->setText(valueText("%2f", place.latitude));
    longitudeEdit_->setText(valueText("%2f", place.longitude));
    declinationEdit_->setText(valueText("%1f", place.magneticDeclination));
    timeZoneEdit_->setText(valueText("%1f", place.timeZone));
    zoneNameBox_->setEditText(toQString(place.zone));
}

// The model's declination for the latitude and longitude as typed; the
// fields are checked as OK checks them.
void LocationDialog::fillModelDeclination() {
    const std::string latitude = toWindows1252(latitudeEdit_->text());
    const std::string longitude = toWindows1252(longitudeEdit_->text());
    LocationFieldValues values;
    if (const auto refusal = validateLocationFields({latitude, longitude, "0", "0"}, values)) {
        refuse(refusal->message, edit(refusal->field));
        return;
    }
    const ModelDeclination d = modelDeclination(values.latitude, values.longitude, modelDate_);
    declinationEdit_->setText(valueText("%1f", d.degrees));
}

} // namespace skyledger
