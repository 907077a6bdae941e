// The day's almanac for one date at one place: sunrise, sunset, moonrise and
// moonset with the bearing of each, the Moon's illuminated percentage at local
// noon and its phase angle. Rising and setting come from the iterative solver
// on three days of geometric positions (VSOP87 Earth for the Sun, abridged
// ELP-2000/82 for the Moon); each bearing is the body's apparent topocentric
// bearing half a minute after the event; the phase angle comes from the
// closed-form instants of the principal phases.
#pragma once

#include <cstdint>
#include <string>

#include "almanac/almanac_result.h"
#include "almanac/civil_calendar.h"
#include "settings/location.h"

namespace skyledger {

// Marks an event that does not happen that day, in its time and its bearing.
inline constexpr double noEventValue = -999.99;

// True when `value` (radians, or degrees for a bearing) marks no event.
inline bool isNoEvent(double value) {
    return value == noEventValue;
}

// The day's numbers. An event time is a fraction of the day times 2 pi
// (radians of a day) counted from 0h local clock time of the date in the
// chosen time basis; a bearing is in degrees, true or magnetic as computed.
// An event that does not happen within the date holds noEventValue in its
// time and in its bearing together.
struct DayNumbers {
    double sunrise = noEventValue;
    double sunset = noEventValue;
    double sunriseBearing = noEventValue;
    double sunsetBearing = noEventValue;
    double moonrise = noEventValue;
    double moonset = noEventValue;
    double moonriseBearing = noEventValue;
    double moonsetBearing = noEventValue;
    double moonPhaseAngle = 0.0;      // radians: 0 new, pi/2 first quarter, pi full, 3 pi/2 last
    double illuminationPercent = 0.0; // at local noon, not rounded
    bool southernHemisphere = false;  // the latitude is below 0: discs are drawn mirrored
    // Days added to each event's clock time to obtain UT: the offset in force
    // at the event, the same all day except on a day the clocks change.
    double sunriseOffset = 0.0;
    double sunsetOffset = 0.0;
    double moonriseOffset = 0.0;
    double moonsetOffset = 0.0;

    bool operator==(const DayNumbers&) const = default;
};

// What the main window shows. An event that does not happen within the date
// has an empty time text and an empty bearing text.
struct DayAlmanac {
    std::string sunriseText;
    std::string sunsetText;
    std::string sunriseBearingText;
    std::string sunsetBearingText;
    std::string moonriseText;
    std::string moonsetText;
    std::string moonriseBearingText;
    std::string moonsetBearingText;
    int32_t illuminationPercent = 0; // 0..100, truncated toward zero
    double moonPhaseAngle = 0.0;     // radians: 0 new, pi/2 first quarter, pi full, 3 pi/2 last
    bool southernHemisphere = false; // the latitude is below 0
    // False for the empty results of a day that was not computed (no place,
    // or a place refused): there is no Moon to draw then.
    bool computed = false;

    bool operator==(const DayAlmanac&) const = default;
};

// Days added to a local clock time to obtain Universal Time: zone / 24 for
// standard time, (zone - 1) / 24 for daylight-saving time, 0 for UT. Local
// time has no single offset; it counts as standard time here.
[[nodiscard]] double timeOffsetDays(const Location& location, TimeBasis timeBasis);

// The Julian day (UT) of local noon of the date at the place in the time
// basis: the instant of the day's illumination and phase. On local time it is
// noon on the offset in force at noon.
[[nodiscard]] double localNoonJulianDay(const CivilDate& date, const Location& location,
                                        TimeBasis timeBasis);

// The numbers of one day at the place, with the time basis and bearing
// reference of the preferences (the clock preference is not read). On local
// time the day runs from local midnight to the next; each event is given on
// the offset in force at it, so on a day the clocks change an event after the
// change is found on the later offset. Fails with
// SeriesNotLoadable when the Earth's series cannot be loaded and with
// PhaseSearchFailed when the phase search finds no bracket.
AlmanacResult<DayNumbers> computeDayNumbers(const CivilDate& date, const Location& location,
                                            const Preferences& preferences);

// The main window's texts for the numbers, on the preferences' clock.
[[nodiscard]] DayAlmanac formatDayAlmanac(const DayNumbers& numbers,
                                          const Preferences& preferences);

} // namespace skyledger
