#include "editor/PageRenderer.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRegion>
#include <cmath>
#include <vector>

#include "platform/Platform.h"

namespace markroll {

namespace {

QColor ToColor(Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

PageRenderer::PageRenderer(const QFont& font) : m_font(font) {
    const QFontMetricsF metrics(m_font);
    m_pxPerTwipX = 1.0 / PxToTwipsX(1.0);
    m_pxPerTwipY = 1.0 / PxToTwipsY(1.0);
    m_charW = PxToTwipsX(metrics.horizontalAdvance(QLatin1Char('A')));
    m_charH = PxToTwipsY(metrics.height());
    m_ascentPx = metrics.ascent();
    m_raw = QRawFont::fromFont(m_font);
    if (m_raw.isValid()) {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString ch = FromBytes(std::string_view(&byte, 1));
            const QList<quint32> glyphs = m_raw.glyphIndexesForString(ch);
            m_glyph[static_cast<std::size_t>(b)] = glyphs.isEmpty() ? 0 : glyphs.front();
        }
    }
}

void PageRenderer::DrawBytes(QPainter& painter, double xPx, double yPx, std::string_view bytes) const {
    if (!m_raw.isValid()) {
        painter.drawText(QPointF(xPx, yPx + m_ascentPx), FromBytes(bytes));
        return;
    }
    thread_local QList<quint32> indexes;
    thread_local QList<QPointF> positions;
    indexes.clear();
    positions.clear();
    // Whole pixels: each glyph is then drawn from one cached image instead of one per sub-pixel offset.
    const double step = m_charW * m_pxPerTwipX;
    const double x0 = std::round(xPx);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == ' ')
            continue;
        indexes.append(m_glyph[b]);
        positions.append(QPointF(std::round(xPx + static_cast<double>(i) * step) - x0, 0));
    }
    if (indexes.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x0, std::round(yPx + m_ascentPx)), run);
}

QRectF PageRenderer::ToPx(double x, double y, double w, double h) const {
    return {x * m_pxPerTwipX, y * m_pxPerTwipY, w * m_pxPerTwipX, h * m_pxPerTwipY};
}

QRect PageRenderer::CellRect(const PageLayout& page, float x, float y) const {
    return ToPx(x, y, page.CharW, page.CharH).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void PageRenderer::Paint(QPainter& painter, const Document& doc, const PageLayout& page, const QRegion& dirty) const {
    // The rows below the title are covered edge to edge by their boxes; only the rest needs clearing.
    QRegion clear = dirty;
    if (page.Fits && page.Rows.size() > 1) {
        const QRectF rows = ToPx(page.LeftX, page.Rows[1].Y - RowTextOffset, page.ZoneWid[0],
                                 page.Rows.back().Y - page.Rows[1].Y + page.RowH);
        const QPoint inner0(static_cast<int>(std::ceil(rows.left())), static_cast<int>(std::ceil(rows.top())));
        const QPoint inner1(static_cast<int>(std::floor(rows.right())) - 1,
                            static_cast<int>(std::floor(rows.bottom())) - 1);
        clear -= QRect(inner0, inner1);
    }
    for (const QRect& r : clear)
        painter.fillRect(r, ToColor(page.BackColor));
    painter.setFont(m_font);
    const QRect bounds = dirty.boundingRect();
    for (const PageRow& row : page.Rows) {
        const QRectF band = ToPx(0, row.Y - RowTextOffset, 1, page.RowH);
        if (band.bottom() < bounds.top() - 1 || band.top() > bounds.bottom() + 1)
            continue;
        for (const PageBox& box : row.Boxes) {
            const QRectF rect = ToPx(box.X, box.Y, box.W, box.H);
            if (dirty.intersects(rect.toAlignedRect()))
                painter.fillRect(rect, ToColor(box.Color));
        }
        for (const PageText& run : row.Texts) {
            const QRectF rect = ToPx(run.X, run.Y, run.Length() * page.CharW, page.CharH);
            if (!dirty.intersects(rect.toAlignedRect().adjusted(-1, -1, 1, 1)))
                continue;
            painter.setPen(ToColor(run.Color));
            DrawBytes(painter, rect.left(), rect.top(), RunText(doc, run));
        }
    }
}

void PageRenderer::PaintCell(QPainter& painter, const PageLayout& page, float x, float y, int code, Rgb box,
                             Rgb text) const {
    const QRectF rect = ToPx(x, y, page.CharW, page.CharH);
    painter.fillRect(rect, ToColor(box));
    painter.setFont(m_font);
    painter.setPen(ToColor(text));
    const char ch = static_cast<char>(code);
    DrawBytes(painter, rect.left(), rect.top(), std::string_view(&ch, 1));
}

} // namespace markroll
