#include "reports/details_window.h"

#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "almanac/almanac_session.h"
#include "almanac/day_details_text.h"
#include "gui/colours.h"
#include "gui/layout_metrics.h"
#include "gui/window_placement.h"
#include "reports/details_print.h"
#include "reports/report_window.h"

namespace skyledger {

namespace {

constexpr int MINUTE_MS = 60 * 1000;
constexpr int GRAPH_LINES = 14;

} // namespace

std::optional<double> nowOnShownDate(const AppState& state, const QDateTime& utcNow) {
    const Location* place = state.locations.currentLocation();
    if (!place || !utcNow.isValid()) return std::nullopt;
    const QDateTime utc = utcNow.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    return clockTimeOnDate(state.currentDate, *place, state.preferences.timeBasis,
                           {d.year(), d.month(), d.day()}, t.msecsSinceStartOfDay() / 1000.0);
}

DetailsWindow::DetailsWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner)
    : QWidget(owner, REPORT_WINDOW_FLAGS), metrics_(metrics), session_(session),
      printJob_(&printReport), clock_([] { return QDateTime::currentDateTimeUtc(); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Day Details"));
    setFont(metrics.uiFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, LIGHT_GREY);
    setPalette(palette);
    setAutoFillBackground(true);

    const int g = metrics.gap;
    cancel_ = makeReportButton(metrics, "Cancel", g, this);
    print_ = makeReportButton(metrics, "Print", cancel_->geometry().right() + 1 + g, this);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(*this);
    connect(print_, &QPushButton::clicked, this, &DetailsWindow::print);

    // The line at the current time moves on by itself.
    minuteTimer_ = new QTimer(this);
    minuteTimer_->setInterval(MINUTE_MS);
    connect(minuteTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    minuteTimer_->start();

    applyLayout();
    placeOnScreen(*this, QPoint(150, 150));
    session_.addView(*this);
}

DetailsWindow::~DetailsWindow() {
    session_.removeView(*this);
}

void DetailsWindow::setClock(Clock clock) {
    clock_ = std::move(clock);
    update();
}

void DetailsWindow::applyLayout() {
    const AppState& state = session_.state();
    const int g = metrics_.gap;
    layout_ = makeDetailsLayout([this](std::string_view text) { return metrics_.textWidth(text); },
                                dayDetailLines(state.details, state.preferences),
                                metrics_.lineHeight, g, 2 * g,
                                metrics_.buttonHeight + 2 * g, 2, GRAPH_LINES);
    setFixedSize(layout_.right + 2 * g, layout_.bottom + 2 * g);
}

void DetailsWindow::dayChanged() {
    // A value wider than any before (or another clock) may need more room.
    const QSize before = size();
    applyLayout();
    if (size() != before) placeOnScreen(*this, pos());
    update();
}

void DetailsWindow::paintEvent(QPaintEvent*) {
    const AppState& state = session_.state();
    QPainter painter(this);
    painter.setFont(metrics_.uiFont);
    drawDetailsGraph(painter, layout_, state.details, nowOnShownDate(state, clock_()));
    if (state.details.valid)
        drawDetailLines(painter, layout_, dayDetailLines(state.details, state.preferences));
}

void DetailsWindow::print() {
    const AppState& state = session_.state();
    const std::optional<double> now = nowOnShownDate(state, clock_());
    printJob_(this, [&state, now](QPrinter& printer, QPainter& painter) {
        printDetailsPage(printer, painter, state, now);
    });
    close();
}

} // namespace skyledger
