#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/Document.h"
#include "document/FileError.h"

namespace markroll {

/// Reads markroll text (the bytes of a file) into doc.
///
/// The text is read into a fresh document and doc is replaced only when the whole text was read, so a
/// failure leaves doc untouched. CR LF and bare LF line ends are accepted. Counts are not checked against
/// the program's limits, but negative counts (or fewer than the two fixed categories) are error 9, a text
/// too short for its counts is error 62 at its first missing line, a malformed number line is error 13
/// and a number outside 16 bits is error 6.
std::optional<FileError> ParseMarkroll(std::string_view text, Document& doc);

/// Reads the markroll file at path into doc; see ParseMarkroll. Open failures map to 53, 70, 75 or 57.
std::optional<FileError> LoadMarkroll(const std::string& path, Document& doc);

/// The file image of doc: every section in file order, each line ended by CR LF.
std::string SerializeMarkroll(const Document& doc);

/// Knobs of a save; the defaults are what the program uses.
struct SaveOptions {
    /// Flush the data to the disk before the new file replaces the old one.
    bool sync = true;
    /// Stand-in for write(2), so tests can make a save fail part-way.
    std::function<long(int fd, const char* data, std::size_t size)> write;
};

/// Writes bytes to path safely: into a temporary file beside it, flushed and synced, then renamed over
/// path. On failure the old file is intact, the temporary file is removed and the error is returned; the
/// line of a failing write is the line of the markroll that was being written.
std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes,
                                         const SaveOptions& options = {});

/// Saves doc to path with WriteFileSafely.
std::optional<FileError> SaveMarkroll(const std::string& path, const Document& doc, const SaveOptions& options = {});

} // namespace markroll
