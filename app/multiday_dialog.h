// The request for a multi-day chart: a start date and a number of days. OK
// checks the number and has the chart's rows computed before the dialog
// closes; the chart window then only shows them.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "almanac/civil_calendar.h"
#include "gui/message_sink.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace skyledger {

struct LayoutMetrics;

// Computes the chart's rows for `days` days from `start` into the shared
// chart table; false when nothing could be computed (it reports why itself).
using ChartPreparer = std::function<bool(CivilDate start, int32_t days)>;

class MultiDayDialog : public QDialog {
    Q_OBJECT

  public:
    // The number of days proposed each time the dialog opens.
    static constexpr int32_t PROPOSED_DAYS = 21;

    // `start` is the main window's date; the dialog keeps its own copy. The
    // validation messages go to `messages`, captioned "Error", over the
    // dialog, so that they stay above it.
    MultiDayDialog(const LayoutMetrics& metrics, CivilDate start, ChartPreparer prepareChart,
                   QWidget* owner, MessageSink messages = showMessageBox);

    [[nodiscard]] CivilDate startDate() const { return start_; }

    // The controls, for the tests that drive the dialog as a user would.
    [[nodiscard]] QComboBox* dayBox() const { return dayBox_; }
    [[nodiscard]] QComboBox* monthBox() const { return monthBox_; }
    [[nodiscard]] QComboBox* yearBox() const { return yearBox_; }
    [[nodiscard]] QLineEdit* daysField() const { return daysField_; }
    [[nodiscard]] QPushButton* okButton() const { return okButton_; }
    [[nodiscard]] QPushButton* cancelButton() const { return cancelButton_; }

  private:
    void layOut(const LayoutMetrics& metrics);
    void fillDayBox();
    void dayChosen(int index);
    void monthChosen(int index);
    void yearChosen(int index);
    void confirm();

    CivilDate start_;
    ChartPreparer prepareChart_;
    void showError(const std::string& message);

    MessageSink messages_;
    QPushButton* cancelButton_;
    QPushButton* okButton_;
    QLabel* startLabel_;
    QLabel* daysLabel_;
    QComboBox* dayBox_;
    QComboBox* monthBox_;
    QComboBox* yearBox_;
    QLineEdit* daysField_;
};

} // namespace skyledger
