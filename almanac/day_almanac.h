// The day's almanac for one date at one place: sunrise, sunset, moonrise and
// moonset with the bearing of each, the Moon's illuminated percentage at local
// noon and its phase angle. Rising and setting come from the iterative solver
// on three days of geometric positions (VSOP87 Earth for the Sun, abridged
// ELP-2000/82 for the Moon); each bearing is the body's apparent topocentric
// bearing half a minute after the event; the phase angle comes from the
// closed-form instants of the principal phases.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "almanac/chart.h"
#include "almanac/civil_calendar.h"
#include "settings/location.h"

namespace skyledger {

struct AppState;
class AlmanacView;

// What the main window shows. An event that does not happen within the date
// has an empty time text and an empty bearing text.
struct DayAlmanac {
    std::string sunriseText;
    std::string sunsetText;
    std::string sunriseBearingText;
    std::string sunsetBearingText;
    std::string moonriseText;
    std::string moonsetText;
    std::string moonriseBearingText;
    std::string moonsetBearingText;
    int32_t illuminationPercent = 0; // 0..100, truncated toward zero
    double moonPhaseAngle = 0.0;     // radians: 0 new, pi/2 first quarter, pi full, 3 pi/2 last
    int32_t southernHemisphere = 0;  // 1 when the latitude is below 0
};

// Days added to a local clock time to obtain Universal Time: zone / 24 for
// standard time, (zone - 1) / 24 for daylight-saving time, 0 for UT.
double timeOffsetDays(const Location& location, int32_t timeBasis);

// The numbers behind one day's almanac, in a chart row's form (the date fields
// are left alone). No value when the Earth's series cannot be loaded or the
// phase search finds no bracket.
std::optional<ChartRow> computeDayNumbers(const CivilDate& date, const Location& location,
                                          const Preferences& preferences);

// Recomputes the day for the current date, location and preferences, stores
// it in the state's DayAlmanac and hands the eight texts to the view, then
// asks for the Moon disc to be redrawn and the report windows to refresh.
// Without a location list it shows "Missing File: Skyledger Settings.txt" and
// changes nothing. With a list but no current location (an empty list) the
// results become empty, without a message.
void computeDayAlmanac(AppState& state, AlmanacView& view);

} // namespace skyledger
