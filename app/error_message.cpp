#include "app/error_message.h"

#include <QMessageBox>
#include <QPointer>

#include "app/qt_text.h"

namespace skyledger {

void showErrorBox(QWidget* owner, const std::string& message) {
    QMessageBox::warning(owner, QStringLiteral("Error"), toQString(message), QMessageBox::Ok);
}

ErrorReporter errorBoxReporter(QWidget* owner) {
    // The owner may be gone by the time a message comes; the box then has none.
    QPointer<QWidget> guarded(owner);
    return [guarded](const std::string& message) { showErrorBox(guarded.data(), message); };
}

} // namespace skyledger
