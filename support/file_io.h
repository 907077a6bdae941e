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

#include "support/file_result.h"
#include "support/messages.h"

namespace skyledger {

// The bytes of the whole regular file at `path`, or the reason they cannot
// be read (the system's text, such as "Permission denied" or "Is a
// directory", or NOT_A_REGULAR_FILE for a path that exists but is neither a
// regular file nor a symbolic link to one). A FIFO or a device is never
// opened in a way that could wait for a writer.
FileResult<std::string> readWholeFile(const std::string& path);

// The file that `path` names once symbolic links are followed: `path` itself
// when it is no link. The reason instead for a link that leads nowhere or goes
// round in a circle.
FileResult<std::string> followLinks(const std::string& path);

// Replaces the file at `path` (following symbolic links, so a link keeps
// pointing at the new file) with `bytes`, or creates it. Refused when the
// target exists and is not a regular file, or is not writable by this user
// (as `cp` would refuse it); a replaced file keeps its permissions. The
// reason instead, the target untouched and no temporary left behind, when
// any step fails.
FileResult<Done> writeFileReplacing(const std::string& path, std::string_view bytes);

// Writes an output file the user named (a chart export, a PDF, a picture):
// a FIFO, a terminal or another device, also through /dev/stdout and its
// like, is written directly, as a shell redirection would; anything else goes
// through writeFileReplacing, which refuses a directory or a dangling link.
// A FIFO that no program reads is given up after `readerWait` seconds rather
// than waited on for ever. The reason instead when any write fails (a full
// disk, a file-size limit) or the name is empty.
FileResult<Done> writeOutputFile(const std::string& path, std::string_view bytes,
                                 double readerWait = 2.0);

// Removes the temporaries writeFileReplacing left beside `path` when a run
// was killed mid-way: files of its own naming (".<name>.<8 letters and
// digits>") owned by this user and unchanged for `olderThanSeconds`. Files of
// any other name are never touched. Gives the number removed.
int removeStaleTemporaries(const std::string& path, double olderThanSeconds = 60.0);

// Keeps the regular file at `path` under the first free name among
// path + suffix, path + suffix + ".1", path + suffix + ".2", ...: a hard link
// where the file system allows one, a copy otherwise. An existing backup is
// never overwritten. Gives the name used, or the reason there is none.
FileResult<std::string> keepBackup(const std::string& path, std::string_view suffix);

// Writes `bytes` to a new file under the first free name among
// path + suffix, path + suffix + ".1", ... (created exclusively, flushed to
// the disk). Gives the name used, or the reason there is none.
FileResult<std::string> writeUnderFreeName(const std::string& path, std::string_view suffix,
                                           std::string_view bytes);

} // namespace skyledger
