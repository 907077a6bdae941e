// What the three report windows (chart, Moon calendar, alt/az table) share:
// their window kind, their row of buttons, Escape as Cancel, and scrolling a
// table from the keyboard.
#pragma once

#include <Qt>

class QPushButton;
class QScrollBar;
class QWidget;

namespace skyledger {

struct LayoutMetrics;

// A fixed-size window beside the main window, with a caption, a system menu,
// a minimise box and a close box.
inline constexpr Qt::WindowFlags REPORT_WINDOW_FLAGS =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowCloseButtonHint;

// A button of the window's top row at x: as wide as its caption plus 2G,
// B high, G from the top. A click leaves the keyboard where it was (with the
// table, which scrolls by keys); Tab still reaches the button.
QPushButton* makeReportButton(const LayoutMetrics& metrics, const char* caption, int x,
                              QWidget* parent);

// Escape closes `window` (as its Cancel button does), wherever the focus is.
void closeOnEscape(QWidget& window);

// Up and Down move a line, Page Up and Page Down a page, Home and End to the
// ends. False when `key` is none of those.
bool scrollByKey(QScrollBar& bar, int key);

} // namespace skyledger
