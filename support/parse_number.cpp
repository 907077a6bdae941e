// The program's own number parsers. parseDecimal reads digits with thousands
// commas, one point, one percent sign and a short exponent, and scales by a
// power of ten computed in extended precision; parseInteger reads a signed
// 32-bit integer.
#include "support/parse_number.h"

#include <cmath>
#include <cstddef>

namespace skyledger {
namespace {

constexpr int MAX_EXPONENT_DIGITS = 3;
constexpr int64_t INT32_MAGNITUDE_LIMIT = 2147483648; // magnitude of the most negative value

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// 10^power: exact for the powers 0, 1, 2 and -1, otherwise by repeated
// squaring of 10 in extended precision, taking the reciprocal for negative
// powers. `value` is divided by it; the quotient is rounded once to double.
double divideByPowerOfTen(double value, int64_t power) {
    switch (power) {
    case 0:
        return value;
    case 1:
        return value / 10.0;
    case 2:
        return value / 100.0;
    case -1:
        return value / 0.1;
    default:
        break;
    }
    long double factor = 1.0L;
    long double square = 10.0L;
    for (uint64_t k = power < 0 ? 0 - static_cast<uint64_t>(power) : static_cast<uint64_t>(power);
         k != 0; k >>= 1) {
        if (k & 1) {
            factor *= square;
        }
        square *= square;
    }
    if (power < 0) {
        factor = 1.0L / factor;
    }
    return static_cast<double>(static_cast<long double>(value) / factor);
}

// Stores a failed parse's partial value, replacing a non-finite one by 0.
bool fail(double partial, double& result) {
    result = std::isfinite(partial) ? partial : 0.0;
    return false;
}

// The digits before any exponent, read as a whole number, with what was seen
// among them.
struct Mantissa {
    double value = 0.0;
    int64_t decimals = 0; // digits after the point
    bool digitSeen = false;
    bool pointSeen = false;
    bool percentSeen = false;
};

// Reads digits, thousands commas, one point and one percent sign from `pos`
// up to the first other character. False at a second point or percent sign.
bool readMantissa(std::string_view text, std::size_t& pos, Mantissa& m) {
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == ',') continue;
        if (isDigit(c)) {
            m.value = m.value * 10.0 + (c - '0');
            m.digitSeen = true;
            m.decimals += m.pointSeen ? 1 : 0;
        } else if (c == '.') {
            if (m.pointSeen) return false;
            m.pointSeen = true;
        } else if (c == '%') {
            if (m.percentSeen) return false;
            m.percentSeen = true;
        } else {
            return true;
        }
    }
    return true;
}

// Reads an exponent "E", an optional sign and at most MAX_EXPONENT_DIGITS
// digits at `pos`, if one starts there, into `exponent` (0 without one).
// False when the E has no digit after it.
bool readExponent(std::string_view text, std::size_t& pos, int64_t& exponent) {
    exponent = 0;
    if (pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e')) return true;
    ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    if (pos >= text.size() || !isDigit(text[pos])) return false;
    for (int k = 0; k < MAX_EXPONENT_DIGITS && pos < text.size() && isDigit(text[pos]); ++k, ++pos)
        exponent = exponent * 10 + (text[pos] - '0');
    if (negative) exponent = -exponent;
    return true;
}

} // namespace

bool parseDecimal(std::string_view text, double& result) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    Mantissa m;
    int64_t exponent = 0;
    if (!readMantissa(text, pos, m) || !readExponent(text, pos, exponent))
        return fail(m.value, result);
    const int64_t power = m.decimals - exponent + (m.percentSeen ? 2 : 0);
    double value = divideByPowerOfTen(m.value, power);
    if (negative) value = -value;
    if ((!m.digitSeen && !m.pointSeen) || pos != text.size() || !std::isfinite(value))
        return fail(value, result);
    result = value;
    return true;
}

bool parseInteger(std::string_view text, int32_t& result) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    const int64_t limit = negative ? INT32_MAGNITUDE_LIMIT : INT32_MAGNITUDE_LIMIT - 1;
    int64_t magnitude = 0;
    const std::size_t firstDigit = pos;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > limit) {
            result = 0;
            return false;
        }
    }
    result = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return pos != firstDigit && pos == text.size();
}

} // namespace skyledger
