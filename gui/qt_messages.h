// Qt's own diagnostics. Qt's offscreen platform, which the scripted runs and
// the window tests use, has no window manager: it warns "This plugin does not
// support propagateSizeHints()" whenever a shown window fixes its size, and
// likewise for raise() and grabbing the keyboard, though nothing is wrong.
// Those window-manager messages are dropped; every other (a failed painter, a
// URL that cannot be opened) goes on to Qt's usual handler.
#pragma once

namespace skyledger {

// Installs the filter; call once, before the QApplication is made.
void quietenQtOffscreenMessages();

} // namespace skyledger
