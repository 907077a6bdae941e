// The words and lines of the day's details, one set for the Day Details
// window, its printout, the command-line almanac and the main window's
// tooltips on empty fields. Windows-1252 bytes (degree sign 0xB0).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "almanac/civil_calendar.h"
#include "almanac/day_details.h"
#include "settings/location.h"

namespace skyledger {

// "Day Details -- 02-Apr-02": the window's and the printout's title.
[[nodiscard]] std::string detailsTitle(const CivilDate& date);

// Why a rise, set or transit is missing, in a sentence: "The Moon is up all
// day", "The Sun is down all day", "No moonrise on this date; the next is on
// 9 Mar at 00:18". `body` is "Sun" or "Moon", `event` the event's name in
// lower case ("sunrise", "moonset", "transit"). Empty when it happens.
[[nodiscard]] std::string missingEventText(const DetailEvent& event, const char* body,
                                           const char* eventName, bool twelveHourClock);

// missingEventText for the sunrise, sunset, moonrise and moonset, in that
// order: empty for one that happens, and all empty without details.
[[nodiscard]] std::array<std::string, 4> missingEventReasons(const DayDetails& details,
                                                             bool twelveHourClock);

// Why a crossing of one of the Sun's levels is missing: "Does not happen: the
// Sun stays above -18°", or below, or the next date as missingEventText.
[[nodiscard]] std::string missingCrossingText(const DetailEvent& event, SunLevel level,
                                              bool twelveHourClock);

// "upAllDay", "downAllDay" or "noneOnDate"; empty when the event happens.
[[nodiscard]] const char* absenceCode(EventAbsence absence);

// "12 h 20 min".
[[nodiscard]] std::string dayLengthText(double hours);
// "3 min 41 s longer than the day before", "shorter", or "as long as".
[[nodiscard]] std::string dayLengthChangeText(double minutes);
// The same in short: "+3 min 41 s", "-14 s", "+0 s".
[[nodiscard]] std::string signedChangeText(double minutes);

// "Full Moon", "New Moon", "First quarter", "Last quarter".
[[nodiscard]] const char* phaseEventName(MoonPhase phase);

// "Sat 3 Jan 10:03": a date and clock time (radians of a day) in short form.
[[nodiscard]] std::string dateTimeText(const CivilDate& date, double time, bool twelveHourClock);

// One line of the details: what, and its value or why there is none.
struct DetailLine {
    std::string label;
    std::string value;
};

// The day's details as labelled lines, in the order the window, the
// printout and the command line show them: sunrise, sunset, day length and
// solar noon, the morning from astronomical dawn to the golden hour, the
// evening from the golden hour to astronomical dusk, the Moon's rise, set and
// transit, the coming phases. A missing event's value says why in a few
// words ("up all day", "none; next Sat 10 Jan at 00:01"); the day length
// carries its change from the day before in brackets ("8 h 9 min (+1 min
// 52 s)").
[[nodiscard]] std::vector<DetailLine> dayDetailLines(const DayDetails& details,
                                                     const Preferences& preferences);

} // namespace skyledger
