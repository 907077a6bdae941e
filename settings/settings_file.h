// The settings file "Skyledger Settings.txt": the two persisted display
// preferences and the user's location list, kept as plain Windows-1252 text in
// the program's directory. Every line ends with CR LF:
//
//   skyledger 1.0
//   magneticbearings 1
//   time12hr 0
//   locations <current index> <count>
//     "<name>" <latitude %2f> <longitude %2f> <declination %1f> <time zone %1f>
//     ... one line per location ...
//   end
//
// Numbers are written by formatText and read by parseDecimal/parseInteger.
// Inside the quoted name a double quote, a backslash, a carriage return and a
// line feed are written as \", \\, \r and \n, which the tokenizer reads back.
//
// The reader accepts lines ended by CR LF, LF or CR alone, lines of any
// length, and it never lets a malformed file leave a record without a name,
// a current index outside the list, or a number that is not finite:
// - blank lines are skipped; a keyword without a readable value is ignored;
// - a location line whose name is written "" (empty) keeps its record with an
//   empty name and reads its numbers from the rest of the line;
// - a location line with fewer than four numbers keeps its record: the name
//   and the numbers present, the missing ones 0; a line with no token at all
//   is no record and does not count;
// - a number that does not parse, is not finite, or whose magnitude is above
//   LARGEST_STORED_VALUE is read as 0;
// - the location lines end early at an unquoted "end" line or at the end of
//   the file, so a count larger than the file keeps every record present; a
//   missing, unreadable or negative count reads location lines up to "end";
// - the current index is clamped into 0..count-1 (0 for an empty list).
//
// Saving writes a temporary file beside the settings file and renames it over
// the old one, so the path always holds a complete old or new file, whatever
// happens during the save. A settings path that is a symbolic link keeps
// pointing at the saved file. An existing file whose bytes are not exactly
// what this program would write from what it reads in them (another version's
// file, one read only in part, one that cannot be read) is first kept as
// "<path>.bak", or ".bak.1", ".bak.2", ... when earlier backups exist, so
// that no file the user had is ever lost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/location.h"
#include "support/file_result.h"

namespace skyledger {

inline constexpr std::string_view SETTINGS_FILE_NAME = "Skyledger Settings.txt";
inline constexpr std::string_view SETTINGS_VERSION_LINE = "skyledger 1.0";
inline constexpr std::string_view SETTINGS_BACKUP_SUFFIX = ".bak";

// Location values (degrees or hours) of larger magnitude are read and written
// as 0: the file's fixed-point numbers cannot hold them.
inline constexpr double LARGEST_STORED_VALUE = 1.0e7;

// The directory part of the program's own file name: cut after the last '\',
// '/' or ':' ("." when there is none), then drop a trailing '\' or '/' unless
// the text is shorter than two characters or the separator follows a colon
// (so "C:\" and "/" stay roots).
std::string programDirectory(std::string_view moduleFileName);

// The settings file's full path in `directory`: a separator is added unless
// the directory ends with '\' or '/' ('\' for a directory written with '\' or
// a drive colon, '/' otherwise).
std::string settingsPath(std::string_view directory);

// Where a settings file that is not understood is kept before it is replaced
// (the first backup; later ones add ".1", ".2", ...).
std::string settingsBackupPath(const std::string& path);

enum class SettingsLoad {
    Loaded,        // the file was read (whatever of it could be understood)
    Missing,       // no file: the defaults are in force
    NotUnderstood, // a file whose first line is not the version line: defaults
    Unreadable,    // the file exists but could not be read: defaults
};

// Why the reader did not take a line (or took it only in part).
enum class SkipReason {
    BeyondCount,      // a place line after the count of places was read
    UnreadableNumber, // a value that does not parse (read as 0)
    MissingNumber,    // a place line with fewer than four values (the rest 0)
    UnknownLine,      // no keyword this reader knows
    SecondList,       // a second "locations" line: its list replaces the first
    AfterEnd,         // after the "end" line (or an unquoted place named End)
};

struct SkippedLine {
    int32_t line = 0; // from 1, the version line being line 1
    SkipReason why = SkipReason::UnknownLine;
    bool operator==(const SkippedLine&) const = default;
};

// A few words for the reason, as the messages show it.
std::string skipReasonText(SkipReason why);

// Why the file at hand is not a settings file this reader understands: it is
// empty, another version wrote it, or its first line is something else.
std::string notUnderstoodWhy(std::string_view bytes);

// What both programs say about a settings file they could not use, naming it
// `shownName`: missing, unreadable (with the system's reason in `problem`) or
// not understood (with notUnderstoodWhy); nothing for a loaded file.
std::optional<std::string> settingsLoadMessage(SettingsLoad load, std::string_view shownName,
                                               std::string_view problem);

// What both programs say, once, about a file read only in part: the first
// few lines not taken with their reasons, and that the file will be kept.
std::string skippedLinesMessage(std::string_view shownName,
                                const std::vector<SkippedLine>& skipped);

// Magnetic bearings on, 24-hour clock, no list, current index 0. The time
// basis is left alone: it is not a stored setting.
void setDefaultSettings(LocationList& list, Preferences& prefs);

// What reading settings found: how it went, the settings in force after it
// (the defaults, with whatever of the file could be understood), and what the
// user may be told about it.
struct SettingsRead {
    SettingsLoad load = SettingsLoad::Missing;
    LocationList list;
    // The stored preferences; the time basis is the default, as it is not a
    // stored setting.
    Preferences prefs;
    // For Unreadable the system's reason ("Permission denied", "Is a
    // directory", "not a regular file"); for NotUnderstood notUnderstoodWhy.
    std::string problem;
    std::vector<SkippedLine> skipped;     // the lines not taken, or taken in part
    std::optional<std::string> bytesRead; // the file's bytes when it could be read
};

// `current` with the stored preferences of `stored`: the time basis stays
// `current`'s.
Preferences withStoredPreferences(Preferences current, const Preferences& stored);

// Reads settings from the bytes of a settings file, starting from the
// defaults. Gives Loaded or NotUnderstood (the rules above).
SettingsRead parseSettingsText(std::string_view bytes);

// The bytes of the settings file for this state.
std::string settingsText(const LocationList& list, const Preferences& prefs);

// True when the bytes start with the version line this reader understands.
bool isSettingsText(std::string_view bytes);

// Reads the settings file at `path` if there is one; the defaults otherwise.
SettingsRead loadSettings(const std::string& path);

// Writes the whole settings file at `path`, keeping the file there first as a
// backup unless its bytes are exactly what this program would write from what
// it reads in them. On failure the old file is left as it was and the reason
// is given; a directory or other special file at the path is never touched.
// `alwaysKeepOld` keeps any file there as a backup.
FileResult<Done> saveSettings(const std::string& path, const LocationList& list,
                              const Preferences& prefs, bool alwaysKeepOld = false);

} // namespace skyledger
