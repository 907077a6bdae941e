#include "support/version.h"

#ifndef SKYLEDGER_VERSION
#error "the build defines SKYLEDGER_VERSION from the project version"
#endif

namespace skyledger {

const char* programVersion() {
    return SKYLEDGER_VERSION;
}

} // namespace skyledger
