// The texts the program shows the user when something fails, worded once for
// the window and the command line: a failure that both meet reads the same in
// both. Windows-1252 text; the window puts each in a message box captioned
// "Error", the command line after its name.
#pragma once

#include <string>
#include <string_view>

namespace skyledger {

// A chart request's day count.
inline constexpr const char* INVALID_DAY_COUNT_MESSAGE = "Invalid number of days";
inline constexpr const char* DAY_COUNT_RANGE_MESSAGE = "Number of days out of range (1..366)";

// A computation without a result.
inline constexpr const char* PHASE_NOT_FOUND_MESSAGE =
    "The Moon's phase could not be found for this date";
inline constexpr const char* NO_PLACE_MESSAGE = "There is no place to compute for";
// A chart asked for in the window without a place to compute it for.
inline constexpr const char* NO_PLACES_YET_MESSAGE =
    "There are no places yet. Add one with File > Location...: New, then its name and "
    "numbers, then OK.";
inline constexpr const char* NO_PLACE_CHOSEN_MESSAGE =
    "No place is chosen: pick one in the place box.";

// The Location dialog's checks of its number fields, field by field.
inline constexpr const char* INVALID_LATITUDE_MESSAGE = "Invalid latitude entry";
inline constexpr const char* LATITUDE_RANGE_MESSAGE = "Latitude entry out of range";
inline constexpr const char* INVALID_LONGITUDE_MESSAGE = "Invalid longitude entry";
inline constexpr const char* LONGITUDE_RANGE_MESSAGE = "Longitude entry out of range";
inline constexpr const char* INVALID_DECLINATION_MESSAGE = "Invalid magnetic declination entry";
inline constexpr const char* DECLINATION_RANGE_MESSAGE = "Magnetic declination entry out of range";
inline constexpr const char* INVALID_TIME_ZONE_MESSAGE = "Invalid time zone entry";
inline constexpr const char* TIME_ZONE_RANGE_MESSAGE = "Time zone entry out of range";

// "Missing File: <name>", for a file the program needs and did not find.
[[nodiscard]] std::string missingFileMessage(std::string_view fileName);

} // namespace skyledger
