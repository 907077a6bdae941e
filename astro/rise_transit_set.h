// Times of rising, meridian transit and setting of a body on one day, from
// its right ascension and declination on three consecutive days, by the
// interpolation and Newton refinement method of Meeus, "Astronomical
// Algorithms", chapter 15. Angles are in radians, longitudes positive west.
//
// A refined rise or set is kept when it lies inside the day and the altitude
// passes h0 there in its own direction (up for a rise, down for a set).
// Otherwise - no crossing expected from the declination at the day's start, a
// refinement that does not settle, settles on a crossing of the other
// direction or leaves the day - the day itself is searched on the same
// interpolated positions: half-hourly samples, the extremum between samples
// located where the body may graze h0, the first crossing of the right
// direction bisected to a tenth of a second, or none.
#pragma once

#include <optional>

namespace skyledger {

// How the body stands to h0 over the whole day, as far as the solver knows.
// AboveAllDay and BelowAllDay: no crossing of h0 in the day, the body above
// or below it as the declination at the day's start says. Crosses: the body
// may cross h0 that day; the rise and the set say which crossings it found.
enum class DayCourse { Crosses, AboveAllDay, BelowAllDay };

// Most Newton steps taken for one event.
inline constexpr int MAX_REFINEMENT_STEPS = 20;

// Rise, transit and set as day fractions times 2 pi (2 pi = 24 hours) counted
// from the day's starting instant. A value outside [0, 2 pi) means the event
// falls on a neighbouring day, when the day holds no such event itself. A
// rise or set is absent when the day has none and no neighbouring one was
// refined: always on a day above or below h0 throughout; on a day that
// crosses, when its refinement did not settle within MAX_REFINEMENT_STEPS
// Newton steps (a body that comes close to h0 near its culmination without
// passing it) or settled inside the day on a crossing of the other direction,
// or the day's start predicted no crossing at all, and the search of the day
// found none. The transit is always computed.
struct RiseTransitSet {
    std::optional<double> rise;
    double transit = 0;
    std::optional<double> set;
    DayCourse course = DayCourse::Crosses;
};

// What the solver needs for one day. The three positions are the body's
// geocentric right ascension and declination one day before, at, and one day
// after the day's starting instant taken in dynamical time (t0Ut plus Delta T).
// Angles in radians; the longitude is positive west.
struct RiseTransitSetInput {
    double t0Ut = 0;               // the day's start, Julian centuries from J2000.0, UT
    double deltaTSeconds = 0;      // dynamical time minus Universal Time
    double rightAscension[3] = {}; // in time order
    double declination[3] = {};    // in time order
    double h0 = 0;                 // standard altitude of the body's centre at rise and set
    double longitude = 0;
    double latitude = 0;
};

RiseTransitSet riseTransitSet(const RiseTransitSetInput& input);

// Three-point interpolation: the value at n steps (-1..1) from the middle of
// three values y1, y2, y3 tabulated at equal steps.
double interpolate3(double y1, double y2, double y3, double n);

// The Moon's standard altitude (radians) for its horizontal parallax (radians):
// 0.7275 times the parallax, less 34' of refraction.
double moonStandardAltitude(double horizontalParallax);

} // namespace skyledger
