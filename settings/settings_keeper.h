// One run's hold on its settings file. The keeper remembers the file's bytes
// as read and the settings read from them, so that
// - a run that changed nothing writes nothing (a file this program could not
//   fully read, or not read at all, stays as it is);
// - a run that changed something notices when the file changed on disk since
//   it was read (another copy of the program saved, or a hand edit), and then
//   either replaces it after keeping it as a backup, or leaves it and writes
//   its own settings beside it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace skyledger {

// The suffix of the file a run writes its settings to when it leaves a file
// changed by someone else in place (then ".1", ".2", ... when taken).
inline constexpr std::string_view SETTINGS_CONFLICT_SUFFIX = ".conflict";

class SettingsKeeper {
  public:
    explicit SettingsKeeper(std::string path) : path_(std::move(path)) {}

    [[nodiscard]] const std::string& path() const { return path_; }

    // Reads the file as loadSettings does and remembers what it read.
    SettingsRead load();

    // True when saving would store something other than what was read (or
    // last saved).
    [[nodiscard]] bool changed(const LocationList& list, const Preferences& prefs) const;

    // True when the file on disk is no longer what this run read or wrote:
    // its bytes differ, or it appeared or went away.
    [[nodiscard]] bool changedOnDisk() const;

    enum class Outcome {
        Unchanged,   // nothing to save; nothing written
        Saved,       // the file now holds this run's settings
        SavedBeside, // the file was left as it is; this run's settings are in `beside`
        Failed,      // nothing could be written: `problem` says why
    };
    struct SaveResult {
        Outcome outcome = Outcome::Unchanged;
        std::string beside;
        std::string problem;
    };

    // Saves the settings if they changed. A file changed on disk is replaced
    // (after a backup) when `replaceChangedFile`, else left as it is and this
    // run's settings go to the first free "<path>.conflict" name.
    SaveResult save(const LocationList& list, const Preferences& prefs, bool replaceChangedFile);

  private:
    std::string path_;
    std::optional<std::string> diskBytes_; // the file as read or written; none when absent
    std::string keptText_;                 // what this program would write for what it holds
};

} // namespace skyledger
