#include "modify/CatView.h"

#include <QPainter>

#include "platform/Platform.h"
#include "widgets/ChartPainter.h"

namespace markroll {

CatView::CatView(AppState& state, QWidget* parent) : QDialog(parent), m_font(ChartFont()) {
    setObjectName(QStringLiteral("CatView"));
    setWindowTitle(QStringLiteral("MarkRoll Categories"));
    // The list is laid out once: the window shows the document as it was when it opened.
    m_chart = LayoutCatView(state.doc, MeasureWith(m_font));
    setFixedSize(TwipsToPxX(m_chart.windowWidth), TwipsToPxY(m_chart.windowHeight));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, PaletteColor(ColorDarkBlue));
    setPalette(palette);
}

void CatView::showEvent(QShowEvent* event) {
    const QSize screen = ScreenSizeTwips();
    move(TwipsToPxX((screen.width() - m_chart.windowWidth) / 2),
         TwipsToPxY((screen.height() - m_chart.windowHeight) / 2));
    QDialog::showEvent(event);
}

void CatView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintChart(painter, m_chart, m_font);
}

} // namespace markroll
