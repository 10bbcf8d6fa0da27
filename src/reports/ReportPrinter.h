#pragma once

#include <vector>

#include "document/Document.h"
#include "platform/PrinterOps.h"
#include "reports/ListingLayout.h"

namespace markroll {

/// Measures texts in the printer's fonts (it is left in the last font measured).
FontMeasure MeasureWith(PrinterOps& printer);

/// Draws a report's items through the printer: each text in its font and colour on its box, page breaks and
/// the end of the print document.
void PlayReport(const std::vector<ReportItem>& items, PrinterOps& printer);

/// The ordered listing, laid out for the printer's page and fonts, then drawn on it.
void PrintListing(const Document& doc, const ListingSpec& spec, PrinterOps& printer);

} // namespace markroll
