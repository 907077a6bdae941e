// The "Location Properties" dialog: shows the current place of the user's
// list and lets the user start a new one, delete the current one, or store
// the edited fields. Every change goes through the list operations of
// settings/location_list.h; the dialog itself only shows and reads texts.
#pragma once

#include <QComboBox>
#include <QDialog>

#include "almanac/civil_calendar.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "settings/location.h"
#include "settings/location_list.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QStandardItemModel;

namespace skyledger {

class LocationDialog : public QDialog {
    Q_OBJECT

  public:
    // The dialog edits `list` in place: Delete at once, New and the edited
    // fields at OK. `list` must outlive the dialog; it is laid out from
    // `metrics` once, here.
    LocationDialog(LocationList& list, const LayoutMetrics& metrics, QWidget* parent = nullptr);

    // Where the check messages go, captioned "Error" and owned by the
    // dialog; a modal message box unless set.
    void setMessageSink(MessageSink sink);

    // The date the magnetic model is asked for (today unless set).
    void setModelDate(const CivilDate& date) { modelDate_ = date; }

    // True while the fields stand for a place not yet in the list.
    [[nodiscard]] bool isNewEntry() const { return newEntry_; }

    // The controls, for the window's tests.
    [[nodiscard]] QLineEdit* nameEdit() const { return nameEdit_; }
    [[nodiscard]] QLineEdit* latitudeEdit() const { return latitudeEdit_; }
    [[nodiscard]] QLineEdit* longitudeEdit() const { return longitudeEdit_; }
    [[nodiscard]] QLineEdit* declinationEdit() const { return declinationEdit_; }
    [[nodiscard]] QLineEdit* timeZoneEdit() const { return timeZoneEdit_; }
    // The IANA time-zone name: editable, with the database's names to pick
    // from and complete; empty for a place without a zone.
    [[nodiscard]] QComboBox* zoneNameBox() const { return zoneNameBox_; }
    [[nodiscard]] QPushButton* newButton() const { return newButton_; }
    [[nodiscard]] QPushButton* deleteButton() const { return deleteButton_; }
    [[nodiscard]] QPushButton* cancelButton() const { return cancelButton_; }
    [[nodiscard]] QPushButton* okButton() const { return okButton_; }
    [[nodiscard]] QPushButton* modelButton() const { return modelButton_; }
    [[nodiscard]] QCompleter* cityCompleter() const { return cityCompleter_; }
    [[nodiscard]] QLabel* label(int row) const { return labels_[row]; }

    static constexpr int ROW_COUNT = 6;

  private:
    void layOut(const LayoutMetrics& m);
    void showCurrentOrEmpty();
    void showLocation(const Location& loc);
    void clearFields();

    // New entry or a place of the list; Delete works on the list's places only.
    void setNewEntry(bool on);
    void startNew();
    void deleteCurrent();
    void confirm();
    void offerCities(const QString& typed);
    void chooseCity(const QModelIndex& index);
    void fillModelDeclination();
    void refuse(const std::string& message, QLineEdit* field);
    [[nodiscard]] QLineEdit* edit(LocationField field) const;

    LocationList& list_;
    MessageSink messageSink_ = showMessageBox;
    bool newEntry_ = false;

    QPushButton* newButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* modelButton_ = nullptr;
    QCompleter* cityCompleter_ = nullptr;
    QStandardItemModel* cityMatches_ = nullptr;
    CivilDate modelDate_;
    QLabel* labels_[ROW_COUNT] = {};
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* latitudeEdit_ = nullptr;
    QLineEdit* longitudeEdit_ = nullptr;
    QLineEdit* declinationEdit_ = nullptr;
    QLineEdit* timeZoneEdit_ = nullptr;
    QComboBox* zoneNameBox_ = nullptr;
};

} // namespace skyledger
