// Altitude and bearing of the Sun and the Moon at a clock time.
#include "almanac/horizontal_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/constants.h"

namespace skyledger {
namespace {

const SkyObserver GREENWICH{51.4779 * DEG_TO_RAD, 0.0015 * DEG_TO_RAD, 0.0, false, 0.0};

TEST(HorizontalPosition, TheSunAtGreenwichOnTheMarchEquinox) {
    // 2026-03-20 12:10 UT: the Sun close to the meridian at 90 - 51.48 degrees.
    const auto sun = sunHorizontal({2026, 3, 20.0, 12.0, 10.0, 0.0}, GREENWICH);
    EXPECT_NEAR(sun.altitude, 38.5, 0.3);
    EXPECT_NEAR(sun.bearing, 180.0, 1.5);
}

TEST(HorizontalPosition, ClockTimeOffsetAndFractionsNameTheSameInstant) {
    const HorizontalPosition ut = moonHorizontal({2026, 4, 10.0, 12.0, 0.0, 0.0}, GREENWICH);
    const HorizontalPosition zoned = moonHorizontal({2026, 4, 10.0, 7.0, 0.0, 5.0}, GREENWICH);
    EXPECT_NEAR(ut.altitude, zoned.altitude, 1e-9);
    EXPECT_NEAR(ut.bearing, zoned.bearing, 1e-9);
    const HorizontalPosition fractional =
        moonHorizontal({2026, 4, 10.0, 3.0, 12.5, 0.0}, GREENWICH);
    const HorizontalPosition seconds = moonHorizontal({2026, 4, 10.0, 3.0, 0.0, 0.0}, GREENWICH);
    EXPECT_GT(std::fabs(fractional.altitude - seconds.altitude), 1.0); // 12.5 minutes later
    const HorizontalPosition lateNight = moonHorizontal({2026, 4, 10.0, 24.0, 0.2, 0.0}, GREENWICH);
    const HorizontalPosition nextDay = moonHorizontal({2026, 4, 11.0, 0.0, 0.2, 0.0}, GREENWICH);
    EXPECT_NEAR(lateNight.altitude, nextDay.altitude, 1e-9);
    EXPECT_NEAR(lateNight.bearing, nextDay.bearing, 1e-9);
}

TEST(HorizontalPosition, MagneticBearingsSubtractTheDeclinationAndWrap) {
    for (double declination : {10.0, -10.0, 179.0}) {
        SkyObserver magnetic = GREENWICH;
        magnetic.magneticBearings = true;
        magnetic.magneticDeclination = declination;
        for (double hour = 0.0; hour < 24.0; hour += 1.5) {
            const ClockTime when{2026, 8, 1.0, hour, 0.0, 0.0};
            const HorizontalPosition t = moonHorizontal(when, GREENWICH);
            const HorizontalPosition m = moonHorizontal(when, magnetic);
            EXPECT_GE(m.bearing, 0.0);
            EXPECT_LE(m.bearing, 360.0);
            const double diff = std::fmod(t.bearing - m.bearing - declination + 720.0, 360.0);
            EXPECT_TRUE(diff < 1e-9 || diff > 360.0 - 1e-9) << diff;
            EXPECT_EQ(t.altitude, m.altitude);
        }
    }
}

TEST(HorizontalPosition, RefractionLiftsTheMoonOnlyAboveTheHorizon) {
    // Scan a moonrise minute by minute: altitudes just below 0 are left as
    // they are, so no altitude between 0 and about 0.48 degrees is ever seen.
    bool sawNegative = false;
    for (double minute = 0.0; minute < 24 * 60; minute += 0.5) {
        const HorizontalPosition p = moonHorizontal({2026, 1, 1.0, 0.0, minute, 0.0}, GREENWICH);
        if (p.altitude < 0.0) sawNegative = true;
        EXPECT_FALSE(p.altitude > 0.0 && p.altitude < 0.47) << minute << " " << p.altitude;
    }
    EXPECT_TRUE(sawNegative);
}

TEST(HorizontalPosition, TheSunGetsNoRefractionBelow34Arcminutes) {
    // Refraction at 34' is about 25', so apparent altitudes between 0.567 and
    // about 0.98 degrees cannot occur, while true altitudes of 0..0.567 stay.
    bool sawLow = false;
    for (double minute = 7 * 60; minute < 9 * 60; minute += 0.25) {
        const auto p = sunHorizontal({2026, 1, 1.0, 0.0, minute, 0.0}, GREENWICH);
        if (p.altitude > 0.0 && p.altitude < 0.566) sawLow = true;
        EXPECT_FALSE(p.altitude > 0.567 && p.altitude < 0.97) << minute << " " << p.altitude;
    }
    EXPECT_TRUE(sawLow);
}

} // namespace
} // namespace skyledger
