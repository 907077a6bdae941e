// What skyledger-cli prints for each command: plain UTF-8 text for people, or
// one JSON document (--json) for scripts. Texts from the core are converted
// from Windows-1252 here.
#pragma once

#include <string>

#include "almanac/app_state.h"

namespace skyledger {

// The day's almanac (state.day for state.currentDate).
std::string dayReport(const AppState& state, bool json);
// The state's chart table.
std::string chartReport(const AppState& state, bool json);
// The state's track table for state.currentDate.
std::string trackReport(const AppState& state, bool json);
// The state's calendar grid for the month.
std::string calendarReport(const AppState& state, int32_t year, int32_t month, bool json);
// The location list, the current place marked with '*'.
std::string locationsReport(const AppState& state);

} // namespace skyledger
