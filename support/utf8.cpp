#include "support/utf8.h"

namespace skyledger {

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    // The second byte's range; it excludes overlong forms, surrogates and
    // values above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        ++i;
        return std::nullopt;
    }
    std::size_t k = i + 1;
    for (std::size_t n = 1; n < length; ++n, ++k) {
        const bool second = n == 1;
        if (k >= text.size() || at(k) < (second ? low : 0x80) || at(k) > (second ? high : 0xBF)) {
            i = k;
            return std::nullopt;
        }
        c = (c << 6) | (at(k) & 0x3F);
    }
    i = k;
    return c;
}

} // namespace skyledger
