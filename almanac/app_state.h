// The application's state: created once at start-up and passed by reference
// to every computation and window.
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
    MoonCalendarGrid calendar;
};

} // namespace skyledger
