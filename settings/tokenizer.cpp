// Settings-file line tokenizer: bare words, single-character delimiter tokens
// and quoted texts with backslash escapes.
#include "settings/tokenizer.h"

#include <utility>

namespace skyledger {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Characters that end a bare token; each except the blanks is a token itself.
constexpr std::string_view DELIMITERS = " \t()*+,/:=[]";

bool isDelimiter(char c) {
    return DELIMITERS.find(c) != std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Appends `c` unless the token already holds MAX_TOKEN_LENGTH characters: a
// longer token is read to its end and kept cut, so that the tokens after it
// stay in their places. Every byte is one Windows-1252 character, so the cut
// always falls between characters.
void appendKept(std::string& token, char c) {
    if (token.size() < MAX_TOKEN_LENGTH) token += c;
}

// Reads a quoted token; `pos` is just after the opening quote and is left
// after the closing quote, or at the end of the line when there is none.
std::string quotedToken(std::string_view line, size_t& pos) {
    std::string token;
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"') return token;
        if (c == '\\') {
            if (pos == line.size()) break; // a lone backslash at the end is dropped
            c = line[pos++];
            if (c == 'n')
                c = '\n';
            else if (c == 'r')
                c = '\r';
            else if (c == 't')
                c = '\t';
        }
        appendKept(token, c);
    }
    return token;
}

// Reads a bare token starting at `pos`, which holds no blank.
std::string bareToken(std::string_view line, size_t& pos) {
    std::string token;
    if (isDelimiter(line[pos])) {
        token += line[pos++];
        return token;
    }
    char previous = '\0'; // the last character read, kept or not
    while (pos < line.size()) {
        const char c = line[pos];
        const bool exponentSign =
            c == '+' && isDigit(token.front()) && (previous == 'E' || previous == 'e');
        if (isDelimiter(c) && !exponentSign) break;
        appendKept(token, c);
        previous = c;
        ++pos;
    }
    return token;
}

} // namespace

std::vector<std::string> tokenizeLine(std::string_view line) {
    std::vector<std::string> tokens;
    size_t pos = 0;
    while (tokens.size() < MAX_TOKENS) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos == line.size()) break;
        std::string token;
        if (line[pos] == '"') {
            ++pos;
            token = quotedToken(line, pos);
        } else {
            token = bareToken(line, pos);
        }
        if (token.empty()) break;
        tokens.push_back(std::move(token));
    }
    return tokens;
}

} // namespace skyledger
