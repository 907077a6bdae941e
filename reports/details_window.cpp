#include "reports/details_window.h"

#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "almanac/almanac_session.h"
#include "almanac/day_details_text.h"
#include "gui/layout_metrics.h"
#include "reports/details_print.h"

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
    return clockTimeOnDate(state.currentDate, *place, state.preferences.timeBasis,
                           {d.year(), d.month(), d.day()},
                           utc.time().msecsSinceStartOfDay() / 1000.0);
}

DetailsWindow::DetailsWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner)
    : ReportWindow(metrics, session, owner, QStringLiteral("Day Details"), Follows::DayOnly),
      clock_([] { return QDateTime::currentDateTimeUtc(); }) {
    print_ = addButton("Print");
    connect(print_, &QPushButton::clicked, this, &DetailsWindow::printPage);

    // The line at the current time moves on by itself.
    auto* minuteTimer = new QTimer(this);
    minuteTimer->setInterval(MINUTE_MS);
    connect(minuteTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    minuteTimer->start();

    applyLayout();
    placeNear(QPoint(150, 150));
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
                                metrics_.lineHeight, g, 2 * g, metrics_.buttonHeight + 2 * g, 2,
                                GRAPH_LINES);
    setFixedSize(layout_.right + 2 * g, layout_.bottom + 2 * g);
}

void DetailsWindow::dayChanged() {
    // A value wider than any before may need more room.
    const QSize before = size();
    applyLayout();
    if (size() != before) placeNear(pos());
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

void DetailsWindow::printPage() {
    const AppState& state = session_.state();
    const std::optional<double> now = nowOnShownDate(state, clock_());
    print([&state, now](QPrinter& printer, QPainter& painter) {
        printDetailsPage(printer, painter, state, now);
    });
    // The page is printed; the window has done its work.
    close();
}

} // namespace skyledger
