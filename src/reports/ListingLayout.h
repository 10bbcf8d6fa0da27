#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DisplaySettings.h"
#include "document/Document.h"
#include "reports/OrderList.h"

namespace markroll {

/// A font of a report: name, size in points, bold.
struct ReportFont {
    std::string Name;
    double Size = 8;
    bool Bold = false;
    bool operator==(const ReportFont&) const = default;
};

/// A text's size in twips.
struct TextExtent {
    double Width = 0;
    double Height = 0;
};

/// Measures a text in a font, in twips, as the surface that will show it does.
using FontMeasure = std::function<TextExtent(const ReportFont&, std::string_view)>;

/// One thing a report draws:
/// - a Text in Font and Color with its top-left corner at (X, Y), Width and Height its size, and where Boxed is
///   set a box in BoxColor of exactly that size behind it;
/// - a Box filled with Color at (X, Y), Width wide and Height high;
/// - a Line in Color from (X, Y) to (X2, Y2), Thickness 1 (fine) or 2 (heavy);
/// - a page break, or the end of a print document.
struct ReportItem {
    enum Kind { Text, Box, Line, NewPage, EndDoc };
    Kind Type = Text;
    ReportFont Font;
    Rgb Color = 0;
    bool Boxed = false;
    Rgb BoxColor = 0;
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
    double X2 = 0;
    double Y2 = 0;
    int Thickness = 1;
    std::string Value;
};

/// Where the printed listing starts and where each page after the first starts again.
inline constexpr double ListingTopY = 700;
/// Rows of the listing on screen are this far apart.
inline constexpr double ListingRowPitch = 225;

/// What a listing shows: the category and field, the order, the display option and the header.
struct ListingSpec {
    int Cat = 0;
    int Fld = 0;
    Ordering Order;
    int Display = DisplayBoth;
    std::string Header;
};

/// The printed listing: title, header, column titles, possible points, every student and the class
/// average, on a page pageWidth twips wide; a row that would pass pageHeight starts a new page at the top
/// margin. Ends with the end of the print document.
std::vector<ReportItem> LayoutListingPrint(const Document& doc, const ListingSpec& spec, double pageWidth,
                                           double pageHeight, const FontMeasure& measure);

/// The listing on screen, students at positions first..last, on a surface surfaceWidth twips wide.
std::vector<ReportItem> LayoutListingScreen(const Document& doc, const ListingSpec& spec, int first, int last,
                                            double surfaceWidth, const FontMeasure& measure);

} // namespace markroll
