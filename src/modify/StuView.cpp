#include "modify/StuView.h"

#include <QFontMetricsF>
#include <QHideEvent>
#include <QPainter>

#include "modify/StudentSetup.h"
#include "platform/Platform.h"
#include "widgets/ChartPainter.h"
#include "widgets/CommandButton.h"

namespace markroll {

namespace {

constexpr double HeadingY = 100;
constexpr double ButtonW = 1000;
constexpr double ButtonH = 400;

QFont HeadingFont() {
    return ResolveFont(QStringLiteral("MS Sans Serif"), 10);
}

} // namespace

StuView::StuView(const AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_font(ResolveFont(QStringLiteral("Courier"), 10)) {
    setObjectName(QStringLiteral("StuView"));
    setWindowTitle(QStringLiteral("Current Students"));
    setAutoFillBackground(true);
    const double charW = PxToTwipsX(QFontMetricsF(m_font).horizontalAdvance(QLatin1Char('A')));
    const double width = NameDataWidth * charW + 900;
    const double height = StudentsPerView * 250 + 1000;
    setFixedSize(TwipsToPxX(width), TwipsToPxY(height));

    cmdNext = new CommandButton("cmdNext", QStringLiteral("&Next"), this);
    cmdClose = new CommandButton("cmdClose", QStringLiteral("&Close"), this);
    const double top = height - ButtonH - 100;
    cmdNext->setGeometry(TwipsToPxX(100), TwipsToPxY(top), TwipsToPxX(ButtonW), TwipsToPxY(ButtonH));
    cmdClose->setGeometry(TwipsToPxX(width - ButtonW - 100), TwipsToPxY(top), TwipsToPxX(ButtonW), TwipsToPxY(ButtonH));
    connect(cmdNext, &QPushButton::clicked, this, &StuView::cmdNext_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    // One page holds every student of a small class.
    const int n = m_state.doc.NumStudents;
    cmdNext->setVisible(n > StudentsPerView);
    cmdNext->setEnabled(n > StudentsPerView);
    DispStudents(std::min(1, n), std::min(StudentsPerView, n));
}

void StuView::DispStudents(int first, int last) {
    m_first = first;
    m_last = last;
    m_lines = {FromBytes(StuViewHeading(m_state.doc)), FromBytes(StuViewColumns())};
    for (int s = std::max(first, 1); s <= last; ++s)
        m_lines << FromBytes(StuViewLine(m_state.doc, s));
    update();
}

void StuView::cmdNext_Click() {
    const auto [first, last] = NextStudentPage(m_last, m_state.doc.NumStudents);
    DispStudents(first, last);
}

void StuView::PlaceOwner(bool rightEdge) {
    QWidget* owner = parentWidget();
    if (!owner)
        return;
    const int screenW = TwipsToPxX(ScreenSizeTwips().width());
    const int x = rightEdge ? screenW - owner->frameGeometry().width() : (screenW - owner->frameGeometry().width()) / 2;
    owner->move(std::max(x, 0), owner->y());
}

void StuView::showEvent(QShowEvent* event) {
    // The student dialog steps aside so that both windows can be read at once.
    PlaceOwner(true);
    move(0, y());
    QDialog::showEvent(event);
}

void StuView::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        PlaceOwner(false);
    QDialog::hideEvent(event);
}

void StuView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int w = width();
    // The heading on its light-green box, centred.
    QFont heading = HeadingFont();
    painter.setFont(heading);
    QFontMetricsF hm(heading);
    const double hw = hm.horizontalAdvance(m_lines[0]) + 8;
    const QRectF headBox((w - hw) / 2, TwipsToPxY(HeadingY), hw, hm.height() + 4);
    painter.fillRect(headBox, PaletteColor(ColorLightGreen));
    painter.setPen(PaletteColor(ColorBlack));
    painter.drawText(headBox, Qt::AlignCenter, m_lines[0]);

    QFont bold = m_font;
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetricsF m(bold);
    const double pitch = m.height() + TwipsToPxY(20);
    const double x = TwipsToPxX(300);
    double y = headBox.bottom() + TwipsToPxY(150);
    const QRectF columns(x, y, m.horizontalAdvance(m_lines[1]), m.height());
    painter.fillRect(columns, PaletteColor(ColorRed));
    painter.setPen(PaletteColor(ColorYellow));
    painter.drawText(QPointF(x, y + m.ascent()), m_lines[1]);
    painter.setPen(PaletteColor(ColorBlack));
    for (int i = 2; i < m_lines.size(); ++i) {
        y += pitch;
        painter.drawText(QPointF(x, y + m.ascent()), m_lines[i]);
    }
}

} // namespace markroll
