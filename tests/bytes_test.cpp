// The byte utilities.
#include "support/bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace skyledger {
namespace {

TEST(TextLength, CountsUpToTheTerminator) {
    EXPECT_EQ(textLength(""), 0u);
    EXPECT_EQ(textLength("abc"), 3u);
    EXPECT_EQ(textLength("ab\0cd"), 2u);
    EXPECT_EQ(textLength(nullptr), 0u);
}

TEST(CopyBytes, OverlapInBothDirections) {
    char forward[] = "abcdef";
    copyBytes(forward, forward + 1, 4);
    EXPECT_EQ(std::string(forward), "bcdeef");
    char backward[] = "abcdef";
    copyBytes(backward + 1, backward, 4);
    EXPECT_EQ(std::string(backward), "aabcdf");
    char apart[] = "xyz";
    char target[] = "...";
    copyBytes(target, apart, 2);
    EXPECT_EQ(std::string(target), "xy.");
    copyBytes(target, target, 3);
    EXPECT_EQ(std::string(target), "xy.");
    copyBytes(nullptr, nullptr, 0);
    copyBytes(target, apart, 0);
    EXPECT_EQ(std::string(target), "xy.");
}

TEST(FillBytes, FillsAndZeroesExactlyTheCount) {
    char block[] = "abcdef";
    fillBytes(block + 1, '*', 3);
    EXPECT_EQ(std::string(block), "a***ef");
    fillBytes(block, 0xB0, 1);
    EXPECT_EQ(block[0], '\xB0');
    zeroBytes(block + 4, 1);
    EXPECT_EQ(std::string(block), "\xB0***");
    EXPECT_EQ(block[5], 'f');
}

} // namespace
} // namespace skyledger
