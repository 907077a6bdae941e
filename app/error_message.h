// How a window tells the user that something failed: a box captioned "Error"
// with an OK button. Windows take the reporter as a function so that the
// tests can watch the messages instead of blocking on a modal box.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace skyledger {

// Receives one message (Windows-1252 bytes).
using ErrorReporter = std::function<void(const std::string& message)>;

// Shows `message` in a modal box captioned "Error", owned by `owner`.
void showErrorBox(QWidget* owner, const std::string& message);

// A reporter that shows its messages with showErrorBox over `owner`.
[[nodiscard]] ErrorReporter errorBoxReporter(QWidget* owner);

} // namespace skyledger
