// Command-line parsing of skyledger-cli.
#include "cli/cli_args.h"

#include <cctype>
#include <cmath>

#include "support/messages.h"
#include "support/parse_number.h"
#include "support/terminal_text.h"

namespace skyledger {

namespace {

const char* const COMMANDS[] = {"day",       "details", "chart",  "track",      "calendar",
                                "locations", "cities",  "declination"};

bool isCommand(const std::string& word) {
    for (const char* c : COMMANDS)
        if (word == c) return true;
    return false;
}

// The member that receives the value of an option, or nullptr for a flag or
// an unknown option.
std::optional<std::string>* valueSlot(CliArgs& a, const std::string& name) {
    if (name == "--location") return &a.locationName;
    if (name == "--lat") return &a.latitudeText;
    if (name == "--lon") return &a.longitudeText;
    if (name == "--zone") return &a.zoneText;
    if (name == "--tz") return &a.tzName;
    if (name == "--declination") return &a.declinationText;
    if (name == "--city") return &a.city;
    if (name == "--basis") return &a.basis;
    if (name == "--clock") return &a.clock;
    if (name == "--bearings") return &a.bearings;
    if (name == "--settings") return &a.settingsFile;
    if (name == "-o" || name == "--output") return &a.outputFile;
    return nullptr;
}

bool setFlag(CliArgs& a, const std::string& name) {
    if (name == "--json")
        a.json = true;
    else if (name == "--help" || name == "-h")
        a.help = true;
    else if (name == "--version")
        a.version = true;
    else
        return false;
    return true;
}

// A number with an optional hemisphere letter: `positive` keeps the sign,
// `negative` flips it.
std::optional<double> parseWithLetter(std::string text, char positive, char negative) {
    double sign = 1.0;
    if (!text.empty()) {
        const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
        if (last == positive || last == negative) {
            if (text[0] == '-' || text[0] == '+') return std::nullopt;
            sign = last == negative ? -1.0 : 1.0;
            text.pop_back();
        }
    }
    const std::optional<double> value = parsePlainDecimal(text);
    if (!value) return std::nullopt;
    return sign * *value;
}

} // namespace

std::optional<double> parsePlainDecimal(std::string_view text) {
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    double value = 0.0;
    if (digits == 0 || !parseDecimal(text, value) || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> parseLatitudeText(const std::string& text) {
    return parseWithLetter(text, 'N', 'S');
}

std::optional<double> parseLongitudeText(const std::string& text) {
    return parseWithLetter(text, 'W', 'E');
}

Result<CliArgs, std::string> parseCliArgs(const std::vector<std::string>& argv) {
    CliArgs args;
    bool optionsEnded = false;
    for (size_t i = 0; i < argv.size(); ++i) {
        std::string word = argv[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && word.size() > 1 && word[0] == '-' &&
            !(word.size() > 1 && std::isdigit(static_cast<unsigned char>(word[1])))) {
            std::optional<std::string> inlineValue;
            const size_t eq = word.find('=');
            if (word.rfind("--", 0) == 0 && eq != std::string::npos) {
                inlineValue = word.substr(eq + 1);
                word = word.substr(0, eq);
            }
            if (!inlineValue && setFlag(args, word)) continue;
            std::optional<std::string>* slot = valueSlot(args, word);
            if (!slot) return unknownOptionMessage(echoText(word));
            if (inlineValue) {
                *slot = *inlineValue;
            } else if (i + 1 < argv.size()) {
                *slot = argv[++i];
            } else {
                return optionNeedsValueMessage(echoText(word));
            }
            continue;
        }
        if (args.command.empty()) {
            if (!isCommand(word)) return unknownCommandMessage(echoText(word));
            args.command = word;
        } else {
            args.positional.push_back(word);
        }
    }
    return args;
}

} // namespace skyledger
