#include "CliPrint.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <memory>
#include <optional>

#include "CliCommands.h"
#include "CliSheets.h"
#include "platform/QtPrinter.h"
#include "reports/OpsPrinter.h"
#include "reports/ReportPrinter.h"

namespace markroll {

namespace {

// A paper size by the name a script gives it ("A4", "letter"), or nothing when there is no such paper.
std::optional<QPageSize> PaperNamed(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (size != QPageSize::Custom && QPageSize::key(size).compare(wanted, Qt::CaseInsensitive) == 0)
            return QPageSize(size);
    }
    return std::nullopt;
}

// The paper a PDF file is laid out on when none is named: the default printer's, else A4.
QPageSize DefaultPaper() {
    const QPageSize paper = QPrinterInfo::defaultPrinter().defaultPageSize();
    return paper.isValid() ? paper : QPageSize(QPageSize::A4);
}

} // namespace

PrintingSupport::PrintingSupport(int& argc, char** argv) {
    // Fonts and printers need the toolkit; a script on a server has no display, so none is asked for.
    const auto startToolkit = [this, &argc, argv] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QGuiApplication::instance())
            m_app = std::make_unique<QGuiApplication>(argc, argv);
    };

    SetListingPrinter([startToolkit](const Document& doc, const ListingSpec& spec,
                                     const std::string& pdfPath) -> std::optional<std::string> {
        startToolkit();
        const QString title = QStringLiteral("Order by Field Values");
        std::unique_ptr<QtPrinter> printer = pdfPath.empty()
                                                 ? QtPrinter::ForSystemPrinter({}, title)
                                                 : QtPrinter::ForPdfFile(QString::fromLocal8Bit(pdfPath), title);
        if (!printer)
            return std::string("no printer is set up on this computer (try --pdf FILE)");
        PrintListing(doc, spec, *printer);
        printer->Finish();
        if (printer->Failed())
            return pdfPath.empty() ? std::string("the printer could not be reached")
                                   : pdfPath + ": the file could not be written";
        return std::nullopt;
    });

    SetSheetPrinter(
        [startToolkit](const Document& doc, const SheetJob& job, std::ostream& out, std::ostream& err) -> int {
            startToolkit();
            const auto fail = [&err](const std::string& message) {
                err << "markroll-cli print: " << message << "\n";
                return CliFileError;
            };
            std::optional<QPageSize> paper;
            if (!job.Paper.empty()) {
                paper = PaperNamed(job.Paper);
                if (!paper) {
                    fail("unknown paper size '" + job.Paper + "' (A4, Letter, Legal, A5, A6, B5, Executive...)");
                    return CliUsageError;
                }
            }
            const QString title = QStringLiteral("Print Markroll");
            std::unique_ptr<QtPrinter> printer;
            if (job.To == SheetJob::Printer) {
                printer = QtPrinter::ForSystemPrinter({}, title);
                if (!printer)
                    return fail("no printer is set up on this computer (try --pdf FILE)");
                if (paper)
                    printer->SetPaper(*paper);
            } else {
                // The operations are measured on the PDF printer they would be drawn on, which never opens its file.
                const QString path = job.To == SheetJob::Pdf ? QString::fromLocal8Bit(job.PdfPath) : QString();
                printer = QtPrinter::ForPdfFile(path, title, paper.value_or(DefaultPaper()));
            }

            PrintDialogue dialogue;
            dialogue.Tell = [&err](const std::string& text, const std::string&) {
                err << "markroll-cli print: " << text << "\n";
            };
            PrintSummary summary;
            if (job.To == SheetJob::Ops) {
                OpsPrinter ops(*printer, out);
                summary = PrintCategories(doc, job.Categories, job.Settings, ops, dialogue);
            } else {
                summary = PrintCategories(doc, job.Categories, job.Settings, *printer, dialogue);
                printer->Finish();
                if (printer->Failed())
                    return fail(job.To == SheetJob::Printer ? std::string("the printer could not be reached")
                                                            : job.PdfPath + ": the file could not be written");
            }
            return summary.PageTooSmall.empty() ? CliOk : CliFileError;
        });
}

PrintingSupport::~PrintingSupport() {
    SetListingPrinter({});
    SetSheetPrinter({});
}

} // namespace markroll
