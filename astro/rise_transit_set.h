// Times of rising, meridian transit and setting of a body on one day, from
// its right ascension and declination on three consecutive days, by the
// interpolation and Newton refinement method of Meeus, "Astronomical
// Algorithms", chapter 15. Angles are in radians, longitudes positive west.
#pragma once

#include <cstdint>

namespace skyledger {

// Status bits of RiseTransitSet. The first two describe the whole day; the
// last two a single crossing whose refinement did not settle within
// RTS_MAX_REFINEMENT_STEPS Newton steps, which happens where the first
// estimate predicts a crossing that does not take place (a body that comes
// close to h0 near its culmination without passing it, such as a Moon that
// does not set on that day at high latitude).
inline constexpr int32_t RTS_NO_RISE = 1;      // the rise does not happen that day
inline constexpr int32_t RTS_NO_SET = 2;       // the set does not happen that day
inline constexpr int32_t RTS_NEVER_SETS = 16;  // above the standard altitude all day
inline constexpr int32_t RTS_NEVER_RISES = 32; // below the standard altitude all day

// Most Newton steps taken for one event.
inline constexpr int RTS_MAX_REFINEMENT_STEPS = 20;

// Rise, transit and set as day fractions times 2 pi (2 pi = 24 hours) counted
// from the day's starting instant. A value outside [0, 2 pi) means the event
// falls on a neighbouring day. With RTS_NEVER_SETS or RTS_NEVER_RISES the
// rise and set are placeholders (the first transit estimate, or half a day
// either side of it); with RTS_NO_RISE or RTS_NO_SET that value is -2 pi,
// outside the day. The transit is always computed.
struct RiseTransitSet {
    double rise = 0;
    double transit = 0;
    double set = 0;
    int32_t status = 0;
};

// Solves for the day that starts at T0 (Julian centuries from J2000.0,
// Universal Time), with Delta T in seconds. (ra1, dec1), (ra2, dec2),
// (ra3, dec3) are the body's geocentric right ascension and declination at
// T0 - 1 day, T0 and T0 + 1 day in dynamical time; h0 is the standard
// altitude of the body's centre at rise and set; longitude is positive west;
// all angles in radians.
RiseTransitSet riseTransitSet(double t0, double deltaTSeconds, double ra1, double dec1, double ra2,
                              double dec2, double ra3, double dec3, double h0, double longitude,
                              double latitude);

// Three-point interpolation: the value at n steps (-1..1) from the middle of
// three values y1, y2, y3 tabulated at equal steps.
double interpolate3(double y1, double y2, double y3, double n);

// The Moon's standard altitude (radians) for its horizontal parallax (radians):
// 0.7275 times the parallax, less 34' of refraction.
double moonStandardAltitude(double horizontalParallax);

} // namespace skyledger
