// Case-insensitive name comparisons and the settings-file line tokenizer.
#include "settings/names.h"
#include "settings/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyledger {
namespace {

struct CompareCase {
    std::string a;
    std::string b;
    int expected;
};

TEST(Names, CompareNamesFoldsAsciiAndComparesSignedBytes) {
    const CompareCase cases[] = {
        {"Berlin", "berlin", 0},
        {"", "", 0},
        {"amsterdam", "Berlin", -1},
        {"Cairo", "berlin", 1},
        {"Paris", "Par", 1}, // a proper prefix sorts first
        {"Par", "Paris", -1},
        {"Zurich", "_x", -1}, // '_' lies between 'Z' and 'a': after every letter
        {"zurich", "[", -1},
        {"\xC9vora", "Aachen", -1}, // bytes above 127 are negative: before ASCII
        {"\xE9", "\xC9", 1},        // no folding outside a..z: 0xE9 > 0xC9 as signed too
        {"a", "", 1},
    };
    for (const CompareCase& c : cases) {
        EXPECT_EQ(compareNames(c.a, c.b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(compareNames(c.b, c.a), -c.expected) << c.b << " / " << c.a;
        EXPECT_EQ(sameName(c.a, c.b), c.expected == 0) << c.a << " / " << c.b;
    }
    EXPECT_FALSE(sameName("skyledger 1.0 ", "skyledger 1.0"));
    EXPECT_FALSE(sameName("\xE9t\xE9", "\xC9T\xC9"));
    EXPECT_TRUE(sameName("SkyLedger 1.0", "skyledger 1.0"));
}

using Tokens = std::vector<std::string>;

TEST(Tokenizer, SplitsWordsNumbersAndDelimiters) {
    EXPECT_EQ(tokenizeLine("locations 2 3"), (Tokens{"locations", "2", "3"}));
    EXPECT_EQ(tokenizeLine(" \t a\tb  "), (Tokens{"a", "b"}));
    EXPECT_EQ(tokenizeLine("x=(1,2)*y/z:w[]"),
              (Tokens{"x", "=", "(", "1", ",", "2", ")", "*", "y", "/", "z", ":", "w", "[", "]"}));
    EXPECT_EQ(tokenizeLine("1.5E+3 2e+1 -12.25"), (Tokens{"1.5E+3", "2e+1", "-12.25"}));
    // The exponent plus needs a token that begins with a digit.
    EXPECT_EQ(tokenizeLine("-1.5E+3"), (Tokens{"-1.5E", "+", "3"}));
    EXPECT_EQ(tokenizeLine("E+3 1+2 +5"), (Tokens{"E", "+", "3", "1", "+", "2", "+", "5"}));
    EXPECT_TRUE(tokenizeLine("").empty());
    EXPECT_TRUE(tokenizeLine(" \t ").empty());
}

TEST(Tokenizer, QuotedTokensAndTheirEscapes) {
    EXPECT_EQ(tokenizeLine("  \"New York, NY (USA)\" 40.71"),
              (Tokens{"New York, NY (USA)", "40.71"}));
    EXPECT_EQ(tokenizeLine(R"("a\"b\\c\nd\re\tf\qg" 1)"), (Tokens{"a\"b\\c\nd\re\tf"
                                                                  "qg",
                                                                  "1"}));
    EXPECT_EQ(tokenizeLine("\"open to the end"), (Tokens{"open to the end"}));
    EXPECT_EQ(tokenizeLine("\"ends in a backslash\\"), (Tokens{"ends in a backslash"}));
    // An empty token ends the line.
    EXPECT_EQ(tokenizeLine("a \"\" b c"), (Tokens{"a"}));
    EXPECT_TRUE(tokenizeLine("\"\" 1 2 3 4").empty());
}

TEST(Tokenizer, LimitsTokenCountAndLength) {
    std::string line;
    for (int i = 0; i < 25; ++i)
        line += std::to_string(i) + " ";
    const Tokens tokens = tokenizeLine(line);
    ASSERT_EQ(tokens.size(), MAX_TOKENS);
    EXPECT_EQ(tokens.back(), "19");

    const std::string full(MAX_TOKEN_LENGTH, 'x');
    EXPECT_EQ(tokenizeLine("\"" + full + "\" 1"), (Tokens{full, "1"}));
    // A longer token is read to its end and kept cut: the next token stays next.
    EXPECT_EQ(tokenizeLine("\"" + full + "yz\" 1"), (Tokens{full, "1"}));
    EXPECT_EQ(tokenizeLine(full + "yz 1"), (Tokens{full, "1"}));
    const std::string digits(MAX_TOKEN_LENGTH, '1');
    EXPECT_EQ(tokenizeLine(digits + "e+5 2"), (Tokens{digits, "2"})); // the exponent read whole
    // An escape counts as one character of the token.
    std::string escaped;
    for (size_t i = 0; i < MAX_TOKEN_LENGTH; ++i)
        escaped += "\\\"";
    EXPECT_EQ(tokenizeLine("\"" + escaped + "\""), (Tokens{std::string(MAX_TOKEN_LENGTH, '"')}));
}

} // namespace
} // namespace skyledger
