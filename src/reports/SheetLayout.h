#pragma once

#include <vector>

#include "document/Document.h"
#include "reports/ListingLayout.h"
#include "reports/PrintSetup.h"

namespace markroll {

// The markroll sheets and the worksheets of one category, laid out from the document, the print dialog's
// settings and what the printer measured. Both print in one font; every text, box and line is in twips from the
// top-left corner of the printable area.

/// The font of every text on sheets and worksheets.
inline const ReportFont SheetFont{"Courier New", 12, true};
/// The first line of a sheet, and of every worksheet page.
inline constexpr double SheetTopY = 700;
/// The left edge of a sheet's table and of a worksheet's grid.
inline constexpr double SheetLeft = 200;
inline constexpr double WorksheetLeft = 100;

/// What the layouts need from the printer: its printable area, and the width and height of "A" in SheetFont.
struct SheetMetrics {
    double PageWidth = 0;
    double PageHeight = 0;
    double CharWidth = 0;
    double CharHeight = 0;
};

/// How a category's markroll sheets divide its fields and students.
struct SheetFit {
    /// The first fit: fields a line holds with the name width asked for, its characters and its width W.
    int FirstFields = 0;
    int LineChars = 0;
    double TableWidth = 0;
    /// The name width once widened for a long caption or info lines, and the student column SW it makes.
    int NameWidth = 0;
    int StudentWidth = 0;
    /// Fields per page F and pages P (sheets across the fields).
    int FieldsPerPage = 0;
    int Pages = 0;
    /// The row pitch R, students per page S and groups G (sheets down the students).
    double RowPitch = 0;
    int StudentsPerPage = 0;
    int Groups = 0;

    bool TooNarrow() const { return FieldsPerPage < 1; }
    bool TooShort() const { return StudentsPerPage < 1; }
    bool Fits() const { return !TooNarrow() && !TooShort(); }
};

/// Fits the markroll sheets of category cat on the page.
SheetFit FitSheets(const Document& doc, int cat, const SheetSettings& settings, const SheetMetrics& metrics);

/// Every markroll sheet of category cat, page by page and within a page group by group, each ending its print
/// document. Nothing when the page is too small for one field or one student (see FitSheets).
std::vector<ReportItem> LayoutSheets(const Document& doc, int cat, const SheetSettings& settings,
                                     const SheetMetrics& metrics);

/// The grid of a worksheet.
struct WorksheetFit {
    /// Characters C across the page, the end XE of the ruled lines, the row height RH and a grid column's width D.
    int Columns = 0;
    double LineEnd = 0;
    double RowHeight = 0;
    double CellWidth = 0;
    /// Characters K left for the grid, grid columns N (0 or less: none), and the left margin x0.
    int GridChars = 0;
    int GridColumns = 0;
    double Left = WorksheetLeft;
    /// Where the grid columns start.
    double GridX = 0;
};

WorksheetFit FitWorksheet(const SheetSettings& settings, const SheetMetrics& metrics);

/// The worksheet of category cat as one print document: the title, the heavier header band, one ruled row a
/// student, on as many pages as the rows need; all in black.
std::vector<ReportItem> LayoutWorksheet(const Document& doc, int cat, const SheetSettings& settings,
                                        const SheetMetrics& metrics);

} // namespace markroll
