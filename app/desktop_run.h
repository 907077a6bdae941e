// The start and the end of a run of the desktop program, around the main
// window: the date and time basis it opens on (the local clock, then the
// command line's date and place) and the settings saved when it ends.
#pragma once

#include <QString>
#include <string>

#include "almanac/civil_calendar.h"
#include "gui/message_sink.h"
#include "support/result.h"

namespace skyledger {

struct AppState;
struct ProgramOptions;

// The local clock at start-up: the date the window opens on and whether
// daylight-saving time is in force.
struct StartClock {
    CivilDate today;
    bool daylightSaving = false;
};

// Reads the local clock.
[[nodiscard]] StartClock readLocalClock();

// The state the main window opens on: the clock's date, and daylight-saving
// time as the time basis when the clock is on it, else standard time. Set at
// start-up, before the window computes its first day.
void startFromClock(AppState& state, const StartClock& clock);

// Puts the date and place the options name into the state the main window
// opens on. The message instead when the settings have no place of that name
// (names compare as the location list compares them).
Result<Done, QString> applyStartOptions(AppState& state, const ProgramOptions& options);

// Writes the settings file at exit. When that fails the user is told, with
// the file's name, that the places were not saved. False on failure.
bool saveSettingsAtExit(const std::string& path, const AppState& state,
                        const MessageSink& messages);

} // namespace skyledger
