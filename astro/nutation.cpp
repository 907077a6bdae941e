// Obliquity, nutation, ecliptic to equatorial rotation and annual aberration.
#include "astro/nutation.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/multiple_angles.h"

namespace skyledger {

namespace {

// Mean obliquity in arcseconds, ascending powers of U = T / 100 (Laskar).
constexpr double OBLIQUITY_ARCSEC[11] = {84381.448, -4680.93, -1.55, 1999.25, -51.38, -249.67,
                                         -39.05,    7.12,     27.87, 5.79,    2.45};

// Fundamental arguments of the nutation, degrees: constant, T, T^2, T^3.
constexpr double MEAN_ELONGATION_DEG[4] = {297.8503631, 445267.11148, -0.0019142, 5.278e-06};
constexpr double SUN_ANOMALY_DEG[4] = {357.5277233, 35999.05034, -0.0001603, -3.33e-06};
constexpr double MOON_ANOMALY_DEG[4] = {134.9629814, 477198.8673981, 0.0086972, 1.778e-05};
constexpr double MOON_LATITUDE_DEG[4] = {93.2719103, 483202.0175381, -0.0036825, 3.056e-06};
constexpr double MOON_NODE_DEG[4] = {125.0445222, -1934.1362608, 0.00207833, 2.22e-06};

// One row of the IAU 1980 nutation series: multipliers of D, M, M', F and
// Omega, then the sine coefficient of the nutation in longitude and its part
// per Julian century, and the cosine coefficient of the nutation in obliquity
// and its part per century, all in arcseconds.
struct NutationTerm {
    int8_t d, m, mp, f, omega;
    double psi, psiT, eps, epsT;
};

// The 63 rows kept, largest first; 38 of them carry an obliquity term.
constexpr NutationTerm NUTATION_TERMS[63] = {
    {0, 0, 0, 0, 1, -17.1996, -0.01742, 9.2025, 0.00089},
    {-2, 0, 0, 2, 2, -1.3187, -0.00016, 0.5736, -0.00031},
    {0, 0, 0, 2, 2, -0.2274, -0.00002, 0.0977, -0.00005},
    {0, 0, 0, 0, 2, 0.2062, 0.00002, -0.0895, 0.00005},
    {0, 1, 0, 0, 0, 0.1426, -0.00034, 0.0054, -0.00001},
    {0, 0, 1, 0, 0, 0.0712, 0.00001, -0.0007, 0},
    {-2, 1, 0, 2, 2, -0.0517, 0.00012, 0.0224, -0.00006},
    {0, 0, 0, 2, 1, -0.0386, -0.00004, 0.02, 0},
    {0, 0, 1, 2, 2, -0.0301, 0, 0.0129, -0.00001},
    {-2, -1, 0, 2, 2, 0.0217, -0.00005, -0.0095, 0.00003},
    {-2, 0, 1, 0, 0, -0.0158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 0.0129, 0.00001, -0.007, 0},
    {0, 0, -1, 2, 2, 0.0123, 0, -0.0053, 0},
    {2, 0, 0, 0, 0, 0.0063, 0, 0, 0},
    {0, 0, 1, 0, 1, 0.0063, 0.00001, -0.0033, 0},
    {2, 0, -1, 2, 2, -0.0059, 0, 0.0026, 0},
    {0, 0, -1, 0, 1, -0.0058, -0.00001, 0.0032, 0},
    {0, 0, 1, 2, 1, -0.0051, 0, 0.0027, 0},
    {-2, 0, 2, 0, 0, 0.0048, 0, 0, 0},
    {0, 0, -2, 2, 1, 0.0046, 0, -0.0024, 0},
    {2, 0, 0, 2, 2, -0.0038, 0, 0.0016, 0},
    {0, 0, 2, 2, 2, -0.0031, 0, 0.0013, 0},
    {0, 0, 2, 0, 0, 0.0029, 0, 0, 0},
    {-2, 0, 1, 2, 2, 0.0029, 0, -0.0012, 0},
    {0, 0, 0, 2, 0, 0.0026, 0, 0, 0},
    {-2, 0, 0, 2, 0, -0.0022, 0, 0, 0},
    {0, 0, -1, 2, 1, 0.0021, 0, -0.001, 0},
    {0, 2, 0, 0, 0, 0.0017, -0.00001, 0, 0},
    {2, 0, -1, 0, 1, 0.0016, 0, -0.0008, 0},
    {-2, 2, 0, 2, 2, -0.0016, 0.00001, 0.0007, 0},
    {0, 1, 0, 0, 1, -0.0015, 0, 0.0009, 0},
    {-2, 0, 1, 0, 1, -0.0013, 0, 0.0007, 0},
    {0, -1, 0, 0, 1, -0.0012, 0, 0.0006, 0},
    {0, 0, 2, -2, 0, 0.0011, 0, 0, 0},
    {2, 0, -1, 2, 1, -0.001, 0, 0.0005, 0},
    {2, 0, 1, 2, 2, -0.0008, 0, 0.0003, 0},
    {0, 1, 0, 2, 2, 0.0007, 0, -0.0003, 0},
    {-2, 1, 1, 0, 0, -0.0007, 0, 0, 0},
    {0, -1, 0, 2, 2, -0.0007, 0, 0.0003, 0},
    {2, 0, 0, 2, 1, -0.0007, 0, 0.0003, 0},
    {2, 0, 1, 0, 0, 0.0006, 0, 0, 0},
    {-2, 0, 2, 2, 2, 0.0006, 0, -0.0003, 0},
    {-2, 0, 1, 2, 1, 0.0006, 0, -0.0003, 0},
    {2, 0, -2, 0, 1, -0.0006, 0, 0.0003, 0},
    {2, 0, 0, 0, 1, -0.0006, 0, 0.0003, 0},
    {0, -1, 1, 0, 0, 0.0005, 0, 0, 0},
    {-2, -1, 0, 2, 1, -0.0005, 0, 0.0003, 0},
    {-2, 0, 0, 0, 1, -0.0005, 0, 0.0003, 0},
    {0, 0, 2, 2, 1, -0.0005, 0, 0.0003, 0},
    {-2, 0, 2, 0, 1, 0.0004, 0, 0, 0},
    {-2, 1, 0, 2, 1, 0.0004, 0, 0, 0},
    {0, 0, 1, -2, 0, 0.0004, 0, 0, 0},
    {-1, 0, 1, 0, 0, -0.0004, 0, 0, 0},
    {-2, 1, 0, 0, 0, -0.0004, 0, 0, 0},
    {1, 0, 0, 0, 0, -0.0004, 0, 0, 0},
    {0, 0, 1, 2, 0, 0.0003, 0, 0, 0},
    {0, 0, -2, 2, 2, -0.0003, 0, 0, 0},
    {-1, -1, 1, 0, 0, -0.0003, 0, 0, 0},
    {0, 1, 1, 0, 0, -0.0003, 0, 0, 0},
    {0, -1, 1, 2, 2, -0.0003, 0, 0, 0},
    {2, -1, -1, 2, 2, -0.0003, 0, 0, 0},
    {0, 0, 3, 2, 2, -0.0003, 0, 0, 0},
    {2, -1, 0, 2, 2, -0.0003, 0, 0, 0},
};

// Orbital elements of the Sun for its true longitude, degrees.
constexpr double ECCENTRICITY[3] = {0.016708617, -4.204e-05, -1.236e-07};
constexpr double SUN_MEAN_ANOMALY_DEG[3] = {357.5291, 35999.05028, -0.0001561};
constexpr double SUN_MEAN_LONGITUDE_DEG[3] = {280.46646, 36000.76983, 0.0003032};
constexpr double PERIHELION_DEG[3] = {102.93735, 1.71954, 0.00046};
constexpr double THIRD_HARMONIC = 1.0833333333; // 13/12

// Closer to a pole than this (cos dec below it), right ascension is undefined.
constexpr double POLE_COS_LIMIT = 1e-9;

double argument(const double* deg, double t) {
    return reduceAngle(polyEval(deg, 3, t) * DEG_TO_RAD);
}

} // namespace

double meanObliquity(double tTd) {
    return polyEval(OBLIQUITY_ARCSEC, 10, tTd * 0.01) * ARCSECOND;
}

void nutation(double tTd, double& deltaPsi, double& deltaEpsilon) {
    const double d = argument(MEAN_ELONGATION_DEG, tTd);
    const double m = argument(SUN_ANOMALY_DEG, tTd);
    const double mp = argument(MOON_ANOMALY_DEG, tTd);
    const double f = argument(MOON_LATITUDE_DEG, tTd);
    const double omega = argument(MOON_NODE_DEG, tTd);
    const MultipleAngles<5, 3> angles({d, m, mp, f, omega});
    double psi = 0.0;
    double eps = 0.0;
    for (const NutationTerm& term : NUTATION_TERMS) {
        const Phasor p = angles.of({term.d, term.m, term.mp, term.f, term.omega});
        psi += (term.psi + term.psiT * tTd) * p.s;
        if (term.eps != 0.0 || term.epsT != 0.0) eps += (term.eps + term.epsT * tTd) * p.c;
    }
    deltaPsi = psi * ARCSECOND;
    deltaEpsilon = eps * ARCSECOND;
}

void eclipticToEquatorial(double lon, double lat, double obliquity, double& ra, double& dec) {
    const double sinLon = std::sin(lon);
    const double cosLat = std::cos(lat);
    const double sinLat = std::sin(lat);
    const double sinEps = std::sin(obliquity);
    const double cosEps = std::cos(obliquity);
    ra = std::atan2(sinLon * cosLat * cosEps - sinLat * sinEps, std::cos(lon) * cosLat);
    if (ra < 0.0) ra += TWO_PI;
    dec = std::asin(sinLon * cosLat * sinEps + sinLat * cosEps);
}

double sunTrueLongitude(double tTd, double& eccentricity) {
    const double e = polyEval(ECCENTRICITY, 2, tTd);
    const double m = polyEval(SUN_MEAN_ANOMALY_DEG, 2, tTd) * DEG_TO_RAD;
    const double l0 = polyEval(SUN_MEAN_LONGITUDE_DEG, 2, tTd) * DEG_TO_RAD;
    const double c = e * (2.0 - e * e / 4.0) * std::sin(m) + 1.25 * e * e * std::sin(2.0 * m) +
                     THIRD_HARMONIC * e * e * e * std::sin(3.0 * m);
    eccentricity = e;
    return l0 + c;
}

void annualAberration(double tTd, double obliquity, double& ra, double& dec) {
    const double alpha = ra;
    const double delta = dec;
    double e = 0.0;
    const double ls = sunTrueLongitude(tTd, e);
    const double perihelion = polyEval(PERIHELION_DEG, 2, tTd) * DEG_TO_RAD;
    const double s = std::sin(ls) - e * std::sin(perihelion);
    const double c = std::cos(ls) - e * std::cos(perihelion);
    const double cosEps = std::cos(obliquity);
    const double sinEps = std::sin(obliquity);
    const double cosA = std::cos(alpha);
    const double sinA = std::sin(alpha);
    const double cosD = std::cos(delta);
    const double sinD = std::sin(delta);
    if (std::fabs(cosD) >= POLE_COS_LIMIT)
        ra = alpha - ABERRATION_CONSTANT * (c * cosA * cosEps + s * sinA) / cosD;
    dec = delta -
          ABERRATION_CONSTANT * (c * (sinEps * cosD - cosEps * sinA * sinD) + s * cosA * sinD);
}

} // namespace skyledger
