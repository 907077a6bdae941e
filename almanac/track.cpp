// The quarter-hour track of the Sun and the Moon.
#include "almanac/track.h"

#include "almanac/day_almanac.h"
#include <algorithm>
#include <cmath>

#include "almanac/horizontal_position.h"
#include "almanac/local_time.h"
#include "astro/constants.h"
#include "astro/julian_day.h"

namespace skyledger {

namespace {

// One sample at a clock reading (whole minutes after 0h of the date) on an
// offset (days); false when the Earth's series cannot be loaded.
bool fillSample(TrackSample& sample, const CivilDate& date, int32_t clockMinutes,
                double offsetDays, const SkyObserver& observer) {
    const ClockTime when{date.year,
                         date.month,
                         static_cast<double>(date.day),
                         static_cast<double>(clockMinutes / 60),
                         static_cast<double>(clockMinutes % 60),
                         offsetDays * 24.0};
    const std::optional<HorizontalPosition> sun = sunHorizontal(when, observer);
    if (!sun) return false;
    sample.sunAltitude = sun->altitude;
    sample.sunBearing = sun->bearing;
    const HorizontalPosition moon = moonHorizontal(when, observer);
    sample.moonAltitude = moon.altitude;
    sample.moonBearing = moon.bearing;
    sample.clockTime = clockMinutes * (TWO_PI / 1440.0);
    sample.offsetDays = offsetDays;
    return true;
}

AlmanacResult<TrackTable> localTrack(const CivilDate& date, const TimeZone& zone,
                                     const SkyObserver& observer) {
    const LocalDay day = localDay(zone, date);
    const double midnight = julianDay({date.year, date.month, static_cast<double>(date.day)});
    TrackTable track;
    track.count = std::min<int32_t>(
        TRACK_MAX_SAMPLES, static_cast<int32_t>(std::lround((day.endJd - day.startJd) * 96.0)));
    std::array<int32_t, TRACK_MAX_SAMPLES> minutes{};
    for (int32_t i = 0; i < track.count; ++i) {
        const double instant = day.startJd + i / 96.0;
        const double offset = zone.offsetDaysAt(instant);
        minutes[static_cast<size_t>(i)] =
            static_cast<int32_t>(std::lround((instant - offset - midnight) * 1440.0));
        if (!fillSample(track.samples[static_cast<size_t>(i)], date,
                        minutes[static_cast<size_t>(i)], offset, observer))
            return AlmanacError::SeriesNotLoadable;
    }
    // The rows of a clock hour shown twice say which offset they are in.
    for (int32_t i = 0; i < track.count; ++i)
        for (int32_t k = 0; k < track.count; ++k)
            if (k != i && minutes[static_cast<size_t>(i)] == minutes[static_cast<size_t>(k)])
                track.samples[static_cast<size_t>(i)].offsetNote =
                    zone.abbreviationAt(day.startJd + i / 96.0);
    track.valid = true;
    return track;
}

} // namespace

AlmanacResult<TrackTable> computeTrack(const CivilDate& date, const Location& location,
                                       const Preferences& preferences) {
    const SkyObserver observer = skyObserver(location, preferences);
    if (const std::optional<TimeZone> zone = basisZone(location, preferences.timeBasis))
        return localTrack(date, *zone, observer);
    const double offsetDays = timeOffsetDays(location, preferences.timeBasis);
    TrackTable track;
    track.count = TRACK_SAMPLES;
    for (int32_t i = 0; i < TRACK_SAMPLES; ++i)
        if (!fillSample(track.samples[static_cast<size_t>(i)], date, 15 * i, offsetDays, observer))
            return AlmanacError::SeriesNotLoadable;
    track.valid = true;
    return track;
}

} // namespace skyledger
