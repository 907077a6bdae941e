// Case-insensitive comparison of location names. Only the ASCII letters a..z
// are folded to upper case; every byte is compared as a signed 8-bit value, so
// the bytes above 127 of Windows-1252 text sort before all ASCII characters and
// the six characters between 'Z' and 'a' sort after all letters.
#pragma once

#include <string_view>

namespace skyledger {

// True when the two texts have the same length and match byte for byte after
// folding a..z to A..Z.
bool sameName(std::string_view a, std::string_view b);

// -1, 0 or +1: the order of the two texts after folding a..z to A..Z, bytes
// compared as signed 8-bit values; a proper prefix sorts first.
int compareNames(std::string_view a, std::string_view b);

} // namespace skyledger
