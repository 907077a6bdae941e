// The choice between the settings file beside the program and the one in the
// user's configuration folder, and the first-use seeding of the latter.
#include "settings/settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "support/file_io.h"

// Where the build installs the shipped places, relative to the programs'
// directory; the build passes its own layout.
#ifndef SKYLEDGER_SHIPPED_DATA_DIR
#define SKYLEDGER_SHIPPED_DATA_DIR "../share/skyledger"
#endif

namespace skyledger {

namespace fs = std::filesystem;

namespace {

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != '/') path += '/';
    path.append(name);
    return path;
}

std::string homeFromPasswordDatabase() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr)
        return "";
    return found->pw_dir;
}

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// Creates every missing directory of `path`, private to the user as the XDG
// base directory rules ask for configuration folders.
bool makeDirectories(const std::string& path) {
    std::string prefix;
    size_t from = 0;
    while (from <= path.size()) {
        size_t slash = path.find('/', from);
        if (slash == std::string::npos) slash = path.size();
        prefix = path.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
        from = slash + 1;
    }
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Writes `bytes` as a new file at `path`, never replacing one that exists:
// the text goes to a private temporary first and is hard-linked into place,
// which fails when `path` is already there.
void createFileOnce(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".seed-" + std::to_string(::getpid());
    if (!writeFileReplacing(temporary, bytes).ok()) return;
    (void)::link(temporary.c_str(), path.c_str());
    (void)::unlink(temporary.c_str());
}

} // namespace

std::string runningProgramPath(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return self.string();
    return argv0 != nullptr ? std::string(argv0) : std::string();
}

SettingsEnvironment settingsEnvironment(std::string_view programPath) {
    SettingsEnvironment env;
    env.programDirectory = programDirectory(programPath);
    env.programDirectoryWritable = ::access(env.programDirectory.c_str(), W_OK | X_OK) == 0;
    if (const char* config = std::getenv("XDG_CONFIG_HOME")) env.configHome = config;
    if (const char* home = std::getenv("HOME")) env.home = home;
    if (env.home.empty()) env.home = homeFromPasswordDatabase();
    return env;
}

std::string shippedSettingsPath(std::string_view programDirectory) {
    const fs::path shipped = fs::path(joinPath(programDirectory, SKYLEDGER_SHIPPED_DATA_DIR)) /
                             SHIPPED_SETTINGS_FILE_NAME;
    return shipped.lexically_normal().string();
}

std::string userSettingsDirectory(const SettingsEnvironment& env) {
    std::string base;
    if (!env.configHome.empty() && env.configHome.front() == '/')
        base = env.configHome;
    else if (!env.home.empty())
        base = joinPath(env.home, ".config");
    else
        return "";
    return joinPath(base, SETTINGS_APPLICATION_FOLDER);
}

SettingsPlace settingsPlace(const SettingsEnvironment& env) {
    const bool besideExists = isRegularFile(settingsPath(env.programDirectory));
    const bool installed = isRegularFile(shippedSettingsPath(env.programDirectory));
    if (env.programDirectoryWritable && (besideExists || !installed))
        return SettingsPlace::BesideProgram;
    if (userSettingsDirectory(env).empty()) return SettingsPlace::BesideProgram;
    return SettingsPlace::UserFolder;
}

std::string settingsFileLocation(const SettingsEnvironment& env) {
    if (settingsPlace(env) == SettingsPlace::BesideProgram)
        return settingsPath(env.programDirectory);
    return joinPath(userSettingsDirectory(env), SETTINGS_FILE_NAME);
}

std::string prepareSettingsFile(const SettingsEnvironment& env) {
    const std::string path = settingsFileLocation(env);
    if (settingsPlace(env) == SettingsPlace::BesideProgram) return path;
    if (!makeDirectories(userSettingsDirectory(env)) || isRegularFile(path)) return path;
    FileResult<std::string> seed = readWholeFile(settingsPath(env.programDirectory));
    if (!seed.ok()) seed = readWholeFile(shippedSettingsPath(env.programDirectory));
    if (!seed.ok()) return path;
    createFileOnce(path, seed.value());
    return path;
}

} // namespace skyledger
