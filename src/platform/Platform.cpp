#include "platform/Platform.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace markroll {

namespace {

constexpr double TwipsPerInch = 1440.0;
// Without a screen (no application yet, or a headless run) the common desktop resolution is assumed.
constexpr double FallbackDpi = 96.0;
constexpr int FallbackWidthPx = 1024;
constexpr int FallbackHeightPx = 768;

QScreen* PrimaryScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

double DpiX() {
    const QScreen* screen = PrimaryScreen();
    return screen && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : FallbackDpi;
}

double DpiY() {
    const QScreen* screen = PrimaryScreen();
    return screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : FallbackDpi;
}

bool IsFixedPitch(const QFont& font) {
    return QFontInfo(font).fixedPitch();
}

// The first installed family of the candidates that really renders with the wanted pitch.
QString FirstFamily(const QStringList& candidates, bool fixed) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates) {
        if (!family.isEmpty() && installed.contains(family) && IsFixedPitch(QFont(family)) == fixed) {
            return family;
        }
    }
    return {};
}

// Courier and Courier New stand for the fixed-pitch face of the character-cell pages and printouts.
// Liberation Mono has the same metrics as Courier New; after that, whatever the desktop calls fixed.
QFont FixedPitchFont() {
    static const QString family = [] {
        QString found = FirstFamily({QStringLiteral("Liberation Mono"),
                                     QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                                     QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New")},
                                    true);
        if (found.isEmpty()) {
            for (const QString& any : QFontDatabase::families()) {
                if (QFontDatabase::isFixedPitch(any) && IsFixedPitch(QFont(any))) {
                    return any;
                }
            }
        }
        return found;
    }();
    QFont font = family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont SansSerifFont() {
    static const QString family = FirstFamily({QStringLiteral("Liberation Sans")}, false);
    QFont font = family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont(family);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

int TwipsToPxX(double twips) {
    return static_cast<int>(std::lround(twips * DpiX() / TwipsPerInch));
}

int TwipsToPxY(double twips) {
    return static_cast<int>(std::lround(twips * DpiY() / TwipsPerInch));
}

double PxToTwipsX(double px) {
    return px * TwipsPerInch / DpiX();
}

double PxToTwipsY(double px) {
    return px * TwipsPerInch / DpiY();
}

QSize ScreenSizeTwips() {
    const QScreen* screen = PrimaryScreen();
    const QSize px = screen ? screen->geometry().size() : QSize(FallbackWidthPx, FallbackHeightPx);
    return {static_cast<int>(std::lround(PxToTwipsX(px.width()))),
            static_cast<int>(std::lround(PxToTwipsY(px.height())))};
}

QFont ResolveFont(const QString& name, double points, bool bold, bool italic) {
    const QString key = name.trimmed().toLower();
    QFont font;
    if (key == QLatin1String("courier") || key == QLatin1String("courier new")) {
        font = FixedPitchFont();
    } else if (key == QLatin1String("ms sans serif")) {
        font = SansSerifFont();
    } else {
        font = QFont(name);
    }
    if (points > 0) {
        font.setPointSizeF(points);
    }
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void PlaceTwips(QWidget* w, double x, double y, double width, double height) {
    w->setGeometry(TwipsToPxX(x), TwipsToPxY(y), TwipsToPxX(width), TwipsToPxY(height));
}

} // namespace markroll
