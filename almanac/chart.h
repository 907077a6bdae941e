// The multi-day chart: one row of numbers per day (event times, bearings,
// illumination and phase), for 1 to 366 consecutive days. Rows hold numbers,
// not texts; the chart window, its printout and its text export format them.
#pragma once

#include <cstdint>
#include <vector>

#include "almanac/almanac_result.h"
#include "almanac/civil_calendar.h"
#include "almanac/day_almanac.h"
#include "settings/location.h"

namespace skyledger {

inline constexpr int32_t MAX_CHART_DAYS = 366;

struct ChartRow {
    CivilDate date;
    DayNumbers numbers;
};

struct ChartTable {
    std::vector<ChartRow> rows; // 0..366 rows, day after day
    int32_t rowCount() const { return static_cast<int32_t>(rows.size()); }
};

// True when a chart of `days` rows can be asked for: 1..366.
[[nodiscard]] inline bool isChartDayCount(int32_t days) {
    return days >= 1 && days <= MAX_CHART_DAYS;
}

// `days` rows (1..366) from `start`, following month and year ends with
// nextDay, each the day's numbers at the place with the preferences' time
// basis and bearing reference. Fails with InvalidRequest for a day count
// outside 1..366, or with the first row's failure; no partial table.
AlmanacResult<ChartTable> computeChart(CivilDate start, int32_t days, const Location& location,
                                       const Preferences& preferences);

} // namespace skyledger
