// The altitude/azimuth table on paper: one page, the title with the date, the
// location line, and the 96 quarter-hour samples in two halves side by side
// (00:00 to 11:45 on the left, 12:00 to 23:45 on the right).
#pragma once

class QPainter;
class QPrinter;

namespace skyledger {

struct AppState;

// The page routine: draws the state's track table for its current date.
void printTrackPages(QPrinter& printer, QPainter& painter, const AppState& state);

} // namespace skyledger
