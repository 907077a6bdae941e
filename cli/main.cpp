// Entry point of skyledger-cli.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "support/daylight_saving.h"
#include "support/messages.h"

namespace {

skyledger::CliEnvironment environment(const char* argv0) {
    skyledger::CliEnvironment env;
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    env.programPath = ec ? std::string(argv0) : self.string();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    env.today = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    env.daylightSavingNow = skyledger::daylightSavingInForce(now);
    return env;
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a write fail, reported, instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const skyledger::CliResult result = skyledger::runCli(args, environment(argv[0]));
    errno = 0;
    const bool written =
        std::fwrite(result.out.data(), 1, result.out.size(), stdout) == result.out.size() &&
        std::fflush(stdout) == 0;
    const int writeError = errno;
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    // A script must not take a cut-off table (a full disc, a closed pipe) for
    // a whole one.
    if (!written) {
        const std::string message =
            skyledger::cannotWriteOutputMessage(writeError != 0 ? std::strerror(writeError) : "");
        std::fprintf(stderr, "skyledger-cli: %s\n", message.c_str());
        return 1;
    }
    return result.status;
}
