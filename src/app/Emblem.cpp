#include "app/Emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace markroll {

void PaintEmblem(QPainter& painter, const QRectF& rect) {
    const double side = std::min(rect.width(), rect.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
    // Drawn on a 64-unit square, the coordinates of markroll.svg.
    painter.scale(side / 64.0, side / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2f, 0x6d, 0xb5));
    tile.setColorAt(1, QColor(0x1a, 0x3f, 0x75));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The grade sheet: a header band and ruled rows with a margin line.
    painter.setBrush(QColor(0xfd, 0xfd, 0xf8));
    painter.drawRoundedRect(QRectF(12, 9, 34, 44), 3, 3);
    // The header band follows the sheet's rounded top corners.
    painter.setBrush(QColor(0xe0, 0x4b, 0x3a));
    painter.drawRoundedRect(QRectF(12, 9, 34, 7), 3, 3);
    painter.drawRect(QRectF(12, 12, 34, 4));
    painter.setPen(QPen(QColor(0x9c, 0xb4, 0xd3), 1.6));
    for (double y = 22; y <= 47; y += 5)
        painter.drawLine(QPointF(15, y), QPointF(43, y));
    painter.setPen(QPen(QColor(0xe0, 0x4b, 0x3a), 1.2));
    painter.drawLine(QPointF(21, 17), QPointF(21, 51));

    // The badge: a gold disc with a tick, overlapping the sheet's corner.
    painter.setPen(QPen(QColor(0x1a, 0x3f, 0x75), 2.5));
    painter.setBrush(QColor(0xf5, 0xb7, 0x2e));
    painter.drawEllipse(QPointF(45, 45), 12, 12);
    QPainterPath tick;
    tick.moveTo(39, 45);
    tick.lineTo(43.5, 49.5);
    tick.lineTo(51, 40.5);
    painter.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.restore();
}

QIcon EmblemIcon() {
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintEmblem(painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

EmblemView::EmblemView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize EmblemView::sizeHint() const {
    return {64, 64};
}

void EmblemView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintEmblem(painter, rect());
}

} // namespace markroll
