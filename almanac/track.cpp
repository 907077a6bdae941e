// The quarter-hour track of the Sun and the Moon, and its text forms.
#include "almanac/track.h"

#include <cmath>

#include "almanac/day_almanac.h"
#include "almanac/display_format.h"
#include "almanac/horizontal_position.h"
#include "astro/constants.h"

namespace skyledger {

namespace {
// Degrees to radians with pi to ten decimals, as the shadow column was tuned.
constexpr double SHADOW_DEG_TO_RAD = 0.017453292519444445;
constexpr double LONGEST_SHADOW = 100.0;
} // namespace

AlmanacResult<TrackTable> computeTrack(const CivilDate& date, const Location& location,
                                       const Preferences& preferences) {
    const double offsetHours = timeOffsetDays(location, preferences.timeBasis) * 24.0;
    const SkyObserver observer{location.latitude * DEG_TO_RAD, location.longitude * DEG_TO_RAD, 0.0,
                               preferences.magneticBearings, location.magneticDeclination};
    TrackTable track;
    for (int32_t i = 0; i < TRACK_SAMPLES; ++i) {
        const ClockTime when{date.year,
                             date.month,
                             static_cast<double>(date.day),
                             static_cast<double>(i / 4),
                             static_cast<double>((15 * i) % 60),
                             offsetHours};
        TrackSample& sample = track.samples[static_cast<size_t>(i)];
        const std::optional<HorizontalPosition> sun = sunHorizontal(when, observer);
        if (!sun) return AlmanacError::SeriesNotLoadable;
        sample.sunAltitude = sun->altitude;
        sample.sunBearing = sun->bearing;
        const HorizontalPosition moon = moonHorizontal(when, observer);
        sample.moonAltitude = moon.altitude;
        sample.moonBearing = moon.bearing;
    }
    track.valid = true;
    return track;
}

std::string altitudeText(double altitude) {
    if (!std::isfinite(altitude)) return {};
    std::string text;
    if (altitude < 0.0) text += '-';
    const int32_t whole = static_cast<int32_t>(std::fabs(altitude) + 0.5);
    text += static_cast<char>('0' + (whole / 10) % 10);
    text += static_cast<char>('0' + whole % 10);
    text += DEGREE_SIGN;
    return text;
}

std::string shadowText(double altitude) {
    if (!(altitude > 0.0)) return {};
    const double ratio = 1.0 / std::tan(altitude * SHADOW_DEG_TO_RAD);
    if (!(ratio < LONGEST_SHADOW)) return {};
    const int32_t c = static_cast<int32_t>(ratio * 100.0 + 0.5);
    // A ratio just below 100 rounds to 100.00, which has no five-character form.
    if (c >= 10000) return {};
    const int32_t whole = c / 100;
    std::string text;
    text += whole / 10 == 0 ? ' ' : static_cast<char>('0' + whole / 10);
    text += static_cast<char>('0' + whole % 10);
    text += '.';
    text += static_cast<char>('0' + (c % 100) / 10);
    text += static_cast<char>('0' + c % 10);
    return text;
}

} // namespace skyledger
