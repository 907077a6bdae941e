// The Day Details page, the same on screen and on paper: a graph of the
// Sun's and the Moon's altitude against the day's clock time (00 to 24),
// over a background banded from night through the three twilights to day,
// with the horizon, the rises, sets and transits marked and a line at the
// current time; under it the day's details as labelled lines in two columns.
#pragma once

#include <QColor>
#include <QRect>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "almanac/day_details.h"
#include "almanac/day_details_text.h"

class QPainter;

namespace skyledger {

struct DetailsLayout {
    QRect graph;         // the plotting area: 00 to 24 across, +90 to -90 degrees down
    int axisLeft = 0;    // the altitude labels' left edge
    int hourTop = 0;     // the hour labels' top, under the graph
    int textTop = 0;     // the first line of text
    int line = 0;        // the line pitch
    int labelWidth = 0;  // the widest label
    int valueOffset = 0; // from a column's left edge to its values
    int columns = 2;     // of text: 1 or 2
    int columnLeft[2] = {0, 0};
    int right = 0;       // the page's right edge
    int bottom = 0;      // under the last line of text
};

// Text widths come from `width` (Windows-1252 text in, pixels out); `line` is
// the line pitch, `gap` the spacing unit; the page's top-left corner is at
// (left, top). The text stands in `columns` columns (1 or 2), each wide
// enough for `lines` and for the longest value a missing event can have, so
// the page keeps its size as days change; the graph, `graphLines` lines
// high, spans them and reaches at least to `minimumRight`.
[[nodiscard]] DetailsLayout makeDetailsLayout(const std::function<int(std::string_view)>& width,
                                              const std::vector<DetailLine>& lines, int line,
                                              int gap, int left, int top, int columns,
                                              int graphLines, int minimumRight = 0);

// The graph of `details` with its axis labels; `now` is the current clock
// time (radians of a day) when the date is today. Painter's font is the
// labels' font.
void drawDetailsGraph(QPainter& painter, const DetailsLayout& layout, const DayDetails& details,
                      std::optional<double> now);

// The lines: in two columns the first half left and the rest right.
void drawDetailLines(QPainter& painter, const DetailsLayout& layout,
                     const std::vector<DetailLine>& lines);

// The background colour of the graph where the Sun stands at `altitude`
// (degrees): night, astronomical, nautical or civil twilight, or day.
[[nodiscard]] QColor skyBandColour(double altitude);

} // namespace skyledger
