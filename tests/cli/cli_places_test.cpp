// skyledger-cli's place commands run as a user would: adding places by city
// and by coordinates, the refusals that leave the file as it was, and the
// edits of the list, each leaving a settings file the window reads.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "almanac/atlas_place.h"
#include "cli_process.h"
#include "settings/settings_file.h"

namespace {

namespace fs = std::filesystem;
using namespace skyledger;
using namespace skyledger::cli_test;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliPlaces : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skyledger-cli-places-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        settings_ = (dir_ / "places.txt").string();
        fs::copy_file(SKYLEDGER_DEFAULT_SETTINGS, settings_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--settings", settings_});
        return runCli(dir_, args);
    }

    // The list as the window reads it back.
    LocationList places() {
        const SettingsRead loaded = loadSettings(settings_);
        EXPECT_EQ(loaded.load, SettingsLoad::Loaded);
        LocationList list = loaded.list;
        return list;
    }

    const Location* find(const LocationList& list, const std::string& name) {
        for (const Location& l : list.records)
            if (l.name == name) return &l;
        return nullptr;
    }

    std::string currentName() {
        const LocationList list = places();
        return list.currentLocation() ? list.currentLocation()->name : "";
    }

    fs::path dir_;
    std::string settings_;
};

TEST_F(CliPlaces, AddsAPlaceByCityWithTheModelsDeclination) {
    const CliRun r = run({"locations", "add", "Troms\xC3\xB8 harbour", "--city", "tromso"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "Troms\xC3\xB8 harbour")) << r.out;
    const LocationList list = places();
    const Location* added = find(list, "Troms\xF8 harbour");
    ASSERT_NE(added, nullptr);
    EXPECT_NEAR(added->latitude, 69.64, 0.01);
    EXPECT_NEAR(added->longitude, -18.99, 0.01);
    EXPECT_EQ(added->zone, "Europe/Oslo");
    EXPECT_DOUBLE_EQ(added->timeZone, -1.0);
    const double model = modelDeclination(69.635, -18.992, CivilDate{2026, 7, 1}).degrees;
    EXPECT_NEAR(added->magneticDeclination, model, 0.6); // today's value, rounded to 0.1
    EXPECT_EQ(list.currentLocation(), added);             // the new place is current
    EXPECT_EQ(list.count(), 16);
}

TEST_F(CliPlaces, AddsAPlaceByCoordinatesInEitherHemisphereNotation) {
    ASSERT_EQ(run({"locations", "add", "Hut", "--lat", "45.5N", "--lon", "6.25E", "--zone", "-1"})
                  .status,
              0);
    ASSERT_EQ(run({"locations", "add", "Camp", "--lat", "40", "--lon", "74", "--tz",
                   "America/New_York", "--declination", "-13.5"})
                  .status,
              0);
    const LocationList list = places();
    const Location* hut = find(list, "Hut");
    const Location* camp = find(list, "Camp");
    ASSERT_TRUE(hut && camp);
    EXPECT_DOUBLE_EQ(hut->longitude, -6.25);
    EXPECT_DOUBLE_EQ(hut->timeZone, -1.0);
    EXPECT_GT(hut->magneticDeclination, 1.0); // the model's, east of true north in the Alps
    EXPECT_DOUBLE_EQ(camp->magneticDeclination, -13.5);
    EXPECT_EQ(camp->zone, "America/New_York");
    EXPECT_DOUBLE_EQ(camp->timeZone, 5.0);
}

TEST_F(CliPlaces, RefusedRequestsChangeNothing) {
    const std::string before = readAll(settings_);
    const CliRun duplicate = run({"locations", "add", "greenwich", "--city", "london"});
    EXPECT_EQ(duplicate.status, 2);
    EXPECT_TRUE(contains(duplicate.err, "already")) << duplicate.err;
    const CliRun range = run({"locations", "add", "Nowhere", "--lat", "95", "--lon", "0",
                              "--zone", "0"});
    EXPECT_EQ(range.status, 2);
    EXPECT_TRUE(contains(range.err, "--lat")) << range.err;
    EXPECT_EQ(run({"locations", "add", "Zone", "--lat", "1", "--lon", "0", "--zone", "24"}).status,
              2);
    EXPECT_EQ(run({"locations", "add", "Nowhere", "--city", "xqzzy"}).status, 2);
    EXPECT_EQ(run({"locations", "add", "Nowhere", "--lat", "1", "--lon", "0", "--tz", "Mars/Base"})
                  .status,
              2);
    EXPECT_EQ(run({"locations", "remove", "Atlantis"}).status, 2);
    EXPECT_EQ(run({"locations", "rename", "Tokyo", "sydney"}).status, 2);
    EXPECT_EQ(readAll(settings_), before);
}

TEST_F(CliPlaces, RemoveSelectAndRenameKeepTheListSortedWithItsCurrentPlace) {
    ASSERT_EQ(currentName(), "Greenwich");
    ASSERT_EQ(run({"locations", "remove", "GREENWICH"}).status, 0);
    EXPECT_EQ(currentName(), "Honolulu"); // the next place, as the dialog's Delete
    ASSERT_EQ(run({"locations", "remove", "Anchorage"}).status, 0);
    EXPECT_EQ(currentName(), "Honolulu"); // removing another place keeps it
    const CliRun select = run({"locations", "select", "tokyo"});
    ASSERT_EQ(select.status, 0);
    EXPECT_TRUE(contains(select.out, "Tokyo")) << select.out;
    ASSERT_EQ(run({"locations", "rename", "Tokyo", "Edo"}).status, 0);
    const LocationList list = places();
    EXPECT_EQ(list.count(), 13);
    EXPECT_EQ(list.currentLocation()->name, "Edo");
    EXPECT_EQ(list.records[3].name, "Edo"); // after Auckland, Buenos Aires and Cape Town
}

TEST_F(CliPlaces, CitiesAndDeclinationAnswerInTextAndJson) {
    const CliRun text = run({"cities", "reykjavik"});
    ASSERT_EQ(text.status, 0);
    EXPECT_TRUE(contains(text.out, "Reykjav\xC3\xADk")) << text.out;
    EXPECT_TRUE(contains(text.out, "Atlantic/Reykjavik")) << text.out;
    const CliRun json = run({"--json", "cities", "tromso"});
    EXPECT_TRUE(contains(json.out, "\"zone\":\"Europe/Oslo\"")) << json.out;
    EXPECT_TRUE(contains(run({"cities", "xqzzy"}).out, "No city")) << text.out;

    const CliRun now = run({"--json", "declination", "--lat", "40.71N", "--lon", "74.01W",
                            "2026-06-01"});
    ASSERT_EQ(now.status, 0) << now.err;
    EXPECT_TRUE(contains(now.out, "\"magneticDeclination\":-12.")) << now.out;
    EXPECT_TRUE(contains(now.out, "\"withinModelYears\":true")) << now.out;
    const CliRun later = run({"declination", "--lat", "51.48", "--lon", "0", "2035-01-01"});
    EXPECT_EQ(later.status, 0);
    EXPECT_TRUE(contains(later.out, "outside the model's years")) << later.out;
    EXPECT_EQ(run({"declination", "--lat", "51.48"}).status, 2);
}

} // namespace
