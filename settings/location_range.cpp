// The accepted ranges of a location's values, shared by every place that
// takes a location from the user or the settings file.
#include "settings/location_range.h"

#include "support/format_text.h"
#include "support/messages.h"

namespace skyledger {

namespace {

constexpr LocationFieldRange RANGES[] = {
    {"latitude", -90.0, 90.0, false, 2},
    {"longitude", -180.0, 180.0, false, 2},
    {"magnetic declination", -180.0, 180.0, false, 1},
    {"time zone", -24.0, 24.0, true, 1},
};

constexpr LocationField FIELDS[] = {LocationField::Latitude, LocationField::Longitude,
                                    LocationField::MagneticDeclination, LocationField::TimeZone};

double fieldValue(const Location& location, LocationField field) {
    switch (field) {
    case LocationField::Latitude:
        return location.latitude;
    case LocationField::Longitude:
        return location.longitude;
    case LocationField::MagneticDeclination:
        return location.magneticDeclination;
    case LocationField::TimeZone:
        break;
    }
    return location.timeZone;
}

} // namespace

const LocationFieldRange& locationFieldRange(LocationField field) {
    return RANGES[static_cast<int>(field)];
}

bool isInLocationRange(LocationField field, double value) {
    const LocationFieldRange& r = locationFieldRange(field);
    return r.openRange ? value > r.lowest && value < r.highest
                       : value >= r.lowest && value <= r.highest;
}

std::string locationRangeText(LocationField field) {
    const LocationFieldRange& r = locationFieldRange(field);
    return valueRangeText(static_cast<int32_t>(r.lowest), static_cast<int32_t>(r.highest),
                          r.openRange);
}

std::optional<std::string> locationRangeProblem(const Location& location) {
    for (LocationField field : FIELDS) {
        const double value = fieldValue(location, field);
        if (isInLocationRange(field, value)) continue;
        const LocationFieldRange& r = locationFieldRange(field);
        return placeValueOutOfRangeMessage(location.name, r.name,
                                           formatText(r.decimals == 2 ? "%2f" : "%1f", value),
                                           locationRangeText(field));
    }
    return std::nullopt;
}

} // namespace skyledger
