// The day's almanac for one date at one place: sunrise, sunset, moonrise and
// moonset with the bearing of each, the Moon's illuminated percentage at local
// noon and its phase angle. Rising and setting come from the iterative solver
// on three days of geometric positions (VSOP87 Earth for the Sun, abridged
// ELP-2000/82 for the Moon); each bearing is the body's apparent topocentric
// bearing half a minute after the event; the phase angle comes from the
// closed-form instants of the principal phases.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "almanac/almanac_result.h"
#include "almanac/civil_calendar.h"
#include "almanac/horizontal_position.h"
#include "settings/location.h"

namespace skyledger {

// A rising or setting within the date: its clock time, the bearing there and
// the clock it is told on.
struct SkyEvent {
    double time = 0.0;       // radians of a day from 0h local clock time of the date
    double bearing = 0.0;    // degrees, true or magnetic as computed
    double offsetDays = 0.0; // added to the clock time to obtain UT: the offset in force at it

    bool operator==(const SkyEvent&) const = default;
};

// The day's numbers, in the chosen time basis and bearing reference. An event
// that does not happen within the date is absent. On a day the clocks change
// each event carries the offset in force at it.
struct DayNumbers {
    std::optional<SkyEvent> sunrise;
    std::optional<SkyEvent> sunset;
    std::optional<SkyEvent> moonrise;
    std::optional<SkyEvent> moonset;
    double moonPhaseAngle = 0.0;      // radians: 0 new, pi/2 first quarter, pi full, 3 pi/2 last
    double illuminationPercent = 0.0; // at local noon, not rounded
    bool southernHemisphere = false;  // the latitude is below 0: discs are drawn mirrored

    bool operator==(const DayNumbers&) const = default;
};

// An event's two texts: its clock time, empty when it does not happen or has
// no clock time (in the day's last half minute, it would show 24:00); its
// bearing, empty only when it does not happen.
struct EventTexts {
    std::string time;
    std::string bearing;
};

[[nodiscard]] EventTexts eventTexts(const std::optional<SkyEvent>& event, bool twelveHourClock);

// What the main window shows. An event that does not happen within the date,
// or has no clock time, has an empty time text and an empty bearing text.
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

// The place and the instants every computation of one date starts from.
struct DayFrame {
    CivilDate date;
    double offsetDays;    // added to a local clock time to give UT
    SkyObserver observer; // latitude and longitude in radians, longitude positive west
    double noonT;         // UT of local noon, Julian centuries
    double noonJd;        // the same as a Julian day
    double deltaTSeconds; // Delta T at local noon
    double t0;            // UT of 0h local clock time, Julian centuries
    double td0;           // the same instant in dynamical time
};

[[nodiscard]] DayFrame dayFrame(const CivilDate& date, const Location& location,
                                const Preferences& preferences);

// The numbers of one day at the place, with the time basis and bearing
// reference of the preferences (the clock preference is not read). On local
// time the day runs from local midnight to the next; each event is given on
// the offset in force at it, so on a day the clocks change an event after the
// change is found on the later offset. Fails with
// PhaseSearchFailed when the phase search finds no bracket.
AlmanacResult<DayNumbers> computeDayNumbers(const CivilDate& date, const Location& location,
                                            const Preferences& preferences);

// The main window's texts for the numbers, on the preferences' clock.
[[nodiscard]] DayAlmanac formatDayAlmanac(const DayNumbers& numbers,
                                          const Preferences& preferences);

} // namespace skyledger
