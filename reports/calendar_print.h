// The Moon calendar on paper: one page, the title with the month, the
// location line, the weekday headings and six weeks of three-quarter-inch
// cells with a disc, the day number and the percentage in each day's cell.
#pragma once

class QPainter;
class QPrinter;

namespace skyledger {

struct AppState;

// The page routine: draws the state's calendar grid for its current date.
void printCalendarPages(QPrinter& printer, QPainter& painter, const AppState& state);

} // namespace skyledger
