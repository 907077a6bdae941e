// The Moon calendar's month layout and daily phase angles.
#include "almanac/moon_calendar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "almanac/almanac_session.h"
#include "almanac/app_state.h"
#include "astro/constants.h"

namespace skyledger {
namespace {

std::optional<double> noPhase(int32_t) {
    return 0.0;
}

MoonCalendarGrid laidOut(int32_t year, int32_t month, int32_t firstWeekday) {
    return layoutMoonCalendar(year, month, firstWeekday, noPhase).value();
}

int firstCell(const MoonCalendarGrid& g) {
    for (int i = 0; i < CALENDAR_CELLS; ++i)
        if (g.dayNumber[static_cast<size_t>(i)] == 1) return i;
    return -1;
}

int lastDay(const MoonCalendarGrid& g) {
    int last = 0;
    for (int8_t d : g.dayNumber)
        last = std::max<int>(last, d);
    return last;
}

TEST(MoonCalendarLayout, April2002StartsOnMonday) {
    const MoonCalendarGrid g = laidOut(2002, 4, 0);
    EXPECT_EQ(g.dayNumber[0], 0);
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(g.dayNumber[static_cast<size_t>(i)], i);
    for (int i = 31; i < 42; ++i)
        EXPECT_EQ(g.dayNumber[static_cast<size_t>(i)], 0);
}

TEST(MoonCalendarLayout, MonthLengthsAndFirstWeekdays) {
    EXPECT_EQ(lastDay(laidOut(2000, 2, 0)), 29);
    EXPECT_EQ(lastDay(laidOut(1900, 2, 0)), 28);
    EXPECT_EQ(lastDay(laidOut(2004, 2, 0)), 29);
    // March 2026 begins on a Sunday: cell 0.
    EXPECT_EQ(firstCell(laidOut(2026, 3, 0)), 0);
    // August 2026 begins on a Saturday: cell 6, and its 31 days end in cell 36.
    const MoonCalendarGrid august = laidOut(2026, 8, 0);
    EXPECT_EQ(firstCell(august), 6);
    EXPECT_EQ(august.dayNumber[36], 31);
    // With Monday first, the same month starts in column 5.
    EXPECT_EQ(firstCell(laidOut(2026, 8, 1)), 5);
}

TEST(MoonCalendarLayout, YearsBefore1980AreLaidOutRight) {
    EXPECT_EQ(firstCell(laidOut(1969, 7, 0)), 2); // 1 July 1969 was a Tuesday
    EXPECT_EQ(firstCell(laidOut(1900, 1, 0)), 1); // 1 January 1900 was a Monday
    EXPECT_EQ(firstCell(laidOut(1980, 1, 0)), 2); // 1 January 1980 was a Tuesday
}

TEST(MoonCalendarLayout, AMonthOutsideTheYearHasNoLayout) {
    EXPECT_FALSE(layoutMoonCalendar(2002, 13, 0, noPhase).has_value());
    EXPECT_FALSE(layoutMoonCalendar(2002, 0, 0, noPhase).has_value());
}

TEST(MoonCalendar, PhasesFollowTheLunation) {
    AppState s;
    const Location greenwich{"Greenwich", 51.4779, 0.0015, 0.0, 0.0};
    s.preferences.timeBasis = TimeBasis::Universal;
    AlmanacResult<MoonCalendarGrid> grid = computeMoonCalendar(2026, 1, greenwich, s.preferences);
    ASSERT_TRUE(grid.ok());
    s.calendar = std::move(grid).value();
    ASSERT_TRUE(s.calendar.phasesValid);
    const int first = firstCell(s.calendar);
    // Full Moon 2026-01-03 10:03 UT: noon that day is close to pi.
    EXPECT_NEAR(s.calendar.phaseAngle[static_cast<size_t>(first + 2)], PI, 0.05);
    // New Moon 2026-01-18 19:52 UT: noon before it is close to 2 pi, never above.
    const double before = s.calendar.phaseAngle[static_cast<size_t>(first + 17)];
    EXPECT_GT(before, TWO_PI - 0.15);
    EXPECT_LE(before, TWO_PI);
    // Between principal phases the angle grows day by day.
    for (int d = 3; d < 17; ++d)
        EXPECT_LT(s.calendar.phaseAngle[static_cast<size_t>(first + d - 1)],
                  s.calendar.phaseAngle[static_cast<size_t>(first + d)]);
}

TEST(MoonCalendar, WithoutAPlaceOnlyTheDaysAreLaidOut) {
    AppState s;
    s.currentDate = {2002, 4, 1};
    AlmanacSession session(s);
    AlmanacView calendarWindow;
    const AlmanacSession::Subscription open = session.subscribe(calendarWindow, Follows::Calendar);
    EXPECT_FALSE(s.calendar.phasesValid);
    EXPECT_EQ(s.calendar.dayNumber[1], 1);
}

} // namespace
} // namespace skyledger
