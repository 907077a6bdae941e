// Editing the location list: the name order it is kept in, inserting and
// deleting records, storing the Location dialog's fields and checking them
// before they are stored. The list is kept sorted by compareNames.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/location.h"
#include "settings/location_range.h"

namespace skyledger {

// The four number fields of the Location dialog as typed.
struct LocationFieldTexts {
    std::string_view latitude;
    std::string_view longitude;
    std::string_view magneticDeclination;
    std::string_view timeZone;
};

// The same fields read as numbers: degrees, degrees (positive west), degrees
// and hours (positive west).
struct LocationFieldValues {
    double latitude = 0.0;
    double longitude = 0.0;
    double magneticDeclination = 0.0;
    double timeZone = 0.0;
};

// The index of the first record whose name sameName finds equal to `name`,
// or nothing.
[[nodiscard]] std::optional<int32_t> findLocation(const LocationList& list, std::string_view name);

// The index of the first record whose name sorts after `name` by compareNames,
// or the count when there is none; a name equal to existing ones goes after
// them.
int32_t findInsertPosition(const LocationList& list, std::string_view name);

// Exchange sort by name: each position i is compared with every later
// position k and the two records swap when the name at i sorts after the name
// at k. The current index follows the current record through every swap.
void sortLocations(LocationList& list);

// Inserts a new record (empty name, all values 0) at `position` (clamped to
// 0..count) and makes it current. The list becomes present.
void insertLocation(LocationList& list, int32_t position);

// Removes the current record. The next record becomes current, or the
// previous one when the last was removed; after removing the only record the
// count is 0 and the current index -1. Nothing happens without a current
// record.
void deleteCurrentLocation(LocationList& list);

// Stores the dialog's name and values in the current record. The stored name
// is kept when sameName finds it equal to `name` (a change of letter case
// only is not applied); otherwise it becomes `name` cut to MAX_NAME_LENGTH
// bytes. False, and nothing stored, when there is no current record.
bool storeEditedLocation(LocationList& list, std::string_view name,
                         const LocationFieldValues& values);

// A field the checks refused and the message that says why.
struct RefusedField {
    LocationField field;
    std::string message;
};

// Checks the four fields in the order latitude, longitude, magnetic
// declination, time zone; each is read whole with parseDecimal. Gives the
// first field that is not a number or lies out of range (latitude -90..90,
// longitude and declination -180..180, time zone strictly between -24 and 24)
// with its message, or nothing when all four pass; `values` then holds the
// four numbers.
std::optional<RefusedField> validateLocationFields(const LocationFieldTexts& texts,
                                                   LocationFieldValues& values);

// The dialog's OK after validation: for a new entry, inserts a record at the
// name's sorted position (it becomes current); then stores the name and values
// in the current record. False when there is no record to store into.
bool acceptLocationEdit(LocationList& list, bool newEntry, std::string_view name,
                        const LocationFieldValues& values);

} // namespace skyledger
