// World Magnetic Model 2025: geodetic to geocentric coordinates on the WGS84
// ellipsoid, the field's spherical-harmonic synthesis in geocentric
// coordinates, and its rotation back into the geodetic frame.
#include "astro/magnetic_model.h"

#include <array>
#include <cmath>

#include "astro/constants.h"

namespace skyledger {

namespace {

constexpr int DEGREE = 12;
constexpr double REFERENCE_RADIUS = 6371.2;          // km, the model's geomagnetic reference
constexpr double WGS84_A = 6378.137;                 // km, semi-major axis
constexpr double WGS84_F = 1.0 / 298.257223563;      // flattening
constexpr double WGS84_E2 = WGS84_F * (2.0 - WGS84_F); // first eccentricity squared

// Schmidt semi-normalized associated Legendre functions P(n, m) of the
// colatitude and their derivatives with respect to it, for n, m <= DEGREE.
struct Legendre {
    std::array<std::array<double, DEGREE + 1>, DEGREE + 1> p{};
    std::array<std::array<double, DEGREE + 1>, DEGREE + 1> dp{};
};

// cosTheta and sinTheta are those of the geocentric colatitude.
Legendre schmidtLegendre(double cosTheta, double sinTheta) {
    Legendre l;
    l.p[0][0] = 1.0;
    l.dp[0][0] = 0.0;
    for (int m = 0; m <= DEGREE; ++m) {
        if (m == 1) {
            l.p[1][1] = sinTheta;
            l.dp[1][1] = cosTheta;
        } else if (m > 1) {
            const double k = std::sqrt((2.0 * m - 1.0) / (2.0 * m));
            l.p[m][m] = k * sinTheta * l.p[m - 1][m - 1];
            l.dp[m][m] = k * (cosTheta * l.p[m - 1][m - 1] + sinTheta * l.dp[m - 1][m - 1]);
        }
        for (int n = m + 1; n <= DEGREE; ++n) {
            const double older = n >= m + 2 ? std::sqrt((n - 1.0) * (n - 1.0) - m * m) : 0.0;
            const double pOlder = n >= m + 2 ? l.p[n - 2][m] : 0.0;
            const double dpOlder = n >= m + 2 ? l.dp[n - 2][m] : 0.0;
            const double scale = 1.0 / std::sqrt(static_cast<double>(n * n - m * m));
            l.p[n][m] = ((2.0 * n - 1.0) * cosTheta * l.p[n - 1][m] - older * pOlder) * scale;
            l.dp[n][m] = ((2.0 * n - 1.0) * (cosTheta * l.dp[n - 1][m] - sinTheta * l.p[n - 1][m]) -
                          older * dpOlder) *
                         scale;
        }
    }
    return l;
}

} // namespace

MagneticField worldMagneticModel(double latitude, double longitude, double height,
                                 double decimalYear) {
    // Geodetic to geocentric: the radius and the geocentric latitude.
    const double phi = latitude * DEG_TO_RAD;
    const double lambda = -longitude * DEG_TO_RAD; // the model counts east
    const double sinPhi = std::sin(phi);
    const double rc = WGS84_A / std::sqrt(1.0 - WGS84_E2 * sinPhi * sinPhi);
    const double p = (rc + height) * std::cos(phi);
    const double z = (rc * (1.0 - WGS84_E2) + height) * sinPhi;
    const double r = std::hypot(p, z);
    const double phiC = std::asin(z / r);
    const double cosPhiC = std::cos(phiC);
    const Legendre l = schmidtLegendre(std::sin(phiC), cosPhiC);

    const double years = decimalYear - WMM2025_EPOCH;
    double north = 0.0; // geocentric X', Y', Z'
    double east = 0.0;
    double down = 0.0;
    for (size_t i = 0; i < WMM2025_COEFFICIENT_COUNT; ++i) {
        const GaussCoefficient& c = WMM2025_COEFFICIENTS[i];
        const double g = c.g + years * c.gPerYear;
        const double h = c.h + years * c.hPerYear;
        const double radial = std::pow(REFERENCE_RADIUS / r, c.n + 2);
        const double cosM = std::cos(c.m * lambda);
        const double sinM = std::sin(c.m * lambda);
        const double cosTerm = g * cosM + h * sinM;
        // d/d(latitude) is -d/d(colatitude).
        north += radial * cosTerm * l.dp[c.n][c.m];
        east += radial * c.m * (g * sinM - h * cosM) * l.p[c.n][c.m];
        down -= radial * (c.n + 1) * cosTerm * l.p[c.n][c.m];
    }
    east /= cosPhiC;

    // Back into the geodetic frame: a rotation by the two latitudes' difference.
    const double tilt = phiC - phi;
    MagneticField f;
    f.north = north * std::cos(tilt) - down * std::sin(tilt);
    f.east = east;
    f.down = north * std::sin(tilt) + down * std::cos(tilt);
    f.horizontal = std::hypot(f.north, f.east);
    f.total = std::hypot(f.horizontal, f.down);
    f.declination = std::atan2(f.east, f.north) * RAD_TO_DEG;
    f.inclination = std::atan2(f.down, f.horizontal) * RAD_TO_DEG;
    f.withinModelYears = decimalYear >= WMM2025_EPOCH && decimalYear <= WMM2025_LAST_YEAR;
    return f;
}

} // namespace skyledger
