// The multi-day chart on paper: the window's table laid out again in the
// printer's fonts, with a title block on every page and page breaks above the
// bottom margin; and the chart saved as the tab-separated text file.
#pragma once

#include <QString>
#include <functional>

#include "gui/message_sink.h"
#include "reports/chart_layout.h"
#include "reports/print_report.h"

class QWidget;

namespace skyledger {

struct AppState;

// The chart table laid out in the body font of `fonts`: the blank's width as
// spacing unit, the body line as disc size, the date column at the left margin.
[[nodiscard]] ChartLayout printChartLayout(const PrintFonts& fonts, const PageMargins& margins,
                                           bool twelveHourClock, const QPrinter& printer);

// The top of the first data line of page `pageNumber` (1, 2, ...): under the
// title, the location line on page 1, and the column heads.
[[nodiscard]] int chartFirstRowTop(const PrintFonts& fonts, const PageMargins& margins,
                                   int pageNumber);

// Prints the rows of `chart` under the place, time basis and bearing
// reference they were computed for, in the clock of `state`, on as many
// pages as it takes. A row goes to the next page when its
// bottom would reach margins.pageBottom.
void printChartPages(QPrinter& printer, QPainter& painter, const ChartTable& chart,
                     const AppState& state, const PageMargins& margins);

// The page routine for the print job: the margins come from the printer. Both
// arguments must outlive the routine.
[[nodiscard]] PageRoutine chartPageRoutine(const ChartTable& chart, const AppState& state);

// Asks for a file name ("" when the user cancels).
using SaveFileChooser = std::function<QString()>;

// The save dialog "Save Multiday Chart" with the one filter "Text (*.txt)": it
// asks before replacing a file and adds no extension.
[[nodiscard]] QString chooseChartTextFile(QWidget* owner);

// Saves the chart as text in the file `choose` names; nothing when it names
// none. The head lines name the chart's own place and preferences, the times
// follow the clock of `state`. A file that cannot be written (created, filled or closed) is reported
// as "Cannot create file" and leaves no partial file behind (a file it was
// to replace stays as it was). The message goes to `messages` over `owner`.
// True when written.
bool saveChartText(const ChartTable& chart, const AppState& state, const SaveFileChooser& choose,
                   const MessageSink& messages, QWidget* owner);

} // namespace skyledger
