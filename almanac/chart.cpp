// Filling the multi-day chart, one full day's computation per row.
#include "almanac/chart.h"

#include "almanac/almanac_view.h"
#include "almanac/app_state.h"
#include "almanac/day_almanac.h"

namespace skyledger {

namespace {
const char* const MISSING_SETTINGS = "Missing File: Skyledger Settings.txt";

// The computed fields of `row` from `numbers`, keeping the row's date.
void storeNumbers(const ChartRow& numbers, ChartRow& row) {
    const int32_t day = row.day;
    const int32_t month = row.month;
    const int32_t year = row.year;
    row = numbers;
    row.day = day;
    row.month = month;
    row.year = year;
}
} // namespace

bool computeChartRow(const AppState& state, AlmanacView& view, int32_t day, int32_t month,
                     int32_t year, ChartRow& row) {
    if (!state.locations.present) {
        view.showError(MISSING_SETTINGS);
        return false;
    }
    const Location* location = state.locations.currentLocation();
    if (!location) return false;
    const std::optional<ChartRow> numbers =
        computeDayNumbers(CivilDate{year, month, day}, *location, state.preferences);
    if (!numbers) return false;
    storeNumbers(*numbers, row);
    return true;
}

bool fillChartTable(AppState& state, AlmanacView& view, CivilDate start, int32_t days) {
    state.chart.rowCount = 0;
    if (days < 1 || days > MAX_CHART_DAYS) return false;
    if (!state.locations.present) {
        view.showError(MISSING_SETTINGS);
        return false;
    }
    SilentView silent;
    CivilDate date = start;
    for (int32_t i = 0; i < days; ++i) {
        ChartRow& row = state.chart.rows[static_cast<size_t>(i)];
        if (!computeChartRow(state, silent, date.day, date.month, date.year, row)) return false;
        row.day = date.day;
        row.month = date.month;
        row.year = date.year;
        date = nextDay(date);
    }
    state.chart.rowCount = days;
    return true;
}

} // namespace skyledger
