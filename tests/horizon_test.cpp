// Sidereal time, observer's coordinates, parallax, horizontal coordinates and
// refraction.
#include "astro/horizon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/constants.h"
#include "astro/julian_day.h"

namespace skyledger {
namespace {

constexpr double ARCMIN = ARCSECOND * 60.0;

double dms(double d, double m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

TEST(MeanSiderealTime, AtJ2000AndOn1987April10) {
    EXPECT_NEAR(meanSiderealTime(0.0) * RAD_TO_DEG, 280.46061837, 1e-9);
    // Meeus, Astronomical Algorithms, examples 12.a and 12.b.
    EXPECT_NEAR(meanSiderealTime(julianCenturies(2446895.5)) * RAD_TO_DEG, 197.693195, 1e-6);
    const double jd = julianDay({1987, 4, 10.0 + (19.0 + 21.0 / 60.0) / 24.0});
    EXPECT_NEAR(meanSiderealTime(julianCenturies(jd)) * RAD_TO_DEG, 128.7378734, 1e-6);
    const double before = meanSiderealTime(-0.3);
    EXPECT_GE(before, 0.0);
    EXPECT_LT(before, TWO_PI);
}

TEST(ObserverGeocentric, EquatorPoleAndPalomar) {
    double rc = 0.0;
    double rs = 0.0;
    observerGeocentric(0.0, 0.0, rc, rs);
    EXPECT_DOUBLE_EQ(rc, 1.0);
    EXPECT_DOUBLE_EQ(rs, 0.0);
    observerGeocentric(PI / 2, 0.0, rc, rs);
    EXPECT_NEAR(rs, 0.9966471868221031, 1e-15);
    EXPECT_NEAR(rc, 0.0, 1e-15);
    // Meeus, example 11.a: Palomar, 33 deg 21' 22" N, 1706 m.
    observerGeocentric(dms(33, 21, 22) * DEG_TO_RAD, 1706.0, rc, rs);
    EXPECT_NEAR(rs, 0.546861, 1e-6);
    EXPECT_NEAR(rc, 0.836339, 1e-6);
}

TEST(Parallax, MarsFromPalomar) {
    // Meeus, example 40.a: Mars on 2003 August 28 at 3h17m UT, 0.37276 AU,
    // seen from Palomar (longitude 7h47m27s west, Greenwich sidereal time
    // 1h40m45s): topocentric 22h38m08.54s, -15 deg 46' 30.0".
    const double sinParallax = std::sin(8.794 * ARCSECOND) / 0.37276;
    const double theta = (dms(1, 40, 45) - dms(7, 47, 27)) * 15.0 * DEG_TO_RAD;
    const double ra0 = 339.530208 * DEG_TO_RAD;
    const double dec0 = -15.771083 * DEG_TO_RAD;
    double ra = ra0;
    double dec = dec0;
    parallaxRigorous(sinParallax, theta, 0.836339, 0.546861, ra, dec);
    EXPECT_NEAR(ra * RAD_TO_DEG / 15.0, dms(22, 38, 8.54), 0.01 / 3600.0);
    EXPECT_NEAR(dec * RAD_TO_DEG, -dms(15, 46, 30.0), 0.1 / 3600.0);

    // The first-order form agrees to well under a thousandth of the shift.
    double raA = ra0;
    double decA = dec0;
    parallaxApprox(sinParallax, theta, 0.836339, 0.546861, raA, decA);
    EXPECT_NEAR(raA, ra, 0.002 * std::fabs(ra - ra0));
    EXPECT_NEAR(decA, dec, 0.002 * std::fabs(dec - dec0));
}

TEST(Parallax, AnObserverAtTheCentreSeesNoShift) {
    double ra = 5.9;
    double dec = -0.3;
    parallaxRigorous(0.0166, 1.1, 0.0, 0.0, ra, dec);
    EXPECT_NEAR(ra, 5.9, 1e-14);
    EXPECT_NEAR(dec, -0.3, 1e-14);
    ra = 5.9;
    dec = -0.3;
    parallaxApprox(4.26345151167726e-05, 1.1, 0.0, 0.0, ra, dec);
    EXPECT_EQ(ra, 5.9);
    EXPECT_EQ(dec, -0.3);
}

TEST(EquatorialToHorizontal, VenusFromWashingtonAndTheMeridian) {
    // Meeus, example 13.b: Venus on 1987 April 10 at 19h21m UT from the US
    // Naval Observatory: local hour angle 64.352133 deg, azimuth 68.0337 deg
    // (from the south), altitude 15.1249 deg.
    const double ra = dms(23, 9, 16.641) * 15.0 * DEG_TO_RAD;
    const double theta = ra + 64.352133 * DEG_TO_RAD;
    double az = 0.0;
    double alt = 0.0;
    equatorialToHorizontal(ra, -dms(6, 43, 11.61) * DEG_TO_RAD, theta, dms(38, 55, 17) * DEG_TO_RAD,
                           az, alt);
    EXPECT_NEAR(az * RAD_TO_DEG, 68.0337, 0.0001);
    EXPECT_NEAR(alt * RAD_TO_DEG, 15.1249, 0.0001);

    // On the meridian south of the zenith: azimuth 0, altitude 90 - phi + delta.
    const double phi = 0.8;
    const double dec = 0.3;
    equatorialToHorizontal(2.0, dec, 2.0, phi, az, alt);
    EXPECT_EQ(az, 0.0);
    EXPECT_NEAR(alt, PI / 2 - phi + dec, 1e-15);
    // Six hours west of the meridian the azimuth is on the western side.
    equatorialToHorizontal(2.0, 0.0, 2.0 + PI / 2, phi, az, alt);
    EXPECT_NEAR(az, PI / 2, 1e-15);
}

TEST(Refraction, AtTheHorizonAtTheZenithAndBetween) {
    EXPECT_NEAR(refraction(0.0) / ARCMIN, 28.98, 0.005);
    EXPECT_NEAR(refraction(PI / 2) / ARCMIN, 0.0, 1e-7);
    // Bennett's formula for the apparent altitude, R = 1' / tan(ha + 7.31 /
    // (ha + 4.4)) (degrees), is the inverse that this one was fitted to: both
    // agree within 0.1' from the horizon up.
    for (const double deg : {0.5, 2.0, 5.0, 10.0, 30.0, 60.0}) {
        const double r = refraction(deg * DEG_TO_RAD) / ARCMIN;
        const double apparent = deg + r / 60.0;
        const double bennett = 1.0 / std::tan((apparent + 7.31 / (apparent + 4.4)) * DEG_TO_RAD);
        EXPECT_NEAR(r, bennett, 0.1) << deg;
    }
    EXPECT_GT(refraction(0.0), refraction(0.01));
}

} // namespace
} // namespace skyledger
