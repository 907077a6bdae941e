#include "reports/track_window.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "almanac/almanac_session.h"
#include "almanac/display_format.h"
#include "almanac/report_text.h"
#include "almanac/track.h"
#include "gui/colours.h"
#include "gui/layout_metrics.h"
#include "gui/text_drawing.h"
#include "reports/track_print.h"

namespace skyledger {

namespace {

constexpr int CLIENT_HEIGHT = 400;
constexpr int INITIAL_WIDTH = 700;
constexpr int NOON_SAMPLE = 48;

} // namespace

TrackWindow::TrackWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner)
    : ReportWindow(metrics, session, owner, QStringLiteral("Alt/Az Table"), Follows::Track) {
    setFocusPolicy(Qt::StrongFocus);
    const int g = metrics.gap;
    print_ = addButton("Print");
    connect(print_, &QPushButton::clicked, this, &TrackWindow::printTable);

    // The lines that fit below the buttons and the two head lines.
    visibleLines_ = (CLIENT_HEIGHT - 3 * g - metrics.buttonHeight) / metrics.lineHeight - 2;
    visibleLines_ = std::clamp(visibleLines_, 1, TRACK_SAMPLES);
    topSample_ = std::min(NOON_SAMPLE, TRACK_SAMPLES - visibleLines_);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setRange(0, TRACK_SAMPLES - visibleLines_);
    scrollBar_->setSingleStep(1);
    // A page keeps one line of the last page in view.
    scrollBar_->setPageStep(std::max(1, visibleLines_ - 1));
    scrollBar_->setValue(topSample_);
    scrollBar_->setTracking(true);
    scrollBar_->setFocusPolicy(Qt::NoFocus);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        topSample_ = value;
        update();
    });
    scrollWithKeys(scrollBar_);

    resize(INITIAL_WIDTH, CLIENT_HEIGHT);
    applyLayout();
    placeNear(QPoint(125, 125));
}

void TrackWindow::applyLayout() {
    layoutTwelveHour_ = session_.state().preferences.twelveHourClock;
    layoutNote_ = session_.state().track.widestOffsetNote();
    layout_ = makeTrackLayout([this](std::string_view text) { return metrics_.textWidth(text); },
                              metrics_.gap, metrics_.gap, layoutTwelveHour_, layoutNote_);
    // As wide as the table and the scroll bar beside it.
    setFixedSize(layout_.tableRight + metrics_.scrollBarWidth, CLIENT_HEIGHT);
    scrollBar_->setGeometry(layout_.tableRight, 0, metrics_.scrollBarWidth, CLIENT_HEIGHT);
}

void TrackWindow::trackChanged() {
    // A change of clock, or a repeated hour's notes, change the width of the Time column.
    if (session_.state().preferences.twelveHourClock != layoutTwelveHour_ ||
        session_.state().track.widestOffsetNote() != layoutNote_)
        applyLayout();
    // A day the clocks change has fewer or more rows.
    const int rows = std::max(session_.state().track.count, visibleLines_);
    scrollBar_->setRange(0, rows - visibleLines_);
    update();
}

int TrackWindow::firstDataLineTop() const {
    return metrics_.buttonHeight + 2 * metrics_.gap + 2 * metrics_.lineHeight;
}

void TrackWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(metrics_.uiFont);
    painter.setPen(Qt::black);
    const TrackLayout& t = layout_;
    const int g = metrics_.gap;
    const int line = metrics_.lineHeight;
    const int y0 = metrics_.buttonHeight + 2 * g;

    drawTrackHeadLines(painter, t, y0, line);
    const int y1 = y0 + line;

    const bool twelveHour = session_.state().preferences.twelveHourClock;
    for (int k = 0; session_.state().track.valid && k < visibleLines_; ++k) {
        const int s = topSample_ + k;
        if (s >= session_.state().track.count) break;
        const TrackSample& sample = session_.state().track.samples[static_cast<size_t>(s)];
        const int y = y0 + (k + 2) * line;
        painter.setPen(Qt::black);
        drawTextInRow(painter, t.time, t.time + t.timeWidth, y, line, trackTimeText(sample, twelveHour),
                      TextAlign::Centre);
        painter.setPen(sample.sunAltitude > 0.0 ? QColor(Qt::black) : GREY);
        drawTextInRow(painter, t.sunAlt, t.sunAlt + t.altWidth, y, line,
                      altitudeText(sample.sunAltitude), TextAlign::Right);
        drawTextInRow(painter, t.sunAz, t.sunAz + t.azWidth, y, line,
                      formatBearing(sample.sunBearing), TextAlign::Right);
        drawTextInRow(painter, t.sunShad, t.sunShad + t.shadWidth, y, line,
                      shadowText(sample.sunAltitude), TextAlign::Right);
        painter.setPen(sample.moonAltitude > 0.0 ? QColor(Qt::black) : GREY);
        drawTextInRow(painter, t.moonAlt, t.moonAlt + t.altWidth, y, line,
                      altitudeText(sample.moonAltitude), TextAlign::Right);
        drawTextInRow(painter, t.moonAz, t.moonAz + t.azWidth, y, line,
                      formatBearing(sample.moonBearing), TextAlign::Right);
    }

    painter.setPen(QPen(GREY, 1));
    const int gridBottom = y0 + (visibleLines_ + 2) * line;
    for (int i = 1; i <= visibleLines_ + 2; ++i)
        drawHorizontalLine(painter, g, t.tableRight - g, y0 + i * line);
    drawVerticalLine(painter, t.sunAlt - g, y0, gridBottom);
    drawVerticalLine(painter, t.moonAlt - g, y0, gridBottom);
    for (const int x : {t.sunAz, t.sunShad, t.moonAz})
        drawVerticalLine(painter, x - g, y1, gridBottom);
}

void TrackWindow::wheelEvent(QWheelEvent* event) {
    QApplication::sendEvent(scrollBar_, event);
}

void TrackWindow::printTable() {
    const AppState& state = session_.state();
    print([&state](QPrinter& printer, QPainter& painter) {
        printTrackPages(printer, painter, state);
    });
    // The table is printed; the window has done its work.
    close();
}

} // namespace skyledger
