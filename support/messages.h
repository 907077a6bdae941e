// The texts the program shows the user when something fails, worded once for
// the window and the command line: a failure that both meet reads the same in
// both. Windows-1252 text; the window puts each in a message box captioned
// "Error", the command line after its name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skyledger {

// A chart request's day count.
inline constexpr const char* INVALID_DAY_COUNT_MESSAGE = "Invalid number of days";
inline constexpr const char* DAY_COUNT_RANGE_MESSAGE = "Number of days out of range (1..366)";
// The same for a start date that leaves fewer days before `lastYear` ends.
[[nodiscard]] std::string dayCountLeftMessage(int most, int lastYear);

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

// A time-zone name the database does not know: typed in the Location dialog
// ("Unknown time zone 'Mars/Olympus_Mons'"), and held by a place of the
// settings file ("Greenwich: time zone 'Europe/Lundon' unknown, standard time
// used").
[[nodiscard]] std::string unknownZoneMessage(std::string_view zone);
[[nodiscard]] std::string placeZoneUnknownMessage(std::string_view place, std::string_view zone);

// "Missing File: <name>", for a file the program needs and did not find.
[[nodiscard]] std::string missingFileMessage(std::string_view fileName);

// The command line's place commands and place options. A name or value the
// user typed comes in already made printable.
inline constexpr const char* CITIES_NEED_QUERY_MESSAGE = "cities needs a name to look for";
inline constexpr const char* DECLINATION_NEEDS_PLACE_MESSAGE = "declination needs --lat and --lon";
inline constexpr const char* PLACE_NEEDS_NAME_MESSAGE = "a place needs a name";
inline constexpr const char* CITY_OR_COORDINATES_MESSAGE =
    "give either --city or --lat, --lon and --zone or --tz, not both";
inline constexpr const char* ADD_NEEDS_PLACE_MESSAGE =
    "locations add needs --city QUERY, or --lat, --lon and --zone or --tz";
inline constexpr const char* ADD_ONLY_OPTIONS_MESSAGE =
    "--city, --lat and the like belong to locations add";
inline constexpr const char* CITY_ONLY_FOR_ADD_MESSAGE = "--city applies to locations add only";
inline constexpr const char* AD_HOC_PLACE_NEEDS_MESSAGE =
    "an ad-hoc place needs --lat, --lon and --zone or --tz";
inline constexpr const char* LOCATION_OR_AD_HOC_MESSAGE =
    "give either --location or an ad-hoc place, not both";
inline constexpr const char* LOCATIONS_TAKE_NO_PLACE_MESSAGE =
    "locations lists the settings file; --lat and the like do not apply";
inline constexpr const char* LOCAL_BASIS_NEEDS_ZONE_MESSAGE =
    "--basis local needs a place with a time zone (--tz)";
// Said after a missing settings file's message.
inline constexpr const char* MISSING_SETTINGS_ADVICE =
    " (give a place with --lat, --lon and --zone, or a file with --settings)";
[[nodiscard]] std::string unkeepableNameMessage(std::string_view name);
[[nodiscard]] std::string nameTooLongMessage(size_t mostCharacters);
[[nodiscard]] std::string noCityMatchesMessage(std::string_view query);
[[nodiscard]] std::string nameTakenMessage(std::string_view name);
[[nodiscard]] std::string noPlaceNamedMessage(std::string_view name, std::string_view file);
[[nodiscard]] std::string noPlacesInFileMessage(std::string_view file);
[[nodiscard]] std::string unknownEditMessage(std::string_view verb);
[[nodiscard]] std::string editWordsMessage(std::string_view verb);
[[nodiscard]] std::string unreadableSettingsMessage(std::string_view file,
                                                    std::string_view problem);
[[nodiscard]] std::string notSettingsFileMessage(std::string_view file);
[[nodiscard]] std::string cannotSaveSettingsMessage(std::string_view file,
                                                    std::string_view problem);
// An option's value the option does not take; `example` says what it takes.
[[nodiscard]] std::string optionValueMessage(std::string_view option, std::string_view example,
                                             std::string_view value);

// The command line's words, dates and other options.
inline constexpr const char* NO_COMMAND_MESSAGE = "no command given";
inline constexpr const char* CHART_NEEDS_WORDS_MESSAGE = "chart needs START and DAYS";
inline constexpr const char* OUTPUT_ONLY_FOR_CHART_MESSAGE = "-o applies to chart only";
inline constexpr const char* OUTPUT_NEEDS_NAME_MESSAGE = "-o needs a file name";
inline constexpr const char* CANNOT_CREATE_FILE_MESSAGE = "Cannot create file";
[[nodiscard]] std::string unknownOptionMessage(std::string_view option);
[[nodiscard]] std::string optionNeedsValueMessage(std::string_view option);
[[nodiscard]] std::string unknownCommandMessage(std::string_view command);
[[nodiscard]] std::string tooManyArgumentsMessage(std::string_view command);
[[nodiscard]] std::string yearOutsideMessage(int year);
[[nodiscard]] std::string notDateFormMessage(std::string_view text);
[[nodiscard]] std::string noSuchDateMessage(std::string_view text);
[[nodiscard]] std::string notMonthFormMessage(std::string_view text);
[[nodiscard]] std::string noSuchMonthMessage(std::string_view text);
// "DAYS must be ...": any day count, then one the start date leaves room for
// (no chart runs past `lastYear`).
[[nodiscard]] std::string chartDaysMessage(std::string_view value);
[[nodiscard]] std::string chartDaysLeftMessage(int most, std::string_view start, int lastYear,
                                               std::string_view value);
// An option that takes one of `choices` ("12 or 24").
[[nodiscard]] std::string optionChoiceMessage(std::string_view option, std::string_view choices,
                                              std::string_view value);
// "<option> <value> is outside [the open range ]<lowest> to <highest>".
[[nodiscard]] std::string optionOutsideMessage(std::string_view option, std::string_view value,
                                               bool openRange, int lowest, int highest);
// "Cannot create file: <name> (<why>)".
[[nodiscard]] std::string cannotCreateFileMessage(std::string_view file, std::string_view problem);

} // namespace skyledger
