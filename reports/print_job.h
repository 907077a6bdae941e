// How a report window hands its page routine to a print job: normally the
// print dialog and the chosen printer (printReport); tests and scripted runs
// put a PDF file in its place.
#pragma once

#include <functional>

#include "reports/print_report.h"

namespace skyledger {

using PrintJob = std::function<void(QWidget* owner, const PageRoutine& pages)>;

} // namespace skyledger
