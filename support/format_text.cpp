// The program's own formatted-text routine and the integer and fixed-point
// conversions behind it. Decimal numbers are rounded half away from zero;
// the format language is described in format_text.h.
#include "support/format_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace skyledger {
namespace {

constexpr int MAX_DECIMALS = 6;
constexpr int DEFAULT_DECIMALS = 4;
constexpr double POWERS_OF_TEN[MAX_DECIMALS + 1] = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6};

// Scaled values below 2^31 are rounded by adding 0.5 to the scaled double and
// truncating; larger ones are converted exactly from the value itself.
constexpr double SCALED_LIMIT = 2147483648.0;

// Decimals that hold the exact expansion of any double not below 2^11 (the
// smallest value that can reach SCALED_LIMIT with six decimals): its last
// binary place is 2^-41 or coarser.
constexpr int EXACT_DECIMALS = 52;

// Places the point before the last n digits (none for n = 0) after padding
// with leading zeros to at least n + 1 digits, or two digits when n = 0.
std::string placePoint(std::string digits, int n) {
    const std::size_t minDigits = n == 0 ? 2 : static_cast<std::size_t>(n) + 1;
    if (digits.size() < minDigits) {
        digits.insert(0, minDigits - digits.size(), '0');
    }
    if (n > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(n), 1, '.');
    }
    return digits;
}

// x >= 0, x * 10^n below SCALED_LIMIT: the scaled double plus 0.5, truncated.
std::string roundedScaled(double x, int n) {
    const auto whole = static_cast<uint64_t>(x * POWERS_OF_TEN[n] + 0.5);
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, whole).ptr;
    return placePoint(std::string(buffer, end), n);
}

// Adds one unit in the last place of a text of digits and at most one point.
void incrementDigits(std::string& text) {
    for (std::size_t i = text.size(); i > 0; --i) {
        char& c = text[i - 1];
        if (c == '.') {
            continue;
        }
        if (c != '9') {
            ++c;
            return;
        }
        c = '0';
    }
    text.insert(0, 1, '1');
}

// Finite x >= 2^11: the exact decimal expansion of x, rounded half away from
// zero at n decimals by the first dropped digit.
std::string roundedExact(double x, int n) {
    char buffer[400]; // 309 whole digits, the point and EXACT_DECIMALS decimals
    const auto converted =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, EXACT_DECIMALS);
    std::string text(buffer, converted.ptr);
    const std::size_t point = text.find('.');
    const bool roundUp = text[point + static_cast<std::size_t>(n) + 1] >= '5';
    text.resize(n == 0 ? point : point + static_cast<std::size_t>(n) + 1);
    if (roundUp) {
        incrementDigits(text);
    }
    return text;
}

void stripZeros(std::string& text) {
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
}

// Fits an integer text to exactly `width` characters: zeros in front when it
// is shorter, `width` asterisks when it is longer. A negative width copies it.
void appendFitted(std::string& out, const std::string& text, int width) {
    if (width < 0) {
        out += text;
        return;
    }
    const auto size = static_cast<std::size_t>(width);
    if (text.size() > size) {
        out.append(size, '*');
    } else {
        out.append(size - text.size(), '0');
        out += text;
    }
}

char escapedCharacter(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c;
    }
}

// Hands out the arguments in order; an argument of another kind, or none at
// all, is reported as null (the directive then produces nothing).
class ArgumentReader {
  public:
    explicit ArgumentReader(std::span<const FormatArg> args) : args_(args) {}

    const FormatArg* next(FormatArg::Kind kind) {
        if (index_ >= args_.size()) {
            return nullptr;
        }
        const FormatArg& arg = args_[index_++];
        return arg.kind() == kind ? &arg : nullptr;
    }

  private:
    std::span<const FormatArg> args_;
    std::size_t index_ = 0;
};

// Reads one directive starting just after its '%' and appends its text.
// Returns the position after the character that ended it.
std::size_t formatDirective(std::string_view format, std::size_t pos, ArgumentReader& args,
                            std::string& out) {
    int number = -1; // no digit given
    bool strip = false;
    while (pos < format.size()) {
        const auto c = static_cast<unsigned char>(format[pos++]);
        if (c >= '0' && c <= '6') {
            number = c - '0';
            continue;
        }
        switch (c) {
        case 'z':
            strip = true;
            continue;
        case '%':
            out += '%';
            break;
        case 'c':
            if (const FormatArg* arg = args.next(FormatArg::Kind::Integer)) {
                out += static_cast<char>(arg->integer() & 0xFF);
            }
            break;
        case 'd':
        case ',':
            if (const FormatArg* arg = args.next(FormatArg::Kind::Integer)) {
                std::string text = formatInteger(arg->integer());
                if (c == ',') {
                    groupThousands(text);
                }
                appendFitted(out, text, number);
            }
            break;
        case 's':
            if (const FormatArg* arg = args.next(FormatArg::Kind::Text)) {
                out += arg->text();
            }
            break;
        case 'f':
            if (const FormatArg* arg = args.next(FormatArg::Kind::Real)) {
                out += formatFixed(arg->real(), number < 0 ? DEFAULT_DECIMALS : number, strip);
            }
            break;
        default: // any other character ends the directive silently
            break;
        }
        return pos;
    }
    return pos; // a directive cut short by the end of the format produces nothing
}

} // namespace

std::string formatTextArgs(std::string_view format, std::span<const FormatArg> args) {
    std::string out;
    out.reserve(format.size() + 16);
    ArgumentReader reader(args);
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos++];
        if (c == '\\') {
            if (pos < format.size()) {
                out += escapedCharacter(format[pos++]);
            }
        } else if (c == '%') {
            pos = formatDirective(format, pos, reader, out);
        } else {
            out += c;
        }
    }
    return out;
}

std::string formatInteger(int32_t value) {
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

void groupThousands(std::string& text) {
    if (text.size() <= 3) {
        return;
    }
    const std::size_t first = text[0] == '-' ? 1 : 0;
    for (std::size_t i = text.size(); i > first + 3; i -= 3) {
        text.insert(i - 3, 1, ',');
    }
}

std::string formatFixed(double x, int n, bool strip) {
    n = n < 0 ? 0 : (n > MAX_DECIMALS ? MAX_DECIMALS : n);
    if (x == 0.0) {
        return n == 0 ? std::string("0") : "0." + std::string(static_cast<std::size_t>(n), '0');
    }
    if (std::isnan(x)) {
        return "nan";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-inf" : "inf";
    }
    std::string text = x < 0 ? "-" : "";
    const double magnitude = std::fabs(x);
    if (magnitude * POWERS_OF_TEN[n] < SCALED_LIMIT) {
        text += roundedScaled(magnitude, n);
    } else {
        text += roundedExact(magnitude, n);
    }
    if (n != 0 && strip) {
        stripZeros(text);
    }
    return text;
}

} // namespace skyledger
