#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/Document.h"
#include "platform/PrinterOps.h"
#include "reports/ListingLayout.h"
#include "reports/PrintSetup.h"
#include "reports/SheetLayout.h"

namespace markroll {

/// Measures texts in the printer's fonts (it is left in the last font measured).
FontMeasure MeasureWith(PrinterOps& printer);

/// Draws a report's items through the printer: each text in its font and colour on its box, page breaks and
/// the end of the print document.
void PlayReport(const std::vector<ReportItem>& items, PrinterOps& printer);

/// The ordered listing, laid out for the printer's page and fonts, then drawn on it.
void PrintListing(const Document& doc, const ListingSpec& spec, PrinterOps& printer);

/// How the sheets talk to the person printing: an OK/Cancel question (true for OK; unset answers OK), and a
/// message with an OK button only (unset says nothing).
struct PrintDialogue {
    std::function<bool(const std::string& text, const std::string& title)> Confirm;
    std::function<void(const std::string& text, const std::string& title)> Tell;
};

/// What became of one category.
enum class SheetOutcome { Printed, Cancelled, PageTooSmall };

/// Turns the printer to the orientation and sets the sheets' font (SheetFont), then measures what the sheet
/// layouts need.
SheetMetrics MeasureSheets(PrinterOps& printer, int orientation);

/// The markroll sheets of category cat on the printer, each sheet a print document of its own. With prompting,
/// asks before the category and again with its fields and students per page; a page too small for one field or
/// one student prints nothing and says so.
SheetOutcome PrintMR(const Document& doc, int cat, const SheetSettings& settings, PrinterOps& printer,
                     const PrintDialogue& dialogue);

/// The worksheet of category cat as one print document; with prompting, asks first.
SheetOutcome PrintWS(const Document& doc, int cat, const SheetSettings& settings, PrinterOps& printer,
                     const PrintDialogue& dialogue);

/// What one print command did: the outcome of each category, in list order.
struct PrintSummary {
    std::vector<int> Printed;
    std::vector<int> Cancelled;
    std::vector<int> PageTooSmall;
};

/// The print command once its list is read and confirmed: the sheets (or worksheets, by settings.Kind) of every
/// category of cats in order, a category listed twice printed twice. NAME DATA and numbers outside the document
/// are skipped.
PrintSummary PrintCategories(const Document& doc, const std::vector<int>& cats, const SheetSettings& settings,
                             PrinterOps& printer, const PrintDialogue& dialogue);

} // namespace markroll
