// The built-in atlas: about 7,300 cities of the world with their position,
// time zone and population, from the public city-timezones dataset (made by
// tools/gen_city_atlas.py), and the search that finds them by name.
//
// Search folds case and accents ("tromso" finds the Windows-1252 name
// "Troms\xF8"), treats every character that is not a letter or a digit as a word
// gap, and matches a query at the start of any word of the name: "york"
// finds New York, "new y" finds it too. Text after a comma must start a word
// of the country or the region: "portland, maine". Matches come largest
// population first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skyledger {

struct City {
    const char* name;    // Windows-1252
    const char* country; // Windows-1252
    const char* region;  // Windows-1252; may be empty
    const char* zone;    // IANA time-zone name
    double latitude;     // degrees, positive north
    double longitude;    // degrees, positive WEST, as a Location keeps it
    int32_t population;
    bool sharesName; // another city of the atlas has the same name and country
};

// The generated table (settings/city_atlas_table.cpp); read it through
// cityAtlas().
extern const City CITY_ATLAS[];
extern const size_t CITY_ATLAS_SIZE;

// The atlas, largest population first.
std::span<const City> cityAtlas();

// Folds Windows-1252 text for matching: letters to lower-case ASCII without
// their accents (\xF8 to "o", \xC6 to "ae", \xDF to "ss"), digits kept, every
// other run of characters one space, no space at either end.
std::string foldForSearch(std::string_view windows1252);

// The atlas entries matching `query` (Windows-1252), largest population first,
// at most `limit` of them. A query with nothing to match (empty, or only
// spaces and punctuation) matches nothing.
std::vector<const City*> searchCities(std::string_view query, size_t limit = 50);

// How a match is shown: "Oslo, Norway", or "Portland, Maine, United States"
// when another city of the same name lies in the same country.
std::string cityLabel(const City& city);

} // namespace skyledger
