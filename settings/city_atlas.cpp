// The atlas search: every name folded once, on the first search, then a walk
// down the table (largest population first) that stops at the limit.
#include "settings/city_atlas.h"

#include <array>

namespace skyledger {

namespace {

// The ASCII letters each Windows-1252 byte from 0x80 folds to; "" makes a gap.
constexpr std::array<const char*, 128> UPPER_HALF_FOLDS = {
    "",  "",  "",  "f", "",  "",  "",  "",  "",  "",  "s", "",  "oe", "", "z", "",  // 80
    "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "s", "",  "oe", "", "z", "y", // 90
    "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "",   "", "",  "",  // A0
    "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "",  "",   "", "",  "",  // B0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i", // C0
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "ss", // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i", // E0
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "y",  // F0
};

const char* foldedByte(unsigned char c) {
    static const std::array<std::array<char, 2>, 128> lower = [] {
        std::array<std::array<char, 2>, 128> t{};
        for (int i = 0; i < 128; ++i) {
            char ch = static_cast<char>(i);
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + ('a' - 'A'));
            const bool kept = (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
            t[static_cast<size_t>(i)] = {kept ? ch : '\0', '\0'};
        }
        return t;
    }();
    if (c < 128) return lower[c].data();
    return UPPER_HALF_FOLDS[c - 128];
}

// The folded forms of every atlas entry: the name, and the country and region.
struct FoldedCity {
    std::string name;
    std::string place; // "<country> <region>"
};

const std::vector<FoldedCity>& foldedAtlas() {
    static const std::vector<FoldedCity> folded = [] {
        std::vector<FoldedCity> out;
        out.reserve(CITY_ATLAS_SIZE);
        for (const City& city : cityAtlas())
            out.push_back({foldForSearch(city.name),
                           foldForSearch(std::string(city.country) + " " + city.region)});
        return out;
    }();
    return folded;
}

// True when `query` (folded) begins at the start of a word of `key` (folded).
bool matchesWordStart(std::string_view key, std::string_view query) {
    for (size_t at = 0; at < key.size(); ++at) {
        if (at > 0 && key[at - 1] != ' ') continue;
        if (key.substr(at).starts_with(query)) return true;
    }
    return false;
}

} // namespace

std::span<const City> cityAtlas() {
    return {CITY_ATLAS, CITY_ATLAS_SIZE};
}

std::string foldForSearch(std::string_view windows1252) {
    std::string out;
    out.reserve(windows1252.size());
    bool gap = false;
    for (char c : windows1252) {
        const char* folded = foldedByte(static_cast<unsigned char>(c));
        if (*folded == '\0') {
            gap = !out.empty();
            continue;
        }
        if (gap) out += ' ';
        gap = false;
        out += folded;
    }
    return out;
}

std::vector<const City*> searchCities(std::string_view query, size_t limit) {
    const size_t comma = query.find(',');
    const std::string name = foldForSearch(query.substr(0, comma));
    const std::string place =
        comma == std::string_view::npos ? std::string() : foldForSearch(query.substr(comma + 1));
    std::vector<const City*> matches;
    if (name.empty()) return matches;
    const std::vector<FoldedCity>& folded = foldedAtlas();
    for (size_t i = 0; i < folded.size() && matches.size() < limit; ++i) {
        if (!matchesWordStart(folded[i].name, name)) continue;
        if (!place.empty() && !matchesWordStart(folded[i].place, place)) continue;
        matches.push_back(&CITY_ATLAS[i]);
    }
    return matches;
}

std::string cityLabel(const City& city) {
    std::string label = city.name;
    if (city.sharesName && *city.region != '\0') label += std::string(", ") + city.region;
    return label + ", " + city.country;
}

} // namespace skyledger
