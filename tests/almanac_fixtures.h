// Shared pieces of the almanac tests: a view that records what the
// computations asked of the windows, and an application state at one place.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "almanac/almanac_view.h"
#include "almanac/app_state.h"

namespace skyledger {

class RecordingView : public AlmanacView {
  public:
    std::vector<std::pair<ResultField, std::string>> texts;
    std::vector<std::string> errors;
    std::vector<std::string> calls; // every call, in order
    std::vector<int> trackRepaints;

    void setResultText(ResultField field, const std::string& text) override {
        texts.emplace_back(field, text);
        calls.push_back("text");
    }
    void invalidateMoonDisc() override { calls.push_back("disc"); }
    void refreshReportWindows() override { calls.push_back("refresh"); }
    void repaintMainWindow() override { calls.push_back("main"); }
    void repaintTrackWindow(int sample) override {
        trackRepaints.push_back(sample);
        calls.push_back("track");
    }
    void showError(const std::string& message) override {
        errors.push_back(message);
        calls.push_back("error");
    }
};

// A state holding one place, current, at a date, with a time basis and the
// bearing reference.
inline AppState stateAt(const Location& place, CivilDate date, int32_t basis,
                        bool magnetic = false) {
    AppState s;
    s.locations.present = true;
    s.locations.records = {place};
    s.locations.current = 0;
    s.currentDate = date;
    s.preferences.timeBasis = basis;
    s.preferences.magneticBearings = magnetic ? 1 : 0;
    return s;
}

} // namespace skyledger
