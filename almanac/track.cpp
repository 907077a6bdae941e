// The quarter-hour track of the Sun and the Moon.
#include "almanac/track.h"

#include "almanac/day_almanac.h"
#include "almanac/horizontal_position.h"
#include "astro/constants.h"

namespace skyledger {

AlmanacResult<TrackTable> computeTrack(const CivilDate& date, const Location& location,
                                       const Preferences& preferences) {
    const double offsetHours = timeOffsetDays(location, preferences.timeBasis) * 24.0;
    const SkyObserver observer = skyObserver(location, preferences);
    TrackTable track;
    for (int32_t i = 0; i < TRACK_SAMPLES; ++i) {
        const ClockTime when{date.year,
                             date.month,
                             static_cast<double>(date.day),
                             static_cast<double>(i / 4),
                             static_cast<double>((15 * i) % 60),
                             offsetHours};
        TrackSample& sample = track.samples[static_cast<size_t>(i)];
        const HorizontalPosition sun = sunHorizontal(when, observer);
        sample.sunAltitude = sun.altitude;
        sample.sunBearing = sun.bearing;
        const HorizontalPosition moon = moonHorizontal(when, observer);
        sample.moonAltitude = moon.altitude;
        sample.moonBearing = moon.bearing;
    }
    track.valid = true;
    return track;
}

} // namespace skyledger
