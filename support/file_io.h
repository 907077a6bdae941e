// Whole-file reading and safe replacing writes of byte strings (POSIX).
//
// A replacing write never lets the path hold anything but a complete old file
// or a complete new one, even when the program is killed mid-way: the new
// bytes go to a temporary file beside the target, created exclusively under
// a name of its own, flushed to the disk and then renamed over the target.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skyledger {

// The reason given for a path that exists but is neither a regular file nor a
// symbolic link to one (a directory, a FIFO, a device).
inline constexpr std::string_view NOT_A_REGULAR_FILE = "not a regular file";

// Reads the whole regular file at `path` into `bytes`. False when it cannot,
// with the reason in `problem` (the system's text, such as "Permission
// denied" or "Is a directory", or NOT_A_REGULAR_FILE). A FIFO or a device is
// never opened in a way that could wait for a writer.
bool readWholeFile(const std::string& path, std::string& bytes, std::string* problem = nullptr);

// The file that `path` names once symbolic links are followed: `path` itself
// when it is no link. Nothing, with the reason in `problem`, for a link that
// leads nowhere or goes round in a circle.
std::optional<std::string> followLinks(const std::string& path, std::string* problem = nullptr);

// Replaces the file at `path` (following symbolic links, so a link keeps
// pointing at the new file) with `bytes`, or creates it. Refused when the
// target exists and is not a regular file, or is not writable by this user
// (as `cp` would refuse it); a replaced file keeps its permissions. False,
// with the reason in `problem`, the target untouched and no temporary left
// behind, when any step fails.
bool writeFileReplacing(const std::string& path, std::string_view bytes,
                        std::string* problem = nullptr);

// Keeps the regular file at `path` under the first free name among
// path + suffix, path + suffix + ".1", path + suffix + ".2", ...: a hard link
// where the file system allows one, a copy otherwise. An existing backup is
// never overwritten. Gives the name used, or nothing with the reason.
std::optional<std::string> keepBackup(const std::string& path, std::string_view suffix,
                                      std::string* problem = nullptr);

} // namespace skyledger
