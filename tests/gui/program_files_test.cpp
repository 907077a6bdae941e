// The desktop program started and ended as a user or a script would, on the
// files it reads and writes: a settings file it cannot fully read, two copies
// at once, signals, a full disk; PDFs and pictures on full disks, FIFOs,
// links and names that are not UTF-8.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

std::string dataFile(const std::string& name) {
    return readAll(fs::path(SKYLEDGER_TEST_DATA) / "settings" / name);
}

// A copy of the program in a folder of its own, so that its settings file is
// the one beside it.
class DesktopProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skyledger-program-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        program_ = dir_ / "skyledger";
        std::error_code linked;
        fs::create_hard_link(SKYLEDGER_APP_PATH, program_, linked);
        if (linked) fs::copy_file(SKYLEDGER_APP_PATH, program_);
        settings_ = dir_ / "Skyledger Settings.txt";
        fs::copy_file(SKYLEDGER_DEFAULT_SETTINGS, settings_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Starts the program with `args` on the offscreen platform, its standard
    // error in a file of its own; `fileSizeLimitKiB` > 0 limits what it writes.
    pid_t start(const std::vector<std::string>& args, int fileSizeLimitKiB = 0) {
        std::string command = fileSizeLimitKiB > 0
                                  ? "ulimit -f " + std::to_string(fileSizeLimitKiB) + "; "
                                  : std::string();
        command +=
            environment_ + " QT_QPA_PLATFORM=offscreen exec " + shellQuoted(program_.string());
        for (const std::string& a : args)
            command += " " + shellQuoted(a);
        command += " >/dev/null 2>>" + shellQuoted(errorFile().string());
        const char* argv[] = {"/bin/bash", "-c", command.c_str(), nullptr};
        pid_t pid = -1;
        EXPECT_EQ(
            posix_spawn(&pid, "/bin/bash", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        return pid;
    }

    // True once the program has read its settings and handles SIGTERM.
    static bool ready(pid_t pid) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            for (std::string line; std::getline(status, line);) {
                if (line.rfind("SigCgt:", 0) != 0) continue;
                const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
                if (caught & (1ULL << (SIGTERM - 1))) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // The exit status, or 128 + the signal that ended it.
    static int waitFor(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    // Starts the program, and ends it with `signal` once it is ready.
    int startAndEnd(const std::vector<std::string>& args, int signal = SIGTERM,
                    int fileSizeLimitKiB = 0) {
        const pid_t pid = start(args, fileSizeLimitKiB);
        EXPECT_TRUE(ready(pid));
        kill(pid, signal);
        return waitFor(pid);
    }

    int run(const std::vector<std::string>& args, int fileSizeLimitKiB = 0) {
        return waitFor(start(args, fileSizeLimitKiB));
    }

    fs::path errorFile() const { return dir_ / "stderr"; }
    std::string errors() {
        const std::string text = readAll(errorFile());
        fs::remove(errorFile());
        return text;
    }

    fs::path dir_;
    fs::path program_;
    fs::path settings_;
    std::string environment_; // NAME=value words put before the program
};

// The current place's index in the shipped list.
const char* const SYDNEY_CURRENT = "locations 12 15\r\n";

TEST_F(DesktopProgram, StartAndQuitWithoutAChangeLeavesEverySettingsFileAsItWas) {
    for (const char* name :
         {"count_short.txt", "count_zero.txt", "nul_line.txt", "unquoted_end.txt", "two_lists.txt",
          "garbage.txt", "garbage_after_version.txt", "decimal_commas.txt", "newer_version.txt",
          "empty.txt"}) {
        writeAll(settings_, dataFile(name));
        EXPECT_EQ(startAndEnd({}), 0) << name;
        EXPECT_EQ(readAll(settings_), dataFile(name)) << name;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3)
            << name << ": nothing but the program, its settings and its messages";
        errors();
    }
}

TEST_F(DesktopProgram, AFileItCannotFullyUseIsNamedWithItsReason) {
    const struct {
        const char* file;
        const char* said;
    } cases[] = {
        {"count_short.txt", "was not read in full: line 6 (beyond the count of places)"},
        {"decimal_commas.txt", "line 5 (a number that cannot be read)"},
        {"newer_version.txt", "(it was written by another version (\"skyledger 9.9\"))"},
        {"empty.txt", "(the file is empty)"},
    };
    const fs::path picture = dir_ / "window.png";
    for (const auto& c : cases) {
        writeAll(settings_, dataFile(c.file));
        EXPECT_EQ(run({"--screenshot", picture.string()}), 0) << c.file;
        const std::string said = errors();
        EXPECT_TRUE(contains(said, settings_.string())) << said;
        EXPECT_TRUE(contains(said, c.said)) << said;
        EXPECT_FALSE(contains(said, "Missing File")) << said;
    }
    fs::remove(settings_);
    fs::create_directory(settings_);
    EXPECT_EQ(run({"--screenshot", picture.string()}), 0);
    EXPECT_TRUE(contains(errors(), "cannot be read: Is a directory"));

    // An installed copy whose configuration folder is a file.
    fs::create_directories(dir_ / "bin");
    fs::create_directories(dir_ / "share" / "skyledger");
    fs::copy_file(SKYLEDGER_DEFAULT_SETTINGS,
                  dir_ / "share" / "skyledger" / "default_settings.txt");
    fs::rename(program_, dir_ / "bin" / "skyledger");
    program_ = dir_ / "bin" / "skyledger";
    writeAll(dir_ / "config", "not a folder");
    environment_ = "XDG_CONFIG_HOME=" + shellQuoted((dir_ / "config").string());
    EXPECT_EQ(run({"--screenshot", picture.string()}), 0);
    EXPECT_TRUE(contains(errors(), "cannot be read: Not a directory"));
}

TEST_F(DesktopProgram, SignalsEndTheProgramInOrderSoTheChangeIsSaved) {
    const std::string shipped = readAll(settings_);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        writeAll(settings_, shipped);
        EXPECT_EQ(startAndEnd({"--location", "Sydney"}, signal), 0) << signal;
        EXPECT_TRUE(contains(readAll(settings_), SYDNEY_CURRENT)) << signal;
    }
}

TEST_F(DesktopProgram, TwoCopiesAndAHandEditNeverLoseEachOthersChanges) {
    const std::string shipped = readAll(settings_);
    const pid_t changed = start({"--location", "Sydney"});
    const pid_t idle = start({});
    ASSERT_TRUE(ready(changed));
    ASSERT_TRUE(ready(idle));
    kill(idle, SIGTERM);
    EXPECT_EQ(waitFor(idle), 0);
    EXPECT_EQ(readAll(settings_), shipped);

    std::string handEdit = shipped;
    handEdit.replace(handEdit.find("time12hr 0"), 10, "time12hr 1");
    writeAll(settings_, handEdit);
    kill(changed, SIGTERM);
    EXPECT_EQ(waitFor(changed), 0);
    EXPECT_EQ(readAll(settings_), handEdit);
    const fs::path beside = settings_.string() + ".conflict";
    EXPECT_TRUE(contains(readAll(beside), SYDNEY_CURRENT));
    EXPECT_TRUE(contains(errors(), beside.string()));
}

TEST_F(DesktopProgram, AFailedSaveAtExitExitsOneAndKeepsTheFile) {
    // Larger than the limit, so the save cannot be whole.
    std::string big = readAll(settings_);
    std::string places;
    for (int i = 0; i < 150; ++i)
        places += "  \"Place " + std::to_string(i) + "\" 10.00 20.00 0.0 1.0\r\n";
    big.replace(big.find("locations 4 15"), 14, "locations 4 165");
    big.insert(big.find("end\r\n"), places);
    writeAll(settings_, big);
    ASSERT_GT(big.size(), 4096u);
    EXPECT_EQ(startAndEnd({"--location", "Sydney"}, SIGTERM, 4), 1);
    EXPECT_EQ(readAll(settings_), big);
    EXPECT_TRUE(contains(errors(), "Cannot write the settings file"));
}

// On a full disk (here a file-size limit) a PDF or a picture is written
// whole or not at all: exit 1, and a file already there stays as it was.
TEST_F(DesktopProgram, PdfAndPictureOnAFullDiskExitOneAndKeepTheOldFile) {
    const fs::path pdf = dir_ / "calendar.pdf";
    const fs::path png = dir_ / "window.png";
    writeAll(pdf, "%PDF-1.4 an earlier calendar\n%%EOF\n");
    writeAll(png, "an earlier picture");
    EXPECT_EQ(run({"--pdf", "calendar", pdf.string(), "--date", "2026-07-01"}, 8), 1);
    EXPECT_EQ(run({"--screenshot", png.string()}, 8), 1);
    EXPECT_EQ(readAll(pdf), "%PDF-1.4 an earlier calendar\n%%EOF\n");
    EXPECT_EQ(readAll(png), "an earlier picture");
    EXPECT_EQ(run({"--screenshot", "/dev/full"}), 1);
    const std::string said = errors();
    EXPECT_TRUE(contains(said, "Cannot write the PDF file")) << said;
    EXPECT_TRUE(contains(said, "No space left on device")) << said;
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

TEST_F(DesktopProgram, TwoPdfWritersOnOnePathNeverMixTheirBytes) {
    const fs::path pdf = dir_ / "year.pdf";
    for (int round = 0; round < 4; ++round) {
        const std::vector<std::string> args = {"--pdf",      "chart",  pdf.string(), "--date",
                                               "2026-01-01", "--days", "366"};
        const pid_t first = start(args);
        const pid_t second = start(args);
        EXPECT_EQ(waitFor(first), 0);
        EXPECT_EQ(waitFor(second), 0);
        EXPECT_EQ(countOf(readAll(pdf), "%%EOF"), 1u) << "round " << round;
    }
}

// The command line's rules for -o: a FIFO is written in place (and given up
// when nobody reads it), a dangling link is refused, a name keeps its bytes.
TEST_F(DesktopProgram, PdfTargetsFollowTheCommandLineRules) {
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(run({"--pdf", "track", fifo.string()}), 1); // no reader
    EXPECT_TRUE(contains(errors(), "no program reads the FIFO"));

    const pid_t writer = start({"--pdf", "track", fifo.string()});
    int written = -1;
    // Should the program never open the FIFO, a writer of our own ends the read.
    std::thread reaper([&] {
        written = waitFor(writer);
        const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) close(fd);
    });
    std::string fromFifo;
    {
        std::ifstream reader(fifo, std::ios::binary);
        fromFifo.assign(std::istreambuf_iterator<char>(reader), {});
    }
    reaper.join();
    EXPECT_EQ(written, 0);
    EXPECT_EQ(fromFifo.rfind("%PDF", 0), 0u);
    EXPECT_EQ(countOf(fromFifo, "%%EOF"), 1u);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const fs::path dangling = dir_ / "dangling.pdf";
    fs::create_symlink(dir_ / "elsewhere.pdf", dangling);
    EXPECT_EQ(run({"--pdf", "calendar", dangling.string()}), 1);
    EXPECT_FALSE(fs::exists(dir_ / "elsewhere.pdf"));

    const std::string latin1Name = (dir_ / "caf\xe9.pdf").string();
    EXPECT_EQ(run({"--pdf", "calendar", latin1Name}), 0);
    EXPECT_TRUE(fs::exists(latin1Name));
}

TEST_F(DesktopProgram, AReportForNoPlaceOrAnOutOfRangePlaceSaysWhyAndWritesNothing) {
    const fs::path pdf = dir_ / "report.pdf";
    writeAll(settings_, "skyledger 1.0\r\nmagneticbearings 1\r\ntime12hr 0\r\nlocations 0 0\r\n"
                        "end\r\n");
    for (const char* kind : {"chart", "calendar", "track", "details"}) {
        EXPECT_EQ(run({"--pdf", kind, pdf.string()}), 1) << kind;
        EXPECT_TRUE(contains(errors(), "no places")) << kind;
        EXPECT_FALSE(fs::exists(pdf)) << kind;
    }
    writeAll(settings_, "skyledger 1.0\r\nmagneticbearings 1\r\ntime12hr 0\r\nlocations 0 1\r\n"
                        "  \"Nowhere\" 95.00 0.00 0.0 0.0\r\nend\r\n");
    for (const char* kind : {"chart", "calendar", "track", "details"}) {
        EXPECT_EQ(run({"--pdf", kind, pdf.string()}), 1) << kind;
        EXPECT_TRUE(contains(errors(), "Nowhere: latitude 95.00 out of range")) << kind;
        EXPECT_FALSE(fs::exists(pdf)) << kind;
    }
}

} // namespace
