// Display forms of the almanac's numbers: event times, bearings, latitudes,
// longitudes and dates, as the main window, the reports and the text export
// show them. All texts are Windows-1252 bytes; the degree sign is 0xB0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/civil_calendar.h"
#include "settings/location.h"

namespace skyledger {

inline constexpr char DEGREE_SIGN = '\xB0';

// Hours per radian of a day (24 / 2 pi), and half a minute in hours: an event
// time is shown, and its bearing taken, half a minute after the event, which
// rounds the shown minute to the nearest. The half minute is 1/120 cut after
// eleven decimals (12 ns short): an event within those nanoseconds of a half
// minute keeps the minute it always showed.
inline constexpr double HOURS_PER_RADIAN = 3.819718634205488;
inline constexpr double HALF_MINUTE_IN_HOURS = 0.00833333333;

// An event time as the clock shows it: HH:MM on the 24-hour clock, hh:mmAM or
// hh:mmPM on the 12-hour clock, the minute rounded to the nearest by adding
// half a minute. `time` is a fraction of the day times 2 pi (radians of a
// day) counted from 0h local clock time. No text when the time lies outside
// the day (negative, 24:00 or later after the rounding, or not a number).
[[nodiscard]] std::optional<std::string> formatEventTime(double time, bool twelveHourClock);

// Three digits and the degree sign, the bearing (degrees) truncated toward
// zero: 72.9 gives "072°", 359.99 gives "359°". Empty for a value outside
// 0..999 or not a number.
std::string formatBearing(double bearing);

// Absolute value with two decimals, degree sign, then N or S (latitude,
// degrees positive north) or W or E (longitude, degrees positive west).
std::string formatLatitude(double latitude);
std::string formatLongitude(double longitude);

// dd-Mmm-yy, such as 02-Apr-02.
std::string formatDate(int32_t day, int32_t month, int32_t year);

// "Jan" .. "Dec" for months 1..12; empty otherwise.
const char* monthAbbreviation(int32_t month);

// "January" .. "December" for months 1..12; empty otherwise.
const char* monthName(int32_t month);

// "ST", "DT", "UT" or "LT", the time basis's code on the toolbar.
const char* timeBasisCode(TimeBasis basis);

// "standard", "daylight", "universal" or "local", the time basis in words;
// and back.
const char* timeBasisName(TimeBasis basis);
std::optional<TimeBasis> timeBasisFromName(std::string_view name);

// The time basis as a report's heading names it: "ST", "DT" or "UT"; on local
// time the zone's name and, for a report of one day, the abbreviation in
// force at its noon ("Europe/London BST"); "ST" for local time at a place
// without a zone.
std::string timeBasisLabel(const Location& location, TimeBasis basis,
                           std::optional<CivilDate> oneDay = std::nullopt);

// "name (latitude, longitude), <time basis label>, Magnetic|True bearings",
// the line under the title of every report; `oneDay` for a report of one day.
// Line ends in the name show as spaces.
std::string reportLocationLine(const Location& location, const Preferences& preferences,
                               std::optional<CivilDate> oneDay = std::nullopt);

// Altitude (degrees) as the table shows it: a minus sign for negatives, then
// the magnitude rounded to two digits, then the degree sign: 5.4 gives "05°",
// -12.6 gives "-13°", -0.3 gives "-00°".
std::string altitudeText(double altitude);

// The Sun's shadow ratio (shadow length over stick height) at an altitude in
// degrees, as five characters " 1.00"; empty at or below the horizon and when
// the ratio, rounded to two decimals, would reach 100.
std::string shadowText(double altitude);

} // namespace skyledger
