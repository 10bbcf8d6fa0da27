#include "reports/StatsView.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "platform/PrinterSetup.h"
#include "platform/QtPrinter.h"
#include "reports/ReportPrinter.h"
#include "reports/StatsLayout.h"
#include "widgets/CommandButton.h"

namespace markroll {

namespace {

const QString Title = QStringLiteral("Class Statistics");

TextExtent MeasureOnScreen(const ReportFont& font, std::string_view text) {
    const QFontMetricsF metrics(ResolveFont(QString::fromStdString(font.Name), font.Size, font.Bold));
    return {PxToTwipsX(metrics.horizontalAdvance(FromBytes(text))), PxToTwipsY(metrics.height())};
}

QColor ColorOf(Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

void PrintStats(const Document& doc, const CategoryStats& stats, PrinterOps& printer) {
    printer.SetOrientation(1);
    PlayReport(LayoutStatsPrint(doc, stats, printer.ScaleWidth(), printer.ScaleHeight(), MeasureWith(printer)),
               printer);
}

QTableWidget* Table(const char* name, const std::vector<const char*>& headings, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    QStringList titles;
    for (const char* heading : headings)
        titles << QString::fromLatin1(heading);
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    return table;
}

template <std::size_t N> void Fill(QTableWidget* table, const std::vector<std::array<std::string, N>>& rows) {
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < static_cast<int>(N); ++c) {
            auto* item =
                new QTableWidgetItem(FromBytes(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    table->resizeColumnsToContents();
}

// The height that shows every row of a table without scrolling.
int FittedHeight(const QTableWidget* table) {
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth() + 2;
    for (int r = 0; r < table->rowCount(); ++r)
        height += table->rowHeight(r);
    return height;
}

} // namespace

/// The histogram on screen, laid out for the size of the widget.
class HistogramView : public QWidget {
public:
    explicit HistogramView(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("picHist"));
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
        setMinimumSize(TwipsToPxX(6000), TwipsToPxY(2800));
    }
    void Show(const CategoryStats& stats) {
        m_stats = &stats;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        if (!m_stats)
            return;
        const double margin = 150;
        const std::vector<ReportItem> items =
            LayoutHistogram(*m_stats, margin, margin, PxToTwipsX(width()) - 2 * margin,
                            PxToTwipsY(height()) - 2 * margin, MeasureOnScreen);
        QPainter painter(this);
        for (const ReportItem& item : items) {
            if (item.Type == ReportItem::Box) {
                painter.fillRect(
                    QRectF(TwipsToPxX(item.X), TwipsToPxY(item.Y), TwipsToPxX(item.Width), TwipsToPxY(item.Height)),
                    ColorOf(item.Color));
            } else if (item.Type == ReportItem::Line) {
                painter.setPen(QPen(ColorOf(item.Color), item.Thickness));
                painter.drawLine(QPointF(TwipsToPxX(item.X), TwipsToPxY(item.Y)),
                                 QPointF(TwipsToPxX(item.X2), TwipsToPxY(item.Y2)));
            } else if (item.Type == ReportItem::Text) {
                painter.setFont(ResolveFont(QString::fromStdString(item.Font.Name), item.Font.Size, item.Font.Bold));
                painter.setPen(ColorOf(item.Color));
                painter.drawText(
                    QPointF(TwipsToPxX(item.X), TwipsToPxY(item.Y) + QFontMetricsF(painter.font()).ascent()),
                    FromBytes(item.Value));
            }
        }
    }

private:
    const CategoryStats* m_stats = nullptr;
};

StatsView::StatsView(const Document& doc, int edCat, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_cats(StatsCategories(doc)) {
    setObjectName(QStringLiteral("StatsView"));
    setWindowTitle(Title);

    cmbCat = new QComboBox(this);
    cmbCat->setObjectName(QStringLiteral("cmbCat"));
    for (const int c : m_cats)
        cmbCat->addItem(FromBytes(StatsCategoryLabel(doc, c)));
    auto* labCat = new QLabel(QStringLiteral("&Category:"), this);
    labCat->setObjectName(QStringLiteral("labCat"));
    labCat->setBuddy(cmbCat);
    labCaption = new QLabel(this);
    labCaption->setObjectName(QStringLiteral("labCaption"));
    labCaption->setFont(ResolveFont(QStringLiteral("MS Sans Serif"), 10, true));
    grdStats = Table("grdStats", {StatsHeadings.begin(), StatsHeadings.end()}, this);
    labHist = new QLabel(QString::fromLatin1(HistogramTitle), this);
    labHist->setObjectName(QStringLiteral("labHist"));
    for (QLabel* label : {labCaption, labHist})
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    picHist = new HistogramView(this);
    grdGrades = Table("grdGrades", {GradeHeadings.begin(), GradeHeadings.end()}, this);

    cmdPreview = new CommandButton("cmdPreview", QStringLiteral("Pre&view"), this);
    cmdPrint = new CommandButton("cmdPrint", QStringLiteral("&Print"), this);
    cmdExit = new CommandButton("cmdExit", QStringLiteral("&Exit"), this);
    connect(cmbCat, &QComboBox::currentIndexChanged, this, &StatsView::cmbCat_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &StatsView::cmdPreview_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &StatsView::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(labCat);
    top->addWidget(cmbCat, 1);
    auto* grading = new QHBoxLayout;
    m_grading = grading;
    grading->addWidget(picHist, 3);
    grading->addWidget(grdGrades, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {cmdPreview, cmdPrint, cmdExit})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    m_layout = layout;
    layout->addLayout(top);
    layout->addWidget(labCaption);
    layout->addWidget(grdStats, 1);
    layout->addWidget(labHist);
    layout->addLayout(grading, 3);
    layout->addLayout(buttons);

    const auto first = std::find(m_cats.begin(), m_cats.end(), StatsFirstCategory(doc, edCat));
    const int index = first == m_cats.end() ? 0 : static_cast<int>(first - m_cats.begin());
    cmbCat->setCurrentIndex(index);
    cmbCat_Click(index);
    resize(TwipsToPxX(11000), TwipsToPxY(9400));
}

StatsView::~StatsView() = default;

void StatsView::cmbCat_Click(int index) {
    if (index < 0 || index >= static_cast<int>(m_cats.size()))
        return;
    m_stats = ClassStatistics(m_doc, m_cats[static_cast<std::size_t>(index)]);
    const std::vector<std::string> lines = StatisticsLines(m_doc, m_stats);
    labCaption->setText(lines.empty() ? QString() : FromBytes(lines.front()));
    std::vector<std::array<std::string, 8>> figures;
    for (const ColumnStats& column : m_stats.Columns)
        figures.push_back(FigureTexts(column));
    Fill(grdStats, figures);
    Fill(grdGrades, GradeTexts(m_stats));
    const bool summary = !m_stats.Histogram.empty();
    for (QWidget* w : std::initializer_list<QWidget*>{labHist, picHist, grdGrades})
        w->setVisible(summary);
    // SUMMARY's three lines leave the room below to the histogram; a category's fields take all there is.
    grdStats->setMaximumHeight(summary ? FittedHeight(grdStats) : QWIDGETSIZE_MAX);
    m_layout->setStretchFactor(m_grading, summary ? 3 : 0);
    picHist->Show(m_stats);
}

void StatsView::cmdPrint_Click() {
    if (m_drawOn) {
        PrintStats(m_doc, m_stats, *m_drawOn);
        return;
    }
    PrintTarget target = ChoosePrintTarget(this, Title);
    if (!target)
        return;
    QtPrinter& printer = *target.Printer();
    PrintStats(m_doc, m_stats, printer);
    printer.Finish();
    if (printer.Failed()) {
        const QString file = printer.PdfFile();
        MessageBox::Show(this,
                         file.isEmpty() ? QStringLiteral("The printer could not be reached; nothing was printed.")
                                        : QStringLiteral("The file %1 could not be written.").arg(file),
                         MsgButtons::Ok, MsgIcon::Exclamation, Title);
    }
}

void StatsView::cmdPreview_Click() {
    std::unique_ptr<QPrinter> device = PrinterSetup::DefaultPrinter();
    QPrinter& shown = *device;
    const std::unique_ptr<QtPrinter> printer = PrinterSetup::DrawingOn(std::move(device), true);
    PrintPreview::Show(this, shown, Title, [&](QPrinter&) {
        PrintStats(m_doc, m_stats, *printer);
        printer->Finish();
    });
}

} // namespace markroll
