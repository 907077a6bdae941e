// The day's almanac against an independent almanac, and its behaviour at the
// edges: time bases, bearings, missing places, the poles and far dates.
#include "almanac/day_almanac.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "almanac/app_state.h"
#include "almanac/display_format.h"
#include "almanac/horizontal_position.h"
#include "almanac_fixtures.h"
#include "astro/constants.h"

namespace skyledger {
namespace {

const Location GREENWICH{"Greenwich", 51.4779, 0.0015, 0.0, 0.0};
// Magnetic declination positive east, as in the shipped places.
const Location AUCKLAND{.name = "Auckland",
                        .latitude = -36.85,
                        .longitude = -174.76,
                        .magneticDeclination = 19.9,
                        .timeZone = -12.0};
const Location HONOLULU{.name = "Honolulu",
                        .latitude = 21.31,
                        .longitude = 157.86,
                        .magneticDeclination = 9.3,
                        .timeZone = 10.0};
const Location SYDNEY{.name = "Sydney",
                      .latitude = -33.87,
                      .longitude = -151.21,
                      .magneticDeclination = 12.9,
                      .timeZone = -10.0};

// Minutes after midnight of an "HH:MM" text.
int minutesOf(const std::string& text) {
    EXPECT_EQ(text.size(), 5u) << text;
    if (text.size() != 5) return -10000;
    return std::stoi(text.substr(0, 2)) * 60 + std::stoi(text.substr(3, 2));
}

int degreesOf(const std::string& bearing) {
    EXPECT_EQ(bearing.size(), 4u) << bearing;
    if (bearing.size() != 4) return -10000;
    return std::stoi(bearing.substr(0, 3));
}

void expectTime(const std::string& text, int h, int m, int toleranceMinutes) {
    EXPECT_NEAR(minutesOf(text), h * 60 + m, toleranceMinutes) << text;
}

TEST(DayAlmanac, GreenwichNewYear2026MatchesAnIndependentAlmanac) {
    AppState s = stateAt(GREENWICH, {2026, 1, 1}, TimeBasis::Universal);
    RecordingView view;
    recomputeDay(s, view);
    expectTime(s.day.sunriseText, 8, 6, 1);
    expectTime(s.day.sunsetText, 16, 2, 1);
    expectTime(s.day.moonriseText, 13, 25, 2);
    expectTime(s.day.moonsetText, 6, 28, 2);
    const int sunriseBearing = degreesOf(s.day.sunriseBearingText);
    EXPECT_TRUE(sunriseBearing == 127 || sunriseBearing == 128) << sunriseBearing;
    EXPECT_NEAR(degreesOf(s.day.moonriseBearingText), 42, 1);
    EXPECT_EQ(s.day.southernHemisphere, 0);
    EXPECT_GT(s.day.illuminationPercent, 90); // full Moon on 3 January
    EXPECT_LT(s.day.illuminationPercent, 100);
    // First quarter 2025-12-27 19:10 UT, full Moon 2026-01-03 10:03 UT: noon
    // on 1 January lies 46.05 h before the full Moon in an interval of
    // 158.88 h, so the angle is pi - (46.05 / 158.88) * pi / 2.
    EXPECT_NEAR(s.day.moonPhaseAngle, 2.6863, 0.003);
}

TEST(DayAlmanac, AucklandKeepsItsEventsFarFromGreenwich) {
    AppState s = stateAt(AUCKLAND, {2026, 3, 22}, TimeBasis::Standard);
    RecordingView view;
    recomputeDay(s, view);
    expectTime(s.day.sunriseText, 6, 25, 1);
    expectTime(s.day.sunsetText, 18, 30, 1);
    expectTime(s.day.moonriseText, 9, 44, 1);
    expectTime(s.day.moonsetText, 19, 59, 1);
    EXPECT_EQ(s.day.southernHemisphere, 1);
    EXPECT_NEAR(degreesOf(s.day.sunsetBearingText), 270, 1); // true bearings
    EXPECT_NEAR(degreesOf(s.day.moonsetBearingText), 296, 1);
}

TEST(DayAlmanac, TheViewHearsOnceThatTheDayChanged) {
    AppState s = stateAt(GREENWICH, {2026, 6, 21}, TimeBasis::Standard);
    RecordingView view;
    recomputeDay(s, view);
    const std::vector<std::string> calls = {"day"};
    EXPECT_EQ(view.calls, calls);
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(s.day,
              formatDayAlmanac(computeDayNumbers(s.currentDate, GREENWICH, s.preferences).value(),
                               s.preferences));
}

TEST(DayAlmanac, AnEventWithoutAClockTimeShowsNoBearingInTheWindowButKeepsItInTheChart) {
    // In the day's last half minute an event would show 24:00: the main window
    // leaves both fields empty, the chart keeps the bearing.
    DayNumbers n;
    n.sunrise = SkyEvent{.time = 1.6, .bearing = 95.0};
    n.moonset = SkyEvent{.time = TWO_PI - 1e-5, .bearing = 290.2};
    const DayAlmanac d = formatDayAlmanac(n, Preferences{});
    EXPECT_EQ(d.sunriseBearingText, "095\xB0");
    EXPECT_EQ(d.moonsetText, "");
    EXPECT_EQ(d.moonsetBearingText, "");
    EXPECT_EQ(d.moonriseText + d.moonriseBearingText, "");
    const EventTexts chart = eventTexts(n.moonset, false);
    EXPECT_EQ(chart.time, "");
    EXPECT_EQ(chart.bearing, "290\xB0");
}

TEST(DayAlmanac, DaylightTimeShiftsTimesByAnHourAndLeavesBearings) {
    AppState standard = stateAt(SYDNEY, {2026, 1, 15}, TimeBasis::Standard);
    AppState daylight = stateAt(SYDNEY, {2026, 1, 15}, TimeBasis::Daylight);
    RecordingView view;
    recomputeDay(standard, view);
    recomputeDay(daylight, view);
    EXPECT_EQ(minutesOf(daylight.day.sunriseText), minutesOf(standard.day.sunriseText) + 60);
    EXPECT_EQ(minutesOf(daylight.day.sunsetText), minutesOf(standard.day.sunsetText) + 60);
    EXPECT_EQ(daylight.day.sunriseBearingText, standard.day.sunriseBearingText);
    EXPECT_EQ(daylight.day.sunsetBearingText, standard.day.sunsetBearingText);
}

TEST(DayAlmanac, UniversalTimeIgnoresTheZone) {
    Location shifted = GREENWICH;
    shifted.timeZone = 7.0;
    AppState a = stateAt(GREENWICH, {2026, 5, 2}, TimeBasis::Universal);
    AppState b = stateAt(shifted, {2026, 5, 2}, TimeBasis::Universal);
    RecordingView view;
    recomputeDay(a, view);
    recomputeDay(b, view);
    EXPECT_EQ(a.day.sunriseText, b.day.sunriseText);
    EXPECT_EQ(a.day.moonsetText, b.day.moonsetText);
    EXPECT_EQ(a.day.moonPhaseAngle, b.day.moonPhaseAngle);
}

TEST(DayAlmanac, MagneticBearingsSubtractTheDeclination) {
    Location place = GREENWICH;
    place.magneticDeclination = 10.0;
    AppState t = stateAt(place, {2026, 3, 1}, TimeBasis::Universal, false);
    AppState m = stateAt(place, {2026, 3, 1}, TimeBasis::Universal, true);
    RecordingView view;
    recomputeDay(t, view);
    recomputeDay(m, view);
    const int diff = degreesOf(t.day.sunriseBearingText) - degreesOf(m.day.sunriseBearingText);
    EXPECT_GE(diff, 9);
    EXPECT_LE(diff, 11);
    EXPECT_EQ(t.day.sunriseText, m.day.sunriseText);
}

TEST(DayAlmanac, NoListShowsOneMessageAndChangesNothing) {
    AppState s;
    s.day.sunriseText = "07:00";
    RecordingView view;
    recomputeDay(s, view);
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], "Missing File: Skyledger Settings.txt");
    EXPECT_EQ(view.calls.size(), 1u);
    EXPECT_EQ(s.day.sunriseText, "07:00");
}

TEST(DayAlmanac, AnEmptyListOrABadIndexGivesEmptyResultsWithoutMessages) {
    for (int32_t index : {0, 5, -1}) {
        AppState s = stateAt(GREENWICH, {2026, 1, 1}, TimeBasis::Standard);
        if (index == 0) s.locations.records.clear();
        s.locations.current = index;
        s.day.sunriseText = "07:00";
        s.day.illuminationPercent = 50;
        RecordingView view;
        recomputeDay(s, view);
        EXPECT_TRUE(view.errors.empty());
        EXPECT_EQ(view.calls, std::vector<std::string>{"day"});
        const DayAlmanac& d = s.day;
        for (const std::string* text :
             {&d.sunriseText, &d.sunsetText, &d.sunriseBearingText, &d.sunsetBearingText,
              &d.moonriseText, &d.moonsetText, &d.moonriseBearingText, &d.moonsetBearingText})
            EXPECT_EQ(*text, "");
        EXPECT_EQ(s.day.illuminationPercent, 0);
    }
}

bool isTimeText(const std::string& t) {
    return t.empty() || t.size() == 5;
}
bool isBearingText(const std::string& t) {
    return t.empty() || t.size() == 4;
}

TEST(DayAlmanac, PolesAndFarDatesGiveEmptyEventsOrProperTexts) {
    const Location poles[] = {{"North Pole", 90.0, 0.0, 0.0, 0.0},
                              {"South Pole", -90.0, 0.0, 0.0, 0.0},
                              {"Alert", 82.5, 62.3, 0.0, 5.0}};
    const CivilDate dates[] = {{1900, 1, 1}, {1950, 6, 21}, {2026, 3, 20}, {2100, 12, 31}};
    for (const Location& place : poles) {
        for (const CivilDate& date : dates) {
            AppState s = stateAt(place, date, TimeBasis::Standard);
            RecordingView view;
            recomputeDay(s, view);
            const DayAlmanac& d = s.day;
            for (const std::string* t :
                 {&d.sunriseText, &d.sunsetText, &d.moonriseText, &d.moonsetText})
                EXPECT_TRUE(isTimeText(*t)) << place.name << " " << *t;
            for (const std::string* t : {&d.sunriseBearingText, &d.sunsetBearingText,
                                         &d.moonriseBearingText, &d.moonsetBearingText})
                EXPECT_TRUE(isBearingText(*t)) << place.name << " " << *t;
            EXPECT_TRUE(std::isfinite(d.moonPhaseAngle));
            EXPECT_GE(d.illuminationPercent, 0);
            EXPECT_LE(d.illuminationPercent, 100);
        }
    }
    AppState s = stateAt(GREENWICH, {2100, 12, 31}, TimeBasis::Standard);
    RecordingView view;
    recomputeDay(s, view);
    EXPECT_EQ(s.day.sunriseText.size(), 5u);
    EXPECT_EQ(s.day.sunsetBearingText.size(), 4u);
}

TEST(DayAlmanac, HighSummerAtHighLatitudeHasNoSunEvents) {
    AppState s = stateAt({"Tromso", 69.65, -18.96, 0.0, -1.0}, {2026, 6, 21}, TimeBasis::Standard);
    RecordingView view;
    recomputeDay(s, view);
    EXPECT_EQ(s.day.sunriseText, "");
    EXPECT_EQ(s.day.sunsetText, "");
    EXPECT_EQ(s.day.sunriseBearingText, "");
    EXPECT_EQ(s.day.sunsetBearingText, "");
}

TEST(DayAlmanac, SouthernHemisphereFlagFollowsTheLatitudeSign) {
    for (double latitude : {0.0, -0.01}) {
        AppState s =
            stateAt({"Equator", latitude, 0.0, 0.0, 0.0}, {2026, 1, 1}, TimeBasis::Standard);
        RecordingView view;
        recomputeDay(s, view);
        EXPECT_EQ(s.day.southernHemisphere, latitude < 0.0 ? 1 : 0);
    }
}

// Counts, over the year, the days without moonrise, moonset, sunrise and sunset.
struct MissingEvents {
    int moonrise = 0;
    int moonset = 0;
    int sunrise = 0;
    int sunset = 0;
};

MissingEvents missingIn2026(const Location& place) {
    MissingEvents missing;
    const Preferences prefs{
        .magneticBearings = false, .twelveHourClock = false, .timeBasis = TimeBasis::Standard};
    for (CivilDate d{2026, 1, 1}; d.year == 2026; d = nextDay(d)) {
        const AlmanacResult<DayNumbers> result = computeDayNumbers(d, place, prefs);
        EXPECT_TRUE(result.ok());
        if (!result.ok()) continue;
        const DayNumbers* row = &result.value();
        missing.moonrise += !row->moonrise;
        missing.moonset += !row->moonset;
        missing.sunrise += !row->sunrise;
        missing.sunset += !row->sunset;
    }
    return missing;
}

TEST(DayAlmanac, OverAYearEachPlaceMissesAboutOneMoonEventPerLunation) {
    for (const Location& place : {AUCKLAND, HONOLULU, SYDNEY, GREENWICH}) {
        const MissingEvents m = missingIn2026(place);
        EXPECT_GE(m.moonrise, 11) << place.name;
        EXPECT_LE(m.moonrise, 14) << place.name;
        EXPECT_GE(m.moonset, 11) << place.name;
        EXPECT_LE(m.moonset, 14) << place.name;
        EXPECT_EQ(m.sunrise, 0) << place.name;
        EXPECT_EQ(m.sunset, 0) << place.name;
    }
}

TEST(DayAlmanac, HonoluluMoonriseJustAfterMidnight) {
    AppState s = stateAt(HONOLULU, {2026, 5, 8}, TimeBasis::Standard);
    RecordingView view;
    recomputeDay(s, view);
    expectTime(s.day.moonriseText, 0, 22, 2);
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

TEST(DayAlmanacBearings, EachBearingIsTakenHalfAMinuteAfterTheEvent) {
    // The bearing belongs to the instant event + 30 s, with the minute kept
    // fractional (not rounded to the displayed minute).
    const Location place{"Cape Town", -33.92, -18.42, -25.5, -2.0};
    const Preferences prefs{
        .magneticBearings = false, .twelveHourClock = false, .timeBasis = TimeBasis::Standard};
    const SkyObserver observer{place.latitude * DEG_TO_RAD, place.longitude * DEG_TO_RAD, 0.0,
                               false, 0.0};
    int checked = 0;
    for (CivilDate d{2026, 5, 1}; d.month == 5; d = nextDay(d)) {
        const AlmanacResult<DayNumbers> result = computeDayNumbers(d, place, prefs);
        ASSERT_TRUE(result.ok());
        const DayNumbers* row = &result.value();
        for (const std::optional<SkyEvent>& event : {row->moonrise, row->moonset}) {
            if (!event) continue;
            const double minutes = event->time / TWO_PI * 1440.0 + 0.5;
            const ClockTime when{d.year, d.month, static_cast<double>(d.day),
                                 0.0,    minutes, place.timeZone};
            EXPECT_NEAR(event->bearing, moonHorizontal(when, observer).bearing, 1e-6);
            ++checked;
        }
        ASSERT_TRUE(row->sunrise);
        const double minutes = row->sunrise->time / TWO_PI * 1440.0 + 0.5;
        const auto sun = sunHorizontal(
            {d.year, d.month, static_cast<double>(d.day), 0.0, minutes, place.timeZone}, observer);
        EXPECT_NEAR(row->sunrise->bearing, sun.bearing, 1e-6);
    }
    EXPECT_GT(checked, 50);
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

// Minutes after midnight of an event, or -1 for none.
int eventMinutes(const std::optional<SkyEvent>& event) {
    if (!event) return -1;
    return static_cast<int>(std::floor(event->time / TWO_PI * 1440.0 + 0.5));
}

TEST(MoonEvents, GreenwichInUniversalTimeMatchAnIndependentAlmanac) {
    struct Case {
        CivilDate date;
        int rise; // minutes after 0h UT, -1 when the Moon does not rise that day
        int set;
    };
    const Case cases[] = {
        {{2026, 1, 1}, 13 * 60 + 25, 6 * 60 + 28},
        {{2026, 6, 21}, 11 * 60 + 40, 23 * 60 + 45},
        {{2026, 1, 9}, -1, 10 * 60 + 39},
        {{2026, 1, 25}, 10 * 60 + 1, -1},
    };
    const Location greenwich{"Greenwich", 51.4779, 0.0015, 0.0, 0.0};
    for (const Case& c : cases) {
        const AlmanacResult<DayNumbers> result =
            computeDayNumbers(c.date, greenwich,
                              Preferences{.magneticBearings = false,
                                          .twelveHourClock = false,
                                          .timeBasis = TimeBasis::Universal});
        ASSERT_TRUE(result.ok());
        const DayNumbers* row = &result.value();
        const int rise = eventMinutes(row->moonrise);
        const int set = eventMinutes(row->moonset);
        if (c.rise < 0)
            EXPECT_EQ(rise, -1) << c.date.day;
        else
            EXPECT_NEAR(rise, c.rise, 2) << c.date.month << "-" << c.date.day;
        if (c.set < 0)
            EXPECT_EQ(set, -1) << c.date.day;
        else
            EXPECT_NEAR(set, c.set, 2) << c.date.month << "-" << c.date.day;
    }
}

} // namespace
} // namespace skyledger

namespace skyledger {
namespace {

TEST(DayAlmanac, TromsoGrazingMoonriseAndTheSunsReturnAreShownWithBearings) {
    const Location tromso{"Tromso", 69.65, -18.96, 0.0, -1.0};
    RecordingView view;
    // An independent almanac: moonrise 12:53 UT at a bearing of 1.6 deg. The
    // Moon's altitude changes so slowly there that minutes stand for arc
    // seconds.
    AppState moon = stateAt(tromso, {2026, 9, 29}, TimeBasis::Universal);
    recomputeDay(moon, view);
    expectTime(moon.day.moonriseText, 12, 53, 5);
    EXPECT_NEAR(degreesOf(moon.day.moonriseBearingText), 2, 1);
    expectTime(moon.day.moonsetText, 12, 17, 1);

    // The Sun sets for the first time after the midnight-Sun season and
    // rises again half an hour later, both close to north, on a day whose
    // start keeps it up all day. (Both times are those of the scan over the
    // year at Tromso in the solver's tests, an hour earlier here.)
    AppState sun = stateAt(tromso, {2026, 7, 25}, TimeBasis::Universal);
    recomputeDay(sun, view);
    expectTime(sun.day.sunsetText, 22, 37, 1);
    expectTime(sun.day.sunriseText, 23, 5, 1);
    EXPECT_NEAR(degreesOf(sun.day.sunsetBearingText), 356, 2);
    EXPECT_NEAR(degreesOf(sun.day.sunriseBearingText), 3, 2);
}

} // namespace
} // namespace skyledger
