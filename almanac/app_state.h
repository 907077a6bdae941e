// The application's state: created once at start-up and passed by reference
// to the session layer, which alone changes it; windows read it.
#pragma once

#include "almanac/chart.h"
#include "almanac/civil_calendar.h"
#include "almanac/day_almanac.h"
#include "almanac/moon_calendar.h"
#include "almanac/track.h"
#include "settings/location.h"

namespace skyledger {

struct AppState {
    CivilDate currentDate;
    Preferences preferences;
    LocationList locations;
    DayAlmanac day;
    ChartTable chart;
    TrackTable track;
    MoonCalendarGrid calendar; // knows the month it shows
};

} // namespace skyledger
