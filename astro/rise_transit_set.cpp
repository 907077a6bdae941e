// Rise, transit and set solver.
#include "astro/rise_transit_set.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/constants.h"
#include "astro/horizon.h"
#include "astro/julian_day.h"

namespace skyledger {

namespace {

constexpr double SIDEREAL_PER_DAY = 6.300388092591991; // radians of sidereal rotation per day
constexpr double STOP_THRESHOLD = 0.0002;              // days (17.28 s)

// Checking a refined crossing: the altitude is compared with h0 this long
// (days, 8.6 s) before and after it.
constexpr double CHECK_SPAN = 0.0001;
// Searching the day: samples every half hour (and one either side of the day,
// so that a dip at either end is seen), bisection to 0.09 s.
constexpr int SEARCH_STEPS = 48;
constexpr double SEARCH_PRECISION = 1e-6; // days
// A sampled extremum whose parabola comes this close to h0 (in sin h, about
// 20") is located exactly: the body may graze h0 between two samples. The
// parabola through samples half an hour apart misses the true extremum of the
// daily circle by less than a tenth of this.
constexpr double GRAZING_MARGIN = 1e-4;
constexpr int MAX_GRAZING_POINTS = 8;

enum class Event { Transit, Crossing };
enum class Direction { Rising, Setting };

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

// A refined day fraction: the last estimate, and whether the steps settled.
struct Refined {
    double m;
    bool settled;
};

// Newton steps on the day fraction m until a step is at most STOP_THRESHOLD.
// Not settled when that does not happen within MAX_REFINEMENT_STEPS steps or
// a step cannot be taken (sin H = 0 away from h0, positions that are not
// numbers). Near the limits of circumpolarity a crossing that the first
// estimate predicts may not happen at all: the steps then swing about the
// culmination without settling.
Refined refine(const Day& day, Event event, double m) {
    for (int step = 0; step < MAX_REFINEMENT_STEPS; ++step) {
        const double dm = correction(day, event, m);
        if (!std::isfinite(dm) || !std::isfinite(m + dm)) return {m, false};
        m += dm;
        if (std::fabs(dm) <= STOP_THRESHOLD) return {m, true};
    }
    return {m, false};
}

// sin h - sin h0 at day fraction m, from the interpolated positions: its sign
// is the sign of the altitude above h0.
double aboveH0(const Day& day, double m) {
    const double n = m + day.deltaTDays;
    const double alpha = interpolate3(day.ra[0], day.ra[1], day.ra[2], n);
    const double delta = interpolate3(day.dec[0], day.dec[1], day.dec[2], n);
    const double hourAngle = day.theta0 + SIDEREAL_PER_DAY * m - day.longitude - alpha;
    return day.sinPhi * std::sin(delta) + day.cosPhi * std::cos(delta) * std::cos(hourAngle) -
           day.sinH0;
}

bool isUp(double above) {
    return above >= 0.0;
}

// Whether a refined value m lies in the day and the body crosses h0 there in
// the given direction.
bool crossesAt(const Day& day, Direction direction, double m) {
    if (!(m >= 0.0 && m < 1.0)) return false;
    const bool upBefore = isUp(aboveH0(day, m - CHECK_SPAN));
    const bool upAfter = isUp(aboveH0(day, m + CHECK_SPAN));
    return upBefore != upAfter && upAfter == (direction == Direction::Rising);
}

struct Sample {
    double m;
    double above;
};

// Locates the extremum of a daily circle between a and b (where the sampled
// values show one) by golden-section search, stopping early at a point on the
// other side of h0 than the samples. Returns that point.
Sample extremumBetween(const Day& day, double a, double b, bool minimum) {
    constexpr double GOLDEN = 0.6180339887498949;
    const double sign = minimum ? 1.0 : -1.0;
    double x1 = b - GOLDEN * (b - a);
    double x2 = a + GOLDEN * (b - a);
    Sample s1{x1, aboveH0(day, x1)};
    Sample s2{x2, aboveH0(day, x2)};
    while (b - a > SEARCH_PRECISION) {
        if (isUp(s1.above) != minimum) return s1;
        if (isUp(s2.above) != minimum) return s2;
        if (sign * s1.above < sign * s2.above) {
            b = s2.m;
            s2 = s1;
            s1.m = b - GOLDEN * (b - a);
            s1.above = aboveH0(day, s1.m);
        } else {
            a = s1.m;
            s1 = s2;
            s2.m = a + GOLDEN * (b - a);
            s2.above = aboveH0(day, s2.m);
        }
    }
    return sign * s1.above < sign * s2.above ? s1 : s2;
}

// The crossing between two samples on either side of h0, by bisection.
double bisect(const Day& day, Sample lo, Sample hi) {
    const bool upAtLo = isUp(lo.above);
    while (hi.m - lo.m > SEARCH_PRECISION) {
        const double mid = 0.5 * (lo.m + hi.m);
        if (isUp(aboveH0(day, mid)) == upAtLo)
            lo.m = mid;
        else
            hi.m = mid;
    }
    return 0.5 * (lo.m + hi.m);
}

// Whether the body can cross h0 at all during the day [0, 1), whatever its
// hour angle, given the range its interpolated declination covers: false
// when at every declination of that range even the lower culmination stays
// above h0, or the upper one below it.
bool mayCross(const Day& day) {
    const double n0 = day.deltaTDays;
    const double n1 = 1.0 + day.deltaTDays;
    double low = std::min(interpolate3(day.dec[0], day.dec[1], day.dec[2], n0),
                          interpolate3(day.dec[0], day.dec[1], day.dec[2], n1));
    double high = std::max(interpolate3(day.dec[0], day.dec[1], day.dec[2], n0),
                           interpolate3(day.dec[0], day.dec[1], day.dec[2], n1));
    const double a = day.dec[1] - day.dec[0];
    const double b = day.dec[2] - day.dec[1];
    const double c = b - a;
    if (c != 0.0) {
        const double nTurn = -(a + b) / (2.0 * c);
        if (nTurn > n0 && nTurn < n1) {
            const double turn = interpolate3(day.dec[0], day.dec[1], day.dec[2], nTurn);
            low = std::min(low, turn);
            high = std::max(high, turn);
        }
    }
    // sin of the altitude at the lower culmination is -cos(phi + delta), at the
    // upper one cos(phi - delta); on an interval of delta each is extreme at an
    // end unless the interval reaches the pole where it is -1 or 1.
    const double phi = std::atan2(day.sinPhi, day.cosPhi);
    const bool alwaysAbove = (phi + low > 0.0 || phi + high < 0.0) &&
                             -std::cos(phi + low) > day.sinH0 && -std::cos(phi + high) > day.sinH0;
    const bool alwaysBelow = (phi - high > 0.0 || phi - low < 0.0) &&
                             std::cos(phi - high) < day.sinH0 && std::cos(phi - low) < day.sinH0;
    return !(alwaysAbove || alwaysBelow);
}

// The first rise and the first set found in the day [0, 1), as day fractions.
struct Crossings {
    std::optional<double> rise;
    std::optional<double> set;
};

// Searches the day [0, 1) for the first rise and the first set, as asked;
// each is absent when the day has none. Samples half an hour
// apart bracket ordinary crossings; a rise and a set closer together than
// that (a body grazing h0 at a culmination) are separated by locating the
// extremum between them.
Crossings searchDay(const Day& day, bool wantRise, bool wantSet) {
    Crossings found;
    constexpr double STEP = 1.0 / SEARCH_STEPS;
    double grid[SEARCH_STEPS + 3]; // m = -STEP .. 1 + STEP
    for (int i = 0; i < SEARCH_STEPS + 3; ++i)
        grid[i] = aboveH0(day, (i - 1) * STEP);

    Sample points[SEARCH_STEPS + 1 + MAX_GRAZING_POINTS];
    int count = 0;
    for (int i = 0; i <= SEARCH_STEPS; ++i)
        points[count++] = {i * STEP, grid[i + 1]};
    bool inserted = false;
    for (int i = 0; i <= SEARCH_STEPS && count < SEARCH_STEPS + 1 + MAX_GRAZING_POINTS; ++i) {
        const double y1 = grid[i];
        const double y2 = grid[i + 1];
        const double y3 = grid[i + 2];
        const bool minimum = y2 <= y1 && y2 <= y3;
        const bool maximum = y2 >= y1 && y2 >= y3;
        if (minimum == maximum) continue; // no extremum here, or a flat run
        if (isUp(y1) != isUp(y2) || isUp(y3) != isUp(y2)) continue; // bracketed already
        const double curvature = y1 - 2.0 * y2 + y3;
        const double vertex = y2 - (y3 - y1) * (y3 - y1) / (8.0 * curvature);
        if (isUp(vertex) == isUp(y2) && std::fabs(vertex) > GRAZING_MARGIN) continue;
        const Sample e = extremumBetween(day, (i - 1) * STEP, (i + 1) * STEP, minimum);
        if (isUp(e.above) == isUp(y2) || !(e.m > 0.0 && e.m < 1.0)) continue;
        points[count++] = e;
        inserted = true;
    }
    if (inserted)
        std::sort(points, points + count,
                  [](const Sample& a, const Sample& b) { return a.m < b.m; });

    for (int j = 0; j + 1 < count && (wantRise || wantSet); ++j) {
        const bool up = isUp(points[j].above);
        if (up == isUp(points[j + 1].above)) continue;
        if (!up && wantRise) {
            found.rise = bisect(day, points[j], points[j + 1]);
            wantRise = false;
        } else if (up && wantSet) {
            found.set = bisect(day, points[j], points[j + 1]);
            wantSet = false;
        }
    }
    return found;
}

// The day fraction to report for one crossing that the refinement did not
// give: the one the search found, or none; a refined value outside the day
// stands, as it tells which neighbouring day the event falls on.
std::optional<double> unrefinedCrossing(std::optional<double> found, Refined refined) {
    if (found) return found;
    if (refined.settled && !(refined.m >= 0.0 && refined.m < 1.0)) return refined.m;
    return std::nullopt;
}

// A day fraction as radians of a day, when there is one.
std::optional<double> radiansOfDay(std::optional<double> m) {
    if (!m) return std::nullopt;
    return TWO_PI * *m;
}

// The solver's view of the input: right ascensions unwrapped around the
// middle one, sines and cosines taken once.
Day dayOf(const RiseTransitSetInput& in) {
    const double* ra = in.rightAscension;
    const double* dec = in.declination;
    return Day{
        {ra[1] + reduceAngleSigned(ra[0] - ra[1]), ra[1], ra[1] + reduceAngleSigned(ra[2] - ra[1])},
        {dec[0], dec[1], dec[2]},
        meanSiderealTime(in.t0Ut),
        in.deltaTSeconds * DAYS_PER_SECOND,
        in.h0,
        std::sin(in.h0),
        in.longitude,
        std::sin(in.latitude),
        std::cos(in.latitude)};
}

// The first estimates of transit (m0), rise (m1) and set (m2) as day
// fractions from the middle position, each brought into the day however far
// the longitude puts it outside; `course` says when the body stays above or
// below h0 all day (rise and set are then the transit's, never refined).
struct Estimates {
    double m0 = 0.0;
    double m1 = 0.0;
    double m2 = 0.0;
    DayCourse course = DayCourse::Crosses;
};

Estimates firstEstimates(const Day& day) {
    const double cosH0 =
        (day.sinH0 - day.sinPhi * std::sin(day.dec[1])) / (day.cosPhi * std::cos(day.dec[1]));
    Estimates e;
    e.m0 = intoDay((day.ra[1] + day.longitude - day.theta0) / TWO_PI);
    e.m1 = e.m0;
    e.m2 = e.m0;
    if (cosH0 > 1.0) {
        e.course = DayCourse::BelowAllDay;
    } else if (cosH0 < -1.0) {
        e.course = DayCourse::AboveAllDay;
    } else if (cosH0 >= -1.0) {
        const double h = std::acos(cosH0) / TWO_PI;
        e.m1 = e.m0 - h;
        e.m2 = e.m0 + h;
    } else {
        // cos H0 is not a number (positions or latitude not numbers): no crossing.
        e.course = DayCourse::BelowAllDay;
    }
    e.m1 = intoDay(e.m1);
    e.m2 = intoDay(e.m2);
    return e;
}

} // namespace

RiseTransitSet riseTransitSet(const RiseTransitSetInput& in) {
    const Day day = dayOf(in);
    const Estimates first = firstEstimates(day);

    // The transit converges whatever the body does; its last estimate stands.
    const double m0 = refine(day, Event::Transit, first.m0).m;
    const bool wholeDay = first.course != DayCourse::Crosses;
    const Refined m1 = wholeDay ? Refined{first.m1, false} : refine(day, Event::Crossing, first.m1);
    const Refined m2 = wholeDay ? Refined{first.m2, false} : refine(day, Event::Crossing, first.m2);
    const bool keepRise = m1.settled && crossesAt(day, Direction::Rising, m1.m);
    const bool keepSet = m2.settled && crossesAt(day, Direction::Setting, m2.m);
    DayCourse course = first.course;
    std::optional<double> rise = keepRise ? std::optional(m1.m) : std::nullopt;
    std::optional<double> set = keepSet ? std::optional(m2.m) : std::nullopt;
    if ((!keepRise || !keepSet) && (!wholeDay || mayCross(day))) {
        const Crossings found = searchDay(day, !keepRise, !keepSet);
        // A whole day above or below h0 stays so unless the search finds a crossing.
        if (!wholeDay || found.rise || found.set) {
            course = DayCourse::Crosses;
            if (!keepRise) rise = unrefinedCrossing(found.rise, m1);
            if (!keepSet) set = unrefinedCrossing(found.set, m2);
        }
    }
    return {radiansOfDay(rise), TWO_PI * m0, radiansOfDay(set), course};
}

double interpolate3(double y1, double y2, double y3, double n) {
    const double a = y2 - y1;
    const double b = y3 - y2;
    const double c = b - a;
    return y2 + (n / 2.0) * (a + b + n * c);
}

double moonStandardAltitude(double horizontalParallax) {
    return 0.7275 * horizontalParallax - REFRACTION_AT_HORIZON;
}

} // namespace skyledger
