// The format language, the fixed-point conversion and the integer helpers.
#include "support/format_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

namespace skyledger {
namespace {

struct RealCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(FormatText, RealDirectives) {
    const RealCase cases[] = {
        {"%2f", 0.0, "0.00"},
        {"%2f", -0.0, "0.00"},
        {"%2f", -0.004, "-0.00"},
        {"%2f", 0.125, "0.13"},
        {"%2f", 3.14159, "3.14"},
        {"%2f", 0.05, "0.05"},
        {"%2f", 2.675, "2.68"}, // scaled double 267.5, rounded away from zero
        {"%1f", -1.05, "-1.1"},
        {"%1f", 2.5, "2.5"},
        {"%f", 1.0, "1.0000"},
        {"%f", 3.14159265, "3.1416"},
        {"%f", 0.0, "0.0000"},
        {"%12f", 1.234, "1.23"},
        {"%zf", 2.5, "2.5"},
        {"%2zf", 10.0, "10"},
        {"%z2f", 2.50, "2.5"},
        {"%zf", 0.0, "0.0000"},
        {"%2zf", -0.001, "-0"},
        {"%0f", 5.0, "05"},
        {"%0f", 0.4, "00"},
        {"%0f", 2.5, "03"},
        {"%0f", -2.5, "-03"},
        {"%0zf", 100.0, "100"},
        {"%6f", 1.0 / 3.0, "0.333333"},
        {"%2f", 9.999, "10.00"},
        {"%3f", 999.9996, "1000.000"},
        {"%1f", 1.0 / 0.0, "inf"},
        {"%1f", -1.0 / 0.0, "-inf"},
        {"%1f", std::nan(""), "nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatText(c.format, c.value), c.expected) << c.format << " " << c.value;
    }
}

struct IntegerCase {
    const char* format;
    int value;
    const char* expected;
};

TEST(FormatText, IntegerDirectivesAndWidth) {
    const IntegerCase cases[] = {
        {"%d%%", 57, "57%"},
        {"%2d", 5, "05"},
        {"%2d", 123, "**"},
        {"%3d", -5, "0-5"},
        {"%2d", -5, "-5"},
        {"%1d", -5, "*"},
        {"%0d", 7, ""},
        {"%62d", 5, "05"},
        {"%d", INT_MIN, "-2147483648"},
        {"%,d", 1234567, "1,234,567d"},
        {"%,", 1234567, "1,234,567"},
        {"%,", -1234, "-1,234"},
        {"%5,", 1234, "1,234"},
        {"%4,", 1234, "****"},
        {"%6,", -123, "00-123"},
        {"%c", 'A', "A"},
        {"%c", 0x141, "A"},
        {"%5c", 'x', "x"},
        {"%c", 0xB0, "\xB0"},
        {"%zd", 120, "120"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatText(c.format, c.value), c.expected) << c.format << " " << c.value;
    }
}

TEST(FormatText, TextsEscapesAndPlainCharacters) {
    EXPECT_EQ(formatText("%s", "abc"), "abc");
    EXPECT_EQ(formatText("[%3s]", std::string("long text")), "[long text]");
    EXPECT_EQ(formatText("%s=%d", std::string_view("n"), 4), "n=4");
    EXPECT_EQ(formatText("%s", static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(formatText("a\\nb\\rc\\td"), "a\nb\rc\td");
    EXPECT_EQ(formatText("\\\\ \\% \\q"), "\\ % q");
    EXPECT_EQ(formatText("100%% \xB0N"), "100% \xB0N");
    EXPECT_EQ(formatText(""), "");
}

TEST(FormatText, OtherCharactersEndTheDirectiveSilently) {
    EXPECT_EQ(formatText("<%x>%d", 5), "<>5"); // %x takes no argument
    EXPECT_EQ(formatText("<%7d>", 5), "<d>");  // 7 is not a directive digit
    EXPECT_EQ(formatText("<%9>", 5), "<>");
    EXPECT_EQ(formatText("<%\xB0>", 5), "<>"); // bytes above 127 included
    EXPECT_EQ(formatText("<%\xB3>", 5), "<>"); // not a digit when read as signed
    EXPECT_EQ(formatText("<%{>", 5), "<>");    // just above 'z'
    EXPECT_EQ(formatText("<% d>", 5), "<d>");
    // Number and strip flag belong to one directive only.
    EXPECT_EQ(formatText("%2d %d", 5, 5), "05 5");
    EXPECT_EQ(formatText("%zf %f", 2.5, 2.5), "2.5 2.5000");
    EXPECT_EQ(formatText("%z%f", 2.5), "%f"); // "%" ends the directive; "f" is plain
}

TEST(FormatText, MissingOrMismatchedArgumentsProduceNothing) {
    EXPECT_EQ(formatText("[%d]"), "[]");
    EXPECT_EQ(formatText("[%f]", 3), "[]");
    EXPECT_EQ(formatText("[%d]", 2.5), "[]");
    EXPECT_EQ(formatText("[%s]", 7), "[]");
    EXPECT_EQ(formatText("[%c]", "x"), "[]");
    // A mismatched argument is still used up.
    EXPECT_EQ(formatText("%s|%d", 5, 7), "|7");
    // A directive or escape cut short by the end of the format.
    EXPECT_EQ(formatText("a%"), "a");
    EXPECT_EQ(formatText("a%2"), "a");
    EXPECT_EQ(formatText("a\\"), "a");
}

TEST(FormatText, SettingsLine) {
    EXPECT_EQ(formatText("  \"%s\" %2f %2f %1f %1f", "Home", 40.75, -73.99, -13.0, 5.0),
              "  \"Home\" 40.75 -73.99 -13.0 5.0");
    EXPECT_EQ(formatText("%1f %1f", 0.0, -0.04), "0.0 -0.0");
}

std::string printed(double x, int n) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", n, x);
    return buffer;
}

TEST(FormatFixed, LargeValuesKeepEveryDigit) {
    for (double x : {1e300, -1e300, DBL_MAX, 123456789.125001, 2147483648.0, 1e10 + 0.3,
                     9007199254740993.0, 4.5e15, -3.0e20}) {
        for (int n : {0, 2, 6}) {
            EXPECT_EQ(formatFixed(x, n, false), printed(x, n)) << x << " " << n;
        }
    }
    const std::string big = formatFixed(1e300, 2, false);
    EXPECT_EQ(big.size(), 304u);
    EXPECT_EQ(big.substr(big.size() - 3), ".00");
}

TEST(FormatFixed, RoundingAroundAndAbove2To31) {
    struct Case {
        double x;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {2147483647.4, 0, "2147483647"},
        {2147483647.6, 0, "2147483648"},
        {2147483648.5, 0, "2147483649"}, // exact half: away from zero
        {-2147483648.5, 0, "-2147483649"},
        {4294967296.5, 0, "4294967297"},
        {9999999999.5, 0, "10000000000"},
        {99999.9999995, 6, "99999.999999"}, // the double lies just below the half
        {2147.4836475, 6, "2147.483648"},
        {1e10, 2, "10000000000.00"},
        {12345678901.25, 1, "12345678901.3"},
        {1e10, 3, "10000000000.000"},
        {5e-324, 6, "0.000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.x, c.n, false), c.expected) << c.x << " " << c.n;
    }
    EXPECT_EQ(formatFixed(1e10, 3, true), "10000000000");
    EXPECT_EQ(formatFixed(12345678901.25, 2, true), "12345678901.25");
}

TEST(FormatFixed, DecimalsAreClampedToZeroToSix) {
    EXPECT_EQ(formatFixed(1.0, 9, false), "1.000000");
    EXPECT_EQ(formatFixed(1.0, -3, false), "01");
    EXPECT_EQ(formatFixed(0.0, 9, false), "0.000000");
    EXPECT_EQ(formatFixed(0.0, -1, false), "0");
    EXPECT_EQ(formatFixed(0.0, 0, true), "0");
}

TEST(FormatInteger, ExtremesAndZero) {
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(-7), "-7");
    EXPECT_EQ(formatInteger(INT32_MAX), "2147483647");
    EXPECT_EQ(formatInteger(INT32_MIN), "-2147483648");
}

TEST(GroupThousands, CommasFromTheRightSignOutsideTheGroups) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"7", "7"},
        {"123", "123"},
        {"-123", "-123"},
        {"1234", "1,234"},
        {"-1234", "-1,234"},
        {"-123456", "-123,456"},
        {"1234567", "1,234,567"},
        {"-2147483648", "-2,147,483,648"},
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        groupThousands(text);
        EXPECT_EQ(text, expected) << input;
    }
}

} // namespace
} // namespace skyledger
