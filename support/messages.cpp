// The program's failure messages that are built from parts.
#include "support/messages.h"

namespace skyledger {

std::string missingFileMessage(std::string_view fileName) {
    return "Missing File: " + std::string(fileName);
}

std::string dayCountLeftMessage(int most, int lastYear) {
    return "Number of days out of range (1.." + std::to_string(most) +
           "): a chart ends by 31 December " + std::to_string(lastYear);
}

std::string unknownZoneMessage(std::string_view zone) {
    return "Unknown time zone '" + std::string(zone) + "'";
}

std::string placeZoneUnknownMessage(std::string_view place, std::string_view zone) {
    return std::string(place) + ": time zone '" + std::string(zone) +
           "' unknown, standard time used";
}

std::string unkeepableNameMessage(std::string_view name) {
    return "'" + std::string(name) +
           "' holds characters the settings file cannot keep (Windows-1252)";
}

std::string nameTooLongMessage(size_t mostCharacters) {
    return "a place name has at most " + std::to_string(mostCharacters) + " characters";
}

std::string noCityMatchesMessage(std::string_view query) {
    return "no city of the atlas matches '" + std::string(query) +
           "' ('skyledger-cli cities NAME' searches it)";
}

std::string nameTakenMessage(std::string_view name) {
    return "a place named '" + std::string(name) + "' is already in the list";
}

std::string noPlaceNamedMessage(std::string_view name, std::string_view file) {
    return "no place named '" + std::string(name) + "' in " + std::string(file) +
           "; 'skyledger-cli locations' lists them";
}

std::string noPlacesInFileMessage(std::string_view file) {
    return std::string(file) + " holds no places (give one with --lat, --lon and --zone)";
}

std::string unknownEditMessage(std::string_view verb) {
    return "locations takes add, remove, select or rename, not '" + std::string(verb) + "'";
}

std::string editWordsMessage(std::string_view verb) {
    if (verb == "rename") return "locations rename needs OLD and NEW";
    return "locations " + std::string(verb) + " needs one NAME";
}

std::string unreadableSettingsMessage(std::string_view file, std::string_view problem) {
    return std::string(file) + " cannot be read: " + std::string(problem);
}

std::string notSettingsFileMessage(std::string_view file) {
    return std::string(file) + " is not a settings file this program can read; nothing changed";
}

std::string cannotSaveSettingsMessage(std::string_view file, std::string_view problem) {
    return "Cannot save " + std::string(file) + " (" + std::string(problem) + "); nothing changed";
}

std::string optionValueMessage(std::string_view option, std::string_view example,
                               std::string_view value) {
    return std::string(option) + " needs " + std::string(example) + ", not '" + std::string(value) +
           "'";
}

std::string unknownOptionMessage(std::string_view option) {
    return "unknown option '" + std::string(option) + "'";
}

std::string optionNeedsValueMessage(std::string_view option) {
    return "option '" + std::string(option) + "' needs a value";
}

std::string unknownCommandMessage(std::string_view command) {
    return "unknown command '" + std::string(command) + "'";
}

std::string tooManyArgumentsMessage(std::string_view command) {
    return "too many arguments for " + std::string(command);
}

std::string yearOutsideMessage(int year) {
    return "the year " + std::to_string(year) + " is outside 1900 to 2100";
}

std::string notDateFormMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a date of the form YYYY-MM-DD";
}

std::string noSuchDateMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a date of the calendar";
}

std::string notMonthFormMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a month of the form YYYY-MM";
}

std::string noSuchMonthMessage(std::string_view text) {
    return "'" + std::string(text) + "' has no such month";
}

std::string chartDaysMessage(std::string_view value) {
    return "DAYS must be a whole number from 1 to 366, not '" + std::string(value) + "'";
}

std::string chartDaysLeftMessage(int most, std::string_view start, int lastYear,
                                 std::string_view value) {
    return "DAYS must be from 1 to " + std::to_string(most) + " for a chart from " +
           std::string(start) + " (none runs past " + std::to_string(lastYear) + "-12-31), not '" +
           std::string(value) + "'";
}

std::string optionChoiceMessage(std::string_view option, std::string_view choices,
                                std::string_view value) {
    return std::string(option) + " takes " + std::string(choices) + ", not '" + std::string(value) +
           "'";
}

std::string optionOutsideMessage(std::string_view option, std::string_view value, bool openRange,
                                 int lowest, int highest) {
    return std::string(option) + " " + std::string(value) + " is outside " +
           (openRange ? "the open range " : "") + std::to_string(lowest) + " to " +
           std::to_string(highest);
}

std::string cannotCreateFileMessage(std::string_view file, std::string_view problem) {
    return std::string(CANNOT_CREATE_FILE_MESSAGE) + ": " + std::string(file) + " (" +
           std::string(problem) + ")";
}

} // namespace skyledger
