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

// Reads a quoted token; `pos` is just after the opening quote and is left
// after the closing quote (when there is one) or where reading stopped.
std::string quotedToken(std::string_view line, size_t& pos) {
    std::string token;
    while (pos < line.size() && token.size() < MAX_TOKEN_LENGTH) {
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
        token += c;
    }
    if (pos < line.size() && line[pos] == '"') ++pos; // closing quote of a full-length token
    return token;
}

// Reads a bare token starting at `pos`, which holds no blank.
std::string bareToken(std::string_view line, size_t& pos) {
    std::string token;
    if (isDelimiter(line[pos])) {
        token += line[pos++];
        return token;
    }
    while (pos < line.size() && token.size() < MAX_TOKEN_LENGTH) {
        const char c = line[pos];
        const bool exponentSign =
            c == '+' && isDigit(token.front()) && (token.back() == 'E' || token.back() == 'e');
        if (isDelimiter(c) && !exponentSign) break;
        token += c;
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
