#include "widgets/LabelStyle.h"

#include <QColor>

namespace markroll {

QString LabelStyle(Rgb back, Rgb text) {
    return QStringLiteral("QLabel { background-color: %1; color: %2; }")
        .arg(QColor::fromRgb(static_cast<QRgb>(back)).name(), QColor::fromRgb(static_cast<QRgb>(text)).name());
}

} // namespace markroll
