// The window "Multi-day Chart": the chart's rows as a table of 21 visible
// lines under three buttons, scrolling by whole rows when there are more. It
// paints from the chart table of the application state and computes nothing.
#pragma once

#include "gui/layout_metrics.h"
#include "reports/chart_layout.h"
#include "reports/chart_print.h"
#include "reports/report_window.h"

class QPushButton;
class QScrollBar;

namespace skyledger {

class ChartWindow : public ReportWindow {
    Q_OBJECT

  public:
    static constexpr int MAX_VISIBLE_ROWS = 21;
    static constexpr int PAGE_ROWS = 7;

    // The report window over the session's chart as it is now: it keeps those
    // rows, whatever later requests do to the shared table. The clock
    // preference sizes the time columns and formats the times, so the window
    // paints again whenever the day is recomputed; printing and saving name
    // the place and preferences the rows were computed for. `owner` is the
    // main window.
    ChartWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner = nullptr);

    // The times follow the clock preference, which may just have changed: on
    // another clock the columns are laid out again.
    void dayChanged() override;

    // Where "Save As..." asks for the file: the save dialog unless replaced.
    void setSaveFileChooser(SaveFileChooser choose) { chooseTextFile_ = std::move(choose); }

    [[nodiscard]] int topRow() const { return topRow_; }
    [[nodiscard]] int visibleRows() const { return visibleRows_; }
    [[nodiscard]] const ChartLayout& chartLayout() const { return layout_; }
    // The scroll bar; null when every row fits.
    [[nodiscard]] QScrollBar* scrollBar() const { return scrollBar_; }
    [[nodiscard]] QPushButton* printButton() const { return printButton_; }
    [[nodiscard]] QPushButton* saveButton() const { return saveButton_; }
    // The top of the table: the header line starts here.
    [[nodiscard]] int tableTop() const { return metrics_.buttonHeight + 2 * metrics_.gap; }
    // The band of the data lines with the rule under the last one: what a
    // scroll step paints again.
    [[nodiscard]] QRect dataLines() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Columns, scroll bar and window size for the current clock.
    void layOut();
    void scrollTo(int row);
    void scrollByNotches(int angleDelta);
    void printChart();
    void saveChart();

    const AppState& state_;
    const ChartTable chart_;
    SaveFileChooser chooseTextFile_;
    ChartLayout layout_;
    bool layoutTwelveHour_ = false;
    int rowCount_ = 0;
    int visibleRows_ = 0;
    int topRow_ = 0;
    int wheelRemainder_ = 0;
    QPushButton* printButton_;
    QPushButton* saveButton_;
    QScrollBar* scrollBar_ = nullptr;
};

} // namespace skyledger
