// skyledger-cli against hostile files and arguments: what -o may replace, what
// a settings file that cannot be read or holds impossible places gives, and
// what reaches the terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

namespace fs = std::filesystem;
using namespace skyledger::cli_test;

void writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Files that lack read or write permission only stop an ordinary user.
const char* const AS_ORDINARY_USER = "setpriv --reuid=65534 --regid=65534 --clear-groups ";

class CliFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skyledger-cli-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::permissions(dir_, fs::perms::all); // the ordinary user writes here too
        settings_ = (dir_ / "places.txt").string();
        fs::copy_file(SKYLEDGER_DEFAULT_SETTINGS, settings_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun run(const std::vector<std::string>& args, const std::string& prefix = "") {
        return runCli(dir_, args, prefix);
    }

    CliRun chartTo(const fs::path& target, const std::string& prefix = "") {
        return run({"--settings", settings_, "--location", "Greenwich", "--basis", "universal",
                    "chart", "2026-01-01", "3", "-o", target.string()},
                   prefix);
    }

    // A settings file holding the given location lines.
    std::string settingsWith(const std::string& locationLines, int count) {
        const std::string path = (dir_ / "custom.txt").string();
        writeAll(path, "skyledger 1.0\r\nmagneticbearings 0\r\ntime12hr 0\r\nlocations 0 " +
                           std::to_string(count) + "\r\n" + locationLines + "end\r\n");
        return path;
    }

    fs::path dir_;
    std::string settings_;
};

TEST_F(CliFiles, ChartOutputRefusesSpecialFilesAndFollowsASymlink) {
    const fs::path plain = dir_ / "plain.txt";
    ASSERT_EQ(chartTo(plain).status, 0);
    const std::string chart = readAll(plain);
    ASSERT_FALSE(chart.empty());

    const fs::path directory = dir_ / "directory";
    fs::create_directory(directory);
    const CliRun r = chartTo(directory);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "skyledger-cli: Cannot create file: " + directory.string() +
                         " (not a regular file)\n");
    EXPECT_TRUE(fs::is_directory(directory));
    const fs::path dangling = dir_ / "dangling.txt";
    fs::create_symlink(dir_ / "nowhere.txt", dangling);
    EXPECT_EQ(chartTo(dangling).status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "nowhere.txt"));

    const fs::path target = dir_ / "target.txt";
    writeAll(target, "old");
    const fs::path link = dir_ / "link.txt";
    fs::create_symlink(target, link);
    EXPECT_EQ(chartTo(link).status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readAll(target), chart);

    const fs::path readOnly = dir_ / "read-only.txt";
    writeAll(readOnly, "keep");
    fs::permissions(readOnly,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const CliRun refused = chartTo(readOnly, geteuid() == 0 ? AS_ORDINARY_USER : "");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "skyledger-cli: Cannot create file: " + readOnly.string() + " (Permission denied)\n");
    EXPECT_EQ(readAll(readOnly), "keep");
}

// What a shell user writes into: a FIFO, a pipe through /dev/stdout, a
// device. Written in place, never replaced; an empty name is bad input.
TEST_F(CliFiles, ChartOutputWritesFifosPipesAndDevicesDirectly) {
    const fs::path plain = dir_ / "plain.txt";
    ASSERT_EQ(chartTo(plain).status, 0);
    const std::string chart = readAll(plain);

    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(chartTo(fifo).status, 0);
    std::string fromFifo(chart.size() + 16, '\0');
    fromFifo.resize(
        static_cast<size_t>(std::max<ssize_t>(0, read(reader, fromFifo.data(), fromFifo.size()))));
    close(reader);
    EXPECT_EQ(fromFifo, chart);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const std::string piped = shellQuoted(SKYLEDGER_CLI_PATH) + " --settings " +
                              shellQuoted(settings_) +
                              " --location Greenwich --basis universal chart 2026-01-01 3 -o "
                              "/dev/stdout 2>&1 | cat";
    FILE* pipe = popen(piped.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string fromPipe;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        fromPipe.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(fromPipe, chart);

    EXPECT_EQ(chartTo("/dev/null").status, 0);
    const CliRun full = chartTo("/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(contains(full.err, "No space left on device")) << full.err;
    const CliRun unnamed = chartTo("");
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_TRUE(contains(unnamed.err, "-o needs a file name")) << unnamed.err;
}

TEST_F(CliFiles, OutOfRangePlaceInTheFileIsRefusedWithItsNameAndField) {
    const std::string path = settingsWith("  \"Greenwich\" 95.00 0.00 0.0 0.0\r\n"
                                          "  \"Lima\" 12.05 77.04 -1.0 99.0\r\n"
                                          "  \"Quito\" -0.18 78.47 -2.5 5.0\r\n",
                                          3);
    CliRun r = run({"--settings", path, "day", "2026-03-20"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "skyledger-cli: Greenwich: latitude 95.00 out of range (-90..90)\n");
    r = run({"--settings", path, "--location", "lima", "chart", "2026-03-20", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Lima: time zone 99.0 out of range")) << r.err;
    EXPECT_EQ(run({"--settings", path, "--location", "Quito", "track"}).status, 0);
    // The places stay in the list as they are.
    r = run({"--settings", path, "locations"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(contains(r.out, "Greenwich")) << r.out;
}

TEST_F(CliFiles, UnreadableSettingsFileSaysWhy) {
    const auto problem = [&](const std::string& path, const std::string& prefix = "") {
        const CliRun r = run({"--settings", path, "day"}, prefix);
        EXPECT_EQ(r.status, 1) << path;
        return r.err;
    };
    EXPECT_TRUE(contains(problem(dir_.string()), "Is a directory"));
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(contains(problem(fifo.string()), "not a regular file"));
    fs::permissions(settings_, fs::perms::owner_write);
    const std::string denied = problem(settings_, geteuid() == 0 ? AS_ORDINARY_USER : "");
    EXPECT_TRUE(contains(denied, "Permission denied")) << denied;
    EXPECT_FALSE(contains(denied, "is not a settings file")) << denied;

    const fs::path other = dir_ / "other.txt";
    writeAll(other, "skyledger 2.0\r\n");
    EXPECT_TRUE(contains(problem(other.string()), "is not a settings file this program can read"));
}

// The command line says, once, what it did not take from the file, and why
// a file of another version cannot be used.
TEST_F(CliFiles, SettingsFileReadOnlyInPartIsNamedOnStandardError) {
    const std::string data = std::string(SKYLEDGER_TEST_DATA) + "/settings/";
    CliRun r = run({"--settings", data + "count_short.txt", "locations"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(contains(r.out, "Cabin"));
    EXPECT_EQ(r.err, "skyledger-cli: " + data +
                         "count_short.txt was not read in full: line 6 (beyond the count of "
                         "places). The file as it is will be kept as a backup when the settings "
                         "are next saved.\n");
    r = run({"--settings", data + "newer_version.txt", "locations"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "(it was written by another version (\"skyledger 9.9\"))"))
        << r.err;
}

TEST_F(CliFiles, ControlCharactersInANameNeverReachTheTerminal) {
    // ESC [ 2 J clears a terminal, BEL rings it; \r and \n in the file break lines.
    const std::string path =
        settingsWith("  \"Evil\x1b[2J\x07 \\r\\nPlace\x7f\x81\" 51.48 0.00 0.0 0.0\r\n", 1);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"day", "2026-03-20"},
                                                 {"track", "2026-03-20"},
                                                 {"chart", "2026-03-20", "2"},
                                                 {"calendar", "2026-03"},
                                                 {"locations"}}) {
        std::vector<std::string> all = {"--settings", path};
        all.insert(all.end(), args.begin(), args.end());
        const CliRun r = run(all);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_TRUE(contains(r.out, "Evil?[2J? ??Place??")) << args[0] << ": " << r.out;
        for (const char* raw : {"\x1b", "\x07", "\r", "\x7f", "\xc2\x81"})
            EXPECT_FALSE(contains(r.out, raw)) << args[0];
    }
    const CliRun json = run({"--settings", path, "--json", "day", "2026-03-20"});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(contains(json.out, "\"Evil\\u001b[2J\\u0007 \\r\\nPlace\\u007f\\u0081\""))
        << json.out;
    EXPECT_FALSE(contains(json.out, "\x1b"));
}

TEST_F(CliFiles, BadArgumentsAreEchoedShortAndEscaped) {
    const std::string huge = "\xff\xfe\x1b" + std::string(100000, 'x');
    for (const std::vector<std::string>& args : {std::vector<std::string>{huge},
                                                 {"--settings", settings_, "--basis", huge, "day"},
                                                 {"--settings", settings_, "day", huge}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_LT(r.err.size(), 250u) << r.err.substr(0, 300);
        EXPECT_TRUE(contains(r.err, "'\\xff\\xfe\\x1bxxxx")) << r.err.substr(0, 300);
        EXPECT_TRUE(contains(r.err, "x...'")) << r.err.substr(0, 300);
        EXPECT_FALSE(contains(r.err, "\xff"));
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    }
    // Printable UTF-8 is shown as it is.
    const CliRun r = run({"--settings", settings_, "--location", "Z\xc3\xbcrich", "day"});
    EXPECT_TRUE(contains(r.err, "no place named 'Z\xc3\xbcrich'")) << r.err;
}

} // namespace
