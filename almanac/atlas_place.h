// A place from the atlas or from coordinates, with the magnetic declination of
// the World Magnetic Model for a date: what the Location dialog and
// skyledger-cli fill in so that the user need not look anything up.
#pragma once

#include "almanac/civil_calendar.h"
#include "settings/city_atlas.h"
#include "settings/location.h"

namespace skyledger {

// The year as the magnetic model counts it: the year plus the part of it gone
// by at 0h of `date` (2026-07-02 is 2026.5).
double decimalYear(const CivilDate& date);

struct ModelDeclination {
    double degrees = 0.0;         // positive when magnetic north lies east of true north
    bool withinModelYears = true; // false outside 2025.0 to 2030.0: an extrapolation
};

// The model's declination on the ground (the ellipsoid's surface) at
// `latitude` (degrees north) and `longitude` (degrees WEST) on `date`.
ModelDeclination modelDeclination(double latitude, double longitude, const CivilDate& date);

// The city as a place: its name, position and time-zone name, the zone's
// standard offset today from the time-zone database (the longitude's nominal
// offset, a whole hour, when the database does not know the zone), and the
// model's declination on `date`.
Location placeFromCity(const City& city, const CivilDate& date);

} // namespace skyledger
