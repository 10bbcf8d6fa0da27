#include "platform/PrintTarget.h"

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/TestHook.h"
#include "platform/TestMode.h"

#include <QPrinterInfo>

namespace markroll {

namespace {

constinit TestHook<QString> nextPdfFile;
// Unset: hidden in test mode only.
constinit std::optional<bool> printersHidden;

QString SystemPrinterName() {
    if (printersHidden.value_or(InTestMode())) {
        return {};
    }
    const QPrinterInfo preferred = QPrinterInfo::defaultPrinter();
    if (!preferred.isNull()) {
        return preferred.printerName();
    }
    const QList<QPrinterInfo> available = QPrinterInfo::availablePrinters();
    return available.isEmpty() ? QString() : available.constFirst().printerName();
}

} // namespace

void PrintTarget::SetNextPdfFile(const QString& path) {
    nextPdfFile.Script(path);
}

void PrintTarget::SetSystemPrintersHidden(bool hidden) {
    printersHidden = hidden;
}

PrintTarget ChoosePrintTarget(QWidget* parent, const QString& title) {
    if (const std::optional<QString> forced = nextPdfFile.TakeNext()) {
        return PrintTarget(QtPrinter::ForPdfFile(*forced, title));
    }
    const QString name = SystemPrinterName();
    if (!name.isEmpty()) {
        if (std::unique_ptr<QtPrinter> printer = QtPrinter::ForSystemPrinter(name, title)) {
            return PrintTarget(std::move(printer));
        }
    }
    if (MessageBox::Show(parent,
                         QStringLiteral("No printer is set up on this computer.\n"
                                        "The report can be written to a PDF file instead."),
                         MsgButtons::OkCancel, MsgIcon::Exclamation, title) != MsgAnswer::Ok) {
        return {};
    }
    FileDialogOptions options;
    options.title = QStringLiteral("Save Report as PDF");
    options.filter = QStringLiteral("PDF Files (*.pdf)|*.pdf");
    options.defaultExt = QStringLiteral("pdf");
    options.overwritePrompt = true;
    const FileDialogResult chosen = FileDialog::Save(parent, options);
    if (chosen.status != FileDialogResult::Status::Chosen) {
        return {};
    }
    return PrintTarget(QtPrinter::ForPdfFile(chosen.path, title));
}

} // namespace markroll
