// Sidereal time, observer's geocentric coordinates, parallax, horizontal
// coordinates and refraction.
#include "astro/horizon.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"

namespace skyledger {

namespace {

// Greenwich mean sidereal time in degrees: constant, T, T^2, T^3.
constexpr double SIDEREAL_DEG[4] = {280.46061837, 13185000.770053742, 0.000387933,
                                    -2.5833118057349522e-08};

constexpr double POLAR_RATIO = 0.9966471868221031;               // b / a of the Earth
constexpr double INV_EQUATORIAL_RADIUS = 1.5678552054360676e-07; // 1 / 6378140 m

constexpr double REFRACTION_OFFSET_RAD = 0.17976891295541594; // 10.3 degrees
constexpr double ARCMINUTE = 0.0002908882086657216;

} // namespace

double meanSiderealTime(double tUt) {
    return reduceAngle(polyEval(SIDEREAL_DEG, 3, tUt) * DEG_TO_RAD);
}

void observerGeocentric(double latitude, double heightMetres, double& rhoCosPhi,
                        double& rhoSinPhi) {
    const double u = std::atan(POLAR_RATIO * std::tan(latitude));
    const double h = heightMetres * INV_EQUATORIAL_RADIUS;
    rhoSinPhi = POLAR_RATIO * std::sin(u) + h * std::sin(latitude);
    rhoCosPhi = std::cos(u) + h * std::cos(latitude);
}

void parallaxApprox(double sinParallax, double theta, double rhoCosPhi, double rhoSinPhi,
                    double& ra, double& dec) {
    const double alpha = ra;
    const double delta = dec;
    const double h = theta - alpha;
    ra = alpha - sinParallax * rhoCosPhi * std::sin(h) / std::cos(delta);
    dec = delta -
          sinParallax * (rhoSinPhi * std::cos(delta) - rhoCosPhi * std::sin(delta) * std::cos(h));
}

void parallaxRigorous(double sinParallax, double theta, double rhoCosPhi, double rhoSinPhi,
                      double& ra, double& dec) {
    const double h = theta - ra;
    const double cosDec = std::cos(dec);
    const double a = cosDec * std::sin(h);
    const double b = cosDec * std::cos(h) - rhoCosPhi * sinParallax;
    const double c = std::sin(dec) - rhoSinPhi * sinParallax;
    const double q = std::sqrt(a * a + b * b + c * c);
    ra = reduceAngle(theta - std::atan2(a, b));
    dec = std::asin(c / q);
}

void equatorialToHorizontal(double ra, double dec, double theta, double latitude, double& azimuth,
                            double& altitude) {
    const double h = theta - ra;
    const double sinPhi = std::sin(latitude);
    const double cosPhi = std::cos(latitude);
    azimuth = std::atan2(std::sin(h), std::cos(h) * sinPhi - std::tan(dec) * cosPhi);
    altitude = std::asin(sinPhi * std::sin(dec) + cosPhi * std::cos(dec) * std::cos(h));
}

double refraction(double altitude) {
    const double degrees = altitude * RAD_TO_DEG;
    const double arcminutes =
        1.02 / std::tan(altitude + REFRACTION_OFFSET_RAD / (degrees + 5.11)) + 0.0019279;
    return arcminutes * ARCMINUTE;
}

} // namespace skyledger
