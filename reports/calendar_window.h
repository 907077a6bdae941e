// The "Moon Calendar" window: the month of the main window as six weeks of
// seven days, Sunday first, each day's cell with the Moon's disc for that
// day, the day number and the percentage of the disc that is lit. It paints
// the calendar grid the application state holds; while the window is open the
// session keeps that grid on the main window's month and says when it changed.
#pragma once

#include "gui/moon_disc.h"
#include "reports/report_window.h"

class QPushButton;

namespace skyledger {

class MoonCalendarWindow : public ReportWindow {
    Q_OBJECT

  public:
    // A report window that follows the calendar: the session computes the
    // current month now and keeps the grid on the main window's month while
    // the window lives.
    MoonCalendarWindow(const LayoutMetrics& metrics, AlmanacSession& session,
                       QWidget* owner = nullptr);

    // The grid holds another month: paint it.
    void calendarChanged() override;

    // The cell of week `row` (0..5) and weekday `column` (0 Sunday .. 6), in
    // client pixels, and the grey inner part of it that the disc fills.
    [[nodiscard]] PixelBox cellBox(int row, int column) const;
    [[nodiscard]] PixelBox innerBox(int row, int column) const;

    QPushButton* printButton() const { return print_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void printCalendar();

    QPushButton* print_ = nullptr;
    // The calendar rectangle (right and bottom exclusive) and the cells' pitch.
    PixelBox area_;
    int cellWidth_ = 0;
    int rowHeight_ = 0;
    int firstColumn_ = 0;
};

} // namespace skyledger
