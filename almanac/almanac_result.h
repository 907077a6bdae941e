// The one way the almanac's computations report that they could not give a
// result: a value, or the reason there is none. The session layer turns a
// reason into the program's message; the command-line almanac into its own.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace skyledger {

enum class AlmanacError {
    NoLocationList,    // no settings file was read: there is no list at all
    NoCurrentLocation, // a list without a current place (an empty list)
    SeriesNotLoadable, // the Earth's series could not be copied into the term store
    PhaseSearchFailed, // the Moon's principal phases did not bracket the instant
    InvalidRequest,    // a day count outside 1..366 or a month outside 1..12
};

// What the user is told when a computation failed for `error`, the same in
// the window and on the command line.
[[nodiscard]] std::string almanacErrorMessage(AlmanacError error);

template <typename T> class [[nodiscard]] AlmanacResult {
  public:
    AlmanacResult(T value) : value_(std::move(value)) {}
    AlmanacResult(AlmanacError error) : error_(error) {}

    bool ok() const { return value_.has_value(); }
    const T& value() const& {
        assert(ok());
        return *value_;
    }
    T&& value() && {
        assert(ok());
        return std::move(*value_);
    }
    // The reason; meaningful only when !ok().
    AlmanacError error() const {
        assert(!ok());
        return error_;
    }

  private:
    std::optional<T> value_;
    AlmanacError error_ = AlmanacError::InvalidRequest;
};

} // namespace skyledger
