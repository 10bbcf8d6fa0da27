#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/Grades.h"
#include "document/DisplaySettings.h"
#include "document/Document.h"

namespace markroll {

/// The grade dialog's working copy of the grade table: the levels as the two lists show them, the level
/// selected in both, and whether the table is being edited. The document changes only through Accept,
/// Apply and Clear.
class GradeList {
public:
    /// A confirmation the dialog asks before it changes the document.
    struct Question {
        const char* text;
        const char* title;
    };
    static constexpr Question AcceptQuestion{"Accept Changes to Grade Distribution ?", "Accept Changes"};
    static constexpr Question ApplyQuestion{"Assign Grades ?", "Grade Assigments"};
    static constexpr Question ClearQuestion{"Clear All Grade Assignments", "Clear Grades"};

    /// Levels 1..LastGrade of the document, in table order, viewing.
    static GradeList FromDocument(const Document& doc);

    const std::vector<GradeLevelText>& Levels() const { return m_levels; }
    int Count() const { return static_cast<int>(m_levels.size()); }
    int Current() const { return m_current; }
    bool Editing() const { return m_editing; }
    /// Apply is offered while viewing, until it is used; Accept and Cancel offer it again.
    bool CanApply() const { return !m_editing && !m_applied; }
    /// Clear is offered until it is used; only reopening the dialog offers it again.
    bool CanClear() const { return !m_cleared; }

    /// "Grade Levels= " and the number of levels with its leading blank.
    std::string GradeLevelsText() const;
    /// "Level " and the selected level's number with its leading blank; "Level xx" while viewing.
    std::string LevelText() const;
    /// Light magenta while editing, light cyan while viewing: the colour of both labels.
    Rgb LabelColour() const { return m_editing ? 0xFFC0FF : 0xC0FFFF; }

    /// Starts editing at the first level.
    void Edit();
    /// Stops editing, and the levels are the document's again: every change not accepted is lost.
    void Cancel(const Document& doc);
    /// Selects a level; none selected (or a position outside the lists) selects the first.
    void Select(int index);
    /// The two edit fields' texts become the selected level, as the table takes them.
    void Commit(std::string_view letter, std::string_view minimum);
    /// Appends a new level "??" and selects it; false at MaxGrades levels.
    bool Add();
    /// Inserts a new level "??" before the selected one, which the new level replaces in the selection;
    /// false at MaxGrades levels.
    bool Insert();
    /// Removes the selected level and selects the one above; false when only one is left.
    bool Delete();
    /// Writes the levels into the document's grade table and stops editing, showing the table as stored.
    void Accept(Document& doc);
    /// Assigns every student's letter grade from the accepted table.
    void Apply(Document& doc);
    /// Blanks every student's letter grade.
    void Clear(Document& doc);

private:
    void Load(const Document& doc);

    std::vector<GradeLevelText> m_levels;
    int m_current = 0;
    bool m_editing = false;
    bool m_applied = false;
    bool m_cleared = false;
};

} // namespace markroll
