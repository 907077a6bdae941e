// The decimal and integer parsers.
#include "support/parse_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace skyledger {
namespace {

TEST(ParseDecimal, AcceptedTexts) {
    const std::pair<const char*, double> cases[] = {
        {"0", 0.0},
        {"1,000", 1000.0},
        {"1,234.5", 1234.5},
        {",,1,,", 1.0},
        {"50%", 0.5},
        {"%5", 0.05},
        {"12.5%", 0.125},
        {".", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"+3", 3.0},
        {"-40.75", -40.75},
        {"1.5e2", 150.0},
        {"-0.5E-1", -0.05},
        {"2e+3", 2000.0},
        {"1.5E+3", 1500.0},
        {"1e-5", 1e-5},
        {"1e308", 1e308},
        {"5%e1", 0.5},
        {"0.000000000000000000001", 1e-21},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"1e-400", 0.0}, // underflows to a finite zero
    };
    for (const auto& [text, expected] : cases) {
        double value = -1.0;
        EXPECT_TRUE(parseDecimal(text, value)) << text;
        EXPECT_DOUBLE_EQ(value, expected) << text;
    }
    double value = 1.0;
    ASSERT_TRUE(parseDecimal("-0", value));
    EXPECT_TRUE(value == 0.0 && std::signbit(value));
}

TEST(ParseDecimal, RejectedTexts) {
    for (const char* text : {"", "+", "-", " 1", "1 ", "1.2.3", "1e", "1e+", "1e1234", "5%%", "abc",
                             "1x", "e5", "%", "--1", "1,5a", "0x10"}) {
        double value = 0.0;
        EXPECT_FALSE(parseDecimal(text, value)) << text;
        EXPECT_TRUE(std::isfinite(value)) << text;
    }
}

TEST(ParseDecimal, FailureLeavesTheAccumulatedValue) {
    double value = 0.0;
    EXPECT_FALSE(parseDecimal("12x", value));
    EXPECT_EQ(value, 12.0);
    EXPECT_FALSE(parseDecimal("-1.5 ", value));
    EXPECT_EQ(value, -1.5);
    EXPECT_FALSE(parseDecimal("1.2.3", value));
    EXPECT_EQ(value, 12.0);
    EXPECT_FALSE(parseDecimal("1e1234", value)); // three exponent digits taken, "4" left
    EXPECT_DOUBLE_EQ(value, 1e123);
}

TEST(ParseDecimal, ValuesBeyondDoubleFailAndLeaveZero) {
    const std::string many(400, '9');
    for (const std::string& text : {std::string("1e999"), std::string("-1e999"), many,
                                    "0." + many + "e999", "1" + std::string(400, '0') + "%"}) {
        double value = 7.0;
        EXPECT_FALSE(parseDecimal(text, value)) << text;
        EXPECT_EQ(value, 0.0) << text;
    }
}

TEST(ParseInteger, AcceptedAndRejectedTexts) {
    const std::pair<const char*, int32_t> accepted[] = {
        {"-0", 0},
        {"+7", 7},
        {"007", 7},
        {"366", 366},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& [text, expected] : accepted) {
        int32_t value = -1;
        EXPECT_TRUE(parseInteger(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text : {"7.0", "", "+", "-", " 7", "7 ", "1,000", "x1", "2147483648",
                             "-2147483649", "99999999999999999999"}) {
        int32_t value = 0;
        EXPECT_FALSE(parseInteger(text, value)) << text;
    }
}

TEST(ParseInteger, FailureLeavesTheValueReadSoFar) {
    int32_t value = 5;
    EXPECT_FALSE(parseInteger("-12x", value));
    EXPECT_EQ(value, -12);
    EXPECT_FALSE(parseInteger("7.0", value));
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(parseInteger("2147483648", value));
    EXPECT_EQ(value, 0);
}

} // namespace
} // namespace skyledger
