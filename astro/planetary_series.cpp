// VSOP87 series evaluation over the built-in tables with the FK5 correction,
// and the heliocentric to geocentric conversion.
#include "astro/planetary_series.h"

#include <cassert>
#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/multiple_angles.h"
#include "astro/vsop87_terms.h"

namespace skyledger {

namespace {

// FK5 correction of the VSOP87 dynamical frame (Meeus, formula 32.3).
constexpr double FK5_RATE_DEG = 1.397;    // degrees per Julian century
constexpr double FK5_RATE2_DEG = 0.00031; // degrees per century squared
constexpr double FK5_LONGITUDE_ARCSEC = -0.09033;
constexpr double FK5_FACTOR_ARCSEC = 0.03916;
constexpr double FK5_LATITUDE_RAD = 1.8985303752249429e-07; // 0.03916 arcsecond

size_t termCount(const SeriesDirectory& dir) {
    size_t n = 0;
    for (const SeriesRange& r : dir.series)
        n += static_cast<size_t>(r.count);
    return n;
}

// Sum over the six powers of tau of one coordinate's series, reading `count`
// terms per series from `p` onwards; `p` is left after the last term read.
double sumCoordinate(const SeriesTerm*& p, const SeriesRange* ranges, double tau) {
    double sum = 0.0;
    double power = 1.0;
    for (int k = 0; k < 6; ++k) {
        double s = 0.0;
        for (int i = 0; i < ranges[k].count; ++i, ++p)
            s += p->amplitude * std::cos(p->phase + p->frequency * tau);
        sum += s * power;
        power *= tau;
    }
    return sum;
}

// The FK5 correction of the VSOP87 position L, B, R at T (Julian centuries):
// L' is not reduced again, R is unchanged.
SphericalCoords fk5Corrected(double l, double b, double r, double t) {
    const double lp = l - (FK5_RATE_DEG * t + FK5_RATE2_DEG * t * t) * DEG_TO_RAD;
    const double cosLp = std::cos(lp);
    const double sinLp = std::sin(lp);
    SphericalCoords out;
    out.longitude =
        l + (FK5_LONGITUDE_ARCSEC + FK5_FACTOR_ARCSEC * (cosLp + sinLp) * std::tan(b)) * ARCSECOND;
    out.latitude = b + FK5_LATITUDE_RAD * (cosLp - sinLp);
    out.radius = r;
    return out;
}

// The Sun seen from the Earth at its heliocentric place.
SphericalCoords sunOfEarth(const SphericalCoords& earth) {
    SphericalCoords out;
    out.longitude = reduceAngle(earth.longitude + PI);
    out.latitude = -earth.latitude;
    out.radius = earth.radius;
    return out;
}

// The first term of the body in the pool.
const SeriesTerm* firstTerm(BodyIndex body) {
    return VSOP87_TERMS + VSOP87_DIRECTORIES[body].series[0].start;
}

// The turn of a term's argument over a step of dtau Julian millennia.
Phasor stepTurn(const SeriesTerm& term, double dtau) {
    const double x = term.frequency * dtau;
    return {std::cos(x), std::sin(x)};
}

// The turns of a body's terms one after the other, read from a table.
struct TableTurns {
    const Phasor* next;
    Phasor operator()(const SeriesTerm&) { return *next++; }
};

// The turns of a body's terms one after the other, worked out as they come.
struct ComputedTurns {
    double dtau;
    Phasor operator()(const SeriesTerm& term) const { return stepTurn(term, dtau); }
};

// The Earth's turns over one day, the step the almanac always takes: worked
// out on first use and read-only afterwards, the one table built at run time.
const std::vector<Phasor>& earthDayTurns() {
    static const std::vector<Phasor> turns = [] {
        const SeriesTerm* first = firstTerm(BODY_EARTH);
        std::vector<Phasor> t(termCount(VSOP87_DIRECTORIES[BODY_EARTH]));
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = stepTurn(first[i], CENTURIES_PER_DAY * 0.1);
        return t;
    }();
    return turns;
}

// As sumCoordinate, at the three instants taus[0..2] (equally spaced, tau in
// Julian millennia) at once: each term's cosine at the middle instant is
// taken from the math library, at the outer ones by turning it through the
// term's step rotation, which `turnOf` gives term after term.
// When `kept` is not null, each term's cosine and sine at the middle instant
// are stored there, term after term.
template <typename Turns>
void sumCoordinateAround(const SeriesTerm*& p, Turns& turnOf, const SeriesRange* ranges,
                         const double taus[3], double sums[3], Phasor*& kept) {
    double power[3] = {1.0, 1.0, 1.0};
    sums[0] = sums[1] = sums[2] = 0.0;
    for (int k = 0; k < 6; ++k) {
        double s[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < ranges[k].count; ++i, ++p) {
            const Phasor turn = turnOf(*p);
            const double a = p->phase + p->frequency * taus[1];
            const double c = std::cos(a);
            const double sn = std::sin(a);
            if (kept != nullptr) *kept++ = {c, sn};
            s[0] += p->amplitude * (c * turn.c + sn * turn.s);
            s[1] += p->amplitude * c;
            s[2] += p->amplitude * (c * turn.c - sn * turn.s);
        }
        for (int j = 0; j < 3; ++j) {
            sums[j] += s[j] * power[j];
            power[j] *= taus[j];
        }
    }
}

template <typename Turns>
void aroundWith(BodyIndex body, double tTd, double step, Turns turnOf, SphericalCoords out[3],
                Phasor* kept = nullptr) {
    const SeriesRange* ranges = VSOP87_DIRECTORIES[body].series;
    const double taus[3] = {(tTd - step) * 0.1, tTd * 0.1, (tTd + step) * 0.1};
    const SeriesTerm* p = firstTerm(body);
    double sums[3][3];
    for (int coordinate = 0; coordinate < 3; ++coordinate)
        sumCoordinateAround(p, turnOf, ranges + 6 * coordinate, taus, sums[coordinate], kept);
    for (int i = 0; i < 3; ++i) {
        const double instant = i == 0 ? tTd - step : (i == 1 ? tTd : tTd + step);
        out[i] = fk5Corrected(reduceAngle(sums[0][i]), sums[1][i], sums[2][i], instant);
    }
}

// Farthest an instant may lie from the anchor of EarthSeriesNear and still be
// turned to: a day and a quarter, in Julian millennia, enough for any instant
// of the day that starts at the anchor. The Earth's fastest term then turns
// through 0.55 rad, where the power series below leaves less than 3e-21 of
// any term's contribution (the last place of the longitude is 2e-16).
constexpr double NEAR_LIMIT_TAU = 1.25 * CENTURIES_PER_DAY * 0.1;

// cos x and sin x for |x| <= 0.55 from their power series to x^12 and x^13.
Phasor turnBy(double x) {
    constexpr int TERMS = 6;
    constexpr auto coefficients = [] {
        struct {
            double c[TERMS + 1]; // (-1)^n / (2n)!
            double s[TERMS + 1]; // (-1)^n / (2n + 1)!
        } k{};
        double f = 1.0;
        for (int n = 0; n <= TERMS; ++n) {
            if (n > 0) f *= (2.0 * n - 1.0) * (2.0 * n);
            k.c[n] = (n % 2 == 0 ? 1.0 : -1.0) / f;
            k.s[n] = (n % 2 == 0 ? 1.0 : -1.0) / (f * (2.0 * n + 1.0));
        }
        return k;
    }();
    const double y = x * x;
    double c = coefficients.c[TERMS];
    double s = coefficients.s[TERMS];
    for (int n = TERMS - 1; n >= 0; --n) {
        c = c * y + coefficients.c[n];
        s = s * y + coefficients.s[n];
    }
    return {c, s * x};
}

} // namespace

EarthSeriesNear::EarthSeriesNear(double tTd)
    : tau_(tTd * 0.1), count_(static_cast<int>(termCount(VSOP87_DIRECTORIES[BODY_EARTH]))) {
    aroundWith(BODY_EARTH, tTd, CENTURIES_PER_DAY, TableTurns{earthDayTurns().data()}, around_,
               phasors_);
    assert(count_ <= CAPACITY);
}

SphericalCoords EarthSeriesNear::earthAt(double t) const {
    const double tau = t * 0.1;
    const double dtau = tau - tau_;
    if (!(std::fabs(dtau) <= NEAR_LIMIT_TAU)) return bodyHeliocentric(BODY_EARTH, t);
    const SeriesTerm* p = firstTerm(BODY_EARTH);
    const Phasor* anchor = phasors_;
    const SeriesRange* ranges = VSOP87_DIRECTORIES[BODY_EARTH].series;
    double sums[3];
    for (int coordinate = 0; coordinate < 3; ++coordinate) {
        double sum = 0.0;
        double power = 1.0;
        for (int k = 0; k < 6; ++k) {
            double s = 0.0;
            for (int i = 0; i < ranges[6 * coordinate + k].count; ++i, ++p, ++anchor) {
                const Phasor turn = turnBy(p->frequency * dtau);
                s += p->amplitude * (anchor->c * turn.c - anchor->s * turn.s);
            }
            sum += s * power;
            power *= tau;
        }
        sums[coordinate] = sum;
    }
    return fk5Corrected(reduceAngle(sums[0]), sums[1], sums[2], t);
}

SphericalCoords EarthSeriesNear::sunAt(double t) const {
    return sunOfEarth(earthAt(t));
}

SphericalCoords bodyHeliocentric(BodyIndex body, double tTd) {
    const double tau = tTd * 0.1;
    const SeriesTerm* p = firstTerm(body);
    const SeriesRange* ranges = VSOP87_DIRECTORIES[body].series;
    const double l = reduceAngle(sumCoordinate(p, ranges, tau));
    const double b = sumCoordinate(p, ranges + 6, tau);
    const double r = sumCoordinate(p, ranges + 12, tau);
    return fk5Corrected(l, b, r, tTd);
}

void bodyHeliocentricAround(BodyIndex body, double tTd, double step, SphericalCoords out[3]) {
    if (body == BODY_EARTH && step == CENTURIES_PER_DAY)
        aroundWith(body, tTd, step, TableTurns{earthDayTurns().data()}, out);
    else
        aroundWith(body, tTd, step, ComputedTurns{step * 0.1}, out);
}

SphericalCoords sunGeocentric(double tTd) {
    return sunOfEarth(bodyHeliocentric(BODY_EARTH, tTd));
}

SphericalCoords heliocentricToGeocentric(const SphericalCoords& body,
                                         const SphericalCoords& earth) {
    double xb, yb, zb, xe, ye, ze;
    sphericalToRectangular(body, xb, yb, zb);
    sphericalToRectangular(earth, xe, ye, ze);
    return rectangularToSpherical(xb - xe, yb - ye, zb - ze);
}

void sphericalToRectangular(const SphericalCoords& s, double& x, double& y, double& z) {
    const double rc = s.radius * std::cos(s.latitude);
    x = rc * std::cos(s.longitude);
    y = rc * std::sin(s.longitude);
    z = s.radius * std::sin(s.latitude);
}

SphericalCoords rectangularToSpherical(double x, double y, double z) {
    SphericalCoords s;
    s.longitude = std::atan2(y, x);
    if (s.longitude < 0.0) s.longitude += TWO_PI;
    s.radius = std::sqrt(x * x + y * y + z * z);
    // At the origin the direction is undefined; latitude 0 rather than 0/0.
    s.latitude = s.radius > 0.0 ? std::asin(z / s.radius) : 0.0;
    return s;
}

} // namespace skyledger
