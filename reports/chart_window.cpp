#include "reports/chart_window.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "almanac/app_state.h"
#include "gui/colours.h"
#include "gui/moon_disc.h"
#include "gui/qt_text.h"

namespace skyledger {

namespace {

constexpr int WHEEL_NOTCH = 120; // angle delta of one notch of a mouse wheel

// One line of text in a cell, its top at the cell's top; placed by its
// measured width rather than through a text layout, which a scroll step
// would pay for some two hundred times.
void drawCell(QPainter& painter, const QFontMetrics& metrics, int left, int width, int top,
              Qt::Alignment align, const std::string& text) {
    if (text.empty()) return;
    const QString s = toQString(text);
    int x = left;
    if (align & Qt::AlignRight)
        x = left + width - metrics.horizontalAdvance(s);
    else if (align & Qt::AlignHCenter)
        x = left + (width - metrics.horizontalAdvance(s)) / 2;
    painter.drawText(x, top + metrics.ascent(), s);
}

} // namespace

ChartWindow::ChartWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner)
    : ReportWindow(metrics, session, owner, QStringLiteral("Multi-day Chart"), Follows::DayOnly),
      state_(session.state()), chart_(state_.chart),
      chooseTextFile_([owner] { return chooseChartTextFile(owner); }) {
    setFocusPolicy(Qt::StrongFocus);
    printButton_ = addButton("Print...");
    saveButton_ = addButton("Save As...");
    connect(printButton_, &QPushButton::clicked, this, &ChartWindow::printChart);
    connect(saveButton_, &QPushButton::clicked, this, &ChartWindow::saveChart);

    rowCount_ = chart_.rowCount();
    visibleRows_ = std::min(rowCount_, MAX_VISIBLE_ROWS);
    if (rowCount_ > MAX_VISIBLE_ROWS) {
        scrollBar_ = new QScrollBar(Qt::Vertical, this);
        scrollBar_->setRange(0, rowCount_ - MAX_VISIBLE_ROWS);
        scrollBar_->setSingleStep(1);
        scrollBar_->setPageStep(PAGE_ROWS);
        // The table follows the thumb when it is let go, not while dragged.
        scrollBar_->setTracking(false);
        scrollBar_->setFocusPolicy(Qt::NoFocus);
        scrollBar_->installEventFilter(this);
        connect(scrollBar_, &QScrollBar::valueChanged, this, &ChartWindow::scrollTo);
        scrollWithKeys(scrollBar_);
    }
    layOut();
    placeNear(QPoint(100, 100));
}

void ChartWindow::layOut() {
    const int g = metrics_.gap;
    const int l = metrics_.lineHeight;
    layoutTwelveHour_ = state_.preferences.twelveHourClock;
    layout_ = makeChartLayout([this](std::string_view text) { return metrics_.textWidth(text); },
                              g, l, g, layoutTwelveHour_);
    const int height = 3 * g + (visibleRows_ + 1) * l + metrics_.buttonHeight;
    int width = layout_.tableRight;
    if (scrollBar_) {
        scrollBar_->setGeometry(width, 0, metrics_.scrollBarWidth, height);
        width += metrics_.scrollBarWidth;
    }
    setFixedSize(width, height);
}

void ChartWindow::dayChanged() {
    if (state_.preferences.twelveHourClock != layoutTwelveHour_) layOut();
    update();
}

void ChartWindow::scrollTo(int row) {
    const int top = std::clamp(row, 0, std::max(0, rowCount_ - MAX_VISIBLE_ROWS));
    if (top == topRow_) return;
    topRow_ = top;
    // Only the data lines change; the buttons and the header stay as they are.
    update(dataLines());
}

QRect ChartWindow::dataLines() const {
    const int top = tableTop() + metrics_.lineHeight;
    return QRect(0, top, layout_.tableRight, visibleRows_ * metrics_.lineHeight + 1);
}

void ChartWindow::scrollByNotches(int angleDelta) {
    if (!scrollBar_) return;
    wheelRemainder_ += angleDelta;
    const int notches = wheelRemainder_ / WHEEL_NOTCH;
    wheelRemainder_ -= notches * WHEEL_NOTCH;
    // A notch away from the user (positive) shows earlier rows.
    for (int i = 0; i < std::abs(notches); ++i)
        scrollBar_->triggerAction(notches > 0 ? QAbstractSlider::SliderSingleStepSub
                                              : QAbstractSlider::SliderSingleStepAdd);
}

void ChartWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(metrics_.uiFont);
    painter.setPen(Qt::black);
    const QFontMetrics fm(metrics_.uiFont);
    const int g = metrics_.gap;
    const int l = metrics_.lineHeight;
    const int y0 = tableTop();
    const ChartLayout& c = layout_;

    for (const ChartHead& head : chartHeads(c))
        drawCell(painter, fm, head.left, head.right - head.left, y0, Qt::AlignHCenter, head.text);

    const bool twelveHour = layoutTwelveHour_;
    for (int k = 0; k < visibleRows_ && topRow_ + k < rowCount_; ++k) {
        const ChartRow& row = chart_.rows[static_cast<size_t>(topRow_ + k)];
        const int top = y0 + (k + 1) * l;
        const ChartRowTexts texts = chartRowTexts(row, twelveHour);
        drawCell(painter, fm, c.dateX, c.dateWidth, top, Qt::AlignLeft, texts.date);
        for (int event = 0; event < CHART_EVENTS; ++event) {
            drawCell(painter, fm, c.timeX[event], c.timeWidth, top, Qt::AlignRight,
                     texts.time[event]);
            drawCell(painter, fm, c.bearingX[event], c.bearingWidth, top, Qt::AlignRight,
                     texts.bearing[event]);
        }
        drawCell(painter, fm, c.illumX, c.illumWidth, top, Qt::AlignRight, texts.illumination);
        // Mirrored for a place south of the equator: the place of the rows.
        drawMoonDisc(painter, PixelBox{c.discX, top, c.discX + l, top + l},
                     row.numbers.moonPhaseAngle, 1, row.numbers.southernHemisphere);
    }

    // The rules; like the platform's lines they stop one pixel short of their
    // end point.
    painter.setPen(QPen(GREY, 1, Qt::SolidLine));
    for (int i = 1; i <= visibleRows_ + 1; ++i)
        painter.drawLine(g, y0 + i * l, c.tableRight - g - 1, y0 + i * l);
    const int rulesBottom = y0 + (visibleRows_ + 1) * l;
    for (const int x : chartRuleXs(c))
        painter.drawLine(x, y0 + l, x, rulesBottom - 1);
}

void ChartWindow::wheelEvent(QWheelEvent* event) {
    scrollByNotches(event->angleDelta().y());
    event->accept();
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    // Over the scroll bar the wheel moves one row a notch too, not the three
    // lines a scroll bar moves by itself.
    if (watched == scrollBar_ && event->type() == QEvent::Wheel) {
        scrollByNotches(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ChartWindow::printChart() {
    print(chartPageRoutine(chart_, state_));
    close();
}

void ChartWindow::saveChart() {
    // The window closes next: the message belongs to the main window.
    saveChartText(chart_, state_, chooseTextFile_, messages_, parentWidget());
    close();
}

} // namespace skyledger
