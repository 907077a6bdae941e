// Whoever shows the almanac: the session layer tells its views what changed
// in the application state, and hands them the program's messages. The Qt
// windows implement what concerns them; the rest is ignored, so a plain
// AlmanacView is a listener that only keeps a report computed.
#pragma once

#include <string>

namespace skyledger {

class AlmanacView {
  public:
    virtual ~AlmanacView() = default;
    // state().day was recomputed successfully (it changes only then).
    virtual void dayChanged() {}
    // state().track was recomputed: after every recomputation while the
    // track is followed, and when a subscription starts following it.
    virtual void trackChanged() {}
    // state().calendar was recomputed: when the calendar opens, and when the
    // month or the year changed while it is followed.
    virtual void calendarChanged() {}
    // Windows-1252 text for a message box captioned "Error" with an OK button.
    // Every view hears it; only the one that owns message boxes shows it.
    virtual void showError(const std::string& /*message*/) {}
};

} // namespace skyledger
