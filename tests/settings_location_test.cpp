// Where the settings file lives: beside a program in a writable folder, in the
// user's configuration folder for an installed or read-only one, seeded once
// from the shipped places and never overwritten.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/settings_file.h"
#include "settings/settings_location.h"

namespace skyledger {
namespace {

namespace fs = std::filesystem;

const char* const SHIPPED = "skyledger 1.0\r\nlocations 0 1\r\n  \"Shipped\" 1.00 2.00 0.0 0.0\r\n"
                            "end\r\n";

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A prefix laid out as the install lays it out: PREFIX/bin for the programs,
// PREFIX/share/skyledger for the shipped places, and a separate config home.
class SettingsLocationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("skyledger-location-test-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "prefix" / "bin");
        env_.programDirectory = (root_ / "prefix" / "bin").string();
        env_.programDirectoryWritable = true;
        env_.configHome = (root_ / "config").string();
        env_.home = (root_ / "home").string();
    }
    void TearDown() override { fs::remove_all(root_); }

    void shipPlaces() { writeText(root_ / "prefix/share/skyledger/default_settings.txt", SHIPPED); }
    fs::path besideFile() const { return root_ / "prefix/bin" / SETTINGS_FILE_NAME; }
    fs::path userFile() const { return root_ / "config/Skyledger" / SETTINGS_FILE_NAME; }

    fs::path root_;
    SettingsEnvironment env_;
};

TEST_F(SettingsLocationTest, WritableBuildTreeKeepsTheFileBesideTheProgram) {
    EXPECT_EQ(settingsPlace(env_), SettingsPlace::BesideProgram);
    EXPECT_EQ(prepareSettingsFile(env_), besideFile().string());
    EXPECT_FALSE(fs::exists(root_ / "config")) << "nothing is created for a build tree";

    // A portable copy: an installed layout whose folder already holds its own
    // settings file keeps using it.
    shipPlaces();
    writeText(besideFile(), "portable");
    EXPECT_EQ(prepareSettingsFile(env_), besideFile().string());
    EXPECT_FALSE(fs::exists(root_ / "config"));
}

TEST_F(SettingsLocationTest, ReadOnlyProgramFolderCreatesAndSeedsTheUserFile) {
    shipPlaces();
    env_.programDirectoryWritable = false;
    EXPECT_EQ(settingsFileLocation(env_), userFile().string());
    EXPECT_FALSE(fs::exists(root_ / "config")) << "asking where it is changes nothing";

    EXPECT_EQ(prepareSettingsFile(env_), userFile().string());
    EXPECT_EQ(readText(userFile()), SHIPPED);
    EXPECT_FALSE(fs::exists(besideFile()));
}

TEST_F(SettingsLocationTest, InstalledProgramUsesTheUserFolderEvenWhenWritable) {
    // Root running /usr/bin/skyledger, or a copy installed under ~/.local.
    shipPlaces();
    EXPECT_EQ(prepareSettingsFile(env_), userFile().string());
    EXPECT_EQ(readText(userFile()), SHIPPED);
    EXPECT_FALSE(fs::exists(besideFile()));
}

TEST_F(SettingsLocationTest, ExistingUserFileIsNeverOverwritten) {
    shipPlaces();
    env_.programDirectoryWritable = false;
    writeText(userFile(), "the user's own places");
    EXPECT_EQ(prepareSettingsFile(env_), userFile().string());
    EXPECT_EQ(readText(userFile()), "the user's own places");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(userFile().parent_path()), fs::directory_iterator()),
        1)
        << "no temporary is left behind";
}

TEST_F(SettingsLocationTest, ReadOnlyPortableCopySeedsFromItsOwnFile) {
    shipPlaces();
    writeText(besideFile(), "the copy's places");
    env_.programDirectoryWritable = false;
    EXPECT_EQ(prepareSettingsFile(env_), userFile().string());
    EXPECT_EQ(readText(userFile()), "the copy's places");
}

TEST(SettingsLocation, UserFolderFollowsXdgConfigHomeThenHome) {
    SettingsEnvironment env;
    env.home = "/home/ann";
    EXPECT_EQ(userSettingsDirectory(env), "/home/ann/.config/Skyledger");
    env.configHome = "/srv/conf/";
    EXPECT_EQ(userSettingsDirectory(env), "/srv/conf/Skyledger");
    env.configHome = "relative/conf";
    EXPECT_EQ(userSettingsDirectory(env), "/home/ann/.config/Skyledger");
    env.home.clear();
    EXPECT_EQ(userSettingsDirectory(env), "");
    // With no home at all, the file stays beside the program.
    env.programDirectory = "/opt/sky/bin";
    EXPECT_EQ(settingsFileLocation(env), "/opt/sky/bin/Skyledger Settings.txt");
}

} // namespace
} // namespace skyledger
