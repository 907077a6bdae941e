// The program's message box.
#include "gui/message_sink.h"

#include <QMessageBox>

namespace skyledger {

void showMessageBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace skyledger
