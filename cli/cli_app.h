// skyledger-cli: the almanac in a terminal, a script or a cron job, over the
// same core and the same settings file as the desktop program.
#pragma once

#include <string>
#include <vector>

#include "almanac/civil_calendar.h"

namespace skyledger {

// What the program takes from its surroundings: its own file name (the
// settings file lives beside it), today's local date and whether daylight
// saving time is in force now.
struct CliEnvironment {
    std::string programPath;
    CivilDate today;
    bool daylightSavingNow = false;
};

struct CliResult {
    int status = 0;  // 0 success, 1 a file problem, 2 bad input
    std::string out; // UTF-8
    std::string err; // UTF-8
};

CliResult runCli(const std::vector<std::string>& argv, const CliEnvironment& environment);

} // namespace skyledger
