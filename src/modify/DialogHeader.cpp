#include "modify/DialogHeader.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFontMetricsF>
#include <QMargins>
#include <QPainter>
#include <QPushButton>

#include "platform/Platform.h"
#include "widgets/CategoryChart.h"
#include "widgets/ChartPainter.h"

namespace markroll {

namespace {

constexpr QRgb SaveUnchanged = qRgb(128, 255, 128);
constexpr QRgb SaveChanged = qRgb(255, 0, 0);
constexpr double HeaderY = 150;

QFont HeaderFont() {
    return ResolveFont(QStringLiteral("MS Sans Serif"), 10, true);
}

} // namespace

QMargins HeaderBandMargins() {
    return {14, TwipsToPxY(HeaderY) + static_cast<int>(QFontMetricsF(HeaderFont()).height()) + 24, 14, 14};
}

void DrawHeaderBand(QWidget* dialog, const QString& text) {
    QPainter painter(dialog);
    const QFont font = HeaderFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(text) + 12;
    const QRectF box((dialog->width() - w) / 2, TwipsToPxY(HeaderY), w, metrics.height() + 6);
    painter.fillRect(box, PaletteColor(ColorLightGreen));
    painter.setPen(PaletteColor(ColorBlack));
    painter.drawText(box, Qt::AlignCenter, text);
}

void ColorSaveButton(QPushButton* button, bool changed) {
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; }")
                              .arg(QColor(changed ? SaveChanged : SaveUnchanged).name()));
}

void ConnectSaveButton(QPushButton* button, const std::function<void()>& saveAs, const bool& changed) {
    QObject::connect(button, &QPushButton::clicked, button, [button, &saveAs, &changed] {
        if (saveAs)
            saveAs();
        ColorSaveButton(button, changed);
    });
}

void ArrangeDialog(QDialog* dialog, QLayout* options, QLayout* boxes, std::initializer_list<QPushButton*> buttons) {
    auto* body = new QHBoxLayout;
    body->addLayout(options);
    body->addSpacing(20);
    body->addLayout(boxes, 1);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* layout = new QVBoxLayout(dialog);
    // Room above for the header drawn on the window.
    layout->setContentsMargins(HeaderBandMargins());
    layout->setSpacing(14);
    layout->addLayout(body);
    layout->addLayout(row);
}

void CentreOnScreen(QDialog* dialog) {
    const QSize screen = ScreenSizeTwips();
    dialog->adjustSize();
    dialog->move((TwipsToPxX(screen.width()) - dialog->width()) / 2,
                 (TwipsToPxY(screen.height()) - dialog->height()) / 2);
}

} // namespace markroll
