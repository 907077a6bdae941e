// Whole-file reading and writing of byte strings. Writing goes through a
// temporary file beside the target that is renamed over it, so a failed write
// never leaves a half-written or empty file behind.
#pragma once

#include <string>
#include <string_view>

namespace skyledger {

// Reads the whole regular file at `path` into `bytes`. False when it cannot.
bool readWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to `path` + `temporarySuffix`, then renames it over `path`.
// False, with the temporary removed and `path` untouched, when any step fails.
bool writeFileReplacing(const std::string& path, std::string_view bytes,
                        std::string_view temporarySuffix = ".tmp");

} // namespace skyledger
