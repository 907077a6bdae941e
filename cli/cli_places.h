// The place commands of skyledger-cli: `cities` searches the atlas,
// `declination` asks the magnetic model, and `locations add|remove|select|
// rename` edit the settings file's list through the list operations the
// Location dialog uses, saved the same safe way.
#pragma once

#include <string>

#include "almanac/civil_calendar.h"
#include "cli/cli_app.h"
#include "cli/cli_args.h"

namespace skyledger {

// True for the commands runPlaceCommand answers: cities, declination, and
// locations with a subcommand.
bool isPlaceCommand(const CliArgs& args);

// Runs one of them. `date` is the command's date (today unless given; the
// magnetic model's date), `settingsPath` the settings file to read and write.
CliResult runPlaceCommand(const CliArgs& args, const CivilDate& date,
                          const std::string& settingsPath);

} // namespace skyledger
