// Byte-level helpers for NUL-terminated texts and raw memory blocks.
#include "support/bytes.h"

#include <functional>

namespace skyledger {

std::size_t textLength(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    std::size_t length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    return length;
}

void copyBytes(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (count == 0 || to == from) {
        return;
    }
    // std::less gives a total order even for pointers into different blocks.
    if (std::less<const unsigned char*>()(to, from)) {
        for (std::size_t i = 0; i < count; ++i) {
            to[i] = from[i]; // forwards: the destination trails the source
        }
    } else {
        for (std::size_t i = count; i > 0; --i) {
            to[i - 1] = from[i - 1]; // backwards: the destination leads the source
        }
    }
}

void fillBytes(void* destination, unsigned char value, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    for (std::size_t i = 0; i < count; ++i) {
        to[i] = value;
    }
}

void zeroBytes(void* destination, std::size_t count) {
    fillBytes(destination, 0, count);
}

} // namespace skyledger
