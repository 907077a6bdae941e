// The settings file's keeper: saves only changes, and never over a file it
// did not see.
#include "settings/settings_keeper.h"

#include "support/file_io.h"

namespace skyledger {

namespace {

// The file's bytes now; none when it is absent or cannot be read.
std::optional<std::string> bytesOnDisk(const std::string& path) {
    FileResult<std::string> bytes = readWholeFile(path);
    if (!bytes.ok()) return std::nullopt;
    return std::move(bytes).value();
}

} // namespace

SettingsRead SettingsKeeper::load() {
    SettingsRead read = loadSettings(path_);
    diskBytes_ = read.bytesRead;
    keptText_ = settingsText(read.list, read.prefs);
    return read;
}

bool SettingsKeeper::changed(const LocationList& list, const Preferences& prefs) const {
    return settingsText(list, prefs) != keptText_;
}

bool SettingsKeeper::changedOnDisk() const {
    return bytesOnDisk(path_) != diskBytes_;
}

SettingsKeeper::SaveResult SettingsKeeper::save(const LocationList& list, const Preferences& prefs,
                                                bool replaceChangedFile) {
    SaveResult result;
    if (!changed(list, prefs)) return result;
    const std::string text = settingsText(list, prefs);
    const bool changedElsewhere = changedOnDisk();
    if (changedElsewhere && !replaceChangedFile) {
        FileResult<std::string> beside = writeUnderFreeName(path_, SETTINGS_CONFLICT_SUFFIX, text);
        if (!beside.ok()) {
            result.problem = beside.error().why;
            result.outcome = Outcome::Failed;
            return result;
        }
        // The file on disk is still not this run's: a later save asks again.
        keptText_ = text;
        result.outcome = Outcome::SavedBeside;
        result.beside = std::move(beside).value();
        return result;
    }
    const FileResult<Done> saved = saveSettings(path_, list, prefs, changedElsewhere);
    if (!saved.ok()) {
        result.problem = saved.error().why;
        result.outcome = Outcome::Failed;
        return result;
    }
    keptText_ = text;
    diskBytes_ = bytesOnDisk(path_);
    result.outcome = Outcome::Saved;
    return result;
}

} // namespace skyledger
