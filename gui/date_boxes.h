// The day, month and year drop-down lists of the main window and the chart
// request, filled one way: months by their abbreviations, the years the
// almanac computes, and the days of the chosen month.
#pragma once

#include <cstdint>

class QComboBox;

namespace skyledger {

// "Jan" .. "Dec".
void fillMonthBox(QComboBox& box);

// FIRST_YEAR .. LAST_YEAR; the index of a year is year - FIRST_YEAR.
void fillYearBox(QComboBox& box);

// The days 1 .. the length of `month` of `year`, with `day` selected (the
// month's last day when it is shorter). Refilling is not a choice of the
// user's: the box's listeners are not told.
void fillDayBox(QComboBox& box, int32_t day, int32_t month, int32_t year);

} // namespace skyledger
