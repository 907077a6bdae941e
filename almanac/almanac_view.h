// What the almanac computations do to the windows, as one small interface.
// The main window implements it; the command-line almanac and the tests use
// their own implementations, so every computation runs without a window.
#pragma once

#include <string>

namespace skyledger {

// The eight value fields of the main window.
enum class ResultField {
    SunriseTime,
    SunsetTime,
    SunriseBearing,
    SunsetBearing,
    MoonriseTime,
    MoonsetTime,
    MoonriseBearing,
    MoonsetBearing,
};

class AlmanacView {
  public:
    virtual ~AlmanacView() = default;
    // Shows `text` (Windows-1252) in one of the eight value fields.
    virtual void setResultText(ResultField field, const std::string& text) = 0;
    // The Moon disc and its percentage must be drawn again.
    virtual void invalidateMoonDisc() = 0;
    // The day was recomputed: the open altitude/azimuth table and Moon
    // calendar windows refresh themselves.
    virtual void refreshReportWindows() = 0;
    // Repaint while the track is computed: the main window once before the
    // first sample, then the table window after each of the 96 samples
    // (sample 0..95) and once more at the end (sample -1).
    virtual void repaintMainWindow() = 0;
    virtual void repaintTrackWindow(int sample) = 0;
    // A message box with the caption "Error" and an OK button.
    virtual void showError(const std::string& message) = 0;
};

// A view that ignores everything: for computations whose results are read
// from the application state only.
class SilentView : public AlmanacView {
  public:
    void setResultText(ResultField, const std::string&) override {}
    void invalidateMoonDisc() override {}
    void refreshReportWindows() override {}
    void repaintMainWindow() override {}
    void repaintTrackWindow(int) override {}
    void showError(const std::string&) override {}
};

} // namespace skyledger
