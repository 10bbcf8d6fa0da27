#pragma once

#include "platform/QtPrinter.h"

#include <QString>
#include <memory>

class QWidget;

namespace markroll {

/// The printer one print command draws on: a system printer or a PDF file; empty when the user gave up.
/// The PDF file is complete once the target (or the printer taken from it) is destroyed.
class PrintTarget {
public:
    PrintTarget() = default;
    explicit PrintTarget(std::unique_ptr<QtPrinter> printer) : m_printer(std::move(printer)) {}

    explicit operator bool() const { return m_printer != nullptr; }
    QtPrinter* Printer() const { return m_printer.get(); }
    /// The printer, for a caller that keeps it longer than the target.
    std::unique_ptr<QtPrinter> Take() { return std::move(m_printer); }

    /// The next print command writes this PDF file without asking anything: for tests and the command line.
    static void SetNextPdfFile(const QString& path);
    /// While hidden, the system printers are not offered, as on a computer without any. Unless this is called,
    /// they are hidden in test mode, so a test sends paper to a real printer only when it asks for one.
    static void SetSystemPrintersHidden(bool hidden);

private:
    std::unique_ptr<QtPrinter> m_printer;
};

/// Where one print command goes: the default system printer (or the first there is); without one, a PDF file
/// the user names after being told why. title is the title of those boxes and names the print job.
PrintTarget ChoosePrintTarget(QWidget* parent, const QString& title);

} // namespace markroll
