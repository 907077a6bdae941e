// Running the real skyledger-cli from a test: the command line through the
// shell, standard output and error caught in files of the test's directory.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace skyledger::cli_test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// `arg` as one shell word.
inline std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the program with `args`, `prefix` put before it on the command line
// (to run it as another user, say); its output lands in `dir`.
inline CliRun runCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     const std::string& prefix = "") {
    std::string command = prefix + shellQuoted(SKYLEDGER_CLI_PATH);
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    const std::filesystem::path out = dir / "stdout";
    const std::filesystem::path err = dir / "stderr";
    std::filesystem::remove(out); // created afresh by whoever runs the program
    std::filesystem::remove(err);
    command += " >" + shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(out), readAll(err)};
}

} // namespace skyledger::cli_test
