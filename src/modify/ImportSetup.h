#pragma once

#include <string>
#include <vector>

#include "calc/RosterImport.h"
#include "document/Document.h"

namespace markroll {

// The rules of the roster preview beyond the import itself: the columns it offers, what each row shows and the
// line that sums the import up. Every text here is UTF-8, as the roster is read.

/// The columns as the preview's lists name them: "1: Student ID" by the header's titles, else "1: 4711" by the
/// first record's values, cut to a length a list shows.
std::vector<std::string> ColumnLabels(const Roster& roster, bool header);

/// The preview's three lists: the ID column, the name column (the last name when First is set) and the
/// first-name column (-1 for none).
struct ColumnChoice {
    int Id = 0;
    int Name = 1;
    int First = -1;
    bool Header = false;

    bool operator==(const ColumnChoice&) const = default;
};

ColumnChoice ChoiceOf(const RosterColumns& columns);
RosterColumns ColumnsOf(const ColumnChoice& choice);

/// One row of the preview's table. An imported row shows its ID and name as the NAME DATA row will hold them
/// (the ID right-aligned in IdLen characters, the name cut to NameLen); a rejected one shows them as read.
struct PreviewLine {
    std::string Line;
    std::string Id;
    std::string Name;
    std::string Status;
    bool Rejected = false;
};

PreviewLine PreviewLineOf(const RosterEntry& entry);

/// "3 students will be added (26 in the markroll then), 1 row rejected"; "No row can be imported..." when
/// none can.
std::string PreviewSummary(const Document& doc, const std::vector<RosterEntry>& entries);

} // namespace markroll
