#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"

namespace markroll {

// Class rosters from the school's system become new students: the file is read, every row is checked against
// the markroll and shown as it will be stored, and the rows that pass are appended, each as a single new student
// of the student dialog, blank in every category.

/// How the bytes of a roster were read. A file that is not valid UTF-8 is taken for Windows-1252.
enum class RosterEncoding { Utf8, Utf8WithBom, Windows1252 };

/// One record of a roster file: its fields, in UTF-8, and the file line it starts on (from 1).
struct RosterRecord {
    int Line = 0;
    std::vector<std::string> Fields;
};

/// Which fields of a record make a student. The name is column Name or, when Last and First are both set,
/// those two joined as the markroll writes names: last name, slash, blank, first name. A column past the end
/// of a record reads as empty.
struct RosterColumns {
    int Id = 0;
    int Name = 1;
    int Last = -1;
    int First = -1;
    /// The first record holds the column titles and is no student.
    bool Header = false;

    bool operator==(const RosterColumns&) const = default;
};

/// A roster file as read.
struct Roster {
    RosterEncoding Encoding = RosterEncoding::Utf8;
    /// ',' for CSV, '\t' for a tab-separated file.
    char Separator = ',';
    /// Every record with something in it, in file order; blank lines are left out.
    std::vector<RosterRecord> Records;
    /// The columns found from a header row (ID, ID#, Student ID, Number; Name, Student Name, Student; Last
    /// Name and First Name; any case, blanks around ignored), or the first two columns when the first record
    /// is not a recognised header.
    RosterColumns Columns;

    /// The most fields any record has, for offering a choice of columns.
    int ColumnCount() const;
};

/// Reads roster bytes: UTF-8 with or without a byte-order mark, else Windows-1252; RFC 4180 CSV (quoted
/// fields may hold separators, doubled quotes and line breaks) or tab-separated, whichever the first record
/// shows. Line ends may be CR LF or LF.
Roster ReadRoster(std::string_view bytes);

/// Why a row of the roster is or is not imported.
enum class RosterVerdict {
    Accepted,
    NoId,
    NoName,
    NotInCodePage,   ///< the ID or the name has a character Windows-1252 cannot hold
    IdTooLong,       ///< longer than the IdLen characters of a NAME DATA row
    IdInMarkroll,    ///< Other is the student who has it
    IdRepeated,      ///< Other is the line where it came first, and where it was kept
    PastMaxStudents, ///< the markroll holds MaxStudents with the rows before it
};

/// One row of the preview.
struct RosterEntry {
    int Line = 0;
    /// As read (UTF-8): trimmed, line breaks and other control characters turned into blanks.
    std::string Id;
    std::string Name;
    /// The NAME DATA row the student gets (Windows-1252): the ID right-aligned in IdLen characters, the name
    /// cut to NameLen. Empty when a character cannot be stored.
    std::string Row;
    RosterVerdict Verdict = RosterVerdict::Accepted;
    int Other = 0;

    bool Accepted() const { return Verdict == RosterVerdict::Accepted; }
};

/// Every student record of the roster (the header left out) as it would be imported into doc with the
/// columns given. The first of several rows with one ID is kept; rows beyond the room left in the markroll
/// are marked past MaxStudents.
std::vector<RosterEntry> PreviewRoster(const Document& doc, const Roster& roster, const RosterColumns& columns);

/// Appends the accepted entries as new students, each as a single new student blank in every category, in
/// roster order; returns how many were added. Totals are not recomputed, and the caller records the step
/// (CommitStep with ImportStepName).
int ImportStudents(Document& doc, const std::vector<RosterEntry>& entries);

inline constexpr const char* ImportStepName = "Import Students";

/// Why an entry is not imported: "ID 4711 is already student 3"; empty for an accepted one.
std::string RosterReason(const RosterEntry& entry);

/// The message of a rejected entry: "line 7: ID 4711 repeats line 3".
std::string RejectionLine(const RosterEntry& entry);

/// "12 students added, 2 rows rejected".
std::string ImportSummary(int added, int rejected);

} // namespace markroll
