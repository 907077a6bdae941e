// The texts of the Moon calendar and the altitude/azimuth table that are not
// plain event times or bearings: the calendar's percentages and day numbers,
// the table's clock times and both printouts' titles. Windows-1252 bytes.
#pragma once

#include <cstdint>
#include <string>

#include "almanac/civil_calendar.h"
#include "almanac/track.h"

namespace skyledger {

// The calendar's weekday headings, Sunday first, on screen and on paper.
inline constexpr const char* CALENDAR_WEEKDAY_HEADINGS[7] = {"S", "M", "T", "W", "T", "F", "S"};

// The illuminated share (percent) the calendar shows for a phase angle
// (radians: 0 new, pi full): (cos(angle + pi) + 1) x 50, rounded by adding
// one half and truncating. It is a picture of the phase, not the Moon's
// measured illumination, so it follows the angle alone.
[[nodiscard]] int32_t calendarPercent(double phaseAngle);

// "73%": calendarPercent with a percent sign.
[[nodiscard]] std::string calendarPercentText(double phaseAngle);

// " 7": the day number of a calendar cell, one blank in front so that it
// keeps off the cell's edge.
[[nodiscard]] std::string calendarDayText(int32_t dayNumber);

// "Moon Phase Calendar -- Apr-02": the printed calendar's title for the
// month of `date`.
[[nodiscard]] std::string calendarTitle(const CivilDate& date);

// "Sun/Moon Altitude/Azimuth Information -- 02-Apr-02".
[[nodiscard]] std::string trackTitle(const CivilDate& date);

// The clock time of track sample 0..95 (every quarter hour from 00:00), on
// the 12- or 24-hour clock.
[[nodiscard]] std::string trackTimeText(int32_t sample, bool twelveHourClock);

// The clock time of a track sample on the 12- or 24-hour clock, followed in
// a clock hour the day shows twice by the abbreviation of its offset.
[[nodiscard]] std::string trackTimeText(const TrackSample& sample, bool twelveHourClock);

} // namespace skyledger
