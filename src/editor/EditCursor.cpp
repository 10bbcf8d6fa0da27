#include "editor/EditCursor.h"

#include <algorithm>
#include <cmath>

#include "calc/Recalc.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

std::string Num(int n) {
    return NumTextTrim(n);
}

} // namespace

EditCursor::EditCursor(AppState& state) : m_state(state) {}

void EditCursor::Load() {
    EditLen = 3;
    Editing = false;
    AdvVert = false;
}

void EditCursor::SetLayout(const PageLayout& layout) {
    m_layout = layout;
    SpanX0 = m_layout.DataX;
    SpanX1 = m_layout.DataEndX;
}

bool EditCursor::ZoneUsable(int zone) const {
    const DisplaySettings& d = m_state.Display;
    switch (zone) {
    case ZoneId:
        return d.IdDispLen > 0;
    case ZoneName:
        return d.NameDispLen > 0;
    case ZoneAdjust:
        // The adjustment is edited where it is drawn, so only while its field is on the page.
        return m_layout.FieldShown(m_state.doc.NumCats);
    default:
        return true;
    }
}

int EditCursor::NextZone(int from, int step) const {
    int zone = from;
    for (int tries = 0; tries < 4; ++tries) {
        zone += step;
        if (zone > ZoneGrade)
            zone = ZoneId;
        if (zone < ZoneId)
            zone = ZoneGrade;
        if (ZoneUsable(zone))
            return zone;
    }
    return ZoneGrade;
}

int EditCursor::RowLength(int cat) const {
    if (cat == 1)
        return NameDataWidth;
    const auto& fields = m_state.doc.CatFields;
    return cat >= 0 && static_cast<std::size_t>(cat) < fields.size() ? fields[static_cast<std::size_t>(cat)] * CellWidth
                                                                     : 0;
}

void EditCursor::PlaceRow(int row) {
    EdRow = row;
    CurY = m_layout.RowY(row, m_state.doc.NumStudents);
}

void EditCursor::PlaceInField() {
    EdPos = EdField * CellWidth + EdCol + 1;
    CurX = static_cast<float>((EdField - m_layout.FirstFld) * CellWidth + EdCol) * m_layout.CharW + SpanX0;
}

void EditCursor::PlaceInCell() {
    EdPos = EdFirst + EdCol;
    CurX = static_cast<float>(EdCol) * m_layout.CharW + SpanX0;
}

bool EditCursor::StartEdit() {
    if (!m_layout.Fits)
        return false;
    Editing = true;
    ShowFieldInfo(m_state.EdCat, 0);
    int zone = ZoneData;
    if (m_state.EdCat < 2) {
        zone = ZoneUsable(ZoneId) ? ZoneId : NextZone(ZoneId, 1);
        PlaceRow(m_layout.HasStudents() ? m_layout.FirstStu : m_state.doc.PossibleRow());
    }
    SetEditZone(zone);
    return true;
}

void EditCursor::SetEditZone(int zone) {
    const Document& doc = m_state.doc;
    const float charW = m_layout.CharW;
    EdZone = zone;
    switch (zone) {
    case ZoneId:
    case ZoneName:
        // The span is the part of the ID# or name the page shows, so the cursor walks over what is drawn
        // also when the display widths were narrowed.
        EdStrCat = 1;
        if (zone == ZoneId) {
            EdField = 0;
            EdFirst = IdLen - m_state.Display.IdDispLen + 1;
            EdLast = IdLen;
            SpanX0 = m_layout.ZoneX(2);
        } else {
            EdField = 1;
            EdFirst = IdLen + 2;
            EdLast = IdLen + 1 + m_state.Display.NameDispLen;
            SpanX0 = m_layout.ZoneX(3);
        }
        EdPos = EdFirst;
        EdCol = 1;
        CurX = SpanX0;
        SpanX1 = SpanX0 + static_cast<float>(EdLast - EdFirst) * charW;
        break;
    case ZoneAdjust:
    case ZoneGrade:
        EdStrCat = m_state.EdCat;
        if (zone == ZoneAdjust) {
            EdField = doc.NumCats;
            SpanX0 = m_layout.FieldX(doc.NumCats);
        } else {
            EdField = 0;
            SpanX0 = m_layout.ZoneX(5);
        }
        EdFirst = EdField * CellWidth + 1;
        EdLast = EdFirst + CellWidth - 1;
        EdCol = FirstEditCol();
        PlaceInCell();
        SpanX1 = SpanX0 + static_cast<float>(CellWidth) * charW;
        break;
    default:
        EdZone = ZoneData;
        EdStrCat = m_state.EdCat;
        EdField = m_layout.FirstFld;
        EdFirst = m_layout.FirstFld * CellWidth + 1;
        EdLast = (m_layout.LastFld + 1) * CellWidth;
        EdCol = FirstEditCol();
        SpanX0 = m_layout.DataX;
        SpanX1 = m_layout.DataEndX;
        PlaceInField();
        if (m_state.EdGroup == 1 || !m_layout.HasStudents())
            PlaceRow(doc.PossibleRow());
        else
            PlaceRow(m_layout.FirstStu);
        break;
    }
    SetSBar();
    ShowFieldInfo(EdStrCat, EdField);
    CurCode = GetChar(EdPos);
}

void EditCursor::AdvRight() {
    CurX += m_layout.CharW;
    ++EdPos;
    ++EdCol;
    if (EdZone == ZoneData) {
        if (EdCol > CellWidth - 1) {
            EdCol = FirstEditCol();
            if (!AdvVert) {
                ++EdField;
                if (EdField > m_layout.LastFld)
                    EdField = m_layout.FirstFld;
                ShowFieldInfo(m_state.EdCat, EdField);
                SetFieldPanel();
            } else {
                AdvDown();
            }
            PlaceInField();
        }
    } else if (EdZone == ZoneAdjust || EdZone == ZoneGrade) {
        if (EdCol > CellWidth - 1) {
            EdCol = FirstEditCol();
            PlaceInCell();
            if (AdvVert)
                AdvDown();
        }
    } else if (EdPos > EdLast) {
        EdPos = EdFirst;
        CurX = SpanX0;
        EdCol = 1;
        if (AdvVert)
            AdvDown();
    }
    SetPosPanel();
}

void EditCursor::AdvLeft() {
    CurX -= m_layout.CharW;
    --EdPos;
    --EdCol;
    if (EdZone == ZoneData) {
        if (EdCol < FirstEditCol()) {
            EdCol = FirstEditCol();
            if (!AdvVert) {
                --EdField;
                if (EdField < m_layout.FirstFld)
                    EdField = m_layout.LastFld;
                ShowFieldInfo(m_state.EdCat, EdField);
                SetFieldPanel();
            } else {
                AdvUp();
            }
            PlaceInField();
        }
    } else if (EdZone == ZoneAdjust || EdZone == ZoneGrade) {
        if (EdCol < FirstEditCol()) {
            EdCol = CellWidth - 1;
            PlaceInCell();
            if (AdvVert)
                AdvUp();
        }
    } else if (EdPos < EdFirst) {
        EdPos = EdLast;
        CurX = SpanX1;
        EdCol = EdLast - EdFirst + 1;
        if (AdvVert)
            AdvUp();
    }
    SetPosPanel();
}

void EditCursor::AdvDown() {
    const int possible = m_state.doc.PossibleRow();
    if (!m_layout.HasStudents())
        PlaceRow(possible);
    else if (EdRow == possible)
        PlaceRow(m_layout.FirstStu);
    else if (EdRow < m_layout.LastStu)
        PlaceRow(EdRow + 1);
    else if (EdZone >= ZoneAdjust && m_state.EdPage == 1)
        PlaceRow(possible);
    else
        PlaceRow(m_layout.FirstStu);
    SetRowPanel();
}

void EditCursor::AdvUp() {
    const int possible = m_state.doc.PossibleRow();
    if (!m_layout.HasStudents())
        PlaceRow(possible);
    else if (EdRow == possible)
        PlaceRow(m_layout.LastStu);
    else if (EdRow > m_layout.FirstStu)
        PlaceRow(EdRow - 1);
    else
        PlaceRow(possible);
    SetRowPanel();
}

void EditCursor::KeyDown(int keyCode) {
    switch (keyCode) {
    case VkLeft:
        AdvLeft();
        break;
    case VkUp:
        AdvUp();
        break;
    case VkRight:
        AdvRight();
        break;
    case VkDown:
        AdvDown();
        break;
    default:
        break;
    }
    CurCode = GetChar(EdPos);
}

EditCursor::Press EditCursor::KeyPress(int code) {
    Press result = Press::Nothing;
    switch (code) {
    case CharBackspace:
    case CharEnter:
        break;
    case CharTab:
        if (m_state.EdCat < 2) {
            SetEditZone(NextZone(EdZone, 1));
        } else {
            ++EdField;
            if (EdField > m_layout.LastFld)
                EdField = m_layout.FirstFld;
            EdCol = FirstEditCol();
            PlaceInField();
            ShowFieldInfo(m_state.EdCat, EdField);
            SetFieldPanel();
            SetPosPanel();
        }
        result = Press::Moved;
        break;
    case CharEscape:
        return Press::Exit;
    default: {
        // A line break or other control character inside a row would break the row's line in the file.
        if (code < 32 || code == 127 || code > 255)
            return Press::Refused;
        Document& doc = m_state.doc;
        if (EdStrCat < 0 || EdStrCat >= static_cast<int>(doc.Grid.size()) || EdRow < 0 ||
            EdRow >= static_cast<int>(doc.Grid[static_cast<std::size_t>(EdStrCat)].size()) || EdPos < 1 ||
            EdPos > RowLength(EdStrCat))
            return Press::Refused;
        ReplaceAt(doc.CatData(EdRow, EdStrCat), EdPos, std::string(1, static_cast<char>(code)));
        CurCode = code;
        AdvRight();
        result = Press::Stored;
        break;
    }
    }
    CurCode = GetChar(EdPos);
    return result;
}

void EditCursor::Click(double x, double y) {
    const int possible = m_state.doc.PossibleRow();
    if (m_layout.HasStudents()) {
        const int row = m_layout.FirstStu - 1 + static_cast<int>(std::trunc((y - m_layout.PossY) / m_layout.RowH));
        PlaceRow(std::clamp(row, m_layout.FirstStu, m_layout.LastStu));
    } else {
        PlaceRow(possible);
    }
    if (EdZone != ZoneData) {
        int zone = EdZone;
        if (x < SpanX0)
            zone = NextZone(EdZone, -1);
        else if (x > SpanX1)
            zone = NextZone(EdZone, 1);
        SetEditZone(zone);
        return;
    }
    EdField = m_layout.FirstFld + static_cast<int>(std::trunc((x - SpanX0) / m_layout.CharW / CellWidth));
    EdField = std::clamp(EdField, m_layout.FirstFld, m_layout.LastFld);
    ShowFieldInfo(m_state.EdCat, EdField);
    EdCol = FirstEditCol();
    PlaceInField();
    SetRowPanel();
    SetFieldPanel();
    SetPosPanel("PPos ");
    CurCode = GetChar(EdPos);
}

int EditCursor::ViewClick(double x) {
    EdField = m_layout.FirstFld + static_cast<int>(std::trunc((x - SpanX0) / m_layout.CharW / CellWidth));
    return EdField;
}

void EditCursor::ToggleAdvVert() {
    AdvVert = !AdvVert;
    m_panel[8] = AdvVert ? "Vert" : "Hort";
}

bool EditCursor::CycleEditLen() {
    if (EdZone == ZoneId || EdZone == ZoneName)
        return false;
    ++EditLen;
    if (EditLen > CellWidth)
        EditLen = 1;
    --EdCol;
    if (EdCol < 0)
        EdCol = FirstEditCol();
    SetPosPanel();
    m_panel[9] = "EL= " + Num(EditLen);
    if (EdZone == ZoneData)
        PlaceInField();
    else
        PlaceInCell();
    CurCode = GetChar(EdPos);
    return true;
}

void EditCursor::EditExit() {
    if (m_state.EdCat != 0)
        RecalcCategory(m_state.doc, m_state.EdCat);
    RecalcSummary(m_state.doc);
    Editing = false;
}

void EditCursor::ShowFieldInfo(int cat, int fld) {
    InfoCat = cat;
    InfoFld = fld;
    LabelCat = cat;
    LabelFld = fld;
}

void EditCursor::ShowHeaderInfo() {
    LabelCat = InfoCat;
    LabelFld = 0;
}

int EditCursor::GetChar(int pos) const {
    const Document& doc = m_state.doc;
    if (EdStrCat < 0 || EdStrCat >= static_cast<int>(doc.Grid.size()))
        return ' ';
    const auto& rows = doc.Grid[static_cast<std::size_t>(EdStrCat)];
    if (EdRow < 0 || EdRow >= static_cast<int>(rows.size()))
        return ' ';
    const std::string& row = rows[static_cast<std::size_t>(EdRow)];
    if (pos < 1 || pos > static_cast<int>(row.size()))
        return ' ';
    return static_cast<unsigned char>(row[static_cast<std::size_t>(pos - 1)]);
}

int EditCursor::CursorElement() const {
    const bool possible = OnPossibleRow();
    switch (EdZone) {
    case ZoneId:
        return possible ? ElemData : ElemId;
    case ZoneName:
        return possible ? ElemData : ElemName;
    case ZoneAdjust:
    case ZoneData:
        return possible ? ElemBar : ElemData;
    case ZoneGrade:
        return possible ? ElemBar : ElemTotals;
    default:
        return ElemBorder;
    }
}

void EditCursor::SetSBar() {
    m_panel[1] = "ESC";
    m_panel[2] = "Category " + Num(m_state.EdCat);
    m_panel[3] = "Group " + Num(m_state.EdGroup);
    SetRowPanel();
    m_panel[5] = "Page " + Num(m_state.EdPage);
    static const char* const zoneNames[] = {"ID#", "Name", "Adjustment", "Grade"};
    if (EdZone >= ZoneId && EdZone <= ZoneGrade)
        m_panel[6] = zoneNames[EdZone];
    else
        SetFieldPanel();
    SetPosPanel();
    m_panel[8] = AdvVert ? "Vert" : "Hort";
    SetEditLenPanel();
}

void EditCursor::SetRowPanel() {
    m_panel[4] = OnPossibleRow() ? "Possible Pts" : "Student " + Num(EdRow);
}

void EditCursor::SetFieldPanel() {
    m_panel[6] = "Field " + Num(EdField);
}

void EditCursor::SetPosPanel(const char* label) {
    m_panel[7] = label + Num(EdCol);
}

void EditCursor::SetEditLenPanel() {
    // In the ID# and name the whole shown span is edited, not the right end of a cell.
    const int length = (EdZone == ZoneId || EdZone == ZoneName) ? EdLast - EdFirst + 1 : EditLen;
    m_panel[9] = "EL=  " + Num(length);
}

} // namespace markroll
