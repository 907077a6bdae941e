// The quarter-hour track of the Sun and the Moon.
#include "almanac/track.h"

#include <gtest/gtest.h>

#include <cmath>

#include "almanac/app_state.h"
#include "almanac/horizontal_position.h"
#include "almanac_fixtures.h"
#include "astro/constants.h"

namespace skyledger {
namespace {

const Location NEW_YORK{"New York", 40.71, 74.01, -12.9, 5.0};

TEST(Track, SamplesRunFromMidnightTo2345ClockTime) {
    AppState s = stateAt(NEW_YORK, {2026, 6, 21}, TimeBasis::Standard);
    RecordingView view;
    openTrackOf(s, view);
    ASSERT_TRUE(s.track.valid);
    const SkyObserver obs{40.71 * DEG_TO_RAD, 74.01 * DEG_TO_RAD, 0.0, false, 0.0};
    const auto first = sunHorizontal({2026, 6, 21.0, 0.0, 0.0, 5.0}, obs);
    const auto last = sunHorizontal({2026, 6, 21.0, 23.0, 45.0, 5.0}, obs);
    ASSERT_TRUE(first && last);
    EXPECT_DOUBLE_EQ(s.track.samples[0].sunAltitude, first->altitude);
    EXPECT_DOUBLE_EQ(s.track.samples[95].sunAltitude, last->altitude);
    const HorizontalPosition moon = moonHorizontal({2026, 6, 21.0, 11.0, 15.0, 5.0}, obs);
    EXPECT_DOUBLE_EQ(s.track.samples[45].moonBearing, moon.bearing);
    // Summer solstice in New York: the Sun culminates near 72.7 degrees around 12:57 EST.
    double highest = -90.0;
    for (const TrackSample& t : s.track.samples)
        highest = std::max(highest, t.sunAltitude);
    EXPECT_NEAR(highest, 72.7, 0.3);
}

TEST(Track, TheViewHearsOnceWhenTheWholeTableIsReady) {
    AppState s = stateAt(NEW_YORK, {2026, 6, 21}, TimeBasis::Standard);
    RecordingView view;
    openTrackOf(s, view);
    EXPECT_EQ(view.calls, std::vector<std::string>{"track"});
    ASSERT_TRUE(s.track.valid);
    const AlmanacResult<TrackTable> direct = computeTrack(s.currentDate, NEW_YORK, s.preferences);
    ASSERT_TRUE(direct.ok());
    EXPECT_EQ(s.track.samples[95].moonBearing, direct.value().samples[95].moonBearing);
}

TEST(Track, UniversalTimeSamplesIgnoreTheZone) {
    Location shifted = NEW_YORK;
    shifted.timeZone = -3.0;
    AppState a = stateAt(NEW_YORK, {2026, 2, 1}, TimeBasis::Universal);
    AppState b = stateAt(shifted, {2026, 2, 1}, TimeBasis::Universal);
    RecordingView view;
    openTrackOf(a, view);
    openTrackOf(b, view);
    for (int i = 0; i < TRACK_SAMPLES; ++i)
        EXPECT_EQ(a.track.samples[i].moonAltitude, b.track.samples[i].moonAltitude);
}

TEST(Track, HighSouthernSummerKeepsTheSunUpAllDay) {
    AppState s =
        stateAt({"McMurdo", -77.85, -166.67, -130.0, -12.0}, {2026, 12, 21}, TimeBasis::Standard);
    RecordingView view;
    openTrackOf(s, view);
    ASSERT_EQ(s.track.count, TRACK_SAMPLES);
    for (int i = 0; i < s.track.count; ++i) {
        const TrackSample& t = s.track.samples[static_cast<size_t>(i)];
        EXPECT_GT(t.sunAltitude, 0.0);
        EXPECT_GE(t.sunBearing, 0.0);
        EXPECT_LE(t.sunBearing, 360.0);
    }
}

TEST(Track, NoListShowsItsMessageAndAnEmptyListInvalidatesTheTable) {
    AppState none;
    none.track.samples[3].sunAltitude = 12.0;
    RecordingView view;
    openTrackOf(none, view);
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], "Missing File: Location.txt");
    EXPECT_EQ(none.track.samples[3].sunAltitude, 12.0);

    AppState empty = stateAt(NEW_YORK, {2026, 1, 1}, TimeBasis::Standard);
    empty.locations.records.clear();
    empty.track.valid = true;
    RecordingView quiet;
    openTrackOf(empty, quiet);
    EXPECT_TRUE(quiet.errors.empty());
    EXPECT_FALSE(empty.track.valid);
}

} // namespace
} // namespace skyledger
