// Where the Sun or the Moon stands in the sky, seen from a place at a local
// clock time: altitude with parallax and refraction, and the compass bearing,
// true or magnetic. Composes the apparent place of the Sun (VSOP87 Earth,
// IAU 1980 nutation, annual aberration) or of the Moon (abridged ELP-2000/82)
// with sidereal time, parallax and refraction. The clock time is turned into
// Universal Time only; Delta T is not applied here.
#pragma once

#include <cstdint>

#include "settings/location.h"

namespace skyledger {

class EarthSeriesNear;

// A local clock time. `day` is the day of the month (a whole number), `hour`
// 0..24 and `minute` may carry fractions; `offsetHours` is added to the clock
// time to obtain Universal Time.
struct ClockTime {
    int32_t year = 2000;
    int32_t month = 1;
    double day = 1.0;
    double hour = 0.0;
    double minute = 0.0;
    double offsetHours = 0.0;
};

// The observer: latitude and longitude in radians (longitude positive west),
// height in metres, and the bearing reference: with `magneticBearings` the
// magnetic declination (degrees, positive east) is subtracted from bearings.
struct SkyObserver {
    double latitude = 0.0;
    double longitude = 0.0;
    double height = 0.0;
    bool magneticBearings = false;
    double magneticDeclination = 0.0;
};

// The observer at a place, at sea level, with the preferences' bearing
// reference.
[[nodiscard]] SkyObserver skyObserver(const Location& location, const Preferences& preferences);

// Altitude in degrees (negative below the horizon) and bearing in degrees
// from north through east, 0..360 (exactly 360 stays 360).
struct HorizontalPosition {
    double altitude = 0.0;
    double bearing = 0.0;
};

// The Sun with annual aberration, approximate parallax, and refraction above
// 34 arcminutes of true altitude.
HorizontalPosition sunHorizontal(const ClockTime& when, const SkyObserver& where);

// The same, with the Earth's series taken from `earth`, made ready for the
// day of `when` (the Sun's bearings at the day's events).
HorizontalPosition sunHorizontal(const ClockTime& when, const SkyObserver& where,
                                 const EarthSeriesNear& earth);

// The Moon with rigorous (topocentric) parallax and refraction above 0.
HorizontalPosition moonHorizontal(const ClockTime& when, const SkyObserver& where);

} // namespace skyledger
