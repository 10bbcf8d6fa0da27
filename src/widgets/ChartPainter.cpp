#include "widgets/ChartPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <array>

#include "platform/Platform.h"

namespace markroll {

QColor PaletteColor(int index) {
    static constexpr std::array<QRgb, 16> Palette = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    return QColor(Palette[static_cast<std::size_t>(index & 15)]);
}

TextMeasure MeasureWith(const QFont& font) {
    return [font](std::string_view text) {
        const QFontMetricsF metrics(font);
        return TwipSize{PxToTwipsX(metrics.horizontalAdvance(FromBytes(text))), PxToTwipsY(metrics.height())};
    };
}

QFont ChartFont() {
    return ResolveFont(QStringLiteral("MS Sans Serif"), 8, true);
}

void PaintChart(QPainter& painter, const CategoryChart& chart, const QFont& font) {
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const auto text = [&](double x, double y, int color, const std::string& s) {
        painter.setPen(PaletteColor(color));
        painter.drawText(QPointF(TwipsToPxX(x), TwipsToPxY(y) + metrics.ascent()), FromBytes(s));
    };
    text(chart.headingX, chart.headingY, chart.headingColor, chart.heading);
    for (const ChartEntry& entry : chart.entries) {
        // Boxes and texts start on whole pixels from the same twip position, so each text sits on its box.
        const int x = TwipsToPxX(entry.x);
        const int y = TwipsToPxY(entry.y);
        painter.fillRect(
            QRect(x, y, TwipsToPxX(entry.x + chart.boxWidth) - x, TwipsToPxY(entry.y + chart.boxHeight) - y),
            PaletteColor(entry.boxColor));
        text(entry.x, entry.y, entry.textColor, entry.text);
    }
    painter.restore();
}

} // namespace markroll
