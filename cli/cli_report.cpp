// Text and JSON renderings of the command-line almanac's results.
#include "cli/cli_report.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "almanac/chart_export.h"
#include "almanac/civil_calendar.h"
#include "almanac/day_almanac.h"
#include "almanac/day_details_text.h"
#include "almanac/display_format.h"
#include "almanac/local_time.h"
#include "almanac/phase_angle.h"
#include "almanac/report_text.h"
#include "almanac/track.h"
#include "astro/constants.h"
#include "cli/json_writer.h"
#include "support/format_text.h"
#include "support/terminal_text.h"
#include "support/windows1252.h"

namespace skyledger {

namespace {

// Raised when a member changes meaning or disappears; added members keep it.
constexpr int64_t JSON_SCHEMA_VERSION = 1;

const char* const WEEKDAY_NAMES[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
// `text` padded with blanks to `width` characters (Windows-1252, one byte each).
std::string padded(const std::string& text, size_t width) {
    std::string out = text;
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

std::string isoDate(const CivilDate& d) {
    return formatText("%4d-%2d-%2d", d.year, d.month, d.day);
}

// Windows-1252 lines to UTF-8 with plain line feeds, without the blanks that
// padded cells leave at the ends of lines. Line feeds and tabs are the
// layout; any other control character is shown as a placeholder, never sent.
std::string forTerminal(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
        }
        out += c == '\n' || c == '\t' || !isWindows1252Control(c) ? c : CONTROL_PLACEHOLDER;
    }
    return windows1252ToUtf8(out);
}

const Location& place(const AppState& s) {
    return *s.locations.currentLocation();
}

// The current place as text output shows it: a line break or a tab in its
// name would break the layout, so they too become placeholders.
Location shownPlace(const AppState& s) {
    Location shown = place(s);
    shown.name = printableWindows1252(shown.name);
    return shown;
}

std::string heading(const AppState& s, const std::string& title,
                    std::optional<CivilDate> oneDay = std::nullopt) {
    return title + "  " + reportLocationLine(shownPlace(s), s.preferences, oneDay) + "\n";
}

void locationMembers(JsonWriter& j, const Location& l) {
    j.stringMember("name", windows1252ToUtf8(l.name));
    j.numberMember("latitude", l.latitude);
    j.numberMember("longitude", l.longitude);
    j.numberMember("magneticDeclination", l.magneticDeclination);
    j.numberMember("timeZone", l.timeZone);
    j.key("zone");
    if (l.zone.empty())
        j.null();
    else
        j.string(l.zone);
}

// The members every document starts with: the schema's version, the
// command, the place and the preferences.
void writeHead(JsonWriter& j, const AppState& s, const char* command) {
    j.integerMember("version", JSON_SCHEMA_VERSION);
    j.stringMember("command", command);
    j.key("location");
    j.beginObject();
    locationMembers(j, place(s));
    j.endObject();
    j.key("preferences");
    j.beginObject();
    j.stringMember("timeBasis", timeBasisName(s.preferences.timeBasis));
    j.booleanMember("twelveHourClock", s.preferences.twelveHourClock);
    j.stringMember("bearingReference", s.preferences.magneticBearings ? "magnetic" : "true");
    j.endObject();
}

// "+HH:MM" or "-HH:MM": local clock time minus Universal Time, for an offset
// in days added to the clock time to obtain UT.
std::string utcOffsetText(double offsetDays) {
    const long minutes = std::lround(-offsetDays * 1440.0);
    const long magnitude = std::labs(minutes);
    return formatText("%s%2d:%2d", minutes < 0 ? "-" : "+", static_cast<int32_t>(magnitude / 60),
                      static_cast<int32_t>(magnitude % 60));
}

// The ISO-8601 instant, to the second, of a clock time (radians of a day from
// 0h local clock time of `date`), with the UTC offset in force at it.
std::string isoInstant(CivilDate date, double time, double offsetDays) {
    long seconds = std::lround(time / TWO_PI * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        date = nextDay(date);
    }
    return formatText("%sT%2d:%2d:%2d%s", isoDate(date), static_cast<int32_t>(seconds / 3600),
                      static_cast<int32_t>(seconds / 60 % 60), static_cast<int32_t>(seconds % 60),
                      utcOffsetText(offsetDays));
}

// The same for a clock time of the details, on the offset in force at it.
std::string isoInstant(const AppState& s, CivilDate date, double time) {
    const std::optional<TimeZone> zone = basisZone(place(s), s.preferences.timeBasis);
    const double offsetDays =
        zone ? zone->offsetDaysAt(zone->instantOf(date, time * HOURS_PER_RADIAN))
             : timeOffsetDays(place(s), s.preferences.timeBasis);
    return isoInstant(date, time, offsetDays);
}

// One event: its clock text (null when it cannot be shown on the clock, at
// the very end of the day), its instant and its bearing; null when the event
// does not happen on the date.
void eventMember(JsonWriter& j, const AppState& s, const char* name, const CivilDate& date,
                 const std::optional<SkyEvent>& event) {
    j.key(name);
    if (!event) {
        j.null();
        return;
    }
    j.beginObject();
    j.key("time");
    if (const std::optional<std::string> text =
            formatEventTime(event->time, s.preferences.twelveHourClock))
        j.string(*text);
    else
        j.null();
    j.stringMember("instant", isoInstant(date, event->time, event->offsetDays));
    j.numberMember("bearing", event->bearing);
    j.stringMember("bearingText", windows1252ToUtf8(formatBearing(event->bearing)));
    j.endObject();
}

// "<name>Reason" for an event of the details that does not happen: why, in
// a code and a sentence, and the next one's instant when there is one.
void reasonMember(JsonWriter& j, const AppState& s, const std::string& name, const DetailEvent& e,
                  const std::string& text) {
    if (e.happens()) return;
    j.key(name + "Reason");
    j.beginObject();
    j.stringMember("reason", absenceCode(e.absence));
    j.stringMember("text", windows1252ToUtf8(text));
    if (e.next) j.stringMember("next", isoInstant(s, e.next->date, e.next->time));
    j.endObject();
}

void risingSettingReason(JsonWriter& j, const AppState& s, const char* name, const char* body,
                         const DetailEvent& e) {
    reasonMember(j, s, name, e,
                 missingEventText(e, body, name, s.preferences.twelveHourClock));
}

// The day's events with their bearings; with the details, the reason for
// each one that does not happen.
void numbersMembers(JsonWriter& j, const AppState& s, const CivilDate& date, const DayNumbers& n,
                    const DayDetails* details = nullptr) {
    j.stringMember("date", isoDate(date));
    eventMember(j, s, "sunrise", date, n.sunrise);
    eventMember(j, s, "sunset", date, n.sunset);
    eventMember(j, s, "moonrise", date, n.moonrise);
    eventMember(j, s, "moonset", date, n.moonset);
    if (details) {
        risingSettingReason(j, s, "sunrise", "Sun", details->sunrise);
        risingSettingReason(j, s, "sunset", "Sun", details->sunset);
        risingSettingReason(j, s, "moonrise", "Moon", details->moonrise);
        risingSettingReason(j, s, "moonset", "Moon", details->moonset);
    }
    j.numberMember("illuminationPercent", n.illuminationPercent);
    j.stringMember("illuminationText",
                   formatText("%d%%", static_cast<int32_t>(n.illuminationPercent)));
    j.numberMember("moonPhaseAngle", n.moonPhaseAngle);
    j.stringMember("phaseName", moonPhaseName(n.moonPhaseAngle));
}

std::string dayJson(const AppState& s, const DayNumbers& n) {
    JsonWriter j;
    j.beginObject();
    writeHead(j, s, "day");
    numbersMembers(j, s, s.currentDate, n, s.details.valid ? &s.details : nullptr);
    j.booleanMember("southernHemisphere", n.southernHemisphere);
    j.endObject();
    return j.text();
}

// A moment of the details: {"time", "instant"} or null, and its reason.
void detailMember(JsonWriter& j, const AppState& s, const char* name, const DetailEvent& e,
                  const std::string& reasonText) {
    j.key(name);
    if (!e.happens()) {
        j.null();
        reasonMember(j, s, name, e, reasonText);
        return;
    }
    j.beginObject();
    j.stringMember("time", formatEventTime(*e.time, s.preferences.twelveHourClock).value_or(""));
    j.stringMember("instant", isoInstant(s, s.currentDate, *e.time));
    j.endObject();
}

void crossingMember(JsonWriter& j, const AppState& s, const char* name, const DetailEvent& e,
                    SunLevel level) {
    detailMember(j, s, name, e, missingCrossingText(e, level, s.preferences.twelveHourClock));
}

void transitMember(JsonWriter& j, const AppState& s, const char* name, const char* body,
                   const DetailEvent& e, double altitude) {
    detailMember(j, s, name, e,
                 missingEventText(e, body, "transit", s.preferences.twelveHourClock));
    if (e.happens()) j.numberMember(std::string(name) + "Altitude", altitude);
}

void altitudeArray(JsonWriter& j, const char* name,
                   const std::array<double, DETAIL_SAMPLES>& altitudes) {
    j.key(name);
    j.beginArray();
    for (double a : altitudes)
        j.number(std::round(a * 100.0) / 100.0);
    j.endArray();
}

std::string detailsJson(const AppState& s, const DayDetails& d) {
    const bool twelve = s.preferences.twelveHourClock;
    const auto& c = d.sunCrossings;
    JsonWriter j;
    j.beginObject();
    writeHead(j, s, "details");
    j.stringMember("date", isoDate(s.currentDate));
    detailMember(j, s, "sunrise", d.sunrise, missingEventText(d.sunrise, "Sun", "sunrise", twelve));
    detailMember(j, s, "sunset", d.sunset, missingEventText(d.sunset, "Sun", "sunset", twelve));
    j.numberMember("dayLengthHours", d.dayLengthHours);
    j.stringMember("dayLengthText", dayLengthText(d.dayLengthHours));
    j.numberMember("dayLengthChangeMinutes", d.dayLengthChangeMinutes);
    j.stringMember("dayLengthChangeText", dayLengthChangeText(d.dayLengthChangeMinutes));
    transitMember(j, s, "solarNoon", "Sun", d.solarNoon, d.solarNoonAltitude);
    detailMember(j, s, "moonrise", d.moonrise,
                 missingEventText(d.moonrise, "Moon", "moonrise", twelve));
    detailMember(j, s, "moonset", d.moonset,
                 missingEventText(d.moonset, "Moon", "moonset", twelve));
    transitMember(j, s, "moonTransit", "Moon", d.moonTransit, d.moonTransitAltitude);
    crossingMember(j, s, "astronomicalDawn", c[ASTRONOMICAL_LEVEL].morning, ASTRONOMICAL_LEVEL);
    crossingMember(j, s, "nauticalDawn", c[NAUTICAL_LEVEL].morning, NAUTICAL_LEVEL);
    crossingMember(j, s, "civilDawn", c[CIVIL_LEVEL].morning, CIVIL_LEVEL);
    crossingMember(j, s, "goldenHourMorningStart", c[BLUE_GOLDEN_LEVEL].morning,
                   BLUE_GOLDEN_LEVEL);
    crossingMember(j, s, "goldenHourMorningEnd", c[GOLDEN_END_LEVEL].morning, GOLDEN_END_LEVEL);
    crossingMember(j, s, "goldenHourEveningStart", c[GOLDEN_END_LEVEL].evening, GOLDEN_END_LEVEL);
    crossingMember(j, s, "goldenHourEveningEnd", c[BLUE_GOLDEN_LEVEL].evening, BLUE_GOLDEN_LEVEL);
    crossingMember(j, s, "civilDusk", c[CIVIL_LEVEL].evening, CIVIL_LEVEL);
    crossingMember(j, s, "nauticalDusk", c[NAUTICAL_LEVEL].evening, NAUTICAL_LEVEL);
    crossingMember(j, s, "astronomicalDusk", c[ASTRONOMICAL_LEVEL].evening, ASTRONOMICAL_LEVEL);
    j.key("nextPhases");
    j.beginArray();
    for (const PhaseEvent& p : d.nextPhases) {
        j.beginObject();
        j.stringMember("phase", phaseEventName(p.phase));
        j.stringMember("date", isoDate(p.date));
        j.stringMember("time", formatEventTime(p.time, twelve).value_or(""));
        j.stringMember("instant", isoInstant(s, p.date, p.time));
        j.endObject();
    }
    j.endArray();
    j.integerMember("altitudeStepMinutes", 5);
    altitudeArray(j, "sunAltitudes", d.sunAltitude);
    altitudeArray(j, "moonAltitudes", d.moonAltitude);
    j.endObject();
    return j.text();
}

std::string eventCells(const std::string& time, const std::string& bearing, size_t timeWidth) {
    return padded(orDash(time), timeWidth) + "  " + padded(orDash(bearing), 4) + "    ";
}

} // namespace

std::string dayReport(const AppState& s, const DayNumbers& numbers, bool json) {
    if (json) return dayJson(s, numbers);
    const DayAlmanac& d = s.day;
    const size_t tw = s.preferences.twelveHourClock ? 7 : 5;
    std::string out = heading(s, isoDate(s.currentDate), s.currentDate) + "\n";
    out += padded("", 8) + padded("Rise", tw + 10) + "Set\n";
    out += padded("Sun", 8) + eventCells(d.sunriseText, d.sunriseBearingText, tw) +
           eventCells(d.sunsetText, d.sunsetBearingText, tw) + "\n";
    out += padded("Moon", 8) + eventCells(d.moonriseText, d.moonriseBearingText, tw) +
           eventCells(d.moonsetText, d.moonsetBearingText, tw) + "\n\n";
    out += formatText("Illuminated  %d%%\n", d.illuminationPercent);
    const int32_t degrees = static_cast<int32_t>(std::lround(d.moonPhaseAngle * RAD_TO_DEG)) % 360;
    out +=
        formatText("Phase        %d%c %s\n", degrees, DEGREE_SIGN, moonPhaseName(d.moonPhaseAngle));
    return forTerminal(out);
}

std::string detailsReport(const AppState& s, bool json) {
    const DayDetails& d = s.details;
    if (json) return detailsJson(s, d);
    std::string out = heading(s, isoDate(s.currentDate)) + "\n";
    for (const DetailLine& line : dayDetailLines(d, s.preferences))
        out += padded(line.label, 21) + line.value + "\n";
    return forTerminal(out);
}

std::string chartReport(const AppState& s, bool json) {
    if (!json) return forTerminal(chartText(s.chart, shownPlace(s), s.preferences));
    JsonWriter j;
    j.beginObject();
    writeHead(j, s, "chart");
    j.key("rows");
    j.beginArray();
    for (const ChartRow& row : s.chart.rows) {
        j.beginObject();
        numbersMembers(j, s, row.date, row.numbers);
        j.endObject();
    }
    j.endArray();
    j.endObject();
    return j.text();
}

std::string trackReport(const AppState& s, bool json) {
    const bool twelve = s.preferences.twelveHourClock;
    if (json) {
        JsonWriter j;
        j.beginObject();
        writeHead(j, s, "track");
        j.stringMember("date", isoDate(s.currentDate));
        j.key("samples");
        j.beginArray();
        for (int32_t i = 0; i < s.track.count; ++i) {
            const TrackSample& t = s.track.samples[static_cast<size_t>(i)];
            j.beginObject();
            j.stringMember("time", formatEventTime(t.clockTime, twelve).value_or(""));
            j.stringMember("instant", isoInstant(s.currentDate, t.clockTime, t.offsetDays));
            j.numberMember("sunAltitude", t.sunAltitude);
            j.numberMember("sunBearing", t.sunBearing);
            j.numberMember("moonAltitude", t.moonAltitude);
            j.numberMember("moonBearing", t.moonBearing);
            j.endObject();
        }
        j.endArray();
        j.endObject();
        return j.text();
    }
    // Rows of a clock hour shown twice add their clock's abbreviation.
    size_t tw = twelve ? 7 : 5;
    for (int32_t i = 0; i < s.track.count; ++i)
        tw = std::max(tw, trackTimeText(s.track.samples[static_cast<size_t>(i)], twelve).size());
    std::string out = heading(s, isoDate(s.currentDate), s.currentDate) + "\n";
    out += padded("", tw + 2) + padded("Sun", 21) + "Moon\n";
    out += padded("Time", tw + 2) + "Alt   Az    Shad     Alt   Az\n";
    for (int32_t i = 0; i < s.track.count; ++i) {
        const TrackSample& t = s.track.samples[static_cast<size_t>(i)];
        std::string line = padded(trackTimeText(t, twelve), tw + 2) + padded(altitudeText(t.sunAltitude), 6) +
                           padded(formatBearing(t.sunBearing), 6) +
                           padded(shadowText(t.sunAltitude), 9) +
                           padded(altitudeText(t.moonAltitude), 6) + formatBearing(t.moonBearing);
        out += line + "\n";
    }
    return forTerminal(out);
}

std::string calendarReport(const AppState& s, int32_t year, int32_t month, bool json) {
    const MoonCalendarGrid& g = s.calendar;
    if (json) {
        JsonWriter j;
        j.beginObject();
        writeHead(j, s, "calendar");
        j.integerMember("year", year);
        j.integerMember("month", month);
        j.key("days");
        j.beginArray();
        for (size_t i = 0; i < g.dayNumber.size(); ++i) {
            if (g.dayNumber[i] == 0) continue;
            const double lit = litFractionOfPhase(g.phaseAngle[i]) * 100.0;
            j.beginObject();
            j.stringMember("date", isoDate({year, month, g.dayNumber[i]}));
            j.stringMember("weekday", WEEKDAY_NAMES[i % 7]);
            j.numberMember("moonPhaseAngle", g.phaseAngle[i]);
            j.stringMember("phaseName", moonPhaseName(g.phaseAngle[i]));
            j.numberMember("illuminationPercent", lit);
            j.stringMember("illuminationText", calendarPercentText(g.phaseAngle[i]));
            j.endObject();
        }
        j.endArray();
        j.endObject();
        return j.text();
    }
    std::string out = heading(s, formatText("%s %d", monthName(month), year)) + "\n";
    for (const char* name : WEEKDAY_NAMES)
        out += padded(name, 9);
    out += "\n";
    for (int row = 0; row < 6; ++row) {
        std::string line;
        bool any = false;
        for (int column = 0; column < 7; ++column) {
            const size_t cell = static_cast<size_t>(row * 7 + column);
            const int day = g.dayNumber[cell];
            std::string text;
            if (day != 0) {
                any = true;
                text = formatText("%d %d%%", day, calendarPercent(g.phaseAngle[cell]));
                if (day < 10) text.insert(0, " ");
            }
            line += padded(text, 9);
        }
        if (any) out += line + "\n";
    }
    return forTerminal(out);
}

namespace {

// Opens a document that is not about one computation: the schema's version
// and the command.
void beginDocument(JsonWriter& j, const std::string& command) {
    j.beginObject();
    j.integerMember("version", JSON_SCHEMA_VERSION);
    j.stringMember("command", command);
}

// The place list as rows under a head line, the current place marked '*'.
std::string placeRows(const LocationList& list) {
    size_t nameWidth = 4;
    for (const Location& l : list.records)
        nameWidth = std::max(nameWidth, l.name.size());
    std::string out =
        "  " + padded("Name", nameWidth + 2) + "Latitude  Longitude  Declination  Zone   Time zone\n";
    for (int32_t i = 0; i < list.count(); ++i) {
        const Location& l = list.records[static_cast<size_t>(i)];
        out += i == list.current ? "* " : "  ";
        out += padded(printableWindows1252(l.name), nameWidth + 2) +
               padded(formatLatitude(l.latitude), 10) + padded(formatLongitude(l.longitude), 11) +
               padded(formatText("%1f", l.magneticDeclination), 13) +
               padded(formatText("%1f", l.timeZone), 7) + printableWindows1252(l.zone) + "\n";
    }
    return out;
}

} // namespace

std::string locationsReport(const AppState& s, bool json) {
    if (json) {
        JsonWriter j;
        beginDocument(j, "locations");
        j.key("locations");
        j.beginArray();
        for (int32_t i = 0; i < s.locations.count(); ++i) {
            const Location& l = s.locations.records[static_cast<size_t>(i)];
            j.beginObject();
            locationMembers(j, l);
            j.booleanMember("current", i == s.locations.current);
            j.endObject();
        }
        j.endArray();
        j.endObject();
        return j.text();
    }
    return forTerminal(placeRows(s.locations));
}

std::string citiesReport(const std::string& query, const std::vector<const City*>& matches,
                         bool json) {
    if (json) {
        JsonWriter j;
        beginDocument(j, "cities");
        j.stringMember("query", query);
        j.key("cities");
        j.beginArray();
        for (const City* c : matches) {
            j.beginObject();
            j.stringMember("name", windows1252ToUtf8(c->name));
            j.stringMember("country", windows1252ToUtf8(c->country));
            j.stringMember("region", windows1252ToUtf8(c->region));
            j.numberMember("latitude", c->latitude);
            j.numberMember("longitude", c->longitude);
            j.stringMember("zone", c->zone);
            j.integerMember("population", c->population);
            j.endObject();
        }
        j.endArray();
        j.endObject();
        return j.text();
    }
    if (matches.empty()) return "No city of the atlas matches '" + echoText(query) + "'.\n";
    size_t widths[4] = {6, 9, 8, 6}; // the head words and two blanks
    for (const City* c : matches) {
        const char* const cells[4] = {c->name, c->country, c->region, c->zone};
        for (size_t k = 0; k < 4; ++k)
            widths[k] = std::max(widths[k], std::string_view(cells[k]).size() + 2);
    }
    std::string out = padded("Name", widths[0]) + padded("Country", widths[1]) +
                      padded("Region", widths[2]) + "Latitude  Longitude  " +
                      padded("Zone", widths[3]) + "Population\n";
    for (const City* c : matches)
        out += padded(c->name, widths[0]) + padded(c->country, widths[1]) +
               padded(c->region, widths[2]) + padded(formatLatitude(c->latitude), 10) +
               padded(formatLongitude(c->longitude), 11) + padded(c->zone, widths[3]) +
               std::to_string(c->population) + "\n";
    return forTerminal(out);
}

std::string declinationReport(double latitude, double longitude, const CivilDate& date,
                              const ModelDeclination& d, bool json) {
    if (json) {
        JsonWriter j;
        beginDocument(j, "declination");
        j.numberMember("latitude", latitude);
        j.numberMember("longitude", longitude);
        j.stringMember("date", isoDate(date));
        j.numberMember("magneticDeclination", d.degrees);
        j.stringMember("model", "WMM2025");
        j.booleanMember("withinModelYears", d.withinModelYears);
        j.endObject();
        return j.text();
    }
    std::string out = "Magnetic declination at " + formatLatitude(latitude) + " " +
                      formatLongitude(longitude) + " on " + isoDate(date) + ": " +
                      formatText("%1f", d.degrees) + "\xB0 (" +
                      (d.degrees >= 0.0 ? "east" : "west") +
                      " of true north), World Magnetic Model 2025\n";
    if (!d.withinModelYears)
        out += "The date lies outside the model's years 2025 to 2030: the value is "
               "extrapolated.\n";
    return forTerminal(out);
}

std::string placeEditReport(const std::string& verb, const std::string& name,
                            const LocationList& list, bool json) {
    int32_t index = -1;
    for (int32_t i = 0; i < list.count(); ++i)
        if (list.records[static_cast<size_t>(i)].name == name) index = i;
    const Location* current = list.currentLocation();
    if (json) {
        JsonWriter j;
        beginDocument(j, "locations " + verb);
        if (index >= 0) {
            j.key("location");
            j.beginObject();
            locationMembers(j, list.records[static_cast<size_t>(index)]);
            j.endObject();
        }
        j.key("current");
        if (current)
            j.string(windows1252ToUtf8(current->name));
        else
            j.null();
        j.endObject();
        return j.text();
    }
    std::string out;
    if (verb == "remove") out = "Removed " + printableWindows1252(name) + ".\n";
    if (index >= 0 && verb != "select") {
        LocationList stored;
        stored.present = true;
        stored.records = {list.records[static_cast<size_t>(index)]};
        stored.current = index == list.current ? 0 : -1;
        out += "Stored:\n" + placeRows(stored);
    }
    out += "The current place is " +
           (current ? printableWindows1252(current->name) : std::string("none")) + ".\n";
    return forTerminal(out);
}

} // namespace skyledger
