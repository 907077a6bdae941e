// Instants of the Moon's principal phases.
#include "astro/moon_phase.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/moon_position.h"

namespace skyledger {

namespace {

// Epoch (JDE of the new Moon of 2000 January 6, k = 0) and the mean synodic
// month in days.
constexpr double LUNATION_EPOCH_JDE = 2451550.09765;
constexpr double SYNODIC_MONTH_DAYS = 29.530588853;
// Julian centuries per lunation (1 / 1236.85).
constexpr double CENTURIES_PER_LUNATION = 0.0008085054776246109;

constexpr int PHASE_ROW_COUNT = 5;
// c0, c1 (per lunation), c2, c3, c4 (per power of T), by row.
constexpr double PHASE_POLYNOMIALS[PHASE_ROW_COUNT][5] = {
    {2451550.09765, 29.530588853, 0.0001337, -0.00000015, 0.00000000073}, // mean phase, JDE
    {2.5534, 29.10535669, -0.0000218, -0.00000011, 0.0},                  // M, degrees
    {201.5643, 385.81693528, 0.0107438, 0.00001239, -0.000000058},        // M', degrees
    {160.7108, 390.67050274, -0.0016341, -0.00000227, 0.000000011},       // F, degrees
    {124.7746, -1.5637558, 0.0020691, 0.00000215, 0.0},                   // Omega, degrees
};

// Columns of the periodic terms.
enum PhaseColumn { NEW_MOON_COLUMN = 0, FULL_MOON_COLUMN = 1, QUARTERS_COLUMN = 2 };

// Column used by each phase, indexed by a phase already checked to be 0..3.
constexpr PhaseColumn COLUMN_OF_PHASE[4] = {NEW_MOON_COLUMN, QUARTERS_COLUMN, FULL_MOON_COLUMN,
                                            QUARTERS_COLUMN};

// A periodic correction: multipliers of M, M' and F, the power of E, and the
// coefficient in days for the new Moon, the full Moon and the quarters.
struct PhaseTerm {
    int8_t m, mPrime, f;
    int8_t ePower;
    double coefficient[3];
};

// clang-format off
constexpr PhaseTerm PHASE_TERMS[] = {
    { 0, 1,  0, 0, {-0.4072,  -0.40614, -0.62801}},
    { 1, 0,  0, 1, { 0.17241,  0.17302,  0.17172}},
    { 0, 2,  0, 0, { 0.01608,  0.01614,  0.00862}},
    { 0, 0,  2, 0, { 0.01039,  0.01043,  0.00804}},
    {-1, 1,  0, 1, { 0.00739,  0.00734,  0.00454}},
    { 1, 1,  0, 1, {-0.00514, -0.00515, -0.01183}},
    { 2, 0,  0, 2, { 0.00208,  0.00209,  0.00204}},
    { 0, 1, -2, 0, {-0.00111, -0.00111, -0.0018}},
    { 0, 1,  2, 0, {-0.00057, -0.00057, -0.0007}},
    { 1, 2,  0, 1, { 0.00056,  0.00056,  0.00027}},
    { 0, 3,  0, 0, {-0.00042, -0.00042, -0.0004}},
    { 1, 0,  2, 1, { 0.00042,  0.00042,  0.00032}},
    { 1, 0, -2, 1, { 0.00038,  0.00038,  0.00032}},
    {-1, 2,  0, 1, {-0.00024, -0.00024, -0.00034}},
    { 2, 1,  0, 0, {-0.00007, -0.00007, -0.00028}},
    { 0, 2, -2, 0, { 0.00004,  0.00004,  0.00002}},
    { 3, 0,  0, 0, { 0.00004,  0.00004,  0.00003}},
    { 1, 1, -2, 0, { 0.00003,  0.00003,  0.00003}},
    { 0, 2,  2, 0, { 0.00003,  0.00003,  0.00004}},
    { 1, 1,  2, 0, {-0.00003, -0.00003, -0.00004}},
    {-1, 1,  2, 1, { 0.00003,  0.00003,  0.00002}},
    {-1, 1, -2, 0, {-0.00002, -0.00002, -0.00005}},
    { 1, 3,  0, 0, {-0.00002, -0.00002, -0.00002}},
    { 0, 4,  0, 0, { 0.00002,  0.00002,  0.0}},
    {-2, 1,  0, 0, { 0.0,      0.0,      0.00004}},
};
// clang-format on
static_assert(std::size(PHASE_TERMS) == 25);

constexpr bool ePowersWithinSquare() {
    for (const PhaseTerm& term : PHASE_TERMS) {
        if (term.ePower < 0 || term.ePower > 2) return false;
    }
    return true;
}
static_assert(ePowersWithinSquare());

// A planetary argument c0 + c1 k (degrees) and its amplitude in days.
struct PlanetaryTerm {
    double c0, c1;
    double amplitude;
};

// clang-format off
constexpr PlanetaryTerm PLANETARY_TERMS[] = {
    {299.77, 0.107408, 0.000325},   // A1, which also carries -0.009173 T^2
    {251.88, 0.016321, 0.000165},   // A2
    {251.83, 26.651886, 0.000164},  // A3
    {349.42, 36.412478, 0.000126},  // A4
    {84.66, 18.206239, 0.000110},   // A5
    {141.74, 53.303771, 0.000062},  // A6
    {207.14, 2.453732, 0.000060},   // A7
    {154.84, 7.30686, 0.000056},    // A8
    {34.52, 27.261239, 0.000047},   // A9
    {207.19, 0.121824, 0.000042},   // A10
    {291.34, 1.844379, 0.000040},   // A11
    {161.72, 24.198154, 0.000037},  // A12
    {239.56, 25.513099, 0.000035},  // A13
    {331.55, 3.592518, 0.000023},   // A14
};
// clang-format on
static_assert(std::size(PLANETARY_TERMS) == 14);

// A phase polynomial row (degrees) as an angle in radians in [0, 2 pi).
double phaseAngle(int32_t row, double k, double t) {
    return reduceAngle(phaseArgument(row, k, t) * DEG_TO_RAD);
}

// jde (days) with the periodic corrections of one column added in table order.
double addPeriodicCorrections(double jde, PhaseColumn column, double m, double mPrime, double f,
                              double e) {
    const double ePowers[3] = {1.0, e, e * e};
    for (const PhaseTerm& term : PHASE_TERMS) {
        jde += term.coefficient[column] * ePowers[term.ePower] *
               std::sin(term.m * m + term.mPrime * mPrime + term.f * f);
    }
    return jde;
}

// The correction W (days) that the first quarter adds and the last quarter
// subtracts.
double quarterCorrection(double m, double mPrime, double f, double e) {
    return 0.00306 - 0.00038 * e * std::cos(m) + 0.00026 * std::cos(mPrime) -
           0.00002 * std::cos(mPrime - m) + 0.00002 * std::cos(mPrime + m) +
           0.00002 * std::cos(2.0 * f);
}

// jde (days) with the fourteen planetary corrections added in order.
double addPlanetaryCorrections(double jde, double k, double t) {
    for (size_t i = 0; i < std::size(PLANETARY_TERMS); ++i) {
        const PlanetaryTerm& term = PLANETARY_TERMS[i];
        double argument = term.c0 + term.c1 * k;
        if (i == 0) argument -= 0.009173 * t * t;
        jde += term.amplitude * std::sin(argument * DEG_TO_RAD);
    }
    return jde;
}

} // namespace

double phaseArgument(int32_t row, double k, double t) {
    if (row < 0 || row >= PHASE_ROW_COUNT) return 0.0;
    const double* c = PHASE_POLYNOMIALS[row];
    return c[0] + c[1] * k + t * t * (c[2] + t * (c[3] + t * c[4]));
}

namespace {

// The instant (JDE) of the principal phase `phase` of lunation k.
double phaseInstantOfLunation(double k, MoonPhase phase) {
    const double t = k * CENTURIES_PER_LUNATION;

    double jde = phaseArgument(0, k, t);
    const double m = phaseAngle(1, k, t);
    const double mPrime = phaseAngle(2, k, t);
    const double f = phaseAngle(3, k, t);
    const double omega = phaseAngle(4, k, t);
    jde -= 0.00017 * std::sin(omega);

    const double e = eccentricityFactor(t);
    jde =
        addPeriodicCorrections(jde, COLUMN_OF_PHASE[static_cast<int32_t>(phase)], m, mPrime, f, e);
    if (phase == MoonPhase::FirstQuarter) jde += quarterCorrection(m, mPrime, f, e);
    if (phase == MoonPhase::LastQuarter) jde -= quarterCorrection(m, mPrime, f, e);

    return addPlanetaryCorrections(jde, k, t);
}

struct PhaseCacheEntry {
    int64_t key = 0; // 4 k
    double jde = 0.0;
    bool used = false;
};
constexpr size_t PHASE_CACHE_SIZE = 32;
thread_local std::array<PhaseCacheEntry, PHASE_CACHE_SIZE> phaseCache;

} // namespace

std::optional<double> moonPhaseInstant(double jdTd, MoonPhase kind) {
    const int32_t phase = static_cast<int32_t>(kind);
    if (phase < 0 || phase > 3) return std::nullopt;

    double k = std::floor((jdTd + 1.0 - LUNATION_EPOCH_JDE) / SYNODIC_MONTH_DAYS) + 0.25 * phase;
    if (kind == MoonPhase::New) k += 1.0;

    // The instant depends on k alone (k carries the phase in its fraction).
    // The almanac asks for the same few instants day after day, so the last
    // ones are remembered; a remembered instant is the very value computed.
    const int64_t key = static_cast<int64_t>(k * 4.0);
    PhaseCacheEntry& entry = phaseCache[static_cast<size_t>(key) % PHASE_CACHE_SIZE];
    if (!entry.used || entry.key != key) entry = {key, phaseInstantOfLunation(k, kind), true};
    return entry.jde;
}

} // namespace skyledger
