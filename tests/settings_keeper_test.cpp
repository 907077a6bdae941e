// Two copies of the program on one settings file, and hand edits: a run that
// changed nothing writes nothing; a run that changed something never silently
// replaces a file changed since it was read.
#include "settings/settings_keeper.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace skyledger {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TwoCopies : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skyledger_keeper_test_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = settingsPath(dir_.string());
        fs::copy_file(SKYLEDGER_DEFAULT_SETTINGS, path_);
        original_ = contents(path_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    struct Copy {
        explicit Copy(const std::string& path) : keeper(path) {
            const SettingsRead read = keeper.load();
            list = read.list;
            prefs = read.prefs;
        }
        void addPlace(const std::string& name) {
            list.records.push_back(Location{name, 10.0, 20.0, 0.0, 1.0});
        }
        SettingsKeeper keeper;
        LocationList list;
        Preferences prefs;
    };

    fs::path dir_;
    std::string path_;
    std::string original_;
};

TEST_F(TwoCopies, TheCopyThatChangedNothingWritesNothing) {
    Copy first(path_);
    Copy second(path_);
    first.addPlace("Cabin");
    ASSERT_EQ(first.keeper.save(first.list, first.prefs, false).outcome,
              SettingsKeeper::Outcome::Saved);
    const std::string withCabin = contents(path_);
    EXPECT_NE(withCabin, original_);
    EXPECT_EQ(second.keeper.save(second.list, second.prefs, false).outcome,
              SettingsKeeper::Outcome::Unchanged);
    EXPECT_EQ(contents(path_), withCabin);
    // Saved once, the first copy has nothing more to write.
    EXPECT_FALSE(first.keeper.changed(first.list, first.prefs));
    EXPECT_FALSE(first.keeper.changedOnDisk());
}

TEST_F(TwoCopies, AChangedCopyKeepsTheOtherFileOrReplacesItAfterABackup) {
    Copy first(path_);
    Copy second(path_);
    first.addPlace("Cabin");
    first.keeper.save(first.list, first.prefs, false);
    const std::string withCabin = contents(path_);

    second.prefs.twelveHourClock = true;
    ASSERT_TRUE(second.keeper.changedOnDisk());
    const SettingsKeeper::SaveResult kept = second.keeper.save(second.list, second.prefs, false);
    EXPECT_EQ(kept.outcome, SettingsKeeper::Outcome::SavedBeside);
    EXPECT_EQ(kept.beside, path_ + ".conflict");
    EXPECT_EQ(contents(path_), withCabin);
    EXPECT_EQ(contents(kept.beside), settingsText(second.list, second.prefs));

    // A later change still asks: the file is still not this copy's.
    second.prefs.magneticBearings = false;
    EXPECT_TRUE(second.keeper.changedOnDisk());
    EXPECT_EQ(second.keeper.save(second.list, second.prefs, true).outcome,
              SettingsKeeper::Outcome::Saved);
    EXPECT_EQ(contents(path_), settingsText(second.list, second.prefs));
    EXPECT_EQ(contents(settingsBackupPath(path_)), withCabin);
}

} // namespace
} // namespace skyledger
