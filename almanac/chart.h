// The multi-day chart: one row of numbers per day (event times, bearings,
// illumination and phase), for 1 to 366 consecutive days. Rows hold numbers,
// not texts; the chart window, its printout and its text export format them.
#pragma once

#include <cstdint>
#include <string>
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
    // The place and preferences the rows were computed for: whatever the
    // main window shows later, a chart printed or saved is headed by these.
    Location location;
    Preferences preferences;
    int32_t rowCount() const { return static_cast<int32_t>(rows.size()); }
};

// True when a chart of `days` rows can be asked for: 1..366.
[[nodiscard]] inline bool isChartDayCount(int32_t days) {
    return days >= 1 && days <= MAX_CHART_DAYS;
}

// The most rows a chart from `start` can have: 366, or fewer where the
// chart would run past 31 December of LAST_YEAR, the last day computed.
[[nodiscard]] int32_t chartDaysAvailable(CivilDate start);

// The message for a day count outside 1..chartDaysAvailable(start), with
// that range: "Number of days out of range (1..366)" when the whole range
// is open.
[[nodiscard]] std::string chartDayCountMessage(CivilDate start);

// `days` rows (1..366) from `start`, following month and year ends with
// nextDay, each the day's numbers at the place with the preferences' time
// basis and bearing reference. Fails with InvalidRequest for a day count
// outside 1..chartDaysAvailable(start), or with the first row's failure; no
// partial table.
AlmanacResult<ChartTable> computeChart(CivilDate start, int32_t days, const Location& location,
                                       const Preferences& preferences);

} // namespace skyledger
