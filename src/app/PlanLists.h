#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/NewDocument.h"

namespace markroll {

/// The four lists of the create-document dialog (name, weight, fields, length) and their common selection.
///
/// Row i of the lists is planned category i + 2. Every commit, add and delete is written into the plan at
/// once, so the plan always matches the committed rows; what is typed but not committed lives only in the
/// dialog's edit fields.
class PlanLists {
public:
    enum Column { Name = 0, Weight = 1, Fields = 2, Length = 3 };
    using Row = std::array<std::string, 4>;

    /// The rows of the plan's user categories, numbers without their leading blank; row 0 selected.
    static PlanLists FromPlan(const CategoryPlan& plan);

    const std::vector<Row>& Rows() const { return m_rows; }
    int CurRow() const { return m_curRow; }

    /// Selects row (a click on a list row); returns false when it already was the selected row.
    bool Select(int row);

    /// Commits the texts of the four edit fields as the selected row, clamped, and rebuilds the plan.
    /// Returns false when there is no row to commit into.
    bool Commit(CategoryPlan& plan, const Row& texts);

    /// Inserts a new row before the selected one; the previously selected category stays selected.
    /// Does nothing (false) when the plan already has MaxCats categories.
    bool Add(CategoryPlan& plan);

    /// Removes the selected row and selects the one above it. Does nothing (false) on the last user category.
    bool Delete(CategoryPlan& plan);

private:
    /// RedoCats from the rows; the names are cut to MaxNameLen in the rows as well.
    void Rebuild(CategoryPlan& plan);

    std::vector<Row> m_rows;
    int m_curRow = 0;
};

} // namespace markroll
