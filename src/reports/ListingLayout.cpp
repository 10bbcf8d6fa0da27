#include "reports/ListingLayout.h"

#include <algorithm>
#include <utility>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"
#include "reports/ReportItems.h"

namespace markroll {

namespace {

constexpr Rgb Black = 0x000000;
constexpr Rgb LightGreen = 0x00FF00;
constexpr Rgb Yellow = 0xFFFF00;
constexpr Rgb Red = 0x800000;

std::string Caption(const Document& doc, int cat) {
    const auto k = static_cast<std::size_t>(cat);
    return k < doc.CatName.size() ? CatCaption(cat, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]) : std::string();
}

} // namespace

std::vector<ReportItem> LayoutListingPrint(const Document& doc, const ListingSpec& spec, double pageWidth,
                                           double pageHeight, const FontMeasure& measure) {
    ReportItems b(measure);
    const StudentColumn column = ColumnOf(spec.Display);
    const int width = column.Width;
    const std::string title = ValueTitle(spec.Cat, spec.Fld);
    // On paper the labels line up under the names when the ID# is shown too; the grade column has none.
    std::string possible = column.PossibleLabel;
    std::string average = column.AverageLabel;
    if (spec.Display == DisplayBoth) {
        possible = Space(IdLen) + possible;
        average = Space(IdLen) + average;
    }
    if (title == "Grade")
        possible = average = "   ";

    const ReportFont plain{"Courier New", 12, false};
    const ReportFont bold{"Courier New", 12, true};
    const double w0 = b.Measure(plain, "A").Width;
    const double m = RoundHalfEven((pageWidth - w0 * (width + 13)) / 2);

    const ReportItem& head =
        b.CentredAcross({"Courier New", 14, true}, Black, pageWidth, ListingTopY, Caption(doc, spec.Cat));
    double y = ListingTopY + head.Height + 50;
    const ReportItem& header = b.CentredAcross(bold, Black, pageWidth, y, spec.Header);
    y += 2 * header.Height;
    TextExtent a = b.Measure(bold, "A");
    b.Text(bold, Black, m + a.Width * ((width - 7) / 2.0 + 6), y, "Student");
    const ReportItem& value = b.Text(bold, Black, m + a.Width * (width + 9), y, title);
    y += value.Height;
    b.Text(bold, Black, m + 9 * a.Width, y, possible);
    b.Text(bold, Black, m + (width + 9) * a.Width, y, FieldCell(doc, doc.PossibleRow(), spec.Cat, spec.Fld));
    y += 1.5 * a.Height;

    a = b.Measure(plain, "A");
    // A row that would pass the bottom of the page goes on at the top of the next.
    const auto room = [&](double height) {
        if (y + height > pageHeight) {
            b.Mark(ReportItem::NewPage);
            y = ListingTopY;
        }
    };
    for (std::size_t k = 0; k < spec.Order.Order.size(); ++k) {
        room(a.Height);
        b.Text(plain, Black, m, y,
               OrderRowText(doc, spec.Cat, spec.Fld, static_cast<int>(k) + 1, spec.Order.Order[k], spec.Display));
        y += a.Height;
    }
    a = b.Measure(bold, "A");
    y += a.Height;
    room(a.Height);
    b.Text(bold, Black, m + 9 * a.Width, y, average);
    b.Text(bold, Black, m + (width + 9) * a.Width, y, FieldCell(doc, 0, spec.Cat, spec.Fld));
    b.Mark(ReportItem::EndDoc);
    return b.Take();
}

std::vector<ReportItem> LayoutListingScreen(const Document& doc, const ListingSpec& spec, int first, int last,
                                            double surfaceWidth, const FontMeasure& measure) {
    ReportItems b(measure);
    const StudentColumn column = ColumnOf(spec.Display);
    const int width = column.Width;
    const ReportFont titleFont{"MS Sans Serif", 10, true};
    const ReportFont headerFont{"MS Sans Serif", 8, false};
    const ReportFont columnFont{"MS Sans Serif", 8, true};
    const ReportFont rowFont{"Courier", 8, false};
    const double cw = b.Measure(rowFont, "A").Width;

    ReportItem& title = b.CentredAcross(titleFont, Black, surfaceWidth, 100, Caption(doc, spec.Cat));
    title.Boxed = true;
    title.BoxColor = LightGreen;
    double y = 100 + title.Height + 50;
    const ReportItem& header = b.CentredAcross(headerFont, Black, surfaceWidth, y, spec.Header);
    y += 2 * header.Height;
    // The column titles, yellow on red boxes, stand over their columns: counted in characters of the rows' font
    // (a fixed 120 twips a character would put "Score" past the window's edge in a narrower Courier).
    for (const auto& [x, text] : {std::pair{((width - 7) / 2.0 + 8) * cw + 100, std::string("Student")},
                                  std::pair{(width + 9) * cw + 100, ValueTitle(spec.Cat, spec.Fld)}}) {
        ReportItem& item = b.Text(columnFont, Yellow, x, y, text);
        item.Boxed = true;
        item.BoxColor = Red;
    }
    y += 1.5 * b.Measure(columnFont, ValueTitle(spec.Cat, spec.Fld)).Height;
    b.Text(rowFont, Red, 9 * cw + 100, y, column.PossibleLabel);
    b.Text(rowFont, Red, (width + 9) * cw + 100, y, FieldCell(doc, doc.PossibleRow(), spec.Cat, spec.Fld));
    y += ListingRowPitch + 50;
    const int count = static_cast<int>(spec.Order.Order.size());
    for (int k = std::max(first, 1); k <= std::min(last, count); ++k) {
        b.Text(
            rowFont, Black, 100, y,
            OrderRowText(doc, spec.Cat, spec.Fld, k, spec.Order.Order[static_cast<std::size_t>(k - 1)], spec.Display));
        y += ListingRowPitch;
    }
    y += 50;
    b.Text(rowFont, Red, 9 * cw + 100, y, column.AverageLabel);
    b.Text(rowFont, Red, (width + 9) * cw + 100, y, FieldCell(doc, 0, spec.Cat, spec.Fld));
    return b.Take();
}

} // namespace markroll
