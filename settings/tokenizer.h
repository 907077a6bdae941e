// Splits one line of the settings file into tokens: words and numbers
// separated by spaces, tabs and a few punctuation characters, and quoted texts
// with backslash escapes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skyledger {

inline constexpr size_t MAX_TOKENS = 20;        // tokens taken from one line
inline constexpr size_t MAX_TOKEN_LENGTH = 255; // characters in one token

// The tokens of `line` (without its line end), at most MAX_TOKENS of at most
// MAX_TOKEN_LENGTH characters each:
// - spaces and tabs separate tokens;
// - a double quote starts a quoted token that runs to the next double quote or
//   the end of the line; inside it a backslash takes the next character
//   literally, except that \n, \r and \t give a line feed, carriage return and
//   tab;
// - any other token runs up to the next space, tab or one of ( ) * + , / : = [ ]
//   and such a delimiter at the start of a token is a token by itself; a plus
//   sign after E or e in a token that begins with a digit belongs to the token,
//   so 1.5E+3 stays whole;
// - a token longer than MAX_TOKEN_LENGTH characters is read to its end and
//   kept cut to that length, so the tokens after it keep their places;
// - an empty token (the end of the line, or "") ends the tokenizing.
std::vector<std::string> tokenizeLine(std::string_view line);

} // namespace skyledger
