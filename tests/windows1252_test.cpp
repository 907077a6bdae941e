// Windows-1252 <-> UTF-8 at the edges of the core.
#include "support/windows1252.h"

#include <gtest/gtest.h>

namespace skyledger {
namespace {

TEST(Windows1252, DegreeSignEuroAndAccentsBecomeUtf8) {
    EXPECT_EQ(windows1252ToUtf8("072\xB0"), "072\xC2\xB0");
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(windows1252ToUtf8("S\xE3o Paulo"), "S\xC3\xA3o Paulo");
    EXPECT_EQ(windows1252ToUtf8("plain"), "plain");
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("\xE6\x9D\xB1\xE4\xBA\xAC"), "??"); // Tokyo in kanji
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");
    // Read by the same rule as the terminal's escaping: an overlong NUL and a
    // surrogate are broken bytes, not characters.
    EXPECT_EQ(utf8ToWindows1252("\xC0\x80x"), "??x");
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???");
    EXPECT_EQ(utf8ToWindows1252("\xFF"
                                "b"),
              "?b");
}

} // namespace
} // namespace skyledger
