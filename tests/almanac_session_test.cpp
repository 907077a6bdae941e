// The session layer's rules: which change recomputes what, which message
// when, and that the day's fields change only on success.
#include "almanac/almanac_session.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "almanac/local_time.h"
#include "almanac_fixtures.h"
#include "astro/planetary_series.h"

namespace skyledger {
namespace {

using Calls = std::vector<std::string>;

const Location GREENWICH{"Greenwich", 51.4779, 0.0015, 0.0, 0.0};
const Location SYDNEY{.name = "Sydney",
                      .latitude = -33.87,
                      .longitude = -151.21,
                      .magneticDeclination = 12.9,
                      .timeZone = -10.0};

class Session : public ::testing::Test {
  protected:
    Session() : state_(stateAt(GREENWICH, {2026, 1, 31}, TimeBasis::Universal)), session_(state_) {
        heard_ = session_.subscribe(view_);
    }
    AppState state_;
    AlmanacSession session_;
    RecordingView view_;
    AlmanacSession::Subscription heard_;
    // A report window that keeps the track or the calendar computed.
    AlmanacView reportWindow_;
};

TEST_F(Session, WithoutAListEveryRecomputationSaysSoAndChangesNothing) {
    AppState none;
    none.day.sunriseText = "07:00";
    none.track.samples[3].sunAltitude = 12.0;
    AlmanacSession session(none);
    RecordingView view;
    const AlmanacSession::Subscription heard = session.subscribe(view, Follows::Track);
    session.setDay(2);
    session.setTimeBasis(TimeBasis::Daylight);
    EXPECT_EQ(view.errors,
              (Calls{"Missing File: Location.txt", "Missing File: Skyledger Settings.txt",
                     "Missing File: Skyledger Settings.txt"}));
    EXPECT_EQ(view.calls, (Calls{"error", "error", "error"}));
    EXPECT_EQ(none.day.sunriseText, "07:00");
    EXPECT_EQ(none.track.samples[3].sunAltitude, 12.0);
    EXPECT_EQ(none.currentDate.day, 2); // the date itself follows the box
    // The calendar still lays out its month without a place, silently.
    view.clear();
    AlmanacView calendarWindow;
    const AlmanacSession::Subscription open = session.subscribe(calendarWindow, Follows::Calendar);
    EXPECT_EQ(view.calls, Calls{"calendar"});
    EXPECT_FALSE(none.calendar.phasesValid);
}

TEST_F(Session, TheFollowedTrackFollowsEveryRecomputationAndStopsWhenItsSubscriptionEnds) {
    AlmanacSession::Subscription open = session_.subscribe(reportWindow_, Follows::Track);
    const double firstNoon = state_.track.samples[48].sunAltitude;
    session_.setDay(1);
    session_.setTimeBasis(TimeBasis::Standard);
    session_.setCurrentLocation(0);
    EXPECT_EQ(view_.calls, (Calls{"track", "day", "track", "day", "track", "day", "track"}));
    EXPECT_NE(state_.track.samples[48].sunAltitude, firstNoon); // another date
    view_.clear();
    open.end();
    session_.setDay(2);
    EXPECT_EQ(view_.calls, Calls{"day"});
}

TEST_F(Session, TheCalendarFollowsOnlyMonthAndYearChanges) {
    AlmanacSession::Subscription open = session_.subscribe(reportWindow_, Follows::Calendar);
    EXPECT_EQ(state_.calendar.month, 1);
    const double phaseOfThe3rd = state_.calendar.phaseAngle[6];
    session_.setDay(3);
    session_.setTimeBasis(TimeBasis::Daylight);
    session_.setMagneticBearings(false);
    EXPECT_EQ(view_.calls, (Calls{"calendar", "day", "day", "day"}));
    EXPECT_EQ(state_.calendar.phaseAngle[6], phaseOfThe3rd);
    view_.clear();
    session_.setMonth(2);
    session_.setYear(2027);
    EXPECT_EQ(view_.calls, (Calls{"day", "calendar", "day", "calendar"}));
    EXPECT_EQ(state_.calendar.year, 2027);
    EXPECT_EQ(state_.calendar.month, 2);
    view_.clear();
    open.end();
    session_.setMonth(3);
    EXPECT_EQ(view_.calls, Calls{"day"});
}

TEST_F(Session, MonthAndYearChangesClampTheDayToTheMonth) {
    session_.setDate({2024, 1, 31});
    session_.setMonth(2);
    EXPECT_EQ(state_.currentDate.day, 29);
    session_.setYear(2025);
    EXPECT_EQ(state_.currentDate.day, 28);
    session_.setMonth(4);
    session_.setDay(31);
    EXPECT_EQ(state_.currentDate.day, 30);
    // The day shown is the clamped date's.
    const AlmanacResult<DayNumbers> numbers =
        computeDayNumbers({2025, 4, 30}, GREENWICH, state_.preferences);
    ASSERT_TRUE(numbers.ok());
    EXPECT_EQ(state_.day, formatDayAlmanac(numbers.value(), state_.preferences));
}

void* refuseEveryBlock(size_t) {
    return nullptr;
}

TEST_F(Session, AFailedComputationKeepsTheDayAndSaysWhy) {
    const AlmanacSession::Subscription open = session_.subscribe(reportWindow_, Follows::Track);
    const DayAlmanac before = state_.day;
    const TrackTable trackBefore = state_.track;
    view_.clear();
    setTermAllocator(refuseEveryBlock);
    session_.setDay(15);
    AlmanacView secondTable;
    const AlmanacSession::Subscription reopened = session_.subscribe(secondTable, Follows::Track);
    const bool charted = session_.prepareChart({2026, 1, 1}, 3);
    setTermAllocator(nullptr);
    EXPECT_FALSE(charted);
    EXPECT_EQ(view_.errors, Calls(3, "Out of memory on planetary terms !"));
    EXPECT_EQ(view_.calls, Calls(3, "error"));
    EXPECT_EQ(state_.day, before);
    EXPECT_EQ(state_.track.samples[50].moonBearing, trackBefore.samples[50].moonBearing);
    EXPECT_EQ(state_.chart.rowCount(), 0);
}

TEST_F(Session, AClockChangeReformatsTheDay) {
    session_.recompute();
    const std::string sunrise = state_.day.sunriseText;
    ASSERT_EQ(sunrise.size(), 5u);
    session_.setTwelveHourClock(true);
    EXPECT_EQ(state_.day.sunriseText, sunrise + "AM");
    EXPECT_EQ(state_.day.sunsetText.substr(5), "PM");
    EXPECT_EQ(view_.calls, (Calls{"day", "day"}));
}

TEST_F(Session, EditedLocationsAreSortedAndTheCurrentPlaceFollows) {
    LocationList& list = session_.editLocations();
    list.records.push_back(SYDNEY);
    list.records.push_back({.name = "Anchorage", .latitude = 61.22, .longitude = 149.9});
    list.current = 1; // Sydney
    session_.locationsEdited();
    ASSERT_EQ(state_.locations.count(), 3);
    EXPECT_EQ(state_.locations.records[0].name, "Anchorage");
    EXPECT_EQ(state_.locations.currentLocation()->name, "Sydney");
    EXPECT_TRUE(state_.day.southernHemisphere);
    EXPECT_EQ(view_.calls, Calls{"day"});
}

TEST_F(Session, AChartRequestIsCheckedThenFilledOrRefusedWithOneMessage) {
    EXPECT_FALSE(session_.prepareChart({2026, 1, 1}, 367));
    EXPECT_FALSE(session_.prepareChart({2026, 1, 1}, 0));
    EXPECT_EQ(view_.errors, Calls(2, "Number of days out of range (1..366)"));
    view_.clear();
    ASSERT_TRUE(session_.prepareChart({2026, 2, 27}, 3));
    ASSERT_EQ(state_.chart.rowCount(), 3);
    EXPECT_EQ(state_.chart.rows[2].date.month, 3);
    EXPECT_EQ(state_.chart.rows[2].date.day, 1);
    EXPECT_TRUE(view_.calls.empty()); // the chart window reads the table; no notice

    AppState none;
    AlmanacSession session(none);
    RecordingView view;
    const AlmanacSession::Subscription heard = session.subscribe(view);
    EXPECT_FALSE(session.prepareChart({2026, 1, 1}, 366));
    EXPECT_EQ(view.errors, Calls{"Missing File: Skyledger Settings.txt"});
}

TEST_F(Session, AViewWhoseSubscriptionEndedHearsNothing) {
    RecordingView other;
    const AlmanacSession::Subscription otherHeard = session_.subscribe(other);
    heard_.end();
    session_.setDay(5);
    EXPECT_TRUE(view_.calls.empty());
    EXPECT_EQ(other.calls, Calls{"day"});
    // Assigned over, a subscription ends too.
    heard_ = session_.subscribe(view_);
    heard_ = AlmanacSession::Subscription{};
    session_.setDay(6);
    EXPECT_TRUE(view_.calls.empty());
}

// A report window opened in place of another may subscribe before the old
// one's subscription ends: the report stays followed until the last ends.
TEST_F(Session, AReportIsFollowedUntilItsLastSubscriptionEnds) {
    AlmanacView newTable;
    auto oldOne = std::make_unique<AlmanacSession::Subscription>(
        session_.subscribe(reportWindow_, Follows::Track));
    AlmanacSession::Subscription newOne = session_.subscribe(newTable, Follows::Track);
    oldOne.reset();
    view_.clear();
    session_.setDay(3);
    EXPECT_EQ(view_.calls, (Calls{"day", "track"}));
    AlmanacSession::Subscription moved = std::move(newOne);
    newOne.end(); // a moved-from subscription holds nothing
    session_.setDay(4);
    EXPECT_EQ(view_.calls, (Calls{"day", "track", "day", "track"}));
    moved.end();
    session_.setDay(5);
    EXPECT_EQ(view_.calls, (Calls{"day", "track", "day", "track", "day"}));
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

TEST(SessionRanges, APlaceOutOfRangeIsKeptButRefusedOnceWithItsNameAndField) {
    Location far = {.name = "Greenwich", .latitude = 95.0, .longitude = 0.0015};
    AppState state = stateAt(far, {2026, 1, 31}, TimeBasis::Universal);
    state.day.sunriseText = "07:00";
    AlmanacSession session(state);
    RecordingView view;
    const AlmanacSession::Subscription heard = session.subscribe(view);
    session.recompute();
    session.setDay(2);
    AlmanacView table;
    const AlmanacSession::Subscription open = session.subscribe(table, Follows::Track);
    // One message for the place, however often the day is recomputed; the
    // results are empty, not those of an earlier place.
    EXPECT_EQ(view.errors, Calls{"Greenwich: latitude 95.00 out of range (-90..90)"});
    EXPECT_EQ(state.day, DayAlmanac{});
    EXPECT_FALSE(state.track.valid);
    EXPECT_EQ(state.locations.records[0].latitude, 95.0);
    // A chart asked for explicitly says why again and stays empty.
    EXPECT_FALSE(session.prepareChart({2026, 1, 1}, 3));
    EXPECT_EQ(view.errors.size(), 2u);
    EXPECT_EQ(state.chart.rowCount(), 0);
    // Mended in the list, the place is computed again.
    session.editLocations().records[0].latitude = 51.4779;
    session.locationsEdited();
    EXPECT_TRUE(state.day.computed);
    EXPECT_FALSE(state.day.sunriseText.empty());
}

TEST(SessionZones, LocalTimeFallsBackAtAPlaceWithoutAZoneAndAnUnknownZoneIsSaidOnce) {
    const Location london{.name = "Greenwich",
                          .latitude = 51.48,
                          .longitude = 0.0,
                          .magneticDeclination = 0.0,
                          .timeZone = 0.0,
                          .zone = "Europe/London"};
    Location lost = london;
    lost.name = "Lost";
    lost.zone = "Europe/Lundon";
    AppState state = stateAt(london, {2026, 7, 1}, TimeBasis::Local);
    state.locations.records.push_back(lost);
    AlmanacSession session(state);
    RecordingView view;
    const AlmanacSession::Subscription heard = session.subscribe(view);
    session.recompute();
    EXPECT_EQ(state.preferences.timeBasis, TimeBasis::Local);
    const std::string summerSunrise = state.day.sunriseText;

    session.setCurrentLocation(1);
    session.setDay(2);
    // The unknown name is kept, said once, and the place is on standard time.
    EXPECT_EQ(view.errors, Calls{"Lost: time zone 'Europe/Lundon' unknown, standard time used"});
    EXPECT_EQ(state.preferences.timeBasis, TimeBasis::Standard);
    EXPECT_EQ(state.locations.records[1].zone, "Europe/Lundon");
    session.setCurrentLocation(0);
    session.setDay(1);
    session.setTimeBasis(TimeBasis::Daylight);
    EXPECT_EQ(state.day.sunriseText, summerSunrise); // British Summer Time in July
    EXPECT_EQ(startingTimeBasis(state.locations, TimeBasis::Daylight), TimeBasis::Local);
    state.locations.current = 1;
    EXPECT_EQ(startingTimeBasis(state.locations, TimeBasis::Daylight), TimeBasis::Daylight);
}

} // namespace
} // namespace skyledger
