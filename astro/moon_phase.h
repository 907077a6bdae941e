// Instants of the Moon's principal phases (new Moon, first quarter, full Moon,
// last quarter) in one closed computation: a mean phase from a polynomial in
// the lunation number, periodic corrections in the Sun's and Moon's mean
// anomalies and the Moon's argument of latitude, and fourteen small planetary
// corrections. After Meeus, "Astronomical Algorithms", the chapter on the
// phases of the Moon (first-edition constants).
#pragma once

#include <cstdint>
#include <optional>

namespace skyledger {

// The four principal phases, in their order through the lunation.
enum class MoonPhase : int32_t {
    New = 0,
    FirstQuarter = 1,
    Full = 2,
    LastQuarter = 3,
};

// The Julian day in dynamical time (JDE) of the given phase in the lunation
// selected by the Julian day jdTd: the first quarter, full Moon and last
// quarter of the lunation that began on or before jdTd + 1, and the new Moon
// that ends it. std::nullopt for a value outside the four phases.
std::optional<double> moonPhaseInstant(double jdTd, MoonPhase phase);

// The value of one phase polynomial c0 + c1 k + c2 t^2 + c3 t^3 + c4 t^4 for
// the lunation number k and t in Julian centuries (t = k / 1236.85). Rows:
// 0 the mean phase (JDE, days); 1 the Sun's mean anomaly, 2 the Moon's mean
// anomaly, 3 the Moon's argument of latitude, 4 the longitude of the Moon's
// ascending node (degrees, not reduced). A row outside 0..4 gives 0.0.
double phaseArgument(int32_t row, double k, double t);

} // namespace skyledger
