// Making texts safe to show on a terminal.
#include "support/terminal_text.h"

#include <algorithm>
#include <cstdio>

#include "support/utf8.h"

namespace skyledger {

namespace {

// A control character in UTF-8: C0, DEL or C1 (U+0080..U+009F).
bool isUtf8Control(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return lead < 0x20 || lead == 0x7F;
    return lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

std::string escapedBytes(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned char>(c));
        out += buffer;
    }
    return out;
}

} // namespace

bool isWindows1252Control(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

std::string printableWindows1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (isWindows1252Control(c)) c = CONTROL_PLACEHOLDER;
    return out;
}

std::string echoText(std::string_view raw, size_t limit) {
    std::string out;
    size_t shown = 0; // characters shown so far; an escape shows four per byte
    while (!raw.empty()) {
        // A broken piece is escaped byte by byte.
        size_t end = 0;
        const bool wellFormed = decodeUtf8(raw, end).has_value();
        const size_t length = wellFormed ? end : 1;
        const std::string_view character = raw.substr(0, length);
        const bool printable = wellFormed && !isUtf8Control(character);
        const std::string piece = printable ? std::string(character) : escapedBytes(character);
        const size_t width = printable ? 1 : piece.size();
        if (shown + width > limit) return out + "...";
        out += piece;
        shown += width;
        raw.remove_prefix(length);
    }
    return out;
}

} // namespace skyledger
