// The Moon's geocentric position from the abridged ELP-2000/82 theory and the
// illuminated fraction of its disc.
#include "astro/moon_position.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/multiple_angles.h"

namespace skyledger {

namespace {

// Mean elements in degrees, ascending powers of T.
constexpr double MEAN_LONGITUDE_POLY[] = {218.3164591, 481267.88134236, -0.0013268, 1.0 / 538841.0,
                                          -1.0 / 65194000.0};
constexpr double ELONGATION_POLY[] = {297.8502042, 445267.1115168, -0.00163, 1.0 / 545868.0,
                                      -1.0 / 113065000.0};
constexpr double SUN_ANOMALY_POLY[] = {357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000.0};
constexpr double MOON_ANOMALY_POLY[] = {134.9634114, 477198.8676313, 0.008997, 1.0 / 69699.0,
                                        -1.0 / 14712000.0};
constexpr double LATITUDE_ARGUMENT_POLY[] = {93.2720993, 483202.0175273, -0.0034029,
                                             -1.0 / 3526000.0, 1.0 / 863310000.0};

// Mean distance of the Moon (km), to which the distance terms are added.
constexpr double MEAN_DISTANCE_KM = 385000.56;
// Kilometres to astronomical units.
constexpr double AU_PER_KM = 6.684587153547039e-09;

// One periodic term: integer multipliers of D, M, M' and F, the longitude
// sine coefficient (degrees) and the distance cosine coefficient (km).
struct LongitudeDistanceTerm {
    int8_t d, m, mPrime, f;
    double longitude;
    double distance;
};

// One latitude term: multipliers of D, M, M', F and the sine coefficient
// (degrees).
struct LatitudeTerm {
    int8_t d, m, mPrime, f;
    double latitude;
};

// Longitude and distance, in published order. A zero stands for a term the
// row does not carry; it adds exactly nothing to the sum.
// clang-format off
constexpr LongitudeDistanceTerm LONGITUDE_DISTANCE_TERMS[] = {
    {0, 0, 1, 0, 6.288774, -20905.355},
    {2, 0, -1, 0, 1.274027, -3699.111},
    {2, 0, 0, 0, 0.658314, -2955.968},
    {0, 0, 2, 0, 0.213618, -569.925},
    {0, 1, 0, 0, -0.185116, 48.888},
    {0, 0, 0, 2, -0.114332, -3.149},
    {2, 0, -2, 0, 0.058793, 246.158},
    {2, -1, -1, 0, 0.057066, -152.138},
    {2, 0, 1, 0, 0.053322, -170.733},
    {2, -1, 0, 0, 0.045758, -204.586},
    {0, 1, -1, 0, -0.040923, -129.620},
    {1, 0, 0, 0, -0.034720, 108.743},
    {0, 1, 1, 0, -0.030383, 104.755},
    {2, 0, 0, -2, 0.015327, 10.321},
    {0, 0, 1, 2, -0.012528, 0.000},
    {0, 0, 1, -2, 0.010980, 79.661},
    {4, 0, -1, 0, 0.010675, -34.782},
    {0, 0, 3, 0, 0.010034, -23.210},
    {4, 0, -2, 0, 0.008548, -21.636},
    {2, 1, -1, 0, -0.007888, 24.208},
    {2, 1, 0, 0, -0.006766, 30.824},
    {1, 0, -1, 0, -0.005163, -8.379},
    {1, 1, 0, 0, 0.004987, -16.675},
    {2, -1, 1, 0, 0.004036, -12.831},
    {2, 0, 2, 0, 0.003994, -10.445},
    {4, 0, 0, 0, 0.003861, -11.650},
    {2, 0, -3, 0, 0.003665, 14.403},
    {0, 1, -2, 0, -0.002689, -7.003},
    {2, 0, -1, 2, -0.002602, 0.000},
    {2, -1, -2, 0, 0.002390, 10.056},
    {1, 0, 1, 0, -0.002348, 6.322},
    {2, -2, 0, 0, 0.002236, -9.884},
    {0, 1, 2, 0, -0.002120, 5.751},
    {0, 2, 0, 0, -0.002069, 0.000},
    {2, -2, -1, 0, 0.002048, -4.950},
    {2, 0, 1, -2, -0.001773, 4.130},
    {2, 0, 0, 2, -0.001595, 0.000},
    {4, -1, -1, 0, 0.001215, -3.958},
    {0, 0, 2, 2, -0.001110, 0.000},
    {3, 0, -1, 0, -0.000892, 3.258},
    {2, 1, 1, 0, -0.000810, 2.616},
    {4, -1, -2, 0, 0.000759, -1.897},
    {0, 2, -1, 0, -0.000713, -2.117},
    {2, 2, -1, 0, -0.000700, 2.354},
    {2, 1, -2, 0, 0.000691, 0.000},
    {2, -1, 0, -2, 0.000596, 0.000},
    {4, 0, 1, 0, 0.000549, -1.423},
    {0, 0, 4, 0, 0.000537, -1.117},
    {4, -1, 0, 0, 0.000520, -1.571},
    {1, 0, -2, 0, -0.000487, -1.739},
    {2, 1, 0, -2, -0.000399, 0.000},
    {0, 0, 2, -2, -0.000381, -4.421},
    {1, 1, 1, 0, 0.000351, 0.000},
    {3, 0, -2, 0, -0.000340, 0.000},
    {4, 0, -3, 0, 0.000330, 0.000},
    {2, -1, 2, 0, 0.000327, 0.000},
    {0, 2, 1, 0, -0.000323, 1.165},
    {1, 1, -1, 0, 0.000299, 0.000},
    {2, 0, 3, 0, 0.000294, 0.000},
    {2, 0, -1, -2, 0.000000, 8.752},
};

constexpr LatitudeTerm LATITUDE_TERMS[] = {
    {0, 0, 0, 1, 5.128122},
    {0, 0, 1, 1, 0.280602},
    {0, 0, 1, -1, 0.277693},
    {2, 0, 0, -1, 0.173237},
    {2, 0, -1, 1, 0.055413},
    {2, 0, -1, -1, 0.046271},
    {2, 0, 0, 1, 0.032573},
    {0, 0, 2, 1, 0.017198},
    {2, 0, 1, -1, 0.009266},
    {0, 0, 2, -1, 0.008822},
    {2, -1, 0, -1, 0.008216},
    {2, 0, -2, -1, 0.004324},
    {2, 0, 1, 1, 0.004200},
    {2, 1, 0, -1, -0.003359},
    {2, -1, -1, 1, 0.002463},
    {2, -1, 0, 1, 0.002211},
    {2, -1, -1, -1, 0.002065},
    {0, 1, -1, -1, -0.001870},
    {4, 0, -1, -1, 0.001828},
    {0, 1, 0, 1, -0.001794},
    {0, 0, 0, 3, -0.001749},
    {0, 1, -1, 1, -0.001565},
    {1, 0, 0, 1, -0.001491},
    {0, 1, 1, 1, -0.001475},
    {0, 1, 1, -1, -0.001410},
    {0, 1, 0, -1, -0.001344},
    {1, 0, 0, -1, -0.001335},
    {0, 0, 3, 1, 0.001107},
    {4, 0, 0, -1, 0.001021},
    {4, 0, -1, 1, 0.000833},
    {0, 0, 1, -3, 0.000777},
    {4, 0, -2, 1, 0.000671},
    {2, 0, 0, -3, 0.000607},
    {2, 0, 2, -1, 0.000596},
    {2, -1, 1, -1, 0.000491},
    {2, 0, -2, 1, -0.000451},
    {0, 0, 3, -1, 0.000439},
    {2, 0, 2, 1, 0.000422},
    {2, 0, -3, -1, 0.000421},
    {2, 1, -1, 1, -0.000366},
    {2, 1, 0, 1, -0.000351},
    {4, 0, 0, 1, 0.000331},
    {2, -1, 1, 1, 0.000315},
    {2, -2, 0, -1, 0.000302},
    {0, 0, 1, 3, -0.000283},
    {2, 1, 1, -1, -0.000229},
    {1, 1, 0, -1, 0.000223},
    {1, 1, 0, 1, 0.000223},
    {0, 1, -2, -1, -0.000220},
    {2, 1, -1, -1, -0.000220},
    {1, 0, 1, 1, -0.000185},
    {2, -1, -2, -1, 0.000181},
    {0, 1, 2, 1, -0.000177},
    {4, 0, -2, -1, 0.000176},
    {4, -1, -1, -1, 0.000166},
    {1, 0, 1, -1, -0.000164},
    {4, 0, 1, -1, 0.000132},
    {1, 0, -1, -1, -0.000119},
    {4, -1, 0, -1, 0.000115},
    {2, -2, 0, 1, 0.000107},
};
// clang-format on

// Terms are scaled by E to the power |multiplier of M|; no row goes past 2M.
template <typename Term, size_t N> constexpr bool sunAnomalyWithinSquare(const Term (&terms)[N]) {
    for (const Term& term : terms) {
        if (term.m < -2 || term.m > 2) return false;
    }
    return true;
}
static_assert(sunAnomalyWithinSquare(LONGITUDE_DISTANCE_TERMS));
static_assert(sunAnomalyWithinSquare(LATITUDE_TERMS));

template <size_t N>
constexpr int nonZeroCount(const LongitudeDistanceTerm (&terms)[N], bool distance) {
    int count = 0;
    for (const LongitudeDistanceTerm& term : terms) {
        if ((distance ? term.distance : term.longitude) != 0.0) ++count;
    }
    return count;
}
static_assert(std::size(LONGITUDE_DISTANCE_TERMS) == 60 && std::size(LATITUDE_TERMS) == 60);
static_assert(nonZeroCount(LONGITUDE_DISTANCE_TERMS, false) == 59);
static_assert(nonZeroCount(LONGITUDE_DISTANCE_TERMS, true) == 46);

// The multiples of D, M, M' and F that the tables use (up to 4D and 4M').
using LunarAngles = MultipleAngles<4, 4>;

// The distinct combinations of D, M and M' in both tables, and for each term
// which one it starts with: a term's cosine and sine are its combination's
// times the multiple of F, the very product LunarAngles::of forms in the
// same order, but each combination is multiplied out once, not per term.
constexpr int MAX_LEADS = 64;
struct LeadTable {
    int count = 0;
    std::array<int8_t, 4> leads[MAX_LEADS]{}; // multipliers of D, M, M' and 0 for F
    uint8_t longitudeDistance[std::size(LONGITUDE_DISTANCE_TERMS)]{};
    uint8_t latitude[std::size(LATITUDE_TERMS)]{};

    template <typename Term> constexpr uint8_t leadOf(const Term& term) {
        const std::array<int8_t, 4> lead{term.d, term.m, term.mPrime, 0};
        for (int i = 0; i < count; ++i) {
            if (leads[i] == lead) return static_cast<uint8_t>(i);
        }
        leads[count] = lead;
        return static_cast<uint8_t>(count++);
    }
};
constexpr LeadTable LEADS = [] {
    LeadTable t;
    for (size_t i = 0; i < std::size(LONGITUDE_DISTANCE_TERMS); ++i)
        t.longitudeDistance[i] = t.leadOf(LONGITUDE_DISTANCE_TERMS[i]);
    for (size_t i = 0; i < std::size(LATITUDE_TERMS); ++i)
        t.latitude[i] = t.leadOf(LATITUDE_TERMS[i]);
    return t;
}();
static_assert(LEADS.count <= MAX_LEADS);

// The term's factor E^|multiplier of M|.
template <typename Term> double eccentricityFactor(const Term& term, const LunarArguments& a) {
    const int power = std::abs(term.m);
    return power == 0 ? 1.0 : (power == 1 ? a.e : a.e2);
}

// A mean element in degrees turned into radians in [0, 2 pi).
template <size_t N> double meanElement(const double (&poly)[N], double t) {
    return reduceAngle(polyEval(poly, static_cast<int>(N) - 1, t) * DEG_TO_RAD);
}

} // namespace

double eccentricityFactor(double t) {
    return 1.0 - 0.002516 * t - 0.0000074 * t * t;
}

double moonSinParallax(double distanceKm) {
    return EARTH_RADIUS_KM / distanceKm;
}

LunarArguments lunarArguments(double tTd) {
    const double t = tTd;
    LunarArguments a{};
    a.d = meanElement(ELONGATION_POLY, t);
    a.m = meanElement(SUN_ANOMALY_POLY, t);
    a.mPrime = meanElement(MOON_ANOMALY_POLY, t);
    a.f = meanElement(LATITUDE_ARGUMENT_POLY, t);
    a.e = eccentricityFactor(t);
    a.e2 = a.e * a.e;
    return a;
}

SphericalCoords moonPosition(double tTd) {
    const double t = tTd;
    const double meanLongitude = meanElement(MEAN_LONGITUDE_POLY, t);
    const LunarArguments a = lunarArguments(t);
    const LunarAngles angles({a.d, a.m, a.mPrime, a.f});

    Phasor leads[MAX_LEADS];
    for (int i = 0; i < LEADS.count; ++i)
        leads[i] = angles.of(LEADS.leads[i]);

    double sumLongitude = 0.0;
    double sumDistance = 0.0;
    for (size_t i = 0; i < std::size(LONGITUDE_DISTANCE_TERMS); ++i) {
        const LongitudeDistanceTerm& term = LONGITUDE_DISTANCE_TERMS[i];
        const Phasor p = leads[LEADS.longitudeDistance[i]] * angles.multiple(3, term.f);
        const double e = eccentricityFactor(term, a);
        sumLongitude += term.longitude * e * p.s;
        sumDistance += term.distance * e * p.c;
    }
    double sumLatitude = 0.0;
    for (size_t i = 0; i < std::size(LATITUDE_TERMS); ++i) {
        const LatitudeTerm& term = LATITUDE_TERMS[i];
        const Phasor p = leads[LEADS.latitude[i]] * angles.multiple(3, term.f);
        sumLatitude += term.latitude * eccentricityFactor(term, a) * p.s;
    }

    // Additive terms: Venus acts through A1, Jupiter through A2, the Earth's
    // flattening through the terms in L'; A3 gives one more latitude term.
    const double a1 = (119.75 + 131.849 * t) * DEG_TO_RAD;
    const double a2 = (53.09 + 479264.29 * t) * DEG_TO_RAD;
    const double a3 = (313.45 + 481266.484 * t) * DEG_TO_RAD;
    sumLongitude = sumLongitude + 0.003958 * std::sin(a1) +
                   0.001962 * std::sin(meanLongitude - a.f) + 0.000318 * std::sin(a2);
    sumLatitude = sumLatitude - 0.002235 * std::sin(meanLongitude) + 0.000382 * std::sin(a3) +
                  0.000175 * std::sin(a1 - a.f) + 0.000175 * std::sin(a1 + a.f) +
                  0.000127 * std::sin(meanLongitude - a.mPrime) -
                  0.000115 * std::sin(meanLongitude + a.mPrime);

    SphericalCoords moon;
    moon.longitude = meanLongitude + sumLongitude * DEG_TO_RAD;
    while (moon.longitude < 0.0)
        moon.longitude += TWO_PI;
    moon.latitude = sumLatitude * DEG_TO_RAD;
    moon.radius = MEAN_DISTANCE_KM + sumDistance;
    return moon;
}

double moonIlluminatedFraction(const SphericalCoords& moon, double deltaPsi, double sunLongitude,
                               double sunDistanceAu) {
    const double moonLongitude = moon.longitude + deltaPsi;
    const double elongation =
        std::acos(std::cos(moonLongitude - sunLongitude) * std::cos(moon.latitude));
    double phaseAngle = std::atan(sunDistanceAu * std::sin(elongation) /
                                  (moon.radius * AU_PER_KM - sunDistanceAu * std::cos(elongation)));
    // At exact conjunction the quotient is -0.0: it counts as negative, so the
    // phase angle is pi and the disc dark.
    if (std::signbit(phaseAngle)) phaseAngle += PI;
    return (1.0 + std::cos(phaseAngle)) / 2.0;
}

} // namespace skyledger
