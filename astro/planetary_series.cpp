// VSOP87 series evaluation over the built-in tables with the FK5 correction,
// and the heliocentric to geocentric conversion.
#include "astro/planetary_series.h"

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
template <typename Turns>
void sumCoordinateAround(const SeriesTerm*& p, Turns& turnOf, const SeriesRange* ranges,
                         const double taus[3], double sums[3]) {
    double power[3] = {1.0, 1.0, 1.0};
    sums[0] = sums[1] = sums[2] = 0.0;
    for (int k = 0; k < 6; ++k) {
        double s[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < ranges[k].count; ++i, ++p) {
            const Phasor turn = turnOf(*p);
            const double a = p->phase + p->frequency * taus[1];
            const double c = std::cos(a);
            const double sn = std::sin(a);
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
void aroundWith(BodyIndex body, double tTd, double step, Turns turnOf, SphericalCoords out[3]) {
    const SeriesRange* ranges = VSOP87_DIRECTORIES[body].series;
    const double taus[3] = {(tTd - step) * 0.1, tTd * 0.1, (tTd + step) * 0.1};
    const SeriesTerm* p = firstTerm(body);
    double sums[3][3];
    for (int coordinate = 0; coordinate < 3; ++coordinate)
        sumCoordinateAround(p, turnOf, ranges + 6 * coordinate, taus, sums[coordinate]);
    for (int i = 0; i < 3; ++i) {
        const double instant = i == 0 ? tTd - step : (i == 1 ? tTd : tTd + step);
        out[i] = fk5Corrected(reduceAngle(sums[0][i]), sums[1][i], sums[2][i], instant);
    }
}

} // namespace

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
    const SphericalCoords earth = bodyHeliocentric(BODY_EARTH, tTd);
    SphericalCoords out;
    out.longitude = reduceAngle(earth.longitude + PI);
    out.latitude = -earth.latitude;
    out.radius = earth.radius;
    return out;
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
