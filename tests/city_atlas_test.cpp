// The built-in atlas and its search: folding, word starts, the population
// order and how a match is named.
#include "settings/city_atlas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyledger {
namespace {

std::vector<std::string> labels(const std::vector<const City*>& cities) {
    std::vector<std::string> out;
    for (const City* city : cities)
        out.push_back(cityLabel(*city));
    return out;
}

TEST(CityAtlas, HoldsThousandsOfPlacesInPopulationOrderWithZones) {
    const std::span<const City> atlas = cityAtlas();
    ASSERT_GT(atlas.size(), 7000u);
    for (size_t i = 1; i < atlas.size(); ++i)
        ASSERT_GE(atlas[i - 1].population, atlas[i].population) << atlas[i].name;
    for (const City& city : atlas) {
        ASSERT_NE(*city.zone, '\0') << city.name;
        ASSERT_LE(std::abs(city.latitude), 90.0) << city.name;
        ASSERT_LE(std::abs(city.longitude), 180.0) << city.name;
    }
}

TEST(CityAtlas, SearchIgnoresCaseAndAccents) {
    const std::vector<const City*> tromso = searchCities("TROMSO");
    ASSERT_FALSE(tromso.empty());
    EXPECT_EQ(std::string(tromso[0]->name), "Troms\xF8");
    EXPECT_EQ(std::string(tromso[0]->zone), "Europe/Oslo");
    EXPECT_NEAR(tromso[0]->latitude, 69.64, 0.01);
    EXPECT_NEAR(tromso[0]->longitude, -18.99, 0.01); // east, so negative
    EXPECT_EQ(labels(searchCities("reykjavik", 1)), std::vector<std::string>{"Reykjav\xEDk, Iceland"});
    EXPECT_EQ(searchCities("Troms\xF8").front(), tromso.front()); // the accented query too
    EXPECT_EQ(foldForSearch("\xC6r\xF8sk\xF8""bing  St. John's"), "aeroskobing st john s");
}

TEST(CityAtlas, SearchMatchesTheStartOfAnyWordLargestFirst) {
    const std::vector<std::string> york = labels(searchCities("york", 3));
    ASSERT_FALSE(york.empty());
    EXPECT_EQ(york[0], "New York, United States of America");
    for (const std::string& label : labels(searchCities("ork", 1000)))
        EXPECT_NE(label, york[0]); // not inside a word
    EXPECT_EQ(labels(searchCities("new y", 1)), std::vector<std::string>{york[0]});
    const std::vector<const City*> p = searchCities("p", 20);
    ASSERT_EQ(p.size(), 20u); // one letter is a query like any other
    for (size_t i = 1; i < p.size(); ++i)
        EXPECT_GE(p[i - 1]->population, p[i]->population);
}

TEST(CityAtlas, SharedNamesShowTheirRegionAndACommaNarrowsByPlace) {
    const std::vector<std::string> portland = labels(searchCities("portland, united states"));
    ASSERT_GE(portland.size(), 2u);
    EXPECT_EQ(portland[0], "Portland, Oregon, United States of America");
    EXPECT_EQ(portland[1], "Portland, Maine, United States of America");
    EXPECT_EQ(labels(searchCities("portland, maine")),
              std::vector<std::string>{"Portland, Maine, United States of America"});
    EXPECT_EQ(labels(searchCities("portland, australia")),
              std::vector<std::string>{"Portland, Australia"});
}

TEST(CityAtlas, EmptyOrUnmatchedQueriesFindNothing) {
    EXPECT_TRUE(searchCities("").empty());
    EXPECT_TRUE(searchCities(" ,. ").empty());
    EXPECT_TRUE(searchCities("xqzzy").empty());
}

} // namespace
} // namespace skyledger
