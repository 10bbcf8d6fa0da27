#pragma once

#include "platform/PrintFont.h"
#include "platform/PrinterOps.h"

#include <QColor>
#include <QPageSize>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <memory>

class QPrinter;

namespace markroll {

/// The printer operations drawn with a QPainter on a QPrinter: a system printer (through CUPS) or a PDF file.
/// Twips become device units at the printer's resolution; the origin is the top-left corner of the printable
/// area. The first output opens a print document; NewPage and EndDoc put the current position back at 0, 0.
/// A PDF file gathers every print document of one print command as pages of one file, written by Finish().
class QtPrinter : public PrinterOps {
public:
    /// The named system printer, or the default one when name is empty, in its own format, page size and margins;
    /// nullptr when there is no such printer. title names the print jobs in the printer's queue.
    static std::unique_ptr<QtPrinter> ForSystemPrinter(const QString& name = {}, const QString& title = {});
    /// A PDF file on paper of the size given (A4 unless said) with the margins Qt gives a PDF printer.
    static std::unique_ptr<QtPrinter> ForPdfFile(const QString& path, const QString& title = {},
                                                 const QPageSize& paper = QPageSize(QPageSize::A4));
    /// A printer the user set up (printer dialog, print preview), kept as it is. With oneDocument the print
    /// documents of one print command follow one another as pages of one document, as in a PDF file.
    static std::unique_ptr<QtPrinter> ForPrinter(std::unique_ptr<QPrinter> printer, bool oneDocument);

    /// Finishes the output, as Finish() does.
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    /// The paper of the print documents that start from now on.
    void SetPaper(const QPageSize& paper);
    /// Ends the open print document; for a PDF file, writes the file with every page drawn so far.
    void Finish();
    /// The PDF file written to; empty for a system printer.
    QString PdfFile() const;
    /// True when a print document could not be opened (no such printer, a file that cannot be written):
    /// the output since then went nowhere.
    bool Failed() const { return m_failed; }

    void SetOrientation(int orientation) override;
    void SetFontName(std::string_view name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetForeColor(std::uint32_t rgb) override;
    void SetDrawWidth(int width) override;

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;

    void SetCurrentX(double x) override {
        m_x = x;
        m_advance.clear();
    }
    void SetCurrentY(double y) override { m_y = y; }
    double CurrentX() const override { return m_advance.isEmpty() ? m_x : m_x + m_font.Width(m_advance); }
    double CurrentY() const override { return m_y; }

    void Print(std::string_view text, bool endLine) override;
    void Line(double x1, double y1, double x2, double y2, std::uint32_t rgb) override;
    void FilledBox(double x, double y, double width, double height, std::uint32_t rgb) override;
    void NewPage() override;
    void EndDoc() override;

private:
    QtPrinter(std::unique_ptr<QPrinter> printer, bool pdf);

    /// Moves the current x past the text printed last, measured in the font it was printed in.
    void Advance();

    /// The painter ready for output on the current page, or nullptr when the document could not be opened.
    QPainter* Page();
    /// True when no print document is open or the open PDF one has ended: the orientation may still change.
    bool BetweenDocuments() const;
    QRectF PrintableInches() const;
    double Px(double twips) const { return twips * m_pxPerTwip; }

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    bool m_pdf = false;
    bool m_failed = false;
    // A PDF print document that ended: the next output starts with a page break instead of a new file.
    bool m_pageBreakDue = false;
    double m_pxPerTwip = 1.0;
    // Measured at the printer's resolution, so it follows m_printer.
    PrintFont m_font;
    int m_orientation = 1;
    QColor m_foreColor = Qt::black;
    int m_drawWidth = 1;
    double m_x = 0;
    double m_y = 0;
    // The text printed last, staying on its line: the current x is past it. Reports place nearly every text
    // themselves, so it is measured only when someone asks where the next text goes.
    QString m_advance;
};

} // namespace markroll
