#include "reports/chart_layout.h"

#include <algorithm>
#include <utility>

#include "almanac/display_format.h"
#include "support/format_text.h"

namespace skyledger {

ChartLayout makeChartLayout(const TextMeasure& width, int gap, int discSize, int left,
                            bool twelveHourClock) {
    ChartLayout l;
    int widestMonth = 0;
    for (int32_t month = 1; month <= 12; ++month)
        widestMonth = std::max(widestMonth, width(monthAbbreviation(month)));
    l.dateWidth = widestMonth + width("99--99");
    l.timeWidth = width("99:99") + (twelveHourClock ? width("AM") : 0);
    l.bearingWidth = width("999\xB0");
    l.illumWidth = width("999%");
    l.gap = gap;
    l.discSize = discSize;
    l.dateX = left;
    int x = l.dateX + l.dateWidth;
    for (int event = 0; event < CHART_EVENTS; ++event) {
        l.timeX[event] = x + 2 * gap;
        l.bearingX[event] = l.timeX[event] + l.timeWidth + gap;
        x = l.bearingX[event] + l.bearingWidth;
    }
    l.illumX = x + 2 * gap;
    l.discX = l.illumX + l.illumWidth + gap;
    l.tableRight = l.discX + discSize + gap;
    return l;
}

ChartRowTexts chartRowTexts(const ChartRow& row, bool twelveHourClock) {
    const DayNumbers& n = row.numbers;
    const std::array<const std::optional<SkyEvent>*, CHART_EVENTS> events = {
        &n.sunrise, &n.sunset, &n.moonrise, &n.moonset};
    ChartRowTexts t;
    t.date = formatDate(row.date.day, row.date.month, row.date.year);
    for (int event = 0; event < CHART_EVENTS; ++event) {
        EventTexts texts = eventTexts(*events[event], twelveHourClock);
        t.time[event] = std::move(texts.time);
        t.bearing[event] = std::move(texts.bearing);
    }
    t.illumination = formatText("%d%%", static_cast<int32_t>(n.illuminationPercent));
    return t;
}

std::array<ChartHead, 6> chartHeads(const ChartLayout& l) {
    const auto across = [&](const char* text, int event) {
        return ChartHead{text, l.timeX[event], l.bearingX[event] + l.bearingWidth};
    };
    return {ChartHead{"Date", l.dateX, l.dateX + l.dateWidth},
            across("Sunrise", CHART_SUNRISE),
            across("Sunset", CHART_SUNSET),
            across("Moonrise", CHART_MOONRISE),
            across("Moonset", CHART_MOONSET),
            ChartHead{"%Illum", l.illumX, l.discX + l.discSize}};
}

std::array<int, 5> chartRuleXs(const ChartLayout& l) {
    return {l.timeX[CHART_SUNRISE] - l.gap, l.timeX[CHART_SUNSET] - l.gap,
            l.timeX[CHART_MOONRISE] - l.gap, l.timeX[CHART_MOONSET] - l.gap, l.illumX - l.gap};
}

} // namespace skyledger
