// Where the windows' message boxes go. The program shows a modal box; the
// window tests put a recorder in its place, so that no box ever waits for a
// click that never comes.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace skyledger {

// A message for the user: its owner window (may be null), caption and text.
using MessageSink =
    std::function<void(QWidget* owner, const QString& caption, const QString& text)>;

// A modal message box with an OK button.
void showMessageBox(QWidget* owner, const QString& caption, const QString& text);

} // namespace skyledger
