// Text export of the multi-day chart.
#include "almanac/chart_export.h"

#include "almanac/display_format.h"
#include "support/format_text.h"

namespace skyledger {

namespace {
const char* const LINE_END = "\r\n";

const char* timeBasisCode(int32_t basis) {
    switch (basis) {
    case TIME_DAYLIGHT:
        return "DT";
    case TIME_UNIVERSAL:
        return "UT";
    default:
        return "ST";
    }
}

// An event's two fields, both empty when it does not happen.
void appendEvent(std::string& line, double time, double bearing, bool twelveHourClock) {
    line += '\t';
    if (!isNoEvent(time)) {
        std::string text;
        formatEventTime(time, twelveHourClock, text);
        line += text;
    }
    line += '\t';
    if (!isNoEvent(time)) line += formatBearing(bearing);
}
} // namespace

std::string reportLocationLine(const Location& location, const Preferences& preferences) {
    return formatText("%s (%s, %s), %s, %s bearings", location.name,
                      formatLatitude(location.latitude), formatLongitude(location.longitude),
                      timeBasisCode(preferences.timeBasis),
                      preferences.magneticBearings ? "Magnetic" : "True");
}

std::string chartText(const ChartTable& chart, const Location& location,
                      const Preferences& preferences) {
    const bool twelveHour = preferences.twelveHourClock != 0;
    std::string out;
    out += "Sun/Moon Rise/Set Information";
    out += LINE_END;
    out += reportLocationLine(location, preferences);
    out += LINE_END;
    out += "Date\tSunrise\t\tSunset\t\tMoonrise\t\tMoonset\t\t%Illum";
    out += LINE_END;
    for (int32_t i = 0; i < chart.rowCount; ++i) {
        const ChartRow& row = chart.rows[static_cast<size_t>(i)];
        std::string line = formatDate(row.day, row.month, row.year);
        appendEvent(line, row.sunrise, row.sunriseBearing, twelveHour);
        appendEvent(line, row.sunset, row.sunsetBearing, twelveHour);
        appendEvent(line, row.moonrise, row.moonriseBearing, twelveHour);
        appendEvent(line, row.moonset, row.moonsetBearing, twelveHour);
        line += '\t';
        line += formatText("%d%%", static_cast<int32_t>(row.illuminationPercent));
        out += line;
        out += LINE_END;
    }
    return out;
}

} // namespace skyledger
