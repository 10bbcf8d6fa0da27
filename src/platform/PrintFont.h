#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <optional>

class QPaintDevice;

namespace markroll {

/// The font state the printers share, and the size of a text in it in twips. The two printers measure through
/// this one class so that a layout made on the recording printer fits the real page.
class PrintFont {
public:
    /// device gives the resolution the font is measured at; nullptr measures at 1440 dpi, one twip a pixel.
    explicit PrintFont(const QPaintDevice* device = nullptr) : m_device(device) {}

    void SetName(const QString& name);
    void SetPoints(double points);
    void SetBold(bool bold);
    const QString& Name() const { return m_name; }
    double Points() const { return m_points; }
    bool Bold() const { return m_bold; }

    /// The font to draw with, as the program resolves its font names.
    const QFont& Font() const;
    /// Width of the widest line of text and height of all its lines, in twips; a line is as high as the
    /// font's line spacing even when empty.
    double Width(const QString& text) const;
    double Height(const QString& text) const;
    /// The distance from a line's top to its baseline, in twips.
    double Ascent() const;

private:
    void Changed();
    const QFontMetricsF& Metrics() const;
    double TwipsPerPxX() const;
    double TwipsPerPxY() const;

    const QPaintDevice* m_device;
    // The printers start in the fixed-pitch face of the character-cell printouts.
    QString m_name = QStringLiteral("Courier New");
    double m_points = 10;
    bool m_bold = false;
    // Reports set the font and measure for every text of a page; resolving the font each time would dominate
    // their printing time, so a setting that changes nothing keeps both.
    mutable std::optional<QFont> m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
};

} // namespace markroll
