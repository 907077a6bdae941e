// Reading and writing the settings file: the exact bytes written, the reader's
// handling of other line ends and damaged files, and the file operations.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "settings/tokenizer.h"

namespace skyledger {
namespace {

namespace fs = std::filesystem;

Location place(std::string name, double lat, double lon, double decl, double zone) {
    return Location{std::move(name), lat, lon, decl, zone};
}

LocationList sampleList() {
    LocationList list;
    list.present = true;
    list.records = {place("Greenwich", 51.4779, 0.0015, -0.04, 0.0),
                    place("New York, \"Big Apple\"", 40.7128, 74.006, -12.95, 5.0),
                    place("C:\\path\r\nname", -33.8688, -151.2093, -12.6, -10.0),
                    place("", 0, 0, 0, 0)};
    list.current = 1;
    return list;
}

const char* const SAMPLE_TEXT = "skyledger 1.0\r\n"
                                "magneticbearings 0\r\n"
                                "time12hr 1\r\n"
                                "locations 1 4\r\n"
                                "  \"Greenwich\" 51.48 0.00 -0.0 0.0\r\n"
                                "  \"New York, \\\"Big Apple\\\"\" 40.71 74.01 -13.0 5.0\r\n"
                                "  \"C:\\\\path\\r\\nname\" -33.87 -151.21 -12.6 -10.0\r\n"
                                "  \"\" 0.00 0.00 0.0 0.0\r\n"
                                "end\r\n";

TEST(SettingsFile, WritesTheFormatByteForByte) {
    Preferences prefs;
    prefs.magneticBearings = 0;
    prefs.twelveHourClock = 1;
    EXPECT_EQ(settingsText(sampleList(), prefs), SAMPLE_TEXT);

    LocationList none;
    EXPECT_EQ(settingsText(none, Preferences{}), "skyledger 1.0\r\nmagneticbearings 1\r\n"
                                                 "time12hr 0\r\nlocations 0 0\r\nend\r\n");
}

TEST(SettingsFile, ReadsBackWhatItWrote) {
    const SettingsRead parsed = parseSettingsText(SAMPLE_TEXT);
    ASSERT_EQ(parsed.load, SettingsLoad::Loaded);
    LocationList list = parsed.list;
    Preferences prefs = parsed.prefs;
    EXPECT_EQ(prefs.magneticBearings, 0);
    EXPECT_EQ(prefs.twelveHourClock, 1);
    ASSERT_TRUE(list.present);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.current, 1);
    const LocationList original = sampleList();
    for (int i = 0; i < 4; ++i) {
        const Location& got = list.records[static_cast<size_t>(i)];
        const Location& want = original.records[static_cast<size_t>(i)];
        EXPECT_EQ(got.name, want.name);
        EXPECT_NEAR(got.latitude, want.latitude, 0.00501);
        EXPECT_NEAR(got.longitude, want.longitude, 0.00501);
        EXPECT_NEAR(got.magneticDeclination, want.magneticDeclination, 0.0501);
        EXPECT_NEAR(got.timeZone, want.timeZone, 0.0501);
    }
    EXPECT_TRUE(std::signbit(list.records[0].magneticDeclination)); // -0.0 stays -0.0
    EXPECT_EQ(settingsText(list, prefs), SAMPLE_TEXT);
}

TEST(SettingsFile, AcceptsOtherLineEndsAndLetterCase) {
    const std::string lf = "SKYLEDGER 1.0\nMagneticBearings 0\nTIME12HR 1\nLocations 0 1\n"
                           "  \"Oslo\" 59.91 -10.75 -4.5 -1.0\nEND\n";
    std::string cr = lf;
    for (char& c : cr)
        c = c == '\n' ? '\r' : c;
    for (const std::string& text : {lf, cr, lf.substr(0, lf.size() - 1)}) {
        const SettingsRead parsed = parseSettingsText(text);
        ASSERT_EQ(parsed.load, SettingsLoad::Loaded);
        LocationList list = parsed.list;
        Preferences prefs = parsed.prefs;
        EXPECT_EQ(prefs.magneticBearings, 0);
        EXPECT_EQ(prefs.twelveHourClock, 1);
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(list.records[0].name, "Oslo");
        EXPECT_EQ(list.records[0].longitude, -10.75);
    }
}

TEST(SettingsFile, OtherFirstLinesAreNotUnderstood) {
    for (const char* text : {"skyledger 2.0\r\nmagneticbearings 0\r\n", "skyledger 1.0 \r\n",
                             "\xEF\xBB\xBFskyledger 1.0\r\n", ""}) {
        const SettingsRead parsed = parseSettingsText(text);
        EXPECT_EQ(parsed.load, SettingsLoad::NotUnderstood) << text;
        LocationList list = parsed.list;
        Preferences prefs = parsed.prefs;
        EXPECT_FALSE(list.present);
        EXPECT_EQ(prefs.magneticBearings, 1);
        EXPECT_EQ(prefs.twelveHourClock, 0);
    }
}

TEST(SettingsFile, DamagedFilesKeepWhatIsReadable) {
    const std::string longName(300, 'n');
    const std::string text = "skyledger 1.0\r\n"
                             "\r\n"
                             "magneticbearings\r\n" // no value: the default stays
                             "time12hr yes\r\n"     // unreadable: the default stays
                             "colour blue\r\n"      // unknown keyword
                             "locations 9 5\r\n"    // index beyond the list is clamped
                             "  \"Full\" 1E+1 12.5% nan 1e400\r\n"
                             "\r\n"                   // blank lines are no records
                             "  \"Short\" 45.5 7\r\n" // missing numbers are 0
                             "  Bare -1.5E+3 2e1 3 4 extra tokens\r\n"
                             "  \"\"\r\n"              // empty name, no numbers
                             "end\r\n"                 // count promised five: the block ends here
                             "magneticbearings 0\r\n"; // after "end": never read
    const SettingsRead parsed = parseSettingsText(text + longName);
    ASSERT_EQ(parsed.load, SettingsLoad::Loaded);
    LocationList list = parsed.list;
    Preferences prefs = parsed.prefs;
    EXPECT_EQ(prefs.magneticBearings, 1);
    EXPECT_EQ(prefs.twelveHourClock, 0);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.current, 3);
    const Location& full = list.records[0];
    EXPECT_EQ(full.name, "Full");
    EXPECT_EQ(full.latitude, 10.0);
    EXPECT_EQ(full.longitude, 0.125);
    EXPECT_EQ(full.magneticDeclination, 0.0);
    EXPECT_EQ(full.timeZone, 0.0);
    EXPECT_EQ(list.records[1].name, "Short");
    EXPECT_EQ(list.records[1].latitude, 45.5);
    EXPECT_EQ(list.records[1].longitude, 7.0);
    EXPECT_EQ(list.records[1].timeZone, 0.0);
    EXPECT_EQ(list.records[2].name, "Bare");
    EXPECT_EQ(list.records[2].latitude, 0.0); // "-1.5E" "+" "3": not a number
    EXPECT_EQ(list.records[2].longitude, 0.0);
    EXPECT_EQ(list.records[2].magneticDeclination, 3.0);
    EXPECT_EQ(list.records[2].timeZone, 20.0);
    EXPECT_EQ(list.records[3].name, "");

    // A count larger than the file, a missing count, a negative index.
    for (const char* head : {"locations -4 1000\r\n", "locations\r\n", "locations 0 -2\r\n"}) {
        const std::string t = std::string("skyledger 1.0\r\n") + head + "  \"A\" 1 2 3 4\n \"B\"";
        const SettingsRead parsedList = parseSettingsText(t);
        ASSERT_EQ(parsedList.load, SettingsLoad::Loaded);
        const LocationList& l = parsedList.list;
        ASSERT_EQ(l.count(), 2) << head;
        EXPECT_EQ(l.current, 0);
        EXPECT_EQ(l.records[1].name, "B");
    }
    // An empty list stays a present list; values too large for the file are 0.
    const LocationList empty = parseSettingsText("skyledger 1.0\nlocations 0 0\n").list;
    EXPECT_TRUE(empty.present);
    EXPECT_EQ(empty.currentLocation(), nullptr);
    const LocationList big =
        parseSettingsText("skyledger 1.0\nlocations 0 1\n\"X\" 1e7 10000000.01 -1e7 1e300").list;
    EXPECT_EQ(big.records[0].latitude, 1.0e7);
    EXPECT_EQ(big.records[0].longitude, 0.0);
    EXPECT_EQ(big.records[0].magneticDeclination, -1.0e7);
    EXPECT_EQ(big.records[0].timeZone, 0.0);
}

TEST(SettingsFile, TimeZoneNameIsAQuotedSixthFieldThatOlderReadersSkip) {
    const std::string text = "skyledger 1.0\r\nmagneticbearings 1\r\ntime12hr 0\r\nlocations 0 3\r\n"
                             "  \"Greenwich\" 51.48 0.00 1.0 0.0 \"Europe/London\"\r\n"
                             "  \"Nowhere\" 1.00 2.00 3.0 4.0 \"Mars/Olympus_Mons\"\r\n"
                             "  \"Old\" 5.00 6.00 7.0 8.0\r\n"
                             "end\r\n";
    const SettingsRead parsed = parseSettingsText(text);
    ASSERT_EQ(parsed.load, SettingsLoad::Loaded);
    LocationList list = parsed.list;
    Preferences prefs = parsed.prefs;
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.records[0].zone, "Europe/London");
    EXPECT_EQ(list.records[0].timeZone, 0.0);
    EXPECT_EQ(list.records[1].zone, "Mars/Olympus_Mons"); // unknown, yet kept
    EXPECT_EQ(list.records[1].timeZone, 4.0);
    EXPECT_EQ(list.records[2].zone, ""); // a line of the older format
    EXPECT_EQ(settingsText(list, prefs), text);

    // The older rule: the name and the first four numbers of the tokens, the
    // rest ignored. It finds in each line what it wrote without the zone.
    LocationList withoutZones = list;
    for (Location& loc : withoutZones.records)
        loc.zone.clear();
    const std::string older = settingsText(withoutZones, prefs);
    size_t a = 0;
    size_t b = 0;
    for (int line = 0; line < 9; ++line) {
        const size_t aEnd = text.find("\r\n", a);
        const size_t bEnd = older.find("\r\n", b);
        const std::vector<std::string> got = tokenizeLine(text.substr(a, aEnd - a));
        const std::vector<std::string> want = tokenizeLine(older.substr(b, bEnd - b));
        ASSERT_GE(got.size(), want.size());
        EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + std::ptrdiff_t(want.size())),
                  want);
        a = aEnd + 2;
        b = bEnd + 2;
    }
}

std::string dataFile(const std::string& name) {
    std::ifstream in(fs::path(SKYLEDGER_TEST_DATA) / "settings" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Hostile files a user met: each line the reader did not take, or took only
// in part, is named with its reason; what is read stays as the rules say.
TEST(SettingsFile, ReaderNamesTheLinesItDidNotTake) {
    using R = SkipReason;
    const struct {
        const char* file;
        int32_t places;
        std::vector<SkippedLine> skipped;
    } cases[] = {
        {"count_short.txt", 1, {{6, R::BeyondCount}}},
        {"count_zero.txt", 0, {{5, R::BeyondCount}, {6, R::BeyondCount}, {7, R::BeyondCount}}},
        {"nul_line.txt", 3, {{6, R::MissingNumber}, {8, R::BeyondCount}}},
        {"unquoted_end.txt", 1, {{7, R::AfterEnd}, {8, R::AfterEnd}, {9, R::AfterEnd}}},
        {"two_lists.txt", 1, {{7, R::SecondList}}},
        {"garbage.txt", 2, {{8, R::AfterEnd}, {9, R::AfterEnd}, {10, R::AfterEnd}}},
        {"garbage_after_version.txt", 2, {{2, R::UnknownLine}}},
        {"decimal_commas.txt", 2, {{5, R::UnreadableNumber}}},
    };
    for (const auto& c : cases) {
        const SettingsRead parsed = parseSettingsText(dataFile(c.file));
        EXPECT_EQ(parsed.load, SettingsLoad::Loaded);
        EXPECT_EQ(parsed.list.count(), c.places) << c.file;
        EXPECT_EQ(parsed.skipped, c.skipped) << c.file;
    }
    EXPECT_TRUE(parseSettingsText(SAMPLE_TEXT).skipped.empty());
    EXPECT_EQ(skippedLinesMessage("places.txt", {{6, R::BeyondCount}, {9, R::UnreadableNumber}}),
              "places.txt was not read in full: line 6 (beyond the count of places), line 9 (a "
              "number that cannot be read). The file as it is will be kept as a backup when the "
              "settings are next saved.");
}

// Each file that cannot be used says why, in words both programs share.
TEST(SettingsFile, UnusableFilesSayWhy) {
    EXPECT_EQ(notUnderstoodWhy(""), "the file is empty");
    EXPECT_EQ(notUnderstoodWhy(dataFile("newer_version.txt")),
              "it was written by another version (\"skyledger 9.9\")");
    EXPECT_EQ(notUnderstoodWhy("<html>\r\n"), "its first line is not \"skyledger 1.0\"");
    EXPECT_EQ(settingsLoadMessage(SettingsLoad::Unreadable, "s.txt", "Not a directory"),
              "s.txt cannot be read: Not a directory");
    EXPECT_EQ(settingsLoadMessage(SettingsLoad::NotUnderstood, "s.txt", "the file is empty"),
              "s.txt is not a settings file this program can read (the file is empty)");
    EXPECT_EQ(settingsLoadMessage(SettingsLoad::Loaded, "s.txt", ""), std::nullopt);
}

TEST(SettingsFile, LongLinesAndNamesAreReadWhole) {
    LocationList list;
    list.present = true;
    list.records = {place(std::string(MAX_NAME_LENGTH, '\\'), 1, 2, 3, 4),
                    place(std::string(400, 'L'), 5, 6, 7, 8)};
    const std::string text = settingsText(list, Preferences{});
    LocationList back;
    Preferences prefs;
    const SettingsRead parsed = parseSettingsText(text);
    ASSERT_EQ(parsed.load, SettingsLoad::Loaded);
    back = parsed.list;
    prefs = parsed.prefs;
    ASSERT_EQ(back.count(), 2);
    EXPECT_EQ(back.records[0].name, list.records[0].name); // a 500-byte line
    EXPECT_EQ(back.records[0].timeZone, 4.0);
    EXPECT_EQ(back.records[1].name, std::string(MAX_NAME_LENGTH, 'L')); // written cut
    EXPECT_EQ(back.records[1].timeZone, 8.0);
}

TEST(SettingsFile, OverlongQuotedNameKeepsItsNumbersInTheirFields) {
    // A hand-edited file: names longer than a token, one with escapes at the cut.
    const std::string name300(300, 'N');
    const std::string escaped = std::string(254, 'e') + "\\\\\\\"tail"; // \\ then \" in the file
    const std::string text = "skyledger 1.0\r\nlocations 1 2\r\n"
                             "  \"" +
                             name300 +
                             "\" 11 22 3 4\r\n"
                             "  \"" +
                             escaped + "\" -5.5 6 -7 8\r\nend\r\n";
    const SettingsRead parsed = parseSettingsText(text);
    ASSERT_EQ(parsed.load, SettingsLoad::Loaded);
    LocationList list = parsed.list;
    ASSERT_EQ(list.count(), 2);
    const Location& first = list.records[0];
    EXPECT_EQ(first.name, std::string(MAX_NAME_LENGTH, 'N'));
    EXPECT_EQ(first.latitude, 11.0);
    EXPECT_EQ(first.longitude, 22.0);
    EXPECT_EQ(first.magneticDeclination, 3.0);
    EXPECT_EQ(first.timeZone, 4.0);
    const Location& second = list.records[1];
    EXPECT_EQ(second.name, std::string(254, 'e') + "\\"); // cut after the escaped backslash
    EXPECT_EQ(second.latitude, -5.5);
    EXPECT_EQ(second.timeZone, 8.0);
    EXPECT_EQ(list.current, 1);
}

TEST(SettingsFile, ProgramDirectoryAndPath) {
    struct Case {
        const char* module;
        const char* directory;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\Programs\\Sky\\skyledger.exe", "C:\\Programs\\Sky",
         "C:\\Programs\\Sky\\Skyledger Settings.txt"},
        {"C:\\skyledger.exe", "C:\\", "C:\\Skyledger Settings.txt"},
        {"C:skyledger.exe", "C:", "C:\\Skyledger Settings.txt"},
        {"/opt/sky/bin/skyledger", "/opt/sky/bin", "/opt/sky/bin/Skyledger Settings.txt"},
        {"/skyledger", "/", "/Skyledger Settings.txt"},
        {"skyledger", ".", "./Skyledger Settings.txt"},
        {"\\\\server\\share\\x.exe", "\\\\server\\share",
         "\\\\server\\share\\Skyledger Settings.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(programDirectory(c.module), c.directory) << c.module;
        EXPECT_EQ(settingsPath(programDirectory(c.module)), c.path) << c.module;
    }
}

class SettingsFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               (std::string("skyledger_settings_test_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = settingsPath(dir_.string());
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(SettingsFileOnDisk, MissingFileGivesDefaultsAndSavesAnEmptyList) {
    const SettingsRead loaded = loadSettings(path_);
    EXPECT_EQ(loaded.load, SettingsLoad::Missing);
    LocationList list = loaded.list;
    Preferences prefs = loaded.prefs;
    EXPECT_FALSE(list.present);
    EXPECT_EQ(prefs.twelveHourClock, 0);
    EXPECT_TRUE(saveSettings(path_, list, prefs).ok());
    EXPECT_EQ(contents(path_), settingsText(LocationList{}, Preferences{}));
    EXPECT_FALSE(fs::exists(path_ + ".tmp"));
    EXPECT_FALSE(fs::exists(settingsBackupPath(path_)));
}

TEST_F(SettingsFileOnDisk, UntouchedFileIsReproducedByteForByte) {
    write(path_, SAMPLE_TEXT);
    const SettingsRead loaded = loadSettings(path_);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    LocationList list = loaded.list;
    Preferences prefs = loaded.prefs;
    ASSERT_TRUE(saveSettings(path_, list, prefs).ok());
    EXPECT_EQ(contents(path_), SAMPLE_TEXT);
    EXPECT_FALSE(fs::exists(settingsBackupPath(path_)));
}

TEST_F(SettingsFileOnDisk, FileNotUnderstoodIsKeptAsBackup) {
    const std::string later = "skyledger 2.0\r\nsomething new\r\n";
    write(path_, later);
    const SettingsRead loaded = loadSettings(path_);
    EXPECT_EQ(loaded.load, SettingsLoad::NotUnderstood);
    LocationList list = loaded.list;
    Preferences prefs = loaded.prefs;
    ASSERT_TRUE(saveSettings(path_, sampleList(), prefs).ok());
    EXPECT_EQ(contents(settingsBackupPath(path_)), later);
    EXPECT_TRUE(isSettingsText(contents(path_)));
}

// A file that a save would not give back byte for byte (read only in part,
// or written by hand) is kept before it is replaced; one that would is not.
TEST_F(SettingsFileOnDisk, FileNotWrittenAsReadIsKeptAsBackup) {
    for (const char* name : {"count_short.txt", "decimal_commas.txt", "garbage.txt"}) {
        fs::remove(settingsBackupPath(path_));
        write(path_, dataFile(name));
        const SettingsRead loaded = loadSettings(path_);
        ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
        LocationList list = loaded.list;
        Preferences prefs = loaded.prefs;
        ASSERT_TRUE(saveSettings(path_, list, prefs).ok());
        EXPECT_EQ(contents(settingsBackupPath(path_)), dataFile(name)) << name;
    }
}

// One read gives all a caller says and keeps about the file: the places
// taken, the lines not taken, the bytes to compare a later save with, the
// reason a file could not be used; it never sets the time basis shown.
TEST_F(SettingsFileOnDisk, OneReadCarriesThePlacesTheLinesNotTakenTheBytesAndTheReason) {
    const std::string partly = dataFile("count_short.txt");
    write(path_, partly);
    const SettingsRead read = loadSettings(path_);
    EXPECT_EQ(read.load, SettingsLoad::Loaded);
    EXPECT_EQ(read.list.count(), 1);
    EXPECT_EQ(read.skipped, (std::vector<SkippedLine>{{6, SkipReason::BeyondCount}}));
    EXPECT_EQ(read.bytesRead, std::optional<std::string>(partly));
    Preferences shown;
    shown.timeBasis = TimeBasis::Universal;
    EXPECT_EQ(withStoredPreferences(shown, read.prefs).timeBasis, TimeBasis::Universal);

    write(path_, "skyledger 2.0\r\n");
    const SettingsRead later = loadSettings(path_);
    EXPECT_EQ(later.load, SettingsLoad::NotUnderstood);
    EXPECT_EQ(later.problem, "it was written by another version (\"skyledger 2.0\")");
    EXPECT_FALSE(later.list.present);

    const SettingsRead folder = loadSettings(dir_.string());
    EXPECT_EQ(folder.load, SettingsLoad::Unreadable);
    EXPECT_EQ(folder.problem, "Is a directory");
    EXPECT_FALSE(folder.bytesRead.has_value());
}

TEST_F(SettingsFileOnDisk, FailedSaveLeavesTheOldFileAlone) {
    write(path_, SAMPLE_TEXT);
    fs::create_directory(path_ + ".tmp"); // a stray name beside the file is no obstacle
    EXPECT_TRUE(saveSettings(path_, LocationList{}, Preferences{}).ok());
    EXPECT_TRUE(fs::is_directory(path_ + ".tmp"));

    const std::string elsewhere = (dir_ / "no such directory" / "x").string();
    EXPECT_FALSE(saveSettings(elsewhere, sampleList(), Preferences{}).ok());

    const SettingsRead loaded = loadSettings(dir_.string());
    EXPECT_EQ(loaded.load, SettingsLoad::Unreadable);
    LocationList list = loaded.list;
    EXPECT_FALSE(list.present);
}

} // namespace
} // namespace skyledger
