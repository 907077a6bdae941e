// The "Day Details" window: the graph of the Sun's and the Moon's altitude
// through the main window's date, and the day's twilights, golden and blue
// hours, day length, transits, coming phases and the reasons for missing
// events. It paints the details the application state holds, which the
// session recomputes with the day after every change in the main window; a
// line marks the current time while the date is today at the place.
#pragma once

#include <QDateTime>
#include <functional>
#include <optional>

#include "reports/details_drawing.h"
#include "reports/report_window.h"

class QPushButton;

namespace skyledger {

class DetailsWindow : public ReportWindow {
    Q_OBJECT

  public:
    // The source of the current time, in UTC.
    using Clock = std::function<QDateTime()>;

    // A report window that follows the day: the details come with it.
    DetailsWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner = nullptr);

    // The day (and its details) changed: paint them again.
    void dayChanged() override;

    // The current time, for the line at "now"; the system clock unless replaced.
    void setClock(Clock clock);

    [[nodiscard]] const DetailsLayout& layout() const { return layout_; }
    QPushButton* printButton() const { return print_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyLayout();
    void printPage();

    QPushButton* print_ = nullptr;
    Clock clock_;
    DetailsLayout layout_;
};

// The clock time (radians of a day) of `utcNow` at the state's place in its
// time basis, when that falls on the state's date.
[[nodiscard]] std::optional<double> nowOnShownDate(const AppState& state, const QDateTime& utcNow);

} // namespace skyledger
