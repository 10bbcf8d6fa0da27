#pragma once

#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace markroll {

class QtPrinter;

/// A choice in the printer dialog, as a test scripts it: a system printer by name, or a PDF file ("print to
/// file"), with the paper and the number of copies.
struct PrinterChoice {
    QString printerName;
    QString pdfFile;
    QPageSize::PageSizeId paper = QPageSize::A4;
    int copies = 1;
};

/// The platform's printer dialog: which printer, its paper, how many copies, or a file instead.
class PrinterSetup {
public:
    /// Shows the dialog on printer, which takes what the user chose; false (printer unchanged) when cancelled.
    static bool Show(QWidget* parent, QPrinter& printer);

    /// Test hook: the next dialog is not shown; a choice is made on the printer as the user would make it,
    /// nullopt cancels.
    static void SetNextAnswer(std::optional<PrinterChoice> answer);
    static int TimesAsked();
    static int PendingAnswers();

    /// A printer for the default system printer in its own paper, or, when there is none (or the system printers
    /// are hidden, as in test mode), one that writes a PDF file on A4 paper.
    static std::unique_ptr<QPrinter> DefaultPrinter();
    /// A printer set up as printer is: the same printer or file, paper, margins, copies and colour mode.
    static std::unique_ptr<QPrinter> Copy(const QPrinter& printer);
    /// The printer operations drawn on printer. With oneDocument, or when printer writes a file, the print
    /// documents of one print command follow one another as pages of one document.
    static std::unique_ptr<QtPrinter> DrawingOn(std::unique_ptr<QPrinter> printer, bool oneDocument = false);
};

/// The platform's print preview: the pages drawn on a printer, page by page on screen, with the toolkit's own
/// zoom, page set-up and print buttons. The preview draws its pages by calling render on the printer as often as
/// it needs them (again after a change of page set-up), and once more to print them.
class PrintPreview {
public:
    static void Show(QWidget* parent, QPrinter& printer, const QString& title,
                     const std::function<void(QPrinter&)>& render);

    /// Test hooks. In test mode the pages are drawn as the preview would draw them but nothing is shown.
    static int TimesShown();
    /// The pages the latest preview held.
    static int LastPageCount();
};

} // namespace markroll
