#include "reports/track_print.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "almanac/app_state.h"
#include "almanac/display_format.h"
#include "almanac/report_text.h"
#include "almanac/track.h"
#include "gui/colours.h"
#include "gui/layout_metrics.h"
#include "gui/text_drawing.h"
#include "reports/print_report.h"
#include "reports/track_layout.h"

namespace skyledger {

namespace {


// The rows of each half of the page: 48, or up to 50 on a 25-hour day.
int samplesPerHalf(const TrackTable& track) {
    return std::max(TRACK_SAMPLES / 2, (track.count + 1) / 2);
}

void drawSample(QPainter& p, const TrackLayout& t, const TrackSample& sample, bool twelveHour,
                int y, int line) {
    p.setPen(Qt::black);
    drawTextAt(p, t.time, y, trackTimeText(sample, twelveHour));
    p.setPen(sample.sunAltitude > 0.0 ? QColor(Qt::black) : GREY);
    drawTextInRow(p, t.sunAlt, t.sunAlt + t.altWidth, y, line, altitudeText(sample.sunAltitude),
                  TextAlign::Left);
    drawTextInRow(p, t.sunAz, t.sunAz + t.azWidth, y, line, formatBearing(sample.sunBearing),
                  TextAlign::Left);
    drawTextInRow(p, t.sunShad, t.sunShad + t.shadWidth, y, line, shadowText(sample.sunAltitude),
                  TextAlign::Left);
    p.setPen(sample.moonAltitude > 0.0 ? QColor(Qt::black) : GREY);
    drawTextInRow(p, t.moonAlt, t.moonAlt + t.altWidth, y, line, altitudeText(sample.moonAltitude),
                  TextAlign::Left);
    drawTextInRow(p, t.moonAz, t.moonAz + t.azWidth, y, line, formatBearing(sample.moonBearing),
                  TextAlign::Left);
}

void drawGrid(QPainter& p, const TrackLayout& t, int s, int y0, int line, int rows) {
    const int gridTop = y0 - line;
    const int gridBottom = y0 + rows * line;
    for (int j = 0; j <= rows + 1; ++j)
        drawHorizontalLine(p, t.time, t.tableRight - s, gridTop + j * line);
    for (const int x : {t.sunAlt, t.sunAz, t.sunShad, t.moonAlt, t.moonAz})
        drawVerticalLine(p, x - s, gridTop, gridBottom);
}

TrackLayout shifted(TrackLayout t, int dx) {
    for (int* x : {&t.time, &t.sunAlt, &t.sunAz, &t.sunShad, &t.moonAlt, &t.moonAz, &t.tableRight})
        *x += dx;
    return t;
}

} // namespace

void drawTrackHeadLines(QPainter& p, const TrackLayout& t, int y, int line) {
    drawTextInRow(p, t.sunAlt, t.sunShad + t.shadWidth, y, line, "Sun", TextAlign::Centre);
    drawTextInRow(p, t.moonAlt, t.moonAz + t.azWidth, y, line, "Moon", TextAlign::Centre);
    const int y2 = y + line;
    drawTextInRow(p, t.time, t.time + t.timeWidth, y2, line, "Time", TextAlign::Centre);
    drawTextInRow(p, t.sunAlt, t.sunAlt + t.altWidth, y2, line, "Alt", TextAlign::Centre);
    drawTextInRow(p, t.sunAz, t.sunAz + t.azWidth, y2, line, "Az", TextAlign::Centre);
    drawTextInRow(p, t.sunShad, t.sunShad + t.shadWidth, y2, line, "Shad", TextAlign::Centre);
    drawTextInRow(p, t.moonAlt, t.moonAlt + t.altWidth, y2, line, "Alt", TextAlign::Centre);
    drawTextInRow(p, t.moonAz, t.moonAz + t.azWidth, y2, line, "Az", TextAlign::Centre);
}

void printTrackPages(QPrinter& printer, QPainter& painter, const AppState& state) {
    const PrintFonts fonts = makePrintFonts(printer);
    const PageMargins margins = pageMargins(printerGeometry(printer));
    const int s = fonts.blankWidth;
    const int line = fonts.bodyLine;
    const bool twelveHour = state.preferences.twelveHourClock;
    const auto bodyWidth = [&](std::string_view text) {
        return textWidth(fonts.body, text, &printer);
    };
    const TrackLayout left = makeTrackLayout(bodyWidth, s, margins.leftMargin, twelveHour,
                                             state.track.widestOffsetNote());
    const TrackLayout right = shifted(left, left.tableRight + bodyWidth("  "));

    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(fonts.heading);
    drawTextAt(painter, margins.leftMargin, margins.topMargin, trackTitle(state.currentDate));
    painter.setFont(fonts.body);
    if (const Location* location = state.locations.currentLocation())
        drawTextAt(painter, margins.leftMargin, margins.topMargin + fonts.headLine,
                   reportLocationLine(*location, state.preferences, state.currentDate));

    const int y = margins.topMargin + fonts.headLine + (3 * line) / 2;
    drawTrackHeadLines(painter, left, y, line);
    drawTrackHeadLines(painter, right, y, line);
    const int y0 = y + 2 * line;
    const int half = samplesPerHalf(state.track);
    if (state.track.valid) {
        for (int i = 0; i < state.track.count; ++i) {
            const bool firstHalf = i < half;
            drawSample(painter, firstHalf ? left : right,
                       state.track.samples[static_cast<size_t>(i)], twelveHour,
                       y0 + (firstHalf ? i : i - half) * line, line);
        }
    }
    painter.setPen(QPen(GREY, 1));
    drawGrid(painter, left, s, y0, line, half);
    drawGrid(painter, right, s, y0, line, half);
    painter.restore();
}

} // namespace skyledger
