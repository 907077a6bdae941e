// Calendar dates, Julian days, Julian centuries and Delta T, and the small
// numeric helpers (angle reduction, Horner polynomials, integer part) that the
// rest of the astronomy core builds on. Julian day rule after Meeus,
// "Astronomical Algorithms", chapter 7; Delta T from a two-yearly table of
// observed values 1620-1992 and polynomial fits outside it.
#pragma once

#include <cstdint>

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

// Julian centuries of 36525 days from J2000.0 (JD 2451545.0).
double julianCenturies(double jd);

// Delta T = TT - UT in seconds, for T in Julian centuries from J2000.0.
double deltaT(double t);

// The angle x (radians) brought into [0, 2 pi).
double reduceAngle(double x);

// The angle x (radians) brought into [-pi, pi).
double reduceAngleSigned(double x);

// c[0] + c[1] x + ... + c[n] x^n by Horner's scheme; `c` holds n + 1 values.
double polyEval(const double* c, int n, double x);

// The integer part of x, truncated toward zero, as a double.
double integerPart(double x);

} // namespace skyledger
