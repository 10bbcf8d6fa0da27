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
    m_name = name;
    m_metrics.reset();
}

void PrintFont::SetPoints(double points) {
    m_points = points;
    m_metrics.reset();
}

void PrintFont::SetBold(bool bold) {
    m_bold = bold;
    m_metrics.reset();
}

QFont PrintFont::Font() const {
    return ResolveFont(m_name, m_points, m_bold);
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
