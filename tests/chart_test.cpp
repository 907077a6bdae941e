// The multi-day chart: the same numbers as the main window, day after day.
#include "almanac/chart.h"

#include <gtest/gtest.h>

#include "almanac/app_state.h"
#include "almanac/display_format.h"
#include "almanac_fixtures.h"

namespace skyledger {
namespace {

// The main window's texts for an event, rebuilt from a chart row.
std::pair<std::string, std::string> texts(const std::optional<SkyEvent>& event) {
    const std::optional<std::string> time =
        event ? formatEventTime(event->time, false) : std::nullopt;
    if (!time) return {"", ""};
    return {*time, formatBearing(event->bearing)};
}

TEST(Chart, RowsEqualTheMainWindowOverAWholeYear) {
    const Location capeTown{.name = "Cape Town",
                            .latitude = -33.92,
                            .longitude = -18.42,
                            .magneticDeclination = -25.5, // west, as in the shipped places
                            .timeZone = -2.0};
    AppState s = stateAt(capeTown, {}, TimeBasis::Standard, true);
    RecordingView view;
    ASSERT_TRUE(prepareChartOf(s, view, {2026, 1, 1}, 365));
    ASSERT_EQ(s.chart.rowCount(), 365);
    for (int i = 0; i < 365; ++i) {
        const DayNumbers& r = s.chart.rows[static_cast<size_t>(i)].numbers;
        s.currentDate = s.chart.rows[static_cast<size_t>(i)].date;
        recomputeDay(s, view);
        const DayAlmanac& d = s.day;
        EXPECT_EQ(texts(r.sunrise), std::make_pair(d.sunriseText, d.sunriseBearingText)) << i;
        EXPECT_EQ(texts(r.sunset), std::make_pair(d.sunsetText, d.sunsetBearingText)) << i;
        EXPECT_EQ(texts(r.moonrise), std::make_pair(d.moonriseText, d.moonriseBearingText)) << i;
        EXPECT_EQ(texts(r.moonset), std::make_pair(d.moonsetText, d.moonsetBearingText)) << i;
        EXPECT_EQ(static_cast<int32_t>(r.illuminationPercent), d.illuminationPercent) << i;
        EXPECT_EQ(r.moonPhaseAngle, d.moonPhaseAngle) << i;
    }
    EXPECT_TRUE(view.errors.empty());
}

TEST(Chart, EventsAndBearingsAreStoredTogetherInsideTheDay) {
    AppState s = stateAt({"Honolulu", 21.31, 157.86, 9.5, 10.0}, {}, TimeBasis::Standard, false);
    RecordingView view;
    ASSERT_TRUE(prepareChartOf(s, view, {2026, 5, 1}, 31));
    for (int i = 0; i < 31; ++i) {
        const DayNumbers& r = s.chart.rows[static_cast<size_t>(i)].numbers;
        for (const std::optional<SkyEvent>& event : {r.sunrise, r.sunset, r.moonrise, r.moonset}) {
            if (!event) continue;
            EXPECT_GE(event->time, 0.0);
            EXPECT_LE(event->time, 6.283185307);
            EXPECT_GE(event->bearing, 0.0);
            EXPECT_LE(event->bearing, 360.0);
        }
        EXPECT_GE(r.illuminationPercent, 0.0);
        EXPECT_LE(r.illuminationPercent, 100.0);
    }
}

TEST(Chart, A366DayChartFromNewYear2024EndsOnNewYearsEve) {
    AppState s = stateAt({"Greenwich", 51.4779, 0.0015, 0.0, 0.0}, {}, TimeBasis::Universal, false);
    RecordingView view;
    ASSERT_TRUE(prepareChartOf(s, view, {2024, 1, 1}, 366));
    const CivilDate& last = s.chart.rows[365].date;
    EXPECT_EQ(last.day, 31);
    EXPECT_EQ(last.month, 12);
    EXPECT_EQ(last.year, 2024);
    EXPECT_EQ(s.chart.rows[59].date.day, 29); // 29 February
    EXPECT_EQ(s.chart.rows[59].date.month, 2);
}

TEST(Chart, NoListGivesOneMessageAndNoRows) {
    AppState s;
    s.chart.rows.resize(5);
    RecordingView view;
    EXPECT_FALSE(prepareChartOf(s, view, {2026, 1, 1}, 366));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], "Missing File: Skyledger Settings.txt");
    EXPECT_EQ(s.chart.rowCount(), 0);
}

TEST(Chart, DayCountsOutsideOneTo366AndEmptyListsFillNothing) {
    AppState s = stateAt({"Greenwich", 51.4779, 0.0015, 0.0, 0.0}, {}, TimeBasis::Universal, false);
    RecordingView view;
    const Location& place = s.locations.records[0];
    EXPECT_FALSE(computeChart({2026, 1, 1}, 0, place, s.preferences).ok());
    EXPECT_FALSE(computeChart({2026, 1, 1}, 367, place, s.preferences).ok());
    s.locations.records.clear();
    EXPECT_FALSE(prepareChartOf(s, view, {2026, 1, 1}, 3));
    EXPECT_EQ(s.chart.rowCount(), 0);
    EXPECT_EQ(view.errors.size(), 1u); // how to add a place
}

} // namespace
} // namespace skyledger
