#include "reports/details_drawing.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "almanac/display_format.h"
#include "astro/constants.h"
#include "gui/qt_text.h"
#include "gui/text_drawing.h"
#include "support/format_text.h"

namespace skyledger {

namespace {

const QColor SUN_COLOUR(240, 140, 0);
const QColor MOON_COLOUR(200, 40, 150);
const QColor NOW_COLOUR(220, 0, 0);
const QColor GRID_COLOUR(128, 128, 128, 120);
// The longest values a details line can have: a missing event named with the
// next one on the 12-hour clock, a twilight that does not happen, and a day
// length with a long change.
const char* const WIDEST_VALUES[] = {"none; next Wed 30 Sep at 12:00AM",
                                     "does not happen (Sun below -18\xB0)",
                                     "23 h 58 min (-58 min 58 s)"};
constexpr int HOUR_STEP = 3;
constexpr int ALTITUDE_STEP = 30;

// Where a clock time (radians of a day) and an altitude (degrees) fall in the
// graph: exactly, for the curves, and on whole pixels, for rules and marks.
double xAt(const QRect& g, double time) {
    return g.left() + time / TWO_PI * g.width();
}

double yAt(const QRect& g, double altitude) {
    return g.top() + (90.0 - altitude) / 180.0 * g.height();
}

int xOfTime(const QRect& g, double time) {
    return static_cast<int>(std::lround(xAt(g, time)));
}

int yOfAltitude(const QRect& g, double altitude) {
    return static_cast<int>(std::lround(yAt(g, altitude)));
}

// Each five minutes in the colour of the Sun's altitude in their middle, one
// rectangle for each run of the same colour.
void drawBands(QPainter& p, const QRect& g, const DayDetails& d) {
    const auto colourAfter = [&](size_t i) {
        return skyBandColour((d.sunAltitude[i] + d.sunAltitude[i + 1]) / 2.0);
    };
    size_t start = 0;
    for (size_t i = 1; i < d.sunAltitude.size(); ++i) {
        const bool last = i + 1 == d.sunAltitude.size();
        if (!last && colourAfter(i) == colourAfter(start)) continue;
        const int x0 = xOfTime(g, static_cast<double>(start) * DETAIL_SAMPLE_STEP);
        const int x1 = xOfTime(g, static_cast<double>(i) * DETAIL_SAMPLE_STEP);
        p.fillRect(QRect(x0, g.top(), x1 - x0, g.height()), colourAfter(start));
        start = i;
    }
}

void drawGrid(QPainter& p, const QRect& g, const DetailsLayout& l) {
    p.setPen(QPen(GRID_COLOUR, 1));
    for (int hour = HOUR_STEP; hour < 24; hour += HOUR_STEP) {
        const int x = xOfTime(g, hour * TWO_PI / 24.0);
        p.drawLine(x, g.top(), x, g.bottom());
    }
    for (int a = -90 + ALTITUDE_STEP; a < 90; a += ALTITUDE_STEP) {
        if (a == 0) continue;
        const int y = yOfAltitude(g, a);
        p.drawLine(g.left(), y, g.right(), y);
    }
    p.setPen(QPen(Qt::black, std::max(1, l.line / 12)));
    const int horizon = yOfAltitude(g, 0.0);
    p.drawLine(g.left(), horizon, g.right(), horizon);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.adjusted(0, 0, -1, -1));
}

void drawLabels(QPainter& p, const QRect& g, const DetailsLayout& l) {
    p.setPen(Qt::black);
    for (int a = -90; a <= 90; a += ALTITUDE_STEP) {
        const int y = yOfAltitude(g, a);
        drawTextInRow(p, l.axisLeft, g.left() - l.line / 4, y - l.line / 2, l.line,
                      formatText("%d%c", a, DEGREE_SIGN), TextAlign::Right);
    }
    for (int hour = 0; hour <= 24; hour += HOUR_STEP) {
        const int x = xOfTime(g, hour * TWO_PI / 24.0);
        drawTextInRow(p, x - l.line * 2, x + l.line * 2, l.hourTop, l.line,
                      formatText("%2d", hour), TextAlign::Centre);
    }
}

void drawCurve(QPainter& p, const QRect& g, const std::array<double, DETAIL_SAMPLES>& altitudes,
               const QColor& colour, int width) {
    QPolygonF curve;
    curve.reserve(static_cast<qsizetype>(altitudes.size()));
    for (size_t i = 0; i < altitudes.size(); ++i)
        curve << QPointF(xAt(g, static_cast<double>(i) * DETAIL_SAMPLE_STEP), yAt(g, altitudes[i]));
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.drawPolyline(curve);
}

// A dot on the horizon at a rise or set, on the curve at a transit.
void drawMark(QPainter& p, const QRect& g, const DetailEvent& e, double altitude,
              const QColor& colour, int radius) {
    if (!e.happens()) return;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawEllipse(QPoint(xOfTime(g, *e.time), yOfAltitude(g, altitude)), radius, radius);
}

// "Sun" and "Moon" in their colours, in the graph's top-left corner.
void drawLegend(QPainter& p, const QRect& g, const DetailsLayout& l) {
    const int pad = l.line / 4;
    const int sample = l.line;
    int x = g.left() + pad;
    const int y = g.top() + pad;
    for (const auto& [name, colour] : {std::pair{"Sun", SUN_COLOUR}, std::pair{"Moon", MOON_COLOUR}}) {
        const int width = p.fontMetrics().horizontalAdvance(toQString(name));
        p.fillRect(QRect(x, y, sample + width + 3 * pad, l.line), QColor(255, 255, 255, 220));
        p.setPen(QPen(colour, std::max(2, l.line / 6)));
        p.drawLine(x + pad, y + l.line / 2, x + pad + sample, y + l.line / 2);
        p.setPen(Qt::black);
        drawTextAt(p, x + 2 * pad + sample, y, name);
        x += sample + width + 4 * pad;
    }
}

} // namespace

QColor skyBandColour(double altitude) {
    if (altitude < -18.0) return QColor(52, 58, 100);
    if (altitude < -12.0) return QColor(80, 92, 150);
    if (altitude < -6.0) return QColor(118, 138, 196);
    if (altitude < -0.8333) return QColor(170, 190, 230);
    return QColor(226, 236, 250);
}

DetailsLayout makeDetailsLayout(const std::function<int(std::string_view)>& width,
                                const std::vector<DetailLine>& lines, int line, int gap, int left,
                                int top, int columns, int graphLines, int minimumRight) {
    DetailsLayout l;
    l.line = line;
    int valueWidth = 0;
    for (const char* value : WIDEST_VALUES)
        valueWidth = std::max(valueWidth, width(value));
    for (const DetailLine& d : lines) {
        l.labelWidth = std::max(l.labelWidth, width(d.label));
        valueWidth = std::max(valueWidth, width(d.value));
    }
    l.valueOffset = l.labelWidth + 2 * gap;
    const int column = l.valueOffset + valueWidth;
    l.columns = columns == 1 ? 1 : 2;
    l.columnLeft[0] = left;
    l.columnLeft[1] = left + column + 4 * gap;
    l.right = std::max(minimumRight, l.columnLeft[l.columns - 1] + column);
    l.axisLeft = left;
    const int axisWidth = width("-90\xB0") + gap;
    // The graph stops short of the right edge by half the last hour's label.
    const int graphRight = l.right - width("24") / 2;
    l.graph = QRect(left + axisWidth, top + line / 2, graphRight - left - axisWidth,
                    graphLines * line);
    l.hourTop = l.graph.bottom() + 1 + gap / 2;
    l.textTop = l.hourTop + line + gap;
    const int rows = static_cast<int>((lines.size() + 1) / static_cast<size_t>(l.columns));
    l.bottom = l.textTop + rows * line;
    return l;
}

void drawDetailsGraph(QPainter& p, const DetailsLayout& l, const DayDetails& d,
                      std::optional<double> now) {
    const QRect& g = l.graph;
    p.save();
    if (d.valid) drawBands(p, g, d);
    drawGrid(p, g, l);
    drawLabels(p, g, l);
    if (d.valid) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setClipRect(g);
        const int curve = std::max(2, l.line / 7);
        drawCurve(p, g, d.moonAltitude, MOON_COLOUR, curve);
        drawCurve(p, g, d.sunAltitude, SUN_COLOUR, curve);
        const int r = std::max(3, l.line / 4);
        drawMark(p, g, d.moonrise, 0.0, MOON_COLOUR, r);
        drawMark(p, g, d.moonset, 0.0, MOON_COLOUR, r);
        drawMark(p, g, d.moonTransit, d.moonTransitAltitude, MOON_COLOUR, r);
        drawMark(p, g, d.sunrise, 0.0, SUN_COLOUR, r);
        drawMark(p, g, d.sunset, 0.0, SUN_COLOUR, r);
        drawMark(p, g, d.solarNoon, d.solarNoonAltitude, SUN_COLOUR, r);
        if (now) {
            p.setPen(QPen(NOW_COLOUR, std::max(2, l.line / 8)));
            const int x = xOfTime(g, *now);
            p.drawLine(x, g.top(), x, g.bottom());
        }
        p.setClipping(false);
        drawLegend(p, g, l);
    }
    p.restore();
}

void drawDetailLines(QPainter& p, const DetailsLayout& l, const std::vector<DetailLine>& lines) {
    const size_t half = l.columns == 1 ? lines.size() : (lines.size() + 1) / 2;
    p.setPen(Qt::black);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int column = i < half ? 0 : 1;
        const int y = l.textTop + static_cast<int>(i < half ? i : i - half) * l.line;
        const int x = l.columnLeft[column];
        drawTextAt(p, x, y, lines[i].label);
        drawTextAt(p, x + l.valueOffset, y, lines[i].value);
    }
}

} // namespace skyledger
