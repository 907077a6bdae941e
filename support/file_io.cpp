// Whole-file reading, safe replacing writes and backups on POSIX file
// descriptors: the standard streams can neither create a file exclusively nor
// refuse to follow a link, flush it to the disk or say why an open failed.
#include "support/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstring>
#include <ctime>
#include <thread>

#include "support/messages.h"

namespace skyledger {

namespace {

// Links followed before a chain is taken for a circle, as the system does.
constexpr int MOST_LINKS_FOLLOWED = 40;
// Backup names tried before giving up.
constexpr int MOST_BACKUPS = 1000;
// The part of the file name kept in the temporary's name, so that the
// temporary's name stays within the system's limit for a name.
constexpr size_t TEMPORARY_NAME_PART = 200;

// The reason the system gives for `error`, an errno value.
FileProblem systemProblem(int error) {
    return FileProblem{std::strerror(error)};
}

// The directory part of a path ("." for a bare name, "/" for the root).
std::string directoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The letters and digits after the temporary's stem.
constexpr size_t RANDOM_SUFFIX_LENGTH = 8;

// The temporary's name for `target` without its random suffix.
std::string temporaryStem(const std::string& target) {
    return "." + fileNameOf(target).substr(0, TEMPORARY_NAME_PART) + ".";
}

bool isRandomSuffix(std::string_view text) {
    if (text.size() != RANDOM_SUFFIX_LENGTH) return false;
    for (char c : text) {
        const bool alphanumeric =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!alphanumeric) return false;
    }
    return true;
}

// Eight letters and digits that no other process is likely to pick.
std::string randomSuffix() {
    static constexpr char ALPHABET[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char noise[8];
    if (getrandom(noise, sizeof noise, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof noise)) {
        // No entropy yet: the clock, the process and a counter still differ.
        static std::atomic<unsigned> counter{0};
        const auto ticks = static_cast<unsigned long long>(
            std::chrono::steady_clock::now().time_since_epoch().count());
        unsigned long long mix = ticks ^ (static_cast<unsigned long long>(getpid()) << 32) ^
                                 (static_cast<unsigned long long>(++counter) << 48);
        for (unsigned char& b : noise) {
            b = static_cast<unsigned char>(mix);
            mix = mix * 6364136223846793005ULL + 1442695040888963407ULL;
        }
    }
    std::string suffix;
    static_assert(sizeof noise == RANDOM_SUFFIX_LENGTH);
    for (unsigned char b : noise)
        suffix += ALPHABET[b % (sizeof ALPHABET - 1)];
    return suffix;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Writes, flushes to the disk and closes `fd`; on failure gives the errno.
int finishFile(int fd, std::string_view bytes) {
    int error = 0;
    if (!writeAll(fd, bytes) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    return error;
}

// Makes a rename in `directory` durable. File systems that cannot sync a
// directory still renamed the file, so a failure here changes nothing.
void syncDirectory(const std::string& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Creates `name` exclusively (never through a link) with a copy of `bytes`.
// Gives 0 or the errno; nothing is left at `name` on failure.
int writeNewFile(const std::string& name, std::string_view bytes) {
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    const int error = finishFile(fd, bytes);
    if (error != 0) unlink(name.c_str());
    return error;
}

// A FIFO, a terminal or another device: written in place, never replaced.
bool isStreamTarget(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode));
}

// Opens a stream target for writing. A FIFO without a reader refuses a
// non-blocking open, so the open is retried until `readerWait` has passed.
int openStreamTarget(const std::string& path, double readerWait) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration<double>(readerWait > 0.0 ? readerWait : 0.0);
    for (;;) {
        const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0 || errno != ENXIO || std::chrono::steady_clock::now() >= deadline) return fd;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileResult<Done> writeStreamTarget(const std::string& path, std::string_view bytes,
                                   double readerWait) {
    const int fd = openStreamTarget(path, readerWait);
    if (fd < 0) {
        if (errno == ENXIO) return FileProblem{NO_FIFO_READER_REASON};
        return systemProblem(errno);
    }
    // Blocking again, so a slow reader slows the writes instead of failing them.
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    int error = writeAll(fd, bytes) ? 0 : errno;
    if (close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) return systemProblem(error);
    return Done{};
}

} // namespace

FileResult<std::string> readWholeFile(const std::string& path) {
    // Non-blocking, so that a FIFO without a writer does not hold us here.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return systemProblem(errno);
    struct stat st {};
    int error = 0;
    if (fstat(fd, &st) != 0) {
        error = errno;
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        close(fd);
        return FileProblem{NOT_A_REGULAR_FILE};
    }
    std::string bytes;
    char buffer[65536];
    while (error == 0) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno != EINTR) error = errno;
            continue;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    if (error != 0) return systemProblem(error);
    return bytes;
}

FileResult<std::string> followLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops <= MOST_LINKS_FOLLOWED; ++hops) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0) {
            if (hops == 0) return current; // nothing there yet: it will be created
            // A link to nowhere: like cp, do not create a file it happens to name.
            if (errno == ENOENT) return FileProblem{DANGLING_LINK_REASON};
            return systemProblem(errno);
        }
        if (!S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = readlink(current.c_str(), target.data(), target.size());
        if (n < 0) return systemProblem(errno);
        target.resize(static_cast<size_t>(n));
        if (!target.empty() && target.front() != '/' && current.find('/') != std::string::npos) {
            const std::string directory = directoryOf(current);
            target = (directory == "/" ? directory : directory + "/") + target;
        }
        current = target;
    }
    return systemProblem(ELOOP);
}

FileResult<Done> writeFileReplacing(const std::string& path, std::string_view bytes) {
    const FileResult<std::string> followed = followLinks(path);
    if (!followed.ok()) return followed.error();
    const std::string& target = followed.value();
    struct stat old {};
    const bool exists = lstat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return systemProblem(errno);
    if (exists && !S_ISREG(old.st_mode)) return FileProblem{NOT_A_REGULAR_FILE};
    if (exists && access(target.c_str(), W_OK) != 0) return systemProblem(errno);

    const std::string directory = directoryOf(target);
    const std::string stem = directory + "/" + temporaryStem(target);
    const mode_t mode = exists ? (old.st_mode & 0777) : 0666;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = stem + randomSuffix();
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && (errno != EEXIST || attempt == 100)) return systemProblem(errno);
    }
    if (exists) {
        // The new file takes the old one's place: its owner and permissions too,
        // as far as this user may give them.
        [[maybe_unused]] const int owned = fchown(fd, old.st_uid, old.st_gid);
        [[maybe_unused]] const int permitted = fchmod(fd, mode);
    }
    int error = finishFile(fd, bytes);
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return systemProblem(error);
    }
    syncDirectory(directory);
    removeStaleTemporaries(target);
    return Done{};
}

FileResult<Done> writeOutputFile(const std::string& path, std::string_view bytes,
                                 double readerWait) {
    if (path.empty()) return FileProblem{NO_FILE_NAME_REASON};
    if (isStreamTarget(path)) return writeStreamTarget(path, bytes, readerWait);
    return writeFileReplacing(path, bytes);
}

int removeStaleTemporaries(const std::string& path, double olderThanSeconds) {
    const std::string directory = directoryOf(path);
    const std::string stem = temporaryStem(path);
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return 0;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != stem.size() + RANDOM_SUFFIX_LENGTH ||
            name.substr(0, stem.size()) != stem || !isRandomSuffix(name.substr(stem.size())))
            continue;
        const std::string full = directory + "/" + std::string(name);
        struct stat st {};
        if (lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid())
            continue;
        if (std::difftime(now, st.st_mtime) < olderThanSeconds) continue;
        if (unlink(full.c_str()) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}

namespace {

// The n-th name for a file kept beside `path`: path + suffix, then ".1", ...
std::string nameBeside(const std::string& path, std::string_view suffix, int n) {
    std::string name = path + std::string(suffix);
    if (n > 0) name += "." + std::to_string(n);
    return name;
}

} // namespace

FileResult<std::string> keepBackup(const std::string& path, std::string_view suffix) {
    for (int n = 0; n < MOST_BACKUPS; ++n) {
        const std::string name = nameBeside(path, suffix, n);
        if (link(path.c_str(), name.c_str()) == 0) return name;
        if (errno == EEXIST) continue;
        // A file system without hard links: a copy instead.
        const FileResult<std::string> bytes = readWholeFile(path);
        if (!bytes.ok()) return bytes.error();
        return writeUnderFreeName(path, suffix, bytes.value());
    }
    return systemProblem(EEXIST);
}

FileResult<std::string> writeUnderFreeName(const std::string& path, std::string_view suffix,
                                           std::string_view bytes) {
    for (int n = 0; n < MOST_BACKUPS; ++n) {
        const std::string name = nameBeside(path, suffix, n);
        const int error = writeNewFile(name, bytes);
        if (error == 0) {
            syncDirectory(directoryOf(path));
            return name;
        }
        if (error != EEXIST) return systemProblem(error);
    }
    return systemProblem(EEXIST);
}

} // namespace skyledger
