// What the day holds beyond rising and setting, for one date at one place:
// the three twilights, the golden and blue hours, solar noon and the Moon's
// transit with their altitudes, the day's length and its change from the day
// before, the coming principal phases, why a rise or a set is missing, and
// the Sun's and the Moon's altitude every five minutes.
//
// No theory of its own: the crossings and transits come from the
// rise/transit/set solver on the same three days of geometric positions as the
// day's almanac (VSOP87 Earth for the Sun, abridged ELP-2000/82 for the
// Moon), the twilight and golden-hour crossings with the Sun's centre at the
// altitude itself, without refraction; the phases from the closed-form phase
// instants. The five-minute altitudes are those three days' positions
// interpolated as the solver does, with the Moon's parallax and without
// refraction.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "almanac/almanac_result.h"
#include "almanac/civil_calendar.h"
#include "almanac/day_almanac.h"
#include "astro/moon_phase.h"
#include "settings/location.h"

namespace skyledger {

// Why an event is missing from the date.
enum class EventAbsence : int32_t {
    None = 0,       // the event happens on the date
    UpAllDay = 1,   // the body stays above the event's altitude the whole day
    DownAllDay = 2, // the body stays below it the whole day
    NotOnDate = 3,  // it crosses that altitude on other days, not on this one
};

// A clock time on a local date: radians of a day from 0h of `date`.
struct DatedTime {
    CivilDate date;
    double time = 0.0;
};

// A moment of the day: its time in radians of a day from 0h local clock time
// of the date (as SkyEvent's) when it happens on the date; otherwise why not
// and, for NotOnDate, the next one when one falls within
// NEXT_EVENT_SEARCH_DAYS days.
struct DetailEvent {
    std::optional<double> time;
    EventAbsence absence = EventAbsence::None;
    std::optional<DatedTime> next;

    bool happens() const { return time.has_value(); }
};

inline constexpr int32_t NEXT_EVENT_SEARCH_DAYS = 7;

// The Sun's centre crossing one altitude: rising in the morning, setting in
// the evening.
struct SunCrossing {
    DetailEvent morning;
    DetailEvent evening;
};

// The altitudes (degrees, the Sun's centre) whose crossings bound the
// twilights and the golden and blue hours, in the order of
// DayDetails::sunCrossings: astronomical, nautical and civil twilight, the
// blue hour's end and golden hour's start, the golden hour's end.
enum SunLevel : int32_t {
    ASTRONOMICAL_LEVEL = 0,
    NAUTICAL_LEVEL = 1,
    CIVIL_LEVEL = 2,
    BLUE_GOLDEN_LEVEL = 3,
    GOLDEN_END_LEVEL = 4,
    SUN_LEVEL_COUNT = 5,
};
inline constexpr std::array<double, SUN_LEVEL_COUNT> SUN_LEVEL_ALTITUDES = {-18.0, -12.0, -6.0,
                                                                           -4.0, 6.0};

// A principal phase of the Moon at a local date and clock time (radians of a
// day from 0h of that date).
struct PhaseEvent {
    MoonPhase phase = MoonPhase::New;
    CivilDate date;
    double time = 0.0;
};

// The graph's samples: every five minutes from 00:00 to 24:00 inclusive.
inline constexpr int32_t DETAIL_SAMPLES = 289;
inline constexpr double DETAIL_SAMPLE_STEP = 0.02181661564992912; // 2 pi / 288

struct DayDetails {
    // The standard rising and setting of the day's almanac, with reasons.
    DetailEvent sunrise;
    DetailEvent sunset;
    DetailEvent moonrise;
    DetailEvent moonset;
    std::array<SunCrossing, SUN_LEVEL_COUNT> sunCrossings{};
    // The Sun's transit (solar noon) and the Moon's, with the altitude (degrees,
    // without refraction) at that moment; a transit outside the date is
    // NotOnDate.
    DetailEvent solarNoon;
    double solarNoonAltitude = 0.0;
    DetailEvent moonTransit;
    double moonTransitAltitude = 0.0;
    // Hours the Sun is up within the date (24 up all day, 0 down all day), and
    // that less the day before's, in minutes.
    double dayLengthHours = 0.0;
    double dayLengthChangeMinutes = 0.0;
    // The four principal phases after 0h of the date, in time order.
    std::array<PhaseEvent, 4> nextPhases{};
    // Altitudes in degrees of the Sun's and the Moon's centres at
    // i * DETAIL_SAMPLE_STEP.
    std::array<double, DETAIL_SAMPLES> sunAltitude{};
    std::array<double, DETAIL_SAMPLES> moonAltitude{};
    // False until details were computed for a place.
    bool valid = false;
};

// The details of the date at the place in the preferences' time basis. Fails
// with PhaseSearchFailed when a phase instant cannot be had.
AlmanacResult<DayDetails> computeDayDetails(const CivilDate& date, const Location& location,
                                            const Preferences& preferences);

// The clock time (radians of a day) at the place in the time basis of the
// Universal Time `utcDate` plus `utcSeconds` (0..86400), when it falls on
// `date`; nothing when the place's clock shows another date then.
[[nodiscard]] std::optional<double> clockTimeOnDate(const CivilDate& date, const Location& location,
                                                    TimeBasis timeBasis, const CivilDate& utcDate,
                                                    double utcSeconds);

} // namespace skyledger
