// Calendar arithmetic for the date boxes, the multi-day chart and the Moon
// calendar: leap years, month lengths, the next day and the weekday.
#pragma once

#include <cstdint>
#include <string_view>

namespace skyledger {

// A date on the civil calendar: year, month 1..12, day of month 1..31.
struct CivilDate {
    int32_t year = 2000;
    int32_t month = 1;
    int32_t day = 1;
};

// The earliest and latest years the program accepts.
inline constexpr int32_t FIRST_YEAR = 1900;
inline constexpr int32_t LAST_YEAR = 2100;

// Leap-year rule of the date boxes: every fourth year up to 1752; after it
// the Gregorian rule, with years divisible by 4000 not leap.
bool isLeapYearWithReform(int32_t year);

// Gregorian leap-year rule (divisible by 400, or by 4 and not by 100).
bool isLeapYear(int32_t year);

// Days in the month (1..12) of the year, by isLeapYearWithReform; 0 for a
// month outside 1..12.
int32_t daysInMonth(int32_t month, int32_t year);

// The day after `date`, across month and year ends.
CivilDate nextDay(CivilDate date);

// Days in the month (1..12) by the Gregorian rule of isLeapYear; 0 for a
// month outside 1..12.
int32_t gregorianDaysInMonth(int32_t month, int32_t year);

// Day of the week on the proleptic Gregorian calendar: 0 Sunday .. 6 Saturday.
int32_t weekday(int32_t year, int32_t month, int32_t day);

// True when the date exists and its year lies in FIRST_YEAR..LAST_YEAR.
bool isAcceptedDate(const CivilDate& date);

// What reading a date typed as YYYY-MM-DD (ASCII digits) found: an accepted
// date, or why there is none. `date` holds the numbers read whenever the
// text has the form.
struct DateReading {
    enum class Problem { None, NotTheForm, YearOutside, NoSuchDay };
    CivilDate date;
    Problem problem = Problem::None;
    [[nodiscard]] bool ok() const { return problem == Problem::None; }
};

[[nodiscard]] DateReading readIsoDate(std::string_view text);

} // namespace skyledger
