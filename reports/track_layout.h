// The columns of the altitude/azimuth table, on screen and on paper: Time,
// then the Sun's altitude, azimuth and shadow ratio, then the Moon's altitude
// and azimuth, each as wide as its widest text, one spacing unit apart.
#pragma once

#include <functional>
#include <string_view>

namespace skyledger {

struct TrackLayout {
    int timeWidth = 0; // "99:99", plus "AM" on the 12-hour clock
    int altWidth = 0;  // "-99°"
    int azWidth = 0;   // "999°"
    int shadWidth = 0; // "99.99"
    // Left edges of the columns.
    int time = 0;
    int sunAlt = 0;
    int sunAz = 0;
    int sunShad = 0;
    int moonAlt = 0;
    int moonAz = 0;
    // One spacing unit right of the last column.
    int tableRight = 0;
};

// Text widths come from `width` (Windows-1252 text in, pixels out); the Time
// column starts at `left`; `spacing` separates the columns. `offsetNote`, the
// widest abbreviation the rows of a repeated clock hour carry, widens the
// Time column to hold it after the time.
[[nodiscard]] TrackLayout makeTrackLayout(const std::function<int(std::string_view)>& width,
                                          int spacing, int left, bool twelveHourClock,
                                          std::string_view offsetNote = {});

} // namespace skyledger
