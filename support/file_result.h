// What a file operation gives: its value, or the reason there is none in the
// system's words ("Permission denied", "dangling symbolic link"). The file
// layer's counterpart of the almanac's AlmanacResult.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace skyledger {

// The reason a file operation failed.
struct FileProblem {
    std::string why;
};

template <typename T> class [[nodiscard]] FileResult {
  public:
    FileResult(T value) : value_(std::move(value)) {}
    FileResult(FileProblem problem) : problem_(std::move(problem.why)) {}

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
    const std::string& problem() const {
        assert(!ok());
        return problem_;
    }

  private:
    std::optional<T> value_;
    std::string problem_;
};

} // namespace skyledger
