#include "reports/chart_print.h"

#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>

#include "almanac/app_state.h"
#include "almanac/chart_export.h"
#include "almanac/display_format.h"
#include "gui/colours.h"
#include "gui/layout_metrics.h"
#include "gui/moon_disc.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "gui/text_drawing.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "support/format_text.h"

namespace skyledger {

namespace {

const char* const TITLE = "Sun/Moon Rise/Set Information";

// Where a page's text goes; everything the page routine draws with.
struct ChartPage {
    QPrinter& printer;
    QPainter& painter;
    const PrintFonts& fonts;
    const PageMargins& margins;
    const ChartLayout& layout;
};

// The title block and the column heads; gives the top of the first data line.
int printPageHead(const ChartPage& p, int pageNumber, const std::string& locationLine) {
    p.painter.setFont(p.fonts.heading);
    if (pageNumber == 1) {
        drawTextAt(p.painter, p.margins.leftMargin, p.margins.topMargin, TITLE);
        p.painter.setFont(p.fonts.body);
        drawTextAt(p.painter, p.margins.leftMargin, p.margins.topMargin + p.fonts.headLine,
                   locationLine);
    } else {
        drawTextAt(p.painter, p.margins.leftMargin, p.margins.topMargin,
                   formatText("%s     Page %d", TITLE, pageNumber));
    }
    p.painter.setFont(p.fonts.body);
    const int y = chartFirstRowTop(p.fonts, p.margins, pageNumber) - p.fonts.bodyLine;
    for (const ChartHead& head : chartHeads(p.layout))
        drawTextInRow(p.painter, head.left, head.right, y, p.fonts.bodyLine, head.text,
                      TextAlign::Centre);
    return y + p.fonts.bodyLine;
}

void printRow(const ChartPage& p, const ChartRow& row, int y, bool twelveHourClock) {
    const ChartLayout& l = p.layout;
    const int h = p.fonts.bodyLine;
    const ChartRowTexts texts = chartRowTexts(row, twelveHourClock);
    drawTextInRow(p.painter, l.dateX, l.dateX + l.dateWidth, y, h, texts.date, TextAlign::Left);
    for (int event = 0; event < CHART_EVENTS; ++event) {
        drawTextInRow(p.painter, l.timeX[event], l.timeX[event] + l.timeWidth, y, h,
                      texts.time[event], TextAlign::Right);
        drawTextInRow(p.painter, l.bearingX[event], l.bearingX[event] + l.bearingWidth, y, h,
                      texts.bearing[event], TextAlign::Right);
    }
    drawTextInRow(p.painter, l.illumX, l.illumX + l.illumWidth, y, h, texts.illumination,
                  TextAlign::Right);
    drawMoonDisc(p.painter, PixelBox{l.discX, y, l.discX + l.discSize, y + l.discSize},
                 row.numbers.moonPhaseAngle, 1, row.numbers.southernHemisphere);
}

// The rules of one page's rows; the heads above them are not ruled.
void printGrid(const ChartPage& p, int tableTop, int rowsOnPage) {
    QPainter& painter = p.painter;
    painter.save();
    painter.setPen(QPen(GREY, 1, Qt::SolidLine));
    const int bottom = tableTop + rowsOnPage * p.fonts.bodyLine;
    // Lines end one pixel short of their end point, as the pages were drawn.
    const int right = p.layout.tableRight - p.layout.gap - 1;
    for (int i = 0; i <= rowsOnPage; ++i) {
        const int y = tableTop + i * p.fonts.bodyLine;
        painter.drawLine(p.margins.leftMargin, y, right, y);
    }
    if (rowsOnPage > 0)
        for (const int x : chartRuleXs(p.layout))
            painter.drawLine(x, tableTop, x, bottom - 1);
    painter.restore();
}

// The preferences a chart is printed and saved with: its own time basis and
// bearing reference, the rows having been computed in them, and the clock
// the window shows now.
Preferences shownPreferences(const ChartTable& chart, const AppState& state) {
    Preferences shown = chart.preferences;
    shown.twelveHourClock = state.preferences.twelveHourClock;
    return shown;
}

} // namespace

ChartLayout printChartLayout(const PrintFonts& fonts, const PageMargins& margins,
                             bool twelveHourClock, const QPrinter& printer) {
    const TextMeasure measure = [&](std::string_view text) {
        return textWidth(fonts.body, text, &printer);
    };
    return makeChartLayout(measure, fonts.blankWidth, fonts.bodyLine, margins.leftMargin,
                           twelveHourClock);
}

int chartFirstRowTop(const PrintFonts& fonts, const PageMargins& margins, int pageNumber) {
    const int headsTop = pageNumber == 1
                             ? margins.topMargin + fonts.headLine + (3 * fonts.bodyLine) / 2
                             : margins.topMargin + (3 * fonts.headLine) / 2;
    return headsTop + fonts.bodyLine;
}

void printChartPages(QPrinter& printer, QPainter& painter, const ChartTable& chart,
                     const AppState& state, const PageMargins& margins) {
    const PrintFonts fonts = makePrintFonts(printer);
    const bool twelveHour = state.preferences.twelveHourClock;
    const ChartLayout layout = printChartLayout(fonts, margins, twelveHour, printer);
    const std::string locationLine =
        reportLocationLine(chart.location, shownPreferences(chart, state));
    const ChartPage page{printer, painter, fonts, margins, layout};

    painter.setPen(Qt::black);
    int pageNumber = 1;
    int y = printPageHead(page, pageNumber, locationLine);
    int tableTop = y;
    int rowsOnPage = 0;
    for (const ChartRow& row : chart.rows) {
        // A row that would reach the bottom margin, even just touch it, starts
        // the next page.
        if (y + fonts.bodyLine >= margins.pageBottom && rowsOnPage > 0) {
            printGrid(page, tableTop, rowsOnPage);
            printer.newPage();
            ++pageNumber;
            tableTop = y = printPageHead(page, pageNumber, locationLine);
            rowsOnPage = 0;
        }
        printRow(page, row, y, twelveHour);
        y += fonts.bodyLine;
        ++rowsOnPage;
    }
    printGrid(page, tableTop, rowsOnPage);
}

PageRoutine chartPageRoutine(const ChartTable& chart, const AppState& state) {
    return [&chart, &state](QPrinter& printer, QPainter& painter) {
        printChartPages(printer, painter, chart, state, pageMargins(printerGeometry(printer)));
    };
}

QString chooseChartTextFile(QWidget* owner) {
    // The name is used exactly as typed: no default suffix is set.
    return QFileDialog::getSaveFileName(owner, QStringLiteral("Save Multiday Chart"), QString(),
                                        QStringLiteral("Text (*.txt)"));
}

bool saveChartText(const ChartTable& chart, const AppState& state, const SaveFileChooser& choose,
                   const MessageSink& messages, QWidget* owner) {
    const QString fileName = choose();
    if (fileName.isEmpty()) return false;
    const std::string bytes = chartText(chart, chart.location, shownPreferences(chart, state));
    if (!writeOutputFile(QFile::encodeName(fileName).toStdString(), bytes).ok()) {
        messages(owner, errorCaption(), toQString(CANNOT_CREATE_FILE_MESSAGE));
        return false;
    }
    return true;
}

} // namespace skyledger
