// The Moon phase calendar: one month laid out as 6 weeks of 7 days, with the
// Moon's phase angle at local noon for every day of the month.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "settings/location.h"

namespace skyledger {

struct AppState;

inline constexpr int32_t CALENDAR_CELLS = 42; // 6 rows of 7 columns

// Cell index = row * 7 + column; column 0 is the grid's first weekday.
struct MoonCalendarGrid {
    std::array<int8_t, CALENDAR_CELLS> dayNumber{};  // 1..31, 0 outside the month
    std::array<double, CALENDAR_CELLS> phaseAngle{}; // radians; meaningful where dayNumber != 0
    // False when the phases could not be computed (no current location).
    bool phasesValid = false;
};

// Lays out `month` of `year` with `firstWeekday` (0 Sunday .. 6 Saturday) in
// the first column, storing `phaseOf(day)` for each day. Day numbers are
// cleared first; phase angles outside the month keep older values. Returns
// false (grid cleared) for a month outside 1..12.
bool layoutMoonCalendar(MoonCalendarGrid& grid, int32_t year, int32_t month, int32_t firstWeekday,
                        const std::function<std::optional<double>(int32_t day)>& phaseOf);

// Phase angle (radians) at local noon of the date at `location` under the
// time basis; no value when the phase search finds no bracket.
std::optional<double> moonPhaseAngleAt(int32_t year, int32_t month, int32_t day,
                                       const Location& location, int32_t timeBasis);

// Fills the state's calendar grid for the month, Sunday first, at the current
// location. Without a current location only the day numbers are laid out.
void computeMoonCalendar(AppState& state, int32_t year, int32_t month);

} // namespace skyledger
