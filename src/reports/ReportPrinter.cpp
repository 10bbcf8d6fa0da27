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

namespace {

bool Ask(const PrintDialogue& dialogue, const PrintPrompt& prompt) {
    return !dialogue.Confirm || dialogue.Confirm(prompt.Text, prompt.Title);
}

} // namespace

SheetMetrics MeasureSheets(PrinterOps& printer, int orientation) {
    printer.SetOrientation(orientation);
    UseFont(printer, SheetFont);
    return {printer.ScaleWidth(), printer.ScaleHeight(), printer.TextWidth("A"), printer.TextHeight("A")};
}

SheetOutcome PrintMR(const Document& doc, int cat, const SheetSettings& settings, PrinterOps& printer,
                     const PrintDialogue& dialogue) {
    if (settings.Prompting && !Ask(dialogue, MarkrollPrompt(cat)))
        return SheetOutcome::Cancelled;
    const SheetMetrics metrics = MeasureSheets(printer, settings.Orientation);
    printer.SetDrawWidth(1);
    const SheetFit fit = FitSheets(doc, cat, settings, metrics);
    if (!fit.Fits()) {
        if (dialogue.Tell) {
            const PrintPrompt message = PageTooSmall(cat, fit.TooNarrow(), fit.TooShort());
            dialogue.Tell(message.Text, message.Title);
        }
        return SheetOutcome::PageTooSmall;
    }
    if (settings.Prompting &&
        !Ask(dialogue, SheetCountPrompt(doc, cat, fit.FieldsPerPage, fit.Pages, fit.StudentsPerPage, fit.Groups)))
        return SheetOutcome::Cancelled;
    PlayReport(LayoutSheets(doc, cat, settings, metrics), printer);
    return SheetOutcome::Printed;
}

SheetOutcome PrintWS(const Document& doc, int cat, const SheetSettings& settings, PrinterOps& printer,
                     const PrintDialogue& dialogue) {
    if (settings.Prompting && !Ask(dialogue, WorksheetPrompt(cat)))
        return SheetOutcome::Cancelled;
    const SheetMetrics metrics = MeasureSheets(printer, settings.Orientation);
    printer.SetForeColor(0);
    PlayReport(LayoutWorksheet(doc, cat, settings, metrics), printer);
    return SheetOutcome::Printed;
}

PrintSummary PrintCategories(const Document& doc, const std::vector<int>& cats, const SheetSettings& settings,
                             PrinterOps& printer, const PrintDialogue& dialogue) {
    PrintSummary summary;
    for (int cat : cats) {
        if (cat < 0 || cat == 1 || cat >= doc.NumCats)
            continue;
        const SheetOutcome outcome = settings.Kind == PrintWorksheets ? PrintWS(doc, cat, settings, printer, dialogue)
                                                                      : PrintMR(doc, cat, settings, printer, dialogue);
        (outcome == SheetOutcome::Printed     ? summary.Printed
         : outcome == SheetOutcome::Cancelled ? summary.Cancelled
                                              : summary.PageTooSmall)
            .push_back(cat);
    }
    return summary;
}

} // namespace markroll
