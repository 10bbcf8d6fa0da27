#include "platform/QtPrinter.h"

#include "platform/Platform.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace markroll {

namespace {

constexpr double TwipsPerInch = 1440.0;
// Each unit of draw width is half a point, so width 1 is a fine rule that still shows on paper and 2 is bold.
constexpr double LineTwipsPerWidth = 10.0;

QPageLayout::Orientation OrientationOf(int orientation) {
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QColor ColorOf(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

} // namespace

std::unique_ptr<QtPrinter> QtPrinter::ForSystemPrinter(const QString& name, const QString& title) {
    const QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setDocName(title);
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), false));
}

std::unique_ptr<QtPrinter> QtPrinter::ForPdfFile(const QString& path, const QString& title, const QPageSize& paper) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(paper);
    printer->setDocName(title);
    printer->setCreator(QStringLiteral("Markroll"));
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), true));
}

std::unique_ptr<QtPrinter> QtPrinter::ForPrinter(std::unique_ptr<QPrinter> printer, bool oneDocument) {
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), oneDocument));
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, bool pdf)
    : m_printer(std::move(printer)), m_pdf(pdf), m_pxPerTwip(m_printer->resolution() / TwipsPerInch),
      m_font(m_printer.get()) {
    m_printer->setPageOrientation(OrientationOf(m_orientation));
}

QtPrinter::~QtPrinter() {
    Finish();
}

void QtPrinter::Finish() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
    m_pageBreakDue = false;
}

void QtPrinter::SetPaper(const QPageSize& paper) {
    m_printer->setPageSize(paper);
}

QString QtPrinter::PdfFile() const {
    return m_pdf ? m_printer->outputFileName() : QString();
}

bool QtPrinter::BetweenDocuments() const {
    return !m_painter.isActive() || m_pageBreakDue;
}

void QtPrinter::SetOrientation(int orientation) {
    m_orientation = orientation;
    // Between documents the page turns at once, so the size a report lays out with is the one it prints on.
    if (!m_painter.isActive()) {
        m_printer->setPageOrientation(OrientationOf(m_orientation));
    }
}

// The text printed last is measured in its own font before the font changes.
void QtPrinter::SetFontName(std::string_view name) {
    const QString font = FromBytes(name);
    if (font != m_font.Name())
        Advance();
    m_font.SetName(font);
}

void QtPrinter::SetFontSize(double points) {
    if (points != m_font.Points())
        Advance();
    m_font.SetPoints(points);
}

void QtPrinter::SetFontBold(bool bold) {
    if (bold != m_font.Bold())
        Advance();
    m_font.SetBold(bold);
}

void QtPrinter::SetForeColor(std::uint32_t rgb) {
    m_foreColor = ColorOf(rgb);
}

void QtPrinter::SetDrawWidth(int width) {
    m_drawWidth = width;
}

QRectF QtPrinter::PrintableInches() const {
    QPageLayout layout = m_printer->pageLayout();
    if (BetweenDocuments()) {
        layout.setOrientation(OrientationOf(m_orientation));
    }
    return layout.paintRect(QPageLayout::Inch);
}

double QtPrinter::ScaleWidth() const {
    return PrintableInches().width() * TwipsPerInch;
}

double QtPrinter::ScaleHeight() const {
    return PrintableInches().height() * TwipsPerInch;
}

double QtPrinter::TextWidth(std::string_view text) const {
    return m_font.Width(FromBytes(text));
}

double QtPrinter::TextHeight(std::string_view text) const {
    return m_font.Height(FromBytes(text));
}

QPainter* QtPrinter::Page() {
    if (m_failed) {
        return nullptr;
    }
    if (m_painter.isActive()) {
        if (m_pageBreakDue) {
            m_pageBreakDue = false;
            m_printer->setPageOrientation(OrientationOf(m_orientation));
            m_printer->newPage();
        }
        return &m_painter;
    }
    m_printer->setPageOrientation(OrientationOf(m_orientation));
    if (!m_painter.begin(m_printer.get())) {
        m_failed = true;
        return nullptr;
    }
    return &m_painter;
}

void QtPrinter::Advance() {
    if (!m_advance.isEmpty()) {
        m_x += m_font.Width(m_advance);
        m_advance.clear();
    }
}

void QtPrinter::Print(std::string_view text, bool endLine) {
    Advance();
    const QString shown = FromBytes(text);
    if (QPainter* painter = Page()) {
        painter->setFont(m_font.Font());
        painter->setPen(m_foreColor);
        painter->drawText(QPointF(Px(m_x), Px(m_y + m_font.Ascent())), shown);
    }
    if (endLine) {
        m_x = 0;
        m_y += m_font.Height(shown);
    } else {
        m_advance = shown;
    }
}

void QtPrinter::Line(double x1, double y1, double x2, double y2, std::uint32_t rgb) {
    if (QPainter* painter = Page()) {
        painter->setPen(QPen(ColorOf(rgb), Px(LineTwipsPerWidth * m_drawWidth), Qt::SolidLine, Qt::SquareCap));
        painter->drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
    }
}

void QtPrinter::FilledBox(double x, double y, double width, double height, std::uint32_t rgb) {
    if (QPainter* painter = Page()) {
        painter->fillRect(QRectF(Px(x), Px(y), Px(width), Px(height)), ColorOf(rgb));
    }
}

void QtPrinter::NewPage() {
    m_advance.clear();
    if (Page()) {
        m_printer->newPage();
    }
    m_x = 0;
    m_y = 0;
}

void QtPrinter::EndDoc() {
    m_advance.clear();
    m_x = 0;
    m_y = 0;
    if (!m_painter.isActive()) {
        return;
    }
    // A PDF file holds one print command; its print documents follow one another as pages of the same file.
    if (m_pdf) {
        m_pageBreakDue = true;
    } else {
        m_painter.end();
    }
}

} // namespace markroll
