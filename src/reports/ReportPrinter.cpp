#include "reports/ReportPrinter.h"

namespace markroll {

namespace {

void UseFont(PrinterOps& printer, const ReportFont& font) {
    printer.SetFontName(font.Name);
    printer.SetFontSize(font.Size);
    printer.SetFontBold(font.Bold);
}

} // namespace

FontMeasure MeasureWith(PrinterOps& printer) {
    return [&printer](const ReportFont& font, std::string_view text) {
        UseFont(printer, font);
        return TextExtent{printer.TextWidth(text), printer.TextHeight(text)};
    };
}

void PlayReport(const std::vector<ReportItem>& items, PrinterOps& printer) {
    for (const ReportItem& item : items) {
        switch (item.Type) {
        case ReportItem::NewPage:
            printer.NewPage();
            break;
        case ReportItem::EndDoc:
            printer.EndDoc();
            break;
        case ReportItem::Box:
            printer.FilledBox(item.X, item.Y, item.Width, item.Height, item.Color);
            break;
        case ReportItem::Line:
            printer.SetDrawWidth(item.Thickness);
            printer.Line(item.X, item.Y, item.X2, item.Y2, item.Color);
            break;
        case ReportItem::Text:
            UseFont(printer, item.Font);
            if (item.Boxed)
                printer.FilledBox(item.X, item.Y, item.Width, item.Height, item.BoxColor);
            printer.SetForeColor(item.Color);
            printer.SetCurrentX(item.X);
            printer.SetCurrentY(item.Y);
            printer.Print(item.Value, false);
            break;
        }
    }
}

void PrintListing(const Document& doc, const ListingSpec& spec, PrinterOps& printer) {
    printer.SetOrientation(1);
    const std::vector<ReportItem> items =
        LayoutListingPrint(doc, spec, printer.ScaleWidth(), printer.ScaleHeight(), MeasureWith(printer));
    PlayReport(items, printer);
}

} // namespace markroll
