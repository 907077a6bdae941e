// Reading UTF-8 text one character at a time, by the one rule both the
// Windows-1252 conversion and the terminal's escaping follow: only
// well-formed characters count (no overlong forms, no surrogates, nothing
// above U+10FFFF, no sequence cut short).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace skyledger {

// The character starting at byte `i` of `text` (i < text.size()), with `i`
// moved past it. Nothing when the bytes there start no well-formed
// character; `i` then moves past the longest start of one, at least one byte,
// so that each broken piece is passed over once.
[[nodiscard]] std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i);

} // namespace skyledger
