// The VSOP87 term pool, the term store and the Sun's position.
#include "astro/planetary_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "astro/constants.h"
#include "astro/julian_day.h"
#include "astro/vsop87_terms.h"

namespace skyledger {
namespace {

// Terms per body and the index of each body's first term, as published with
// the truncation the program is built for.
constexpr int BODY_TERMS[BODY_COUNT] = {207, 155, 93, 195, 302, 498, 632, 393, 162};
constexpr int BODY_FIRST[BODY_COUNT] = {0, 207, 362, 455, 650, 952, 1450, 2082, 2475};

TEST(TermPool, DirectoriesChainThroughThePoolWithTheTabulatedCounts) {
    int next = 0;
    for (int body = 0; body < BODY_COUNT; ++body) {
        const SeriesDirectory& dir = VSOP87_DIRECTORIES[body];
        EXPECT_EQ(dir.series[0].start, BODY_FIRST[body]) << "body " << body;
        int total = 0;
        for (const SeriesRange& r : dir.series) {
            EXPECT_EQ(r.start, next) << "body " << body;
            next += r.count;
            total += r.count;
        }
        EXPECT_EQ(total, BODY_TERMS[body]) << "body " << body;
    }
    EXPECT_EQ(next, VSOP87_TERM_COUNT);
    // Spot checks of series lengths: Earth of date L4, L5, B1, B2 and Saturn R5.
    EXPECT_EQ(VSOP87_DIRECTORIES[3].series[4].count, 3);
    EXPECT_EQ(VSOP87_DIRECTORIES[3].series[5].count, 1);
    EXPECT_EQ(VSOP87_DIRECTORIES[3].series[7].count, 2);
    EXPECT_EQ(VSOP87_DIRECTORIES[3].series[8].count, 0);
    EXPECT_EQ(VSOP87_DIRECTORIES[6].series[17].count, 18);
}

TEST(TermPool, FirstTermsMatchThePublishedValues) {
    struct Case {
        int body, series, term;
        double a, b, c;
    };
    const Case cases[] = {
        {3, 0, 0, 1.75347045673, 0, 0},
        {3, 0, 1, 0.03341656456, 4.66925680417, 6283.0758499914},
        {3, 1, 0, 6283.31966747491, 0, 0},
        {3, 1, 1, 0.00206058863, 2.67823455584, 6283.0758499914},
        {3, 6, 0, 2.7962e-06, 3.19870156017, 84334.66158130829},
        {3, 12, 0, 1.00013988799, 0, 0},
        {3, 12, 1, 0.01670699626, 3.09846350771, 6283.0758499914},
        {0, 1, 0, 6283.0758499914, 0, 0},
        {0, 7, 0, 0.00227777722, 3.4137662053, 6283.0758499914},
        {0, 7, 1, 3.805678e-05, 3.37063423795, 12566.1516999828},
        {1, 0, 0, 4.40250710144, 0, 0},
        {1, 0, 1, 0.40989414976, 1.48302034194, 26087.9031415742},
    };
    for (const Case& c : cases) {
        const SeriesTerm& t =
            VSOP87_TERMS[VSOP87_DIRECTORIES[c.body].series[c.series].start + c.term];
        EXPECT_EQ(t.amplitude, c.a) << c.body << " " << c.series << " " << c.term;
        EXPECT_EQ(t.phase, c.b) << c.body << " " << c.series << " " << c.term;
        EXPECT_EQ(t.frequency, c.c) << c.body << " " << c.series << " " << c.term;
    }
}

TEST(VsopSeries, SunAtJ2000) {
    const SphericalCoords sun = sunGeocentric(0.0);
    EXPECT_NEAR(sun.longitude * RAD_TO_DEG, 280.378, 0.0005);
    EXPECT_NEAR(sun.latitude / ARCSECOND, 0.73, 0.005);
    EXPECT_NEAR(sun.radius, 0.98333, 0.000005);
}

TEST(VsopSeries, SunOn1992October13) {
    // Meeus, Astronomical Algorithms, examples 25.b and 32 (same truncated
    // series): 1992 October 13.0 TD.
    const double t = julianCenturies(2448908.5);
    const SphericalCoords earth = bodyHeliocentric(BODY_EARTH, t);
    EXPECT_NEAR(earth.radius, 0.99760775, 1e-8);
    const SphericalCoords sun = sunGeocentric(t);
    EXPECT_NEAR(sun.longitude * RAD_TO_DEG, 199.907347, 2e-6);
    EXPECT_NEAR(sun.latitude / ARCSECOND, 0.62, 0.01);
    EXPECT_DOUBLE_EQ(sun.radius, earth.radius);
    EXPECT_NEAR(sun.longitude, reduceAngle(earth.longitude + PI), 1e-15);
    EXPECT_EQ(sun.latitude, -earth.latitude);
}

TEST(VsopSeries, VenusOn1992December20) {
    // Meeus, example 32.a (1992 December 20.0 TD); the published values
    // precede the FK5 correction, which moves them by less than 0.1".
    const SphericalCoords venus = bodyHeliocentric(BODY_VENUS, julianCenturies(2448976.5));
    EXPECT_NEAR(venus.longitude * RAD_TO_DEG, 26.11428, 0.00005);
    EXPECT_NEAR(venus.latitude * RAD_TO_DEG, -2.62070, 0.00005);
    EXPECT_NEAR(venus.radius, 0.724603, 0.000001);
}

TEST(VsopSeries, LongitudeStaysWithinOneTurnWhenTheSumIsNegative) {
    // Before about 1999.7 the Earth's longitude sum is negative (for 1992 it
    // is near -43.6 rad); it is reduced before the sub-arcsecond FK5 shift.
    for (double t = -2.0; t <= 2.0; t += 0.0137) {
        const SphericalCoords earth = bodyHeliocentric(BODY_EARTH, t);
        EXPECT_GT(earth.longitude, -ARCSECOND) << t;
        EXPECT_LT(earth.longitude, TWO_PI + ARCSECOND) << t;
        EXPECT_NEAR(earth.radius, 1.0, 0.0175) << t;
    }
}

TEST(Geocentric, TheSunFromTheEarthAndABodyFromTheEarth) {
    const SphericalCoords earth{1.2, 0.00001, 0.99};
    const SphericalCoords origin{};
    const SphericalCoords sun = heliocentricToGeocentric(origin, earth);
    EXPECT_NEAR(sun.longitude, 1.2 + PI, 1e-14);
    EXPECT_NEAR(sun.latitude, -0.00001, 1e-14);
    EXPECT_NEAR(sun.radius, 0.99, 1e-14);
    // A body straight beyond the Sun in the Earth's direction of the Sun.
    const SphericalCoords far{1.2 + PI, 0.0, 2.0};
    const SphericalCoords seen = heliocentricToGeocentric(far, SphericalCoords{1.2, 0.0, 1.0});
    EXPECT_NEAR(seen.longitude, 1.2 + PI, 1e-14);
    EXPECT_NEAR(seen.radius, 3.0, 1e-14);
}

TEST(Rectangular, RoundTripAndTheSpecialPoints) {
    const SphericalCoords cases[] = {
        {0.0, 0.0, 1.0}, {5.5, -1.2, 2.5}, {3.0, 1.5, 0.1}, {0.7, -0.3, 7.0}, {6.28, 0.0, 1.0}};
    for (const SphericalCoords& s : cases) {
        double x, y, z;
        sphericalToRectangular(s, x, y, z);
        const SphericalCoords back = rectangularToSpherical(x, y, z);
        EXPECT_NEAR(back.longitude, s.longitude, 1e-12);
        EXPECT_NEAR(back.latitude, s.latitude, 1e-12);
        EXPECT_NEAR(back.radius, s.radius, 1e-12);
    }
    const SphericalCoords west = rectangularToSpherical(0.0, -1.0, 0.0);
    EXPECT_NEAR(west.longitude, 1.5 * PI, 1e-15); // negative atan2 brought up by 2 pi
    const SphericalCoords pole = rectangularToSpherical(0.0, 0.0, -2.0);
    EXPECT_NEAR(pole.latitude, -PI / 2, 1e-15);
    const SphericalCoords origin = rectangularToSpherical(0.0, 0.0, 0.0);
    EXPECT_EQ(origin.radius, 0.0);
    EXPECT_EQ(origin.latitude, 0.0);
    EXPECT_EQ(origin.longitude, 0.0);
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

TEST(BodyHeliocentricAround, EqualsThreeSingleEvaluations) {
    for (double t : {-0.99, -0.26, 0.0, 0.2693, 1.0}) {
        SphericalCoords around[3];
        bodyHeliocentricAround(BODY_EARTH, t, CENTURIES_PER_DAY, around);
        for (int i = 0; i < 3; ++i) {
            const SphericalCoords single =
                bodyHeliocentric(BODY_EARTH, t + (i - 1) * CENTURIES_PER_DAY);
            EXPECT_NEAR(around[i].longitude, single.longitude, 1e-13) << t << " " << i;
            EXPECT_NEAR(around[i].latitude, single.latitude, 1e-15) << t << " " << i;
            EXPECT_NEAR(around[i].radius, single.radius, 1e-14) << t << " " << i;
            if (i == 1) {
                EXPECT_EQ(around[i].longitude, single.longitude); // the middle one exactly
            }
        }
    }
}

bool sameCoords(const SphericalCoords& a, const SphericalCoords& b) {
    return a.longitude == b.longitude && a.latitude == b.latitude && a.radius == b.radius;
}

TEST(BodyHeliocentricAround, AUseInsideAnotherGivesTheSameBitsAsAUseAlone) {
    // The series keep nothing between calls: the Earth's three days taken in
    // the middle of another body's, or with another step, are the same to
    // the bit as taken alone, and so is the Sun.
    const double t = 0.2693;
    SphericalCoords alone[3];
    bodyHeliocentricAround(BODY_EARTH, t, CENTURIES_PER_DAY, alone);
    const SphericalCoords sunAlone = sunGeocentric(t);
    SphericalCoords venus[3];
    SphericalCoords nested[3];
    SphericalCoords wider[3];
    bodyHeliocentricAround(BODY_VENUS, t, 2 * CENTURIES_PER_DAY, venus);
    bodyHeliocentricAround(BODY_EARTH, t, 2 * CENTURIES_PER_DAY, wider);
    bodyHeliocentricAround(BODY_EARTH, t, CENTURIES_PER_DAY, nested);
    const SphericalCoords sunNested = sunGeocentric(t);
    SphericalCoords venusAgain[3];
    bodyHeliocentricAround(BODY_VENUS, t, 2 * CENTURIES_PER_DAY, venusAgain);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(sameCoords(nested[i], alone[i])) << i;
        EXPECT_TRUE(sameCoords(venusAgain[i], venus[i])) << i;
    }
    EXPECT_TRUE(sameCoords(sunNested, sunAlone));
    // The wider step reaches the neighbouring days of the one-day step's
    // outer instants; its middle instant is the same evaluation.
    EXPECT_TRUE(sameCoords(wider[1], alone[1]));
    EXPECT_NEAR(wider[2].longitude, bodyHeliocentric(BODY_EARTH, t + 2 * CENTURIES_PER_DAY).longitude,
                1e-13);
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

TEST(EarthSeriesNear, TurnedInstantsMatchTheDirectSeriesAndTheDaysAroundAreTheSameBits) {
    for (double anchor : {-0.99, 0.0, 0.26, 1.0}) {
        const EarthSeriesNear near(anchor);
        SphericalCoords around[3];
        bodyHeliocentricAround(BODY_EARTH, anchor, CENTURIES_PER_DAY, around);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(sameCoords(near.aroundAnchor()[i], around[i])) << anchor << " " << i;
        }
        // Across the day that starts at the anchor and a little either side:
        // within a unit or two in the last place of the direct evaluation's
        // unreduced longitude sum (1.1e-13 rad a century from J2000).
        for (double days = -0.01; days <= 1.2; days += 0.0173) {
            const double t = anchor + days * CENTURIES_PER_DAY;
            const SphericalCoords direct = bodyHeliocentric(BODY_EARTH, t);
            const SphericalCoords turned = near.earthAt(t);
            EXPECT_NEAR(turned.longitude, direct.longitude, 2.5e-13) << anchor << " " << days;
            EXPECT_NEAR(turned.latitude, direct.latitude, 1e-17) << anchor << " " << days;
            EXPECT_NEAR(turned.radius, direct.radius, 1e-15) << anchor << " " << days;
        }
        // Beyond a day and a quarter the series is evaluated directly.
        const double far = anchor + 3.0 * CENTURIES_PER_DAY;
        EXPECT_TRUE(sameCoords(near.earthAt(far), bodyHeliocentric(BODY_EARTH, far)));
        EXPECT_TRUE(sameCoords(near.sunAt(far), sunGeocentric(far)));
    }
}

} // namespace
} // namespace skyledger
