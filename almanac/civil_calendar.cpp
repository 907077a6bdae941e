// Calendar arithmetic on civil dates.
#include "almanac/civil_calendar.h"

namespace skyledger {

namespace {
constexpr int32_t MONTH_LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int32_t LAST_JULIAN_RULE_YEAR = 1752;
} // namespace

bool isLeapYearWithReform(int32_t year) {
    if (year <= LAST_JULIAN_RULE_YEAR) return year % 4 == 0;
    if (year % 4000 == 0) return false;
    if (year % 400 == 0) return true;
    if (year % 100 == 0) return false;
    return year % 4 == 0;
}

bool isLeapYear(int32_t year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

namespace {
int32_t monthLength(int32_t month, bool leapYear) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && leapYear) return 29;
    return MONTH_LENGTHS[month - 1];
}
} // namespace

int32_t daysInMonth(int32_t month, int32_t year) {
    return monthLength(month, isLeapYearWithReform(year));
}

int32_t gregorianDaysInMonth(int32_t month, int32_t year) {
    return monthLength(month, isLeapYear(year));
}

CivilDate nextDay(CivilDate date) {
    date.day += 1;
    if (date.day > daysInMonth(date.month, date.year)) {
        date.day = 1;
        date.month += 1;
        if (date.month > 12) {
            date.month = 1;
            date.year += 1;
        }
    }
    return date;
}

int32_t weekday(int32_t year, int32_t month, int32_t day) {
    // Sakamoto's method: offsets of each month's first day within the week,
    // with January and February counted in the year before.
    static constexpr int32_t MONTH_OFFSETS[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    if (month < 3) year -= 1;
    const int32_t w =
        (year + year / 4 - year / 100 + year / 400 + MONTH_OFFSETS[month - 1] + day) % 7;
    return w < 0 ? w + 7 : w;
}

bool isAcceptedDate(const CivilDate& date) {
    if (date.year < FIRST_YEAR || date.year > LAST_YEAR) return false;
    if (date.month < 1 || date.month > 12) return false;
    return date.day >= 1 && date.day <= daysInMonth(date.month, date.year);
}

namespace {

// The number written by `count` ASCII digits from `from`, or -1.
int32_t digitsAt(std::string_view text, size_t from, size_t count) {
    int32_t value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

DateReading readIsoDate(std::string_view text) {
    DateReading reading;
    const int32_t year = digitsAt(text, 0, 4);
    const int32_t month = digitsAt(text, 5, 2);
    const int32_t day = digitsAt(text, 8, 2);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || year < 0 || month < 0 || day < 0) {
        reading.problem = DateReading::Problem::NotTheForm;
        return reading;
    }
    reading.date = {year, month, day};
    if (year < FIRST_YEAR || year > LAST_YEAR)
        reading.problem = DateReading::Problem::YearOutside;
    else if (!isAcceptedDate(reading.date))
        reading.problem = DateReading::Problem::NoSuchDay;
    return reading;
}

} // namespace skyledger
