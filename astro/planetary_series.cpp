// VSOP87 term store, series evaluation with the FK5 correction, and the
// heliocentric to geocentric conversion.
#include "astro/planetary_series.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/constants.h"
#include "astro/julian_day.h"
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
        if (block == nullptr) {
            std::puts("Out of memory on planetary terms !");
            return 0;
        }
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

bool bodyHeliocentric(int32_t body, double t, SphericalCoords& out) {
    if (!bodyTermsLoaded(body)) return false;
    const double tau = t * 0.1;
    const SeriesTerm* p = store.terms[body];
    const SeriesRange* ranges = store.directories[body].series;
    const double l = reduceAngle(sumCoordinate(p, ranges, tau));
    const double b = sumCoordinate(p, ranges + 6, tau);
    const double r = sumCoordinate(p, ranges + 12, tau);

    const double lp = l - (FK5_RATE_DEG * t + FK5_RATE2_DEG * t * t) * DEG_TO_RAD;
    const double cosLp = std::cos(lp);
    const double sinLp = std::sin(lp);
    out.longitude =
        l + (FK5_LONGITUDE_ARCSEC + FK5_FACTOR_ARCSEC * (cosLp + sinLp) * std::tan(b)) * ARCSECOND;
    out.latitude = b + FK5_LATITUDE_RAD * (cosLp - sinLp);
    out.radius = r;
    return true;
}

bool sunGeocentric(double t, int32_t body, SphericalCoords& out) {
    SphericalCoords earth;
    if (!bodyHeliocentric(body, t, earth)) return false;
    out.longitude = reduceAngle(earth.longitude + PI);
    out.latitude = -earth.latitude;
    out.radius = earth.radius;
    return true;
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
