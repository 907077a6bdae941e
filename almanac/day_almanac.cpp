// The day's events, illumination and phase, and the main window's texts.
#include "almanac/day_almanac.h"

#include <cmath>
#include <utility>

#include "almanac/display_format.h"
#include "almanac/horizontal_position.h"
#include "almanac/local_time.h"
#include "almanac/phase_angle.h"
#include "astro/constants.h"
#include "astro/julian_day.h"
#include "astro/moon_position.h"
#include "astro/nutation.h"
#include "astro/planetary_series.h"
#include "astro/rise_transit_set.h"

namespace skyledger {

namespace {

constexpr double STANDARD_ALTITUDE_SUN = -0.014543828656868749; // -0.8333 degrees
// Events are kept when they fall inside the day, both ends included. The end
// is 2 pi cut after nine decimals, not TWO_PI: an event in the last 2.5
// microseconds of the day is dropped, as it always was.
constexpr double END_OF_DAY = 6.283185307;
constexpr double SECONDS_PER_CENTURY = 86400.0 * 36525.0;

// Right ascension and declination (radians) on the three days around T0.
struct ThreeDays {
    double ra[3];
    double dec[3];
};

double noonOnOffset(const CivilDate& date, double offsetDays) {
    return julianDay({date.year, date.month, date.day + 0.5}) + offsetDays;
}

// The day on a clock of one fixed offset (days), with the day's illumination
// and phase at the noon of `noonOffsetDays`.
DayFrame dayFrame(const CivilDate& date, const Location& location, const Preferences& prefs,
                  double offsetDays, double noonOffsetDays) {
    DayFrame f{};
    f.date = date;
    f.offsetDays = offsetDays;
    f.observer = skyObserver(location, prefs);
    f.noonJd = noonOnOffset(date, noonOffsetDays);
    f.noonT = julianCenturies(f.noonJd);
    f.deltaTSeconds = deltaT(f.noonT);
    const double d0 = std::floor(f.noonT * 36525.0 - 0.5 - f.offsetDays) + f.offsetDays + 0.5;
    f.t0 = d0 / 36525.0;
    f.td0 = f.t0 + f.deltaTSeconds / SECONDS_PER_CENTURY;
    return f;
}

// The clock time of an event (radians of a day) plus half a minute, with the
// minute kept fractional: the instant at which its bearing is taken.
ClockTime bearingInstant(const DayFrame& f, double eventTime) {
    const double x = eventTime * HOURS_PER_RADIAN + HALF_MINUTE_IN_HOURS;
    const double hour = std::floor(x);
    return {f.date.year, f.date.month,      static_cast<double>(f.date.day),
            hour,        (x - hour) * 60.0, f.offsetDays * 24.0};
}

bool insideDay(double eventTime) {
    return eventTime >= 0.0 && eventTime <= END_OF_DAY;
}

// An event the solver found, with its bearing, when it falls inside the day.
template <typename BearingOf>
std::optional<SkyEvent> eventOfDay(const DayFrame& f, std::optional<double> eventTime,
                                   BearingOf bearingOf) {
    if (!eventTime || !std::isfinite(*eventTime) || !insideDay(*eventTime)) return std::nullopt;
    return SkyEvent{*eventTime, bearingOf(bearingInstant(f, *eventTime)).bearing, f.offsetDays};
}

RiseTransitSet solve(const DayFrame& f, const ThreeDays& p, double h0) {
    return riseTransitSet({.t0Ut = f.t0,
                           .deltaTSeconds = f.deltaTSeconds,
                           .rightAscension = {p.ra[0], p.ra[1], p.ra[2]},
                           .declination = {p.dec[0], p.dec[1], p.dec[2]},
                           .h0 = h0,
                           .longitude = f.observer.longitude,
                           .latitude = f.observer.latitude});
}

// Moonrise and moonset from geocentric positions without nutation.
void moonEvents(const DayFrame& f, double horizontalParallax, DayNumbers& row) {
    const double obliquity = meanObliquity(f.noonT);
    ThreeDays p{};
    for (int i = 0; i < 3; ++i) {
        const SphericalCoords m = moonPosition(f.td0 + (i - 1) * CENTURIES_PER_DAY);
        eclipticToEquatorial(m.longitude, m.latitude, obliquity, p.ra[i], p.dec[i]);
    }
    const RiseTransitSet rts = solve(f, p, moonStandardAltitude(horizontalParallax));
    const auto bearingOf = [&](const ClockTime& when) { return moonHorizontal(when, f.observer); };
    row.moonrise = eventOfDay(f, rts.rise, bearingOf);
    row.moonset = eventOfDay(f, rts.set, bearingOf);
}

// Sunrise and sunset from the geometric Sun, h0 = -0.8333 degrees; the
// Earth's series made ready at the day's start in dynamical time.
void sunEvents(const DayFrame& f, const EarthSeriesNear& earthSeries, DayNumbers& row) {
    const double obliquity = meanObliquity(f.t0);
    const SphericalCoords* earth = earthSeries.aroundAnchor();
    ThreeDays p{};
    for (int i = 0; i < 3; ++i) {
        const SphericalCoords sun = heliocentricToGeocentric(SphericalCoords{}, earth[i]);
        eclipticToEquatorial(sun.longitude, sun.latitude, obliquity, p.ra[i], p.dec[i]);
    }
    const RiseTransitSet rts = solve(f, p, STANDARD_ALTITUDE_SUN);
    const auto bearingOf = [&](const ClockTime& when) {
        return sunHorizontal(when, f.observer, earthSeries);
    };
    row.sunrise = eventOfDay(f, rts.rise, bearingOf);
    row.sunset = eventOfDay(f, rts.set, bearingOf);
}

// The main window's texts of an event: no bearing without a clock time.
EventTexts shownTexts(const std::optional<SkyEvent>& event, bool twelveHourClock) {
    EventTexts texts = eventTexts(event, twelveHourClock);
    if (texts.time.empty()) texts.bearing.clear();
    return texts;
}

// The offset in force at local noon of the date: the basis's own, or the
// zone's on local time.
double noonOffsetDays(const CivilDate& date, const Location& location, TimeBasis timeBasis) {
    if (const std::optional<TimeZone> zone = basisZone(location, timeBasis))
        return zone->offsetDaysAt(zone->instantOf(date, 12.0));
    return timeOffsetDays(location, timeBasis);
}

// The day's numbers on a clock of one fixed offset, each event stamped with it.
AlmanacResult<DayNumbers> dayNumbersOnOffset(const CivilDate& date, const Location& location,
                                             const Preferences& preferences, double offsetDays,
                                             double noonOffset) {
    const DayFrame f = dayFrame(date, location, preferences, offsetDays, noonOffset);
    double deltaPsi = 0.0;
    double deltaEpsilon = 0.0;
    nutation(f.noonT, deltaPsi, deltaEpsilon);

    const EarthSeriesNear earthSeries(f.td0);
    const SphericalCoords sun = earthSeries.sunAt(f.noonT);
    const SphericalCoords moon = moonPosition(f.noonT);
    const double horizontalParallax = std::asin(moonSinParallax(moon.radius));

    DayNumbers n;
    n.southernHemisphere = location.latitude < 0.0;
    n.illuminationPercent =
        moonIlluminatedFraction(moon, deltaPsi, sun.longitude, sun.radius) * 100.0;
    moonEvents(f, horizontalParallax, n);
    const std::optional<double> phase = moonPhaseAngleAtJulianDay(f.noonJd);
    if (!phase) return AlmanacError::PhaseSearchFailed;
    n.moonPhaseAngle = *phase;
    sunEvents(f, earthSeries, n);
    return n;
}

// One event of a day the clocks change, from the two computations on the
// offset before and after the change: the one whose offset is in force at the
// event. Both hold one only when the 25-hour day has two; the first is kept.
constexpr std::optional<SkyEvent> DayNumbers::*EVENT_SLOTS[4] = {
    &DayNumbers::sunrise, &DayNumbers::sunset, &DayNumbers::moonrise, &DayNumbers::moonset};

bool onItsOwnOffset(const TimeZone& zone, const CivilDate& date,
                    const std::optional<SkyEvent>& event) {
    if (!event) return false;
    const double instant = noonOnOffset(date, event->offsetDays) - 0.5 + event->time / TWO_PI;
    return zone.offsetDaysAt(instant) == event->offsetDays;
}

DayNumbers acrossTheChange(const TimeZone& zone, const CivilDate& date, const DayNumbers& before,
                           const DayNumbers& after) {
    DayNumbers n = before;
    for (const auto slot : EVENT_SLOTS) {
        if (onItsOwnOffset(zone, date, before.*slot)) continue;
        const bool later = onItsOwnOffset(zone, date, after.*slot);
        n.*slot = later ? after.*slot : std::nullopt;
    }
    return n;
}

} // namespace

double localNoonJulianDay(const CivilDate& date, const Location& location, TimeBasis timeBasis) {
    return noonOnOffset(date, noonOffsetDays(date, location, timeBasis));
}

DayFrame dayFrame(const CivilDate& date, const Location& location, const Preferences& prefs) {
    // On local time, the clock in force when the day begins.
    const std::optional<TimeZone> zone = basisZone(location, prefs.timeBasis);
    const double offset = zone ? localDay(*zone, date).startOffset
                               : timeOffsetDays(location, prefs.timeBasis);
    return dayFrame(date, location, prefs, offset,
                    noonOffsetDays(date, location, prefs.timeBasis));
}

double timeOffsetDays(const Location& location, TimeBasis timeBasis) {
    switch (timeBasis) {
    case TimeBasis::Daylight:
        return (location.timeZone - 1.0) / 24.0;
    case TimeBasis::Universal:
        return 0.0;
    case TimeBasis::Standard:
    case TimeBasis::Local:
        break;
    }
    return location.timeZone / 24.0;
}

AlmanacResult<DayNumbers> computeDayNumbers(const CivilDate& date, const Location& location,
                                            const Preferences& preferences) {
    const double noonOffset = noonOffsetDays(date, location, preferences.timeBasis);
    const std::optional<TimeZone> zone = basisZone(location, preferences.timeBasis);
    if (!zone) {
        const double offset = timeOffsetDays(location, preferences.timeBasis);
        return dayNumbersOnOffset(date, location, preferences, offset, noonOffset);
    }
    const LocalDay day = localDay(*zone, date);
    AlmanacResult<DayNumbers> before =
        dayNumbersOnOffset(date, location, preferences, day.startOffset, noonOffset);
    if (!before.ok() || !day.changesClocks()) return before;
    AlmanacResult<DayNumbers> after =
        dayNumbersOnOffset(date, location, preferences, day.endOffset, noonOffset);
    if (!after.ok()) return after;
    return acrossTheChange(*zone, date, before.value(), after.value());
}

EventTexts eventTexts(const std::optional<SkyEvent>& event, bool twelveHourClock) {
    if (!event) return {};
    return {formatEventTime(event->time, twelveHourClock).value_or(""),
            formatBearing(event->bearing)};
}

DayAlmanac formatDayAlmanac(const DayNumbers& n, const Preferences& preferences) {
    const bool twelveHourClock = preferences.twelveHourClock;
    DayAlmanac d;
    const auto show = [&](const std::optional<SkyEvent>& event, std::string& time,
                          std::string& bearing) {
        EventTexts texts = shownTexts(event, twelveHourClock);
        time = std::move(texts.time);
        bearing = std::move(texts.bearing);
    };
    show(n.sunrise, d.sunriseText, d.sunriseBearingText);
    show(n.sunset, d.sunsetText, d.sunsetBearingText);
    show(n.moonrise, d.moonriseText, d.moonriseBearingText);
    show(n.moonset, d.moonsetText, d.moonsetBearingText);
    d.illuminationPercent = static_cast<int32_t>(n.illuminationPercent);
    d.moonPhaseAngle = n.moonPhaseAngle;
    d.southernHemisphere = n.southernHemisphere;
    d.computed = true;
    return d;
}

} // namespace skyledger
