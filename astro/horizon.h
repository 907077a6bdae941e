// From apparent geocentric right ascension and declination to the observer's
// sky: Greenwich mean sidereal time (IAU 1982 expression), the observer's
// geocentric coordinates on the reference ellipsoid, the parallax correction
// in a first-order and a rigorous form, azimuth and altitude, and Saemundsson's
// refraction formula (Meeus, "Astronomical Algorithms", chapters 11, 12, 13,
// 16 and 40). Angles are in radians; longitudes count positive to the west.
#pragma once

namespace skyledger {

// Greenwich mean sidereal time (radians, [0, 2 pi)) at T, Julian centuries of
// Universal Time from J2000.0.
double meanSiderealTime(double tUt);

// Geocentric position of an observer at geographic latitude `latitude`
// (radians) and `heightMetres` above sea level: rho cos(phi') and
// rho sin(phi'), in Earth equatorial radii.
void observerGeocentric(double latitude, double heightMetres, double& rhoCosPhi, double& rhoSinPhi);

// First-order parallax correction of `ra` and `dec` (radians, in/out) for a
// body of small parallax (the Sun). `sinParallax` is the sine of its
// horizontal parallax, `theta` the local sidereal time (radians).
void parallaxApprox(double sinParallax, double theta, double rhoCosPhi, double rhoSinPhi,
                    double& ra, double& dec);

// Rigorous parallax correction of `ra` (returned in [0, 2 pi)) and `dec`
// (radians, in/out) for a near body (the Moon); arguments as parallaxApprox.
void parallaxRigorous(double sinParallax, double theta, double rhoCosPhi, double rhoSinPhi,
                      double& ra, double& dec);

// Azimuth (radians from the south, positive towards the west) and altitude
// (radians) of a body at `ra`, `dec` for local sidereal time `theta` and
// geographic latitude `latitude` (all radians).
void equatorialToHorizontal(double ra, double dec, double theta, double latitude, double& azimuth,
                            double& altitude);

// Atmospheric refraction (radians, to be added) at a true altitude in radians.
double refraction(double altitude);

} // namespace skyledger
