// The desktop's messages that name a file or a place.
#include "gui/desktop_messages.h"

namespace skyledger {

QString errorCaption() {
    return QStringLiteral("Error");
}

QString noPlaceCalledMessage(const QString& name) {
    return QStringLiteral("There is no place called '%1' in the settings file.").arg(name);
}

QString settingsNotSavedMessage(const QString& file) {
    return QStringLiteral("Cannot write the settings file \"%1\".\nThe places and display "
                          "settings were not saved.")
        .arg(file);
}

QString settingsNotSavedMessage(const QString& file, const QString& problem) {
    return QStringLiteral("Cannot write the settings file \"%1\" (%2).\nThe places and display "
                          "settings were not saved.")
        .arg(file, problem);
}

QString replaceChangedSettingsQuestion(const QString& file) {
    return QStringLiteral("The settings file \"%1\" was changed by another program "
                          "while Skyledger ran.\n\nReplace it with this run's places "
                          "and display settings (the changed file is kept as a "
                          "backup), or Keep it (this run's settings are saved beside "
                          "it)?")
        .arg(file);
}

QString settingsSavedBesideMessage(const QString& file, const QString& beside) {
    return QStringLiteral("The settings file \"%1\" was changed by another program while "
                          "Skyledger ran and is left as it is. This run's places and "
                          "display settings are saved in \"%2\".")
        .arg(file, beside);
}

QString cannotWriteImageMessage(const QString& file, const QString& problem) {
    return QStringLiteral("Cannot write the image file \"%1\" (%2).").arg(file, problem);
}

QString cannotWritePdfMessage(const QString& file, const QString& problem) {
    return QStringLiteral("Cannot write the PDF file \"%1\" (%2).").arg(file, problem);
}

} // namespace skyledger
