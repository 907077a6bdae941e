// Where "Skyledger Settings.txt" lives. Both programs, the desktop window and
// skyledger-cli, ask these functions, so they always read and write the same
// file:
//
// - beside the program, when its directory is writable and it is not an
//   installed copy: the build tree and a portable copy (a folder holding the
//   programs and their settings file) keep their file where it always was;
// - otherwise in the user's configuration folder, Skyledger/ under
//   $XDG_CONFIG_HOME, or under ~/.config when that is unset. This is the
//   folder Qt's QStandardPaths::AppConfigLocation names for an application
//   called "Skyledger" without an organisation, so the file sits where a
//   desktop user expects it.
//
// An installed copy is a program whose prefix carries the shipped places at
// ../share/skyledger/default_settings.txt. It keeps its settings per user even
// when its directory is writable (root running /usr/bin/skyledger, or a copy
// installed under ~/.local), unless a settings file already lies beside it.
//
// The user's file is created on first use from the places that ship with the
// program: the settings file beside the program if there is one (a read-only
// portable copy keeps its own places), otherwise the shipped default. An
// existing user file is never overwritten.
#pragma once

#include <string>
#include <string_view>

namespace skyledger {

inline constexpr std::string_view SETTINGS_APPLICATION_FOLDER = "Skyledger";
inline constexpr std::string_view SHIPPED_SETTINGS_FILE_NAME = "default_settings.txt";

// What the decision looks at, gathered once at start-up.
struct SettingsEnvironment {
    std::string programDirectory; // the directory holding the running program
    bool programDirectoryWritable = false;
    std::string configHome; // $XDG_CONFIG_HOME; empty when unset
    std::string home;       // the user's home directory
};

enum class SettingsPlace { BesideProgram, UserFolder };

// The environment of the running process: the program directory of
// `programPath` (the program's own file name), whether it can be written, and
// the configuration and home directories from the environment ($HOME, or the
// password database when it is empty).
SettingsEnvironment settingsEnvironment(std::string_view programPath);

// The running program's own file name: /proc/self/exe when it can be read,
// otherwise `argv0`.
std::string runningProgramPath(const char* argv0);

// Where the shipped places are installed relative to a program directory.
std::string shippedSettingsPath(std::string_view programDirectory);

// The user's configuration folder for Skyledger, "" when there is no home to
// put it in. A relative $XDG_CONFIG_HOME is ignored: it would move with the
// current directory.
std::string userSettingsDirectory(const SettingsEnvironment& env);

// Which of the two places holds the settings; looks at the file system but
// changes nothing.
SettingsPlace settingsPlace(const SettingsEnvironment& env);

// The full path of the settings file; changes nothing (for --help and the
// About box).
std::string settingsFileLocation(const SettingsEnvironment& env);

// The full path of the settings file, ready for use: for the user folder, the
// folder is created and, when the file does not exist yet, it is seeded from
// the shipped places. Failures are silent: the path is given anyway and
// loading then finds no file, as for a missing settings file.
std::string prepareSettingsFile(const SettingsEnvironment& env);

} // namespace skyledger
