// Command dispatch of skyledger-cli: reads the command line, finds the place
// and the preferences, runs the computation and renders the result.
#include "cli/cli_app.h"

#include <climits>
#include <optional>

#include "almanac/app_state.h"
#include "almanac/chart_export.h"
#include "almanac/display_format.h"
#include "almanac/local_time.h"
#include "cli/cli_args.h"
#include "cli/cli_common.h"
#include "cli/cli_places.h"
#include "cli/cli_report.h"
#include "settings/location_list.h"
#include "settings/location_range.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "support/file_io.h"
#include "support/messages.h"
#include "support/parse_number.h"
#include "support/terminal_text.h"
#include "support/version.h"
#include "support/windows1252.h"

namespace skyledger {

namespace {

using Failure = CliFailure;
const char* const PROGRAM = CLI_PROGRAM;
// The -o value that means the standard output.
const char* const STANDARD_OUTPUT_NAME = "-";

const char* const HELP_TEXT =
    "Usage: skyledger-cli [OPTIONS] COMMAND [ARGS]\n"
    "\n"
    "Sun and Moon almanac for a date and a place.\n"
    "\n"
    "Commands:\n"
    "  day [DATE]            rise and set times and bearings, illumination and phase\n"
    "  details [DATE]        twilights, golden and blue hours, solar noon, day length,\n"
    "                        the Moon's transit, the coming phases, why an event is missing\n"
    "  chart START DAYS      one line per day for DAYS days (1..366) from START\n"
    "  track [DATE]          Sun and Moon altitude and bearing every 15 minutes\n"
    "  calendar [YYYY-MM]    the month with the Moon's illuminated percentage per day\n"
    "  locations             the places of the settings file, '*' marks the current one\n"
    "  locations add NAME (--city QUERY | --lat L --lon L --zone H|--tz ZONE)\n"
    "                        add a place to the settings file\n"
    "  locations remove NAME | select NAME | rename OLD NEW\n"
    "                        remove a place, make it the current one, or rename it\n"
    "  cities QUERY          the built-in atlas's cities matching QUERY\n"
    "  declination [DATE]    with --lat and --lon: the World Magnetic Model's declination\n"
    "\n"
    "DATE and START are YYYY-MM-DD (years 1900 to 2100); the default is today.\n"
    "\n"
    "Options:\n"
    "  --location NAME       a place of the settings file (default: the current one)\n"
    "  --lat L --lon L --zone H [--declination D]\n"
    "                        an ad-hoc place: latitude north positive or with N/S,\n"
    "                        longitude west positive or with W/E, time zone in hours\n"
    "                        west of Greenwich (UT = local standard time + zone),\n"
    "                        magnetic declination east positive (default 0)\n"
    "  --tz ZONE             the ad-hoc place's time zone, such as Europe/London\n"
    "                        (its standard offset stands in for --zone)\n"
    "  --basis standard|daylight|universal|local\n"
    "                        clock times (default: local for a place with a time\n"
    "                        zone, else the system clock's daylight state)\n"
    "  --clock 12|24         12- or 24-hour clock (default: the settings file's)\n"
    "  --bearings magnetic|true\n"
    "                        bearing reference (default: the settings file's)\n"
    "  --city QUERY          locations add: the place of the atlas's first match\n"
    "  --settings FILE       another settings file\n"
    "  -o, --output FILE     chart only: write the tab-separated export to FILE\n"
    "                        (Windows-1252, CR LF); '-' writes it to standard output\n"
    "  --json                one JSON document instead of text (every command)\n"
    "  -h, --help            this help; with a command, that command's help\n"
    "  --version             the program's version\n"
    "  --                    what follows is the command and its arguments, even\n"
    "                        when it starts with '-'\n"
    "\n"
    "Options take their value as the next argument or after '=' (--basis=universal).\n"
    "Exit status: 0 done, 1 a file or computation problem, 2 bad input.\n"
    "\n"
    "Examples:\n"
    "  skyledger-cli day 2026-03-20 --location Sydney\n"
    "  skyledger-cli --lat 51.48N --lon 0.0015W --zone 0 chart 2026-01-01 31 -o jan.txt\n";

const char* commandHelp(const std::string& command) {
    if (command == "day")
        return "Usage: skyledger-cli [OPTIONS] day [DATE]\n"
               "Sunrise, sunset, moonrise and moonset with their bearings, the Moon's\n"
               "illuminated percentage and its phase. Events that do not happen show '-'.\n";
    if (command == "details")
        return "Usage: skyledger-cli [OPTIONS] details [DATE]\n"
               "The day's details: rise and set with the reason for a missing one, day\n"
               "length and its change, solar noon and the Moon's transit with altitudes,\n"
               "civil, nautical and astronomical dawn and dusk (the Sun's centre at -6,\n"
               "-12 and -18 degrees), the golden hour (-4 to +6) and blue hour (-6 to -4),\n"
               "and the next new Moon, first quarter, full Moon and last quarter. With\n"
               "--json also the Sun's and the Moon's altitude every 5 minutes.\n";
    if (command == "chart")
        return "Usage: skyledger-cli [OPTIONS] chart START DAYS [-o FILE]\n"
               "The multi-day chart, DAYS from 1 to 366. With -o the chart is saved as\n"
               "tab-separated Windows-1252 text with CR LF line ends; -o - writes those\n"
               "bytes to standard output.\n";
    if (command == "track")
        return "Usage: skyledger-cli [OPTIONS] track [DATE]\n"
               "Sun altitude, bearing and shadow ratio and Moon altitude and bearing\n"
               "every 15 minutes from 00:00 to 23:45.\n";
    if (command == "calendar")
        return "Usage: skyledger-cli [OPTIONS] calendar [YYYY-MM]\n"
               "The month in weeks from Sunday, each day with the Moon's lit percentage.\n";
    if (command == "cities")
        return "Usage: skyledger-cli [--json] cities QUERY\n"
               "The cities of the built-in atlas whose name has a word starting with QUERY,\n"
               "ignoring case and accents, largest first; text after a comma must start a\n"
               "word of the country or region (portland, maine).\n";
    if (command == "declination")
        return "Usage: skyledger-cli [--json] declination --lat L --lon L [DATE]\n"
               "The magnetic declination of the World Magnetic Model 2025 on the ground at\n"
               "the place on DATE (default today), positive east. The model is made for\n"
               "2025 to 2030; other years are extrapolated and say so.\n";
    return "Usage: skyledger-cli [--settings FILE] [--json] locations\n"
           "       skyledger-cli locations add NAME --city QUERY [--declination D]\n"
           "       skyledger-cli locations add NAME --lat L --lon L (--zone H | --tz ZONE)\n"
           "                     [--declination D]\n"
           "       skyledger-cli locations remove NAME | select NAME | rename OLD NEW\n"
           "Without a subcommand, the places of the settings file; '*' marks the current\n"
           "one. add stores a place: with --city, the atlas's first match gives every\n"
           "field, its standard offset from its zone; the declination is the World Magnetic "
           "Model's for today unless given.\n"
           "A name already in the list, or a value out of range, is refused (exit 2) and\n"
           "nothing changes. remove, select and rename find the place by its name in\n"
           "any letter case.\n";
}

// A file name as a message shows it: whole (up to the longest path the system
// takes), with control characters and bytes that are not UTF-8 escaped.
std::string shownPath(const std::string& path) {
    return echoText(path, PATH_MAX);
}

bool digitsAt(const std::string& text, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
    return true;
}

std::optional<Failure> checkYear(int32_t year) {
    if (year < FIRST_YEAR || year > LAST_YEAR) return badInput(yearOutsideMessage(year));
    return std::nullopt;
}

// YYYY-MM-DD.
CliRead<CivilDate> parseDate(const std::string& text) {
    const DateReading reading = readIsoDate(text);
    switch (reading.problem) {
    case DateReading::Problem::None:
        return reading.date;
    case DateReading::Problem::NotTheForm:
        return badInput(notDateFormMessage(echoText(text)));
    case DateReading::Problem::YearOutside:
        if (auto f = checkYear(reading.date.year)) return *f;
        return reading.date;
    case DateReading::Problem::NoSuchDay:
        break;
    }
    return badInput(noSuchDateMessage(echoText(text)));
}

// YYYY-MM, as the month's first day.
CliRead<CivilDate> parseMonth(const std::string& text) {
    if (text.size() != 7 || !digitsAt(text, 0, 4) || text[4] != '-' || !digitsAt(text, 5, 2))
        return badInput(notMonthFormMessage(echoText(text)));
    const CivilDate first = {std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), 1};
    if (auto f = checkYear(first.year)) return *f;
    if (first.month < 1 || first.month > 12) return badInput(noSuchMonthMessage(echoText(text)));
    return first;
}

// A value of an ad-hoc place's option, refused outside the field's range.
std::optional<Failure> checkPlaceOption(const char* option, const std::string& text,
                                        LocationField field, double value) {
    if (isInLocationRange(field, value)) return std::nullopt;
    const LocationFieldRange& r = locationFieldRange(field);
    return badInput(optionOutsideMessage(option, echoText(text), r.openRange,
                                         static_cast<int32_t>(r.lowest),
                                         static_cast<int32_t>(r.highest)));
}

// A number option of a place, checked against the field's range; none when
// the option is not given.
CliRead<std::optional<double>> parseNumberOption(const std::optional<std::string>& text,
                                                 const char* option, LocationField field) {
    if (!text) return std::optional<double>();
    const std::optional<double> number = parsePlainDecimal(*text);
    if (!number) return badInput(optionValueMessage(option, NUMBER_EXAMPLE, echoText(*text)));
    if (auto f = checkPlaceOption(option, *text, field, *number)) return *f;
    return number;
}

} // namespace

CliFailure badInput(const std::string& problem) {
    return {EXIT_BAD_INPUT,
            std::string(PROGRAM) + ": " + problem + " (try '" + PROGRAM + " --help')"};
}

CliRead<Coordinates> placeCoordinates(const CliArgs& a) {
    const std::optional<double> lat = parseLatitudeText(*a.latitudeText);
    if (!lat)
        return badInput(optionValueMessage("--lat", LATITUDE_EXAMPLE, echoText(*a.latitudeText)));
    if (auto f = checkPlaceOption("--lat", *a.latitudeText, LocationField::Latitude, *lat))
        return *f;
    const std::optional<double> lon = parseLongitudeText(*a.longitudeText);
    if (!lon)
        return badInput(optionValueMessage("--lon", LONGITUDE_EXAMPLE, echoText(*a.longitudeText)));
    if (auto f = checkPlaceOption("--lon", *a.longitudeText, LocationField::Longitude, *lon))
        return *f;
    return Coordinates{*lat, *lon};
}

CliRead<std::optional<double>> declinationOption(const CliArgs& a) {
    return parseNumberOption(a.declinationText, "--declination",
                             LocationField::MagneticDeclination);
}

CliRead<Location> adHocPlace(const CliArgs& a) {
    if (!a.latitudeText || !a.longitudeText || (!a.zoneText && !a.tzName))
        return badInput(AD_HOC_PLACE_NEEDS_MESSAGE);
    const CliRead<Coordinates> coordinates = placeCoordinates(a);
    if (!coordinates.ok()) return coordinates.error();
    Location place{"Ad-hoc place", coordinates.value().latitude, coordinates.value().longitude, 0.0,
                   0.0};
    if (a.tzName) {
        const std::optional<TimeZone> zone = TimeZone::find(*a.tzName);
        if (!zone)
            return badInput(optionValueMessage("--tz", ZONE_NAME_EXAMPLE, echoText(*a.tzName)));
        place.zone = zone->name();
        // Without --zone the standard offset is the zone's own.
        place.timeZone = zone->standardOffsetDaysNow() * 24.0;
    }
    const CliRead<std::optional<double>> offset =
        parseNumberOption(a.zoneText, "--zone", LocationField::TimeZone);
    if (!offset.ok()) return offset.error();
    if (offset.value()) place.timeZone = *offset.value();
    const CliRead<std::optional<double>> declination = declinationOption(a);
    if (!declination.ok()) return declination.error();
    place.magneticDeclination = declination.value().value_or(0.0);
    return place;
}

namespace {

// Beside the program, or the user's own copy of the shipped places for an
// installed program.
std::string defaultSettingsPath(const CliEnvironment& env) {
    return prepareSettingsFile(settingsEnvironment(env.programPath));
}

// The place list and preferences for the command, from the settings file or
// the ad-hoc options. What the reader did not take from the file goes to
// `warning`, to be said on standard error.
std::optional<Failure> resolvePlace(const CliArgs& a, const CliEnvironment& env, AppState& s,
                                    std::string& warning) {
    const bool adHoc =
        a.latitudeText || a.longitudeText || a.zoneText || a.tzName || a.declinationText;
    if (adHoc && a.locationName) return badInput(LOCATION_OR_AD_HOC_MESSAGE);
    if (adHoc && a.command == "locations") return badInput(LOCATIONS_TAKE_NO_PLACE_MESSAGE);
    const std::string path = a.settingsFile ? *a.settingsFile : defaultSettingsPath(env);
    SettingsRead read = loadSettings(path);
    s.locations = std::move(read.list);
    s.preferences = withStoredPreferences(s.preferences, read.prefs);
    if (adHoc) {
        CliRead<Location> place = adHocPlace(a);
        if (!place.ok()) return place.error();
        s.locations.present = true;
        s.locations.records = {std::move(place).value()};
        s.locations.current = 0;
        return std::nullopt;
    }
    const std::string shown =
        a.settingsFile ? shownPath(*a.settingsFile) : std::string(SETTINGS_FILE_NAME);
    if (const std::optional<std::string> message =
            settingsLoadMessage(read.load, shown, read.problem)) {
        const char* const advice =
            read.load == SettingsLoad::Missing ? MISSING_SETTINGS_ADVICE : "";
        return Failure{EXIT_FILE_PROBLEM, std::string(PROGRAM) + ": " + *message + advice};
    }
    if (!read.skipped.empty())
        warning = std::string(PROGRAM) + ": " + skippedLinesMessage(shown, read.skipped) + "\n";
    if (a.locationName) {
        if (const auto index = findLocation(s.locations, utf8ToWindows1252(*a.locationName))) {
            s.locations.current = *index;
            return std::nullopt;
        }
        return badInput(noPlaceNamedMessage(echoText(*a.locationName), shown));
    }
    if (a.command != "locations" && !s.locations.currentLocation())
        return Failure{EXIT_FILE_PROBLEM,
                       std::string(PROGRAM) + ": " + noPlacesInFileMessage(shown)};
    return std::nullopt;
}

// A place with a zone is given on its local time unless --basis says otherwise.
std::optional<Failure> applyPreferences(const CliArgs& a, const CliEnvironment& env,
                                        const LocationList& places, Preferences& p) {
    p.timeBasis = startingTimeBasis(places, env.daylightSavingNow ? TimeBasis::Daylight
                                                                  : TimeBasis::Standard);
    if (a.basis) {
        if (const std::optional<TimeBasis> basis = timeBasisFromName(*a.basis))
            p.timeBasis = *basis;
        else
            return badInput(optionChoiceMessage("--basis", BASIS_CHOICES, echoText(*a.basis)));
        const Location* place = places.currentLocation();
        if (a.command != "locations" && basisAvailableAt(place, p.timeBasis) != p.timeBasis)
            return badInput(LOCAL_BASIS_NEEDS_ZONE_MESSAGE);
    }
    if (a.clock) {
        if (*a.clock == "12")
            p.twelveHourClock = true;
        else if (*a.clock == "24")
            p.twelveHourClock = false;
        else
            return badInput(optionChoiceMessage("--clock", CLOCK_CHOICES, echoText(*a.clock)));
    }
    if (a.bearings) {
        if (*a.bearings == "magnetic")
            p.magneticBearings = true;
        else if (*a.bearings == "true")
            p.magneticBearings = false;
        else
            return badInput(
                optionChoiceMessage("--bearings", BEARINGS_CHOICES, echoText(*a.bearings)));
    }
    return std::nullopt;
}

// The computations refuse a place whose values lie outside the ranges the
// Location dialog accepts; the settings file keeps it as it is.
std::optional<Failure> checkPlaceRanges(const LocationList& list) {
    const Location* place = list.currentLocation();
    if (place == nullptr) return std::nullopt;
    const std::optional<std::string> problem = locationRangeProblem(*place);
    if (!problem) return std::nullopt;
    return Failure{EXIT_FILE_PROBLEM,
                   std::string(PROGRAM) + ": " + windows1252ToUtf8(printableWindows1252(*problem))};
}

// The positional arguments of the command: the date (or month) and the days.
struct CommandInput {
    CivilDate date;
    int32_t days = 0;
};

CliRead<CommandInput> readPositional(const CliArgs& a, const CliEnvironment& env) {
    const std::vector<std::string>& p = a.positional;
    CommandInput in{env.today};
    if (a.command == "cities" || a.command == "locations") return in; // their own words
    const size_t most = a.command == "chart" ? 2 : 1;
    if (p.size() > most) return badInput(tooManyArgumentsMessage(a.command));
    if (p.empty() && a.command != "chart") return in;
    if (a.command == "chart" && p.size() < 2) return badInput(CHART_NEEDS_WORDS_MESSAGE);
    const CliRead<CivilDate> date = a.command == "calendar" ? parseMonth(p[0]) : parseDate(p[0]);
    if (!date.ok()) return date.error();
    in.date = date.value();
    if (a.command != "chart") return in;
    if (!parseInteger(p[1], in.days) || in.days < 1 || in.days > MAX_CHART_DAYS)
        return badInput(chartDaysMessage(echoText(p[1])));
    // No row may fall after the last year computed.
    const int32_t left = chartDaysAvailable(in.date);
    if (in.days > left)
        return badInput(chartDaysLeftMessage(left, p[0], LAST_YEAR, echoText(p[1])));
    return in;
}

// Moves a computation's value into `into`, or gives the reason there is none.
template <typename T> std::optional<AlmanacError> take(AlmanacResult<T>&& result, T& into) {
    if (!result.ok()) return result.error();
    into = std::move(result).value();
    return std::nullopt;
}

// Why a computation gave no result, in the program's message form.
std::string computationFailure(AlmanacError error) {
    return std::string(PROGRAM) + ": " + windows1252ToUtf8(almanacErrorMessage(error));
}

std::optional<Failure> checkOptionsFit(const CliArgs& a) {
    if (a.outputFile && a.command != "chart") return badInput(OUTPUT_ONLY_FOR_CHART_MESSAGE);
    if (a.outputFile && a.outputFile->empty()) return badInput(OUTPUT_NEEDS_NAME_MESSAGE);
    if (a.city && a.command != "locations") return badInput(CITY_ONLY_FOR_ADD_MESSAGE);
    return std::nullopt;
}

// A refused command: its status, and its message after what was said before.
CliResult refused(const Failure& f, const std::string& said = "") {
    return {f.status, "", said + f.message + "\n"};
}

CliResult run(const CliArgs& a, const CliEnvironment& env) {
    if (const std::optional<Failure> f = checkOptionsFit(a)) return refused(*f);
    const CliRead<CommandInput> read = readPositional(a, env);
    if (!read.ok()) return refused(read.error());
    const CommandInput& in = read.value();
    if (isPlaceCommand(a))
        return runPlaceCommand(a, in.date,
                               a.settingsFile ? *a.settingsFile : defaultSettingsPath(env));
    AppState s;
    std::string warning;
    std::optional<Failure> f = resolvePlace(a, env, s, warning);
    if (!f) f = applyPreferences(a, env, s.locations, s.preferences);
    if (!f && a.command != "locations") f = checkPlaceRanges(s.locations);
    if (f) return refused(*f, warning);

    s.currentDate = in.date;
    CliResult r;
    r.err = warning;
    if (a.command == "locations") {
        r.out = locationsReport(s, a.json);
        return r;
    }
    const Location& place = *s.locations.currentLocation();
    std::optional<AlmanacError> error;
    DayNumbers numbers;
    if (a.command == "day" || a.command == "details") {
        error = take(computeDayNumbers(in.date, place, s.preferences), numbers);
        if (!error) error = take(computeDayDetails(in.date, place, s.preferences), s.details);
    } else if (a.command == "track")
        error = take(computeTrack(in.date, place, s.preferences), s.track);
    else if (a.command == "calendar")
        error = take(computeMoonCalendar(in.date.year, in.date.month, place, s.preferences),
                     s.calendar);
    else
        error = take(computeChart(in.date, in.days, place, s.preferences), s.chart);
    if (error) return {EXIT_FILE_PROBLEM, "", warning + computationFailure(*error) + "\n"};

    if (a.command == "day") {
        s.day = formatDayAlmanac(numbers, s.preferences);
        r.out = dayReport(s, numbers, a.json);
    } else if (a.command == "details") {
        r.out = detailsReport(s, a.json);
    } else if (a.command == "track") {
        r.out = trackReport(s, a.json);
    } else if (a.command == "calendar") {
        r.out = calendarReport(s, in.date.year, in.date.month, a.json);
    } else if (a.outputFile && *a.outputFile == STANDARD_OUTPUT_NAME) {
        r.out = chartText(s.chart, place, s.preferences); // the export's own bytes
    } else if (a.outputFile) {
        const FileResult<Done> written =
            writeOutputFile(*a.outputFile, chartText(s.chart, place, s.preferences));
        if (!written.ok())
            return {EXIT_FILE_PROBLEM, "",
                    warning + std::string(PROGRAM) + ": " +
                        cannotCreateFileMessage(shownPath(*a.outputFile), written.error().why) +
                        "\n"};
    } else {
        r.out = chartReport(s, a.json);
    }
    return r;
}

} // namespace

CliResult runCli(const std::vector<std::string>& argv, const CliEnvironment& environment) {
    const Result<CliArgs, std::string> parsed = parseCliArgs(argv);
    if (!parsed.ok()) return {EXIT_BAD_INPUT, "", badInput(parsed.error()).message + "\n"};
    const CliArgs& args = parsed.value();
    if (args.version) return {0, std::string(PROGRAM) + " " + programVersion() + "\n", ""};
    if (args.help && !args.command.empty()) return {0, commandHelp(args.command), ""};
    if (args.help) {
        const std::string settings =
            args.settingsFile ? *args.settingsFile
                              : settingsFileLocation(settingsEnvironment(environment.programPath));
        return {0, std::string(HELP_TEXT) + "\nSettings file: " + shownPath(settings) + "\n", ""};
    }
    if (args.command.empty())
        return {EXIT_BAD_INPUT, "", badInput(NO_COMMAND_MESSAGE).message + "\n"};
    return run(args, environment);
}

} // namespace skyledger
