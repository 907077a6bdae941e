// Obliquity, nutation, ecliptic to equatorial rotation and annual aberration.
#include "astro/nutation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/constants.h"
#include "astro/julian_day.h"

namespace skyledger {
namespace {

double dms(double d, double m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

TEST(MeanObliquity, AtJ2000AndOn1987April10) {
    EXPECT_NEAR(meanObliquity(0.0) / ARCSECOND, 84381.448, 1e-9);
    // Meeus, Astronomical Algorithms, example 22.a: 23 deg 26' 27.407".
    EXPECT_NEAR(meanObliquity(julianCenturies(2446895.5)) * RAD_TO_DEG, dms(23, 26, 27.407),
                0.001 / 3600.0);
    // The high powers matter far from J2000: at T = +-50 (U = +-0.5) the value
    // stays within the published range of the polynomial (about 22.6 to 24.2 deg).
    EXPECT_NEAR(meanObliquity(50.0) * RAD_TO_DEG, 22.96, 0.5);
    EXPECT_NEAR(meanObliquity(-50.0) * RAD_TO_DEG, 23.9, 0.5);
}

TEST(Nutation, PublishedExamples) {
    struct Case {
        double jde, dpsi, deps, tolerance; // arcseconds
    };
    const Case cases[] = {
        {2446895.5, -3.788, 9.443, 0.001},  // 1987 April 10.0 TD, Meeus example 22.a
        {2448908.5, 15.908, -0.308, 0.001}, // 1992 October 13.0 TD, Meeus example 25.a
    };
    for (const Case& c : cases) {
        double dpsi = 0.0;
        double deps = 0.0;
        nutation(julianCenturies(c.jde), dpsi, deps);
        EXPECT_NEAR(dpsi / ARCSECOND, c.dpsi, c.tolerance) << c.jde;
        EXPECT_NEAR(deps / ARCSECOND, c.deps, c.tolerance) << c.jde;
    }
}

TEST(Nutation, StaysWithinTheAmplitudeOfTheSeriesOverCenturies) {
    // The sum of the absolute coefficients bounds each nutation; the leading
    // terms make it at least about 17" and 9" at some time in every 18.6 years.
    double maxPsi = 0.0;
    double maxEps = 0.0;
    for (double t = -2.0; t <= 2.0; t += 0.00137) {
        double dpsi = 0.0;
        double deps = 0.0;
        nutation(t, dpsi, deps);
        maxPsi = std::fmax(maxPsi, std::fabs(dpsi / ARCSECOND));
        maxEps = std::fmax(maxEps, std::fabs(deps / ARCSECOND));
    }
    EXPECT_GT(maxPsi, 17.0);
    EXPECT_LT(maxPsi, 19.9);
    EXPECT_GT(maxEps, 9.1);
    EXPECT_LT(maxEps, 10.3);
}

TEST(EclipticToEquatorial, PolluxAndTheOriginAndTheTopOfTheCircle) {
    // Meeus, example 13.a: Pollux.
    double ra = 0.0;
    double dec = 0.0;
    eclipticToEquatorial(113.215630 * DEG_TO_RAD, 6.684170 * DEG_TO_RAD, 23.4392911 * DEG_TO_RAD,
                         ra, dec);
    EXPECT_NEAR(ra * RAD_TO_DEG, 116.328942, 1e-6);
    EXPECT_NEAR(dec * RAD_TO_DEG, 28.026183, 1e-6);

    eclipticToEquatorial(0.0, 0.0, 0.409, ra, dec);
    EXPECT_EQ(ra, 0.0);
    EXPECT_EQ(dec, 0.0);

    const double justBelow = TWO_PI - 1e-9;
    eclipticToEquatorial(justBelow, 0.0, 0.409, ra, dec);
    EXPECT_GT(ra, TWO_PI - 2e-9);
    EXPECT_LT(ra, TWO_PI);
    EXPECT_LT(dec, 0.0);
}

TEST(SunTrueLongitude, On1992October13) {
    // Meeus, example 25.a: e = 0.016711668, true longitude 199.90988 deg.
    double e = 0.0;
    const double t = julianCenturies(2448908.5);
    const double lon = sunTrueLongitude(t, e);
    // The example's eccentricity comes from a slightly different polynomial
    // (0.016708634 - 0.000042037 T - ...), 1.7e-8 away from this one.
    EXPECT_NEAR(e, 0.016711668, 2.5e-8);
    EXPECT_NEAR(reduceAngle(lon) * RAD_TO_DEG, 199.90988, 0.0002);
    // Not reduced: a century later the value has grown by about 100 turns.
    EXPECT_GT(sunTrueLongitude(1.0, e), 99.0 * TWO_PI);
}

TEST(AnnualAberration, ThetaPerseiIn2028) {
    // Meeus, example 23.a: theta Persei on 2028 November 13.19 TD, mean place
    // of date 41.5599646 deg, +49.3520685 deg; aberration +30.045" in right
    // ascension and +6.697" in declination.
    const double t = julianCenturies(2462088.69);
    double dpsi = 0.0;
    double deps = 0.0;
    nutation(t, dpsi, deps);
    const double eps = meanObliquity(t) + deps;
    const double ra0 = 41.5599646 * DEG_TO_RAD;
    const double dec0 = 49.3520685 * DEG_TO_RAD;
    double ra = ra0;
    double dec = dec0;
    annualAberration(t, eps, ra, dec);
    // The example rounds its intermediate values; evaluated with them the
    // same formula gives 30.049" and 6.693".
    EXPECT_NEAR((ra - ra0) / ARCSECOND, 30.045, 0.005);
    EXPECT_NEAR((dec - dec0) / ARCSECOND, 6.697, 0.005);
}

TEST(AnnualAberration, AtACelestialPoleTheRightAscensionIsLeftAlone) {
    const double t = 0.26;
    for (const double pole : {PI / 2, -PI / 2}) {
        double ra = 1.0;
        double dec = pole;
        annualAberration(t, 0.409, ra, dec);
        EXPECT_EQ(ra, 1.0);
        EXPECT_TRUE(std::isfinite(dec));
        EXPECT_LT(std::fabs(dec - pole), 21.0 * ARCSECOND);
    }
    // A little away from the pole the correction applies and stays finite.
    double ra = 1.0;
    double dec = PI / 2 - 1e-6;
    annualAberration(t, 0.409, ra, dec);
    EXPECT_NE(ra, 1.0);
    EXPECT_TRUE(std::isfinite(ra));
}

} // namespace
} // namespace skyledger
