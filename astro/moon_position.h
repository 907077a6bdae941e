// The Moon's geocentric ecliptic position and the illuminated fraction of its
// disc. The position is the abridgement of the ELP-2000/82 lunar theory by
// Chapront-Touze and Chapront, with the mean-element polynomials published
// with it (as in Meeus, "Astronomical Algorithms", chapters 47 and 48):
// 59 longitude, 46 distance and 60 latitude terms plus seven additive terms.
#pragma once

#include "astro/spherical_coords.h"

namespace skyledger {

// The Moon's fundamental arguments at one instant.
struct LunarArguments {
    double d;      // mean elongation of the Moon, radians in [0, 2 pi)
    double m;      // Sun's mean anomaly, radians in [0, 2 pi)
    double mPrime; // Moon's mean anomaly, radians in [0, 2 pi)
    double f;      // Moon's argument of latitude, radians in [0, 2 pi)
    double e;      // eccentricity factor of the Earth's orbit (dimensionless)
    double e2;     // e squared
};

// The fundamental arguments for tTd in Julian centuries from J2000.0,
// dynamical time.
LunarArguments lunarArguments(double tTd);

// E, the factor that scales the terms in the Sun's mean anomaly as the
// eccentricity of the Earth's orbit decreases: 1 - 0.002516 T - 0.0000074 T^2
// for T in Julian centuries from J2000.0.
double eccentricityFactor(double t);

// The Moon's geometric geocentric position for tTd in Julian centuries from
// J2000.0, dynamical time: longitude (radians, mean equinox of date, without
// nutation; raised into [0, 2 pi) from below but not reduced from above, so it
// may exceed 2 pi by a few thousandths of a degree), latitude (radians) and
// distance from the Earth's centre (km).
SphericalCoords moonPosition(double tTd);

// The sine of the Moon's horizontal parallax at a distance (km) from the
// Earth's centre.
double moonSinParallax(double distanceKm);

// The illuminated fraction k in [0, 1] of the Moon's disc, from the Moon's
// position as `moonPosition` gives it, the nutation in longitude deltaPsi
// (radians, added to the Moon's longitude only), and the Sun's geocentric
// longitude (radians) and distance (AU). k is 0 at conjunction, 1 at
// opposition.
double moonIlluminatedFraction(const SphericalCoords& moon, double deltaPsi, double sunLongitude,
                               double sunDistanceAu);

} // namespace skyledger
