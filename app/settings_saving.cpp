// Loading and saving the settings file for the desktop program.
#include "app/settings_saving.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "almanac/app_state.h"
#include "gui/desktop_messages.h"
#include "settings/settings_keeper.h"

namespace skyledger {

namespace {

QString shownFile(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Core texts name the file by its bytes; the file's name may not be UTF-8.
QString fromCore(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

} // namespace

QStringList loadSettingsForWindow(SettingsKeeper& keeper, AppState& state) {
    SettingsRead read = keeper.load();
    state.locations = std::move(read.list);
    state.preferences = withStoredPreferences(state.preferences, read.prefs);
    QStringList said;
    if (read.load == SettingsLoad::Unreadable || read.load == SettingsLoad::NotUnderstood) {
        state.locations.present = true; // the defaults: no places yet
        said << fromCore(*settingsLoadMessage(read.load, keeper.path(), read.problem));
    }
    if (!read.skipped.empty()) said << fromCore(skippedLinesMessage(keeper.path(), read.skipped));
    return said;
}

bool askToReplaceChangedFile(QWidget* owner, const QString& file) {
    QMessageBox box(QMessageBox::Warning, settingsCaption(), replaceChangedSettingsQuestion(file),
                    QMessageBox::NoButton, owner);
    QPushButton* replace = box.addButton(QStringLiteral("&Replace"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("&Keep"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == replace;
}

bool saveChangedSettings(SettingsKeeper& keeper, const AppState& state, const MessageSink& messages,
                         QWidget* owner, const ReplaceQuestion& ask) {
    if (!keeper.changed(state.locations, state.preferences)) return true;
    const QString file = shownFile(keeper.path());
    const bool replace = keeper.changedOnDisk() && ask && ask(owner, file);
    const SettingsKeeper::SaveResult result =
        keeper.save(state.locations, state.preferences, replace);
    switch (result.outcome) {
    case SettingsKeeper::Outcome::Unchanged:
    case SettingsKeeper::Outcome::Saved:
        return true;
    case SettingsKeeper::Outcome::SavedBeside:
        messages(owner, settingsCaption(),
                 settingsSavedBesideMessage(file, shownFile(result.beside)));
        return true;
    case SettingsKeeper::Outcome::Failed:
        break;
    }
    messages(owner, errorCaption(), settingsNotSavedMessage(file, fromCore(result.problem)));
    return false;
}

} // namespace skyledger
