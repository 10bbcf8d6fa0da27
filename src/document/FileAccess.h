#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/FileError.h"

namespace markroll {

/// Knobs of a save; the defaults are what the program uses.
struct SaveOptions {
    /// Flush the data to the disk before the new content takes the place of the old.
    bool sync = true;
    /// Stand-in for write(2), so tests can make a save fail part-way.
    std::function<long(int fd, const char* data, std::size_t size)> write;
    /// Keep the content a save replaces beside the file, as BackupName(file).
    bool keepBackup = true;
};

/// Where a save keeps the previous content of the file at path: the same name with "~" added, which file
/// managers hide.
std::string BackupName(const std::string& path);

/// Reads the whole regular file at path into bytes. A directory, pipe, socket or device is error 75 and is
/// never opened in a way that could wait (a pipe without a writer does not hang the reader).
std::optional<FileError> ReadWholeFile(const std::string& path, std::string& bytes);

/// Writes bytes to path so that a failure never leaves a half-written file:
/// - a new or singly linked file is written into a temporary file beside it, synced and renamed over it,
///   keeping the permissions, owner and group of the file it replaces where the system permits;
/// - a file with several hard links is updated in place, so the links keep naming one file, and only after
///   a complete copy of its old content is on disk; a failure puts the old content back;
/// - a symbolic link is followed, also to a file that does not exist yet, and stays a link;
/// - with keepBackup, the content replaced is kept in BackupName of the file (the link's target), replacing an
///   older backup only once the new content is in place; a failed save leaves file and backup as they were.
/// A target that is not a regular file (a device, pipe, socket or directory) is refused with error 75, a
/// file the user may not write with error 70. On failure the old file is intact and no temporary file is
/// left behind. Write errors carry no line number.
std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes,
                                         const SaveOptions& options = {});

/// True when something (a file, a folder, a link, even a dangling one) stands at path.
bool PathExists(const std::string& path);

/// Writes all of bytes to an open descriptor (standard output), retrying short writes.
std::optional<FileError> WriteAll(int fd, std::string_view bytes, const SaveOptions& options = {});

} // namespace markroll
