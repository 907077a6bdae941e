// The built-in, read-only VSOP87 term pool and the directory of each body's
// series in it (see planetary_series.h for the record layouts).
#pragma once

#include "astro/planetary_series.h"

namespace skyledger {

inline constexpr int32_t VSOP87_TERM_COUNT = 2637;

// Terms of all nine bodies, body after body, each body's series in the order
// L0..L5, B0..B5, R0..R5, largest amplitude first within a series.
extern const SeriesTerm VSOP87_TERMS[VSOP87_TERM_COUNT];

// For each body, where each of its 18 series lies in VSOP87_TERMS.
extern const SeriesDirectory VSOP87_DIRECTORIES[BODY_COUNT];

} // namespace skyledger
