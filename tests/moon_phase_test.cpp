// Instants of the Moon's principal phases.
#include "astro/moon_phase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "astro/constants.h"
#include "astro/julian_day.h"
#include "astro/moon_position.h"
#include "tests/solar_reference.h"

namespace skyledger {
namespace {

TEST(MoonPhaseInstant, PublishedNewMoonOf1977February) {
    // Meeus, "Astronomical Algorithms", example 49.a: k = -283. A Julian day
    // early in February 1977 selects that lunation's closing new Moon.
    const std::optional<double> jde = moonPhaseInstant(julianDay({1977, 2, 6.0}), MoonPhase::New);
    ASSERT_TRUE(jde.has_value());
    EXPECT_NEAR(*jde, 2443192.65118, 1e-5);
}

// From 2000 January 6.0 the four phases are the quarters and full Moon of the
// lunation beginning that day (k = 0.25, 0.5, 0.75) and the new Moon ending it
// (k = 1). Published instants in UT, plus Delta T of 64 s:
// first quarter Jan 14 13:34, full Jan 21 04:40, last quarter Jan 28 07:57,
// new Feb 5 13:03.
TEST(MoonPhaseInstant, OneLunationFromOneJulianDay) {
    const double jd = 2451549.5;
    const double toTd = 64.0 * DAYS_PER_SECOND;
    const struct {
        MoonPhase phase;
        double expected;
    } cases[] = {
        {MoonPhase::FirstQuarter, julianDay({2000, 1, 14.0 + (13.0 + 34.0 / 60.0) / 24.0}) + toTd},
        {MoonPhase::Full, julianDay({2000, 1, 21.0 + (4.0 + 40.0 / 60.0) / 24.0}) + toTd},
        {MoonPhase::LastQuarter, julianDay({2000, 1, 28.0 + (7.0 + 57.0 / 60.0) / 24.0}) + toTd},
        {MoonPhase::New, julianDay({2000, 2, 5.0 + (13.0 + 3.0 / 60.0) / 24.0}) + toTd},
    };
    for (const auto& c : cases) {
        const std::optional<double> jde = moonPhaseInstant(jd, c.phase);
        ASSERT_TRUE(jde.has_value()) << "phase " << static_cast<int32_t>(c.phase);
        EXPECT_NEAR(*jde, c.expected, 1.0 / 1440.0)
            << "phase " << static_cast<int32_t>(c.phase); // one minute
    }
}

TEST(MoonPhaseInstant, PhaseNumbersOutsideTheFourAreRejected) {
    for (int32_t phase : {-1, 4, 5, 100, std::numeric_limits<int32_t>::min(),
                          std::numeric_limits<int32_t>::max()}) {
        EXPECT_FALSE(moonPhaseInstant(2451549.5, static_cast<MoonPhase>(phase)).has_value())
            << "phase " << phase;
    }
}

TEST(PhaseArgument, RowsOutsideTheTableGiveZero) {
    for (int32_t row :
         {-1, 5, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        EXPECT_EQ(phaseArgument(row, 12.0, 12.0 * 0.0008085054776246109), 0.0) << "row " << row;
    }
}

// At each computed instant the Moon's longitude, less the Sun's apparent
// longitude from an independent low-precision theory, is 0, 90, 180 or 270
// degrees. Over 1990-2030 the residual stays within 0.02 degree (about
// 2.5 minutes of time); a wrong coefficient column or a wrong sign of the
// quarter correction W shows as 0.04 to 0.08 degree.
TEST(MoonPhaseInstant, MoonAndSunAreAtTheElongationOfThePhase) {
    const double aberration = 20.4898 * ARCSECOND;
    for (double jd = julianDay({1990, 1, 1.0}); jd < julianDay({2030, 1, 1.0}); jd += 97.3) {
        for (int32_t phase = 0; phase <= 3; ++phase) {
            const std::optional<double> jde = moonPhaseInstant(jd, static_cast<MoonPhase>(phase));
            ASSERT_TRUE(jde.has_value());
            const double t = julianCenturies(*jde);
            const testing::LowPrecisionSun sun = testing::lowPrecisionSun(t);
            const double sunApparent = sun.longitude - aberration / sun.distanceAu;
            const double elongation = moonPosition(t).longitude - sunApparent;
            EXPECT_NEAR(reduceAngleSigned(elongation - phase * PI / 2.0) * RAD_TO_DEG, 0.0, 0.02)
                << "jd " << jd << " phase " << phase;
        }
    }
}

} // namespace
} // namespace skyledger
