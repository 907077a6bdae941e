// The desktop's messages that name a file or a place.
#include "gui/desktop_messages.h"

#include "gui/qt_text.h"
#include "support/messages.h"

namespace skyledger {

QString errorCaption() {
    return QStringLiteral("Error");
}

QString settingsCaption() {
    return QStringLiteral("Skyledger Settings");
}

QString noNamesYet() {
    return QStringLiteral("none yet");
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

QString optionNeedsValuesMessage(const QString& option, int count) {
    return QStringLiteral("%1 needs %2")
        .arg(option, count == 1 ? QStringLiteral("a value") : QStringLiteral("two values"));
}

QString notDateInYearsMessage(const QString& text, int firstYear, int lastYear) {
    return QStringLiteral("'%1' is not a date of the form YYYY-MM-DD in the years %2 to %3")
        .arg(text)
        .arg(firstYear)
        .arg(lastYear);
}

QString unkeepablePlaceNameMessage(const QString& name) {
    return QStringLiteral("'%1' is not a place name Skyledger can keep").arg(name);
}

QString emptyFileNameMessage(const QString& option) {
    return QStringLiteral("%1 needs a file name, not an empty one").arg(option);
}

QString unknownNameMessage(const QString& name, const QString& kind, const QString& known) {
    return QStringLiteral("'%1' is not a %2 (known: %3)").arg(name, kind, known);
}

QString dayCountOptionMessage(int mostDays) {
    return QStringLiteral("--days takes a number from 1 to %1").arg(mostDays);
}

QString unknownProgramOptionMessage(const QString& option) {
    return QStringLiteral("unknown option '%1' (try --help)").arg(option);
}

QString windowNotOpenedMessage(const QString& window) {
    return QStringLiteral("The %1 window could not be opened.").arg(window);
}

QString noPlaceForReportMessage() {
    return toQString(NO_PLACE_MESSAGE) +
           QStringLiteral(": the settings file holds no places (add one with File > "
                          "Location...).");
}

QString noDisplayMessage() {
    return QStringLiteral("no display to open the window on (neither DISPLAY nor "
                          "WAYLAND_DISPLAY is set)");
}

} // namespace skyledger
