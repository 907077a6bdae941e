// The columns of the multi-day chart, shared by the window and the printout:
// the same table built from the widths of its widest texts in one font, with
// one spacing unit and one disc size. Also the texts of one row's cells.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "almanac/chart.h"

namespace skyledger {

// The four events in column order.
enum ChartEvent { CHART_SUNRISE = 0, CHART_SUNSET = 1, CHART_MOONRISE = 2, CHART_MOONSET = 3 };
inline constexpr int CHART_EVENTS = 4;

// Column edges in pixels of the surface the table is drawn on.
struct ChartLayout {
    int dateWidth = 0;    // widest month abbreviation plus "99--99"
    int timeWidth = 0;    // "99:99", plus "AM" on the 12-hour clock
    int bearingWidth = 0; // three nines and the degree sign
    int illumWidth = 0;   // "999%"
    int gap = 0;          // the spacing unit g
    int discSize = 0;     // the square disc cell's side
    int dateX = 0;
    std::array<int, CHART_EVENTS> timeX{};
    std::array<int, CHART_EVENTS> bearingX{};
    int illumX = 0;
    int discX = 0;
    int tableRight = 0; // disc x + disc size + g
};

// Measures a Windows-1252 text in the table's font.
using TextMeasure = std::function<int(std::string_view text)>;

// Builds the columns left to right from `left`: date, then each event's time
// and bearing, the percentage and the disc; 2g before each time column and
// g before each bearing and the disc.
[[nodiscard]] ChartLayout makeChartLayout(const TextMeasure& width, int gap, int discSize, int left,
                                          bool twelveHourClock);

// The texts of one row, empty where a cell stays empty.
struct ChartRowTexts {
    std::string date;
    std::array<std::string, CHART_EVENTS> time;
    std::array<std::string, CHART_EVENTS> bearing;
    std::string illumination; // the percentage truncated toward zero, "57%"
};

[[nodiscard]] ChartRowTexts chartRowTexts(const ChartRow& row, bool twelveHourClock);

// The column heads and the columns each one spans (left and right edges).
struct ChartHead {
    const char* text;
    int left;
    int right;
};
[[nodiscard]] std::array<ChartHead, 6> chartHeads(const ChartLayout& layout);

// The x of the five vertical rules: before each time column and the percentage.
[[nodiscard]] std::array<int, 5> chartRuleXs(const ChartLayout& layout);

} // namespace skyledger
