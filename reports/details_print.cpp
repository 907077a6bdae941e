#include "reports/details_print.h"

#include <QPainter>
#include <QPrinter>

#include "almanac/app_state.h"
#include "almanac/day_details_text.h"
#include "almanac/display_format.h"
#include "app/layout_metrics.h"
#include "reports/details_drawing.h"
#include "reports/print_report.h"
#include "reports/text_drawing.h"

namespace skyledger {

void printDetailsPage(QPrinter& printer, QPainter& painter, const AppState& state,
                      std::optional<double> now) {
    const PrintFonts fonts = makePrintFonts(printer);
    const PageMargins margins = pageMargins(printerGeometry(printer));
    const std::vector<DetailLine> lines = dayDetailLines(state.details, state.preferences);

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(fonts.heading);
    drawTextAt(painter, margins.leftMargin, margins.topMargin, detailsTitle(state.currentDate));
    painter.setFont(fonts.body);
    if (const Location* location = state.locations.currentLocation())
        drawTextAt(painter, margins.leftMargin, margins.topMargin + fonts.headLine,
                   reportLocationLine(*location, state.preferences));
    const DetailsLayout layout = makeDetailsLayout(
        [&](std::string_view text) { return textWidth(fonts.body, text, &printer); }, lines,
        fonts.bodyLine, fonts.blankWidth, margins.leftMargin,
        margins.topMargin + fonts.headLine + 2 * fonts.bodyLine, 1,
        printer.width() - margins.leftMargin);
    drawDetailsGraph(painter, layout, state.details, now);
    if (state.details.valid) drawDetailLines(painter, layout, lines);
    painter.restore();
}

} // namespace skyledger
