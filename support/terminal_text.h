// Texts on their way to a terminal, where control characters are commands:
// an ESC sequence from a file could clear the screen or retitle the window, a
// NUL or a line break could forge the layout. They are shown, not obeyed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skyledger {

// The placeholder shown for a control character.
inline constexpr char CONTROL_PLACEHOLDER = '?';

// Arguments echoed in a message are cut after this many characters.
inline constexpr size_t ECHO_LIMIT = 60;

// True for the Windows-1252 bytes that are control characters: C0 (tab and
// line ends included), DEL, and the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D), which become C1 controls in Unicode.
bool isWindows1252Control(char c);

// Windows-1252 text with every control character replaced by the
// placeholder; one byte for one, so column widths stay as they were.
std::string printableWindows1252(std::string_view text);

// Text from the command line (any bytes, normally UTF-8) as a message shows
// it: printable UTF-8 characters as they are, every other byte (C0 controls,
// DEL, C1 controls, bytes that are not well-formed UTF-8) as \xNN. At most
// `limit` characters are shown; "..." marks a cut.
std::string echoText(std::string_view raw, size_t limit = ECHO_LIMIT);

} // namespace skyledger
