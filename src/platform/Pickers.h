#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace markroll {

struct FontChoice {
    QString name;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontChoice&) const = default;
};

/// The colour picker; nullopt when cancelled.
class ColorPicker {
public:
    static std::optional<QColor> Pick(QWidget* parent, const QColor& initial);
    static void SetNextAnswer(std::optional<QColor> answer);
    static int TimesAsked();
    static int PendingAnswers();
    /// The colour the picker was last started with.
    static QColor LastInitial();
};

/// The font picker, offering fixed-pitch fonts only, sizes minSize..maxSize points; nullopt when cancelled.
class FontPicker {
public:
    static std::optional<FontChoice> Pick(QWidget* parent, const FontChoice& initial, int minSize, int maxSize);
    /// Test hook. A scripted size outside the range is clamped into it, as the picker's own box would.
    static void SetNextAnswer(std::optional<FontChoice> answer);
    static int TimesAsked();
    static int PendingAnswers();
    /// The font and the size range the picker was last started with.
    static FontChoice LastInitial();
    static int LastMinSize();
    static int LastMaxSize();

    /// size pulled into minSize..maxSize (a range given upside down counts as minSize alone).
    static int ClampSize(int size, int minSize, int maxSize);
};

} // namespace markroll
