// The command line of skyledger-cli: the command, its arguments and the
// options, read without touching any file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/result.h"

namespace skyledger {

struct CliArgs {
    // day, details, chart, track, calendar, locations, cities, declination; empty when none
    std::string command;
    std::vector<std::string> positional;
    std::optional<std::string> locationName;
    std::optional<std::string> latitudeText;
    std::optional<std::string> longitudeText;
    std::optional<std::string> zoneText;
    std::optional<std::string> tzName; // an IANA time-zone name for an ad-hoc place
    std::optional<std::string> declinationText;
    std::optional<std::string> city; // locations add: the atlas's first match
    std::optional<std::string> basis;    // standard, daylight, universal, local
    std::optional<std::string> clock;    // 12, 24
    std::optional<std::string> bearings; // magnetic, true
    std::optional<std::string> settingsFile;
    std::optional<std::string> outputFile;
    bool json = false;
    bool help = false;
    bool version = false;
};

// Reads argv[1..]; options may stand before or after the command, with their
// value as the next argument or after '='. After "--" every word is the
// command or one of its arguments. Gives the arguments read, or a one-line
// description of the problem with them.
Result<CliArgs, std::string> parseCliArgs(const std::vector<std::string>& argv);

// A number as a person types it at a shell: an optional sign, digits and at
// most one point ("4,5", "50%" and "1e2" are refused, though the settings
// file's reader takes them).
std::optional<double> parsePlainDecimal(std::string_view text);

// A latitude in degrees from "51.48", "-33.9", "51.48N" or "33.9S"; a
// longitude, positive west, from "0.0015", "0.0015W" or "151.21E". A sign and
// a letter together are refused.
std::optional<double> parseLatitudeText(const std::string& text);
std::optional<double> parseLongitudeText(const std::string& text);

} // namespace skyledger
