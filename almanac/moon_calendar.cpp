// Month layout and daily phase angles of the Moon calendar.
#include "almanac/moon_calendar.h"

#include "almanac/civil_calendar.h"
#include "almanac/day_almanac.h"
#include "almanac/phase_angle.h"

namespace skyledger {

std::optional<MoonCalendarGrid>
layoutMoonCalendar(int32_t year, int32_t month, int32_t firstWeekday,
                   const std::function<std::optional<double>(int32_t day)>& phaseOf) {
    if (month < 1 || month > 12) return std::nullopt;
    MoonCalendarGrid grid;
    int32_t column = weekday(year, month, 1) - firstWeekday;
    if (column < 0) column += 7;
    int32_t row = 0;
    bool allPhases = true;
    for (int32_t day = 1; day <= gregorianDaysInMonth(month, year); ++day) {
        const size_t cell = static_cast<size_t>(row * 7 + column);
        grid.dayNumber[cell] = static_cast<int8_t>(day);
        const std::optional<double> phase = phaseOf(day);
        if (phase) grid.phaseAngle[cell] = *phase;
        allPhases = allPhases && phase.has_value();
        if (++column == 7) {
            column = 0;
            ++row;
        }
    }
    grid.phasesValid = allPhases;
    grid.year = year;
    grid.month = month;
    return grid;
}

std::optional<double> moonPhaseAngleAt(int32_t year, int32_t month, int32_t day,
                                       const Location& location, TimeBasis timeBasis) {
    return moonPhaseAngleAtJulianDay(localNoonJulianDay({year, month, day}, location, timeBasis));
}

AlmanacResult<MoonCalendarGrid> computeMoonCalendar(int32_t year, int32_t month,
                                                    const Location& location,
                                                    const Preferences& preferences) {
    const std::optional<MoonCalendarGrid> grid =
        layoutMoonCalendar(year, month, 0, [&](int32_t day) -> std::optional<double> {
            return moonPhaseAngleAt(year, month, day, location, preferences.timeBasis);
        });
    if (!grid) return AlmanacError::InvalidRequest;
    if (!grid->phasesValid) return AlmanacError::PhaseSearchFailed;
    return *grid;
}

MoonCalendarGrid moonCalendarDays(int32_t year, int32_t month) {
    return layoutMoonCalendar(year, month, 0, [](int32_t) -> std::optional<double> { return {}; })
        .value_or(MoonCalendarGrid{});
}

} // namespace skyledger
