// Texts of the Moon calendar and the altitude/azimuth table.
#include "almanac/report_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skyledger {
namespace {

TEST(CalendarPercent, FollowsThePhaseAngleRoundedToWholePercent) {
    EXPECT_EQ(calendarPercentText(M_PI), "100%");
    EXPECT_EQ(calendarPercentText(0.0), "0%");
    EXPECT_EQ(calendarPercentText(M_PI / 2), "50%");
    EXPECT_EQ(calendarPercentText(3 * M_PI / 2), "50%");
    // Waning and waxing alike; 1 radian: (1 - cos 1) x 50 = 22.98 -> 23.
    EXPECT_EQ(calendarPercent(1.0), 23);
    EXPECT_EQ(calendarPercent(2 * M_PI - 1.0), 23);
    EXPECT_EQ(calendarPercent(2 * M_PI), 0);
}

TEST(ReportTitles, CarryTheMonthOrTheDate) {
    EXPECT_EQ(calendarTitle({2002, 4, 2}), "Moon Phase Calendar -- Apr-02");
    EXPECT_EQ(calendarTitle({1999, 12, 31}), "Moon Phase Calendar -- Dec-99");
    EXPECT_EQ(trackTitle({2002, 4, 2}), "Sun/Moon Altitude/Azimuth Information -- 02-Apr-02");
    EXPECT_EQ(calendarDayText(7), " 7");
}

} // namespace
} // namespace skyledger
