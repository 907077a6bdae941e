// Phase angle by bracketing the instant between two principal phases.
#include "almanac/phase_angle.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/julian_day.h"
#include "astro/moon_phase.h"

namespace skyledger {

namespace {
// Radians per principal-phase interval: pi/2 cut after eleven decimals, not
// PI / 2. Every phase angle and disc drawn so far was computed with it, and
// four intervals end just below 2 pi, so no angle reaches a full turn.
constexpr double QUARTER_TURN = 1.57079632675;
constexpr double SEARCH_START_DAYS = 45.0;
// From 45 days back the bracket is reached after six or seven phases.
constexpr int MAX_PHASE_STEPS = 16;
} // namespace

std::optional<double> moonPhaseAngleAtJulianDay(double jdUt) {
    const double je = jdUt + deltaT(julianCenturies(jdUt)) * DAYS_PER_SECOND;
    std::optional<double> previous = moonPhaseInstant(jdUt - SEARCH_START_DAYS, MoonPhase::New);
    if (!previous) return std::nullopt;
    int32_t previousKind = static_cast<int32_t>(MoonPhase::New);
    int32_t wanted = static_cast<int32_t>(MoonPhase::FirstQuarter);
    for (int step = 0; step < MAX_PHASE_STEPS; ++step) {
        const std::optional<double> next =
            moonPhaseInstant(*previous, static_cast<MoonPhase>(wanted));
        if (!next) return std::nullopt;
        if (*previous < je && je <= *next) {
            return (previousKind + (je - *previous) / (*next - *previous)) * QUARTER_TURN;
        }
        previous = next;
        previousKind = wanted;
        wanted = (wanted + 1) % 4;
    }
    return std::nullopt;
}

const char* moonPhaseName(double phaseAngle) {
    static const char* const PRINCIPAL[4] = {"new Moon", "first quarter", "full Moon",
                                             "last quarter"};
    static const char* const BETWEEN[4] = {"waxing crescent", "waxing gibbous", "waning gibbous",
                                           "waning crescent"};
    const double a = reduceAngle(phaseAngle);
    for (int i = 0; i <= 4; ++i) {
        if (std::fabs(a - i * QUARTER_TURN) <= PRINCIPAL_PHASE_HALF_WIDTH) return PRINCIPAL[i % 4];
    }
    int quarter = static_cast<int>(a / QUARTER_TURN);
    if (quarter > 3) quarter = 3;
    return BETWEEN[quarter];
}

double litFractionOfPhase(double phaseAngle) {
    return (1.0 - std::cos(phaseAngle)) / 2.0;
}

} // namespace skyledger
