// Filling the multi-day chart, one full day's computation per row.
#include "almanac/chart.h"

namespace skyledger {

AlmanacResult<ChartTable> computeChart(CivilDate start, int32_t days, const Location& location,
                                       const Preferences& preferences) {
    if (!isChartDayCount(days)) return AlmanacError::InvalidRequest;
    ChartTable chart;
    chart.rows.reserve(static_cast<size_t>(days));
    CivilDate date = start;
    for (int32_t i = 0; i < days; ++i) {
        AlmanacResult<DayNumbers> numbers = computeDayNumbers(date, location, preferences);
        if (!numbers.ok()) return numbers.error();
        chart.rows.push_back({date, std::move(numbers).value()});
        date = nextDay(date);
    }
    return chart;
}

} // namespace skyledger
