// The program's texts are Windows-1252 bytes; Qt's are Unicode. Every text
// crosses between the two here, never through Latin-1 (the bytes 0x80..0x9F
// differ: 0x80 is the euro sign, not a control).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace skyledger {

[[nodiscard]] QString toQString(std::string_view windows1252);

// A character Windows-1252 cannot hold becomes '?'.
[[nodiscard]] std::string toWindows1252(const QString& text);

// True when every character of `text` has a Windows-1252 byte.
[[nodiscard]] bool fitsWindows1252(const QString& text);

} // namespace skyledger
