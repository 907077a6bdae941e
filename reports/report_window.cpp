#include "reports/report_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

#include "gui/colours.h"
#include "gui/layout_metrics.h"
#include "gui/qt_text.h"
#include "gui/window_placement.h"

namespace skyledger {

namespace {

constexpr Qt::WindowFlags REPORT_WINDOW_FLAGS =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowCloseButtonHint;

bool scrollByKey(QScrollBar& bar, int key) {
    switch (key) {
    case Qt::Key_Up:
        bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_PageUp:
        bar.triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
        bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Home:
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

} // namespace

ReportWindow::ReportWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner,
                           const QString& title, Follows follows)
    : QWidget(owner, REPORT_WINDOW_FLAGS), metrics_(metrics), session_(session),
      printJob_(&printReport) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setFont(metrics.uiFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, LIGHT_GREY);
    setPalette(palette);
    setAutoFillBackground(true);

    cancel_ = addButton("Cancel");
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes the window as Cancel does, wherever the focus is.
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    subscription_ = session.subscribe(*this, follows);
}

QPushButton* ReportWindow::addButton(const char* caption) {
    const int x = lastButton_ ? lastButton_->geometry().right() + 1 + metrics_.gap : metrics_.gap;
    auto* button = new QPushButton(toQString(caption), this);
    button->setFont(metrics_.uiFont);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(x, metrics_.gap, metrics_.textWidth(caption) + 2 * metrics_.gap,
                        metrics_.buttonHeight);
    lastButton_ = button;
    return button;
}

void ReportWindow::placeNear(QPoint preferred) {
    placeOnScreen(*this, preferred);
}

void ReportWindow::print(const PageRoutine& pages) {
    printJob_(this, pages);
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    if (keyScrollBar_ && scrollByKey(*keyScrollBar_, event->key())) return;
    QWidget::keyPressEvent(event);
}

} // namespace skyledger
