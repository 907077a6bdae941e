#include "reports/calendar_window.h"

#include <QPainter>
#include <QPushButton>

#include "almanac/almanac_session.h"
#include "almanac/report_text.h"
#include "gui/colours.h"
#include "gui/layout_metrics.h"
#include "gui/text_drawing.h"
#include "reports/calendar_print.h"

namespace skyledger {

namespace {

constexpr int CLIENT_WIDTH = 700;
// The calendar's share of the client height, below the button row.
constexpr int CALENDAR_HEIGHT = 600;
constexpr int DISC_INSET = 2;

} // namespace

MoonCalendarWindow::MoonCalendarWindow(const LayoutMetrics& metrics, AlmanacSession& session,
                                       QWidget* owner)
    : ReportWindow(metrics, session, owner, QStringLiteral("Moon Calendar"), Follows::Calendar) {
    const int g = metrics.gap;
    const int height = 2 * g + metrics.buttonHeight + CALENDAR_HEIGHT;
    setFixedSize(CLIENT_WIDTH, height);
    placeNear(QPoint(150, 150));
    print_ = addButton("Print");
    connect(print_, &QPushButton::clicked, this, &MoonCalendarWindow::printCalendar);

    area_ = {g, 2 * g + metrics.buttonHeight, CLIENT_WIDTH - g, height - g};
    // Integer arithmetic throughout, so that the seven columns sit centred
    // and the six weeks share the height below the weekday headings.
    cellWidth_ = (area_.right - area_.left - 2 * g) / CALENDAR_WEEKDAYS;
    rowHeight_ = (area_.bottom - area_.top - metrics.lineHeight) / CALENDAR_WEEKS;
    firstColumn_ =
        area_.left + (area_.right - area_.left) / 2 - (CALENDAR_WEEKDAYS * cellWidth_ - 2 * g) / 2;
}

void MoonCalendarWindow::calendarChanged() {
    update();
}

PixelBox MoonCalendarWindow::cellBox(int row, int column) const {
    const int g = metrics_.gap;
    const int top = area_.top + metrics_.lineHeight + g;
    return {firstColumn_ + column * cellWidth_ - g, top + row * rowHeight_,
            firstColumn_ + (column + 1) * cellWidth_ - g, top + (row + 1) * rowHeight_};
}

PixelBox MoonCalendarWindow::innerBox(int row, int column) const {
    const PixelBox cell = cellBox(row, column);
    // The strip left along the top and left edges separates the cells.
    return {cell.left + 1, cell.top + 1, cell.right, cell.bottom};
}

void MoonCalendarWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(metrics_.uiFont);
    painter.setPen(Qt::black);
    const int g = metrics_.gap;
    for (int k = 0; k < CALENDAR_WEEKDAYS; ++k)
        drawTextInRow(painter, firstColumn_ + k * cellWidth_,
                      firstColumn_ + k * cellWidth_ + cellWidth_ - 2 * g, area_.top,
                      metrics_.lineHeight, CALENDAR_WEEKDAY_HEADINGS[k], TextAlign::Centre);

    const AppState& state = session_.state();
    const MoonCalendarGrid& grid = state.calendar;
    const bool southern = state.day.southernHemisphere;
    for (int j = 0; j < CALENDAR_WEEKS; ++j) {
        for (int k = 0; k < CALENDAR_WEEKDAYS; ++k) {
            const PixelBox inner = innerBox(j, k);
            const QRect innerRect(inner.left, inner.top, inner.right - inner.left,
                                  inner.bottom - inner.top);
            painter.fillRect(innerRect, GREY);
            const size_t cell = static_cast<size_t>(j * CALENDAR_WEEKDAYS + k);
            const int day = grid.dayNumber[cell];
            if (day == 0) continue;
            // Without a place there are no phases: the days alone.
            if (grid.phasesValid)
                drawMoonDisc(painter, inner, grid.phaseAngle[cell], DISC_INSET, southern);
            painter.setPen(Qt::black);
            drawTextAt(painter, inner.left, inner.top, calendarDayText(day));
            if (grid.phasesValid) {
                painter.setPen(GREY);
                drawTextCentred(painter, innerRect, calendarPercentText(grid.phaseAngle[cell]));
            }
        }
    }
}

void MoonCalendarWindow::printCalendar() {
    const AppState& state = session_.state();
    print([&state](QPrinter& printer, QPainter& painter) {
        printCalendarPages(printer, painter, state);
    });
}

} // namespace skyledger
