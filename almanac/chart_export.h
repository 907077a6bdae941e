// The multi-day chart as a tab-separated text file: Windows-1252 bytes, every
// line ended by CR LF, three head lines and one line per row. Other programs
// read this format; it is kept byte for byte.
#pragma once

#include <string>

#include "almanac/chart.h"
#include "settings/location.h"

namespace skyledger {

// The whole export of the table's valid rows.
std::string chartText(const ChartTable& chart, const Location& location,
                      const Preferences& preferences);

} // namespace skyledger
