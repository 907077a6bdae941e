// The desktop's own messages: the ones that name a file or a place as Qt
// holds it (a path may hold characters no Windows-1252 byte has). Every
// other message comes from the program's catalogue, support/messages.h.
#pragma once

#include <QString>

namespace skyledger {

// The caption of a message box that reports a failure.
[[nodiscard]] QString errorCaption();
// The caption of what is said about the settings file.
[[nodiscard]] QString settingsCaption();

// A --location the settings file has no place for.
[[nodiscard]] QString noPlaceCalledMessage(const QString& name);

// The settings could not be written at exit; with `problem`, saying why.
[[nodiscard]] QString settingsNotSavedMessage(const QString& file);
[[nodiscard]] QString settingsNotSavedMessage(const QString& file, const QString& problem);
// The settings file changed on disk while the program ran: the question
// before saving, and the note when this run's settings went beside it.
[[nodiscard]] QString replaceChangedSettingsQuestion(const QString& file);
[[nodiscard]] QString settingsSavedBesideMessage(const QString& file, const QString& beside);

// A picture or a PDF that could not be written, and why.
[[nodiscard]] QString cannotWriteImageMessage(const QString& file, const QString& problem);
[[nodiscard]] QString cannotWritePdfMessage(const QString& file, const QString& problem);

// The window program's command-line options. `count` is 1 or 2.
[[nodiscard]] QString optionNeedsValuesMessage(const QString& option, int count);
[[nodiscard]] QString notDateInYearsMessage(const QString& text, int firstYear, int lastYear);
[[nodiscard]] QString unkeepablePlaceNameMessage(const QString& name);
[[nodiscard]] QString emptyFileNameMessage(const QString& option);
// A name `kind` ("window", "report") has no entry for; `known` lists them.
[[nodiscard]] QString unknownNameMessage(const QString& name, const QString& kind,
                                         const QString& known);
// What a list of such names says while it is empty.
[[nodiscard]] QString noNamesYet();
[[nodiscard]] QString dayCountOptionMessage(int mostDays);
[[nodiscard]] QString unknownProgramOptionMessage(const QString& option);
[[nodiscard]] QString windowNotOpenedMessage(const QString& window);
// A report asked for with no place in the settings file.
[[nodiscard]] QString noPlaceForReportMessage();
[[nodiscard]] QString noDisplayMessage();

} // namespace skyledger
