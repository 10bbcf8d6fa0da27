#include "reports/ModOrder.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <random>

#include "document/TextNumber.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "reports/OrderList.h"
#include "reports/ReportPrinter.h"

namespace markroll {

namespace {

constexpr int MinPerPage = 10;
const QString Title = QStringLiteral("Order by Field Values");

// Texts measured as the screen draws them, in twips.
TextExtent MeasureOnScreen(const ReportFont& font, std::string_view text) {
    const QFontMetricsF metrics(ResolveFont(QString::fromStdString(font.Name), font.Size, font.Bold));
    return {PxToTwipsX(metrics.horizontalAdvance(FromBytes(text))), PxToTwipsY(metrics.height())};
}

QRadioButton* Option(QGroupBox* frame, const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(QString::fromLatin1(name));
    frame->layout()->addWidget(option);
    return option;
}

QGroupBox* Frame(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setToolTip(tip);
    new QVBoxLayout(frame);
    return frame;
}

} // namespace

ModOrder::ModOrder(AppState& state, int fld, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("ModOrder"));
    setWindowTitle(Title);
    m_spec.Cat = m_state.EdCat;
    m_spec.Fld = fld;

    FrameOrder = Frame(this, "FrameOrder", QStringLiteral("Order Field By:"), QStringLiteral("Temporary Field Ording"));
    optInc = Option(FrameOrder, "optInc", QStringLiteral("&Increasing Values"));
    optDec = Option(FrameOrder, "optDec", QStringLiteral("&Decreasing Values"));
    optCurrent = Option(FrameOrder, "optCurrent", QStringLiteral("&Current Values"));
    optRandom = Option(FrameOrder, "optRandom", QStringLiteral("&Random Order"));
    optDec->setChecked(true);
    FrameDisp = Frame(this, "FrameDisp", QStringLiteral("Display:"), QStringLiteral("Ordered Display Options"));
    optBoth = Option(FrameDisp, "optBoth", QStringLiteral("Both"));
    optName = Option(FrameDisp, "optName", QStringLiteral("Student Name"));
    optID = Option(FrameDisp, "optID", QStringLiteral("Student ID"));
    optBoth->setChecked(true);
    labOrdSpp = new QLabel(QStringLiteral("Students per Page"), this);
    labOrdSpp->setObjectName(QStringLiteral("labOrdSpp"));
    txtOrdSpp = new QLineEdit(this);
    txtOrdSpp->setObjectName(QStringLiteral("txtOrdSpp"));
    labHeader = new QLabel(QStringLiteral("Header:"), this);
    labHeader->setObjectName(QStringLiteral("labHeader"));
    txtHeader = new QLineEdit(FromBytes(DefaultHeader(fld)), this);
    txtHeader->setObjectName(QStringLiteral("txtHeader"));
    cmdStart = new QPushButton(QStringLiteral("&Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setDefault(true);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->hide();
    cmdExit = new QPushButton(QStringLiteral("&Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdStart, &QPushButton::clicked, this, &ModOrder::cmdStart_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ModOrder::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    // As many students a page as the screen has room for, never fewer than the minimum.
    const QSize screen = ScreenSizeTwips();
    m_maxPerPage = std::max(MinPerPage, static_cast<int>((screen.height() - 3000) / ListingRowPitch));
    m_perPage = m_maxPerPage;
    txtOrdSpp->setText(FromBytes(NumText(m_perPage)));

    const double cw = MeasureOnScreen({"Courier", 8, false}, "A").Width;
    const double width = (IdLen + NameLen + 13) * cw + 900;
    const double height = m_perPage * ListingRowPitch + 2600;
    resize(TwipsToPxX(width), TwipsToPxY(height));
    move(TwipsToPxX((screen.width() - width) / 4), TwipsToPxY(100));
    PlaceTwips(FrameOrder, 300, 300, 2600, 1700);
    PlaceTwips(FrameDisp, 3100, 300, 2200, 1400);
    PlaceTwips(labHeader, 300, 2200, 800, 300);
    PlaceTwips(txtHeader, 1100, 2150, std::max(2000.0, width - 1500), 360);
    const double buttonH = 400;
    const double top = height - buttonH - 450;
    PlaceTwips(cmdStart, 100, top, 1000, buttonH);
    PlaceTwips(cmdExit, width - 1000 - 175, top, 1000, buttonH);
    PlaceTwips(cmdPrint, width - 2000 - 275, top, 1000, buttonH);
    // Students per page stays in sight while the list is shown, so it sits on the buttons' row, below the list.
    PlaceTwips(labOrdSpp, 1200, top + 50, 1750, 300);
    PlaceTwips(txtOrdSpp, 3000, top, 700, 360);
}

void ModOrder::cmdStart_Click() {
    const Document& doc = m_state.doc;
    if (!m_started) {
        m_spec.Header = ToBytes(txtHeader->text());
        const int mode = optInc->isChecked()      ? OrderIncreasing
                         : optDec->isChecked()    ? OrderDecreasing
                         : optRandom->isChecked() ? OrderRandom
                                                  : OrderCurrent;
        std::mt19937 rng(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        m_spec.Order = OrderField(doc, m_spec.Cat, m_spec.Fld, mode, [&] { return uniform(rng); });
        m_spec.Display = optID->isChecked() ? DisplayId : optName->isChecked() ? DisplayName : DisplayBoth;
        for (QWidget* w : std::initializer_list<QWidget*>{FrameOrder, labHeader, txtHeader, FrameDisp})
            w->hide();
        cmdPrint->show();
        m_last = 0;
        m_started = true;
        m_perPage = std::min(std::max<int>(ReadInt16(ToBytes(txtOrdSpp->text())), MinPerPage), m_maxPerPage);
        if (doc.NumStudents <= m_perPage)
            cmdStart->hide();
        else
            cmdStart->setText(QStringLiteral("&Next"));
    }
    // The pages wrap around to the first.
    m_first = m_last + 1;
    if (m_first > doc.NumStudents)
        m_first = 1;
    m_last = std::min(m_first + m_perPage - 1, static_cast<int>(doc.NumStudents));
    m_items = LayoutListingScreen(doc, m_spec, m_first, m_last, PxToTwipsX(width()), MeasureOnScreen);
    update();
}

void ModOrder::cmdPrint_Click() {
    PrintTarget target = ChoosePrintTarget(this, Title);
    if (!target)
        return;
    PrintListing(m_state.doc, m_spec, *target.Printer());
    target.Printer()->Finish();
}

void ModOrder::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const ReportItem& item : m_items) {
        if (item.Type != ReportItem::Text)
            continue;
        const QRectF box(TwipsToPxX(item.X), TwipsToPxY(item.Y), TwipsToPxX(item.Width), TwipsToPxY(item.Height));
        if (item.Boxed)
            painter.fillRect(box, QColor::fromRgb(static_cast<QRgb>(item.BoxColor)));
        painter.setFont(ResolveFont(QString::fromStdString(item.Font.Name), item.Font.Size, item.Font.Bold));
        painter.setPen(QColor::fromRgb(static_cast<QRgb>(item.Color)));
        painter.drawText(box.topLeft() + QPointF(0, QFontMetricsF(painter.font()).ascent()), FromBytes(item.Value));
    }
}

} // namespace markroll
