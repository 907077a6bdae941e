// Where a report window opens: at its usual place when the screen has room,
// otherwise moved so that it stays on the screen, as far as it can.
#pragma once

#include <QPoint>

class QWidget;

namespace skyledger {

// Moves the top-level `window` to `preferred` (screen coordinates) when it
// fits there on its owner's screen; else moves it left and up until its
// right and bottom edges meet the screen's, but never past the screen's
// top-left corner, so that a window larger than the screen keeps its caption
// on it. Call once the window has its size.
void placeOnScreen(QWidget& window, QPoint preferred);

} // namespace skyledger
