// The "Moon Calendar" window: the month of the main window as six weeks of
// seven days, Sunday first, each day's cell with the Moon's disc for that
// day, the day number and the percentage of the disc that is lit. It paints
// the calendar grid the application state holds; while the window is open the
// session keeps that grid on the main window's month and says when it changed.
#pragma once

#include <QWidget>

#include "almanac/almanac_view.h"
#include "gui/moon_disc.h"
#include "reports/print_job.h"

class QPushButton;

namespace skyledger {

class AlmanacSession;
struct LayoutMetrics;

class MoonCalendarWindow : public QWidget, public AlmanacView {
    Q_OBJECT

  public:
    // A window of its own, owned by `owner` (the main window); it deletes
    // itself when closed. Opening it asks the session for the current month;
    // destroying it tells the session that no calendar follows the date any
    // more, so an open calendar is destroyed before another one is made.
    MoonCalendarWindow(const LayoutMetrics& metrics, AlmanacSession& session,
                       QWidget* owner = nullptr);
    ~MoonCalendarWindow() override;

    // The grid holds another month: paint it.
    void calendarChanged() override;
    // Nothing else the session reports concerns this window; the main window
    // shows the messages.
    void dayChanged() override {}
    void trackChanged() override {}
    void showError(const std::string&) override {}

    // Where "Print" sends the page: the print dialog unless replaced.
    void setPrintJob(PrintJob job) { printJob_ = std::move(job); }

    // The cell of week `row` (0..5) and weekday `column` (0 Sunday .. 6), in
    // client pixels, and the grey inner part of it that the disc fills.
    [[nodiscard]] PixelBox cellBox(int row, int column) const;
    [[nodiscard]] PixelBox innerBox(int row, int column) const;

    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* printButton() const { return print_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void print();

    const LayoutMetrics& metrics_;
    AlmanacSession& session_;
    QPushButton* cancel_ = nullptr;
    QPushButton* print_ = nullptr;
    PrintJob printJob_;
    // The calendar rectangle (right and bottom exclusive) and the cells' pitch.
    PixelBox area_;
    int cellWidth_ = 0;
    int rowHeight_ = 0;
    int firstColumn_ = 0;
};

} // namespace skyledger
