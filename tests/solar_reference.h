// A low-precision Sun for checking the Moon routines against an independent
// solar position: Meeus, "Astronomical Algorithms", chapter 25 (accuracy
// about 0.01 degree).
#pragma once

#include <cmath>

#include "astro/constants.h"
#include "astro/julian_day.h"

namespace skyledger::testing {

struct LowPrecisionSun {
    double longitude; // geometric, mean equinox of date, radians in [0, 2 pi)
    double distanceAu;
};

// t in Julian centuries from J2000.0, dynamical time.
inline LowPrecisionSun lowPrecisionSun(double t) {
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * DEG_TO_RAD;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                     (0.019993 - 0.000101 * t) * std::sin(2.0 * m) + 0.000289 * std::sin(3.0 * m);
    const double trueAnomaly = m + c * DEG_TO_RAD;
    const double r = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(trueAnomaly));
    return {reduceAngle((l0 + c) * DEG_TO_RAD), r};
}

} // namespace skyledger::testing
