#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace markroll {

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
    std::optional<QPoint> posTwips;
};

/// A one-line input box. Returns the text typed, or "" when cancelled.
class InputBox {
public:
    /// posTwips, when given, is the top-left corner of the box on the screen.
    static QString Show(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                        std::optional<QPoint> posTwips = std::nullopt);

    static void SetNextAnswer(const QString& text);
    static const std::vector<InputRequest>& Asked();
    static void ClearAsked();
    static int PendingAnswers();
    static void ClearAnswers();
};

} // namespace markroll
