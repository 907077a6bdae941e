#include "reports/details_print.h"

#include <QPainter>
#include <QPrinter>

#include "almanac/app_state.h"
#include "almanac/day_details_text.h"
#include "gui/layout_metrics.h"
#include "reports/details_drawing.h"
#include "reports/print_report.h"

namespace skyledger {

namespace {
// The graph's height in body lines: the page has room for a taller one than
// the window.
constexpr int GRAPH_LINES = 20;
} // namespace

void printDetailsPage(QPrinter& printer, QPainter& painter, const AppState& state,
                      std::optional<double> now) {
    const PrintFonts fonts = makePrintFonts(printer);
    const PageMargins margins = pageMargins(printerGeometry(printer));
    const std::vector<DetailLine> lines = dayDetailLines(state.details, state.preferences);

    painter.save();
    painter.setPen(Qt::black);
    drawReportHead(painter, fonts, margins, detailsTitle(state.currentDate), state);
    const DetailsLayout layout = makeDetailsLayout(
        [&](std::string_view text) { return textWidth(fonts.body, text, &printer); }, lines,
        fonts.bodyLine, fonts.bodyLine / 3, margins.leftMargin,
        margins.topMargin + fonts.headLine + 2 * fonts.bodyLine, 1, GRAPH_LINES,
        printer.width() - margins.leftMargin);
    drawDetailsGraph(painter, layout, state.details, now);
    if (state.details.valid) drawDetailLines(painter, layout, lines);
    painter.restore();
}

} // namespace skyledger
