// Loads arbitrary bytes as a settings file, writes the result and loads that
// again: the second load must give the same preferences, names and current
// index, numbers within the rounding of the written decimals, and writing it
// again must give the same bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_file.h"

namespace {

using namespace skyledger;

void require(bool condition) {
    if (!condition) std::abort();
}

bool withinRounding(double first, double second, int decimals) {
    const double halfUnit = decimals == 2 ? 0.005 : 0.05;
    return std::isfinite(second) &&
           std::fabs(first - second) <= halfUnit + std::fabs(first) * 1e-12;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingsRead firstRead = parseSettingsText(bytes);
    const LocationList& first = firstRead.list;
    const Preferences& firstPrefs = firstRead.prefs;
    const std::vector<SkippedLine>& skipped = firstRead.skipped;
    require(first.count() == 0 || (first.current >= 0 && first.current < first.count()));

    const std::string text = settingsText(first, firstPrefs);
    // A file with a line not taken is never one a save gives back unchanged,
    // so it is always kept as a backup before it is replaced.
    require(skipped.empty() || text != bytes);
    const SettingsRead secondRead = parseSettingsText(text);
    const LocationList& second = secondRead.list;
    const Preferences& secondPrefs = secondRead.prefs;
    require(secondRead.load == SettingsLoad::Loaded);

    require(secondPrefs.magneticBearings == firstPrefs.magneticBearings);
    require(secondPrefs.twelveHourClock == firstPrefs.twelveHourClock);
    require(second.present); // "no list" is written as an empty list
    require(second.count() == first.count());
    require(second.current == first.current);
    for (size_t i = 0; i < first.records.size(); ++i) {
        const Location& a = first.records[i];
        const Location& b = second.records[i];
        require(a.name == b.name);
        require(std::isfinite(a.latitude) && std::isfinite(a.longitude));
        require(std::isfinite(a.magneticDeclination) && std::isfinite(a.timeZone));
        require(withinRounding(a.latitude, b.latitude, 2));
        require(withinRounding(a.longitude, b.longitude, 2));
        require(withinRounding(a.magneticDeclination, b.magneticDeclination, 1));
        require(withinRounding(a.timeZone, b.timeZone, 1));
    }
    require(settingsText(second, secondPrefs) == text);
    return 0;
}
