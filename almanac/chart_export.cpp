// Text export of the multi-day chart.
#include "almanac/chart_export.h"

#include "almanac/display_format.h"
#include "support/format_text.h"

namespace skyledger {

namespace {
const char* const LINE_END = "\r\n";

// An event's two fields, both empty when it does not happen.
void appendEvent(std::string& line, const std::optional<SkyEvent>& event, bool twelveHourClock) {
    const EventTexts texts = eventTexts(event, twelveHourClock);
    line += '\t';
    line += texts.time;
    line += '\t';
    line += texts.bearing;
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
        for (const std::optional<SkyEvent>& event : {n.sunrise, n.sunset, n.moonrise, n.moonset})
            appendEvent(line, event, twelveHour);
        line += '\t';
        line += formatText("%d%%", static_cast<int32_t>(n.illuminationPercent));
        out += line;
        out += LINE_END;
    }
    return out;
}

} // namespace skyledger
