// Case-insensitive comparison of location names (ASCII folding, signed bytes).
#include "settings/names.h"

#include <cstddef>
#include <cstdint>

namespace skyledger {

namespace {

// The byte as a signed 8-bit value, with a..z folded to A..Z.
int8_t foldedByte(char c) {
    int8_t v = static_cast<int8_t>(c);
    if (v >= 'a' && v <= 'z') v = static_cast<int8_t>(v - 32);
    return v;
}

} // namespace

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldedByte(a[i]) != foldedByte(b[i])) return false;
    }
    return true;
}

int compareNames(std::string_view a, std::string_view b) {
    for (size_t i = 0;; ++i) {
        const bool aEnds = i == a.size();
        const bool bEnds = i == b.size();
        if (aEnds && bEnds) return 0;
        if (aEnds) return -1;
        if (bEnds) return 1;
        const int8_t ca = foldedByte(a[i]);
        const int8_t cb = foldedByte(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
}

} // namespace skyledger
