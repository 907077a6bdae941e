// The program's own number parsers, used for everything the user types and
// the settings file holds. parseDecimal accepts thousands commas (skipped), a
// single point, one percent sign (divides by 100) and an exponent of one to
// three digits; anything left over is a failure.
#pragma once

#include <cstdint>
#include <string_view>

namespace skyledger {

// Reads a decimal number: optional sign, digits with commas skipped anywhere,
// at most one point and one percent sign, then optionally E or e, an optional
// sign and one to three exponent digits ("12.5%" is 0.125, "1.5e2" is 150,
// "." is 0). Returns false on a syntax error, when no digit or point was seen,
// when anything is left over, or when the value is not a finite double.
// `result` then holds the value accumulated so far, or 0 where that would not
// be finite.
bool parseDecimal(std::string_view text, double& result);

// Reads an optional sign and one or more digits. Returns false without a
// digit, with anything after the digits, or beyond the 32-bit range
// ("-2147483648" is the lowest accepted). `result` holds the value read so
// far (sign applied), or 0 when the text went out of range.
bool parseInteger(std::string_view text, int32_t& result);

} // namespace skyledger
