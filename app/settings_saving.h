// The desktop program's use of its settings file: what it says about a file
// it could not fully use when it starts, and when and how it saves (only what
// this run changed, never silently over a file someone else changed).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "gui/message_sink.h"

class QWidget;

namespace skyledger {

class SettingsKeeper;
struct AppState;

// Reads the keeper's file into the state. A file that exists but cannot be
// used (unreadable, empty, another version's) leaves an empty list of places,
// so the program starts with the defaults and the user may add places. Gives
// what to tell the user, once: why the file could not be used, or which of
// its lines were not read. A missing file gives nothing here (the almanac
// says "Missing File" itself).
QStringList loadSettingsForWindow(SettingsKeeper& keeper, AppState& state);

// Asks whether this run's settings should replace a settings file changed by
// someone else since it was read: true for Replace, false for Keep.
using ReplaceQuestion = std::function<bool(QWidget* owner, const QString& file)>;

// The question as a modal box with the buttons Replace and Keep.
bool askToReplaceChangedFile(QWidget* owner, const QString& file);

// Saves the state's places and preferences if this run changed them. When
// the file changed on disk since it was read, `ask` decides; without one (a
// signalled end) the file is left as it is and this run's settings are saved
// beside it. Either way the replaced or kept-back copy survives. The user is
// told when the settings went beside the file or could not be saved. False
// only when nothing could be saved.
bool saveChangedSettings(SettingsKeeper& keeper, const AppState& state, const MessageSink& messages,
                         QWidget* owner, const ReplaceQuestion& ask);

} // namespace skyledger
