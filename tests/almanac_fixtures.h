// Shared pieces of the almanac tests: a view that records what the session
// told it, an application state at one place, and the session's steps that
// the windows take.
#pragma once

#include <string>
#include <vector>

#include "almanac/almanac_session.h"
#include "almanac/almanac_view.h"
#include "almanac/app_state.h"

namespace skyledger {

class RecordingView : public AlmanacView {
  public:
    std::vector<std::string> errors;
    std::vector<std::string> calls; // every call, in order: day, track, calendar, error

    void dayChanged() override { calls.push_back("day"); }
    void trackChanged() override { calls.push_back("track"); }
    void calendarChanged() override { calls.push_back("calendar"); }
    void showError(const std::string& message) override {
        errors.push_back(message);
        calls.push_back("error");
    }
    void clear() {
        errors.clear();
        calls.clear();
    }
};

// A state holding one place, current, at a date, with a time basis and the
// bearing reference.
inline AppState stateAt(const Location& place, CivilDate date, TimeBasis basis,
                        bool magnetic = false) {
    AppState s;
    s.locations.present = true;
    s.locations.records = {place};
    s.locations.current = 0;
    s.currentDate = date;
    s.preferences.timeBasis = basis;
    s.preferences.magneticBearings = magnetic;
    return s;
}

// The main window's recomputation of the state's day.
inline void recomputeDay(AppState& s, RecordingView& view) {
    AlmanacSession session(s);
    const AlmanacSession::Subscription heard = session.subscribe(view);
    session.recompute();
}

// The altitude/azimuth table opening on the state's date.
inline void openTrackOf(AppState& s, RecordingView& view) {
    AlmanacSession session(s);
    const AlmanacSession::Subscription heard = session.subscribe(view, Follows::Track);
}

// The chart request dialog's OK.
inline bool prepareChartOf(AppState& s, RecordingView& view, CivilDate start, int32_t days) {
    AlmanacSession session(s);
    const AlmanacSession::Subscription heard = session.subscribe(view);
    return session.prepareChart(start, days);
}

} // namespace skyledger
