// The program's own number parsers, used for everything the user types and
// the settings file holds. parseDecimal accepts thousands commas (skipped), a
// single point, one percent sign (divides by 100) and an exponent of one to
// three digits; anything left over is a failure.
#pragma once

#include <cstdint>
#include <string_view>

namespace skyledger {

// Reads a decimal number. Returns false on a syntax error or when the value is
// not a finite double; `result` then holds whatever was accumulated (finite).
bool parseDecimal(std::string_view text, double& result);

// Reads an optional sign and one or more digits. Returns false without a
// digit, with anything after the digits, or beyond the 32-bit range.
bool parseInteger(std::string_view text, int32_t& result);

} // namespace skyledger
