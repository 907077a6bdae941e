// The place commands: the atlas search, the magnetic model, and the edits of
// the location list, each ending in one save of the whole settings file.
#include "cli/cli_places.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "almanac/atlas_place.h"
#include "cli/cli_common.h"
#include "cli/cli_report.h"
#include "settings/city_atlas.h"
#include "settings/location_list.h"
#include "settings/location_range.h"
#include "settings/names.h"
#include "settings/settings_file.h"
#include "support/messages.h"
#include "support/terminal_text.h"
#include "support/windows1252.h"

namespace skyledger {

namespace {

const char* const EDIT_COMMANDS[] = {"add", "remove", "select", "rename"};

CliResult failed(const CliFailure& f) {
    return {f.status, "", f.message + "\n"};
}

CliResult fileProblem(const std::string& problem) {
    return {EXIT_FILE_PROBLEM, "", std::string(CLI_PROGRAM) + ": " + problem + "\n"};
}

std::string joined(const std::vector<std::string>& words, size_t from) {
    std::string out;
    for (size_t i = from; i < words.size(); ++i)
        out += (i > from ? " " : "") + words[i];
    return out;
}

CliResult cities(const CliArgs& a) {
    const std::string query = joined(a.positional, 0);
    if (foldForSearch(utf8ToWindows1252(query)).empty())
        return failed(badInput(CITIES_NEED_QUERY_MESSAGE));
    return {0, citiesReport(query, searchCities(utf8ToWindows1252(query)), a.json), ""};
}

CliResult declination(const CliArgs& a, const CivilDate& date) {
    if (!a.latitudeText || !a.longitudeText)
        return failed(badInput(DECLINATION_NEEDS_PLACE_MESSAGE));
    const CliRead<Coordinates> at = placeCoordinates(a);
    if (!at.ok()) return failed(at.error());
    const auto [latitude, longitude] = at.value();
    const ModelDeclination d = modelDeclination(latitude, longitude, date);
    return {0, declinationReport(latitude, longitude, date, d, a.json), ""};
}

// A place name as given on the command line, in the settings file's bytes.
CliRead<std::string> placeName(const std::string& utf8) {
    std::string name = utf8ToWindows1252(utf8);
    if (name.find_first_not_of(' ') == std::string::npos) return badInput(PLACE_NEEDS_NAME_MESSAGE);
    if (windows1252ToUtf8(name) != utf8) return badInput(unkeepableNameMessage(echoText(utf8)));
    if (name.size() > MAX_NAME_LENGTH) return badInput(nameTooLongMessage(MAX_NAME_LENGTH));
    return name;
}

int32_t indexOfName(const LocationList& list, const std::string& name) {
    for (int32_t i = 0; i < list.count(); ++i)
        if (sameName(list.records[static_cast<size_t>(i)].name, name)) return i;
    return -1;
}

// The place `locations add` describes: a city of the atlas, or coordinates.
CliRead<Location> placeToAdd(const CliArgs& a, const CivilDate& date) {
    const bool coordinates = a.latitudeText || a.longitudeText || a.zoneText || a.tzName;
    if (a.city && coordinates) return badInput(CITY_OR_COORDINATES_MESSAGE);
    if (!a.city && !coordinates) return badInput(ADD_NEEDS_PLACE_MESSAGE);
    if (a.city) {
        const std::vector<const City*> found = searchCities(utf8ToWindows1252(*a.city), 1);
        if (found.empty()) return badInput(noCityMatchesMessage(echoText(*a.city)));
        Location place = placeFromCity(*found.front(), date);
        const CliRead<std::optional<double>> declination = declinationOption(a);
        if (!declination.ok()) return declination.error();
        if (declination.value()) place.magneticDeclination = *declination.value();
        return place;
    }
    CliRead<Location> place = adHocPlace(a);
    if (!place.ok() || a.declinationText) return place;
    Location modelled = std::move(place).value();
    modelled.magneticDeclination =
        modelDeclination(modelled.latitude, modelled.longitude, date).degrees;
    return modelled;
}

// Reads the list to edit, or says why it cannot be edited. A missing file
// starts an empty list for `add`; a file that cannot be read or understood is
// left alone.
Result<SettingsRead, CliResult> loadForEdit(const std::string& path, bool adding) {
    SettingsRead read = loadSettings(path);
    const std::string shown = echoText(path);
    if (read.load == SettingsLoad::Missing && !adding)
        return fileProblem(missingFileMessage(shown));
    if (read.load == SettingsLoad::Unreadable)
        return fileProblem(unreadableSettingsMessage(shown, read.problem));
    if (read.load == SettingsLoad::NotUnderstood) return fileProblem(notSettingsFileMessage(shown));
    read.list.present = true;
    return read;
}

CliResult save(const std::string& path, const LocationList& list, const Preferences& prefs,
               std::string report) {
    const FileResult<Done> saved = saveSettings(path, list, prefs);
    if (!saved.ok())
        return fileProblem(cannotSaveSettingsMessage(echoText(path), saved.error().why));
    return {0, std::move(report), ""};
}

size_t wordsFor(const std::string& edit) {
    return edit == "rename" ? 3 : 2;
}

CliResult edit(const CliArgs& a, const CivilDate& date, const std::string& path) {
    const std::vector<std::string>& p = a.positional;
    const std::string& verb = p[0];
    if (std::find(std::begin(EDIT_COMMANDS), std::end(EDIT_COMMANDS), verb) ==
        std::end(EDIT_COMMANDS))
        return failed(badInput(unknownEditMessage(echoText(verb))));
    if (p.size() != wordsFor(verb)) return failed(badInput(editWordsMessage(verb)));
    if (verb != "add" && (a.city || a.latitudeText || a.longitudeText || a.zoneText || a.tzName ||
                          a.declinationText))
        return failed(badInput(ADD_ONLY_OPTIONS_MESSAGE));
    const CliRead<std::string> named = placeName(p[1]);
    if (!named.ok()) return failed(named.error());
    std::string name = named.value();

    Location place;
    if (verb == "add") {
        CliRead<Location> described = placeToAdd(a, date);
        if (!described.ok()) return failed(described.error());
        place = std::move(described).value();
    }
    Result<SettingsRead, CliResult> loaded = loadForEdit(path, verb == "add");
    if (!loaded.ok()) return loaded.error();
    SettingsRead read = std::move(loaded).value();
    LocationList& list = read.list;
    const Preferences& prefs = read.prefs;
    const int32_t found = indexOfName(list, name);
    if (verb == "add" && found >= 0) return failed(badInput(nameTakenMessage(echoText(p[1]))));
    if (verb != "add" && found < 0)
        return failed(badInput(noPlaceNamedMessage(echoText(p[1]), echoText(path))));

    if (verb == "add") {
        place.name = name;
        if (auto problem = locationRangeProblem(place))
            return failed(badInput(windows1252ToUtf8(*problem)));
        insertLocation(list, findInsertPosition(list, name));
        *list.currentLocation() = place;
    } else if (verb == "select") {
        list.current = found;
    } else if (verb == "remove") {
        const int32_t kept = list.current;
        list.current = found;
        deleteCurrentLocation(list);
        if (found != kept) list.current = kept - (found < kept ? 1 : 0);
    } else {
        const CliRead<std::string> renamed = placeName(p[2]);
        if (!renamed.ok()) return failed(renamed.error());
        const std::string& newName = renamed.value();
        const int32_t other = indexOfName(list, newName);
        if (other >= 0 && other != found) return failed(badInput(nameTakenMessage(echoText(p[2]))));
        list.records[static_cast<size_t>(found)].name = newName;
        name = newName;
    }
    sortLocations(list);
    return save(path, list, prefs, placeEditReport(verb, name, list, a.json));
}

} // namespace

bool isPlaceCommand(const CliArgs& a) {
    return a.command == "cities" || a.command == "declination" ||
           (a.command == "locations" && !a.positional.empty());
}

CliResult runPlaceCommand(const CliArgs& a, const CivilDate& date,
                          const std::string& settingsPath) {
    if (a.command == "cities") return cities(a);
    if (a.command == "declination") return declination(a, date);
    return edit(a, date, settingsPath);
}

} // namespace skyledger
