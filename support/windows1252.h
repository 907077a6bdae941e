// Conversion between the program's Windows-1252 texts and UTF-8, for the
// places where texts leave the core (terminal output, JSON, the windows).
#pragma once

#include <string>
#include <string_view>

namespace skyledger {

// Every byte becomes its Unicode character; the five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, so no byte is lost.
std::string windows1252ToUtf8(std::string_view text);

// The reverse; a character Windows-1252 cannot hold becomes '?'. Malformed
// UTF-8 bytes become '?' as well.
std::string utf8ToWindows1252(std::string_view text);

} // namespace skyledger
