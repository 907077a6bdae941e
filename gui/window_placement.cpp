// Keeping a new window on the screen.
#include "gui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace skyledger {

void placeOnScreen(QWidget& window, QPoint preferred) {
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : &window;
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window.move(preferred);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    const int x = std::max(area.left(), std::min(preferred.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(preferred.y(), area.bottom() + 1 - size.height()));
    window.move(x, y);
}

} // namespace skyledger
