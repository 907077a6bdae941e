#include "reports/calendar_print.h"

#include <QPainter>
#include <QPrinter>

#include "almanac/app_state.h"
#include "almanac/display_format.h"
#include "almanac/report_text.h"
#include "gui/colours.h"
#include "gui/moon_disc.h"
#include "gui/text_drawing.h"
#include "reports/print_report.h"

namespace skyledger {

namespace {

const char* const WEEKDAY_HEADINGS[7] = {"S", "M", "T", "W", "T", "F", "S"};
constexpr int WEEKS = 6;
constexpr int WEEKDAYS = 7;

} // namespace

void printCalendarPages(QPrinter& printer, QPainter& painter, const AppState& state) {
    const PrintFonts fonts = makePrintFonts(printer);
    const PrinterGeometry geometry = printerGeometry(printer);
    const PageMargins margins = pageMargins(geometry);
    const int s = fonts.blankWidth;
    const int left = margins.leftMargin;
    const int top = margins.topMargin;

    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(fonts.heading);
    // The title names the month the grid holds, which is the main window's
    // month unless that month's phases could not be computed.
    const MoonCalendarGrid& grid = state.calendar;
    const CivilDate shown =
        grid.month >= 1 ? CivilDate{grid.year, grid.month, 1} : state.currentDate;
    drawTextAt(painter, left, top, calendarTitle(shown));
    painter.setFont(fonts.body);
    if (const Location* location = state.locations.currentLocation())
        drawTextAt(painter, left, top + fonts.headLine,
                   reportLocationLine(*location, state.preferences));
    const int y = top + fonts.headLine + (3 * fonts.bodyLine) / 2;

    // Three quarters of an inch each way, whatever the printer's resolution.
    const int cellWidth = static_cast<int>(geometry.logPixelsX * 0.75);
    const int cellHeight = static_cast<int>(geometry.logPixelsY * 0.75);

    for (int k = 0; k < WEEKDAYS; ++k)
        drawTextInRow(painter, left + k * cellWidth, left + k * cellWidth + cellWidth - 2 * s, y,
                      fonts.bodyLine, WEEKDAY_HEADINGS[k], TextAlign::Centre);

    const int firstRowTop = y + fonts.bodyLine + s;
    const int gridLeft = left - s;
    const bool southern = state.day.southernHemisphere != 0;
    for (int j = 0; j < WEEKS; ++j) {
        for (int k = 0; k < WEEKDAYS; ++k) {
            const int day = grid.dayNumber[static_cast<size_t>(j * WEEKDAYS + k)];
            if (day == 0) continue;
            const double phase = grid.phaseAngle[static_cast<size_t>(j * WEEKDAYS + k)];
            const PixelBox inner{gridLeft + k * cellWidth + 2, firstRowTop + j * cellHeight + 2,
                                 gridLeft + (k + 1) * cellWidth,
                                 firstRowTop + (j + 1) * cellHeight};
            if (grid.phasesValid) drawMoonDisc(painter, inner, phase, 2 * s, southern);
            painter.setPen(Qt::black);
            drawTextAt(painter, inner.left, inner.top, calendarDayText(day));
            if (grid.phasesValid) {
                painter.setPen(GREY);
                drawTextCentred(painter,
                                QRect(inner.left, inner.top, inner.right - inner.left,
                                      inner.bottom - inner.top),
                                calendarPercentText(phase));
            }
        }
    }

    painter.setPen(QPen(GREY, 1));
    for (int j = 0; j <= WEEKS; ++j)
        drawHorizontalLine(painter, gridLeft, gridLeft + WEEKDAYS * cellWidth,
                           firstRowTop + j * cellHeight);
    for (int k = 0; k <= WEEKDAYS; ++k)
        drawVerticalLine(painter, gridLeft + k * cellWidth, firstRowTop,
                         firstRowTop + WEEKS * cellHeight);
    painter.restore();
}

} // namespace skyledger
