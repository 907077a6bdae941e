// Places filled from the atlas and the magnetic model: the model's year of a
// date, and the shipped places' declinations against the model.
#include "almanac/atlas_place.h"

#include <gtest/gtest.h>

#include <cmath>

#include "settings/settings_file.h"

namespace skyledger {
namespace {

TEST(AtlasPlace, DecimalYearCountsTheDaysGoneBy) {
    EXPECT_DOUBLE_EQ(decimalYear({2025, 1, 1}), 2025.0);
    EXPECT_DOUBLE_EQ(decimalYear({2026, 7, 2}), 2026.0 + 182.0 / 365.0);
    EXPECT_DOUBLE_EQ(decimalYear({2028, 12, 31}), 2028.0 + 365.0 / 366.0);
}

TEST(AtlasPlace, ACityBecomesAPlaceWithTheModelsDeclination) {
    const City& tromso = *searchCities("tromso").front();
    const Location place = placeFromCity(tromso, {2026, 1, 1});
    EXPECT_EQ(place.name, "Troms\xF8");
    EXPECT_DOUBLE_EQ(place.latitude, tromso.latitude);
    EXPECT_DOUBLE_EQ(place.longitude, tromso.longitude);
    EXPECT_EQ(place.zone, "Europe/Oslo");
    EXPECT_DOUBLE_EQ(place.timeZone, -1.0); // the standard offset, whatever the season
    EXPECT_DOUBLE_EQ(place.magneticDeclination,
                     modelDeclination(tromso.latitude, tromso.longitude, {2026, 1, 1}).degrees);
    EXPECT_FALSE(modelDeclination(0.0, 0.0, {2031, 1, 1}).withinModelYears);
}

// The places that ship with the program hold declinations within a degree
// of the model in 2026.
TEST(AtlasPlace, ShippedPlacesAgreeWithTheModelIn2026) {
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    LocationList list = loaded.list;
    ASSERT_GT(list.count(), 10);
    for (const Location& place : list.records) {
        const double model =
            modelDeclination(place.latitude, place.longitude, {2026, 7, 1}).degrees;
        EXPECT_LE(std::abs(place.magneticDeclination - model), 1.0) << place.name << " " << model;
    }
}

} // namespace
} // namespace skyledger
