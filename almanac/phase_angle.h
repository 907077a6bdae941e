// The Moon's position in the lunation at an instant, as the angle from which
// the Moon disc is drawn: 0 at new Moon, pi/2 at first quarter, pi at full
// Moon, 3 pi/2 at last quarter, growing linearly in time between consecutive
// principal phases. Built on the closed-form phase instants of the Moon.
#pragma once

#include <optional>

namespace skyledger {

// Phase angle (radians, 0..2 pi) at the Julian day `jdUt` (Universal Time).
// The search runs through the principal phases in dynamical time; it is
// bounded, and gives no value if it does not bracket the instant.
std::optional<double> moonPhaseAngleAtJulianDay(double jdUt);

// The name of the Moon's phase at a phase angle (radians): "new Moon",
// "waxing crescent", "first quarter", "waxing gibbous", "full Moon",
// "waning gibbous", "last quarter" or "waning crescent". A principal phase is
// named within PRINCIPAL_PHASE_HALF_WIDTH of its angle (about a day).
inline constexpr double PRINCIPAL_PHASE_HALF_WIDTH = 0.20943951023931953; // 12 degrees
const char* moonPhaseName(double phaseAngle);

// The lit fraction (0..1) of a Moon disc drawn at a phase angle (radians):
// (1 - cos angle) / 2.
double litFractionOfPhase(double phaseAngle);

} // namespace skyledger
