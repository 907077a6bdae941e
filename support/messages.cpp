// The program's failure messages that are built from parts.
#include "support/messages.h"

namespace skyledger {

std::string missingFileMessage(std::string_view fileName) {
    return "Missing File: " + std::string(fileName);
}

} // namespace skyledger
