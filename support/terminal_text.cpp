// Making texts safe to show on a terminal.
#include "support/terminal_text.h"

#include <algorithm>
#include <cstdio>

namespace skyledger {

namespace {

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at the start of `text`, or 0
// when its first byte starts none (overlong forms, surrogates and values
// above U+10FFFF are not well-formed).
size_t utf8CharacterLength(std::string_view text) {
    const auto at = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || at(1) < low || at(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!isContinuation(at(i))) return 0;
    return length;
}

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
        const size_t length = std::max<size_t>(utf8CharacterLength(raw), 1);
        const std::string_view character = raw.substr(0, length);
        const bool printable = utf8CharacterLength(raw) != 0 && !isUtf8Control(character);
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
