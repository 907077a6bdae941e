#include "gui/qt_text.h"

#include "support/windows1252.h"

namespace skyledger {

QString toQString(std::string_view windows1252) {
    return QString::fromStdString(windows1252ToUtf8(windows1252));
}

std::string toWindows1252(const QString& text) {
    return utf8ToWindows1252(text.toStdString());
}

bool fitsWindows1252(const QString& text) {
    // A round trip changes exactly the characters without a byte.
    return toQString(toWindows1252(text)) == text;
}

} // namespace skyledger
