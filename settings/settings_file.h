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
// pointing at the saved file. An existing file that is not a settings file of
// this version (its first line is not "skyledger 1.0", or it cannot be read)
// is first kept as "<path>.bak", or ".bak.1", ".bak.2", ... when earlier
// backups exist, so that no file the user had is ever lost.
#pragma once

#include <string>
#include <string_view>

#include "settings/location.h"

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

enum class SettingsSave { Saved, Failed };

// Magnetic bearings on, 24-hour clock, no list, current index 0. The time
// basis is left alone: it is not a stored setting.
void setDefaultSettings(LocationList& list, Preferences& prefs);

// Reads settings from the bytes of a settings file, starting from the
// defaults. Gives Loaded or NotUnderstood.
SettingsLoad parseSettingsText(std::string_view bytes, LocationList& list, Preferences& prefs);

// The bytes of the settings file for this state.
std::string settingsText(const LocationList& list, const Preferences& prefs);

// True when the bytes start with the version line this reader understands.
bool isSettingsText(std::string_view bytes);

// Sets the defaults and reads the settings file at `path` if there is one.
// For Unreadable, `problem` receives the reason (the system's text, such as
// "Permission denied" or "Is a directory", or "not a regular file").
SettingsLoad loadSettings(const std::string& path, LocationList& list, Preferences& prefs,
                          std::string* problem = nullptr);

// Writes the whole settings file at `path`, keeping a file that is not
// understood as a backup first. On failure the old file is left as it was
// and `problem` receives the reason; a directory or other special file at the
// path is never touched.
SettingsSave saveSettings(const std::string& path, const LocationList& list,
                          const Preferences& prefs, std::string* problem = nullptr);

} // namespace skyledger
