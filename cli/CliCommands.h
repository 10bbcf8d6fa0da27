#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "document/Document.h"
#include "reports/ListingLayout.h"

namespace markroll {

/// Prints an ordered listing on the default printer (pdfPath empty) or into a PDF file; returns why it could
/// not, or nothing when it did. The program registers one where it is built with printing.
using ListingPrinter =
    std::function<std::optional<std::string>(const Document& doc, const ListingSpec& spec, const std::string& pdfPath)>;
void SetListingPrinter(ListingPrinter printer);

/// Exit statuses of markroll-cli.
enum CliStatus : int { CliOk = 0, CliFileError = 1, CliUsageError = 2 };

/// Runs markroll-cli with its arguments (without the program name); output and errors go to out and err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace markroll
