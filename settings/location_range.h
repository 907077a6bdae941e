// The ranges a location's values must lie in: the Location dialog refuses a
// value outside them, the command line refuses such an option, and the
// computations refuse a place from the settings file that holds one (the file
// keeps it unchanged, so nothing the user had is lost).
#pragma once

#include <optional>
#include <string>

#include "settings/location.h"

namespace skyledger {

enum class LocationField { Latitude, Longitude, MagneticDeclination, TimeZone };

struct LocationFieldRange {
    const char* name; // as a message names the field: "latitude"
    double lowest;
    double highest;
    bool openRange; // both ends excluded (the time zone); otherwise included
    int decimals;   // as the settings file writes the value
};

// Latitude -90..90, longitude and magnetic declination -180..180, time zone
// strictly between -24 and 24.
const LocationFieldRange& locationFieldRange(LocationField field);

// True when `value` lies in the field's range.
bool isInLocationRange(LocationField field, double value);

// The range as a message shows it: "-90..90", or "-24..24, ends excluded".
std::string locationRangeText(LocationField field);

// The first value of `location` outside its range, checked in the order
// latitude, longitude, magnetic declination, time zone, as one Windows-1252
// message naming the place and the field, for example
// "Greenwich: latitude 95.00 out of range (-90..90)"; nothing when all lie in
// range.
std::optional<std::string> locationRangeProblem(const Location& location);

} // namespace skyledger
