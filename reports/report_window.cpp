#include "reports/report_window.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>

#include "gui/layout_metrics.h"
#include "gui/qt_text.h"

namespace skyledger {

QPushButton* makeReportButton(const LayoutMetrics& metrics, const char* caption, int x,
                              QWidget* parent) {
    auto* button = new QPushButton(toQString(caption), parent);
    button->setFont(metrics.uiFont);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(x, metrics.gap, metrics.textWidth(caption) + 2 * metrics.gap,
                        metrics.buttonHeight);
    return button;
}

void closeOnEscape(QWidget& window) {
    auto* escape = new QAction(&window);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(escape, &QAction::triggered, &window, &QWidget::close);
    window.addAction(escape);
}

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

} // namespace skyledger
