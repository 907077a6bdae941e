// Leap years, month lengths, the next day and weekdays.
#include "almanac/civil_calendar.h"

#include <gtest/gtest.h>

#include "astro/julian_day.h"

namespace skyledger {
namespace {

TEST(LeapYears, ReformRuleAndGregorianRule) {
    EXPECT_TRUE(isLeapYearWithReform(2000));
    EXPECT_FALSE(isLeapYearWithReform(1900));
    EXPECT_TRUE(isLeapYearWithReform(1700)); // before the reform every fourth year
    EXPECT_FALSE(isLeapYearWithReform(1800));
    EXPECT_FALSE(isLeapYearWithReform(4000));
    EXPECT_TRUE(isLeapYearWithReform(2024));
    EXPECT_FALSE(isLeapYearWithReform(2026));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2004));
}

TEST(DaysInMonth, FebruaryFollowsTheLeapYear) {
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(2, 1900), 28);
    EXPECT_EQ(daysInMonth(4, 2026), 30);
    EXPECT_EQ(daysInMonth(12, 2026), 31);
    EXPECT_EQ(daysInMonth(13, 2026), 0);
}

TEST(NextDay, CrossesMonthAndYearEnds) {
    CivilDate d{2024, 1, 1};
    for (int i = 0; i < 365; ++i)
        d = nextDay(d);
    EXPECT_EQ(d.year, 2024);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.day, 31);
    d = nextDay(d);
    EXPECT_EQ(d.year, 2025);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 1);
    // 366 days from 1 March 2023 ends on 29 February 2024.
    d = {2023, 3, 1};
    for (int i = 0; i < 365; ++i)
        d = nextDay(d);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
}

TEST(Weekday, AgreesWithTheJulianDayCountOverTheAcceptedYears) {
    EXPECT_EQ(weekday(1980, 1, 1), 2); // a Tuesday
    EXPECT_EQ(weekday(2002, 4, 1), 1); // a Monday
    EXPECT_EQ(weekday(1900, 1, 1), 1); // a Monday
    for (CivilDate d{FIRST_YEAR, 1, 1}; d.year <= LAST_YEAR; d = nextDay(d)) {
        const long jd =
            static_cast<long>(julianDay({d.year, d.month, static_cast<double>(d.day)}) + 1.5);
        ASSERT_EQ(weekday(d.year, d.month, d.day), jd % 7)
            << d.year << "-" << d.month << "-" << d.day;
    }
}

TEST(AcceptedDates, YearsNineteenHundredToTwentyOneHundredAndRealDays) {
    EXPECT_TRUE(isAcceptedDate({1900, 1, 1}));
    EXPECT_TRUE(isAcceptedDate({2100, 12, 31}));
    EXPECT_FALSE(isAcceptedDate({1899, 12, 31}));
    EXPECT_FALSE(isAcceptedDate({2101, 1, 1}));
    EXPECT_FALSE(isAcceptedDate({2026, 2, 29}));
    EXPECT_TRUE(isAcceptedDate({2024, 2, 29}));
    EXPECT_FALSE(isAcceptedDate({2026, 0, 1}));
}

} // namespace
} // namespace skyledger
