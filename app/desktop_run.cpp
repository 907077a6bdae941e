// The start and the end of a desktop run: the clock, the start options and
// the settings saved at exit.
#include "app/desktop_run.h"

#include <QFile>
#include <ctime>

#include "almanac/app_state.h"
#include "app/program_options.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "settings/location_list.h"
#include "settings/settings_file.h"
#include "support/daylight_saving.h"
#include "support/windows1252.h"

namespace skyledger {

StartClock readLocalClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    StartClock clock;
    clock.today = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    clock.daylightSaving = daylightSavingInForce(now);
    return clock;
}

void startFromClock(AppState& state, const StartClock& clock) {
    state.currentDate = clock.today;
    state.preferences.timeBasis = clock.daylightSaving ? TimeBasis::Daylight : TimeBasis::Standard;
}

Result<Done, QString> applyStartOptions(AppState& state, const ProgramOptions& options) {
    if (options.date) state.currentDate = *options.date;
    if (!options.location) return Done{};
    if (const std::optional<int32_t> index = findLocation(state.locations, *options.location)) {
        state.locations.current = *index;
        return Done{};
    }
    return noPlaceCalledMessage(
        shownArgument(QString::fromStdString(windows1252ToUtf8(*options.location))));
}

bool saveSettingsAtExit(const std::string& path, const AppState& state,
                        const MessageSink& messages) {
    if (saveSettings(path, state.locations, state.preferences).ok()) return true;
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    messages(nullptr, errorCaption(), settingsNotSavedMessage(file));
    return false;
}

} // namespace skyledger
