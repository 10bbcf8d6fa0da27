#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"
#include "document/FileError.h"

namespace markroll {

// A markroll, or one of its categories, as a CSV file for spreadsheets and school systems: RFC 4180 (comma
// separated, CR LF, a field quoted when it holds a comma, a double quote or a line break), UTF-8 with a
// byte-order mark so that spreadsheet programs read accented names right. The cells go out as they stand:
// export recomputes nothing.

/// Blanks trimmed from both ends.
std::string TrimBlanks(std::string_view text);

/// Student s's ID# as the teacher typed it: trimmed, and empty where the row shows the blank ID mask.
std::string StudentId(const Document& doc, int s);

/// Student s's name, trimmed.
std::string StudentName(const Document& doc, int s);

/// The text of a cell as a spreadsheet should see it: trimmed, and empty when it shows only dots.
std::string CellValue(std::string_view cell);

/// The table an export writes, one vector of fields per line, in markroll bytes (Windows-1252).
///
/// Without a category, the whole markroll: "#", "ID#", "Name", for each user category its fields "NAME 1",
/// "NAME 2", ... and "NAME Tot", then "tot", "adj", "TOT" and "GR"; a line per student; then a "Possible
/// Points" and a "Class Average" line (their GR field empty, as a letter has neither). A user category:
/// "#", "ID#", "Name", its fields and "NAME Tot". SUMMARY (0): "#", "ID#", "Name", "GR", one column per user
/// category total titled with the category's name, "tot", "adj", "TOT". NAME DATA (1): "#", "ID#", "Name".
/// A category outside the document gives no lines.
std::vector<std::vector<std::string>> ExportTable(const Document& doc, std::optional<int> category = std::nullopt);

/// The CSV bytes of a table of markroll-byte fields: the byte-order mark, then each line in UTF-8.
std::string CsvBytes(const std::vector<std::vector<std::string>>& table);

/// The CSV bytes of the whole markroll (no category) or of one category: CsvBytes(ExportTable(...)).
std::string ExportCsv(const Document& doc, std::optional<int> category = std::nullopt);

/// Writes ExportCsv to path through the program's safe save. A CSV file is not a markroll, so no backup of
/// the file it replaces is kept.
std::optional<FileError> WriteCsvFile(const std::string& path, const Document& doc,
                                      std::optional<int> category = std::nullopt);

} // namespace markroll
