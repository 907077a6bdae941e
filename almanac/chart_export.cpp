// Text export of the multi-day chart.
#include "almanac/chart_export.h"

#include "almanac/display_format.h"
#include "support/format_text.h"

namespace skyledger {

namespace {
const char* const LINE_END = "\r\n";

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

std::string chartText(const ChartTable& chart, const Location& location,
                      const Preferences& preferences) {
    const bool twelveHour = preferences.twelveHourClock;
    std::string out;
    out += "Sun/Moon Rise/Set Information";
    out += LINE_END;
    out += reportLocationLine(location, preferences);
    out += LINE_END;
    out += "Date\tSunrise\t\tSunset\t\tMoonrise\t\tMoonset\t\t%Illum";
    out += LINE_END;
    for (const ChartRow& row : chart.rows) {
        const DayNumbers& n = row.numbers;
        std::string line = formatDate(row.date.day, row.date.month, row.date.year);
        appendEvent(line, n.sunrise, n.sunriseBearing, twelveHour);
        appendEvent(line, n.sunset, n.sunsetBearing, twelveHour);
        appendEvent(line, n.moonrise, n.moonriseBearing, twelveHour);
        appendEvent(line, n.moonset, n.moonsetBearing, twelveHour);
        line += '\t';
        line += formatText("%d%%", static_cast<int32_t>(n.illuminationPercent));
        out += line;
        out += LINE_END;
    }
    return out;
}

} // namespace skyledger
