#pragma once

#include <array>
#include <string>

#include "document/Document.h"
#include "editor/PageLayout.h"

namespace markroll {

/// The data editor's one-cell cursor and what a key press or click does to it and to the document. The window
/// drives it and shows what it leaves behind: the cursor cell, the status bar panels and the header labels.
class EditCursor {
public:
    // Edit zones: which part of a row the cursor edits.
    enum Zone : int { ZoneId = 0, ZoneName = 1, ZoneAdjust = 2, ZoneGrade = 3, ZoneData = 4 };

    // Key codes of the arrow keys and character codes with a meaning of their own.
    static constexpr int VkLeft = 37;
    static constexpr int VkUp = 38;
    static constexpr int VkRight = 39;
    static constexpr int VkDown = 40;
    static constexpr int CharBackspace = 8;
    static constexpr int CharTab = 9;
    static constexpr int CharEnter = 13;
    static constexpr int CharEscape = 27;

    enum class Press {
        Nothing, ///< the key has no effect
        Moved,   ///< the cursor moved, the document is untouched
        Stored,  ///< the character was written into the row string
        Refused, ///< the character cannot be stored there; the window beeps
        Exit,    ///< escape: the window leaves edit mode
    };

    explicit EditCursor(AppState& state);

    /// The editor opens: edit length 3, horizontal advance, not editing.
    void Load();
    /// Takes the page just laid out; the cursor's positions are read from it.
    void SetLayout(const PageLayout& layout);
    const PageLayout& Layout() const { return m_layout; }

    /// Enters edit mode on the first cell of the page. False when the page has nothing to edit.
    bool StartEdit();
    void SetEditZone(int zone);
    void AdvRight();
    void AdvLeft();
    void AdvDown();
    void AdvUp();

    /// A key went down: the arrows move the cursor.
    void KeyDown(int keyCode);
    /// A character was typed (a Windows-1252 code, 0..255).
    Press KeyPress(int code);
    /// A click on the page while editing, in twips.
    void Click(double x, double y);
    /// The field under x while viewing; it becomes EdField.
    int ViewClick(double x);
    /// Status bar panel 8.
    void ToggleAdvVert();
    /// Status bar panel 9: the next edit length. False in the ID# and name zones, where it does nothing.
    bool CycleEditLen();
    /// Leaves edit mode: the shown category's totals and averages, then the summary, are recomputed.
    void EditExit();

    /// The header labels show field fld of cat, and it becomes what they edit.
    void ShowFieldInfo(int cat, int fld);
    /// The header labels show field 0 of the category they edit (after its header was rewritten).
    void ShowHeaderInfo();

    /// The character code at pos of the cursor's row string (a blank past its end).
    int GetChar(int pos) const;
    /// The display element whose colours the cursor cell is drawn in, inverted.
    int CursorElement() const;
    /// True when the cursor's row is the possible-points row.
    bool OnPossibleRow() const { return EdRow == m_state.doc.PossibleRow(); }

    /// Status bar panel texts, 1..9 (index 0 unused).
    const std::string& Panel(int i) const { return m_panel[static_cast<std::size_t>(i)]; }

    // The editor's state, under the names the window and its status bar speak of.
    bool Editing = false;
    int EditLen = 3;
    bool AdvVert = false;
    int EdZone = ZoneData;
    int EdStrCat = 0;
    int EdRow = 0;
    int EdField = 0;
    int EdPos = 1;
    int EdFirst = 1;
    int EdLast = 1;
    int EdCol = 0;
    float CurX = 0;
    float CurY = 0;
    float SpanX0 = 0;
    float SpanX1 = 0;
    int CurCode = ' ';
    /// What the header labels edit, and the field they show (field 0 after the header was rewritten).
    int InfoCat = 0;
    int InfoFld = 0;
    int LabelCat = 0;
    int LabelFld = 0;

private:
    bool ZoneUsable(int zone) const;
    /// The next usable zone from `from` going in direction step (1 or -1), wrapping within 0..3.
    int NextZone(int from, int step) const;
    int FirstEditCol() const { return CellWidth - EditLen; }
    /// Places EdPos and CurX on EdCol of the cell EdField of the data zone.
    void PlaceInField();
    /// Places EdPos and CurX on EdCol of the adjustment or grade cell.
    void PlaceInCell();
    void PlaceRow(int row);
    int RowLength(int cat) const;
    void SetSBar();
    void SetRowPanel();
    void SetFieldPanel();
    void SetPosPanel(const char* label = "Pos ");
    void SetEditLenPanel();

    AppState& m_state;
    PageLayout m_layout;
    std::array<std::string, 10> m_panel;
};

} // namespace markroll
