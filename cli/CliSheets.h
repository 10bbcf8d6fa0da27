#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "document/Document.h"
#include "reports/PrintSetup.h"

namespace markroll {

/// One `markroll-cli print`: what to print, with which settings, and where.
struct SheetJob {
    enum Target { Pdf, Printer, Ops };
    SheetSettings Settings;
    std::vector<int> Categories;
    Target To = Pdf;
    std::string PdfPath;
    /// A paper size name (A4, Letter...); empty for the default printer's paper, or the printer's own with --print.
    std::string Paper;
};

/// Prints a job: the --ops lines go to out, what went wrong to err; returns a CliStatus. The program registers
/// one where it is built with printing.
using SheetPrinter = std::function<int(const Document& doc, const SheetJob& job, std::ostream& out, std::ostream& err)>;
void SetSheetPrinter(SheetPrinter printer);

} // namespace markroll
