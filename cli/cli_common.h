// What the commands of skyledger-cli share: how a refused request is told,
// and the ad-hoc place read from --lat, --lon, --zone and --declination.
#pragma once

#include <optional>
#include <string>

#include "cli/cli_args.h"
#include "settings/location.h"
#include "support/result.h"

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

// A value of the command line, or the refusal to say instead.
template <typename T> using CliRead = Result<T, CliFailure>;

struct Coordinates {
    double latitude = 0.0;  // degrees north
    double longitude = 0.0; // degrees west
};

// --lat and --lon (both given), each checked against its range.
CliRead<Coordinates> placeCoordinates(const CliArgs& args);

// --declination checked against its range; none when it is not given.
CliRead<std::optional<double>> declinationOption(const CliArgs& args);

// The place given by --lat, --lon, --zone or --tz (a zone the database knows;
// its standard offset unless --zone is given) and --declination (0 unless
// given), each checked; the place is named "Ad-hoc place".
CliRead<Location> adHocPlace(const CliArgs& args);

} // namespace skyledger
