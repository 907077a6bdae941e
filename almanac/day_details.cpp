// Twilights, transits, day length, coming phases, reasons and the graph's
// altitudes of one day.
#include "almanac/day_details.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "almanac/horizontal_position.h"
#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/horizon.h"
#include "astro/julian_day.h"
#include "astro/moon_position.h"
#include "astro/nutation.h"
#include "astro/planetary_series.h"
#include "astro/rise_transit_set.h"

namespace skyledger {

namespace {

constexpr double STANDARD_ALTITUDE_SUN = -0.014543828656868749; // -0.8333 degrees
// The day's almanac keeps an event up to 2 pi cut after nine decimals; the
// details keep the same events.
constexpr double END_OF_DAY = 6.283185307;
constexpr double SYNODIC_MONTH_DAYS = 29.530588853;
constexpr double PHASE_SEARCH_STEP_DAYS = 5.0;

enum class Body { Sun, Moon };

// A body's geometric right ascension and declination (radians) one day
// before, at and one day after the day's start, and its standard altitude.
struct BodyDays {
    double ra[3];
    double dec[3];
    double h0;
    double sinParallax; // 0 for the Sun
};

BodyDays sunDays(const DayFrame& f) {
    SphericalCoords earth[3];
    bodyHeliocentricAround(BODY_EARTH, f.td0, CENTURIES_PER_DAY, earth);
    const double obliquity = meanObliquity(f.t0);
    BodyDays b{};
    for (int i = 0; i < 3; ++i) {
        const SphericalCoords sun = heliocentricToGeocentric(SphericalCoords{}, earth[i]);
        eclipticToEquatorial(sun.longitude, sun.latitude, obliquity, b.ra[i], b.dec[i]);
    }
    b.h0 = STANDARD_ALTITUDE_SUN;
    return b;
}

BodyDays moonDays(const DayFrame& f) {
    const double obliquity = meanObliquity(f.noonT);
    BodyDays b{};
    for (int i = 0; i < 3; ++i) {
        const SphericalCoords m = moonPosition(f.td0 + (i - 1) * CENTURIES_PER_DAY);
        eclipticToEquatorial(m.longitude, m.latitude, obliquity, b.ra[i], b.dec[i]);
    }
    b.sinParallax = moonSinParallax(moonPosition(f.noonT).radius);
    b.h0 = moonStandardAltitude(std::asin(b.sinParallax));
    return b;
}

BodyDays bodyDays(Body body, const DayFrame& f) {
    return body == Body::Moon ? moonDays(f) : sunDays(f);
}

RiseTransitSet solve(const DayFrame& f, const BodyDays& b, double h0) {
    return riseTransitSet({.t0Ut = f.t0,
                           .deltaTSeconds = f.deltaTSeconds,
                           .rightAscension = {b.ra[0], b.ra[1], b.ra[2]},
                           .declination = {b.dec[0], b.dec[1], b.dec[2]},
                           .h0 = h0,
                           .longitude = f.observer.longitude,
                           .latitude = f.observer.latitude});
}

// The body's geometric altitude (radians) at `time` (radians of a day from
// the day's start), from the interpolated positions as the solver reads them,
// lowered by the Moon's parallax.
double altitudeAt(const DayFrame& f, const BodyDays& b, double time) {
    const double m = time / TWO_PI;
    const double n = m + f.deltaTSeconds * DAYS_PER_SECOND;
    const double ra0 = b.ra[1] + reduceAngleSigned(b.ra[0] - b.ra[1]);
    const double ra2 = b.ra[1] + reduceAngleSigned(b.ra[2] - b.ra[1]);
    const double alpha = interpolate3(ra0, b.ra[1], ra2, n);
    const double delta = interpolate3(b.dec[0], b.dec[1], b.dec[2], n);
    const double hourAngle =
        meanSiderealTime(f.t0 + m * CENTURIES_PER_DAY) - f.observer.longitude - alpha;
    const double h = std::asin(std::sin(f.observer.latitude) * std::sin(delta) +
                               std::cos(f.observer.latitude) * std::cos(delta) * std::cos(hourAngle));
    return h - std::asin(b.sinParallax * std::cos(h));
}

bool insideDay(double time) {
    return std::isfinite(time) && time >= 0.0 && time <= END_OF_DAY;
}

// The rise (or the set) of a solution, or why there is none on the date.
DetailEvent crossingOf(const RiseTransitSet& r, bool rising) {
    DetailEvent e;
    switch (r.course) {
    case DayCourse::AboveAllDay:
        e.absence = EventAbsence::UpAllDay;
        return e;
    case DayCourse::BelowAllDay:
        e.absence = EventAbsence::DownAllDay;
        return e;
    case DayCourse::Crosses:
        break;
    }
    const std::optional<double> time = rising ? r.rise : r.set;
    if (time && insideDay(*time)) {
        e.time = time;
        return e;
    }
    e.absence = EventAbsence::NotOnDate;
    return e;
}

// The transit of a solution when it falls within the date.
std::optional<double> transitOnDate(const RiseTransitSet& r) {
    if (r.transit >= 0.0 && r.transit < TWO_PI) return r.transit;
    return std::nullopt;
}

CivilDate previousDay(CivilDate date) {
    if (--date.day >= 1) return date;
    if (--date.month < 1) {
        date.month = 12;
        --date.year;
    }
    date.day = daysInMonth(date.month, date.year);
    return date;
}

// Everything one day's solutions need, for the date and for the days after it
// that the search for a next event visits.
struct DayContext {
    const Location& location;
    const Preferences& preferences;
};

// The first crossing of `h0` (nullopt: the body's own standard altitude) or
// transit on the days after the date, within NEXT_EVENT_SEARCH_DAYS.
enum class EventKind { Rise, Set, Transit };

std::optional<DatedTime> findNext(const DayContext& c, Body body, std::optional<double> h0,
                                  EventKind kind, CivilDate date) {
    for (int32_t k = 0; k < NEXT_EVENT_SEARCH_DAYS; ++k) {
        date = nextDay(date);
        const DayFrame f = dayFrame(date, c.location, c.preferences);
        const BodyDays b = bodyDays(body, f);
        const RiseTransitSet r = solve(f, b, h0.value_or(b.h0));
        const std::optional<double> time = kind == EventKind::Transit
                                               ? transitOnDate(r)
                                               : crossingOf(r, kind == EventKind::Rise).time;
        if (time) return DatedTime{date, *time};
    }
    return std::nullopt;
}

// Names the next one of a missing event that does happen on other days.
void completeMissing(const DayContext& c, const DayFrame& f, Body body, std::optional<double> h0,
                     EventKind kind, DetailEvent& e) {
    if (e.absence != EventAbsence::NotOnDate) return;
    e.next = findNext(c, body, h0, kind, f.date);
}

// A rise and a set at one altitude. When neither happens and the solver does
// not say which side the body keeps, its altitude at midday tells.
void crossings(const DayContext& c, const DayFrame& f, Body body, const BodyDays& b,
               std::optional<double> h0, DetailEvent& rise, DetailEvent& set) {
    const double altitude = h0.value_or(b.h0);
    const RiseTransitSet r = solve(f, b, altitude);
    rise = crossingOf(r, true);
    set = crossingOf(r, false);
    if (rise.absence == EventAbsence::NotOnDate && set.absence == EventAbsence::NotOnDate) {
        const EventAbsence side =
            altitudeAt(f, b, PI) >= altitude ? EventAbsence::UpAllDay : EventAbsence::DownAllDay;
        rise.absence = set.absence = side;
    }
    completeMissing(c, f, body, h0, EventKind::Rise, rise);
    completeMissing(c, f, body, h0, EventKind::Set, set);
}

// The transit of the date with the altitude there, or NotOnDate and the next.
void transit(const DayContext& c, const DayFrame& f, Body body, const BodyDays& b, DetailEvent& e,
             double& altitude) {
    const RiseTransitSet r = solve(f, b, b.h0);
    e = DetailEvent{};
    altitude = altitudeAt(f, b, r.transit) * RAD_TO_DEG;
    e.time = transitOnDate(r);
    if (e.time) return;
    e.absence = EventAbsence::NotOnDate;
    completeMissing(c, f, body, b.h0, EventKind::Transit, e);
}

// Hours the Sun is up within the date, from its rise and set.
double hoursUp(const DetailEvent& rise, const DetailEvent& set) {
    if (rise.time && set.time) {
        const double up =
            *set.time > *rise.time ? *set.time - *rise.time : TWO_PI - *rise.time + *set.time;
        return up * 24.0 / TWO_PI;
    }
    if (rise.time) return (TWO_PI - *rise.time) * 24.0 / TWO_PI;
    if (set.time) return *set.time * 24.0 / TWO_PI;
    return rise.absence == EventAbsence::UpAllDay ? 24.0 : 0.0;
}

// The sunrise and sunset of a date alone, for the day before's length.
double dayLengthOn(const DayContext& c, const CivilDate& date) {
    const DayFrame f = dayFrame(date, c.location, c.preferences);
    const BodyDays sun = sunDays(f);
    const RiseTransitSet r = solve(f, sun, sun.h0);
    DetailEvent rise = crossingOf(r, true);
    DetailEvent set = crossingOf(r, false);
    if (!rise.happens() && !set.happens() && rise.absence == EventAbsence::NotOnDate)
        rise.absence = altitudeAt(f, sun, PI) >= sun.h0 ? EventAbsence::UpAllDay
                                                        : EventAbsence::DownAllDay;
    return hoursUp(rise, set);
}

// The local date and clock time (radians of a day) of an instant given as a
// Julian day in dynamical time.
PhaseEvent localPhase(const DayFrame& f, MoonPhase phase, double jde) {
    const double jdUt = jde - deltaT(julianCenturies(jde)) * DAYS_PER_SECOND;
    double days = jdUt - (J2000 + f.t0 * 36525.0); // from 0h local clock time of the date
    PhaseEvent p{phase, f.date, 0.0};
    while (days >= 1.0) {
        p.date = nextDay(p.date);
        days -= 1.0;
    }
    p.time = days * TWO_PI;
    return p;
}

// The first instant of each principal phase after 0h of the date, in time order.
std::optional<std::array<PhaseEvent, 4>> nextPhases(const DayFrame& f) {
    const double startTd = J2000 + f.td0 * 36525.0;
    std::array<double, 4> instants{};
    for (int32_t k = 0; k < 4; ++k) {
        const MoonPhase phase = static_cast<MoonPhase>(k);
        // The instants grow with the day asked about: the first one after the
        // start, asked about in steps shorter than a quarter of a lunation.
        std::optional<double> jde;
        for (double jd = startTd - SYNODIC_MONTH_DAYS; jd < startTd + SYNODIC_MONTH_DAYS;
             jd += PHASE_SEARCH_STEP_DAYS) {
            jde = moonPhaseInstant(jd, phase);
            if (!jde || *jde > startTd) break;
        }
        if (!jde || *jde <= startTd) return std::nullopt;
        instants[static_cast<size_t>(k)] = *jde;
    }
    std::array<int32_t, 4> order = {0, 1, 2, 3};
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        return instants[static_cast<size_t>(a)] < instants[static_cast<size_t>(b)];
    });
    std::array<PhaseEvent, 4> phases{};
    for (size_t i = 0; i < 4; ++i)
        phases[i] = localPhase(f, static_cast<MoonPhase>(order[i]),
                               instants[static_cast<size_t>(order[i])]);
    return phases;
}

void altitudeSamples(const DayFrame& f, const BodyDays& b, std::array<double, DETAIL_SAMPLES>& out) {
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = altitudeAt(f, b, static_cast<double>(i) * DETAIL_SAMPLE_STEP) * RAD_TO_DEG;
}

} // namespace

std::optional<double> clockTimeOnDate(const CivilDate& date, const Location& location,
                                      TimeBasis timeBasis, const CivilDate& utcDate,
                                      double utcSeconds) {
    double seconds = utcSeconds - timeOffsetDays(location, timeBasis) * 86400.0;
    CivilDate local = utcDate;
    for (; seconds < 0.0; seconds += 86400.0)
        local = previousDay(local);
    for (; seconds >= 86400.0; seconds -= 86400.0)
        local = nextDay(local);
    if (local.year != date.year || local.month != date.month || local.day != date.day)
        return std::nullopt;
    return seconds / 86400.0 * TWO_PI;
}

AlmanacResult<DayDetails> computeDayDetails(const CivilDate& date, const Location& location,
                                            const Preferences& preferences) {
    const DayContext c{location, preferences};
    const DayFrame f = dayFrame(date, location, preferences);
    const BodyDays sun = sunDays(f);
    const BodyDays moon = moonDays(f);

    DayDetails d;
    crossings(c, f, Body::Sun, sun, std::nullopt, d.sunrise, d.sunset);
    crossings(c, f, Body::Moon, moon, std::nullopt, d.moonrise, d.moonset);
    for (size_t level = 0; level < SUN_LEVEL_COUNT; ++level)
        crossings(c, f, Body::Sun, sun, SUN_LEVEL_ALTITUDES[level] * DEG_TO_RAD,
                  d.sunCrossings[level].morning, d.sunCrossings[level].evening);
    transit(c, f, Body::Sun, sun, d.solarNoon, d.solarNoonAltitude);
    transit(c, f, Body::Moon, moon, d.moonTransit, d.moonTransitAltitude);
    d.dayLengthHours = hoursUp(d.sunrise, d.sunset);
    d.dayLengthChangeMinutes = (d.dayLengthHours - dayLengthOn(c, previousDay(date))) * 60.0;
    const std::optional<std::array<PhaseEvent, 4>> phases = nextPhases(f);
    if (!phases) return AlmanacError::PhaseSearchFailed;
    d.nextPhases = *phases;
    altitudeSamples(f, sun, d.sunAltitude);
    altitudeSamples(f, moon, d.moonAltitude);
    d.valid = true;
    return d;
}

} // namespace skyledger
