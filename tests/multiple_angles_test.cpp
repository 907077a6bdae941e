// Sines and cosines of combined arguments by angle addition, and the memory
// of phase instants: both must give what direct evaluation gives.
#include "astro/multiple_angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/moon_phase.h"

namespace skyledger {
namespace {

TEST(MultipleAngles, CombinationsEqualDirectEvaluation) {
    const std::array<double, 4> x = {5.1234567, 0.0123, 3.14159, 6.2}; // radians
    const MultipleAngles<4, 4> angles(x);
    for (int a = -4; a <= 4; ++a) {
        for (int b = -2; b <= 2; ++b) {
            for (int c = -4; c <= 4; c += 2) {
                for (int d = -3; d <= 3; ++d) {
                    const double arg = a * x[0] + b * x[1] + c * x[2] + d * x[3];
                    const Phasor p = angles.of({static_cast<int8_t>(a), static_cast<int8_t>(b),
                                                static_cast<int8_t>(c), static_cast<int8_t>(d)});
                    ASSERT_NEAR(p.s, std::sin(arg), 1e-14) << a << b << c << d;
                    ASSERT_NEAR(p.c, std::cos(arg), 1e-14) << a << b << c << d;
                }
            }
        }
    }
    const Phasor none = angles.of({0, 0, 0, 0});
    EXPECT_EQ(none.c, 1.0);
    EXPECT_EQ(none.s, 0.0);
}

TEST(MoonPhaseMemory, RememberedInstantsDoNotDependOnTheOrderOfQuestions) {
    // Ask for many lunations in one order, then in reverse: a remembered
    // instant must never be handed out for another lunation or phase.
    std::vector<double> forward;
    for (int i = 0; i < 200; ++i)
        forward.push_back(*moonPhaseInstant(2451545.0 + i * 7.3, static_cast<MoonPhase>(i % 4)));
    for (int i = 199; i >= 0; --i)
        ASSERT_EQ(*moonPhaseInstant(2451545.0 + i * 7.3, static_cast<MoonPhase>(i % 4)),
                  forward[static_cast<size_t>(i)])
            << i;
    // Two days of the same lunation give the same instant.
    EXPECT_EQ(*moonPhaseInstant(2461000.2, MoonPhase::Full),
              *moonPhaseInstant(2461000.9, MoonPhase::Full));
}

} // namespace
} // namespace skyledger
