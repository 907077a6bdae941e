// What a file operation gives: its value, or the reason there is none in the
// system's words ("Permission denied", "dangling symbolic link").
#pragma once

#include <string>

#include "support/result.h"

namespace skyledger {

// The reason a file operation failed.
struct FileProblem {
    std::string why;
};

template <typename T> using FileResult = Result<T, FileProblem>;

} // namespace skyledger
