// The altitude/azimuth table on paper: one page, the title with the date, the
// location line, and the 96 quarter-hour samples in two halves side by side
// (00:00 to 11:45 on the left, 12:00 to 23:45 on the right).
#pragma once

class QPainter;
class QPrinter;

namespace skyledger {

struct AppState;
struct TrackLayout;

// The table's two head lines ("Sun" and "Moon" over their columns, then each
// column's name), the first with its top at `y`, the second `line` below it:
// the same on screen and on paper.
void drawTrackHeadLines(QPainter& painter, const TrackLayout& layout, int y, int line);

// The page routine: draws the state's track table for its current date.
void printTrackPages(QPrinter& printer, QPainter& painter, const AppState& state);

} // namespace skyledger
