#include "CliSheets.h"

#include "CliTools.h"

namespace markroll {

const char* const PrintHelp =
    R"(Usage: markroll-cli print FILE [--worksheets] [--categories LIST] [--landscape] [--id-width N]
                          [--name-width N] [--bg N] [--fg N] [--paper SIZE] (--pdf OUT.pdf | --print | --ops)

Prints markroll sheets (or, with --worksheets, blank worksheets) of the categories in LIST as the print
dialog does, without prompting. The options are the dialog's boxes, read and limited as it reads them:
  --categories LIST  comma-separated category numbers (default: every category but 1, NAME DATA)
  --landscape        landscape paper (default portrait)
  --id-width N       characters of the ID# (0 to 11, default 0)
  --name-width N     characters of the name (0 to 30, default 16)
  --bg N, --fg N     palette colours 0 to 15 of the boxes and their texts (default 15 and 0: no boxes)
  --paper SIZE       A4, Letter, Legal, A5, A6... (default: the default printer's paper, or A4)
--pdf writes every sheet into one PDF file, a page a sheet; --print sends the sheets to the default printer;
--ops writes the drawing operations on standard output, one a line:
  doc | page W H | font NAME SIZE BOLD CW CH | color R G B | text X Y "TEXT" | box X Y W H R G B |
  line X1 Y1 X2 Y2 R G B THICKNESS | enddoc
The confirmation goes to standard error. A list with nothing to print, or a page too small for a category,
exits with 1.
)";

namespace {

SheetPrinter& RegisteredSheetPrinter() {
    static SheetPrinter printer;
    return printer;
}

} // namespace

void SetSheetPrinter(SheetPrinter printer) {
    RegisteredSheetPrinter() = std::move(printer);
}

int PrintCommand(CliTools& cli, const std::vector<std::string>& args) {
    std::vector<std::string> operands;
    bool worksheets = false;
    bool landscape = false;
    std::optional<std::string> list;
    std::string idWidth = "0", nameWidth = "16", back = "15", fore = "0";
    SheetJob job;
    int targets = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--worksheets")
            worksheets = true;
        else if (a == "--landscape")
            landscape = true;
        else if (a == "--categories")
            list = CliTools::Value(args, i);
        else if (a == "--id-width")
            idWidth = CliTools::Value(args, i);
        else if (a == "--name-width")
            nameWidth = CliTools::Value(args, i);
        else if (a == "--bg")
            back = CliTools::Value(args, i);
        else if (a == "--fg")
            fore = CliTools::Value(args, i);
        else if (a == "--paper") {
            job.Paper = CliTools::Value(args, i);
            if (job.Paper.empty())
                throw UsageError{"option --paper needs a paper size"};
        } else if (a == "--pdf") {
            job.To = SheetJob::Pdf;
            job.PdfPath = CliTools::Value(args, i);
            if (job.PdfPath.empty())
                throw UsageError{"option --pdf needs a file name"};
            ++targets;
        } else if (a == "--print" || a == "--ops") {
            job.To = a == "--print" ? SheetJob::Printer : SheetJob::Ops;
            ++targets;
        } else {
            CliTools::RejectOption(a);
            operands.push_back(a);
        }
    }
    if (operands.size() != 1)
        throw UsageError{"expected one FILE"};
    if (targets != 1)
        throw UsageError{"give one of --pdf OUT.pdf, --print and --ops"};
    const std::optional<Document> doc = cli.Load(operands[0]);
    if (!doc)
        return CliFileError;

    const int kind = worksheets ? PrintWorksheets : PrintMarkroll;
    const std::optional<std::string> bytes = FromUtf8(list.value_or(DefaultPrintList(doc->NumCats, false)));
    job.Categories = ReadPrintList(bytes.value_or(std::string()), doc->NumCats);
    if (job.Categories.empty()) {
        cli.m_err << NoCategoriesText << "\n";
        return CliFileError;
    }
    cli.m_err << PrintConfirmText(job.Categories, kind) << "\n";
    job.Settings = ReadSheetSettings(kind, landscape, idWidth, nameWidth, back, fore, false);
    if (!RegisteredSheetPrinter()) {
        cli.m_err << "markroll-cli print: this build of markroll-cli cannot print\n";
        return CliFileError;
    }
    return RegisteredSheetPrinter()(*doc, job, cli.m_out, cli.m_err);
}

} // namespace markroll
