#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace markroll {

// Twips: 1440 to the inch, turned into pixels with the screen's logical DPI.
int TwipsToPxX(double twips);
int TwipsToPxY(double twips);
double PxToTwipsX(double px);
double PxToTwipsY(double px);
/// The primary screen's size in twips.
QSize ScreenSizeTwips();
/// Places a control by its position and size in twips within its window.
void PlaceTwips(QWidget* w, double x, double y, double width, double height);

/// A font by the names the program uses: "Courier" and "Courier New" always give a fixed-pitch font,
/// "MS Sans Serif" a sans-serif one; any other name is looked up as it is.
QFont ResolveFont(const QString& name, double points, bool bold = false, bool italic = false);

// The document's texts are Windows-1252 bytes; they become Unicode only where they meet a widget.
QString FromBytes(std::string_view bytes);
/// The bytes of text; characters the code page cannot hold become "?" and clear *ok.
std::string ToBytes(const QString& text, bool* ok = nullptr);
/// True when the code page can hold ch.
bool Representable(QChar ch);

/// Opens the program's own help at its contents: the pages under the resource prefix /help, index.html first.
/// One viewer window (not modal) is reused while it is open.
class HelpViewer {
public:
    static void ShowContents(QWidget* parent);
    static int TimesShown();
};

/// Starts a system-information program found on the PATH. Returns false when there is none.
class SystemInfo {
public:
    static bool Launch();
    /// Test hook: pretend whether a program was found, without starting anything.
    static void SetNextResult(bool found);
};

} // namespace markroll
