// The window "Multi-day Chart": the chart's rows as a table of 21 visible
// lines under three buttons, scrolling by whole rows when there are more. It
// paints from the chart table of the application state and computes nothing.
#pragma once

#include <QPointer>
#include <QWidget>

#include "gui/layout_metrics.h"
#include "reports/chart_layout.h"
#include "reports/chart_print.h"

class QPushButton;
class QScrollBar;

namespace skyledger {

struct AppState;

class ChartWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int MAX_VISIBLE_ROWS = 21;
    static constexpr int PAGE_ROWS = 7;

    // What the buttons reach outside the window; each left empty gets the
    // desktop's own (the print dialog, the save dialog, a message box).
    struct Services {
        std::function<void(const PageRoutine&)> print;
        SaveFileChooser chooseTextFile;
        MessageSink messages;
    };

    // The window over the chart of `state` as it is now: it keeps those rows,
    // whatever later requests do to the shared table. The clock preference
    // sizes the time columns now and formats the times at every painting;
    // printing and saving use the current place and preferences. `owner` is
    // the main window.
    ChartWindow(const LayoutMetrics& metrics, const AppState& state, QWidget* owner,
                Services services = {});

    [[nodiscard]] int topRow() const { return topRow_; }
    [[nodiscard]] int visibleRows() const { return visibleRows_; }
    [[nodiscard]] const ChartLayout& chartLayout() const { return layout_; }
    // The scroll bar; null when every row fits.
    [[nodiscard]] QScrollBar* scrollBar() const { return scrollBar_; }
    [[nodiscard]] QPushButton* cancelButton() const { return cancelButton_; }
    [[nodiscard]] QPushButton* printButton() const { return printButton_; }
    [[nodiscard]] QPushButton* saveButton() const { return saveButton_; }
    // The top of the table: the header line starts here.
    [[nodiscard]] int tableTop() const { return metrics_.buttonHeight + 2 * metrics_.gap; }
    // The band of the data lines with the rule under the last one: what a
    // scroll step paints again.
    [[nodiscard]] QRect dataLines() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void scrollTo(int row);
    void scrollByNotches(int angleDelta);
    void printChart();
    void saveChart();

    const LayoutMetrics& metrics_;
    const AppState& state_;
    const ChartTable chart_;
    Services services_;
    ChartLayout layout_;
    int rowCount_ = 0;
    int visibleRows_ = 0;
    int topRow_ = 0;
    int wheelRemainder_ = 0;
    QPushButton* cancelButton_;
    QPushButton* printButton_;
    QPushButton* saveButton_;
    QScrollBar* scrollBar_ = nullptr;
};

// Closes the chart window in `slot` if one is open, then opens a new one for
// the chart of `state` at its first row; the window is deleted when closed.
ChartWindow* replaceChartWindow(QPointer<ChartWindow>& slot, const LayoutMetrics& metrics,
                                const AppState& state, QWidget* owner,
                                ChartWindow::Services services = {});

} // namespace skyledger
