// The program's own formatted-text routine and the integer and fixed-point
// conversions behind it. The format language is small and has its own
// meanings: "%2f" means two decimals, not a field width; numbers are rounded
// half away from zero.
//
// Directives: '%' then any of the digits 0..6 (the last one wins: %12f has two
// decimals) and 'z' (strip trailing zeros), ended by one of:
//   '%'  a percent sign          'c'  the low byte of an int argument
//   'd'  an int                  ','  an int with thousands commas
//   's'  a text                  'f'  a double with N decimals (4 if no digit)
// Any other character ends the directive and produces nothing. For 'd' and
// ',' a digit N fits the text to exactly N characters: zeros in front (also in
// front of a minus sign), or N asterisks when it is wider. A backslash in the
// format gives \n, \r, \t or the next character literally.
//
// Arguments are checked at compile time: each must be an integer (taken as a
// signed 32-bit value), a double, a char or a text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace skyledger {

// One argument of formatText: a signed 32-bit integer, a double or a text.
class FormatArg {
  public:
    enum class Kind { Integer, Real, Text };

    template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) FormatArg(T v)
        : kind_(Kind::Integer), integer_(static_cast<int32_t>(v)) {}
    FormatArg(double v) : kind_(Kind::Real), real_(v) {}
    FormatArg(const char* v) : kind_(Kind::Text), text_(v ? v : "") {}
    FormatArg(std::string_view v) : kind_(Kind::Text), text_(v) {}
    FormatArg(const std::string& v) : kind_(Kind::Text), text_(v) {}

    Kind kind() const { return kind_; }
    int32_t integer() const { return integer_; }
    double real() const { return real_; }
    std::string_view text() const { return text_; }

  private:
    Kind kind_;
    int32_t integer_ = 0;
    double real_ = 0.0;
    std::string_view text_;
};

// Formats `format` with the given arguments. The directives c, d, ',', s and
// f each take the next argument in order; when it is missing or of another
// kind (c, d and ',' need an integer, s a text, f a double) the directive
// produces nothing. A '%' or backslash cut short by the end of the format
// produces nothing either.
std::string formatTextArgs(std::string_view format, std::span<const FormatArg> args);

template <typename... Args> std::string formatText(std::string_view format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    return formatTextArgs(format, std::span<const FormatArg>(list, sizeof...(Args)));
}

// Decimal text of a signed 32-bit integer ("-" for negatives, "0" for zero).
std::string formatInteger(int32_t value);

// Inserts a comma between groups of three digits counted from the right;
// texts of three characters or fewer are left alone; a leading minus sign
// belongs to no group.
void groupThousands(std::string& text);

// Fixed-point text of x with n decimals (clamped to 0..6), rounded half away
// from zero, at least n + 2 characters (5 with n = 0 gives "05", 0.05 with
// n = 2 gives "0.05"); with `strip`, trailing zeros and then a trailing point
// are removed. A value that rounds to zero keeps its sign (-0.001 gives
// "-0.00"), but an exact zero is "0" or "0." and n zeros, unsigned and never
// stripped. While x * 10^n is below 2^31 the rounding is applied to that
// scaled double (add 0.5, truncate: 0.125 with n = 2 gives "0.13"); larger
// values are rounded from their exact decimal expansion, so every digit is
// right. Infinities and NaN give "inf", "-inf" and "nan".
std::string formatFixed(double x, int n, bool strip);

} // namespace skyledger
