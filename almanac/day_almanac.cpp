// The day's events, illumination and phase, and the main window's texts.
#include "almanac/day_almanac.h"

#include <cmath>

#include "almanac/display_format.h"
#include "almanac/horizontal_position.h"
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

// The place and time frame shared by every step of one day.
struct DayFrame {
    CivilDate date;
    double offsetDays;
    SkyObserver observer;
    double noonT;  // UT of local noon, Julian centuries
    double noonJd; // the same as a Julian day
    double deltaTSeconds;
    double t0;  // UT of 0h local clock time, Julian centuries
    double td0; // the same instant in dynamical time
};

DayFrame dayFrame(const CivilDate& date, const Location& location, const Preferences& prefs) {
    DayFrame f{};
    f.date = date;
    f.offsetDays = timeOffsetDays(location, prefs.timeBasis);
    f.observer = skyObserver(location, prefs);
    f.noonJd = localNoonJulianDay(date, location, prefs.timeBasis);
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

// Stores one event and its bearing, or noEventValue in both.
template <typename BearingOf>
void storeEvent(const DayFrame& f, double eventTime, double& time, double& bearing,
                BearingOf bearingOf) {
    time = noEventValue;
    bearing = noEventValue;
    if (!std::isfinite(eventTime) || !insideDay(eventTime)) return;
    time = eventTime;
    bearing = bearingOf(bearingInstant(f, eventTime)).bearing;
}

template <typename BearingOf>
void storeEvents(const DayFrame& f, const RiseTransitSet& rts, double& rise, double& set,
                 double& riseBearing, double& setBearing, BearingOf bearingOf) {
    rise = set = riseBearing = setBearing = noEventValue;
    // Circumpolar or never up: no crossing at all that day.
    if (rts.status & (RTS_NEVER_SETS | RTS_NEVER_RISES)) return;
    // A crossing that the day does not hold is not shown.
    if (!(rts.status & RTS_NO_RISE)) storeEvent(f, rts.rise, rise, riseBearing, bearingOf);
    if (!(rts.status & RTS_NO_SET)) storeEvent(f, rts.set, set, setBearing, bearingOf);
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
    storeEvents(f, rts, row.moonrise, row.moonset, row.moonriseBearing, row.moonsetBearing,
                [&](const ClockTime& when) { return moonHorizontal(when, f.observer); });
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
    storeEvents(f, rts, row.sunrise, row.sunset, row.sunriseBearing, row.sunsetBearing,
                [&](const ClockTime& when) {
                    return sunHorizontal(when, f.observer, earthSeries);
                });
}

// The time text of an event and, when it shows a time, its bearing text.
void eventTexts(double time, double bearing, bool twelveHourClock, std::string& timeText,
                std::string& bearingText) {
    bearingText.clear();
    if (isNoEvent(time)) {
        timeText.clear();
        return;
    }
    if (formatEventTime(time, twelveHourClock, timeText) == 0) bearingText = formatBearing(bearing);
}

} // namespace

double localNoonJulianDay(const CivilDate& date, const Location& location, TimeBasis timeBasis) {
    return julianDay({date.year, date.month, date.day + 0.5}) + timeOffsetDays(location, timeBasis);
}

double timeOffsetDays(const Location& location, TimeBasis timeBasis) {
    switch (timeBasis) {
    case TimeBasis::Daylight:
        return (location.timeZone - 1.0) / 24.0;
    case TimeBasis::Universal:
        return 0.0;
    case TimeBasis::Standard:
        break;
    }
    return location.timeZone / 24.0;
}

AlmanacResult<DayNumbers> computeDayNumbers(const CivilDate& date, const Location& location,
                                            const Preferences& preferences) {
    const DayFrame f = dayFrame(date, location, preferences);
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

DayAlmanac formatDayAlmanac(const DayNumbers& n, const Preferences& preferences) {
    const bool twelveHourClock = preferences.twelveHourClock;
    DayAlmanac d;
    eventTexts(n.sunrise, n.sunriseBearing, twelveHourClock, d.sunriseText, d.sunriseBearingText);
    eventTexts(n.sunset, n.sunsetBearing, twelveHourClock, d.sunsetText, d.sunsetBearingText);
    eventTexts(n.moonrise, n.moonriseBearing, twelveHourClock, d.moonriseText,
               d.moonriseBearingText);
    eventTexts(n.moonset, n.moonsetBearing, twelveHourClock, d.moonsetText, d.moonsetBearingText);
    d.illuminationPercent = static_cast<int32_t>(n.illuminationPercent);
    d.moonPhaseAngle = n.moonPhaseAngle;
    d.southernHemisphere = n.southernHemisphere;
    d.computed = true;
    return d;
}

} // namespace skyledger
