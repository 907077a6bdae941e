// Rise, transit and set solver.
#include "astro/rise_transit_set.h"

#include <cmath>

#include "astro/constants.h"
#include "astro/horizon.h"
#include "astro/julian_day.h"

namespace skyledger {

namespace {

constexpr double SIDEREAL_PER_DAY = 6.300388092591991;      // radians of sidereal rotation per day
constexpr double STOP_THRESHOLD = 0.0002;                   // days (17.28 s)
constexpr double HORIZON_REFRACTION = 0.009890780871051864; // 34 arcminutes
constexpr double NO_EVENT_DAY = -1.0; // day fraction given to an event found not to happen

enum class Event { Transit, Crossing };

// Everything the refinement reads: the three positions (right ascensions
// unwrapped around the middle one), the sidereal time at the start of the day,
// Delta T in days, the standard altitude and the observer.
struct Day {
    double ra[3];
    double dec[3];
    double theta0;
    double deltaTDays;
    double h0;
    double sinH0;
    double longitude;
    double sinPhi;
    double cosPhi;
};

// The day fraction m brought into [0, 1) by adding or subtracting whole days.
// A tiny negative m, which would round up to exactly 1, is taken as the start
// of the day; so is a value that is not a number.
double intoDay(double m) {
    const double r = m - std::floor(m);
    return r < 1.0 ? r : 0.0;
}

// The correction to the day fraction m of one event: for the transit the hour
// angle turned into days; for a crossing of h0 the full Newton step on the
// altitude, 0 when the altitude is h0 already.
double correction(const Day& day, Event event, double m) {
    const double theta = day.theta0 + SIDEREAL_PER_DAY * m;
    const double n = m + day.deltaTDays;
    const double alpha = interpolate3(day.ra[0], day.ra[1], day.ra[2], n);
    const double hourAngle = reduceAngleSigned(theta - day.longitude - alpha);
    if (event == Event::Transit) return -hourAngle / TWO_PI;
    const double delta = interpolate3(day.dec[0], day.dec[1], day.dec[2], n);
    const double cosDelta = std::cos(delta);
    const double h =
        std::asin(day.sinPhi * std::sin(delta) + day.cosPhi * cosDelta * std::cos(hourAngle));
    if (h == day.h0) return 0.0;
    return (h - day.h0) * std::cos(h) / (TWO_PI * cosDelta * day.cosPhi * std::sin(hourAngle));
}

// Newton steps on the day fraction m until a step is at most STOP_THRESHOLD.
// Returns false when that does not happen within RTS_MAX_REFINEMENT_STEPS
// steps or a step cannot be taken (sin H = 0 away from h0, positions that are
// not numbers); m then holds the last estimate. Near the limits of
// circumpolarity a crossing that the first estimate predicts may not happen
// at all: the steps then swing about the culmination without settling.
bool refine(const Day& day, Event event, double& m) {
    for (int step = 0; step < RTS_MAX_REFINEMENT_STEPS; ++step) {
        const double dm = correction(day, event, m);
        if (!std::isfinite(dm) || !std::isfinite(m + dm)) return false;
        m += dm;
        if (std::fabs(dm) <= STOP_THRESHOLD) return true;
    }
    return false;
}

} // namespace

RiseTransitSet riseTransitSet(const RiseTransitSetInput& in) {
    const double* ra = in.rightAscension;
    const double* dec = in.declination;
    const Day day{
        {ra[1] + reduceAngleSigned(ra[0] - ra[1]), ra[1], ra[1] + reduceAngleSigned(ra[2] - ra[1])},
        {dec[0], dec[1], dec[2]},
        meanSiderealTime(in.t0Ut),
        in.deltaTSeconds * DAYS_PER_SECOND,
        in.h0,
        std::sin(in.h0),
        in.longitude,
        std::sin(in.latitude),
        std::cos(in.latitude)};
    RiseTransitSet result;
    const double cosH0 =
        (day.sinH0 - day.sinPhi * std::sin(dec[1])) / (day.cosPhi * std::cos(dec[1]));

    // First estimates, each brought into the day however far the longitude
    // puts it outside.
    double m0 = intoDay((ra[1] + in.longitude - day.theta0) / TWO_PI);
    double m1 = m0;
    double m2 = m0;
    if (cosH0 > 1.0) {
        result.status = RTS_NEVER_RISES;
    } else if (cosH0 < -1.0) {
        result.status = RTS_NEVER_SETS;
        m1 = m0 - 0.5;
        m2 = m0 + 0.5;
    } else if (cosH0 >= -1.0) {
        const double h = std::acos(cosH0) / TWO_PI;
        m1 = m0 - h;
        m2 = m0 + h;
    } else {
        // cos H0 is not a number (positions or latitude not numbers): no crossing.
        result.status = RTS_NEVER_RISES;
    }
    m1 = intoDay(m1);
    m2 = intoDay(m2);

    // The transit converges whatever the body does; its last estimate stands.
    refine(day, Event::Transit, m0);
    if (result.status == 0) {
        if (!refine(day, Event::Crossing, m1)) {
            result.status |= RTS_NO_RISE;
            m1 = NO_EVENT_DAY;
        }
        if (!refine(day, Event::Crossing, m2)) {
            result.status |= RTS_NO_SET;
            m2 = NO_EVENT_DAY;
        }
    }
    result.rise = TWO_PI * m1;
    result.transit = TWO_PI * m0;
    result.set = TWO_PI * m2;
    return result;
}

double interpolate3(double y1, double y2, double y3, double n) {
    const double a = y2 - y1;
    const double b = y3 - y2;
    const double c = b - a;
    return y2 + (n / 2.0) * (a + b + n * c);
}

double moonStandardAltitude(double horizontalParallax) {
    return 0.7275 * horizontalParallax - HORIZON_REFRACTION;
}

} // namespace skyledger
