#include "app/qt_messages.h"

#include <QString>
#include <QtGlobal>

namespace skyledger {

namespace {

QtMessageHandler qtHandler = nullptr;

void filterQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg &&
        text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    qtHandler(type, context, text);
}

} // namespace

void quietenQtOffscreenMessages() {
    if (qtHandler != nullptr) return;
    qtHandler = qInstallMessageHandler(filterQtMessage);
}

} // namespace skyledger
