// The colours every window and printout shares, defined once: the light grey
// of the windows' ground and the darker grey of rules, grey text and empty
// calendar cells.
#pragma once

#include <QColor>

namespace skyledger {

inline const QColor LIGHT_GREY(192, 192, 192);
inline const QColor GREY(128, 128, 128);

} // namespace skyledger
