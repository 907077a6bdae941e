// A named observer location, the list of them that the user keeps, and the
// display preferences. These are the records the settings file stores and the
// almanac computations read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skyledger {

// The longest name, in bytes, that the settings file can carry (a longer one
// would be cut by the file's tokenizer); the Location dialog caps names here.
inline constexpr size_t MAX_NAME_LENGTH = 255;

struct Location {
    std::string name;       // Windows-1252 bytes
    double latitude = 0.0;  // degrees, positive north
    double longitude = 0.0; // degrees, positive WEST of Greenwich
    // Degrees, positive when magnetic north lies east of true north.
    double magneticDeclination = 0.0;
    double timeZone = 0.0; // hours added to local standard time to get UT (positive west)
    // The place's IANA time-zone name ("Europe/London"), or empty for none. A
    // name the time-zone database does not know is kept as it was read.
    std::string zone = {};
};

// The user's places. "No list" (present == false: no settings file was read)
// is a state of its own, distinct from an empty list.
struct LocationList {
    bool present = false;
    std::vector<Location> records;
    int32_t current = 0; // index of the current location

    int32_t count() const { return static_cast<int32_t>(records.size()); }
    // The current record, or nullptr when there is none (no list, an empty
    // list, or an index outside the list).
    const Location* currentLocation() const {
        if (!present || current < 0 || current >= count()) return nullptr;
        return &records[static_cast<size_t>(current)];
    }
    Location* currentLocation() {
        if (!present || current < 0 || current >= count()) return nullptr;
        return &records[static_cast<size_t>(current)];
    }
};

// The clock the almanac's times are given in. The values are the toolbar's
// button order. Local is the wall clock of the place's time zone on each date.
enum class TimeBasis : int32_t { Standard = 0, Daylight = 1, Universal = 2, Local = 3 };

// Display preferences. The first two persist in the settings file (written as
// 0 or 1, any non-zero value read as on); the time basis is set from the
// clock at start-up.
struct Preferences {
    bool magneticBearings = true;
    bool twelveHourClock = false;
    TimeBasis timeBasis = TimeBasis::Standard;
};

} // namespace skyledger
