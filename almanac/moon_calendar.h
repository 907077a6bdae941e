// The Moon phase calendar: one month laid out as 6 weeks of 7 days, with the
// Moon's phase angle at local noon for every day of the month.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "almanac/almanac_result.h"
#include "settings/location.h"

namespace skyledger {

inline constexpr int32_t CALENDAR_WEEKS = 6;    // the grid's rows
inline constexpr int32_t CALENDAR_WEEKDAYS = 7; // its columns
inline constexpr int32_t CALENDAR_CELLS = CALENDAR_WEEKS * CALENDAR_WEEKDAYS;

// Cell index = row * 7 + column; column 0 is the grid's first weekday.
struct MoonCalendarGrid {
    int32_t year = 0;                               // the month laid out; 0 before the first layout
    int32_t month = 0;                              // 1..12
    std::array<int8_t, CALENDAR_CELLS> dayNumber{}; // 1..31, 0 outside the month
    std::array<double, CALENDAR_CELLS> phaseAngle{}; // radians; meaningful where dayNumber != 0
    // False when the phases could not be computed (no current location).
    bool phasesValid = false;
};

// `month` of `year` laid out with `firstWeekday` (0 Sunday .. 6 Saturday) in
// the first column, with `phaseOf(day)` for each day; phasesValid when every
// day has its phase. Nothing for a month outside 1..12.
[[nodiscard]] std::optional<MoonCalendarGrid>
layoutMoonCalendar(int32_t year, int32_t month, int32_t firstWeekday,
                   const std::function<std::optional<double>(int32_t day)>& phaseOf);

// Phase angle (radians) at local noon of the date at `location` under the
// time basis; no value when the phase search finds no bracket.
std::optional<double> moonPhaseAngleAt(int32_t year, int32_t month, int32_t day,
                                       const Location& location, TimeBasis timeBasis);

// The month, Sunday first, with every day's phase angle at local noon at the
// place in the preferences' time basis. Fails with InvalidRequest for a month
// outside 1..12 and with PhaseSearchFailed when a day's phase is not found.
AlmanacResult<MoonCalendarGrid> computeMoonCalendar(int32_t year, int32_t month,
                                                    const Location& location,
                                                    const Preferences& preferences);

// The month's days alone, Sunday first, for a calendar without a place:
// phasesValid is false. A month outside 1..12 gives an empty grid.
[[nodiscard]] MoonCalendarGrid moonCalendarDays(int32_t year, int32_t month);

} // namespace skyledger
