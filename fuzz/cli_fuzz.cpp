// Runs the whole command-line almanac in process on fuzzed arguments and a
// fuzzed settings file: it must never crash, trip a sanitizer, give a status
// other than 0, 1 or 2, or send a control character to the terminal.
//
// Input: two bytes (little-endian) give the length N of the settings file,
// the next N bytes are the file (none is written when N is 0), and the rest,
// split at NUL bytes, are the arguments. Everything runs in a private
// directory that is emptied after each run; arguments holding a '/' are
// skipped, so no file outside it is ever read or written.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t MOST_ARGUMENTS = 16;

void require(bool condition) {
    if (!condition) std::abort();
}

// The private directory, made once and made the working directory; kept in
// a plain array so that it outlives every destructor run at exit.
char sandboxName[] = "/tmp/skyledger_cli_fuzz.XXXXXX";

const char* sandbox() {
    static const bool made = [] {
        require(mkdtemp(sandboxName) != nullptr);
        require(chdir(sandboxName) == 0);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(sandboxName, ec);
        });
        return true;
    }();
    return made ? sandboxName : nullptr;
}

void emptySandbox() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sandbox(), ec))
        fs::remove_all(entry.path(), ec);
}

// No control character but a line feed (and a tab in the tab-separated
// chart) may reach the terminal.
bool terminalSafe(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b < 0x20 && b != '\n' && b != '\t') || b == 0x7F) return false;
        if (b == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
            static_cast<unsigned char>(text[i + 1]) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t settingsLength = std::min<size_t>(data[0] | (data[1] << 8), size - 2);
    const std::string_view settings = input.substr(2, settingsLength);
    std::vector<std::string> args;
    std::string_view rest = input.substr(2 + settingsLength);
    while (!rest.empty() && args.size() < MOST_ARGUMENTS) {
        const size_t end = std::min(rest.find('\0'), rest.size());
        args.emplace_back(rest.substr(0, end));
        if (args.back().find('/') != std::string::npos) return 0;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }

    skyledger::CliEnvironment environment;
    environment.programPath = std::string(sandbox()) + "/skyledger-cli";
    environment.today = {2026, 3, 20};
    environment.daylightSavingNow = settingsLength % 2 == 1;
    if (!settings.empty()) {
        std::ofstream(std::string(sandbox()) + "/Skyledger Settings.txt", std::ios::binary)
            .write(settings.data(), static_cast<std::streamsize>(settings.size()));
    }
    const skyledger::CliResult result = skyledger::runCli(args, environment);
    require(result.status >= 0 && result.status <= 2);
    require(terminalSafe(result.err));
    require(terminalSafe(result.out));
    emptySandbox();
    return 0;
}
