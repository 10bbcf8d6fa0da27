#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/FileError.h"

namespace markroll {

/// Reads markroll text (the bytes of a file) into doc.
///
/// The text is read into a fresh document and doc is replaced only when the whole text was read, so a
/// failure leaves doc untouched. CR LF and bare LF line ends are accepted. Negative counts (or fewer than
/// the two fixed categories), counts beyond the program's limits (MaxStudents, MaxCats, MaxInfo lines,
/// MaxGrades levels, MaxFields fields, a user field length outside 0..CellWidth) and any line after the
/// last one the counts call for other than empty lines and one Ctrl-Z are error 9 with their line; a text
/// too short for its counts is error 62 at its first missing line, a malformed number line is error 13
/// and a number outside 16 bits is error 6.
std::optional<FileError> ParseMarkroll(std::string_view text, Document& doc);

/// Reads the markroll file at path into doc; see ParseMarkroll and ReadWholeFile.
std::optional<FileError> LoadMarkroll(const std::string& path, Document& doc);

/// The file image of doc: every section in file order, each line ended by CR LF.
std::string SerializeMarkroll(const Document& doc);

/// Saves doc to path with WriteFileSafely.
std::optional<FileError> SaveMarkroll(const std::string& path, const Document& doc, const SaveOptions& options = {});

/// True when the open document differs from the file image last loaded, created or saved.
bool HasUnsavedChanges(const AppState& state);

} // namespace markroll
