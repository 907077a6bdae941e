// The desktop's own messages: the ones that name a file or a place as Qt
// holds it (a path may hold characters no Windows-1252 byte has). Every
// other message comes from the program's catalogue, support/messages.h.
#pragma once

#include <QString>

namespace skyledger {

// The caption of a message box that reports a failure.
[[nodiscard]] QString errorCaption();

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

} // namespace skyledger
