// The Moon's position and the illuminated fraction of its disc.
#include "astro/moon_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/constants.h"
#include "astro/julian_day.h"
#include "astro/moon_phase.h"
#include "tests/solar_reference.h"

namespace skyledger {
namespace {

// Meeus, "Astronomical Algorithms", example 47.a: 1992 April 12, 0h TD.
constexpr double EXAMPLE_JDE = 2448724.5;

TEST(LunarArguments, PublishedWorkedExample) {
    const LunarArguments a = lunarArguments(julianCenturies(EXAMPLE_JDE));
    // The book's revised element polynomials differ from these in the last
    // digits, by up to 6e-6 degree at this date.
    EXPECT_NEAR(a.d * RAD_TO_DEG, 113.842304, 1e-5);
    EXPECT_NEAR(a.m * RAD_TO_DEG, 97.643514, 1e-5);
    EXPECT_NEAR(a.mPrime * RAD_TO_DEG, 5.150833, 1e-5);
    EXPECT_NEAR(a.f * RAD_TO_DEG, 219.889721, 1e-5);
    EXPECT_NEAR(a.e, 1.000194, 1e-6);
    EXPECT_DOUBLE_EQ(a.e2, a.e * a.e);
}

TEST(LunarArguments, AreReducedToOneTurn) {
    for (double t : {-20.0, -1.3, 0.0, 0.77, 5.0, 30.0}) {
        const LunarArguments a = lunarArguments(t);
        for (double angle : {a.d, a.m, a.mPrime, a.f}) {
            EXPECT_GE(angle, 0.0) << "t = " << t;
            EXPECT_LT(angle, TWO_PI) << "t = " << t;
        }
    }
}

TEST(MoonPosition, PublishedWorkedExample) {
    const SphericalCoords moon = moonPosition(julianCenturies(EXAMPLE_JDE));
    EXPECT_NEAR(moon.longitude * RAD_TO_DEG, 133.162655, 1e-5);
    EXPECT_NEAR(moon.latitude * RAD_TO_DEG, -3.229126, 1e-5);
    EXPECT_NEAR(moon.radius, 368409.7, 0.1);
    // Equatorial horizontal parallax from the distance.
    EXPECT_NEAR(std::asin(6378.14 / moon.radius) * RAD_TO_DEG, 0.991990, 1e-6);
}

// Over nine years (a turn of the lunar perigee, so that the perturbation at
// the equinox takes both signs) sampled every 0.05 day the longitude never
// goes below zero, does go above 2 pi (it is not reduced from above, only by
// the small perturbation), and only ever jumps by one turn.
TEST(MoonPosition, LongitudeIsRaisedFromBelowZeroButNotReducedFromAbove) {
    const double step = 0.05;
    const double startJde = 2451545.0;
    double previous = moonPosition(julianCenturies(startJde)).longitude;
    int aboveOneTurn = 0;
    int wraps = 0;
    for (int i = 1; i < 65745; ++i) {
        const double lon = moonPosition(julianCenturies(startJde + i * step)).longitude;
        ASSERT_GE(lon, 0.0) << "sample " << i;
        ASSERT_LT(lon, TWO_PI + 0.15) << "sample " << i;
        if (lon >= TWO_PI) ++aboveOneTurn;
        const double change = lon - previous;
        if (change < 0.0) {
            ++wraps;
            ASSERT_NEAR(change, -TWO_PI, 0.03) << "sample " << i;
        } else {
            ASSERT_LT(change, 0.02) << "sample " << i;
        }
        previous = lon;
    }
    EXPECT_GT(aboveOneTurn, 0);
    EXPECT_GE(wraps, 119); // one per tropical month of 27.3216 days
    EXPECT_LE(wraps, 122);
}

TEST(MoonIlluminatedFraction, DarkAtConjunctionAndFullAtOpposition) {
    // Values chosen so that the Moon's longitude plus the nutation equals the
    // Sun's longitude exactly: the elongation is 0 and the quotient -0.0.
    const double sunLongitude = 1.0;
    const double deltaPsi = 0.25;
    const SphericalCoords newMoon{0.75, 0.0, 384400.0};
    EXPECT_EQ(moonIlluminatedFraction(newMoon, deltaPsi, sunLongitude, 1.0), 0.0);
    // The nutation goes into the Moon's longitude only.
    const SphericalCoords sameLongitude{1.0, 0.0, 384400.0};
    EXPECT_GT(moonIlluminatedFraction(sameLongitude, deltaPsi, sunLongitude, 1.0), 0.01);

    const SphericalCoords fullMoon{1.0 + PI, 0.0, 384400.0};
    EXPECT_DOUBLE_EQ(moonIlluminatedFraction(fullMoon, 0.0, sunLongitude, 0.99), 1.0);

    // At quadrature the phase angle falls short of 90 degrees by the Moon's
    // distance seen from the Sun: a little over half the disc is lit.
    const SphericalCoords quarter{1.0 + PI / 2.0, 0.0, 384400.0};
    const double k = moonIlluminatedFraction(quarter, 0.0, sunLongitude, 1.0);
    EXPECT_GT(k, 0.5);
    EXPECT_LT(k, 0.502);
}

// Meeus, "Astronomical Algorithms", example 48.a gives k = 0.6786 for the
// Moon of example 47.a; here the Sun comes from the low-precision theory and
// the nutation (+16.595") from example 47.a.
TEST(MoonIlluminatedFraction, PublishedWorkedExample) {
    const double t = julianCenturies(EXAMPLE_JDE);
    const testing::LowPrecisionSun sun = testing::lowPrecisionSun(t);
    const double k =
        moonIlluminatedFraction(moonPosition(t), 16.595 * ARCSECOND, sun.longitude, sun.distanceAu);
    EXPECT_NEAR(k, 0.6786, 0.0005);
}

// Through real lunations, with the Sun from an independent low-precision
// theory: the fraction is near 0 at the computed new Moons, near 1 at the full
// Moon (the Moon's latitude keeps it from the exact values), rises steadily
// from new to full and falls steadily from full to the next new Moon.
double fractionAt(double jde) {
    const double t = julianCenturies(jde);
    const testing::LowPrecisionSun sun = testing::lowPrecisionSun(t);
    const double sunApparent = sun.longitude - 20.4898 * ARCSECOND / sun.distanceAu;
    return moonIlluminatedFraction(moonPosition(t), 0.0, sunApparent, sun.distanceAu);
}

TEST(MoonIlluminatedFraction, RisesToFullMoonAndFallsToNewMoon) {
    for (double jd : {2451549.5, 2443180.5, 2462000.5}) {
        const double newMoon = *moonPhaseInstant(jd - 29.0, MoonPhase::New);
        const double fullMoon = *moonPhaseInstant(jd, MoonPhase::Full);
        const double nextNewMoon = *moonPhaseInstant(jd, MoonPhase::New);
        ASSERT_LT(newMoon, fullMoon);
        ASSERT_LT(fullMoon, nextNewMoon);
        EXPECT_LT(fractionAt(newMoon), 0.003) << "jd " << jd;
        EXPECT_GT(fractionAt(fullMoon), 0.997) << "jd " << jd;
        EXPECT_LT(fractionAt(nextNewMoon), 0.003) << "jd " << jd;

        const double margin = 0.3;
        const double step = 0.1;
        double previous = fractionAt(newMoon + margin);
        for (double jde = newMoon + margin + step; jde < fullMoon - margin; jde += step) {
            const double k = fractionAt(jde);
            ASSERT_GT(k, previous) << "jde " << jde;
            previous = k;
        }
        previous = fractionAt(fullMoon + margin);
        for (double jde = fullMoon + margin + step; jde < nextNewMoon - margin; jde += step) {
            const double k = fractionAt(jde);
            ASSERT_LT(k, previous) << "jde " << jde;
            previous = k;
        }
    }
}

} // namespace
} // namespace skyledger
