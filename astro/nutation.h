// Mean obliquity of the ecliptic (Laskar's polynomial), nutation in longitude
// and obliquity (IAU 1980 theory, 63-term abridgement), the rotation from
// ecliptic to equatorial coordinates and the annual aberration in right
// ascension and declination (Meeus, "Astronomical Algorithms", chapters 13,
// 22, 23 and 25). T is always in Julian centuries from J2000.0 (dynamical
// time); every angle is in radians.
#pragma once

#include <cstdint>

namespace skyledger {

// Constant of aberration, 20.49552 arcseconds, in radians.
inline constexpr double ABERRATION_CONSTANT = 9.936508497454117e-05;

// Mean obliquity of the ecliptic (radians) at T.
double meanObliquity(double tTd);

// Nutation in longitude (deltaPsi) and in obliquity (deltaEpsilon), radians, at T.
void nutation(double tTd, double& deltaPsi, double& deltaEpsilon);

// Right ascension in [0, 2 pi) and declination (radians) of the ecliptic
// longitude `lon` and latitude `lat` for the obliquity `obliquity` (radians).
void eclipticToEquatorial(double lon, double lat, double obliquity, double& ra, double& dec);

// The Sun's true geometric longitude (radians, not reduced to one turn) at T,
// and the eccentricity of the Earth's orbit through `eccentricity`.
double sunTrueLongitude(double tTd, double& eccentricity);

// Applies the annual aberration, with the terms due to the eccentricity of
// the Earth's orbit, to `ra` and `dec` (radians) at T for the obliquity
// `obliquity` (radians). Both corrections use the coordinates passed in.
// Within 1e-9 rad of a celestial pole, where right ascension is undefined,
// `ra` is left unchanged and only `dec` is corrected.
void annualAberration(double tTd, double obliquity, double& ra, double& dec);

} // namespace skyledger
