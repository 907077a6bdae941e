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

// The page's grid: three-quarter-inch cells under the weekday headings.
struct CalendarPage {
    QPainter& painter;
    const PrintFonts& fonts;
    int left;      // the headings' left edge
    int cellWidth; // printer pixels
    int cellHeight;
    int firstRowTop; // the first week's top
    int gridLeft;    // the cells' left edge, a blank left of the headings
};

// The title naming the month the grid holds (the main window's month unless
// that month's phases could not be computed) and the location line; gives the
// top of the weekday headings.
int drawCalendarTitle(QPainter& painter, const PrintFonts& fonts, int left, int top,
                      const AppState& state) {
    painter.setFont(fonts.heading);
    const MoonCalendarGrid& grid = state.calendar;
    const CivilDate shown =
        grid.month >= 1 ? CivilDate{grid.year, grid.month, 1} : state.currentDate;
    drawTextAt(painter, left, top, calendarTitle(shown));
    painter.setFont(fonts.body);
    if (const Location* location = state.locations.currentLocation())
        drawTextAt(painter, left, top + fonts.headLine,
                   reportLocationLine(*location, state.preferences));
    return top + fonts.headLine + (3 * fonts.bodyLine) / 2;
}

void drawCalendarCells(const CalendarPage& page, const MoonCalendarGrid& grid, bool southern) {
    QPainter& painter = page.painter;
    const int s = page.fonts.blankWidth;
    for (int j = 0; j < CALENDAR_WEEKS; ++j) {
        for (int k = 0; k < CALENDAR_WEEKDAYS; ++k) {
            const int day = grid.dayNumber[static_cast<size_t>(j * CALENDAR_WEEKDAYS + k)];
            if (day == 0) continue;
            const double phase = grid.phaseAngle[static_cast<size_t>(j * CALENDAR_WEEKDAYS + k)];
            const PixelBox inner{page.gridLeft + k * page.cellWidth + 2,
                                 page.firstRowTop + j * page.cellHeight + 2,
                                 page.gridLeft + (k + 1) * page.cellWidth,
                                 page.firstRowTop + (j + 1) * page.cellHeight};
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
}

void drawCalendarRules(const CalendarPage& page) {
    page.painter.setPen(QPen(GREY, 1));
    for (int j = 0; j <= CALENDAR_WEEKS; ++j)
        drawHorizontalLine(page.painter, page.gridLeft,
                           page.gridLeft + CALENDAR_WEEKDAYS * page.cellWidth,
                           page.firstRowTop + j * page.cellHeight);
    for (int k = 0; k <= CALENDAR_WEEKDAYS; ++k)
        drawVerticalLine(page.painter, page.gridLeft + k * page.cellWidth, page.firstRowTop,
                         page.firstRowTop + CALENDAR_WEEKS * page.cellHeight);
}

} // namespace

void printCalendarPages(QPrinter& printer, QPainter& painter, const AppState& state) {
    const PrintFonts fonts = makePrintFonts(printer);
    const PrinterGeometry geometry = printerGeometry(printer);
    const PageMargins margins = pageMargins(geometry);
    const int s = fonts.blankWidth;
    const int left = margins.leftMargin;

    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    const int y = drawCalendarTitle(painter, fonts, left, margins.topMargin, state);
    // Three quarters of an inch each way, whatever the printer's resolution.
    const CalendarPage page{painter,
                            fonts,
                            left,
                            static_cast<int>(geometry.logPixelsX * 0.75),
                            static_cast<int>(geometry.logPixelsY * 0.75),
                            y + fonts.bodyLine + s,
                            left - s};
    for (int k = 0; k < CALENDAR_WEEKDAYS; ++k)
        drawTextInRow(painter, left + k * page.cellWidth,
                      left + k * page.cellWidth + page.cellWidth - 2 * s, y, fonts.bodyLine,
                      CALENDAR_WEEKDAY_HEADINGS[k], TextAlign::Centre);
    drawCalendarCells(page, state.calendar, state.day.southernHemisphere);
    drawCalendarRules(page);
    painter.restore();
}

} // namespace skyledger
