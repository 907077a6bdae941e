// The "Day Details" window: the graph of the Sun's and the Moon's altitude
// through the main window's date, and the day's twilights, golden and blue
// hours, day length, transits, coming phases and the reasons for missing
// events. It paints the details the application state holds, which the
// session recomputes with the day after every change in the main window; a
// line marks the current time while the date is today at the place.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

#include "almanac/almanac_view.h"
#include "reports/details_drawing.h"
#include "reports/print_job.h"

class QPushButton;
class QTimer;

namespace skyledger {

class AlmanacSession;
struct AppState;
struct LayoutMetrics;

class DetailsWindow : public QWidget, public AlmanacView {
    Q_OBJECT

  public:
    // The source of the current time, in UTC.
    using Clock = std::function<QDateTime()>;

    // A window of its own, owned by `owner` (the main window); it deletes
    // itself when closed.
    DetailsWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner = nullptr);
    ~DetailsWindow() override;

    // The day (and its details) changed: paint them again.
    void dayChanged() override;
    void trackChanged() override {}
    void calendarChanged() override {}
    void showError(const std::string&) override {}

    // Where "Print" sends the page: the print dialog unless replaced.
    void setPrintJob(PrintJob job) { printJob_ = std::move(job); }
    // The current time, for the line at "now"; the system clock unless replaced.
    void setClock(Clock clock);

    [[nodiscard]] const DetailsLayout& layout() const { return layout_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* printButton() const { return print_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyLayout();
    void print();

    const LayoutMetrics& metrics_;
    AlmanacSession& session_;
    QPushButton* cancel_ = nullptr;
    QPushButton* print_ = nullptr;
    QTimer* minuteTimer_ = nullptr;
    PrintJob printJob_;
    Clock clock_;
    DetailsLayout layout_;
};

// The clock time (radians of a day) of `utcNow` at the state's place in its
// time basis, when that falls on the state's date.
[[nodiscard]] std::optional<double> nowOnShownDate(const AppState& state, const QDateTime& utcNow);

} // namespace skyledger
