// The rise, transit and set solver.
#include "astro/rise_transit_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "astro/constants.h"
#include "astro/horizon.h"
#include "astro/julian_day.h"
#include "astro/moon_position.h"
#include "astro/nutation.h"
#include "astro/planetary_series.h"

namespace skyledger {
namespace {

constexpr double DEG = DEG_TO_RAD;
constexpr double SUN_H0 = -0.014543828656868749; // -0.8333 deg
constexpr double DAY = 2.7378507871321012e-05;   // one day in Julian centuries

// One solver problem: the day, the three positions and the observer.
struct Problem {
    double t0Ut = 0.0; // Julian centuries, UT
    double deltaTSeconds = 0.0;
    double ra[3] = {};
    double dec[3] = {};
    double h0 = 0.0;
    double longitude = 0.0; // positive west
    double latitude = 0.0;
};

RiseTransitSet solve(const Problem& p) {
    return riseTransitSet({.t0Ut = p.t0Ut,
                           .deltaTSeconds = p.deltaTSeconds,
                           .rightAscension = {p.ra[0], p.ra[1], p.ra[2]},
                           .declination = {p.dec[0], p.dec[1], p.dec[2]},
                           .h0 = p.h0,
                           .longitude = p.longitude,
                           .latitude = p.latitude});
}

// The body's altitude minus h0 at day fraction m, from the same interpolated
// positions the solver works on, evaluated directly.
double altitudeAboveH0(const Problem& p, double m) {
    const double ra1 = p.ra[1] + reduceAngleSigned(p.ra[0] - p.ra[1]);
    const double ra3 = p.ra[1] + reduceAngleSigned(p.ra[2] - p.ra[1]);
    const double n = m + p.deltaTSeconds / 86400.0;
    const double ra = interpolate3(ra1, p.ra[1], ra3, n);
    const double dec = interpolate3(p.dec[0], p.dec[1], p.dec[2], n);
    const double theta = meanSiderealTime(p.t0Ut) + 6.300388092591991 * m - p.longitude;
    double az = 0.0;
    double alt = 0.0;
    equatorialToHorizontal(ra, dec, theta, p.latitude, az, alt);
    return alt - p.h0;
}

// Crossings of h0 within [0, 1) found by scanning minute by minute and
// bisecting: the rising ones and the setting ones.
void scanCrossings(const Problem& p, std::vector<double>& rises, std::vector<double>& sets) {
    const int steps = 1440;
    double prev = altitudeAboveH0(p, 0.0);
    for (int i = 1; i <= steps; ++i) {
        double lo = (i - 1) / double(steps);
        double hi = i / double(steps);
        const double cur = altitudeAboveH0(p, hi);
        if ((prev < 0.0) != (cur < 0.0)) {
            const bool rising = prev < 0.0;
            for (int k = 0; k < 40; ++k) {
                const double mid = 0.5 * (lo + hi);
                if ((altitudeAboveH0(p, mid) < 0.0) == (prev < 0.0))
                    lo = mid;
                else
                    hi = mid;
            }
            (rising ? rises : sets).push_back(0.5 * (lo + hi));
        }
        prev = cur;
    }
}

// Checks the solver's rise and set against the scanned crossings: one of each
// within the day, found within `tolerance` days.
void expectCrossingsMatchScan(const Problem& p, const RiseTransitSet& r, double tolerance) {
    std::vector<double> rises;
    std::vector<double> sets;
    scanCrossings(p, rises, sets);
    ASSERT_EQ(rises.size(), 1u);
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_TRUE(r.rise && r.set);
    EXPECT_NEAR(*r.rise / TWO_PI, rises[0], tolerance);
    EXPECT_NEAR(*r.set / TWO_PI, sets[0], tolerance);
}

// Whether the solver reports both a rise and a set.
bool bothCrossings(const RiseTransitSet& r) {
    return r.course == DayCourse::Crosses && r.rise && r.set;
}

// The Sun's geometric right ascension and declination on the three days
// around local midnight T0 (UT), as the daily almanac takes them.
Problem sunProblem(double t0Ut, double longitudeDeg, double latitudeDeg) {
    Problem p;
    p.t0Ut = t0Ut;
    p.deltaTSeconds = deltaT(p.t0Ut);
    p.h0 = SUN_H0;
    p.longitude = longitudeDeg * DEG;
    p.latitude = latitudeDeg * DEG;
    const double td0 = p.t0Ut + p.deltaTSeconds / (86400.0 * 36525.0);
    const double obliquity = meanObliquity(p.t0Ut);
    for (int i = 0; i < 3; ++i) {
        const SphericalCoords earth = bodyHeliocentric(BODY_EARTH, td0 + (i - 1) * DAY);
        const SphericalCoords sun = heliocentricToGeocentric(SphericalCoords{}, earth);
        eclipticToEquatorial(sun.longitude, sun.latitude, obliquity, p.ra[i], p.dec[i]);
    }
    return p;
}

// The Moon's geometric right ascension and declination on the three days
// around local midnight T0 (UT), and its standard altitude from the parallax
// at local noon, as the daily almanac takes them.
Problem moonProblem(double t0Ut, double longitudeDeg, double latitudeDeg) {
    Problem p;
    p.t0Ut = t0Ut;
    const double noonUt = t0Ut + 0.5 * DAY;
    p.deltaTSeconds = deltaT(noonUt);
    p.longitude = longitudeDeg * DEG;
    p.latitude = latitudeDeg * DEG;
    p.h0 = moonStandardAltitude(std::asin(EARTH_RADIUS_KM / moonPosition(noonUt).radius));
    const double td0 = t0Ut + p.deltaTSeconds / (86400.0 * 36525.0);
    const double obliquity = meanObliquity(noonUt);
    for (int i = 0; i < 3; ++i) {
        const SphericalCoords moon = moonPosition(td0 + (i - 1) * DAY);
        eclipticToEquatorial(moon.longitude, moon.latitude, obliquity, p.ra[i], p.dec[i]);
    }
    return p;
}

Problem sunProblem(const CalendarDate& localMidnightUt, double longitudeDeg, double latitudeDeg) {
    return sunProblem(julianCenturies(julianDay(localMidnightUt)), longitudeDeg, latitudeDeg);
}

double minutesOfDay(double radiansOfDay) {
    return radiansOfDay / TWO_PI * 1440.0;
}

TEST(Interpolate3, PublishedExampleAndTheTabulatedPoints) {
    // Meeus, Astronomical Algorithms, example 3.a.
    EXPECT_NEAR(interpolate3(0.884226, 0.877366, 0.870531, 0.18125), 0.876125, 1e-6);
    EXPECT_DOUBLE_EQ(interpolate3(1.0, 4.0, 9.0, -1.0), 1.0);
    EXPECT_DOUBLE_EQ(interpolate3(1.0, 4.0, 9.0, 0.0), 4.0);
    EXPECT_DOUBLE_EQ(interpolate3(1.0, 4.0, 9.0, 1.0), 9.0);
    EXPECT_DOUBLE_EQ(interpolate3(1.0, 4.0, 9.0, 0.5), 6.25); // exact for a parabola
}

TEST(MoonStandardAltitude, MeanParallaxGivesAnEighthOfADegree) {
    // Meeus, chapter 15: h0 = +0.125 deg for the mean parallax 0.950744 deg.
    EXPECT_NEAR(moonStandardAltitude(0.950744 * DEG) / DEG, 0.125, 0.0005);
    EXPECT_NEAR(moonStandardAltitude(0.0), -34.0 / 60.0 * DEG, 1e-6);
}

TEST(RiseTransitSet, VenusAtBoston) {
    // Meeus, example 15.a: Venus on 1988 March 20 at Boston.
    Problem p;
    p.t0Ut = julianCenturies(julianDay({1988, 3, 20.0}));
    p.deltaTSeconds = 56.0;
    const double ra[3] = {40.68021, 41.73129, 42.78204};
    const double dec[3] = {18.04761, 18.44092, 18.82742};
    for (int i = 0; i < 3; ++i) {
        p.ra[i] = ra[i] * DEG;
        p.dec[i] = dec[i] * DEG;
    }
    p.h0 = -0.5667 * DEG;
    p.longitude = 71.0833 * DEG;
    p.latitude = 42.3333 * DEG;
    const RiseTransitSet r = solve(p);
    ASSERT_TRUE(bothCrossings(r));
    EXPECT_NEAR(*r.rise / TWO_PI, 0.51766, 0.0003);
    EXPECT_NEAR(r.transit / TWO_PI, 0.81980, 0.0003);
    EXPECT_NEAR(*r.set / TWO_PI, 0.12130, 0.0003);
    expectCrossingsMatchScan(p, r, 0.0003);
}

TEST(RiseTransitSet, SunAtGreenwich) {
    struct Case {
        CalendarDate date;
        double riseMinutes, setMinutes; // UT
    };
    const Case cases[] = {
        {{2026, 1, 1.0}, 8 * 60 + 6, 16 * 60 + 2},
        {{2026, 6, 21.0}, 3 * 60 + 43, 20 * 60 + 21},
    };
    for (const Case& c : cases) {
        const Problem p = sunProblem(c.date, 0.0015, 51.4779);
        const RiseTransitSet r = solve(p);
        ASSERT_TRUE(bothCrossings(r));
        EXPECT_NEAR(minutesOfDay(*r.rise), c.riseMinutes, 1.0) << c.date.month;
        EXPECT_NEAR(minutesOfDay(*r.set), c.setMinutes, 1.0) << c.date.month;
        EXPECT_NEAR(minutesOfDay(r.transit), 12 * 60, 5.0) << c.date.month;
        expectCrossingsMatchScan(p, r, 0.0002);
    }
}

TEST(RiseTransitSet, MidnightSunAndPolarNightAtTromso) {
    const Problem summer = sunProblem({2026, 6, 21.0}, -18.96, 69.65);
    const RiseTransitSet s = solve(summer);
    EXPECT_EQ(s.course, DayCourse::AboveAllDay);
    EXPECT_EQ(s.rise, std::nullopt);
    EXPECT_EQ(s.set, std::nullopt);
    // Local noon near 10:46 UT.
    EXPECT_NEAR(minutesOfDay(s.transit), 10 * 60 + 46, 3.0);

    const Problem winter = sunProblem({2026, 12, 21.0}, -18.96, 69.65);
    const RiseTransitSet w = solve(winter);
    EXPECT_EQ(w.course, DayCourse::BelowAllDay);
    EXPECT_EQ(w.rise, std::nullopt);
    EXPECT_EQ(w.set, std::nullopt);
}

TEST(RiseTransitSet, RightAscensionsAreUnwrappedAroundTheMiddleOne) {
    // 359, 0.5 and 1.5 deg must behave as 359, 360.5, 361.5 (and as -1, 0.5,
    // 1.5): interpolating through the jump would put the body half a turn away.
    Problem p;
    p.t0Ut = 0.1;
    p.deltaTSeconds = 65.0;
    p.dec[0] = p.dec[1] = p.dec[2] = 0.1;
    p.h0 = SUN_H0;
    p.longitude = 0.3;
    p.latitude = 0.7;
    const double variants[][3] = {{359.0, 0.5, 1.5}, {359.0, 360.5, 361.5}, {-1.0, 0.5, 1.5}};
    RiseTransitSet results[3];
    for (int v = 0; v < 3; ++v) {
        for (int i = 0; i < 3; ++i)
            p.ra[i] = variants[v][i] * DEG;
        results[v] = solve(p);
        ASSERT_TRUE(bothCrossings(results[v]));
    }
    for (int v = 1; v < 3; ++v) {
        EXPECT_NEAR(*results[v].rise, *results[0].rise, 1e-12);
        EXPECT_NEAR(results[v].transit, results[0].transit, 1e-12);
        EXPECT_NEAR(*results[v].set, *results[0].set, 1e-12);
    }
    for (int i = 0; i < 3; ++i)
        p.ra[i] = variants[0][i] * DEG;
    expectCrossingsMatchScan(p, results[0], 0.0003);
}

TEST(RiseTransitSet, CosH0OfExactlyOneOrMinusOneTakesTheNormalPath) {
    // Equator observer, body on the equator: cos H0 = sin h0, exactly 1 for
    // h0 = 90 deg (the body reaches it only at the zenith) and -1 for h0 =
    // -90 deg (only at the nadir). Both take the crossing path, not the
    // whole-day one; but the body only touches h0 without passing it, so
    // neither a rise nor a set happens.
    Problem p;
    p.t0Ut = -0.05;
    p.longitude = 1.0;
    p.ra[0] = p.ra[1] = p.ra[2] = 2.0;
    for (const double h0 : {PI / 2, -PI / 2}) {
        p.h0 = h0;
        const RiseTransitSet r = solve(p);
        EXPECT_EQ(r.course, DayCourse::Crosses) << h0;
        EXPECT_EQ(r.rise, std::nullopt) << h0;
        EXPECT_EQ(r.set, std::nullopt) << h0;
    }

    // A milliradian below the zenith the body is above h0 for 27 seconds,
    // from H = -1 mrad to H = +1 mrad: too short for the minute scan, exact
    // here.
    p.h0 = PI / 2 - 0.001;
    const RiseTransitSet r = solve(p);
    ASSERT_TRUE(bothCrossings(r));
    const double halfSpan = 0.001 / 6.300388092591991 * TWO_PI; // radians of a day
    EXPECT_NEAR(*r.rise, r.transit - halfSpan, 1e-6);
    EXPECT_NEAR(*r.set, r.transit + halfSpan, 1e-6);
}

TEST(RiseTransitSet, ATransitRefinedBelowZeroIsReturnedNegative) {
    // A body moving west in right ascension (0.2 rad/day) whose first transit
    // estimate lies just after the start of the day: the refinement moves it
    // into the day before, and it is not folded back.
    Problem p;
    p.t0Ut = 0.2;
    p.deltaTSeconds = 864.0;
    p.ra[0] = 3.2;
    p.ra[1] = 3.0;
    p.ra[2] = 2.8;
    p.dec[0] = p.dec[1] = p.dec[2] = 0.2;
    p.h0 = SUN_H0;
    p.latitude = 0.6;
    p.longitude = reduceAngleSigned(meanSiderealTime(p.t0Ut) - p.ra[1] + 0.0001 * TWO_PI);
    const RiseTransitSet r = solve(p);
    EXPECT_TRUE(bothCrossings(r));
    EXPECT_LT(r.transit, 0.0);
    EXPECT_GT(r.transit, -0.01);
}

// The first estimate of the transit as the method stood before each estimate
// was brought into the day: one day added at most, none subtracted.
double oldFirstTransit(const Problem& p) {
    double m0 = (p.ra[1] + p.longitude - meanSiderealTime(p.t0Ut)) / TWO_PI;
    if (m0 < 0.0) m0 += 1.0;
    return m0;
}

TEST(RiseTransitSet, FirstEstimatesFarEastAreBroughtIntoTheDay) {
    // Auckland in late March on daylight-saving time: local midnight is 11:00
    // UT the day before, when sidereal time has just passed 0 while the Sun's
    // right ascension is small, so the first transit estimate lies more than a
    // day before the start. Transit, sunrise and sunset all happen that day.
    const Problem p = sunProblem({2026, 3, 24.0 + 11.0 / 24.0}, -174.7633, -36.8485);
    ASSERT_LT(oldFirstTransit(p), 0.0); // the case the single correction missed
    const RiseTransitSet r = solve(p);
    ASSERT_TRUE(bothCrossings(r));
    for (const double v : {*r.rise, r.transit, *r.set}) {
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, TWO_PI);
    }
    // Local noon near 13:26 NZDT; sunrise and sunset checked against a scan.
    EXPECT_NEAR(minutesOfDay(r.transit), 13 * 60 + 26, 5.0);
    expectCrossingsMatchScan(p, r, 0.0002);
}

TEST(RiseTransitSet, FirstEstimatesFarWestAreBroughtIntoTheDay) {
    // A fast body (0.23 rad/day, like the Moon) seen from 172 deg west whose
    // first transit estimate lies a day after the start of the day.
    Problem p;
    p.t0Ut = julianCenturies(julianDay({2026, 5, 10.0 + 11.0 / 24.0}));
    p.deltaTSeconds = 70.0;
    p.longitude = 172.0 * DEG;
    p.latitude = -13.8 * DEG;
    p.h0 = 0.125 * DEG;
    const double theta0 = meanSiderealTime(p.t0Ut);
    p.ra[1] = reduceAngle(theta0 + 3.5);
    p.ra[0] = reduceAngle(p.ra[1] - 0.23);
    p.ra[2] = reduceAngle(p.ra[1] + 0.23);
    p.dec[0] = 0.30;
    p.dec[1] = 0.33;
    p.dec[2] = 0.35;
    ASSERT_GE(oldFirstTransit(p), 1.0); // the case the single correction missed
    const RiseTransitSet r = solve(p);
    ASSERT_TRUE(bothCrossings(r));
    EXPECT_GE(r.transit, 0.0);
    EXPECT_LT(r.transit, TWO_PI);
    // At the transit the body is on the meridian.
    const double m = r.transit / TWO_PI;
    const double n = m + p.deltaTSeconds / 86400.0;
    const double ra = interpolate3(p.ra[1] - 0.23, p.ra[1], p.ra[1] + 0.23, n);
    EXPECT_NEAR(reduceAngleSigned(theta0 + 6.300388092591991 * m - p.longitude - ra), 0.0, 1e-4);
    std::vector<double> rises;
    std::vector<double> sets;
    scanCrossings(p, rises, sets);
    ASSERT_EQ(rises.size(), 1u);
    EXPECT_NEAR(*r.rise / TWO_PI, rises[0], 0.0003);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NEAR(*r.set / TWO_PI, sets[0], 0.0003);
}

// Asserts that a result holds finite values, and no crossing on a day above
// or below h0 throughout.
void expectWellFormed(const RiseTransitSet& r) {
    EXPECT_TRUE(std::isfinite(r.transit));
    EXPECT_TRUE(!r.rise || std::isfinite(*r.rise));
    EXPECT_TRUE(!r.set || std::isfinite(*r.set));
    if (r.course != DayCourse::Crosses) {
        EXPECT_FALSE(r.rise || r.set);
    }
}

TEST(RiseTransitSet, NearTheLimitsOfCircumpolarityItEndsWithFiniteValues) {
    // Grazing bodies (cos H0 close to +-1, so sin H close to 0 during the
    // refinement), declinations close to the poles and observers close to
    // them: every call returns, with finite values and no crossing on a whole day.
    int cases = 0;
    int crossings = 0;
    int unsettled = 0;
    for (const double latDeg : {0.0, 45.0, 66.5, 89.9, 89.999999, -89.9999}) {
        for (const double decDeg : {0.0, 23.4, 89.99, 89.9999999, -89.9999999}) {
            for (const double margin : {0.0, 1e-12, 1e-9, 1e-6, 1e-3, -1e-9, -1e-3}) {
                for (const double slope : {0.0, 1e-7, -3e-3, 0.1}) {
                    for (const double sign : {1.0, -1.0}) {
                        Problem p;
                        p.t0Ut = 0.123;
                        p.deltaTSeconds = 69.0;
                        p.longitude = -2.9;
                        p.latitude = latDeg * DEG;
                        p.ra[0] = 0.8;
                        p.ra[1] = 1.0;
                        p.ra[2] = 1.2;
                        p.dec[1] = decDeg * DEG;
                        p.dec[0] = p.dec[1] - slope;
                        p.dec[2] = p.dec[1] + slope;
                        // h0 that puts cos H0 at sign * (1 - margin).
                        const double sinH0 =
                            sign * (1.0 - margin) * std::cos(p.latitude) * std::cos(p.dec[1]) +
                            std::sin(p.latitude) * std::sin(p.dec[1]);
                        if (std::fabs(sinH0) > 1.0) continue;
                        p.h0 = std::asin(sinH0);
                        const RiseTransitSet r = solve(p);
                        ++cases;
                        expectWellFormed(r);
                        if (bothCrossings(r)) ++crossings;
                        if (r.course == DayCourse::Crosses && !(r.rise && r.set)) ++unsettled;
                    }
                }
            }
        }
    }
    EXPECT_GT(cases, 500);
    EXPECT_GT(crossings, 100);
    EXPECT_GT(unsettled, 10); // the bound is reached, and ends the refinement
}

// A Moon-like body (0.22 rad/day in right ascension, 0.04 rad/day in
// declination) at 69 deg north that comes close to h0 at its lower
// culmination: the first estimates predict crossings, but the refinement of a
// crossing that does not happen swings about the culmination without settling.
Problem grazingMoon(double longitudeDeg, double decDeg) {
    Problem p;
    p.t0Ut = 0.26;
    p.deltaTSeconds = 70.0;
    p.ra[0] = 0.78;
    p.ra[1] = 1.0;
    p.ra[2] = 1.22;
    p.dec[1] = decDeg * DEG;
    p.dec[0] = p.dec[1] - 0.04;
    p.dec[2] = p.dec[1] + 0.04;
    p.h0 = 0.125 * DEG;
    p.longitude = longitudeDeg * DEG;
    p.latitude = 69.0 * DEG;
    return p;
}

TEST(RiseTransitSet, ACrossingWhoseRefinementDoesNotSettleIsReportedAsNoEvent) {
    // Rises once that day and does not set: without the bound the set would
    // be refined for ever; at it, its last estimate (23:03) would be a moonset
    // that does not happen.
    const Problem risesOnly = grazingMoon(-160.0, 19.0);
    std::vector<double> rises;
    std::vector<double> sets;
    scanCrossings(risesOnly, rises, sets);
    ASSERT_EQ(rises.size(), 1u);
    ASSERT_EQ(sets.size(), 0u);
    const RiseTransitSet r = solve(risesOnly);
    EXPECT_EQ(r.course, DayCourse::Crosses);
    ASSERT_TRUE(r.rise);
    EXPECT_NEAR(*r.rise / TWO_PI, rises[0], 0.0003);
    EXPECT_EQ(r.set, std::nullopt);

    // Neither rises nor sets that day, though the middle declination alone
    // predicts both.
    const Problem neither = grazingMoon(-179.0, 19.2);
    rises.clear();
    scanCrossings(neither, rises, sets);
    ASSERT_EQ(rises.size(), 0u);
    ASSERT_EQ(sets.size(), 0u);
    const RiseTransitSet n = solve(neither);
    EXPECT_EQ(n.course, DayCourse::Crosses);
    EXPECT_EQ(n.rise, std::nullopt);
    EXPECT_EQ(n.set, std::nullopt);
    EXPECT_GE(n.transit, 0.0);
    EXPECT_LT(n.transit, TWO_PI);
}

TEST(RiseTransitSet, ADipShorterThanTheSearchStepIsFoundWhenTheDayStartsCircumpolar) {
    // A body at 69 deg whose declination moves towards the equator through
    // the day: at the start it stays above h0 all day, but at its lower
    // culmination it dips below h0 for a few minutes, between two half-hour
    // samples. The southern sky mirrors the northern one.
    for (const double hemisphere : {1.0, -1.0}) {
        SCOPED_TRACE(hemisphere);
        Problem p;
        p.t0Ut = 0.26;
        p.deltaTSeconds = 70.0;
        p.ra[0] = 0.78;
        p.ra[1] = 1.0;
        p.ra[2] = 1.22;
        p.dec[0] = hemisphere * 0.46;
        p.dec[1] = hemisphere * 0.45;
        p.dec[2] = hemisphere * 0.44;
        p.latitude = hemisphere * 69.0 * DEG;
        // The lowest altitude of the day (h0 = 0 gives the altitude itself),
        // moved by the longitude to a quarter of an hour after a half-hour mark.
        const auto lowest = [&p] {
            p.h0 = 0.0;
            double m = 0.0;
            for (double x = 0.0; x < 1.0; x += 1e-5)
                if (altitudeAboveH0(p, x) < altitudeAboveH0(p, m)) m = x;
            return m;
        };
        const double first = lowest();
        p.longitude = (std::floor(first * 48.0) / 48.0 + 1.0 / 96.0 - first) * 6.300388092591991;
        const double m = lowest();
        p.h0 = altitudeAboveH0(p, m) + 2e-5;

        std::vector<double> rises;
        std::vector<double> sets;
        scanCrossings(p, rises, sets);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(rises.size(), 1u);
        ASSERT_LT(rises[0] - sets[0], 0.5 / 48.0);                          // shorter than the step
        ASSERT_EQ(std::floor(sets[0] * 48.0), std::floor(rises[0] * 48.0)); // between samples
        Problem atStart = p;
        atStart.dec[0] = atStart.dec[2] = atStart.dec[1];
        ASSERT_EQ(solve(atStart).course, DayCourse::AboveAllDay); // what the day's start alone says

        const RiseTransitSet r = solve(p);
        ASSERT_TRUE(bothCrossings(r));
        EXPECT_NEAR(*r.set / TWO_PI, sets[0], 1.0 / 86400.0);
        EXPECT_NEAR(*r.rise / TWO_PI, rises[0], 1.0 / 86400.0);
    }
}

TEST(RiseTransitSet, PositionsThatAreNotNumbersEndWithoutCrossings) {
    Problem p;
    p.t0Ut = 0.1;
    p.ra[0] = p.ra[1] = p.ra[2] = 1.0;
    p.dec[0] = p.dec[2] = 0.1;
    p.dec[1] = std::nan("");
    p.latitude = 0.5;
    const RiseTransitSet r = solve(p);
    EXPECT_EQ(r.course, DayCourse::BelowAllDay);
    EXPECT_TRUE(std::isfinite(r.transit));
}

// The day fraction of a rise or set the solver reports within the day, or -1
// when it reports none there.
double reportedInDay(const RiseTransitSet& r, bool rise) {
    const std::optional<double> crossing = rise ? r.rise : r.set;
    if (!crossing) return -1.0;
    const double m = *crossing / TWO_PI;
    return m >= 0.0 && m < 1.0 ? m : -1.0;
}

// A year of one body at one place, event by event against the scan.
struct YearTally {
    int crossings = 0;       // rises and sets the scan finds
    int secondCrossings = 0; // a second rise, or set, in one day: not shown
    int wrong = 0;           // missing, not happening, or more than a minute off
};

// Compares one kind of event of one day with the crossings the scan found.
void tally(const char* what, double t0Ut, double reported, const std::vector<double>& scanned,
           YearTally& t) {
    t.crossings += static_cast<int>(scanned.size());
    if (!scanned.empty()) t.secondCrossings += static_cast<int>(scanned.size()) - 1;
    double nearest = 1.0;
    for (const double m : scanned)
        nearest = std::min(nearest, std::fabs(m - reported));
    const bool ok = scanned.empty() ? reported < 0.0 : reported >= 0.0 && nearest <= 1.0 / 1440.0;
    if (!ok) {
        ++t.wrong;
        ADD_FAILURE() << what << " on the day starting JD " << t0Ut * 36525.0 + 2451545.0
                      << ": reported at " << reported * 24.0
                      << " h (negative: none); the scan finds " << scanned.size()
                      << ", the first at " << (scanned.empty() ? -1.0 : scanned[0] * 24.0) << " h";
    }
}

// Every day of 2026 from local midnight (zone in hours, positive west).
void tallyYear(bool moon, double longitudeDeg, double latitudeDeg, double zoneHours, YearTally& t) {
    const double firstMidnight = julianDay({2026, 1, 1.0}) + zoneHours / 24.0;
    for (int d = 0; d < 365; ++d) {
        const double t0Ut = julianCenturies(firstMidnight + d);
        const Problem p = moon ? moonProblem(t0Ut, longitudeDeg, latitudeDeg)
                               : sunProblem(t0Ut, longitudeDeg, latitudeDeg);
        const RiseTransitSet r = solve(p);
        std::vector<double> rises;
        std::vector<double> sets;
        scanCrossings(p, rises, sets);
        tally(moon ? "moonrise" : "sunrise", t0Ut, reportedInDay(r, true), rises, t);
        tally(moon ? "moonset" : "sunset", t0Ut, reportedInDay(r, false), sets, t);
    }
}

TEST(RiseTransitSet, AYearInTheNorthEveryCrossingTheScanFindsAndNoOther) {
    // Near the Moon's declination extremes the declination at the start of
    // the day says "never rises" or "never sets" although the Moon crosses
    // the horizon later that day; a refinement can also settle on a crossing
    // of the other direction or leave the day. The year 2026 lies close to
    // the major lunar standstill, when this is most frequent.
    struct Place {
        const char* name;
        double longitudeDeg, latitudeDeg, zoneHours;
        int moonCrossings, moonSecondCrossings, sunCrossings, sunSecondCrossings;
    };
    const Place places[] = {
        {"Reykjavik", 21.94, 64.15, 0.0, 531, 3, 730, 1},
        {"Tromso", -18.96, 69.65, -1.0, 377, 5, 498, 1},
        // Further south the same happens near the lunar standstill, on days
        // taken in Universal Time or in Alaska daylight time.
        {"Anchorage, UT", 149.90, 61.22, 0.0, 705, 0, 730, 0},
        {"Anchorage, daylight time", 149.90, 61.22, 8.0, 705, 0, 730, 0},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        YearTally moon;
        tallyYear(true, place.longitudeDeg, place.latitudeDeg, place.zoneHours, moon);
        EXPECT_EQ(moon.wrong, 0);
        EXPECT_EQ(moon.crossings, place.moonCrossings);
        EXPECT_EQ(moon.secondCrossings, place.moonSecondCrossings);
        YearTally sun;
        tallyYear(false, place.longitudeDeg, place.latitudeDeg, place.zoneHours, sun);
        EXPECT_EQ(sun.wrong, 0);
        EXPECT_EQ(sun.crossings, place.sunCrossings);
        EXPECT_EQ(sun.secondCrossings, place.sunSecondCrossings);
    }
}

} // namespace
} // namespace skyledger
