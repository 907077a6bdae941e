// The multi-day chart: one row of numbers per day (event times, bearings,
// illumination and phase), for 1 to 366 consecutive days. Rows hold numbers,
// not texts; the chart window, its printout and its text export format them.
#pragma once

#include <array>
#include <cstdint>

#include "almanac/civil_calendar.h"

namespace skyledger {

struct AppState;
class AlmanacView;

// Marks an event that does not happen that day, in its time and its bearing.
inline constexpr double noEventValue = -999.99;

inline constexpr int32_t MAX_CHART_DAYS = 366;

struct ChartRow {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
    double sunrise = noEventValue; // radians of a day from 0h local clock time
    double sunset = noEventValue;
    double sunriseBearing = noEventValue; // degrees, true or magnetic
    double sunsetBearing = noEventValue;
    double moonrise = noEventValue;
    double moonset = noEventValue;
    double moonriseBearing = noEventValue;
    double moonsetBearing = noEventValue;
    double moonPhaseAngle = 0.0;      // radians through the lunation
    double illuminationPercent = 0.0; // at local noon, not rounded
};

struct ChartTable {
    std::array<ChartRow, MAX_CHART_DAYS> rows{};
    int32_t rowCount = 0; // valid rows, 0..366
};

// True when `value` (radians, or degrees for a bearing) marks no event.
inline bool isNoEvent(double value) {
    return value == noEventValue;
}

// Fills the ten computed fields of `row` (sunrise .. illuminationPercent) for
// the date at the current location with the current time basis and bearing
// preference. Returns false, leaving the row untouched, when there is no
// current location or the computation had to be abandoned. With no location
// list at all it also shows "Missing File: Skyledger Settings.txt".
bool computeChartRow(const AppState& state, AlmanacView& view, int32_t day, int32_t month,
                     int32_t year, ChartRow& row);

// Fills the chart table with `days` rows (1..366) from `start`, following
// month and year ends. On success the row count becomes `days`. Without a
// location list one message is shown (not one per row), and the table is
// left empty. Returns false when no row could be computed or `days` is out
// of range.
bool fillChartTable(AppState& state, AlmanacView& view, CivilDate start, int32_t days);

} // namespace skyledger
