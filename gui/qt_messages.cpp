#include "gui/qt_messages.h"

#include <QString>
#include <QtGlobal>

namespace skyledger {

namespace {

QtMessageHandler qtHandler = nullptr;

// What a platform without a window manager cannot do for a window.
bool isWindowManagerWarning(const QString& text) {
    static const char* const unsupported[] = {"propagateSizeHints()", "raise()", "lower()",
                                              "grabbing the keyboard", "grabbing the mouse"};
    const QLatin1String prefix("This plugin does not support ");
    if (!text.startsWith(prefix)) return false;
    for (const char* feature : unsupported)
        if (QStringView(text).mid(prefix.size()) == QLatin1String(feature)) return true;
    return false;
}

void filterQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && isWindowManagerWarning(text)) return;
    qtHandler(type, context, text);
}

} // namespace

void quietenQtOffscreenMessages() {
    if (qtHandler != nullptr) return;
    qtHandler = qInstallMessageHandler(filterQtMessage);
}

} // namespace skyledger
