// The program's version: one number for the desktop program, skyledger-cli
// and the package, set once by the build (the project version in
// CMakeLists.txt).
#pragma once

namespace skyledger {

// The version as "MAJOR.MINOR", for instance "2.1".
[[nodiscard]] const char* programVersion();

} // namespace skyledger
