#include "platform/PrintFont.h"

#include "platform/Platform.h"

#include <QPaintDevice>
#include <QStringList>
#include <algorithm>

namespace markroll {

namespace {

constexpr double TwipsPerInch = 1440.0;

// A device that only has a resolution: fonts measured on it come out in twips.
class TwipsDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return static_cast<int>(TwipsPerInch);
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }
};

const QPaintDevice* Twips() {
    static const TwipsDevice device;
    return &device;
}

} // namespace

void PrintFont::SetName(const QString& name) {
    if (m_name == name)
        return;
    m_name = name;
    Changed();
}

void PrintFont::SetPoints(double points) {
    if (m_points == points)
        return;
    m_points = points;
    Changed();
}

void PrintFont::SetBold(bool bold) {
    if (m_bold == bold)
        return;
    m_bold = bold;
    Changed();
}

void PrintFont::Changed() {
    m_font.reset();
    m_metrics.reset();
}

const QFont& PrintFont::Font() const {
    if (!m_font)
        m_font = ResolveFont(m_name, m_points, m_bold);
    return *m_font;
}

double PrintFont::Width(const QString& text) const {
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString shown = line;
        shown.remove(QLatin1Char('\r'));
        widest = std::max(widest, Metrics().horizontalAdvance(shown));
    }
    return widest * TwipsPerPxX();
}

double PrintFont::Height(const QString& text) const {
    return static_cast<double>(text.count(QLatin1Char('\n')) + 1) * Metrics().lineSpacing() * TwipsPerPxY();
}

double PrintFont::Ascent() const {
    return Metrics().ascent() * TwipsPerPxY();
}

const QFontMetricsF& PrintFont::Metrics() const {
    if (!m_metrics) {
        m_metrics.emplace(Font(), m_device ? m_device : Twips());
    }
    return *m_metrics;
}

double PrintFont::TwipsPerPxX() const {
    return m_device ? TwipsPerInch / m_device->logicalDpiX() : 1.0;
}

double PrintFont::TwipsPerPxY() const {
    return m_device ? TwipsPerInch / m_device->logicalDpiY() : 1.0;
}

} // namespace markroll
