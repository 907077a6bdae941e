// Text forms of the altitude/azimuth table.
#include "almanac/display_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skyledger {
namespace {

TEST(AltitudeText, TwoRoundedDigitsWithSignAndDegree) {
    EXPECT_EQ(altitudeText(5.4), "05\xB0");
    EXPECT_EQ(altitudeText(-12.6), "-13\xB0");
    EXPECT_EQ(altitudeText(-0.3), "-00\xB0");
    EXPECT_EQ(altitudeText(0.0), "00\xB0");
    EXPECT_EQ(altitudeText(89.6), "90\xB0");
}

TEST(ShadowText, FiveCharactersOrEmpty) {
    EXPECT_EQ(shadowText(45.0), " 1.00");
    EXPECT_EQ(shadowText(10.0), " 5.67");
    EXPECT_EQ(shadowText(2.0), "28.64");
    EXPECT_EQ(shadowText(0.0), "");
    EXPECT_EQ(shadowText(-5.0), "");
    EXPECT_EQ(shadowText(0.3), ""); // ratio above 100
}

TEST(ShadowText, ARatioThatRoundsToOneHundredIsEmpty) {
    // Altitudes whose ratio lies in [99.995, 100): 100.00 has no five-character form.
    const double factor = 0.017453292519444445;
    const double justBelow = std::atan(1.0 / 99.997) / factor;
    EXPECT_EQ(shadowText(justBelow), "");
    const double stillShown = std::atan(1.0 / 99.99) / factor;
    EXPECT_EQ(shadowText(stillShown), "99.99");
}

} // namespace
} // namespace skyledger
