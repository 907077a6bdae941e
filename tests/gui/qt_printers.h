// How a failing check shows Qt's texts: a QString as its quoted UTF-8 text
// (GoogleTest would print the object's bytes). The build includes this
// header in every window test, so no test file can forget it.
#pragma once

#include <QString>
#include <ostream>

// Found by argument-dependent lookup: QString lives in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
