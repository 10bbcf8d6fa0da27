#pragma once

#include <QFont>
#include <QRawFont>
#include <QRectF>
#include <array>
#include <string_view>

#include "document/Document.h"
#include "editor/PageLayout.h"

class QPainter;
class QRegion;

namespace markroll {

/// Paints a laid-out page with QPainter, scaled from twips to the device's pixels, and measures the "A" of the
/// page font that the layout is computed from.
class PageRenderer {
public:
    explicit PageRenderer(const QFont& font = QFont());

    const QFont& Font() const { return m_font; }
    /// Width and height of "A" in twips.
    double CharW() const { return m_charW; }
    double CharH() const { return m_charH; }

    /// Paints what of the page lies in `dirty` (pixels): background, boxes and text runs, texts read from the
    /// document now.
    void Paint(QPainter& painter, const Document& doc, const PageLayout& page, const QRegion& dirty) const;
    /// The cursor cell: a CharW x CharH box at (x, y) in `box`, the character on it in `text`.
    void PaintCell(QPainter& painter, const PageLayout& page, float x, float y, int code, Rgb box, Rgb text) const;

    /// A rectangle in twips as pixels.
    QRectF ToPx(double x, double y, double w, double h) const;
    /// The pixels of one character cell at (x, y) twips, widened to whole pixels.
    QRect CellRect(const PageLayout& page, float x, float y) const;

private:
    /// Draws bytes as glyphs placed one character cell apart, so the text sits on the page's grid whatever
    /// the font's own advances, and no text shaping is spent on a page of single-byte characters.
    void DrawBytes(QPainter& painter, double xPx, double yPx, std::string_view bytes) const;

    QFont m_font;
    QRawFont m_raw;
    std::array<quint32, 256> m_glyph{};
    double m_charW = 0;
    double m_charH = 0;
    double m_ascentPx = 0;
    double m_pxPerTwipX = 0;
    double m_pxPerTwipY = 0;
};

} // namespace markroll
