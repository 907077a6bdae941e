// Calendar dates, Julian days, Julian centuries and Delta T. Julian day rule
// after Meeus, "Astronomical Algorithms", chapter 7; Delta T from a two-yearly
// table of observed values 1620-1992 and polynomial fits outside it.
#pragma once

#include <cstdint>

// The solver still reaches the angle helpers through this header.
#include "astro/angles.h"

namespace skyledger {

// A calendar date in astronomical year numbering. `day` is the day of the
// month plus the fraction of the day in Universal Time (15.75 = 18:00 UT on
// the 15th).
struct CalendarDate {
    int32_t year;
    int32_t month; // 1..12
    double day;
};

// Julian day (days) of a calendar date; Gregorian from 1582-10-05 on, Julian
// before. Integer parts truncate toward zero, as the rule is meant for JD >= 0.
double julianDay(const CalendarDate& date);

// Julian centuries of 36525 days from J2000.0 (JD 2451545.0), in the time
// scale of the Julian day.
double julianCenturies(double jd);

// Delta T = TD - UT in seconds, for tUt in Julian centuries from J2000.0.
// After 2000 the value comes from a polynomial that starts 40 s above the
// table's last value (62 s, then 102 s). The jump at 2000 is kept because
// every time the almanac shows was computed with it; its drift from observed
// values (about a minute by the 2020s) moves rise and set times by seconds,
// below the display's minute.
double deltaT(double tUt);

} // namespace skyledger
