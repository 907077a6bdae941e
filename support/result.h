// The one shape of a computation or an operation that may fail: its value,
// or the reason there is none. Each layer names its reasons (AlmanacError,
// FileProblem) and uses this shape for them. An operation that gives nothing
// but its success (a write) gives Done as its value.
#pragma once

#include <cassert>
#include <optional>
#include <utility>

namespace skyledger {

// The value of an operation that succeeded and has nothing else to give.
struct Done {};

template <typename T, typename Reason> class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(Reason reason) : reason_(std::move(reason)) {}

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
    const Reason& error() const {
        assert(!ok());
        return reason_;
    }

  private:
    std::optional<T> value_;
    Reason reason_{};
};

} // namespace skyledger
