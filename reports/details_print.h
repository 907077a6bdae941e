// The Day Details on paper: one page with the title and the date, the
// location line, the altitude graph and the details in two columns.
#pragma once

#include <optional>

class QPainter;
class QPrinter;

namespace skyledger {

struct AppState;

// The page routine: draws the state's details for its current date; `now`
// is the current clock time when the date is today.
void printDetailsPage(QPrinter& printer, QPainter& painter, const AppState& state,
                      std::optional<double> now);

} // namespace skyledger
