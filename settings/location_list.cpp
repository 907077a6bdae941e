// Location list editing: sorted insertion, exchange sort by name, deletion
// and the Location dialog's checks of its number fields.
#include "settings/location_list.h"

#include <algorithm>
#include <utility>

#include "settings/location_range.h"
#include "settings/names.h"
#include "support/messages.h"
#include "support/parse_number.h"

namespace skyledger {

namespace {

// One number field's messages in the Location dialog; its range is shared.
struct FieldRule {
    const char* invalidMessage;
    const char* rangeMessage;
    LocationField field;
};

constexpr FieldRule LATITUDE_RULE = {INVALID_LATITUDE_MESSAGE, LATITUDE_RANGE_MESSAGE,
                                     LocationField::Latitude};
constexpr FieldRule LONGITUDE_RULE = {INVALID_LONGITUDE_MESSAGE, LONGITUDE_RANGE_MESSAGE,
                                      LocationField::Longitude};
constexpr FieldRule DECLINATION_RULE = {INVALID_DECLINATION_MESSAGE, DECLINATION_RANGE_MESSAGE,
                                        LocationField::MagneticDeclination};
constexpr FieldRule TIME_ZONE_RULE = {INVALID_TIME_ZONE_MESSAGE, TIME_ZONE_RANGE_MESSAGE,
                                      LocationField::TimeZone};

std::optional<RefusedField> checkField(std::string_view text, const FieldRule& rule,
                                       double& value) {
    if (!parseDecimal(text, value)) return RefusedField{rule.field, rule.invalidMessage};
    if (!isInLocationRange(rule.field, value)) return RefusedField{rule.field, rule.rangeMessage};
    return std::nullopt;
}

} // namespace

std::optional<int32_t> findLocation(const LocationList& list, std::string_view name) {
    for (int32_t i = 0; i < list.count(); ++i) {
        if (sameName(list.records[static_cast<size_t>(i)].name, name)) return i;
    }
    return std::nullopt;
}

int32_t findInsertPosition(const LocationList& list, std::string_view name) {
    for (int32_t i = 0; i < list.count(); ++i) {
        if (compareNames(list.records[static_cast<size_t>(i)].name, name) > 0) return i;
    }
    return list.count();
}

void sortLocations(LocationList& list) {
    const int32_t n = list.count();
    for (int32_t i = 0; i < n; ++i) {
        for (int32_t k = i + 1; k < n; ++k) {
            Location& a = list.records[static_cast<size_t>(i)];
            Location& b = list.records[static_cast<size_t>(k)];
            if (compareNames(a.name, b.name) <= 0) continue;
            std::swap(a, b);
            if (list.current == i)
                list.current = k;
            else if (list.current == k)
                list.current = i;
        }
    }
}

void insertLocation(LocationList& list, int32_t position) {
    position = std::clamp(position, 0, list.count());
    list.records.insert(list.records.begin() + position, Location{});
    list.current = position;
    list.present = true;
}

void deleteCurrentLocation(LocationList& list) {
    if (list.currentLocation() == nullptr) return;
    list.records.erase(list.records.begin() + list.current);
    if (list.current >= list.count()) --list.current;
}

bool storeEditedLocation(LocationList& list, std::string_view name,
                         const LocationFieldValues& values) {
    Location* loc = list.currentLocation();
    if (loc == nullptr) return false;
    if (!sameName(loc->name, name)) loc->name = std::string(name.substr(0, MAX_NAME_LENGTH));
    loc->latitude = values.latitude;
    loc->longitude = values.longitude;
    loc->magneticDeclination = values.magneticDeclination;
    loc->timeZone = values.timeZone;
    return true;
}

std::optional<RefusedField> validateLocationFields(const LocationFieldTexts& texts,
                                                   LocationFieldValues& values) {
    if (auto refused = checkField(texts.latitude, LATITUDE_RULE, values.latitude)) return refused;
    if (auto refused = checkField(texts.longitude, LONGITUDE_RULE, values.longitude))
        return refused;
    if (auto refused =
            checkField(texts.magneticDeclination, DECLINATION_RULE, values.magneticDeclination))
        return refused;
    return checkField(texts.timeZone, TIME_ZONE_RULE, values.timeZone);
}

bool acceptLocationEdit(LocationList& list, bool newEntry, std::string_view name,
                        const LocationFieldValues& values) {
    if (newEntry) insertLocation(list, findInsertPosition(list, name));
    return storeEditedLocation(list, name, values);
}

} // namespace skyledger
