// Location list editing: sorted insertion, the exchange sort, deletion, storing
// the dialog's fields and the order and ranges of its checks.
#include "settings/location_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyledger {
namespace {

LocationList listOf(const std::vector<std::string>& names, int32_t current) {
    LocationList list;
    list.present = true;
    double n = 0;
    for (const std::string& name : names)
        list.records.push_back(Location{name, n++, 0, 0, 0});
    list.current = current;
    return list;
}

std::vector<std::string> namesOf(const LocationList& list) {
    std::vector<std::string> names;
    for (const Location& loc : list.records)
        names.push_back(loc.name);
    return names;
}

TEST(LocationList, InsertPositionFollowsNameOrder) {
    const LocationList list = listOf({"Amsterdam", "Cairo", "cairo", "Denver"}, 0);
    EXPECT_EQ(findInsertPosition(list, "berlin"), 1);
    EXPECT_EQ(findInsertPosition(list, "CAIRO"), 3); // after the equal names
    EXPECT_EQ(findInsertPosition(list, "Aachen"), 0);
    EXPECT_EQ(findInsertPosition(list, "zurich"), 4);
    EXPECT_EQ(findInsertPosition(LocationList{}, "x"), 0);
}

TEST(LocationList, SortKeepsTheCurrentRecordCurrent) {
    for (int32_t current = 0; current < 5; ++current) {
        LocationList list = listOf({"York", "amsterdam", "Oslo", "Bonn", "oslo"}, current);
        const Location before = list.records[static_cast<size_t>(current)];
        sortLocations(list);
        EXPECT_EQ(namesOf(list),
                  (std::vector<std::string>{"amsterdam", "Bonn", "Oslo", "oslo", "York"}));
        const Location* now = list.currentLocation();
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(now->name, before.name);
        EXPECT_EQ(now->latitude, before.latitude);
    }
}

TEST(LocationList, InsertAndDelete) {
    LocationList list;
    insertLocation(list, findInsertPosition(list, "First"));
    EXPECT_TRUE(list.present);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.current, 0);

    list = listOf({"A", "B", "C"}, 2);
    insertLocation(list, 1);
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"A", "", "B", "C"}));
    EXPECT_EQ(list.current, 1);

    list = listOf({"A", "B", "C"}, 1);
    deleteCurrentLocation(list);
    EXPECT_EQ(namesOf(list), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(list.currentLocation()->name, "C"); // the next record
    deleteCurrentLocation(list);
    EXPECT_EQ(list.currentLocation()->name, "A"); // the last went: the previous one
    deleteCurrentLocation(list);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.current, -1);
    EXPECT_TRUE(list.present);
    EXPECT_EQ(list.currentLocation(), nullptr);
    deleteCurrentLocation(list); // nothing to delete
    EXPECT_EQ(list.count(), 0);
}

TEST(LocationList, StoringKeepsANameThatDiffersOnlyInCase) {
    LocationList list = listOf({"Amsterdam", "Cairo"}, 1);
    const LocationFieldValues values{30.04, -31.24, -4.5, -2.0};
    ASSERT_TRUE(storeEditedLocation(list, "CAIRO", values));
    EXPECT_EQ(list.records[1].name, "Cairo");
    EXPECT_EQ(list.records[1].longitude, -31.24);
    EXPECT_EQ(list.records[1].timeZone, -2.0);
    ASSERT_TRUE(storeEditedLocation(list, "Al Qahira", values));
    EXPECT_EQ(list.records[1].name, "Al Qahira");
    ASSERT_TRUE(storeEditedLocation(list, std::string(MAX_NAME_LENGTH + 9, 'q'), values));
    EXPECT_EQ(list.records[1].name.size(), MAX_NAME_LENGTH);

    // A new entry goes to its sorted place and becomes current.
    ASSERT_TRUE(acceptLocationEdit(list, true, "berlin", values));
    EXPECT_EQ(namesOf(list)[1], "berlin");
    EXPECT_EQ(list.current, 1);
    LocationList none;
    EXPECT_FALSE(storeEditedLocation(none, "x", values));
}

TEST(LocationList, ValidationOrderRangesAndNumberForms) {
    using enum LocationField;
    struct Case {
        LocationFieldTexts texts;
        const char* message; // nullptr: accepted
        LocationField refused = Latitude;
    };
    const Case cases[] = {
        {{"90", "180", "-180", "23.9"}, nullptr},
        {{"-90", "-180", "180", "-23.9"}, nullptr},
        {{"45", "10", "0", "10%"}, nullptr}, // 10% reads as 0.1
        {{"1,234E-2", "0", "0", "0"}, nullptr},
        {{"x", "y", "z", "w"}, "Invalid latitude entry", Latitude},
        {{"90.01", "y", "0", "0"}, "Latitude entry out of range", Latitude},
        {{"45,5", "0", "0", "0"}, "Latitude entry out of range", Latitude}, // read as 455
        {{" 45", "0", "0", "0"}, "Invalid latitude entry", Latitude},
        {{"45", "", "0", "0"}, "Invalid longitude entry", Longitude},
        {{"45", "180.001", "x", "0"}, "Longitude entry out of range", Longitude},
        {{"45", "0", "0 ", "0"}, "Invalid magnetic declination entry", MagneticDeclination},
        {{"45", "0", "-180.5", "x"},
         "Magnetic declination entry out of range",
         MagneticDeclination},
        {{"45", "0", "0", "+"}, "Invalid time zone entry", TimeZone},
        {{"45", "0", "0", "24"}, "Time zone entry out of range", TimeZone},
        {{"45", "0", "0", "-24"}, "Time zone entry out of range", TimeZone},
        {{"45", "0", "0", "1e400"}, "Invalid time zone entry", TimeZone},
    };
    for (const Case& c : cases) {
        LocationFieldValues values;
        const auto refusal = validateLocationFields(c.texts, values);
        if (c.message == nullptr) {
            EXPECT_FALSE(refusal.has_value()) << refusal->message;
        } else {
            ASSERT_TRUE(refusal.has_value()) << c.texts.latitude;
            EXPECT_EQ(refusal->message, c.message) << c.texts.latitude;
            EXPECT_EQ(refusal->field, c.refused) << c.message; // the field the dialog goes back to
        }
    }
    LocationFieldValues values;
    ASSERT_FALSE(validateLocationFields({"51.5", "-0.13", "1.2e0", "10%"}, values));
    EXPECT_EQ(values.latitude, 51.5);
    EXPECT_EQ(values.longitude, -0.13);
    EXPECT_EQ(values.magneticDeclination, 1.2);
    EXPECT_DOUBLE_EQ(values.timeZone, 0.1);
}

} // namespace
} // namespace skyledger
