// Calendar dates, Julian days and Delta T.
#include "astro/julian_day.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"

namespace skyledger {

namespace {

// Delta T in tenths of a second at 1620, 1622, ..., 1992.
constexpr int DELTA_T_TABLE_SIZE = 187;
// clang-format off
constexpr int16_t DELTA_T_TABLE[DELTA_T_TABLE_SIZE] = {
    1240, 1150, 1060, 980,  910,  850,  790,  740,  700,  650,  // 1620
    620,  580,  550,  530,  500,  480,  460,  440,  420,  400,  // 1640
    370,  350,  330,  310,  280,  260,  240,  220,  200,  180,  // 1660
    160,  140,  130,  120,  110,  100,  90,   90,   90,   90,   // 1680
    90,   90,   90,   90,   100,  100,  100,  100,  100,  110,  // 1700
    110,  110,  110,  110,  110,  110,  110,  120,  120,  120,  // 1720
    120,  120,  130,  130,  130,  130,  140,  140,  140,  150,  // 1740
    150,  150,  150,  160,  160,  160,  160,  160,  170,  170,  // 1760
    170,  170,  170,  170,  170,  170,  160,  160,  150,  140,  // 1780
    137,  131,  127,  125,  125,  125,  125,  125,  125,  123,  // 1800
    120,  114,  106,  96,   86,   75,   66,   60,   57,   56,   // 1820
    57,   59,   62,   65,   68,   71,   73,   75,   77,   78,   // 1840
    79,   75,   64,   54,   29,   16,   -10,  -27,  -36,  -47,  // 1860
    -54,  -52,  -55,  -56,  -58,  -59,  -62,  -64,  -61,  -47,  // 1880
    -27,  0,    26,   54,   77,   105,  134,  160,  182,  202,  // 1900
    212,  224,  235,  239,  243,  240,  239,  239,  237,  240,  // 1920
    243,  253,  262,  273,  282,  291,  300,  307,  314,  322,  // 1940
    331,  340,  350,  365,  383,  402,  422,  445,  465,  485,  // 1960
    505,  522,  538,  549,  558,  569,  580,                    // 1980
};
// clang-format on

// The last table interval starts here; later years extend it in a straight line.
constexpr int DELTA_T_LAST_INTERVAL = 185;

bool isGregorian(const CalendarDate& d) {
    if (d.year > 1582) return true;
    if (d.year < 1582) return false;
    if (d.month > 10) return true;
    return d.month == 10 && d.day >= 5.0;
}

} // namespace

double julianDay(const CalendarDate& date) {
    int32_t y = date.year;
    int32_t m = date.month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int32_t a = y / 100;
    const int32_t b = isGregorian(date) ? a / 4 - a + 2 : 0;
    return integerPart(30.6001 * (m + 1)) + integerPart(365.25 * (y + 4716)) + date.day + b -
           1524.5;
}

double julianCenturies(double jd) {
    return (jd - J2000) * CENTURIES_PER_DAY;
}

double deltaT(double tUt) {
    const double t = tUt;
    const double year = 100.0 * t + 2000.0;
    if (year > 2000.0) return 102.3 + 123.5 * t + 32.5 * t * t;
    if (year < 1620.0) {
        if (year < 948.0) return 2715.6 + 573.36 * t + 46.5 * t * t;
        return 50.6 + 67.5 * t + 22.5 * t * t;
    }
    int i = static_cast<int>((year - 1620.0) * 0.5);
    if (i > DELTA_T_LAST_INTERVAL) i = DELTA_T_LAST_INTERVAL;
    const double f = year * 0.5 - i - 810.0;
    const double v0 = DELTA_T_TABLE[i];
    const double v1 = DELTA_T_TABLE[i + 1];
    return (v0 + f * (v1 - v0)) * 0.1;
}

} // namespace skyledger
