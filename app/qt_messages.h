// Qt's own diagnostics. Qt's offscreen platform, which the scripted runs and
// the window tests use, warns "This plugin does not support
// propagateSizeHints()" whenever a shown window fixes its size: it has no
// window manager to tell, and nothing is wrong. That one message is dropped;
// every other goes on to Qt's usual handler.
#pragma once

namespace skyledger {

// Installs the filter; call once, before the QApplication is made.
void quietenQtOffscreenMessages();

} // namespace skyledger
