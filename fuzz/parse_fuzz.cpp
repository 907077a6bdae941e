// Fuzzes the number parsers and the formatter. Properties checked:
// - parseDecimal leaves a finite value; an integer text reads the same
//   through both parsers;
// - formatText accepts any format with a fixed set of arguments;
// - for a finite value v (parsed from the input, or taken from its first
//   eight bytes), formatFixed(v, 6) reads back through parseDecimal within
//   half a unit of the sixth decimal plus floating rounding, and the text has
//   exactly the requested number of decimals.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "support/format_text.h"
#include "support/parse_number.h"

namespace {

using skyledger::formatFixed;
using skyledger::parseDecimal;

constexpr double SANE_MAGNITUDE = 1e9;     // 6 decimals still fit the 53-bit digit run
constexpr double LARGE_MAGNITUDE = 1e300;  // room for the digit run's rounding
constexpr double HALF_LAST_PLACE = 0.5e-6; // half a unit of the sixth decimal

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkRoundTrip(double v, unsigned decimalsByte) {
    if (!std::isfinite(v)) {
        check(formatFixed(v, 6, false) == (std::isnan(v) ? "nan" : v < 0 ? "-inf" : "inf"));
        return;
    }
    const double magnitude = std::fabs(v);
    const std::string text = formatFixed(v, 6, false);
    double back = 0.0;
    if (magnitude <= SANE_MAGNITUDE) {
        check(parseDecimal(text, back));
        check(std::fabs(back - v) <= HALF_LAST_PLACE * (1 + 1e-9) + 4 * magnitude * DBL_EPSILON);
    } else if (magnitude < LARGE_MAGNITUDE) {
        check(parseDecimal(text, back));
        check(std::fabs(back - v) <= 1e-12 * magnitude);
    }
    const int n = static_cast<int>(decimalsByte % 7);
    const std::string fixed = formatFixed(v, n, false);
    if (v != 0.0 && n > 0) {
        check(fixed.size() >= static_cast<std::size_t>(n) + 2);
        check(fixed[fixed.size() - static_cast<std::size_t>(n) - 1] == '.');
    } else if (v != 0.0) {
        check(fixed.find('.') == std::string::npos && fixed.size() >= 2);
    }
    const std::string stripped = formatFixed(v, n, true);
    check(fixed.compare(0, stripped.size(), stripped) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    double parsed = 0.0;
    const bool decimalOk = parseDecimal(input, parsed);
    check(std::isfinite(parsed));
    if (decimalOk) {
        checkRoundTrip(parsed, size);
    }

    int32_t integer = 0;
    if (skyledger::parseInteger(input, integer)) {
        // An integer text is a decimal text of the same value, and prints back.
        check(decimalOk && parsed == integer);
        int32_t again = 0;
        check(skyledger::parseInteger(skyledger::formatInteger(integer), again) &&
              again == integer);
    }

    const std::string formatted = skyledger::formatText(input, 42, -7, 3.14159, "text", 'c', -2.5,
                                                        INT32_MIN, 1e300, std::string("more"), 0.0);
    check(formatted.size() <= input.size() * 512 + 1);

    if (size >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, data, sizeof raw);
        checkRoundTrip(raw, size > sizeof raw ? data[sizeof raw] : 0);
    }
    return 0;
}
