// Saving the settings file safely: the old file stays at its path until the
// new one is complete, backups accumulate, links and special files are
// respected, and concurrent savers never show a reader a partial file.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace skyledger {
namespace {

namespace fs = std::filesystem;

const char* const NOT_UNDERSTOOD = "skyledger 2.0\r\nsomething new\r\n";

LocationList placesNamed(const std::string& name, int count) {
    LocationList list;
    list.present = true;
    for (int i = 0; i < count; ++i)
        list.records.push_back(Location{name + std::to_string(i), 51.5, 0.1, -1.0, 0.0});
    return list;
}

// Runs `body` in a child process and gives its exit status (-1 when it did
// not exit normally), so that limits and identities set there stay there.
int inChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SafeSave : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skyledger_save_test_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = settingsPath(dir_.string());
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Every name in the directory.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(SafeSave, FailedWriteLeavesTheUnreadableOldFileInPlace) {
    write(path_, NOT_UNDERSTOOD);
    const LocationList big = placesNamed("Place ", 20); // far above the size limit
    const int status = inChild([&] {
        signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        return saveSettings(path_, big, Preferences{}).ok() ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contents(path_), NOT_UNDERSTOOD);
    // Nothing but the old file is left: no temporary, no backup of a save
    // that did not happen.
    EXPECT_EQ(entries(), std::vector<std::string>{"Skyledger Settings.txt"});
}

TEST_F(SafeSave, EarlierBackupsAreKept) {
    write(path_, "first unreadable file");
    ASSERT_TRUE(saveSettings(path_, placesNamed("A", 1), Preferences{}).ok());
    write(path_, "second unreadable file");
    ASSERT_TRUE(saveSettings(path_, placesNamed("B", 1), Preferences{}).ok());
    EXPECT_EQ(contents(settingsBackupPath(path_)), "first unreadable file");
    EXPECT_EQ(contents(settingsBackupPath(path_) + ".1"), "second unreadable file");
    EXPECT_EQ(contents(path_), settingsText(placesNamed("B", 1), Preferences{}));
    // An understood file is replaced without a backup.
    ASSERT_TRUE(saveSettings(path_, placesNamed("C", 1), Preferences{}).ok());
    EXPECT_EQ(entries().size(), 3u);
}

TEST_F(SafeSave, PlantedTemporarySymlinkIsLeftAlone) {
    const fs::path victim = dir_ / "victim.txt";
    write(victim, "precious");
    fs::create_symlink(victim, path_ + ".tmp");
    write(path_, settingsText(placesNamed("Old", 1), Preferences{}));
    ASSERT_TRUE(saveSettings(path_, placesNamed("New", 2), Preferences{}).ok());
    EXPECT_EQ(contents(victim), "precious");
    EXPECT_TRUE(fs::is_symlink(path_ + ".tmp"));
    EXPECT_EQ(contents(path_), settingsText(placesNamed("New", 2), Preferences{}));
}

TEST_F(SafeSave, ConcurrentSaversNeverShowAPartialFile) {
    const LocationList a = placesNamed("Alpha ", 300);
    const LocationList b = placesNamed("Beta ", 300);
    const std::string textA = settingsText(a, Preferences{});
    const std::string textB = settingsText(b, Preferences{});
    write(path_, textA);
    // Each saver exits 0 when every one of its saves succeeded.
    const auto startSaver = [&](const LocationList& list) {
        const pid_t pid = fork();
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < 150; ++i)
                failures += !saveSettings(path_, list, Preferences{}).ok();
            _exit(failures == 0 ? 0 : 1);
        }
        return pid;
    };
    startSaver(a);
    startSaver(b);
    int bad = 0;
    int reads = 0;
    for (int running = 2; running > 0;) {
        const std::string seen = contents(path_);
        ++reads;
        if (seen != textA && seen != textB) ++bad;
        int status = 0;
        if (waitpid(-1, &status, WNOHANG) > 0) {
            --running;
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
        }
    }
    EXPECT_EQ(bad, 0) << "of " << reads << " reads";
    EXPECT_EQ(entries(), std::vector<std::string>{"Skyledger Settings.txt"}); // no backups
}

TEST_F(SafeSave, SymlinkedSettingsFileKeepsItsLinkAndADirectoryIsNeverMoved) {
    const fs::path real = dir_ / "real settings.txt";
    write(real, settingsText(placesNamed("Old", 1), Preferences{}));
    fs::create_symlink(real.filename(), path_); // relative, as users make them
    ASSERT_TRUE(saveSettings(path_, placesNamed("New", 1), Preferences{}).ok());
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(contents(real), settingsText(placesNamed("New", 1), Preferences{}));

    const std::string taken = (dir_ / "taken").string();
    fs::create_directories(fs::path(taken) / "inside");
    EXPECT_FALSE(saveSettings(taken, placesNamed("X", 1), Preferences{}).ok());
    EXPECT_TRUE(fs::is_directory(fs::path(taken) / "inside"));
    EXPECT_FALSE(fs::exists(taken + ".bak"));
}

// Kills during saves leave temporaries of the program's own naming; the next
// save removes those older than a minute, and nothing else.
TEST_F(SafeSave, StaleTemporariesOfThisProgramGoAtTheNextSave) {
    const std::string stem = "." + std::string(SETTINGS_FILE_NAME) + ".";
    const fs::path stale = dir_ / (stem + "Ab3dEf9Z");
    const fs::path fresh = dir_ / (stem + "Qw3rTy12");
    const fs::path notOurs = dir_ / (stem + "notmine");
    const fs::path staleLink = dir_ / (stem + "Link0123");
    for (const fs::path& p : {stale, fresh, notOurs})
        write(p, "4 MB of an interrupted save");
    fs::create_symlink(stale, staleLink);
    const auto twoMinutesAgo = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    fs::last_write_time(stale, twoMinutesAgo);
    fs::last_write_time(notOurs, twoMinutesAgo);

    ASSERT_TRUE(saveSettings(path_, placesNamed("P", 2), Preferences{}).ok());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(notOurs));
    EXPECT_TRUE(fs::is_symlink(staleLink));
}

} // namespace
} // namespace skyledger
