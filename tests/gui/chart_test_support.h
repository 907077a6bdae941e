// Shared pieces of the multi-day chart's window tests: the shipped places as
// application state, made-up chart rows, and the messages a window shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "almanac/app_state.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "settings/settings_file.h"

namespace skyledger {

// The shipped places with Greenwich current, 24-hour clock, true bearings, UT.
inline std::unique_ptr<AppState> greenwichState() {
    auto state = std::make_unique<AppState>();
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    EXPECT_EQ(loaded.load, SettingsLoad::Loaded);
    state->locations = loaded.list;
    state->preferences = loaded.prefs;
    for (int32_t i = 0; i < state->locations.count(); ++i)
        if (state->locations.records[static_cast<size_t>(i)].name == "Greenwich")
            state->locations.current = i;
    state->preferences.twelveHourClock = false;
    state->preferences.magneticBearings = false;
    state->preferences.timeBasis = TimeBasis::Universal;
    return state;
}

// `rows` made-up days from 1 March 2024, every event present.
inline void fillMadeUpChart(AppState& state, int32_t rows) {
    state.chart.rows.assign(static_cast<size_t>(rows), ChartRow{});
    CivilDate date{2024, 3, 1};
    for (int32_t i = 0; i < rows; ++i) {
        ChartRow& row = state.chart.rows[static_cast<size_t>(i)];
        row.date = date;
        DayNumbers& r = row.numbers;
        r.sunrise = SkyEvent{.time = 1.6, .bearing = 95.0};
        r.sunset = SkyEvent{.time = 4.7, .bearing = 265.0};
        r.moonrise = SkyEvent{.time = 2.1, .bearing = 70.5};
        r.moonset = SkyEvent{.time = 5.3, .bearing = 290.2};
        r.moonPhaseAngle = 0.2 * i;
        r.illuminationPercent = 50.5;
        date = nextDay(date);
    }
}

inline const LayoutMetrics& testMetrics() {
    static const LayoutMetrics metrics = measureLayoutMetrics();
    return metrics;
}

// Collects the texts of the message boxes a window would have shown; each
// must be captioned "Error".
struct ShownErrors {
    std::vector<std::string> messages;
    MessageSink sink() {
        return [this](QWidget*, const QString& caption, const QString& text) {
            EXPECT_EQ(caption, QStringLiteral("Error"));
            messages.push_back(text.toStdString());
        };
    }
};

} // namespace skyledger
