// Ending the desktop program in order on SIGTERM (a logout or shutdown),
// SIGINT (Ctrl+C in its terminal) and SIGHUP (its terminal closed): the event
// loop ends as if the user had quit, so the exit save still runs.
#pragma once

namespace skyledger {

// Installs the handlers; call once the application object exists. A signal
// then ends every running event loop, open dialogs' included.
void quitOnTerminationSignals();

// True once such a signal has ended the program's event loop.
[[nodiscard]] bool endedBySignal();

} // namespace skyledger
