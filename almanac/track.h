// The altitude and azimuth track: where the Sun and the Moon stand every 15
// minutes of the current date at the current place (96 independent samples,
// 00:00 to 23:45 local clock time), and the text forms the table shows.
#pragma once

#include <array>
#include <cstdint>

#include "almanac/almanac_result.h"
#include "almanac/civil_calendar.h"
#include "settings/location.h"

namespace skyledger {

inline constexpr int32_t TRACK_SAMPLES = 96;
// Sample i belongs to the clock time i * 2 pi / 96 (radians of a day).
inline constexpr double TRACK_SAMPLE_STEP = 0.06544984694978735;

// Degrees; bearings true or magnetic as computed.
struct TrackSample {
    double sunAltitude = 0.0;
    double sunBearing = 0.0;
    double moonAltitude = 0.0;
    double moonBearing = 0.0;
};

struct TrackTable {
    std::array<TrackSample, TRACK_SAMPLES> samples{};
    // False until a track was computed for a place; the table shows nothing then.
    bool valid = false;
};

// The 96 samples of the date at the place, in the preferences' time basis and
// bearing reference. Nothing in it can fail today; the result keeps the
// almanac's one shape for a computation.
AlmanacResult<TrackTable> computeTrack(const CivilDate& date, const Location& location,
                                       const Preferences& preferences);

} // namespace skyledger
