// The one way the almanac's computations report that they could not give a
// result: a value, or the reason there is none. The session layer turns a
// reason into the program's message; the command-line almanac into its own.
#pragma once

#include <string>

#include "support/result.h"

namespace skyledger {

enum class AlmanacError {
    NoLocationList,    // no settings file was read: there is no list at all
    NoCurrentLocation, // a list without a current place (an empty list)
    PhaseSearchFailed, // the Moon's principal phases did not bracket the instant
    InvalidRequest,    // a day count outside 1..366 or a month outside 1..12
};

// What the user is told when a computation failed for `error`, the same in
// the window and on the command line.
[[nodiscard]] std::string almanacErrorMessage(AlmanacError error);

template <typename T> using AlmanacResult = Result<T, AlmanacError>;

} // namespace skyledger
