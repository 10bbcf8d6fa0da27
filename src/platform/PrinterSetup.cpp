#include "platform/PrinterSetup.h"

#include "platform/QtPrinter.h"
#include "platform/TestHook.h"
#include "platform/TestMode.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

namespace markroll {

namespace {

// A scripted answer: the choice made, or a cancelled dialog.
struct SetupAnswer {
    bool accepted = false;
    PrinterChoice choice;
};

constinit TestHook<SetupAnswer> setupHook;
constinit int previewsShown = 0;
constinit int previewPages = 0;

void MakeChoice(QPrinter& printer, const PrinterChoice& choice) {
    if (choice.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(choice.printerName);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.pdfFile);
    }
    printer.setPageSize(QPageSize(choice.paper));
    printer.setCopyCount(choice.copies);
}

} // namespace

bool PrinterSetup::Show(QWidget* parent, QPrinter& printer) {
    setupHook.Record({});
    if (const auto answer = setupHook.Answered("printer dialog", QStringLiteral("Print"), SetupAnswer{})) {
        if (answer->accepted)
            MakeChoice(printer, answer->choice);
        return answer->accepted;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrtDlg"));
    // Only the printer is chosen here; what to print is the print dialog's own business.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void PrinterSetup::SetNextAnswer(std::optional<PrinterChoice> answer) {
    setupHook.Script(answer ? SetupAnswer{true, *answer} : SetupAnswer{});
}

int PrinterSetup::TimesAsked() {
    return setupHook.TimesAsked();
}

int PrinterSetup::PendingAnswers() {
    return setupHook.PendingAnswers();
}

std::unique_ptr<QPrinter> PrinterSetup::DefaultPrinter() {
    QPrinterInfo info;
    if (!InTestMode()) {
        info = QPrinterInfo::defaultPrinter();
        if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
            info = QPrinterInfo::availablePrinters().constFirst();
    }
    if (!info.isNull()) {
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::NativeFormat);
        return printer;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

std::unique_ptr<QPrinter> PrinterSetup::Copy(const QPrinter& printer) {
    auto copy = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        copy->setOutputFormat(QPrinter::PdfFormat);
        copy->setOutputFileName(printer.outputFileName());
    } else {
        copy->setOutputFormat(QPrinter::NativeFormat);
        copy->setPrinterName(printer.printerName());
    }
    // After the printer's name, which brings the printer's own paper and margins with it.
    copy->setPageLayout(printer.pageLayout());
    copy->setCopyCount(printer.copyCount());
    copy->setCollateCopies(printer.collateCopies());
    copy->setDuplex(printer.duplex());
    copy->setColorMode(printer.colorMode());
    copy->setPageOrder(printer.pageOrder());
    copy->setDocName(printer.docName());
    return copy;
}

std::unique_ptr<QtPrinter> PrinterSetup::DrawingOn(std::unique_ptr<QPrinter> printer, bool oneDocument) {
    // Every print document into a file would start the file again: they all go into one.
    const bool file = printer->outputFormat() == QPrinter::PdfFormat;
    return QtPrinter::ForPrinter(std::move(printer), oneDocument || file);
}

void PrintPreview::Show(QWidget* parent, QPrinter& printer, const QString& title,
                        const std::function<void(QPrinter&)>& render) {
    ++previewsShown;
    const auto draw = [&render](QPrinter* target) { render(*target); };
    if (InTestMode()) {
        QPrintPreviewWidget pages(&printer);
        QObject::connect(&pages, &QPrintPreviewWidget::paintRequested, draw);
        pages.updatePreview();
        previewPages = pages.pageCount();
        return;
    }
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, draw);
    dialog.exec();
    if (const auto* pages = dialog.findChild<QPrintPreviewWidget*>())
        previewPages = pages->pageCount();
}

int PrintPreview::TimesShown() {
    return previewsShown;
}

int PrintPreview::LastPageCount() {
    return previewPages;
}

} // namespace markroll
