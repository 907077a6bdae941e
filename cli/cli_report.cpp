// Text and JSON renderings of the command-line almanac's results.
#include "cli/cli_report.h"

#include <cmath>

#include "almanac/chart_export.h"
#include "almanac/display_format.h"
#include "almanac/phase_angle.h"
#include "astro/constants.h"
#include "cli/json_writer.h"
#include "support/format_text.h"
#include "support/terminal_text.h"
#include "support/windows1252.h"

namespace skyledger {

namespace {

const char* const WEEKDAY_NAMES[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const MONTH_NAMES[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

const char* basisName(TimeBasis basis) {
    switch (basis) {
    case TimeBasis::Daylight:
        return "daylight";
    case TimeBasis::Universal:
        return "universal";
    case TimeBasis::Standard:
        break;
    }
    return "standard";
}

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

std::string heading(const AppState& s, const std::string& title) {
    return title + "  " + reportLocationLine(shownPlace(s), s.preferences) + "\n";
}

void writeContext(JsonWriter& j, const AppState& s, const char* command) {
    const Location& p = place(s);
    j.stringMember("command", command);
    j.key("location");
    j.beginObject();
    j.stringMember("name", windows1252ToUtf8(p.name));
    j.numberMember("latitude", p.latitude);
    j.numberMember("longitude", p.longitude);
    j.numberMember("magneticDeclination", p.magneticDeclination);
    j.numberMember("timeZone", p.timeZone);
    j.endObject();
    j.key("preferences");
    j.beginObject();
    j.stringMember("timeBasis", basisName(s.preferences.timeBasis));
    j.booleanMember("twelveHourClock", s.preferences.twelveHourClock);
    j.booleanMember("magneticBearings", s.preferences.magneticBearings);
    j.endObject();
}

void textMember(JsonWriter& j, const char* name, const std::string& text) {
    j.stringMember(name, windows1252ToUtf8(text));
}

void eventMember(JsonWriter& j, const char* name, double value) {
    j.key(name);
    if (isNoEvent(value))
        j.null();
    else
        j.number(value);
}

std::string dayJson(const AppState& s) {
    const DayAlmanac& d = s.day;
    JsonWriter j;
    j.beginObject();
    writeContext(j, s, "day");
    j.stringMember("date", isoDate(s.currentDate));
    j.key("day");
    j.beginObject();
    textMember(j, "sunriseText", d.sunriseText);
    textMember(j, "sunsetText", d.sunsetText);
    textMember(j, "sunriseBearingText", d.sunriseBearingText);
    textMember(j, "sunsetBearingText", d.sunsetBearingText);
    textMember(j, "moonriseText", d.moonriseText);
    textMember(j, "moonsetText", d.moonsetText);
    textMember(j, "moonriseBearingText", d.moonriseBearingText);
    textMember(j, "moonsetBearingText", d.moonsetBearingText);
    j.integerMember("illuminationPercent", d.illuminationPercent);
    j.numberMember("moonPhaseAngle", d.moonPhaseAngle);
    j.integerMember("southernHemisphere", d.southernHemisphere ? 1 : 0);
    j.endObject();
    j.stringMember("phaseName", moonPhaseName(d.moonPhaseAngle));
    j.endObject();
    return j.text();
}

std::string eventCells(const std::string& time, const std::string& bearing, size_t timeWidth) {
    return padded(orDash(time), timeWidth) + "  " + padded(orDash(bearing), 4) + "    ";
}

} // namespace

std::string dayReport(const AppState& s, bool json) {
    if (json) return dayJson(s);
    const DayAlmanac& d = s.day;
    const size_t tw = s.preferences.twelveHourClock ? 7 : 5;
    std::string out = heading(s, isoDate(s.currentDate)) + "\n";
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

std::string chartReport(const AppState& s, bool json) {
    if (!json) return forTerminal(chartText(s.chart, shownPlace(s), s.preferences));
    JsonWriter j;
    j.beginObject();
    writeContext(j, s, "chart");
    j.key("rows");
    j.beginArray();
    for (const ChartRow& row : s.chart.rows) {
        const DayNumbers& r = row.numbers;
        j.beginObject();
        j.integerMember("day", row.date.day);
        j.integerMember("month", row.date.month);
        j.integerMember("year", row.date.year);
        eventMember(j, "sunrise", r.sunrise);
        eventMember(j, "sunset", r.sunset);
        eventMember(j, "sunriseBearing", r.sunriseBearing);
        eventMember(j, "sunsetBearing", r.sunsetBearing);
        eventMember(j, "moonrise", r.moonrise);
        eventMember(j, "moonset", r.moonset);
        eventMember(j, "moonriseBearing", r.moonriseBearing);
        eventMember(j, "moonsetBearing", r.moonsetBearing);
        j.numberMember("moonPhaseAngle", r.moonPhaseAngle);
        j.numberMember("illuminationPercent", r.illuminationPercent);
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
        writeContext(j, s, "track");
        j.stringMember("date", isoDate(s.currentDate));
        j.key("samples");
        j.beginArray();
        for (int32_t i = 0; i < TRACK_SAMPLES; ++i) {
            const TrackSample& t = s.track.samples[static_cast<size_t>(i)];
            std::string time;
            formatEventTime(i * TRACK_SAMPLE_STEP, twelve, time);
            j.beginObject();
            j.stringMember("time", time);
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
    const size_t tw = twelve ? 7 : 5;
    std::string out = heading(s, isoDate(s.currentDate)) + "\n";
    out += padded("", tw + 2) + padded("Sun", 21) + "Moon\n";
    out += padded("Time", tw + 2) + "Alt   Az    Shad     Alt   Az\n";
    for (int32_t i = 0; i < TRACK_SAMPLES; ++i) {
        const TrackSample& t = s.track.samples[static_cast<size_t>(i)];
        std::string time;
        formatEventTime(i * TRACK_SAMPLE_STEP, twelve, time);
        std::string line = padded(time, tw + 2) + padded(altitudeText(t.sunAltitude), 6) +
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
        writeContext(j, s, "calendar");
        j.integerMember("year", year);
        j.integerMember("month", month);
        j.key("cells");
        j.beginArray();
        for (size_t i = 0; i < g.dayNumber.size(); ++i) {
            j.beginObject();
            j.integerMember("dayNumber", g.dayNumber[i]);
            j.key("phaseAngle");
            if (g.dayNumber[i] != 0)
                j.number(g.phaseAngle[i]);
            else
                j.null();
            j.endObject();
        }
        j.endArray();
        j.endObject();
        return j.text();
    }
    std::string out = heading(s, formatText("%s %d", MONTH_NAMES[month - 1], year)) + "\n";
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
                const int lit =
                    static_cast<int>(std::lround(litFractionOfPhase(g.phaseAngle[cell]) * 100.0));
                text = formatText("%d %d%%", day, lit);
                if (day < 10) text.insert(0, " ");
            }
            line += padded(text, 9);
        }
        if (any) out += line + "\n";
    }
    return forTerminal(out);
}

std::string locationsReport(const AppState& s) {
    size_t nameWidth = 4;
    for (const Location& l : s.locations.records)
        nameWidth = std::max(nameWidth, l.name.size());
    std::string out =
        "  " + padded("Name", nameWidth + 2) + "Latitude  Longitude  Declination  Zone\n";
    for (int32_t i = 0; i < s.locations.count(); ++i) {
        const Location& l = s.locations.records[static_cast<size_t>(i)];
        out += i == s.locations.current ? "* " : "  ";
        out += padded(printableWindows1252(l.name), nameWidth + 2) +
               padded(formatLatitude(l.latitude), 10) + padded(formatLongitude(l.longitude), 11) +
               padded(formatText("%1f", l.magneticDeclination), 13) +
               formatText("%1f", l.timeZone) + "\n";
    }
    return windows1252ToUtf8(out);
}

} // namespace skyledger
