// Whoever shows the almanac: the session layer tells its views what changed
// in the application state, and hands them the program's messages. The Qt
// windows implement it; the tests use a recording one.
#pragma once

#include <string>

namespace skyledger {

class AlmanacView {
  public:
    virtual ~AlmanacView() = default;
    // state().day and state().details were recomputed successfully (they
    // change only then).
    virtual void dayChanged() = 0;
    // state().track was recomputed: after every recomputation while the
    // altitude/azimuth table is open, and when it opens.
    virtual void trackChanged() = 0;
    // state().calendar was recomputed: when the calendar opens, and when the
    // month or the year changed while it is open.
    virtual void calendarChanged() = 0;
    // Windows-1252 text for a message box captioned "Error" with an OK button.
    // Every view hears it; only the one that owns message boxes shows it.
    virtual void showError(const std::string& message) = 0;
};

} // namespace skyledger
