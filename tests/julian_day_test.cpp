// Calendar dates, Julian days, Delta T and the angle helpers.
#include "astro/julian_day.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/constants.h"

namespace skyledger {
namespace {

TEST(JulianDay, J2000NoonIsTheEpochAndTZero) {
    const double jd = julianDay({2000, 1, 1.5});
    EXPECT_DOUBLE_EQ(jd, 2451545.0);
    EXPECT_DOUBLE_EQ(julianCenturies(jd), 0.0);
}

TEST(JulianDay, GregorianReformDaysAreConsecutive) {
    EXPECT_DOUBLE_EQ(julianDay({1582, 10, 4.0}), 2299159.5);
    EXPECT_DOUBLE_EQ(julianDay({1582, 10, 15.0}), 2299160.5);
}

TEST(JulianDay, PublishedWorkedExamples) {
    // Meeus, Astronomical Algorithms, examples 7.a and 7.b and table 7.a.
    EXPECT_DOUBLE_EQ(julianDay({1957, 10, 4.81}), 2436116.31);
    EXPECT_DOUBLE_EQ(julianDay({333, 1, 27.5}), 1842713.0);
    EXPECT_DOUBLE_EQ(julianDay({1987, 6, 19.5}), 2446966.0);
    EXPECT_DOUBLE_EQ(julianDay({1600, 12, 31.0}), 2305812.5);
    EXPECT_DOUBLE_EQ(julianDay({837, 4, 10.3}), 2026871.8);
}

TEST(JulianCenturies, IsAMultiplicationByTheStoredFactor) {
    EXPECT_DOUBLE_EQ(julianCenturies(2451545.0 + 36525.0), 36525.0 * 2.7378507871321012e-05);
}

double yearToT(double year) {
    return (year - 2000.0) / 100.0;
}

TEST(DeltaT, TableBranchAndItsBoundaries) {
    EXPECT_NEAR(deltaT(yearToT(1620.0)), 124.0, 1e-9);
    EXPECT_NEAR(deltaT(yearToT(1992.0)), 58.0, 1e-9);
    EXPECT_NEAR(deltaT(0.0), 62.4, 1e-9); // straight-line extension of 1990-1992
    // Midway between two table years the value is the mean of the two.
    EXPECT_NEAR(deltaT(yearToT(1901.0)), (-2.7 + 0.0) / 2.0, 1e-9);
}

TEST(DeltaT, FormulaBranchesAndTheJumpAt2000) {
    const double before1620 = deltaT(yearToT(1619.99));
    EXPECT_NEAR(before1620, 119.0, 1.0);
    const double t = yearToT(1000.0);
    EXPECT_NEAR(deltaT(t), 50.6 + 67.5 * t + 22.5 * t * t, 1e-9);
    const double t2 = yearToT(500.0);
    EXPECT_NEAR(deltaT(t2), 2715.6 + 573.36 * t2 + 46.5 * t2 * t2, 1e-9);
    EXPECT_NEAR(deltaT(1e-9), 102.3, 1e-3); // just after 2000: about 40 s above the table
    EXPECT_GT(deltaT(1e-9) - deltaT(0.0), 39.0);
}

TEST(ReduceAngle, BringsAnyAngleIntoOneTurn) {
    EXPECT_DOUBLE_EQ(reduceAngle(TWO_PI), 0.0);
    const double r = reduceAngle(-0.5);
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, TWO_PI);
    EXPECT_NEAR(r, TWO_PI - 0.5, 1e-15);
    EXPECT_NEAR(reduceAngle(5 * TWO_PI + 1.0), 1.0, 1e-12);
}

TEST(ReduceAngleSigned, BringsAnglesIntoMinusPiToPi) {
    EXPECT_DOUBLE_EQ(reduceAngleSigned(PI), -PI);
    EXPECT_NEAR(reduceAngleSigned(TWO_PI - 0.25), -0.25, 1e-15);
    EXPECT_NEAR(reduceAngleSigned(-PI - 0.25), PI - 0.25, 1e-15);
}

TEST(PolyEval, HornerInAscendingPowers) {
    const double c[] = {1.0, -2.0, 3.0};
    EXPECT_DOUBLE_EQ(polyEval(c, 2, 2.0), 1.0 - 4.0 + 12.0);
    EXPECT_DOUBLE_EQ(polyEval(c, 0, 99.0), 1.0);
}

TEST(IntegerPart, TruncatesTowardZero) {
    EXPECT_DOUBLE_EQ(integerPart(2.7), 2.0);
    EXPECT_DOUBLE_EQ(integerPart(-2.7), -2.0);
}

} // namespace
} // namespace skyledger
