// Display forms of event times, bearings, coordinates and dates.
#include "almanac/display_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "almanac/chart.h"
#include "astro/constants.h"

namespace skyledger {
namespace {

// Radians of a day for a clock time.
double clock(int h, int m, double s = 0.0) {
    return (h * 3600.0 + m * 60.0 + s) / 86400.0 * TWO_PI;
}

struct TimeCase {
    double time;
    const char* h24;
    const char* h12;
};

TEST(FormatEventTime, RoundsToTheNearestMinuteOnBothClocks) {
    const TimeCase cases[] = {
        {0.0, "00:00", "12:00AM"},
        {clock(0, 30), "00:30", "12:30AM"},
        {clock(6, 5), "06:05", "06:05AM"},
        {clock(6, 5, 29), "06:05", "06:05AM"},
        {clock(6, 5, 31), "06:06", "06:06AM"},
        {clock(11, 59, 45), "12:00", "12:00PM"},
        {clock(12, 0), "12:00", "12:00PM"},
        {clock(18, 45), "18:45", "06:45PM"},
        {clock(23, 59, 29), "23:59", "11:59PM"},
    };
    for (const TimeCase& c : cases) {
        EXPECT_EQ(formatEventTime(c.time, false), c.h24);
        EXPECT_EQ(formatEventTime(c.time, true), c.h12);
    }
}

TEST(FormatEventTime, TimesOutsideTheDayHaveNoText) {
    // Half a minute before midnight rounds up to 24:00, which is not in the
    // day; every negative time is before the day, also within half a minute
    // of 00:00, so the main window agrees with the chart, which drops them.
    const double outside[] = {clock(23, 59, 31), TWO_PI, -1e-6, -clock(0, 0, 20), std::nan("")};
    for (double t : outside) {
        EXPECT_EQ(formatEventTime(t, false), std::nullopt) << t;
        EXPECT_EQ(formatEventTime(t, true), std::nullopt) << t;
    }
}

TEST(FormatBearing, TruncatesToWholeDegreesWithTheDegreeSign) {
    EXPECT_EQ(formatBearing(72.9), "072\xB0");
    EXPECT_EQ(formatBearing(0.0), "000\xB0");
    EXPECT_EQ(formatBearing(359.99), "359\xB0");
    EXPECT_EQ(formatBearing(360.0), "360\xB0");
    EXPECT_EQ(formatBearing(std::nan("")), "");
    EXPECT_EQ(formatBearing(-1.0), "");
}

TEST(FormatCoordinates, TwoDecimalsDegreeSignAndHemisphereLetter) {
    EXPECT_EQ(formatLatitude(40.75), "40.75\xB0N");
    EXPECT_EQ(formatLatitude(-33.9), "33.90\xB0S");
    EXPECT_EQ(formatLatitude(0.0), "0.00\xB0N");
    EXPECT_EQ(formatLatitude(51.4779), "51.48\xB0N");
    EXPECT_EQ(formatLongitude(73.99), "73.99\xB0W");
    EXPECT_EQ(formatLongitude(-151.2), "151.20\xB0"
                                       "E");
    EXPECT_EQ(formatLongitude(0.0), "0.00\xB0W");
}

TEST(FormatDate, DayMonthAbbreviationTwoDigitYear) {
    EXPECT_EQ(formatDate(2, 4, 2002), "02-Apr-02");
    EXPECT_EQ(formatDate(31, 12, 1999), "31-Dec-99");
    EXPECT_EQ(formatDate(1, 1, 2000), "01-Jan-00");
    EXPECT_EQ(formatDate(15, 9, 2100), "15-Sep-00");
}

} // namespace
} // namespace skyledger
