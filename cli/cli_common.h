// What the commands of skyledger-cli share: how a refused request is told,
// and the ad-hoc place read from --lat, --lon, --zone and --declination.
#pragma once

#include <optional>
#include <string>

#include "cli/cli_args.h"
#include "settings/location.h"

namespace skyledger {

inline constexpr int EXIT_FILE_PROBLEM = 1; // also a computation that gave no result
inline constexpr int EXIT_BAD_INPUT = 2;
inline constexpr const char* CLI_PROGRAM = "skyledger-cli";

// A failure of a command: its exit status and its one-line message.
struct CliFailure {
    int status;
    std::string message;
};

// Bad input (exit 2): "skyledger-cli: <problem> (try 'skyledger-cli --help')".
CliFailure badInput(const std::string& problem);

// --lat and --lon (both given) as degrees north and degrees west, each
// checked against its range.
std::optional<CliFailure> placeCoordinates(const CliArgs& args, double& latitude,
                                           double& longitude);

// --declination, when given, checked against its range.
std::optional<CliFailure> declinationOption(const CliArgs& args, double& declination);

// The place given by --lat, --lon, --zone or --tz (a zone the database knows;
// its standard offset unless --zone is given) and --declination (0 unless
// given), each checked; the place is named "Ad-hoc place".
std::optional<CliFailure> adHocPlace(const CliArgs& args, Location& place);

} // namespace skyledger
