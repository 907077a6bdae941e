// Filling the multi-day chart, one full day's computation per row.
#include "almanac/chart.h"

#include "support/messages.h"

namespace skyledger {

int32_t chartDaysAvailable(CivilDate start) {
    int32_t days = 0;
    for (CivilDate d = start; d.year <= LAST_YEAR && days < MAX_CHART_DAYS; d = nextDay(d))
        ++days;
    return days;
}

std::string chartDayCountMessage(CivilDate start) {
    const int32_t most = chartDaysAvailable(start);
    if (most == MAX_CHART_DAYS) return DAY_COUNT_RANGE_MESSAGE;
    return dayCountLeftMessage(most, LAST_YEAR);
}

AlmanacResult<ChartTable> computeChart(CivilDate start, int32_t days, const Location& location,
                                       const Preferences& preferences) {
    if (days < 1 || days > chartDaysAvailable(start)) return AlmanacError::InvalidRequest;
    ChartTable chart;
    chart.location = location;
    chart.preferences = preferences;
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
