// The altitude and azimuth track: where the Sun and the Moon stand every 15
// minutes of the current date at the current place (96 independent samples,
// 00:00 to 23:45 local clock time), and the text forms the table shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "almanac/almanac_result.h"
#include "almanac/civil_calendar.h"
#include "settings/location.h"

namespace skyledger {

inline constexpr int32_t TRACK_SAMPLES = 96;
// A 25-hour local day (the clocks go back) has 100 quarter hours.
inline constexpr int32_t TRACK_MAX_SAMPLES = 100;
// Sample i belongs to the clock time i * 2 pi / 96 (radians of a day).
inline constexpr double TRACK_SAMPLE_STEP = 0.06544984694978735;

// Degrees; bearings true or magnetic as computed.
struct TrackSample {
    double sunAltitude = 0.0;
    double sunBearing = 0.0;
    double moonAltitude = 0.0;
    double moonBearing = 0.0;
    double clockTime = 0.0;  // radians of a day from 0h local clock time
    double offsetDays = 0.0; // days added to the clock time to obtain UT
    // Empty, except in a clock hour the local day shows twice: the zone's
    // abbreviation of the offset the row is in ("BST", "GMT").
    std::string offsetNote;
};

struct TrackTable {
    std::array<TrackSample, TRACK_MAX_SAMPLES> samples{};
    int32_t count = 0; // samples in use: 96, or 92..100 on a day the clocks change

    // The longest offset note of the samples in use; empty when none has one.
    std::string widestOffsetNote() const {
        std::string widest;
        for (int32_t i = 0; i < count; ++i)
            if (samples[static_cast<size_t>(i)].offsetNote.size() > widest.size())
                widest = samples[static_cast<size_t>(i)].offsetNote;
        return widest;
    }
    // False until a track was computed for a place; the table shows nothing then.
    bool valid = false;
};

// The samples of the date at the place, in the preferences' time basis and
// bearing reference: 96 at the clock's quarter hours; on local time, every
// quarter hour of real time from local midnight to the next (a skipped hour
// has no rows, a repeated one has its rows twice, each with its offset). Fails with SeriesNotLoadable when the Earth's series
// cannot be loaded.
AlmanacResult<TrackTable> computeTrack(const CivilDate& date, const Location& location,
                                       const Preferences& preferences);

} // namespace skyledger
