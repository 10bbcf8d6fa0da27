#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/DisplaySettings.h"
#include "document/Document.h"

namespace markroll {

/// What the page is laid out from besides the document: the font's "A" and the window, all in twips.
struct PageMetrics {
    double CharW = 0;
    double CharH = 0;
    /// Outer height of the editor window.
    double WindowHeight = 0;
    /// Height of the status bar, counted whether or not it is shown.
    double SBarHeight = 0;
    /// Width the page may take: the display's, or the window's when that is narrower.
    double ScreenWidth = 0;
};

/// A filled box (outline and fill in one colour).
struct PageBox {
    float X = 0;
    float Y = 0;
    float W = 0;
    float H = 0;
    Rgb Color = 0;
};

/// A text run with a transparent background. A run either carries its text or names a window of a row string
/// of the document (Count characters of CatData(Row, Cat) from Start), read when it is painted, so a typed
/// character shows without laying the page out again.
struct PageText {
    float X = 0;
    float Y = 0;
    Rgb Color = 0;
    std::string Literal;
    int Row = -1;
    int Cat = -1;
    int Start = 0;
    int Count = 0;

    bool FromDocument() const { return Row >= 0; }
    /// Characters the run covers.
    int Length() const { return FromDocument() ? Count : static_cast<int>(Literal.size()); }
};

/// One row of the page: Y is the text position, every box of the row starts 3 twips above it.
struct PageRow {
    float Y = 0;
    std::vector<PageBox> Boxes;
    std::vector<PageText> Texts;
};

inline constexpr int NumZones = 6;
inline constexpr float PageTopY = 400;
/// Twips between a row's box top and its text: half the 6 twips a row is taller than its text.
inline constexpr float RowTextOffset = 3;

/// The page of one category: zones, visible students and fields, and what to paint.
struct PageLayout {
    /// False when there is nothing to lay out (no document, or a window too small for the font); Message
    /// then says why and is the only row.
    bool Fits = false;
    std::string Message;

    float CharW = 0;
    float CharH = 0;
    float RowH = 0;
    float LeftX = 0;
    float TopY = PageTopY;

    // Index 0 is the whole row, 1..6 the zones from left to right.
    std::array<int, NumZones + 1> ZoneLen{};
    std::array<float, NumZones + 1> ZoneWid{};
    std::array<int, NumZones + 1> ZoneStart{};
    std::array<int, NumZones + 1> ZoneShow{};

    int StuPerGroup = 0;
    int NumGroups = 0;
    int FirstStu = 1;
    int LastStu = 0;
    int FldPerPage = 0;
    int NumPages = 0;
    int FirstFld = 0;
    int LastFld = 0;

    float DataX = 0;
    float DataEndX = 0;
    float PossY = 0;
    float LastRowY = 0;
    float CurX = 0;
    float CurY = 0;
    float SpanX0 = 0;
    float SpanX1 = 0;

    bool GroupEnabled = false;
    bool PageEnabled = false;

    /// Background of the page.
    Rgb BackColor = 0xFFFFFF;
    std::vector<PageRow> Rows;

    /// x of the first character of zone k (1..6).
    float ZoneX(int k) const;
    /// Text y of a student row shown on the page, or of the possible-points row (NumStudents + 1).
    float RowY(int row, int numStudents) const;
    /// x of field f's first character when it is on the page.
    float FieldX(int f) const { return DataX + static_cast<float>((f - FirstFld) * CellWidth) * CharW; }
    bool FieldShown(int f) const { return Fits && f >= FirstFld && f <= LastFld; }
    bool HasStudents() const { return Fits && LastStu >= FirstStu; }
};

/// The text a run shows: its own, or its window of the row string padded with blanks, so a row shorter than
/// its category says keeps the page aligned.
std::string RunText(const Document& doc, const PageText& run);

/// Lays out the page of category cat, student group `group` and field page `page`. The wrap-arounds (a category
/// past the last one gives 0, a group or page past the last one gives 1) are written back.
PageLayout DispCat(const Document& doc, std::int16_t& cat, std::int16_t& group, std::int16_t& page,
                   const DisplaySettings& display, const PageMetrics& metrics);

/// The row number as the page's border zones show it: its last two digits, right-aligned.
std::string RowNumberText(int row);

} // namespace markroll
