// VSOP87 term store, series evaluation with the FK5 correction, and the
// heliocentric to geocentric conversion.
#include "astro/planetary_series.h"

#include <cmath>
#include <cstdlib>
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

// The term store: one heap block per loaded body and the working copy of its
// directory. The only mutable global state of the astronomy core.
struct TermStore {
    SeriesTerm* terms[BODY_COUNT] = {};
    SeriesDirectory directories[BODY_COUNT] = {};
    TermAllocator allocate = std::malloc;
    // For each term of a body, the cosine and sine of frequency * dtau: the
    // turn of its argument over one step. Kept for the last step asked for.
    std::vector<Phasor> stepTurns[BODY_COUNT];
    double stepTau[BODY_COUNT] = {};
};

TermStore store;

bool validBody(int32_t body) {
    return body >= 0 && body < BODY_COUNT;
}

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

// The step turns of the body's terms for a step of dtau Julian millennia.
const Phasor* stepRotation(int32_t body, double dtau) {
    std::vector<Phasor>& turns = store.stepTurns[body];
    const SeriesTerm* first = VSOP87_TERMS + VSOP87_DIRECTORIES[body].series[0].start;
    const size_t count = termCount(VSOP87_DIRECTORIES[body]);
    if (turns.size() != count || store.stepTau[body] != dtau) {
        turns.resize(count);
        for (size_t i = 0; i < count; ++i) {
            const double x = first[i].frequency * dtau;
            turns[i] = {std::cos(x), std::sin(x)};
        }
        store.stepTau[body] = dtau;
    }
    return turns.data();
}

// As sumCoordinate, at the three instants taus[0..2] (equally spaced, tau in
// Julian millennia) at once: each term's cosine at the middle instant is
// taken from the math library, at the outer ones by turning it through the
// term's step rotation.
void sumCoordinateAround(const SeriesTerm*& p, const Phasor*& turn, const SeriesRange* ranges,
                         const double taus[3], double sums[3]) {
    double power[3] = {1.0, 1.0, 1.0};
    sums[0] = sums[1] = sums[2] = 0.0;
    for (int k = 0; k < 6; ++k) {
        double s[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < ranges[k].count; ++i, ++p, ++turn) {
            const double a = p->phase + p->frequency * taus[1];
            const double c = std::cos(a);
            const double sn = std::sin(a);
            s[0] += p->amplitude * (c * turn->c + sn * turn->s);
            s[1] += p->amplitude * c;
            s[2] += p->amplitude * (c * turn->c - sn * turn->s);
        }
        for (int j = 0; j < 3; ++j) {
            sums[j] += s[j] * power[j];
            power[j] *= taus[j];
        }
    }
}

} // namespace

void resetTermStore() {
    freeAllBodyTerms();
}

size_t loadBodyTerms(int32_t body) {
    if (!validBody(body)) return 0;
    const SeriesDirectory& dir = VSOP87_DIRECTORIES[body];
    const size_t bytes = termCount(dir) * sizeof(SeriesTerm);
    if (store.terms[body] == nullptr) {
        auto* block = static_cast<SeriesTerm*>(store.allocate(bytes));
        if (block == nullptr) return 0; // the caller reports it
        const SeriesTerm* first = VSOP87_TERMS + dir.series[0].start;
        for (size_t i = 0; i < bytes / sizeof(SeriesTerm); ++i)
            block[i] = first[i];
        store.terms[body] = block;
    }
    store.directories[body] = dir;
    return bytes;
}

void freeBodyTerms(int32_t body) {
    if (!validBody(body)) return;
    std::free(store.terms[body]);
    store.terms[body] = nullptr;
}

void freeAllBodyTerms() {
    for (int32_t body = 0; body < BODY_COUNT; ++body)
        freeBodyTerms(body);
}

bool bodyTermsLoaded(int32_t body) {
    return validBody(body) && store.terms[body] != nullptr;
}

void setTermAllocator(TermAllocator allocator) {
    store.allocate = allocator != nullptr ? allocator : std::malloc;
}

bool bodyHeliocentric(int32_t body, double tTd, SphericalCoords& out) {
    if (!bodyTermsLoaded(body)) return false;
    const double tau = tTd * 0.1;
    const SeriesTerm* p = store.terms[body];
    const SeriesRange* ranges = store.directories[body].series;
    const double l = reduceAngle(sumCoordinate(p, ranges, tau));
    const double b = sumCoordinate(p, ranges + 6, tau);
    const double r = sumCoordinate(p, ranges + 12, tau);
    out = fk5Corrected(l, b, r, tTd);
    return true;
}

bool bodyHeliocentricAround(int32_t body, double tTd, double step, SphericalCoords out[3]) {
    if (!bodyTermsLoaded(body)) return false;
    const SeriesRange* ranges = store.directories[body].series;
    const double taus[3] = {(tTd - step) * 0.1, tTd * 0.1, (tTd + step) * 0.1};
    const Phasor* rotation = stepRotation(body, step * 0.1);
    const SeriesTerm* p = store.terms[body];
    double sums[3][3];
    for (int coordinate = 0; coordinate < 3; ++coordinate)
        sumCoordinateAround(p, rotation, ranges + 6 * coordinate, taus, sums[coordinate]);
    for (int i = 0; i < 3; ++i) {
        const double instant = i == 0 ? tTd - step : (i == 1 ? tTd : tTd + step);
        out[i] = fk5Corrected(reduceAngle(sums[0][i]), sums[1][i], sums[2][i], instant);
    }
    return true;
}

bool sunGeocentric(double tTd, int32_t body, SphericalCoords& out) {
    SphericalCoords earth;
    if (!bodyHeliocentric(body, tTd, earth)) return false;
    out.longitude = reduceAngle(earth.longitude + PI);
    out.latitude = -earth.latitude;
    out.radius = earth.radius;
    return true;
}

EarthSeries::EarthSeries() {
    resetTermStore();
    loaded_ = loadBodyTerms(BODY_EARTH) != 0;
}

EarthSeries::~EarthSeries() {
    freeAllBodyTerms();
}

std::optional<SphericalCoords> EarthSeries::earth(double tTd) const {
    SphericalCoords out;
    if (!loaded_ || !bodyHeliocentric(BODY_EARTH, tTd, out)) return std::nullopt;
    return out;
}

bool EarthSeries::earthAround(double tTd, double step, SphericalCoords out[3]) const {
    return loaded_ && bodyHeliocentricAround(BODY_EARTH, tTd, step, out);
}

std::optional<SphericalCoords> EarthSeries::sun(double tTd) const {
    SphericalCoords out;
    if (!loaded_ || !sunGeocentric(tTd, BODY_EARTH, out)) return std::nullopt;
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
